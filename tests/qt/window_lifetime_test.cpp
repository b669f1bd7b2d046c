// An unloaded window waits a moment for its deletion. Meanwhile it must neither
// reach its form, which its owner may already have deleted, nor outlive the
// renderer that made it.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QMoveEvent>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include "demo_form.h"

namespace {

// Sends the window what the window system may still send a window that is gone
// from the screen but not yet deleted.
void poke(QWidget& window) {
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    QMoveEvent move(QPoint(40, 30), window.pos());
    QCoreApplication::sendEvent(&window, &move);
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    window.grab();  // paints it
}

TEST(WindowLifetime, AnUnloadedWindowGoesWithItsRendererEvenIfTheLoopNeverRan) {
    auto ui = std::make_unique<demo::Rendered>();
    ui->windows.show(ui->form);
    QPointer<QWidget> window = &ui->window();
    ui->windows.unload(ui->form);
    ASSERT_FALSE(window.isNull()) << "waits for the event loop";
    ui.reset();
    EXPECT_TRUE(window.isNull());
}

TEST(WindowLifetime, TheOwnerMayDeleteTheFormAsSoonAsItIsUnloaded) {
    demo::Rendered ui;
    auto form = std::make_unique<demo::DemoForm>("Owned");
    form->whenUnloaded = [&form] { form.reset(); };
    ui.windows.show(*form);
    QPointer<QWidget> window = ui.renderer.windowOf(*form);
    ui.windows.unload(*form);
    EXPECT_EQ(form, nullptr);
    ASSERT_FALSE(window.isNull());
    poke(*window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ui.renderer.activeForm(), nullptr);
    demo::settle();
    EXPECT_TRUE(window.isNull()) << "deleted once the event loop came round";
}

TEST(WindowLifetime, AnUnloadedWindowsTimerAndControlsReachNothing) {
    demo::Rendered ui;
    demo::DemoForm form("Ticking");
    ui.windows.show(form);
    ui.renderer.dispatch([&form] { form.tick.interval = 2; });
    QPointer<QWidget> ok = ui.renderer.widgetOf(form.ok);
    QPointer<QWidget> window = ui.renderer.windowOf(form);
    ui.windows.unload(form);
    const std::vector<std::string> journal = form.journal;
    const int ticks = form.ticks;

    demo::Yardstick yardstick(2);
    ASSERT_TRUE(yardstick.waitTicks(1));  // the deletion may have run meanwhile
    if (ok)
        static_cast<QPushButton*>(ok.data())->click();
    if (window)
        poke(*window);
    ASSERT_TRUE(yardstick.waitTicks(3));
    EXPECT_EQ(form.ticks, ticks);
    EXPECT_EQ(form.journal, journal);
}

// A window that centres itself on every activation, as the trainer does.
struct Centring : demo::DemoForm {
    explicit Centring(rt::Windows& w) : demo::DemoForm("Centring"), windows(w) {}
    void Form_Activate() override {
        left = (windows.screenWidth() - windows.outerWidth(*this)) / 2;
        top = (windows.screenHeight() - windows.outerHeight(*this)) / 2;
    }
    rt::Windows& windows;
};

TEST(WindowPlace, TheFirstPlacementAlreadyCountsTheFrame) {
    demo::Rendered ui;
    Centring centring(ui.windows);
    ui.windows.show(centring);
    demo::settle();
    const QRect first = ui.renderer.windowOf(centring)->frameGeometry();
    ASSERT_NE(first, ui.renderer.windowOf(centring)->geometry()) << "the platform draws a frame";

    // Away and back: the frame is known for certain now.
    ui.windows.show(ui.form);
    ui.windows.hide(centring);
    ui.windows.show(centring);
    demo::settle();
    EXPECT_EQ(ui.renderer.windowOf(centring)->frameGeometry(), first);
    EXPECT_EQ(centring.left, (ui.windows.screenWidth() - first.width() * 15) / 2);
}

}  // namespace
