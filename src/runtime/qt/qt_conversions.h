#pragma once
// The small translations between the form runtime's units and Qt's: twips and
// pixels, 0x00BBGGRR colours, font names of the original look, and text.

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "runtime/controls.h"

namespace rtqt {

// 15 twips to the pixel at 96 dpi; Qt's high-dpi scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
// Points are 1/72 inch, so 4/3 pixel at 96 dpi.
double pointsToPixels(double points);

// Plain colours and the two system colours (window background and text).
QColor toQColor(rt::Colour colour);

QString toQString(const std::string& utf8);
std::string toStdString(const QString& text);
// Message texts break lines with a carriage return, alone or before a line feed.
QString withLineBreaks(const std::string& text);

// The families that stand in for the original fonts, best first.
QStringList familiesFor(const std::string& fontName);
// Sized in pixels so that text sized for a control fits it whatever dpi the
// screen reports.
QFont toQFont(const rt::Font& font);

}  // namespace rtqt
