// Gap exercises: the panel with a complete subtraction missing three digits, how a
// new one is drawn, and how the child's digits are judged.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "runtime/clock_random.h"
#include "runtime/conversions.h"
#include "trainer/form2.h"
#include "trainer_fixture.h"

namespace {

using fakes::FakeRandom;

constexpr const char* kWrong = "Das ist leider falsch, rechne nochmal.\r\r";
constexpr const char* kSolved = "Die Aufgabe wurde richtig gelöst.\r\r";

// The digit cells of the panel; 7 to 9 are the carries, 13 the hidden thousands place.
constexpr int kDigitCells[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13};

// The r values that make the window draw this difference and subtrahend: ones,
// tens, hundreds of each.
void queueDraw(FakeRandom& random, int difference, int subtrahend) {
    for (int n : {difference, subtrahend}) {
        random.values.push_back(FakeRandom::pick(n % 10, 10));
        random.values.push_back(FakeRandom::pick(n / 10 % 10, 10));
        random.values.push_back(FakeRandom::pick(n / 100, 9, 1));
    }
}

// The r value that picks row k (1 to 10) of the gap table.
void queuePattern(FakeRandom& random, int k) {
    random.values.push_back(FakeRandom::pick(k, 10, 1));
}

// The trainer window after its first activation, with a subtraction on the board.
// Whatever is not queued draws zeros, which gives acceptable exercises.
struct Trainer : trainer_test::TrainerOnFakes {
    Trainer() {
        f.random.fallback = 0.0;
        form.Form_Activate();
    }

    // "Lücke" with the given exercise and gap pattern.
    void startGap(int difference, int subtrahend, int pattern) {
        queueDraw(f.random, difference, subtrahend);
        queuePattern(f.random, pattern);
        form.Befehl13_Click();
    }

