// The generic renderer: window, geometry, nesting, stacking and syncing.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "demo_form.h"

namespace {

class Renderer : public ::testing::Test {
  protected:
    void SetUp() override {
        ui = std::make_unique<demo::Rendered>();
        ui->windows.show(ui->form);
    }
    void change(const std::function<void()>& handler) { ui->renderer.dispatch(handler); }
    int stackIndex(const rt::Control& control) {
        QWidget* w = ui->widget(control);
        return w ? static_cast<int>(w->parentWidget()->children().indexOf(w)) : -1;
    }

    std::unique_ptr<demo::Rendered> ui;
};

TEST_F(Renderer, WindowHasTheClientSizeCaptionIconAndColourOfTheForm) {
    rtqt::FormWindow& window = ui->window();
    EXPECT_EQ(window.size(), QSize(200, 150));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed border";
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Demo"));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.grab().toImage().pixelColor(5, 40), QColor(0xC0, 0xC0, 0xFF));
}

TEST_F(Renderer, ControlsStandAtTheirTwipsInPixels) {
    const std::pair<const rt::Control*, QRect> cases[] = {
        {&ui->form.cell, QRect(40, 40, 33, 33)},  {&ui->form.marker, QRect(40, 40, 33, 33)},
        {&ui->form.ok, QRect(50, 110, 57, 33)},   {&ui->form.box, QRect(120, 100, 70, 40)},
        {&ui->form.inner, QRect(4, 8, 25, 17)},   {&ui->form.back, QRect(20, 20, 160, 80)},
        {&ui->form.list, QRect(150, 20, 40, 40)}, {&ui->form.bar, QRect(10, 80, 80, 17)},
        {&ui->form.line, QRect(8, 8, 185, 5)},
    };
    for (const auto& [control, rect] : cases) {
        QWidget* w = ui->widget(*control);
        ASSERT_NE(w, nullptr) << control->name;
        EXPECT_EQ(w->geometry(), rect) << control->name;
        EXPECT_TRUE(w->isVisible()) << control->name;
    }
    EXPECT_EQ(ui->widget(ui->form.inner)->parentWidget(), ui->widget(ui->form.box));
    EXPECT_EQ(ui->widget(ui->form.box)->parentWidget(), &ui->window());
}

TEST_F(Renderer, PictureBoxesStandInFrontOfLabelsWhateverTheirOrder) {
    // The marker is listed before the cell but covers it.
    EXPECT_EQ(ui->window().childAt(56, 56), ui->widget(ui->form.marker));
    EXPECT_LT(stackIndex(ui->form.cell), stackIndex(ui->form.marker));
    // Among drawings, and among windowed controls, later stands in front.
    EXPECT_LT(stackIndex(ui->form.back), stackIndex(ui->form.cell));
    EXPECT_LT(stackIndex(ui->form.marker), stackIndex(ui->form.ok));
    // Moving the marker away uncovers the cell.
    change([this] { ui->form.marker.left = 6000; });
    EXPECT_EQ(ui->window().childAt(56, 56), ui->widget(ui->form.cell));
    // A control first coming into sight later still takes its place in the order.
    change([this] { ui->form.parked.left = 1800, ui->form.parked.top = 1500; });
    EXPECT_LT(stackIndex(ui->form.parked), stackIndex(ui->form.box));
    EXPECT_EQ(ui->window().childAt(150, 130), ui->widget(ui->form.box));
}

TEST_F(Renderer, DrawingsLetTheMouseThrough) {
    EXPECT_EQ(ui->window().childAt(100, 10), nullptr) << "the line";
    EXPECT_EQ(ui->window().childAt(100, 30), nullptr) << "the shape";
    const QImage shot = ui->window().grab().toImage();
    EXPECT_EQ(shot.pixelColor(100, 10), QColor(0xFF, 0, 0)) << "a red line two pixels wide";
    EXPECT_EQ(shot.pixelColor(100, 9), QColor(0xFF, 0, 0));
    EXPECT_NE(shot.pixelColor(100, 12), QColor(0xFF, 0, 0));
    EXPECT_EQ(shot.pixelColor(100, 30), QColor(0, 0, 0)) << "the black shape";
}

TEST_F(Renderer, ControlsOutOfSightGetNoWidgetUntilTheyComeIntoSight) {
    EXPECT_EQ(ui->widget(ui->form.parked), nullptr);
    change([this] {
        ui->form.parked.top = 600;
        ui->form.parked.left = 1500;
    });
    QWidget* parked = ui->widget(ui->form.parked);
    ASSERT_NE(parked, nullptr);
    EXPECT_TRUE(parked->isVisible());
    change([this] { ui->form.parked.top = 6000; });
    EXPECT_FALSE(parked->isVisible()) << "parked again: gone for screen readers too";
    change([this] { ui->form.cell.visible = false; });
    EXPECT_FALSE(ui->widget(ui->form.cell)->isVisible());
}

TEST_F(Renderer, AfterAnEventOnlyWhatChangedIsApplied) {
    auto* cell = static_cast<QLabel*>(ui->widget(ui->form.cell));
    auto* ok = static_cast<QPushButton*>(ui->widget(ui->form.ok));
    cell->setText("X");  // as if something else had drawn there
    change([this] { ui->form.ok.caption = "Weiter"; });
    EXPECT_EQ(ok->text(), QStringLiteral("Weiter"));
    EXPECT_EQ(cell->text(), QStringLiteral("X")) << "an unchanged caption is not written again";
    change([this] { ui->form.cell.caption = "9"; });
    EXPECT_EQ(cell->text(), QStringLiteral("9"));
}

TEST_F(Renderer, EveryKindOfChangeReachesTheWidgets) {
    demo::DemoForm& f = ui->form;
    change([&f] {
        f.caption = "Neu";
        f.cell.left = 1200;
        f.cell.foreColor = 0x0000FF;
        f.cell.backColor = 0xE0E0E0;
        f.cell.font.size = 12;
        f.inner.caption = "17";
        f.list.addItem("drei");
        f.check.value = 1;
        f.bar.max = 10;
        f.bar.value = 4;
        f.box.icon = "rocket";
        f.ok.enabled = false;
    });
    EXPECT_EQ(ui->window().windowTitle(), QStringLiteral("Neu"));
    auto* cell = static_cast<QLabel*>(ui->widget(f.cell));
    EXPECT_EQ(cell->geometry().topLeft(), QPoint(80, 40));
    EXPECT_EQ(cell->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    EXPECT_EQ(cell->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(cell->font().pixelSize(), 16);
    EXPECT_EQ(static_cast<QLabel*>(ui->widget(f.inner))->text(), QStringLiteral("17"));
    auto* list = static_cast<QListWidget*>(ui->widget(f.list));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("drei"));
    EXPECT_TRUE(static_cast<QCheckBox*>(ui->widget(f.check))->isChecked());
    EXPECT_EQ(static_cast<QScrollBar*>(ui->widget(f.bar))->value(), 4);
    EXPECT_FALSE(ui->widget(f.ok)->isEnabled());
    // The rocket replaces the frame: its top left is no longer the frame's gold.
    const QImage box = ui->widget(f.box)->grab().toImage();
    EXPECT_EQ(box.pixelColor(16, 30).red(), box.pixelColor(16, 30).green())
        << "grey nozzle or black sky, not gold";
}

TEST_F(Renderer, TheUserChangingACheckBoxOrScrollBarWritesTheControl) {
    QTest::mouseClick(ui->widget(ui->form.check), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(ui->form.check.value, 1);
    int changes = 0;
    ui->form.bar.max = 10;
    ui->form.bar.onChange = [&changes] { ++changes; };
    ui->renderer.syncAll();
    static_cast<QScrollBar*>(ui->widget(ui->form.bar))
        ->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(ui->form.bar.value, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(Renderer, LabelsAndPictureBoxesRaiseClicksAndTellScreenReadersWhatTheyShow) {
    change([this] { ui->form.marker.left = 6000; });
    QTest::mouseClick(ui->widget(ui->form.cell), Qt::LeftButton);
    QTest::mouseClick(ui->widget(ui->form.plain), Qt::LeftButton);
    change([this] { ui->form.marker.left = 1500; });
    QTest::mouseClick(ui->widget(ui->form.marker), Qt::LeftButton);
    EXPECT_EQ(ui->form.journal,
              (std::vector<std::string>{"load", "activate", "click:cell", "click:marker"}));

    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(ui->widget(ui->form.cell));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("7"));
    EXPECT_EQ(cell->text(QAccessible::Description), QStringLiteral("Ergebnis, Zehner"));
}

TEST_F(Renderer, ButtonsClickWithoutTakingTheFocusAndDigitButtonsNeverClick) {
    auto* ok = static_cast<QPushButton*>(ui->widget(ui->form.ok));
    auto* digit = static_cast<QPushButton*>(ui->widget(ui->form.digit));
    EXPECT_EQ(ok->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(digit->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(ui->form.count("click:ok"), 1);

    int digitClicks = 0;
    ui->form.digit.onClick = [&digitClicks] { ++digitClicks; };
    QTest::mouseClick(digit, Qt::LeftButton);
    EXPECT_EQ(digitClicks, 0);
    EXPECT_FALSE(digit->isDown()) << "the press that started the drag is over";
    EXPECT_EQ(digit->cursor().shape(), Qt::SizeAllCursor);
}

TEST_F(Renderer, TimerTicksOnlyWhileEnabled) {
    // Whether a timer ticks at all does not depend on the machine's speed: the
    // yardstick, ticking at the same interval, shows it had the time.
    demo::Yardstick yardstick(5);
    ASSERT_TRUE(yardstick.waitTicks(3));
    EXPECT_EQ(ui->form.ticks, 0) << "an interval of 0 never ticks";
    change([this] { ui->form.tick.interval = 5; });
    EXPECT_TRUE(demo::waitFor([this] { return ui->form.ticks >= 3; }));
    change([this] { ui->form.tick.enabled = false; });
    const int ticks = ui->form.ticks;
    ASSERT_TRUE(yardstick.waitTicks(3));
    EXPECT_EQ(ui->form.ticks, ticks);
}

TEST_F(Renderer, WhatTheUserTickedCanBeSetBackByTheProgram) {
    auto* check = static_cast<QCheckBox*>(ui->widget(ui->form.check));
    auto* bar = static_cast<QScrollBar*>(ui->widget(ui->form.bar));
    change([this] { ui->form.bar.max = 10; });
    // No handlers: nothing runs after the user's change that would sync the window.
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, 8));
    bar->triggerAction(QScrollBar::SliderSingleStepAdd);
    ASSERT_EQ(ui->form.check.value, 1);
    ASSERT_EQ(ui->form.bar.value, 1);

    change([this] {
        ui->form.check.value = 0;
        ui->form.bar.value = 0;
    });
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(bar->value(), 0);
}

}  // namespace
