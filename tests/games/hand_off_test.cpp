// The notices hand the child to a game; every way back shows the trainer, whose
// activation puts up a new exercise of the kind that was up.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include "games/games_fixture.h"

namespace games_test {
namespace {

class HandOff : public GamesTest {
  protected:
    // What the renderer does after a game shows the trainer again.
    void trainerActivated() { trainer.Form_Activate(); }
    void queueSubtraction(int a, int b) {
        using fakes::FakeRandom;
        for (auto [value, range, offset] : {std::tuple{a / 100, 5, 5},
                                            {a / 10 % 10, 10, 0},
                                            {a % 10, 10, 0},
                                            {b / 100, 4, 1},
                                            {b / 10 % 10, 10, 0},
                                            {b % 10, 10, 0},
                                            {9, 5, 5},
                                            {9, 10, 0},
                                            {9, 10, 0}}) {
            f.random.values.push_back(FakeRandom::pick(value, range, offset));
        }
    }
};

TEST_F(HandOff, TheGreyNoticeResetsTheRocketAtTheClickAndShowsTheMemoryGame) {
    trainer.Bild1.top = 360;
    trainer.Bezeichnung28.visible = true;
    trainer.Bezeichnung28_Click();
    EXPECT_FALSE(trainer.Bezeichnung28.visible);
    EXPECT_EQ(trainer.Bild1.top, 4920);
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_EQ(f.windows.calls, (std::vector<std::string>{"hide:Form2", "show:memo"}));

    trainer.memo->Befehl1_Click();
    EXPECT_EQ(trainer.Bild1.top, 4920) << "leaving early does not undo the reset";
}

TEST_F(HandOff, WithBothNoticesUpTheGreyOneIsInFrontAndTheGreenOneWaitsBehindIt) {
    trainer.Bezeichnung26.visible = true;
    trainer.Bezeichnung28.visible = true;
    const auto& controls = trainer.controls();
    const auto at = [&](const rt::Control& c) {
        return std::find(controls.begin(), controls.end(), &c) - controls.begin();
    };
    EXPECT_GT(at(trainer.Bezeichnung28), at(trainer.Bezeichnung26)) << "drawn later, in front";

    trainer.Bezeichnung28.onClick();
    trainer.memo->Befehl1.onClick();
    EXPECT_TRUE(trainer.Bezeichnung26.visible);
    f.windows.calls.clear();
    trainer.Bezeichnung26.onClick();
    EXPECT_EQ(f.windows.calls, (std::vector<std::string>{"hide:Form2", "show:Form4"}));
}

TEST_F(HandOff, BackFromAGameTheTrainerBuildsANewExerciseOfTheKindThatWasUp) {
    // kind shown before the game: 0 one subtrahend, 1 gap exercise; way back:
    // 0 quit the catching game, 1 "ENDE" of the memory game, 2 the memory game won
    for (int kind : {0, 1}) {
        for (int way : {0, 1, 2}) {
            if (kind == 1)
                trainer.Befehl13_Click();
            else
                trainer.Befehl21_Click();
            trainer.Bezeichnung16 = "57";
            trainer.Bezeichnung22.caption = "57";
            trainer.Bezeichnung15 = "3";
            trainer.Bezeichnung23.caption = "3";
            if (way == 0) {
                games::Form4& game = startCatching();
                f.dialogs.answers = {rt::Answer::Yes};
                game.Befehl1_Click();
            } else {
                games::Memo& game = startMemory();
                if (way == 1) {
                    game.Befehl1_Click();
                } else {
                    winMemory(game);
                    ASSERT_EQ(game.Bezeichnung20, "0") << "won";
                }
            }
            ASSERT_EQ(f.windows.calls.back(), "show:Form2");
            queueSubtraction(532, 174);
            trainerActivated();
            if (kind == 0) {
                EXPECT_EQ(trainer.Bild6.top, trainer::kGapPanelParked);
                ASSERT_EQ(trainer.Liste1.size(), 3u);
                EXPECT_EQ(trainer.Liste1[2], " 358") << "way " << way;
            } else {
                EXPECT_EQ(trainer.Bild6.top, trainer::kGapPanelShown) << "way " << way;
                EXPECT_TRUE(trainer.Liste1.empty()) << "a gap exercise, way " << way;
                EXPECT_FALSE(trainer.Liste2.empty());
            }
            EXPECT_EQ(trainer.Bezeichnung22.caption, "57");
            EXPECT_EQ(trainer.Bezeichnung23.caption, "3");
            f.random.values.clear();
        }
    }
}

}  // namespace
}  // namespace games_test
