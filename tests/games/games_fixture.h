#pragma once
// The trainer on fake services, with its two games reached the way the child
// reaches them: through the reward notices.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fakes/fakes.h"
#include "trainer/form2.h"

namespace games_test {

inline constexpr rt::Colour kDarkBlue = 0x800000;
inline constexpr rt::Colour kEraser = 0xFFC0C0;

class GamesTest : public ::testing::Test {
  protected:
    fakes::Fakes f;
    trainer::Form2 trainer{f.services};
    games::Modul1& m = trainer.modul1;

    // The green notice clicked: the box is answered and the game is running.
    games::Form4& startCatching() {
        trainer.Bezeichnung26.visible = true;
        trainer.Bezeichnung26_Click();
        f.windows.calls.clear();
        f.dialogs.boxes.clear();
        canvas().texts.clear();
        return trainer.Form4.get();
    }
    games::Memo& startMemory() {
        trainer.Bezeichnung28.visible = true;
        trainer.Bezeichnung28_Click();
        f.windows.calls.clear();
        return trainer.memo.get();
    }
    fakes::FakeCanvas& canvas() { return f.windows.canvases[&trainer.Form4.get()]; }

    // Plays the memory game to its end from whatever state it is in.
    void winMemory(games::Memo& game) {
        if (game.Bezeichnung20 == "0")
            game.Bezeichnung_Click(1);
        const auto inPlay = [&game](int n) {
            return game.Bezeichnung22[static_cast<std::size_t>(n - 1)] == '1';
        };
        for (int clicks = 0; clicks < 100 && game.Bezeichnung20 == "1"; ++clicks) {
            const int a = std::stoi(game.Bezeichnung23);
            const int b = std::stoi(game.Bezeichnung24);
            int next = 0;
            for (int n = 1; n <= 18 && !next; ++n) {
                const bool twin = a > 0 && n != a &&
                                  game.Bezeichnung21[static_cast<std::size_t>(n - 1)] ==
                                      game.Bezeichnung21[static_cast<std::size_t>(a - 1)];
                if (inPlay(n) && (a == 0 || b > 0 || twin))
                    next = n;
            }
            game.Bezeichnung_Click(next);
        }
    }
    // Steers the cross with the arrow handlers to the given cell.
    void steerTo(games::Form4& game, int column, int row) {
        while (m.kreuzspalte > column) game.Bild1_Click();
        while (m.kreuzspalte < column) game.Bild4_Click();
        while (m.kreuzzeile > row) game.Bild2_Click();
        while (m.kreuzzeile < row) game.Bild3_Click();
    }
};

}  // namespace games_test
