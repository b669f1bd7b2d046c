#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "trainer_fixture.h"

namespace {

using trainer_test::TrainerTest;

class Answering : public TrainerTest {
  protected:
    void SetUp() override { showSubtraction(532, 174); }  // difference 358, carries 1 and 1

    bool markerParked() const {
        return boardMarkerParked() && form.tastenzahl.empty() && form.tastenwert.empty();
    }
};

TEST_F(Answering, ACarryDroppedOnItsCellIsJudgedAgainstTheBoard) {
    // The carry into the tens column is 1 only once the ones digit 8 stands: 4 + 0
    // gives 0 before.
    form.Bezeichnung9_DragDrop(digit(1));
    EXPECT_EQ(form.Bezeichnung9.caption, "");
    EXPECT_EQ(shownErrors(), "1");

    form.Bezeichnung13_DragDrop(digit(8));
    form.Bezeichnung9_DragDrop(digit(1));
    EXPECT_EQ(form.Bezeichnung9.caption, "1");

    // The carry into the hundreds column: 7 + 1 + 0 before the tens digit, 7 + 1 + 5 after.
    form.Bezeichnung8_DragDrop(digit(1));
    EXPECT_EQ(form.Bezeichnung8.caption, "");
    form.Bezeichnung12_DragDrop(digit(5));
    form.Bezeichnung8_DragDrop(digit(1));
    EXPECT_EQ(form.Bezeichnung8.caption, "1");

    EXPECT_EQ(shownErrors(), "2");
    EXPECT_EQ(shownPoints(), "4");
}

TEST_F(Answering, ACarryEnteredThroughASelectionFollowsTheCarryString) {
    // Right at any time, whatever the board shows.
    form.Bezeichnung9_Click();
    EXPECT_EQ(form.tastenzahl, "1");
    EXPECT_EQ(form.tastenwert, "5");
    EXPECT_EQ(form.tasten.left, form.Bezeichnung9.left);
    EXPECT_EQ(form.tasten.top, form.Bezeichnung9.top);
    form.tasten_DragDrop(digit(1));
    EXPECT_EQ(form.Bezeichnung9.caption, "1");

    form.Bezeichnung8_Click();
    form.Form_KeyDown('1');
    EXPECT_EQ(form.Bezeichnung8.caption, "1");
    EXPECT_EQ(shownPoints(), "2");
    EXPECT_EQ(errorBoxes(), 0);
    EXPECT_TRUE(markerParked());
}

TEST_F(Answering, TwoSubtrahendsJudgeCarriesWithTheTopRow) {
    form.Bezeichnung20.left = trainer::kHeaderTwoSubtrahends;
    showSubtraction(576, 198, 951);  // 951 - 576 - 198 = 177, carries 2 and 2
    form.Bezeichnung9_Click();
    EXPECT_EQ(form.tastenzahl, "2");
    form.Bezeichnung13_DragDrop(digit(7));
    form.Bezeichnung9_DragDrop(digit(2));  // 8 + 6 + 7 = 21
    EXPECT_EQ(form.Bezeichnung9.caption, "2");
    form.Bezeichnung12_DragDrop(digit(7));
    form.Bezeichnung8_DragDrop(digit(2));  // 2 + 9 + 7 + 7 = 25
    EXPECT_EQ(form.Bezeichnung8.caption, "2");
    EXPECT_EQ(errorBoxes(), 0);
}

TEST_F(Answering, AWrongDigitStandsWhileTheMessageIsOpenAndIsRemovedAfterwards) {
    form.Bezeichnung12_DragDrop(digit(5));
    std::string shownDuringMessage;
    std::string errorsDuringMessage;
    f.dialogs.whileOpen = [&](const rt::MessageBox&) {
        shownDuringMessage = form.Bezeichnung12.caption;
        errorsDuringMessage = shownErrors();
    };
    form.Bezeichnung12_DragDrop(digit(6));  // the right 5 is lost with the wrong 6
    EXPECT_EQ(shownDuringMessage, "6");
    EXPECT_EQ(errorsDuringMessage, "0");
    EXPECT_EQ(form.Bezeichnung12.caption, "");
    EXPECT_EQ(shownErrors(), "1");
    EXPECT_EQ(form.Bezeichnung15, "1");
    EXPECT_EQ(f.dialogs.boxes,
              std::vector{fakes::okBox("Das ist leider falsch, rechne nochmal.\r\r", "Fehler")});
}

TEST_F(Answering, TheRightDigitDroppedAgainEarnsAnotherPoint) {
    form.Bezeichnung12_DragDrop(digit(5));
    form.Bezeichnung12_DragDrop(digit(5));
    EXPECT_EQ(shownPoints(), "2");
    EXPECT_EQ(form.Bezeichnung16, "2");
}

TEST_F(Answering, ADigitDroppedOnAnythingButTheCellIsNotAnAnswer) {
    rt::Label notAButton("Bezeichnung1", 0, 0, 0, 0);
    notAButton.caption = "5";
    form.Bezeichnung12_DragDrop(notAButton);
    form.tasten_DragDrop(notAButton);
    EXPECT_EQ(form.Bezeichnung12.caption, "");
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST_F(Answering, SelectingACellNeedsItToBeEmpty) {
    form.Bezeichnung13_DragDrop(digit(8));
    form.Bezeichnung13_Click();
    EXPECT_TRUE(markerParked());
    form.Bezeichnung11_Click();
    form.Bezeichnung12_Click();  // moves the selection
    EXPECT_EQ(form.tastenwert, "2");
    EXPECT_EQ(form.tastenzahl, "5");
    EXPECT_EQ(form.tasten.left, 4200);
    form.tasten_Click();
    EXPECT_TRUE(markerParked());
}

TEST_F(Answering, KeysJudgeOnlyTopRowDigitsAndOnlyWithACellSelected) {
    form.Form_KeyDown('5');  // nothing selected: nothing happens
    EXPECT_TRUE(f.dialogs.boxes.empty());

    form.Bezeichnung12_Click();
    for (int wrongKey : {96 + 5, int{'A'}, int{' '}, 16, 13, 300}) {
        form.Form_KeyDown(wrongKey);
    }
    EXPECT_EQ(errorBoxes(), 6);
    EXPECT_EQ(shownErrors(), "6");
    EXPECT_EQ(form.Bezeichnung12.caption, "");
    EXPECT_EQ(form.tastenwert, "2");  // the selection stays for another try

    form.Form_KeyDown('5');
    EXPECT_EQ(form.Bezeichnung12.caption, "5");
    EXPECT_EQ(shownPoints(), "1");
    EXPECT_TRUE(markerParked());
}

TEST_F(Answering, AWrongDigitOnTheMarkerIsNeverWritten) {
    form.Bezeichnung13_Click();
    form.tasten_DragDrop(digit(3));
    EXPECT_EQ(form.Bezeichnung13.caption, "");
    EXPECT_EQ(form.tastenzahl, "8");
    EXPECT_EQ(shownErrors(), "1");
    form.tasten_DragDrop(digit(8));
    EXPECT_EQ(form.Bezeichnung13.caption, "8");
    EXPECT_TRUE(markerParked());
}

TEST_F(Answering, ATwoDigitDifferenceIsSolvedWithTheSpaceBar) {
    showSubtraction(532, 474);              // 58
    form.Bezeichnung11_DragDrop(digit(0));  // every digit is wrong in the empty hundreds
    EXPECT_EQ(shownErrors(), "1");

    form.Bezeichnung11_Click();
    EXPECT_EQ(form.tastenzahl, " ");
    form.Form_KeyDown(32);
    EXPECT_EQ(form.Bezeichnung11.caption, " ");
    EXPECT_EQ(shownPoints(), "1");

    form.Bezeichnung12_DragDrop(digit(5));
    EXPECT_EQ(f.dialogs.count("Minusaufgabe"), 0);
    form.Bezeichnung13_DragDrop(digit(8));
    EXPECT_EQ(f.dialogs.count("Minusaufgabe"), 1);
}

TEST_F(Answering, ATwoDigitDifferenceIsSolvedWithTheHundredsLeftEmpty) {
    showSubtraction(532, 474);
    form.Bezeichnung13_DragDrop(digit(8));
    form.Bezeichnung12_DragDrop(digit(5));
    EXPECT_EQ(f.dialogs.count("Minusaufgabe"), 1);
}

TEST_F(Answering, ASolvedExerciseIsAnnouncedThenTheRocketClimbsThenANewOneIsShown) {
    struct Seen {
        std::string points;
        int rocketTop;
        std::string ones;
    };
    std::vector<Seen> seen;
    f.dialogs.whileOpen = [&](const rt::MessageBox&) {
        seen.push_back({shownPoints(), form.Bild1.top, form.Bezeichnung13.caption});
    };
    form.Bezeichnung9_DragDrop(digit(2));  // wrong carry: one error box
    form.Bezeichnung11_DragDrop(digit(3));
    form.Bezeichnung12_DragDrop(digit(5));
    queueSubtraction(987, 123);  // the next exercise
    form.Bezeichnung13_DragDrop(digit(8));

    ASSERT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(f.dialogs.boxes[1],
              fakes::okBox("Die Aufgabe wurde richtig gelöst.\r\r", "Minusaufgabe"));
    // While the message is open: the completing point is counted, the rocket has
    // not moved and the answer still stands.
    EXPECT_EQ(seen[1].points, "3");
    EXPECT_EQ(seen[1].rocketTop, trainer::kRocketStart);
    EXPECT_EQ(seen[1].ones, "8");
    // Afterwards: the rocket is one step up and the board holds a new exercise.
    EXPECT_EQ(form.Bild1.top, trainer::kRocketStart - 240);
    EXPECT_EQ(form.Liste1[0], " 987");
    for (const rt::Label* cell : {&form.Bezeichnung8, &form.Bezeichnung9, &form.Bezeichnung11,
                                  &form.Bezeichnung12, &form.Bezeichnung13}) {
        EXPECT_EQ(cell->caption, "") << cell->name;
    }
}

// A selection left from the exercise before would judge the next digit against the
// old exercise: every new exercise ends it.
TEST_F(Answering, ANewExerciseEndsTheSelection) {
    const std::vector<std::pair<std::string, std::function<void()>>> newExercise = {
        {"-", [&] { form.Befehl21_Click(); }},
        {"- -", [&] { form.Befehl20_Click(); }},
        {"activation", [&] { form.Form_Activate(); }},
        {"solved by drops",
         [&] {
             form.Bezeichnung20.left = trainer::kHeaderOneSubtrahend;
             showSubtraction(532, 174);
             form.Bezeichnung13_Click();
             form.Bezeichnung11_DragDrop(digit(3));
             form.Bezeichnung12_DragDrop(digit(5));
             form.Bezeichnung13_DragDrop(digit(8));
         }},
    };
    for (const auto& [what, build] : newExercise) {
        SCOPED_TRACE(what);
        form.Bezeichnung20.left = trainer::kHeaderOneSubtrahend;
        showSubtraction(532, 174);
        form.Bezeichnung12_Click();
        build();
        EXPECT_TRUE(markerParked());
        const std::size_t boxes = f.dialogs.boxes.size();
        form.Form_KeyDown('5');  // no selection: the key does nothing
        EXPECT_EQ(f.dialogs.boxes.size(), boxes);
    }
}

TEST_F(Answering, NothingIsSolvedWhileNoExerciseIsStored) {
    trainer::Form2 fresh(f.services);
    fresh.Bezeichnung13_DragDrop(digit(0));
    fresh.Bezeichnung12_DragDrop(digit(0));
    EXPECT_EQ(f.dialogs.count("Minusaufgabe"), 0);
}

}  // namespace
