#include <gtest/gtest.h>

#include <string>

#include "trainer_fixture.h"

namespace {

using trainer_test::TrainerTest;

class Scoring : public TrainerTest {};

TEST_F(Scoring, CountersStartAtZeroAndCountInPlainDecimals) {
    EXPECT_EQ(form.Bezeichnung16, "");
    EXPECT_EQ(form.Bezeichnung15, "");
    EXPECT_EQ(shownPoints(), "0");
    EXPECT_EQ(shownErrors(), "0");
    form.punkt();
    EXPECT_EQ(form.Bezeichnung16, "1");
    EXPECT_EQ(shownPoints(), "1");
    form.fehler();
    form.fehler();
    EXPECT_EQ(form.Bezeichnung15, "2");
    EXPECT_EQ(shownErrors(), "2");
    EXPECT_EQ(shownPoints(), "1");  // errors take nothing from the points
}

TEST_F(Scoring, EveryFiftiethPointShowsTheFirstNotice) {
    const struct {
        int points;
        bool noticeShown;
    } cases[] = {{49, false}, {50, true}, {51, false}, {99, false}, {100, true}, {150, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        form.Bezeichnung16 = std::to_string(c.points - 1);
        form.Bezeichnung26.visible = false;
        form.punkt();
        EXPECT_EQ(form.Bezeichnung26.visible, c.noticeShown);
        EXPECT_EQ(shownPoints(), std::to_string(c.points));
    }
}

TEST_F(Scoring, TheNoticeStaysWhileMorePointsCome) {
    form.Bezeichnung16 = "49";
    form.punkt();
    form.punkt();
    EXPECT_TRUE(form.Bezeichnung26.visible);
}

TEST_F(Scoring, TheRocketReachesTheMoonWithTheNineteenthSolvedExercise) {
    for (int solved = 1; solved <= 18; ++solved) form.aufstieg();
    EXPECT_EQ(form.Bild1.top, 4920 - 18 * 240);
    EXPECT_FALSE(form.Bezeichnung28.visible);
    form.aufstieg();
    EXPECT_EQ(form.Bild1.top, 360);
    EXPECT_TRUE(form.Bezeichnung28.visible);
    // Not taken: the rocket climbs on and the notice is shown again each time.
    form.Bezeichnung28.visible = false;
    form.aufstieg();
    EXPECT_EQ(form.Bild1.top, 120);
    EXPECT_TRUE(form.Bezeichnung28.visible);
}

TEST_F(Scoring, SolvedSubtractionsAndRightDigitsFeedTheSameCounters) {
    form.Bezeichnung16 = "48";
    showSubtraction(532, 474);  // 58
    form.Bezeichnung13_DragDrop(digit(8));
    form.Bezeichnung12_DragDrop(digit(5));  // the 50th point also solves the exercise
    EXPECT_EQ(shownPoints(), "50");
    EXPECT_TRUE(form.Bezeichnung26.visible);
    EXPECT_EQ(form.Bild1.top, 4680);
}

}  // namespace
