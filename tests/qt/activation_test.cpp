// Activation means the program's own windows: a form activates when it becomes
// the program's active window after another of its forms, or on first show.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>

#include "demo_form.h"

namespace {

void sendActivation(QWidget& window) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&window, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
}

class Activation : public ::testing::Test {
  protected:
    std::unique_ptr<demo::Rendered> ui = std::make_unique<demo::Rendered>();
    demo::DemoForm other{"Other"};
};

TEST_F(Activation, FirstShowLoadsThenActivatesOnce) {
    ui->windows.show(ui->form);
    demo::settle();
    sendActivation(ui->window());
    ui->windows.show(ui->form);
    EXPECT_EQ(ui->form.journal, (std::vector<std::string>{"load", "activate"}));
    EXPECT_TRUE(ui->window().isVisible());
    EXPECT_EQ(ui->renderer.activeForm(), &ui->form);
}

TEST_F(Activation, ComingBackFromAMessageBoxOrAnotherProgramIsNoActivation) {
    ui->windows.show(ui->form);
    // A message box over the form; closing it activates the form's window again.
    demo::whenBoxOpens([](QWidget& box) { box.close(); });
    ui->dialogs.msgBox({"Das ist leider falsch, rechne nochmal.\r\r", "Fehler"});
    sendActivation(ui->window());
    // Another program comes to the front and goes again.
    sendActivation(ui->window());
    EXPECT_EQ(ui->form.count("activate"), 1);
}

TEST_F(Activation, ComingBackAfterAnotherFormIsAnActivation) {
    ui->windows.show(ui->form);
    ui->windows.show(other);
    EXPECT_EQ(other.count("activate"), 1);
    EXPECT_EQ(ui->renderer.activeForm(), &other);
    // The child clicks the first window while the second is still open.
    sendActivation(ui->window());
    EXPECT_EQ(ui->form.count("activate"), 2);
    sendActivation(ui->window());
    EXPECT_EQ(ui->form.count("activate"), 2);
    // Hidden and shown again after the other form: activated once more.
    ui->windows.hide(ui->form);
    sendActivation(*ui->renderer.windowOf(other));
    ui->windows.show(ui->form);
    EXPECT_EQ(ui->form.count("activate"), 3);
    EXPECT_EQ(other.count("activate"), 2);
}

TEST_F(Activation, ClosingAFormAsksItAndActivatesTheOneBehind) {
    ui->windows.show(ui->form);
    ui->windows.show(other);
    other.keepOpen = true;
    ui->renderer.windowOf(other)->close();
    EXPECT_EQ(other.count("unload"), 1);
    ASSERT_NE(ui->renderer.windowOf(other), nullptr);
    EXPECT_TRUE(ui->renderer.windowOf(other)->isVisible()) << "cancelled: still open";

    other.keepOpen = false;
    ui->renderer.windowOf(other)->close();
    EXPECT_EQ(ui->renderer.windowOf(other), nullptr) << "unloaded";
    EXPECT_EQ(ui->renderer.activeForm(), nullptr);
    sendActivation(ui->window());
    EXPECT_EQ(ui->form.count("activate"), 2);
    // Shown again, the form is loaded anew.
    ui->windows.show(other);
    EXPECT_EQ(other.count("load"), 2);
}

}  // namespace
