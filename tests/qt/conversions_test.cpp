#include "runtime/qt/qt_conversions.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>

#include "runtime/qt/own_look.h"

namespace {

TEST(QtConversions, TwipsRoundToThePixelAt96Dpi) {
    const std::pair<int, int> cases[] = {{0, 0},      {15, 1},     {22, 1},     {23, 2},
                                         {495, 33},   {7845, 523}, {5685, 379}, {-15, -1},
                                         {6000, 400}, {120, 8}};
    for (auto [twips, pixels] : cases) {
        EXPECT_EQ(rtqt::twipsToPixels(twips), pixels) << twips << " twips";
    }
    EXPECT_EQ(rtqt::pixelsToTwips(523), 7845);
}

TEST(QtConversions, ColoursAreBlueGreenRed) {
    EXPECT_EQ(rtqt::toQColor(0x00FF8080), QColor(0x80, 0x80, 0xFF));
    EXPECT_EQ(rtqt::toQColor(0x00800000), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(rtqt::toQColor(0x000000FF), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(rtqt::toQColor(0x00FFFF80), QColor(0x80, 0xFF, 0xFF));
}

TEST(QtConversions, SystemColoursComeFromTheProgramsOwnPalette) {
    const QPalette palette = rtqt::ownPalette();
    EXPECT_EQ(rtqt::toQColor(rt::kWindowBackground), palette.color(QPalette::Base));
    EXPECT_EQ(rtqt::toQColor(rt::kWindowText), palette.color(QPalette::Text));
}

TEST(QtConversions, CarriageReturnsBreakLines) {
    EXPECT_EQ(rtqt::withLineBreaks("Das ist leider falsch.\r\r"),
              QStringLiteral("Das ist leider falsch.\n\n"));
    EXPECT_EQ(rtqt::withLineBreaks("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(rtqt::withLineBreaks("Lösung"), QStringLiteral("Lösung"));
}

TEST(QtConversions, FontsAreSizedInPixelsAndMappedToInstalledFamilies) {
    const std::pair<double, int> sizes[] = {{8.25, 11}, {9.75, 13}, {12, 16}, {13.5, 18}, {24, 32}};
    for (auto [points, pixels] : sizes) {
        EXPECT_EQ(rtqt::toQFont(rt::Font{"MS Sans Serif", points, true, false}).pixelSize(), pixels)
            << points << " pt";
    }
    const QFont sans = rtqt::toQFont(rt::Font{"MS Sans Serif", 24, true, false});
    EXPECT_TRUE(sans.bold());
    EXPECT_EQ(QFontInfo(sans).family(), QStringLiteral("Liberation Sans"));
    const QFont mono = rtqt::toQFont(rt::Font{"Courier New", 18, false, false});
    EXPECT_EQ(QFontInfo(mono).family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(QFontInfo(mono).fixedPitch());
}

TEST(QtConversions, A24PointDigitFitsItsCell) {
    // Cells are 495 twips square and show their text from the top.
    const QFontMetrics metrics(rtqt::toQFont(rt::Font{"MS Sans Serif", 24, true, false}));
    for (char digit = '0'; digit <= '9'; ++digit) {
        const QRect ink = metrics.boundingRect(QChar(digit));
        EXPECT_LE(metrics.ascent() + ink.bottom(), 33) << digit;
        EXPECT_LE(metrics.horizontalAdvance(QChar(digit)), 33) << digit;
    }
}

}  // namespace
