// "Zahlfange": the start, the moves of the cross, the ticks, the catches and
// every way out of the game.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "games/games_fixture.h"
#include "runtime/clock_random.h"

namespace games_test {
namespace {

using fakes::FakeRandom;

class CatchingGame : public GamesTest {};

TEST_F(CatchingGame, TheNoticeAnnouncesTheGameWhileTheTrainerIsStillInSight) {
    trainer.Bezeichnung26.visible = true;
    f.dialogs.whileOpen = [this](const rt::MessageBox&) {
        EXPECT_TRUE(f.windows.calls.empty()) << "nothing hidden or shown behind the box";
    };
    trainer.Bezeichnung26_Click();

    EXPECT_FALSE(trainer.Bezeichnung26.visible);
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0], fakes::okBox("Es folgt jetzt eine Belohnung.\r\r", "Zahlfange"));
    EXPECT_EQ(f.windows.calls, (std::vector<std::string>{"hide:Form2", "show:Form4"}));
    games::Form4& game = trainer.Form4.get();
    EXPECT_TRUE(game.Zeit1.enabled);
    EXPECT_EQ(game.Zeit1.interval, 7000);
    EXPECT_EQ(canvas().clears, 1);
    EXPECT_EQ(canvas().colour, kDarkBlue);
    EXPECT_EQ(canvas().size, 13.5);
    EXPECT_TRUE(canvas().texts.empty()) << "the digits are not drawn before the first tick";
    EXPECT_EQ(m.kreuzspalte, 14);
    EXPECT_EQ(m.kreuzzeile, 9);
    EXPECT_EQ(m.fangzahlen, "0123456789");
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(m.zahlspalte[i], i + 3);
        EXPECT_EQ(m.zahlzeile[i], i + 3);
    }
}

TEST_F(CatchingGame, TheZeroIsCaughtBeforeTheFirstTickByTenLeftsAndFiveUps) {
    games::Form4& game = startCatching();
    for (int i = 0; i < 10; ++i) game.Form_KeyDown(37);
    for (int i = 0; i < 5; ++i) game.Form_KeyDown(38);

    EXPECT_EQ(m.fangzahlen, "123456789");
    EXPECT_EQ(game.Bezeichnung3.caption, "1");
    EXPECT_EQ(m.zahlspalte[1], 5) << "the 1 is now the first digit to catch";
    // The catch shows the remaining digits, then the cross on the caught 0.
    const auto& texts = canvas().texts;
    ASSERT_GE(texts.size(), 10u);
    EXPECT_EQ(texts[texts.size() - 10].text, "1");
    EXPECT_EQ(texts.back().text, "+");
    EXPECT_EQ(texts.back().x, 14 * 4);
    EXPECT_EQ(texts.back().y, 14 * 4);
}

TEST_F(CatchingGame, ACrossOnADigitOtherThanTheTargetCatchesNothing) {
    games::Form4& game = startCatching();
    steerTo(game, 5, 5);  // the "1" sits here, the target is "0"
    EXPECT_EQ(m.fangzahlen, "0123456789");
    EXPECT_EQ(game.Bezeichnung3.caption, "0");
}

TEST_F(CatchingGame, ATickThatDropsTheTargetOnTheCrossCatchesIt) {
    games::Form4& game = startCatching();
    f.random.values = {FakeRandom::pick(14, 24, 1), FakeRandom::pick(9, 14, 3)};
    game.Zeit1_Timer();
    EXPECT_EQ(m.fangzahlen, "123456789");
    EXPECT_EQ(game.Bezeichnung3.caption, "1");
}

TEST_F(CatchingGame, ATickErasesEachDigitAtItsOldCellThenPrintsItAtItsNewOneAndTheCross) {
    games::Form4& game = startCatching();
    game.Zeit1_Timer();
    const auto& texts = canvas().texts;
    ASSERT_EQ(texts.size(), 21u) << "one erase and one print per digit, plus the cross";
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(texts[i].colour, kEraser);
        EXPECT_EQ(texts[i].text, std::string(1, static_cast<char>('0' + i)));
        EXPECT_EQ(texts[i].x, 14 * (i + 4)) << "erased where it stood";
        EXPECT_EQ(texts[10 + i].colour, kDarkBlue);
        EXPECT_EQ(texts[10 + i].x, 14 * m.zahlspalte[i + 1]);
        EXPECT_EQ(texts[10 + i].y, 14 * m.zahlzeile[i + 1]);
    }
    EXPECT_EQ(texts[20].text, "+");
    EXPECT_EQ(texts[20].colour, kDarkBlue);
    EXPECT_EQ(canvas().colour, kDarkBlue) << "back to the drawing colour";
}

