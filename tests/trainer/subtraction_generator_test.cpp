#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/clock_random.h"
#include "runtime/conversions.h"
#include "trainer_fixture.h"

namespace {

using trainer::kHeaderOneSubtrahend;
using trainer::kHeaderTwoSubtrahends;
using trainer_test::TrainerTest;
using Lines = std::vector<std::string>;

class SubtractionGenerator : public TrainerTest {};

TEST_F(SubtractionGenerator, StoresTheExerciseAsFourCharacterLines) {
    const struct {
        int a, b, c;
        bool twoSubtrahends;
        Lines liste1, liste2;
        std::string behalte1, behalte2;
    } cases[] = {
        // The carries of 174 + 358 = 532 are 1 out of the ones and 1 out of the tens.
        {532,
         174,
         999,
         false,
         {" 532", " 174", " 358"},
         {" 999", " 532", " 174", " 293"},
         "011",
         "010"},
        // 576 + 198 + 177 = 951: column sums 21, 25 and 9.
        {576,
         198,
         951,
         true,
         {" 576", " 198", " 378"},
         {" 951", " 576", " 198", " 177"},
         "011",
         "022"},
        // No borrow at all: the carry cells still expect "0".
        {987,
         123,
         999,
         false,
         {" 987", " 123", " 864"},
         {" 999", " 987", " 123", " 111"},
         "000",
         "111"},
        // Line 3 of the second list may be negative in this layout: stored without sign.
        {532,
         174,
         500,
         false,
         {" 532", " 174", " 358"},
         {" 500", " 532", " 174", " 206"},
         "011",
         "011"},
        // A two-digit difference has a space in the hundreds place; a one-digit number
        // is three characters long and its carries are read shifted, harmlessly, since
        // this layout never consults them.
        {532,
         474,
         999,
         false,
         {" 532", " 474", "  58"},
         {" 999", " 532", " 474", "  7"},
         "011",
         "110"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " - " + std::to_string(c.b));
        form.Bezeichnung20.left = c.twoSubtrahends ? kHeaderTwoSubtrahends : kHeaderOneSubtrahend;
        showSubtraction(c.a, c.b, c.c);
        EXPECT_EQ(form.Liste1, c.liste1);
        EXPECT_EQ(form.Liste2, c.liste2);
        EXPECT_EQ(form.behalte1, c.behalte1);
        EXPECT_EQ(form.behalte2, c.behalte2);
    }
}

TEST_F(SubtractionGenerator, WritesAllNineDigitsAndEmptiesTheAnswerCells) {
    form.Bezeichnung11.caption = "3";
    form.Bezeichnung9.caption = "1";
    showSubtraction(532, 174, 951);
    const std::vector<std::pair<const rt::Label*, std::string>> cells = {
        {&form.Bezeichnung1, "5"},  {&form.Bezeichnung2, "3"},  {&form.Bezeichnung3, "2"},
        {&form.Bezeichnung4, "1"},  {&form.Bezeichnung5, "7"},  {&form.Bezeichnung6, "4"},
        {&form.Bezeichnung19, "9"}, {&form.Bezeichnung18, "5"}, {&form.Bezeichnung17, "1"},
        {&form.Bezeichnung8, ""},   {&form.Bezeichnung9, ""},   {&form.Bezeichnung11, ""},
        {&form.Bezeichnung12, ""},  {&form.Bezeichnung13, ""},
    };
    for (const auto& [cell, caption] : cells) EXPECT_EQ(cell->caption, caption) << cell->name;
}

TEST_F(SubtractionGenerator, ThrowsAwayADifferenceBelowTenAndDrawsAgainWithoutReseed) {
    queueSubtraction(503, 499);  // difference 4: rejected
    queueSubtraction(532, 174);
    form.minusaufgabe();
    EXPECT_EQ(form.Liste1, (Lines{" 532", " 174", " 358"}));
    EXPECT_EQ(f.random.reseeds, 1);
    EXPECT_TRUE(f.random.values.empty());
}

TEST_F(SubtractionGenerator, TwoSubtrahendsTestTheDifferenceOfTheTopRow) {
    form.Befehl20_Click();  // builds one exercise from the cycle of draws
    f.random.reseeds = 0;
    queueSubtraction(576, 198, 770);  // 770 - 576 - 198 < 10: rejected
    queueSubtraction(576, 198, 951);
    form.minusaufgabe();
    EXPECT_EQ(form.Liste2, (Lines{" 951", " 576", " 198", " 177"}));
    EXPECT_EQ(f.random.reseeds, 1);
}

TEST_F(SubtractionGenerator, AcceptsAnyDrawWhenTheHeaderStandsElsewhere) {
    form.Bezeichnung20.left = 1234;
    showSubtraction(503, 499);
    EXPECT_EQ(form.Liste1[2], "  4");
}

TEST(SubtractionRanges, DifferencesStayWithinTheirLayoutsRange) {
    fakes::Fakes f;
    rt::ClockMixedRandom random(f.clock);
    rt::Services services{f.dialogs, f.printer, f.clipboard, random, f.clock, f.windows};
    trainer::Form2 form(services);
    for (bool two : {false, true}) {
        two ? form.Befehl20_Click() : form.Befehl21_Click();
        int lowest = 1000, highest = -1;
        for (int i = 0; i < 3000; ++i) {
            form.minusaufgabe();
            const auto& line = two ? form.Liste2[3] : form.Liste1[2];
            ASSERT_EQ(line.size(), 4u);
            const int difference = static_cast<int>(rt::val(line));
            lowest = std::min(lowest, difference);
            highest = std::max(highest, difference);
            const int a = static_cast<int>(rt::val(form.Liste1[0]));
            const int b = static_cast<int>(rt::val(form.Liste1[1]));
            const int c = static_cast<int>(rt::val(form.Liste2[0]));
            ASSERT_TRUE(a >= 500 && a <= 999 && b >= 100 && b <= 499 && c >= 500 && c <= 999);
            ASSERT_EQ(difference, two ? c - a - b : a - b);
        }
        EXPECT_GE(lowest, 10);
        EXPECT_LE(highest, two ? 399 : 899);
        EXPECT_LT(lowest, 60);  // the whole range is reached, not only large differences
        EXPECT_GT(highest, two ? 300 : 800);
    }
}

TEST_F(SubtractionGenerator, TheButtonsSwitchTheLayoutAndParkTheGapPanel) {
    form.Befehl13_Click();
    ASSERT_EQ(form.Bild6.top, trainer::kGapPanelShown);

    form.Befehl20_Click();
    EXPECT_EQ(form.Bild6.top, trainer::kGapPanelParked);
    EXPECT_EQ(form.Bezeichnung20.left, kHeaderTwoSubtrahends);
    EXPECT_TRUE(form.Bezeichnung21.visible);
    EXPECT_EQ(form.Liste1.size(), 3u);
    EXPECT_GE(rt::val(form.Liste2[3]), 10);

    form.Befehl13_Click();
    form.Befehl21_Click();
    EXPECT_EQ(form.Bild6.top, trainer::kGapPanelParked);
    EXPECT_EQ(form.Bezeichnung20.left, kHeaderOneSubtrahend);
    EXPECT_FALSE(form.Bezeichnung21.visible);
    EXPECT_EQ(form.Liste2.size(), 4u);
}

}  // namespace
