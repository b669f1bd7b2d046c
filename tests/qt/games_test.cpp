// The reward games through the real renderer: ticks held back while a box is
// open, the title bar's close box, exact erasing on the drawing surface, and the
// speed bar.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "demo_form.h"
#include "fakes/fakes.h"
#include "runtime/qt/form_renderer.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_windows.h"
#include "trainer/form2.h"

namespace {

void press(QWidget& box, const QString& text) {
    for (auto* b : box.findChildren<QAbstractButton*>()) {
        if (b->text() == text) {
            b->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

class GamesRendered : public ::testing::Test {
  protected:
    void SetUp() override {
        windows_.show(trainer_);
        demo::settle();
    }
    games::Form4& startCatching() {
        demo::whenBoxOpens([](QWidget& box) { press(box, "OK"); });
        renderer_.dispatch([this] { trainer_.Bezeichnung26_Click(); });
        demo::settle();
        return trainer_.Form4.get();
    }
    games::Memo& startMemory() {
        renderer_.dispatch([this] { trainer_.Bezeichnung28_Click(); });
        demo::settle();
        return trainer_.memo.get();
    }
    rtqt::FormWindow& windowOf(const rt::Form& form) { return *renderer_.windowOf(form); }

    fakes::Fakes fakes_;
    rtqt::FormRenderer renderer_;
    rtqt::QtWindows windows_{renderer_};
    rtqt::QtDialogs dialogs_{renderer_};
    rt::Services services_{dialogs_,      fakes_.printer, fakes_.clipboard,
                           fakes_.random, fakes_.clock,   windows_};
    trainer::Form2 trainer_{services_};
};

TEST_F(GamesRendered, NoTickReachesTheGameWhileTheQuitQuestionIsOpenAndTheTimerRunsOnAfterNo) {
    games::Form4& game = startCatching();
    ASSERT_TRUE(windowOf(game).isVisible());
    int delivered = 0;
    const auto original = game.Zeit1.onTimer;
    game.Zeit1.onTimer = [&] {
        ++delivered;
        original();
    };
    renderer_.dispatch([&] { game.Zeit1.interval = 20; });
    auto* timer = windowOf(game).findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);

    bool timerFired = false;
    int deliveredWhileOpen = -1;
    bool surfaceStill = false;
    demo::whenBoxOpens([&](QWidget& box) {
        const int before = delivered;
        const QImage surface = windowOf(game).surface().copy();
        QSignalSpy fired(timer, &QTimer::timeout);
        timerFired = QTest::qWaitFor([&] { return fired.count() >= 3; }, 5000);
        deliveredWhileOpen = delivered - before;
        surfaceStill = windowOf(game).surface() == surface;
        press(box, "Nein");
    });
    QTest::keyClick(windowOf(game).windowHandle(), Qt::Key_Escape);

    EXPECT_TRUE(timerFired);
    EXPECT_EQ(deliveredWhileOpen, 0);
    EXPECT_TRUE(surfaceStill) << "nothing drawn behind the box";
    EXPECT_TRUE(windowOf(game).isVisible());
    const int after = delivered;
    EXPECT_TRUE(QTest::qWaitFor([&] { return delivered > after; }, 5000))
        << "the game goes on after No";
    EXPECT_TRUE(timer->isActive());
}

TEST_F(GamesRendered, NoTickReachesTheGameWhileTheEndMessageIsOpen) {
    games::Form4& game = startCatching();
    int delivered = 0;
    const auto original = game.Zeit1.onTimer;
    game.Zeit1.onTimer = [&] {
        ++delivered;
        original();
    };
    renderer_.dispatch([&] {
        game.Zeit1.interval = 20;
        trainer_.modul1.fangzahlen = "9";  // the last digit, on the cross's left
        trainer_.modul1.zahlspalte[1] = 13;
        trainer_.modul1.zahlzeile[1] = 9;
    });
    auto* timer = windowOf(game).findChild<QTimer*>();
    bool timerFired = false;
    int deliveredWhileOpen = -1;
    demo::whenBoxOpens([&](QWidget& box) {
        const int before = delivered;
        QSignalSpy fired(timer, &QTimer::timeout);
        timerFired = QTest::qWaitFor([&] { return fired.count() >= 3; }, 5000);
        deliveredWhileOpen = delivered - before;
        press(box, "OK");
    });
    renderer_.dispatch([&] { game.Bild1_Click(); });
    demo::settle();

    EXPECT_TRUE(timerFired);
    EXPECT_EQ(deliveredWhileOpen, 0);
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(windowOf(game).isVisible());
    EXPECT_TRUE(windowOf(trainer_).isVisible());
}

TEST_F(GamesRendered, TheCloseBoxOfTheCatchingGameAsksAndJaReturnsToTheTrainer) {
    games::Form4& game = startCatching();
    demo::whenBoxOpens([](QWidget& box) { press(box, "Nein"); });
    windowOf(game).close();
    demo::settle();
    EXPECT_TRUE(windowOf(game).isVisible()) << "Nein: the game goes on";
    EXPECT_TRUE(game.Zeit1.enabled);

    demo::whenBoxOpens([](QWidget& box) { press(box, "Ja"); });
    windowOf(game).close();
    demo::settle();
    ASSERT_NE(renderer_.windowOf(game), nullptr) << "hidden, not closed";
    EXPECT_FALSE(windowOf(game).isVisible());
    EXPECT_FALSE(windowOf(game).findChild<QTimer*>()->isActive());
    EXPECT_TRUE(windowOf(trainer_).isVisible());
    EXPECT_EQ(renderer_.activeForm(), &trainer_);
}

TEST_F(GamesRendered, TheCloseBoxOfTheMemoryGameLeavesItAsEndeDoes) {
    games::Memo& game = startMemory();
    ASSERT_TRUE(windowOf(game).isVisible());
    EXPECT_FALSE(windowOf(trainer_).isVisible());
    renderer_.dispatch([&] { game.Bezeichnung_Click(3); });
    windowOf(game).close();
    demo::settle();
    ASSERT_NE(renderer_.windowOf(game), nullptr);
    EXPECT_FALSE(windowOf(game).isVisible());
    EXPECT_TRUE(windowOf(trainer_).isVisible());
    EXPECT_EQ(game.Bezeichnung23, " 3") << "the game waits as it was left";
}

TEST_F(GamesRendered, AnErasedGlyphLeavesTheSurfaceAndTheWindowExactlyAsBefore) {
    games::Form4& game = startCatching();
    rtqt::FormWindow& window = windowOf(game);
    rt::Canvas& canvas = windows_.canvas(game);
    const QRect field(60, 60, 120, 120);
    demo::settle();
    const QImage before = window.surface().copy();
    const QImage shownBefore = window.grab(field).toImage();
    for (const char* text : {"0", "3", "7", "8", "+"}) {
        canvas.setForeColor(0x800000);  // dark blue
        canvas.printAt(14 * 5, 14 * 5, text);
        ASSERT_NE(window.surface(), before) << text << " was drawn";
        canvas.setForeColor(game.Figur1.fillColor);
        canvas.printAt(14 * 5, 14 * 5, text);
        EXPECT_EQ(window.surface(), before) << text << " left a trace";
    }
    demo::settle();
    EXPECT_EQ(window.grab(field).toImage(), shownBefore);
}

TEST_F(GamesRendered, TheSpeedBarChangesTheIntervalAndHandsTheFocusToTheLeftArrow) {
    games::Form4& game = startCatching();
    auto* bar = static_cast<QScrollBar*>(windowOf(game).widgetOf(game.HBildlauf1));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 7);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() - 3, 8));
    demo::settle();
    EXPECT_EQ(game.HBildlauf1.value, 8);
    EXPECT_EQ(game.Zeit1.interval, 8000);
    EXPECT_EQ(windowOf(game).findChild<QTimer*>()->interval(), 8000);
    EXPECT_EQ(QApplication::focusWidget(), windowOf(game).widgetOf(game.Bild1));

    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    demo::settle();
    EXPECT_EQ(game.Zeit1.interval, 1000);
}

TEST_F(GamesRendered, TheArrowKeysMoveTheCross) {
    games::Form4& game = startCatching();
    QTest::keyClick(windowOf(game).windowHandle(), Qt::Key_Left);
    QTest::keyClick(windowOf(game).windowHandle(), Qt::Key_Up);
    demo::settle();
    EXPECT_EQ(trainer_.modul1.kreuzspalte, 13);
    EXPECT_EQ(trainer_.modul1.kreuzzeile, 8);
}

}  // namespace
