// "Memory": the deal at the first click, turning cards, pairs, the win and
// leaving the game halfway.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "games/games_fixture.h"
#include "runtime/clock_random.h"

namespace games_test {
namespace {

class MemoryGame : public GamesTest {
  protected:
    games::Memo& game = startMemory();

    // The cards that hide the number d, after the deal.
    std::vector<int> cardsOf(int d) const {
        std::vector<int> found;
        for (int n = 1; n <= 18; ++n) {
            if (game.Bezeichnung21[static_cast<std::size_t>(n - 1)] == '0' + d)
                found.push_back(n);
        }
        return found;
    }
    // The first click, on card 1, deals and opens it.
    void deal() {
        game.Bezeichnung_Click(1);
        ASSERT_EQ(game.Bezeichnung20, "1");
    }
    int otherThan(int d) const { return cardsOf(d == 9 ? 1 : d + 1)[0]; }
    std::string caption(int n) { return game.karte(n).caption; }
};

TEST_F(MemoryGame, NothingIsDealtUntilTheFirstCardIsClicked) {
    EXPECT_EQ(game.Bezeichnung20, "0");
    EXPECT_EQ(game.Bezeichnung21, "");
    for (int n = 1; n <= 18; ++n) EXPECT_EQ(caption(n), "") << n;

    game.Bezeichnung_Click(7);
    EXPECT_EQ(game.Bezeichnung20, "1");
    EXPECT_EQ(game.Bezeichnung22, std::string(18, '1'));
    EXPECT_EQ(game.Bezeichnung25, "7");
    EXPECT_EQ(game.Bezeichnung23, " 7");
    EXPECT_EQ(game.Bezeichnung24, "0");
    const int d = game.Bezeichnung21[6] - '0';
    EXPECT_EQ(caption(7), std::to_string(d) + " + " + std::to_string(10 - d));
    EXPECT_EQ(game.karte(7).backColor, games::kCardBlue) << "an open card keeps its colour";
}

TEST_F(MemoryGame, EveryDealHoldsEachDigitTwice) {
    fakes::FakeClock clock;
    rt::ClockMixedRandom seeded(clock, 77);
    rt::Services services{f.dialogs, f.printer, f.clipboard, seeded, f.clock, f.windows};
    games::Memo own(services, trainer, m);
    for (int round = 0; round < 200; ++round) {
        own.kartenmischen();
        std::string sorted = own.Bezeichnung21;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, "112233445566778899") << own.Bezeichnung21;
        ASSERT_EQ(own.Bezeichnung22, std::string(18, '1'));
    }
}

TEST_F(MemoryGame, TheCaptionIsTheDigitPlusTheNumberThatMakesTen) {
    deal();
    for (auto [d, text] : {std::pair{1, "1 + 9"}, {5, "5 + 5"}, {9, "9 + 1"}}) {
        const int n = cardsOf(d)[1];
        game.Bezeichnung_Click(n);
        EXPECT_EQ(caption(n), text);
    }
}

TEST_F(MemoryGame, TwoAlikeCardsAreAFoundPairInBlueAndItalic) {
    deal();
    const int d = game.Bezeichnung21[0] - '0';
    const int twin = cardsOf(d)[1];
    game.Bezeichnung_Click(twin);

    for (int n : {1, twin}) {
        EXPECT_EQ(game.karte(n).backColor, 0xFF0000u) << n;
        EXPECT_TRUE(game.karte(n).font.italic) << n;
        EXPECT_FALSE(caption(n).empty()) << n;
        EXPECT_EQ(game.Bezeichnung22[static_cast<std::size_t>(n - 1)], '0');
    }
    EXPECT_EQ(game.Bezeichnung23, "0");
    EXPECT_EQ(game.Bezeichnung24, "0");
}

TEST_F(MemoryGame, TwoDifferentCardsStayOpenUntilTheNextClickTurnsThemBack) {
    deal();
    const int d = game.Bezeichnung21[0] - '0';
    const int other = otherThan(d);
    game.Bezeichnung_Click(other);
    EXPECT_FALSE(caption(1).empty());
    EXPECT_FALSE(caption(other).empty());
    EXPECT_EQ(game.Bezeichnung23, " 1");
    EXPECT_EQ(game.Bezeichnung24, " " + std::to_string(other));
    EXPECT_FALSE(game.karte(1).font.italic);

    const int third = cardsOf(d)[1];  // the twin of card 1 opens a new turn
    game.Bezeichnung_Click(third);
    EXPECT_EQ(caption(1), "");
    EXPECT_EQ(caption(other), "");
    EXPECT_FALSE(caption(third).empty());
    EXPECT_EQ(game.Bezeichnung23, " " + std::to_string(third));
    EXPECT_EQ(game.Bezeichnung24, "0");
    EXPECT_EQ(game.Bezeichnung22, std::string(18, '1')) << "no pair from two turns";
}

TEST_F(MemoryGame, ClickingOneOfTwoOpenCardsTurnsBothBackAndOpensItAgain) {
    deal();
    const int other = otherThan(game.Bezeichnung21[0] - '0');
    game.Bezeichnung_Click(other);
    game.Bezeichnung_Click(other);
    EXPECT_EQ(caption(1), "");
    EXPECT_FALSE(caption(other).empty());
    EXPECT_EQ(game.Bezeichnung23, " " + std::to_string(other));
    EXPECT_EQ(game.Bezeichnung24, "0");
}

TEST_F(MemoryGame, AClickOnAFoundCardChangesNothing) {
    deal();
    const int d = game.Bezeichnung21[0] - '0';
    game.Bezeichnung_Click(cardsOf(d)[1]);  // pair found
    const int e1 = d % 9 + 1;
    const int f1 = cardsOf(e1)[0];
    const int g1 = cardsOf(e1 % 9 + 1)[0];
    game.Bezeichnung_Click(f1);
    game.Bezeichnung_Click(g1);
    ASSERT_NE(game.Bezeichnung24, "0") << "two unmatched cards are open";
    const std::string a = game.Bezeichnung23, b = game.Bezeichnung24;

    game.Bezeichnung_Click(1);
    EXPECT_EQ(game.Bezeichnung23, a);
    EXPECT_EQ(game.Bezeichnung24, b);
    EXPECT_FALSE(caption(f1).empty());
    EXPECT_FALSE(caption(g1).empty());
    EXPECT_EQ(game.Bezeichnung25, "1");
}

TEST_F(MemoryGame, ClickingTheOneOpenCardAgainLeavesItTheFirstCard) {
    deal();
    game.Bezeichnung_Click(1);
    EXPECT_FALSE(caption(1).empty());
    EXPECT_EQ(game.Bezeichnung23, " 1");
    EXPECT_EQ(game.Bezeichnung24, "0");
    EXPECT_EQ(game.Bezeichnung22, std::string(18, '1'));
}

TEST_F(MemoryGame, TheNinthPairWinsResetsTheCardsAndReturnsToTheTrainer) {
    deal();
    const int first = game.Bezeichnung21[0] - '0';
    game.Bezeichnung_Click(cardsOf(first)[1]);
    for (int d = 1; d <= 9; ++d) {
        if (d == first)
            continue;
        const auto cards = cardsOf(d);
        game.Bezeichnung_Click(cards[0]);
        game.Bezeichnung_Click(cards[1]);
        if (game.Bezeichnung22 != std::string(18, '0')) {
            EXPECT_TRUE(f.dialogs.boxes.empty()) << "pair " << d;
        }
    }
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0], fakes::okBox("Prima, du hast es geschafft!\r", "Memory"));
    for (int n = 1; n <= 18; ++n) {
        EXPECT_EQ(caption(n), "") << n;
        EXPECT_EQ(game.karte(n).backColor, games::kCardBlue) << n;
        EXPECT_FALSE(game.karte(n).font.italic) << n;
    }
    EXPECT_EQ(game.Bezeichnung20, "0");
    EXPECT_EQ(f.windows.calls, (std::vector<std::string>{"hide:memo", "show:Form2"}));

    startMemory();
    game.Bezeichnung_Click(4);
    EXPECT_EQ(game.Bezeichnung20, "1") << "the next entry deals anew at the first click";
    EXPECT_EQ(game.Bezeichnung22, std::string(18, '1'));
    EXPECT_EQ(game.Bezeichnung23, " 4");
}

