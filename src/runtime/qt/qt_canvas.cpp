#include "runtime/qt/qt_canvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_conversions.h"

namespace rtqt {

void QtCanvas::cls() {
    window_.surface().fill(Qt::transparent);
    window_.update();
}

void QtCanvas::printAt(double x, double y, const std::string& text) {
    if (window_.retired())
        return;
    rt::Font font = window_.form().font;
    if (size_ > 0)
        font.size = size_;
    const QFont qfont = toQFont(font);
    QPainter painter(&window_.surface());
    painter.setFont(qfont);
    painter.setPen(toQColor(colour_));
    const double baseline = pointsToPixels(y) + QFontMetricsF(qfont).ascent();
    painter.drawText(QPointF(pointsToPixels(x), baseline), toQString(text));
    window_.update();
}

}  // namespace rtqt