    void drop(int n, int d) { form.luecke_DragDrop(n, digit(d)); }
};

std::set<int> blankDigitCells(trainer::Form2& form) {
    std::set<int> blank;
    for (int n : kDigitCells) {
        if (form.luecken()[static_cast<std::size_t>(n - 1)]->caption.empty())
            blank.insert(n);
    }
    return blank;
}

void expectNothingSelected(const Trainer& t) {
    EXPECT_TRUE(t.panelMarkerParked());
    EXPECT_TRUE(t.boardMarkerParked());
    EXPECT_EQ(t.form.tastenzahl, "");
    EXPECT_EQ(t.form.tastenwert, "");
}

// Difference 358 and subtrahend 417 (minuend 775) with row 1 of the gap table:
// the ones of the difference (8), the tens of the subtrahend (1) and the hundreds
// of the minuend (7) are missing.
void startExample(Trainer& t) {
    t.startGap(358, 417, 1);
}

// ---------------------------------------------------------------- generator ---

TEST(GapGenerator, ExampleStoresItsSolutionAndShowsAllButThreeDigits) {
    Trainer t;
    startExample(t);

    EXPECT_EQ(t.form.Bild6.top, trainer::kGapPanelShown);
    EXPECT_EQ(t.form.Bild6.left, 960);
    EXPECT_TRUE(t.form.Liste1.empty());
    EXPECT_EQ(t.form.Liste2, (std::vector<std::string>{" 358", " 417", "001 ", " 775"}));

    // Cell by cell: "" is a gap, " " a blank carry or the thousands place.
    const std::vector<std::string> shown = {"",  "5", "3", "7", "", "4", " ",
                                            " ", " ", "5", "7", "", " "};
    for (int n = 1; n <= 13; ++n) EXPECT_EQ(t.gapCell(n).caption, shown[n - 1]) << "luecke" << n;
}

TEST(GapGenerator, CarryCellsOfTheExampleExpectOneInTheTensAndZeroInTheHundreds) {
    Trainer t;
    startExample(t);

    t.form.luecke_Click(7);
    EXPECT_EQ(t.form.tastenzahl, "1");
    EXPECT_EQ(t.form.tastenwert, Trainer::gapCode(7));
    t.form.luecke_Click(8);
    EXPECT_EQ(t.form.tastenzahl, "0");
    EXPECT_EQ(t.form.tastenwert, Trainer::gapCode(8));

    // Dropped straight on, the same digits are right and stay.
    t.form.ltasten_Click();
    t.drop(7, 1);
    t.drop(8, 0);
    EXPECT_TRUE(t.f.dialogs.boxes.empty());
    EXPECT_EQ(t.points(), 2);
    EXPECT_EQ(t.gapCell(7).caption, "1");
    EXPECT_EQ(t.gapCell(8).caption, "0");
}

TEST(GapGenerator, DrawWithMinuendAbove999IsDrawnAgainWithoutNewSeed) {
    struct Case {
        int difference, subtrahend;
        bool accepted;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {900, 100, false, {" 358", " 417", "001 ", " 775"}},
        {500, 500, false, {" 358", " 417", "001 ", " 775"}},
        {899, 100, true, {" 899", " 100", "000 ", " 999"}},
        {455, 544, true, {" 455", " 544", "000 ", " 999"}},
        {195, 105, true, {" 195", " 105", "011 ", " 300"}},
        {100, 100, true, {" 100", " 100", "000 ", " 200"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.difference) + " + " + std::to_string(c.subtrahend));
        Trainer t;
        t.f.random.reseeds = 0;
        queueDraw(t.f.random, c.difference, c.subtrahend);
        if (!c.accepted)
            queueDraw(t.f.random, 358, 417);
        queuePattern(t.f.random, 10);  // gaps in luecke3, luecke4, luecke5
        t.form.Befehl13_Click();

        EXPECT_EQ(t.form.Liste2, c.lines);
        // One seed before the digits, one before the gap pattern, none for a redraw;
        // the pattern is drawn right after the accepted digits.
        EXPECT_EQ(t.f.random.reseeds, 2);
        EXPECT_TRUE(t.f.random.values.empty());
        EXPECT_EQ(blankDigitCells(t.form), (std::set<int>{3, 4, 5}));
        // The shown digits are those of the accepted draw.
        EXPECT_EQ(t.gapCell(1).caption, c.lines[0].substr(3, 1));
        EXPECT_EQ(t.gapCell(6).caption, c.lines[1].substr(1, 1));
        EXPECT_EQ(t.gapCell(12).caption, c.lines[3].substr(1, 1));
    }
}

int digitAt(int number, int place) {  // place 0 ones, 1 tens, 2 hundreds
    for (int i = 0; i < place; ++i) number /= 10;
    return number % 10;
}

TEST(GapGenerator, EveryExerciseIsACompleteSubtractionWithThreeGapsFromTheTable) {
    // Rows of the gap table as sets; rows 5 and 9 blank the same three cells.
    const std::set<std::set<int>> table = {{1, 5, 12}, {4, 2, 6}, {3, 1, 11}, {6, 4, 11},
                                           {1, 2, 6},  {1, 5, 3}, {2, 3, 4},  {1, 5, 6},
                                           {6, 2, 1},  {3, 4, 5}};
    fakes::Fakes f;
    rt::ClockMixedRandom random(f.clock);
    rt::Services services{f.dialogs, f.printer, f.clipboard, random, f.clock, f.windows};
    trainer::Form2 form(services);
    form.Form_Activate();

    std::set<std::set<int>> seen;
    for (int i = 0; i < 3000; ++i) {
        f.clock.seconds += 0.37;
        // Both ways to a new gap exercise: the button, and activation while it is up.
        if (i % 2 == 0) {
            form.Befehl13_Click();
        } else {
            form.Form_Activate();
        }
        ASSERT_EQ(form.Bild6.top, trainer::kGapPanelShown) << "exercise " << i;
        ASSERT_TRUE(form.Liste1.empty()) << "exercise " << i;
        ASSERT_EQ(form.Liste2.size(), 4u) << "exercise " << i;

        const int d = std::stoi(form.Liste2[0]);
        const int s = std::stoi(form.Liste2[1]);
        const int m = std::stoi(form.Liste2[3]);
        ASSERT_EQ(d + s, m) << "exercise " << i;
        ASSERT_GE(m, 200) << "exercise " << i;
        ASSERT_LE(m, 999) << "exercise " << i;
        ASSERT_GE(d, 100) << "exercise " << i;
        ASSERT_GE(s, 100) << "exercise " << i;
        ASSERT_EQ(form.Liste2[0], " " + std::to_string(d)) << "exercise " << i;
        ASSERT_EQ(form.Liste2[1], " " + std::to_string(s)) << "exercise " << i;
        ASSERT_EQ(form.Liste2[3], " " + std::to_string(m)) << "exercise " << i;

        const bool tensCarry = d % 10 + s % 10 >= 10;
        const bool hundredsCarry = digitAt(d, 1) + digitAt(s, 1) + (tensCarry ? 1 : 0) >= 10;
        ASSERT_EQ(form.Liste2[2],
                  std::string("0") + (hundredsCarry ? "1" : "0") + (tensCarry ? "1" : "0") + " ")
            << "exercise " << i << ": " << d << " + " << s;

        const std::set<int> blank = blankDigitCells(form);
        ASSERT_EQ(table.count(blank), 1u) << "exercise " << i;
        seen.insert(blank);

        // Every digit that is not a gap shows the stored number's digit.
        const struct {
            int cell, number, place;
        } places[] = {{1, d, 0}, {2, d, 1},  {3, d, 2},  {4, s, 0}, {5, s, 1},
                      {6, s, 2}, {10, m, 0}, {11, m, 1}, {12, m, 2}};
        for (const auto& p : places) {
            if (blank.count(p.cell))
                continue;
            ASSERT_EQ(form.luecken()[static_cast<std::size_t>(p.cell - 1)]->caption,
                      std::to_string(digitAt(p.number, p.place)))
                << "exercise " << i << ", luecke" << p.cell;
        }
        ASSERT_EQ(form.luecke7.caption, " ") << "exercise " << i;
        ASSERT_EQ(form.luecke8.caption, " ") << "exercise " << i;
        ASSERT_EQ(form.luecke9.caption, " ") << "exercise " << i;
        ASSERT_EQ(form.luecke13.caption, " ") << "exercise " << i;
        ASSERT_FALSE(form.luecke9.visible);
        ASSERT_FALSE(form.luecke13.visible);
    }
    EXPECT_EQ(seen, table);
}

TEST(GapGenerator, ComingBackToTheWindowWhileThePanelIsUpGivesANewGapExercise) {
    Trainer t;
    std::vector<std::string> board;
    for (const rt::Label* c : {&t.form.Bezeichnung1, &t.form.Bezeichnung4, &t.form.Bezeichnung19})
        board.push_back(c->caption);
    startExample(t);
    t.drop(1, 8);  // one point
    t.drop(2, 9);  // one error

    t.f.random.reseeds = 0;
    queueDraw(t.f.random, 218, 349);
    queuePattern(t.f.random, 2);
    t.f.dialogs.boxes.clear();
    t.form.Form_Activate();

    EXPECT_EQ(t.form.Bild6.top, trainer::kGapPanelShown);
    EXPECT_EQ(t.form.Liste2, (std::vector<std::string>{" 218", " 349", "001 ", " 567"}));
    EXPECT_TRUE(t.form.Liste1.empty());
    EXPECT_EQ(blankDigitCells(t.form), (std::set<int>{2, 4, 6}));
    EXPECT_TRUE(t.f.dialogs.boxes.empty());
    EXPECT_EQ(t.f.random.reseeds, 2);
    EXPECT_EQ(t.points(), 1);
    EXPECT_EQ(t.errors(), 1);
    // No subtraction was drawn under the panel.
    EXPECT_EQ(board,
              (std::vector<std::string>{t.form.Bezeichnung1.caption, t.form.Bezeichnung4.caption,
                                        t.form.Bezeichnung19.caption}));
}

TEST(GapGenerator, NewGapExerciseEndsAnySelectionOnEitherBoard) {
    struct Case {
        const char* what;
        std::function<void(Trainer&)> select;
        std::function<void(Trainer&)> renew;
    };
    const auto lucke = [](Trainer& t) { t.form.Befehl13_Click(); };
    const Case cases[] = {
        {"board cell, then Lücke",
         [](Trainer& t) {
             t.form.Bezeichnung13_Click();
             ASSERT_EQ(t.form.tasten.left, 4800);
         },
         lucke},
        {"gap cell, then Lücke",
         [](Trainer& t) {
             startExample(t);
             t.form.luecke_Click(5);
         },
         lucke},
        {"gap cell, then activation",
         [](Trainer& t) {
             startExample(t);
             t.form.luecke_Click(5);
         },
         [](Trainer& t) { t.form.Form_Activate(); }},
        {"carry cell, then the gaps solved by drops",
         [](Trainer& t) {
             startExample(t);
             t.form.luecke_Click(7);
         },
         [](Trainer& t) {
             t.drop(1, 8);
             t.drop(5, 1);
             t.drop(12, 7);
             ASSERT_EQ(t.f.dialogs.count("Lückenaufgabe"), 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Trainer t;
        c.select(t);
        ASSERT_NE(t.form.tastenzahl, "");
        queueDraw(t.f.random, 218, 349);
        queuePattern(t.f.random, 2);
        c.renew(t);

        EXPECT_EQ(t.form.Liste2[0], " 218");
        EXPECT_EQ(t.form.Bild6.top, trainer::kGapPanelShown);
        expectNothingSelected(t);
        // A key now does nothing: there is nothing to judge it against.
        const auto boxes = t.f.dialogs.boxes.size();
        t.form.Form_KeyDown('1');
        EXPECT_EQ(t.f.dialogs.boxes.size(), boxes);
    }
}

TEST(GapGenerator, LueckeWhileHalfSolvedDiscardsSilently) {
    Trainer t;
    startExample(t);
    t.drop(1, 8);
    t.form.luecke_Click(5);
    queueDraw(t.f.random, 218, 349);
    queuePattern(t.f.random, 2);
    t.form.Befehl13_Click();

    EXPECT_TRUE(t.f.dialogs.boxes.empty());
    EXPECT_EQ(t.form.Liste2[0], " 218");
    EXPECT_EQ(blankDigitCells(t.form), (std::set<int>{2, 4, 6}));
    EXPECT_EQ(t.form.Bild1.top, trainer::kRocketStart);
    EXPECT_EQ(t.points(), 1);
    expectNothingSelected(t);
}

TEST(GapGenerator, DashButtonsParkThePanelAndGoBackToSubtractions) {
    for (const bool two : {false, true}) {
        SCOPED_TRACE(two ? "- -" : "-");
        Trainer t;
        startExample(t);
        t.form.luecke_Click(1);
        // A subtraction 900 - 500 - 100: zeros draw the smallest digits.
        t.f.random.values = {0, 0, 0, 0, 0, 0, FakeRandom::pick(9, 5, 5), 0, 0};
        two ? t.form.Befehl20_Click() : t.form.Befehl21_Click();

        EXPECT_EQ(t.form.Bild6.top, trainer::kGapPanelParked);
        EXPECT_EQ(t.form.Bezeichnung20.left,
                  two ? trainer::kHeaderTwoSubtrahends : trainer::kHeaderOneSubtrahend);
        EXPECT_EQ(t.form.Liste1.size(), 3u);
        expectNothingSelected(t);
    }
}

// ----------------------------------------------------------------- checking ---

TEST(GapChecking, ClickSelectsABlankCellWithItsStoredDigit) {
    // 218 + 349 = 567: nine different digits, so a cell reading the wrong line or
    // the wrong place expects another digit.
    struct Case {
        int pattern, cell;
        const char* expected;
        int left, top;
    };
    const Case cases[] = {
        {1, 1, "8", 3840, 2640}, {1, 5, "4", 3240, 1320}, {1, 12, "5", 2640, 600},
        {2, 4, "9", 3840, 1320}, {2, 2, "1", 3240, 2640}, {2, 6, "3", 2640, 1320},
        {3, 3, "2", 2640, 2640}, {3, 11, "6", 3240, 600}, {3, 7, "1", 3240, 2040},
        {3, 8, "0", 2640, 2040},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("luecke" + std::to_string(c.cell));
        Trainer t;
        t.startGap(218, 349, c.pattern);
        t.form.luecke_Click(c.cell);
        EXPECT_EQ(t.form.ltasten.left, c.left);
        EXPECT_EQ(t.form.ltasten.top, c.top);
        EXPECT_EQ(t.form.tastenzahl, c.expected);
        EXPECT_EQ(t.form.tastenwert, Trainer::gapCode(c.cell));

        // The right key writes that digit into that cell.
        t.form.Form_KeyDown('0' + std::stoi(c.expected));
        EXPECT_EQ(t.gapCell(c.cell).caption, c.expected);
        EXPECT_EQ(t.points(), 1);
        EXPECT_TRUE(t.f.dialogs.boxes.empty());
    }
}

TEST(GapChecking, ClickOnAShownDigitOrFilledCarryDoesNothing) {
    Trainer t;
    startExample(t);
    t.drop(7, 1);  // the right carry; the cell is no longer blank
    t.form.luecke_Click(1);
    for (int n : {2, 3, 4, 6, 7, 10, 11}) {
        t.form.luecke_Click(n);
        EXPECT_EQ(t.form.ltasten.left, 3840) << "luecke" << n;
        EXPECT_EQ(t.form.ltasten.top, 2640) << "luecke" << n;
        EXPECT_EQ(t.form.tastenzahl, "8") << "luecke" << n;
        EXPECT_EQ(t.form.tastenwert, Trainer::gapCode(1)) << "luecke" << n;
    }
}

TEST(GapChecking, WrongDropStandsInTheCellWhileTheErrorBoxIsOpenThenTheCellIsBlank) {
    struct Case {
        const char* what;
        int cell, dropped;
        const char* blank;
    };
    const Case cases[] = {
        {"gap", 1, 3, ""},
        {"shown digit", 2, 9, ""},
        {"tens carry", 7, 0, " "},
        {"hundreds carry", 8, 1, " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Trainer t;
        startExample(t);
        t.form.luecke_Click(12);
        std::vector<std::string> whileOpen;
        t.f.dialogs.whileOpen = [&](const rt::MessageBox&) {
            whileOpen.push_back(t.gapCell(c.cell).caption);
            whileOpen.push_back(t.form.Bezeichnung15);
        };
        t.drop(c.cell, c.dropped);

        EXPECT_EQ(t.f.dialogs.boxes, std::vector{fakes::okBox(kWrong, "Fehler")});
        EXPECT_EQ(whileOpen, (std::vector<std::string>{std::to_string(c.dropped), ""}));
        EXPECT_EQ(t.gapCell(c.cell).caption, c.blank);
        EXPECT_EQ(t.errors(), 1);
        EXPECT_EQ(t.form.Bezeichnung23.caption, "1");
        EXPECT_EQ(t.points(), 0);
        // A direct drop leaves the selection alone.
        EXPECT_EQ(t.form.tastenwert, Trainer::gapCode(12));

        // The emptied cell can now be selected.
        t.form.luecke_Click(c.cell);
        EXPECT_EQ(t.form.tastenwert, Trainer::gapCode(c.cell));
        EXPECT_EQ(t.form.ltasten.left, t.gapCell(c.cell).left);
        EXPECT_EQ(t.form.ltasten.top, t.gapCell(c.cell).top);
    }
}

TEST(GapChecking, ShownDigitEmptiedByAWrongDropIsThenNeeded) {
    Trainer t;
    startExample(t);
    t.drop(2, 9);  // luecke2 showed the 5
    ASSERT_EQ(t.gapCell(2).caption, "");
    t.drop(1, 8);
    t.drop(5, 1);
    t.drop(12, 7);
    EXPECT_EQ(t.f.dialogs.count("Lückenaufgabe"), 0);
    EXPECT_EQ(t.form.Liste2[0], " 358");

    t.drop(2, 5);
    EXPECT_EQ(t.f.dialogs.count("Lückenaufgabe"), 1);
    EXPECT_EQ(t.points(), 4);
}

TEST(GapChecking, SameRightDigitDroppedTwiceEarnsTwoPoints) {
    Trainer t;
    startExample(t);
    t.drop(1, 8);
    t.drop(1, 8);
    t.drop(3, 3);  // a shown digit, dropped on again
    EXPECT_EQ(t.points(), 3);
    EXPECT_EQ(t.form.Bezeichnung22.caption, "3");
    EXPECT_EQ(t.gapCell(1).caption, "8");
    EXPECT_TRUE(t.f.dialogs.boxes.empty());
}

TEST(GapChecking, DigitOnTheMarkerIsJudgedAgainstTheSelectedCell) {
    Trainer t;
    startExample(t);
    t.form.luecke_Click(5);  // expects the 1

    t.form.ltasten_DragDrop(t.digit(7));
    EXPECT_EQ(t.f.dialogs.count("Fehler"), 1);
    EXPECT_EQ(t.errors(), 1);
    EXPECT_EQ(t.gapCell(5).caption, "");
    EXPECT_EQ(t.form.ltasten.left, 3240);
    EXPECT_EQ(t.form.ltasten.top, 1320);
    EXPECT_EQ(t.form.tastenzahl, "1");

    t.form.ltasten_DragDrop(t.digit(1));
    EXPECT_EQ(t.gapCell(5).caption, "1");
    EXPECT_EQ(t.points(), 1);
    EXPECT_EQ(t.f.dialogs.boxes.size(), 1u);
    expectNothingSelected(t);
}

TEST(GapChecking, KeysFillTheSelectedGapOnlyWithTheMainKeyboardDigit) {
    struct Case {
        const char* what;
        int code;
        bool right;
    };
    const Case cases[] = {
        {"digit 8", 56, true},  {"keypad 8", 104, false}, {"keypad 0", 96, false},
        {"digit 9", 57, false}, {"space", 32, false},     {"letter H", 72, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Trainer t;
        startExample(t);
        t.form.Form_KeyDown(56);  // nothing selected yet: no effect
        ASSERT_TRUE(t.f.dialogs.boxes.empty());
        ASSERT_EQ(t.gapCell(1).caption, "");

        t.form.luecke_Click(1);  // expects the 8
        t.form.Form_KeyDown(c.code);
        if (c.right) {
            EXPECT_EQ(t.gapCell(1).caption, "8");
            EXPECT_EQ(t.points(), 1);
            EXPECT_TRUE(t.f.dialogs.boxes.empty());
            expectNothingSelected(t);
        } else {
            EXPECT_EQ(t.gapCell(1).caption, "");
            EXPECT_EQ(t.points(), 0);
            EXPECT_EQ(t.errors(), 1);
            EXPECT_EQ(t.f.dialogs.count("Fehler"), 1);
            EXPECT_EQ(t.form.ltasten.left, 3840);
            EXPECT_EQ(t.form.ltasten.top, 2640);
            EXPECT_EQ(t.form.tastenzahl, "8");
            EXPECT_EQ(t.form.tastenwert, Trainer::gapCode(1));
        }
        // The board under the panel is never written.
        EXPECT_EQ(t.form.Bezeichnung11.caption, "");
        EXPECT_EQ(t.form.Bezeichnung8.caption, "");
    }
}

TEST(GapChecking, SolvedExerciseBringsOneMessageThenOneRocketStepThenThreeNewGaps) {
    Trainer t;
    startExample(t);
    struct Seen {
        int rocket;
        std::string difference, lastGap, points, marker;
    };
    std::vector<Seen> seen;
    t.f.dialogs.whileOpen = [&](const rt::MessageBox&) {
        seen.push_back({t.form.Bild1.top, t.form.Liste2[0], t.gapCell(12).caption,
                        t.form.Bezeichnung16, std::to_string(t.form.ltasten.left)});
    };

    // Three ways in: a drop on the gap, a drop on the marker, a key. The carries
    // stay blank; they do not decide.
    t.drop(1, 8);
    t.form.luecke_Click(5);
    t.form.ltasten_DragDrop(t.digit(1));
    t.form.luecke_Click(12);
    ASSERT_TRUE(t.f.dialogs.boxes.empty());
    t.f.random.reseeds = 0;
    queueDraw(t.f.random, 218, 349);
    queuePattern(t.f.random, 2);
    t.form.Form_KeyDown('7');

    EXPECT_EQ(t.f.dialogs.boxes, std::vector{fakes::okBox(kSolved, "Lückenaufgabe")});
    // While the message is open the solved exercise stands, the rocket has not moved.
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rocket, trainer::kRocketStart);
    EXPECT_EQ(seen[0].difference, " 358");
    EXPECT_EQ(seen[0].lastGap, "7");
    EXPECT_EQ(seen[0].points, "3");
    EXPECT_EQ(seen[0].marker, std::to_string(trainer::kPanelMarkerParkedLeft));

    EXPECT_EQ(t.form.Bild1.top, 4680);
    EXPECT_EQ(t.f.random.reseeds, 2);
    EXPECT_EQ(t.form.Liste2, (std::vector<std::string>{" 218", " 349", "001 ", " 567"}));
    EXPECT_EQ(blankDigitCells(t.form), (std::set<int>{2, 4, 6}));
    EXPECT_EQ(t.gapCell(7).caption, " ");
    EXPECT_EQ(t.form.Bild6.top, trainer::kGapPanelShown);
    EXPECT_EQ(t.points(), 3);
    EXPECT_EQ(t.errors(), 0);
}

}  // namespace
