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
    QFont qfont = toQFont(font);
    // Every glyph pixel is either set or untouched: printing the same text at the
    // same place in the back colour then wipes it without a fringe.
    qfont.setStyleStrategy(QFont::NoAntialias);
    qfont.setHintingPreference(QFont::PreferFullHinting);
    const QString shown = toQString(text);
    const QFontMetricsF metrics(qfont);
    const QPointF baseline(pointsToPixels(x), pointsToPixels(y) + metrics.ascent());

    QPainter painter(&window_.surface());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(qfont);
    painter.setPen(toQColor(colour_));
    // The surface lies on the window's back colour, so text in that colour is
    // printed by wiping the ink: the pixels become exactly what they were
    // before anything was drawn there.
    if (colour_ == window_.form().backColor)
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawText(baseline, shown);

    // Only the text's box is repainted, with a pixel to spare on each side for
    // rounding at any device pixel ratio.
    const QRectF box = metrics.boundingRect(shown).translated(baseline);
    window_.update(box.toAlignedRect().adjusted(-2, -2, 2, 2));
}

}  // namespace rtqt