TEST_F(CatchingGame, TheCrossStaysInsideTheFieldAndIsRedrawnInPlaceAtABound) {
    games::Form4& game = startCatching();
    // start column, start row, key, column and row after the key
    for (auto [column, row, key, toColumn, toRow] : {std::tuple{1, 9, 37, 1, 9},
                                                     {24, 9, 39, 24, 9},
                                                     {14, 3, 38, 14, 3},
                                                     {14, 16, 40, 14, 16},
                                                     {2, 9, 37, 1, 9},
                                                     {23, 9, 39, 24, 9},
                                                     {14, 4, 38, 14, 3},
                                                     {14, 15, 40, 14, 16}}) {
        m.kreuzspalte = static_cast<std::int16_t>(column);
        m.kreuzzeile = static_cast<std::int16_t>(row);
        canvas().texts.clear();
        game.Form_KeyDown(key);
        EXPECT_EQ(m.kreuzspalte, toColumn) << "key " << key << " from " << column << "," << row;
        EXPECT_EQ(m.kreuzzeile, toRow) << "key " << key << " from " << column << "," << row;
        ASSERT_EQ(canvas().texts.size(), 2u) << "a move costs two prints of the cross";
        EXPECT_EQ(canvas().texts[0].colour, kEraser);
        EXPECT_EQ(canvas().texts[0].x, 14 * column);
        EXPECT_EQ(canvas().texts[1].x, 14 * toColumn);
        EXPECT_EQ(canvas().texts[1].y, 14 * toRow);
    }
}

TEST_F(CatchingGame, OtherKeysDoNothing) {
    games::Form4& game = startCatching();
    for (int key : {13, 32, 48, 65, 96}) game.Form_KeyDown(key);
    EXPECT_TRUE(canvas().texts.empty());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST_F(CatchingGame, TheSpeedBarSetsTheIntervalAtOnceAndHandsTheFocusToTheLeftArrow) {
    games::Form4& game = startCatching();
    for (auto [value, interval] : {std::pair{1, 1000}, {10, 10000}, {4, 4000}}) {
        f.windows.calls.clear();
        game.HBildlauf1.value = value;
        game.HBildlauf1.onChange();
        EXPECT_EQ(game.Zeit1.interval, interval);
        EXPECT_EQ(f.windows.calls, std::vector<std::string>{"focus:Bild1"});
    }
    game.HBildlauf1.value = 2;
    game.HBildlauf1.onScroll();
    EXPECT_EQ(game.Zeit1.interval, 2000) << "dragging the thumb acts as a change";
    EXPECT_TRUE(game.Zeit1.enabled);
}

TEST_F(CatchingGame, EscAsksTheQuitQuestionAndNoLeavesTheGameUntouched) {
    games::Form4& game = startCatching();
    game.Zeit1_Timer();
    const games::Modul1 before = m;
    const auto drawn = canvas().texts.size();
    f.dialogs.answers = {rt::Answer::No};
    game.Form_KeyDown(27);

    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0], (rt::MessageBox{"  Dieses Spiel jetzt beenden?", "Zahlfange",
                                                  rt::Buttons::YesNo, rt::Icon::Critical, false}));
    EXPECT_EQ(m.zahlspalte, before.zahlspalte);
    EXPECT_EQ(m.zahlzeile, before.zahlzeile);
    EXPECT_EQ(m.kreuzspalte, before.kreuzspalte);
    EXPECT_EQ(m.kreuzzeile, before.kreuzzeile);
    EXPECT_EQ(m.fangzahlen, before.fangzahlen);
    EXPECT_EQ(canvas().texts.size(), drawn);
    EXPECT_TRUE(game.Zeit1.enabled);
    EXPECT_EQ(game.Zeit1.interval, 7000);
    EXPECT_TRUE(f.windows.calls.empty());
}

TEST_F(CatchingGame, YesToTheQuitQuestionStopsTheTimerAndBringsTheTrainerBack) {
    // From "ENDE", from Esc and from the title bar's close box alike.
    for (int way = 0; way < 3; ++way) {
        games::Form4& game = startCatching();
        f.dialogs.answers = {rt::Answer::Yes};
        bool cancel = false;
        if (way == 0)
            game.Befehl1.onClick();
        if (way == 1)
            game.Form_KeyDown(27);
        if (way == 2)
            game.Form_Unload(cancel);
        EXPECT_EQ(f.dialogs.count("Zahlfange"), 1) << "way " << way;
        EXPECT_FALSE(game.Zeit1.enabled);
        EXPECT_EQ(game.Zeit1.interval, 1000);
        EXPECT_EQ(f.windows.calls, (std::vector<std::string>{"hide:Form4", "show:Form2"}));
        if (way == 2) {
            EXPECT_TRUE(cancel) << "the window is hidden, never closed";
        }
    }
}

