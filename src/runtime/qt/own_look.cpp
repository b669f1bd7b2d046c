#include "runtime/qt/own_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace rtqt {

namespace {

QPalette buildOwnPalette() {
    // Built from colours, not from the style's standard palette, which follows
    // a dark desktop theme: light grey buttons and windows, white fields, black
    // text, and the blue of Fusion's selection.
    QPalette light(QColor(0xEF, 0xEF, 0xEF));
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::ButtonText, Qt::black);
    light.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
    light.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole grey : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        light.setColor(QPalette::Disabled, grey, QColor(0xBE, 0xBE, 0xBE));
    // Every role set, so that it wins over what a theme gives widget classes.
    QPalette own;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (r != QPalette::NoRole)
                own.setBrush(g, r, light.brush(g, r));
        }
    }
    return own;
}

}  // namespace

const QPalette& ownPalette() {
    static const QPalette own = buildOwnPalette();
    return own;
}

void useOwnLook() {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(ownPalette());
}

void giveOwnPalette(QWidget& window) {
    window.setPalette(ownPalette());
}

}  // namespace rtqt
