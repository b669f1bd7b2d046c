#include "runtime/qt/qt_conversions.h"

#include "runtime/qt/own_look.h"

#include <QGuiApplication>
#include <QPalette>
#include <cmath>

namespace rtqt {

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

double pointsToPixels(double points) {
    return points * 96.0 / 72.0;
}

namespace {

// The system colours a window may name, as Windows numbers them, taken from the
// program's own light palette: never from a dark desktop theme's.
QColor systemColour(rt::Colour colour) {
    static const QPalette palette = ownPalette();
    switch (colour & 0xFF) {
        case 0x05:  // window background: the white of text fields
            return palette.color(QPalette::Base);
        case 0x08:  // window text
            return palette.color(QPalette::Text);
        case 0x0D:
            return palette.color(QPalette::Highlight);
        case 0x0E:
            return palette.color(QPalette::HighlightedText);
        case 0x0F:  // button face
            return palette.color(QPalette::Button);
        case 0x10:
            return palette.color(QPalette::Dark);
        case 0x11:
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 0x12:
            return palette.color(QPalette::ButtonText);
        case 0x14:
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor toQColor(rt::Colour colour) {
    if (colour & 0x80000000u)
        return systemColour(colour);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QString toQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string toStdString(const QString& text) {
    return text.toStdString();
}

QString withLineBreaks(const std::string& text) {
    QString s = toQString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QStringList familiesFor(const std::string& fontName) {
    if (fontName == "MS Sans Serif" || fontName == "Arial" || fontName.empty()) {
        return {"Liberation Sans", "DejaVu Sans", "Sans Serif"};
    }
    if (fontName == "Courier New" || fontName == "Courier") {
        return {"Liberation Mono", "DejaVu Sans Mono", "Monospace"};
    }
    if (fontName == "Times New Roman")
        return {"Liberation Serif", "DejaVu Serif", "Serif"};
    return {toQString(fontName), "Liberation Sans", "DejaVu Sans"};
}

QFont toQFont(const rt::Font& font) {
    QFont f;
    f.setFamilies(familiesFor(font.name));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pointsToPixels(font.size)))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

}  // namespace rtqt