TEST_F(CatchingGame, NoToTheCloseBoxKeepsTheGameOpenAndRunning) {
    games::Form4& game = startCatching();
    bool cancel = false;
    game.Form_Unload(cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(f.dialogs.count("Zahlfange"), 1);
    EXPECT_TRUE(game.Zeit1.enabled);
    EXPECT_TRUE(f.windows.calls.empty());
}

TEST_F(CatchingGame, CatchingAllTenEndsTheGameAndReturnsToTheTrainer) {
    games::Form4& game = startCatching();
    bool timerRanDuringTheMessage = false;
    f.dialogs.whileOpen = [&](const rt::MessageBox&) {
        timerRanDuringTheMessage = game.Zeit1.enabled;
    };
    for (int round = 0; round < 10 && !m.fangzahlen.empty(); ++round) {
        steerTo(game, m.zahlspalte[1], m.zahlzeile[1]);
        if (!m.fangzahlen.empty()) {
            EXPECT_EQ(game.Bezeichnung3.caption, m.fangzahlen.substr(0, 1));
            game.Zeit1_Timer();  // the digits jump on between catches
        }
    }
    EXPECT_EQ(m.fangzahlen, "");
    EXPECT_EQ(game.Bezeichnung3.caption, "");
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0], fakes::okBox("  Das Spiel ist beendet!", "Zahlfange"));
    EXPECT_TRUE(timerRanDuringTheMessage) << "the message comes before the timer stops";
    EXPECT_FALSE(game.Zeit1.enabled);
    EXPECT_EQ(game.Zeit1.interval, 1000);
    EXPECT_EQ(f.windows.calls.back(), "show:Form2");
}

TEST_F(CatchingGame, AfterAnyTickTheDigitsShareNoColumnAndNoRow) {
    fakes::FakeClock clock;
    rt::ClockMixedRandom seeded(clock, 20240611);
    rt::Services services{f.dialogs, f.printer, f.clipboard, seeded, f.clock, f.windows};
    trainer::Form2 own(services);
    own.Bezeichnung26_Click();
    games::Form4& game = own.Form4.get();
    games::Modul1& state = own.modul1;
    for (int tick = 0; tick < 2000; ++tick) {
        if (state.fangzahlen.empty())
            own.Bezeichnung26_Click();  // a game caught to the end: the next one
        game.Zeit1_Timer();
        std::set<int> columns, rows;
        const int n = static_cast<int>(state.fangzahlen.size());
        for (int i = 1; i <= n; ++i) {
            ASSERT_GE(state.zahlspalte[i], 1);
            ASSERT_LE(state.zahlspalte[i], 24);
            ASSERT_GE(state.zahlzeile[i], 3);
            ASSERT_LE(state.zahlzeile[i], 16);
            columns.insert(state.zahlspalte[i]);
            rows.insert(state.zahlzeile[i]);
        }
        if (n > 0) {
            ASSERT_EQ(static_cast<int>(columns.size()), n) << "tick " << tick;
            ASSERT_EQ(static_cast<int>(rows.size()), n) << "tick " << tick;
        }
    }
}

TEST_F(CatchingGame, EveryGameStartsAfreshAndOnlyTheSpeedCarriesOver) {
    games::Form4& game = startCatching();
    game.Zeit1_Timer();
    steerTo(game, 20, 15);
    game.HBildlauf1.value = 3;
    game.HBildlauf1_Change();
    f.dialogs.answers = {rt::Answer::Yes};
    game.Befehl1_Click();

    startCatching();
    EXPECT_EQ(f.windows.canvases[&game].clears, 2);
    EXPECT_EQ(m.kreuzspalte, 14);
    EXPECT_EQ(m.kreuzzeile, 9);
    EXPECT_EQ(m.fangzahlen, "0123456789");
    EXPECT_EQ(m.zahlspalte[1], 4);
    EXPECT_EQ(game.Zeit1.interval, 3000);
    EXPECT_TRUE(game.Zeit1.enabled);
}

TEST_F(CatchingGame, EveryActivationCentresTheWindow) {
    games::Form4& game = startCatching();
    game.left = 15;
    game.top = 30;
    game.Form_Activate();
    EXPECT_EQ(game.left, (f.windows.screenW - (7245 + f.windows.frameW)) / 2);
    EXPECT_EQ(game.top, (f.windows.screenH - (5085 + f.windows.frameH)) / 2);
}

TEST_F(CatchingGame, TheControlsTellAScreenReaderWhatTheyAre) {
    games::Form4& game = startCatching();
    const std::vector<const rt::Control*> described = {
        &game.Bild1, &game.Bild2, &game.Bild3, &game.Bild4, &game.Bezeichnung3, &game.HBildlauf1};
    for (const rt::Control* c : described) {
        EXPECT_FALSE(c->description.empty()) << c->name;
    }
}

}  // namespace
}  // namespace games_test
