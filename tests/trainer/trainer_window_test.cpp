#include <gtest/gtest.h>

#include <string>

#include "runtime/control_list_check.h"
#include "trainer_fixture.h"

namespace {

using trainer_test::TrainerTest;

class TrainerWindow : public TrainerTest {};

TEST_F(TrainerWindow, StartsInTheOneSubtrahendLayoutWithNothingOnTheBoard) {
    EXPECT_EQ(form.caption, "Minuskolonne");
    EXPECT_EQ(form.width, 7845);
    EXPECT_EQ(form.height, 5685);
    EXPECT_EQ(form.Bezeichnung20.left, trainer::kHeaderOneSubtrahend);
    EXPECT_EQ(form.Bezeichnung20.caption, "H  Z  E");
    EXPECT_FALSE(form.Bezeichnung21.visible);
    EXPECT_EQ(form.Bild6.top, trainer::kGapPanelParked);
    EXPECT_EQ(form.Bild1.top, trainer::kRocketStart);
    EXPECT_FALSE(form.Bezeichnung26.visible);
    EXPECT_FALSE(form.Bezeichnung28.visible);
    EXPECT_TRUE(form.Liste1.empty());
    EXPECT_TRUE(boardMarkerParked());
    EXPECT_TRUE(panelMarkerParked());
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(digit(d).caption, std::to_string(d));
        EXPECT_EQ(digit(d).left, 960 + 600 * d);
        EXPECT_TRUE(digit(d).dragOnPress);
    }
}

TEST(TrainerControls, EveryDeclaredControlIsInTheControlList) {
    fakes::Fakes f;
    rt::ControlCensus census;
    const trainer::Form2 form(f.services);
    control_check::expectEveryDeclaredControlListed(form, sizeof form, census);
}

TEST_F(TrainerWindow, KeepsEveryHiddenFieldOutOfSight) {
    for (const rt::Control* c : form.controls()) {
        if (c->container)
            continue;
        const bool inside = c->left < form.width && c->top < form.height;
        const bool meantToBeSeen = c->name != "Bezeichnung7" && c->name != "Bezeichnung10" &&
                                   c->name != "tasten" && c->name != "Bild6" &&
                                   c->name != "Bild3" && c->name != "Liste5";
        EXPECT_EQ(inside, meantToBeSeen) << c->name;
    }
}

TEST_F(TrainerWindow, ActivationCentresTheWindowAndBuildsANewExercise) {
    form.left = 15;
    form.top = 15;
    queueSubtraction(532, 174);
    form.Form_Activate();
    const int outerWidth = form.width + f.windows.frameW;
    const int outerHeight = form.height + f.windows.frameH;
    EXPECT_EQ(form.left, (f.windows.screenW - outerWidth) / 2);
    EXPECT_EQ(form.top, (f.windows.screenH - outerHeight) / 2);
    EXPECT_EQ(form.Liste1[0], " 532");

    form.Bezeichnung12_DragDrop(digit(5));
    form.Form_Activate();  // back from another window: a new exercise, the points stay
    EXPECT_EQ(form.Bezeichnung12.caption, "");
    EXPECT_EQ(shownPoints(), "1");
}

TEST_F(TrainerWindow, QuitAsksFirstWithNoAsTheDefault) {
    form.Befehl1_Click();
    const rt::MessageBox question{"Dieses Programm jetzt beenden?\r\r\r", "Minuskolonne",
                                  rt::Buttons::YesNo, rt::Icon::Critical, true};
    EXPECT_EQ(f.dialogs.boxes, std::vector{question});
}

TEST_F(TrainerWindow, NoKeepsEverythingAsItWasFromTheButtonAndFromTheCloseBox) {
    showSubtraction(532, 174);
    form.Bezeichnung13_DragDrop(digit(8));
    form.Bezeichnung12_Click();

    form.Befehl1_Click();  // the fake answers No
    bool cancel = false;
    form.Form_Unload(cancel);

    EXPECT_TRUE(cancel);
    EXPECT_FALSE(f.windows.quitCalled);
    EXPECT_EQ(f.dialogs.count("Minuskolonne"), 2);
    EXPECT_EQ(form.Liste1[0], " 532");
    EXPECT_EQ(form.Bezeichnung13.caption, "8");
    EXPECT_EQ(form.tastenwert, "2");
    EXPECT_EQ(form.tasten.left, 4200);
}

TEST_F(TrainerWindow, YesEndsTheProgramFromTheButtonAndFromTheCloseBox) {
    f.dialogs.answers = {rt::Answer::Yes};
    form.Befehl1_Click();
    EXPECT_TRUE(f.windows.quitCalled);

    f.windows.quitCalled = false;
    f.dialogs.answers = {rt::Answer::Yes};
    bool cancel = false;
    form.Form_Unload(cancel);
    EXPECT_TRUE(f.windows.quitCalled);
}

TEST_F(TrainerWindow, HelpShowsFourLinesEachEndingInALineBreak) {
    form.Befehl15_Click();
    EXPECT_EQ(f.dialogs.boxes,
              std::vector{fakes::okBox("Schiebe die Ziffern vom unteren Fensterrand\r"
                                       "mit der Maus in das gewünschte Lösungsfeld.\r"
                                       "Für jede richtige Zahl gibt es einen Punkt und\r"
                                       "alle 50 Punkte gibt es ein Belohnungsspiel.\r",
                                       "Hilfe")});
}

}  // namespace
