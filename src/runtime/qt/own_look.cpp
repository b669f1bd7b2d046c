#include "runtime/qt/own_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace rtqt {

QPalette ownPalette() {
    // Fusion's standard palette is light and the same on every desktop.
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPalette palette = fusion ? fusion->standardPalette() : QPalette(Qt::lightGray);
    delete fusion;
    return palette;
}

void useOwnLook() {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStringLiteral("Fusion"));
    // Set explicitly, so that a later theme change of the desktop leaves it alone.
    QApplication::setPalette(ownPalette());
}

}  // namespace rtqt
