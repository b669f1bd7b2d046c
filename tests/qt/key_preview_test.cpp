// The form sees every key before its controls, once, with the windows' codes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "demo_form.h"

namespace {

class KeyPreview : public ::testing::Test {
  protected:
    void SetUp() override { ui->windows.show(ui->form); }
    // Where the window system delivers a key: the focused control, else the window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget& window = ui->window();
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, key, modifiers);
    }

    std::unique_ptr<demo::Rendered> ui = std::make_unique<demo::Rendered>();
};

TEST_F(KeyPreview, TheFormGetsTheCodesOfDigitsArrowsAndEscape) {
    press(Qt::Key_7);
    press(Qt::Key_7, Qt::KeypadModifier);
    press(Qt::Key_Left);
    press(Qt::Key_Down);
    press(Qt::Key_Escape);
    press(Qt::Key_Exclam);  // no code: not passed on
    EXPECT_EQ(ui->form.keys, (std::vector<int>{55, 103, 37, 40, 27}));
}

TEST_F(KeyPreview, TheSpaceBarReachesTheFormAndClicksNoButton) {
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    EXPECT_EQ(ui->form.keys, (std::vector<int>{32, 13}));
    EXPECT_EQ(ui->form.count("click:ok"), 0);
}

TEST_F(KeyPreview, TheFocusedControlGetsTheKeyAfterTheFormAndTheFormSeesItOnce) {
    ui->windows.setFocus(ui->form.list);
    auto* list = static_cast<QListWidget*>(ui->widget(ui->form.list));
    ASSERT_EQ(ui->window().focusWidget(), list);
    list->setCurrentRow(0);
    ui->form.keys.clear();
    press(Qt::Key_Down);
    EXPECT_EQ(ui->form.keys, (std::vector<int>{40}));
    EXPECT_EQ(list->currentRow(), 1) << "the list moved down as well";
    // A key the list does not use travels on to the window: still one key.
    press(Qt::Key_F5);
    EXPECT_EQ(ui->form.keys, (std::vector<int>{40, 116}));
}

TEST_F(KeyPreview, WhatTheKeyHandlerWritesIsShownAtOnce) {
    press(Qt::Key_9);
    EXPECT_EQ(static_cast<QLabel*>(ui->widget(ui->form.cell))->text(), QStringLiteral("9"));
}

}  // namespace

namespace {

// A key held down repeats; the form answers only its first press.
TEST_F(KeyPreview, AKeyHeldDownReachesTheFormOnce) {
    QWidget& window = ui->window();
    QWidget* receiver = window.focusWidget() ? window.focusWidget() : &window;
    for (bool repeat : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), repeat);
        QCoreApplication::sendEvent(receiver, &press);
    }
    EXPECT_EQ(ui->form.keys, (std::vector<int>{55}));
}

}  // namespace
