// A dark desktop palette never reaches the windows: they keep the light system
// colours they are laid out with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPalette>

#include "demo_form.h"
#include "runtime/qt/qt_conversions.h"

namespace {

// What a dark desktop theme hands every program: dark fields, light text.
QPalette darkDesktopPalette() {
    QPalette dark(QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x28));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    return dark;
}

class OwnLook : public ::testing::Test {
  protected:
    void SetUp() override {
        darkDesktop();
        ui = std::make_unique<demo::Rendered>();
        ui->form.plain.caption = "4";
        ui->form.plain.foreColor = rt::kWindowText;
        ui->form.plain.backColor = rt::kWindowBackground;
        ui->windows.show(ui->form);
        // The desktop's theme may change, or be read, after the program started.
        darkDesktop();
    }
    // As a GTK or KDE theme does: for the application and for widget classes.
    static void darkDesktop() {
        QApplication::setPalette(darkDesktopPalette());
        QApplication::setPalette(darkDesktopPalette(), "QAbstractButton");
        QApplication::setPalette(darkDesktopPalette(), "QMessageBoxLabel");
        QApplication::setPalette(darkDesktopPalette(), "QLabel");
    }
    std::unique_ptr<demo::Rendered> ui;
};

TEST_F(OwnLook, SystemColoursStayWhiteFieldsWithBlackText) {
    EXPECT_EQ(rtqt::toQColor(rt::kWindowBackground), QColor(Qt::white));
    EXPECT_EQ(rtqt::toQColor(rt::kWindowText), QColor(Qt::black));

    QWidget* plain = ui->widget(ui->form.plain);
    ASSERT_NE(plain, nullptr);
    const QImage shown = plain->grab().toImage();
    EXPECT_EQ(shown.pixelColor(2, shown.height() - 3), QColor(Qt::white)) << "field background";
}

TEST_F(OwnLook, ButtonsAndBoxesUseTheLightPalette) {
    QWidget* ok = ui->widget(ui->form.ok);
    ASSERT_NE(ok, nullptr);
    EXPECT_GT(ok->palette().color(QPalette::Button).lightness(), 200);
    EXPECT_LT(ok->palette().color(QPalette::ButtonText).lightness(), 60);

    auto box = rtqt::makeMessageBox({"Text\r\r", "Titel", rt::Buttons::Ok, rt::Icon::None, false},
                                    &ui->window());
    EXPECT_GT(box->palette().color(QPalette::Window).lightness(), 200);
    EXPECT_LT(box->palette().color(QPalette::WindowText).lightness(), 60);
    for (QLabel* label : box->findChildren<QLabel*>())
        EXPECT_LT(label->palette().color(QPalette::WindowText).lightness(), 60);
}

}  // namespace