TEST_F(MemoryGame, EndeLeavesAtOnceAndTheNextEntryShowsTheSameCards) {
    deal();
    const int d = game.Bezeichnung21[0] - '0';
    game.Bezeichnung_Click(cardsOf(d)[1]);  // one pair found
    const int e = d == 9 ? 1 : d + 1;
    game.Bezeichnung_Click(cardsOf(e)[0]);  // one card open
    const std::string found = game.Bezeichnung22, first = game.Bezeichnung23;

    game.Befehl1.onClick();
    EXPECT_TRUE(f.dialogs.boxes.empty()) << "asks nothing";
    EXPECT_EQ(f.windows.calls, (std::vector<std::string>{"hide:memo", "show:Form2"}));

    games::Memo& again = startMemory();
    EXPECT_EQ(&again, &game);
    EXPECT_EQ(game.Bezeichnung22, found);
    EXPECT_EQ(game.Bezeichnung23, first);
    EXPECT_TRUE(game.karte(1).font.italic);
    EXPECT_FALSE(caption(cardsOf(e)[0]).empty());
}

TEST_F(MemoryGame, TheCloseBoxLeavesAsEndeDoes) {
    deal();
    bool cancel = false;
    game.Form_Unload(cancel);
    EXPECT_TRUE(cancel) << "the window is only hidden and keeps its game";
    EXPECT_EQ(f.windows.calls, (std::vector<std::string>{"hide:memo", "show:Form2"}));
    EXPECT_EQ(game.Bezeichnung20, "1");
}

TEST_F(MemoryGame, HelpExplainsTheGameAndChangesNothing) {
    game.Befehl2.onClick();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0], fakes::okBox("Immer zwei Felder bilden ein Zahlenpaar, klicke\r"
                                               "die Einzelfelder an und suche so Zahlenpaare!",
                                               "Memory"));
    EXPECT_EQ(game.Bezeichnung20, "0");
}

TEST_F(MemoryGame, TheWindowIsCentredWhenItLoads) {
    game.Form_Load();
    EXPECT_EQ(game.left, (f.windows.screenW - (6540 + f.windows.frameW)) / 2);
    EXPECT_EQ(game.top, (f.windows.screenH - (5805 + f.windows.frameH)) / 2);
    EXPECT_FALSE(game.karte(18).description.empty());
}

}  // namespace
}  // namespace games_test
