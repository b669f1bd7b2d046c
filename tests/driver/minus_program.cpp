#include "driver/minus_program.h"

#include "driver/trainer_invariants.h"

namespace driver {

MinusProgram::MinusProgram(std::uint64_t seed) : random_(clock_, seed) {
    SplitMix temper(seed);
    // Some children answer the quit question with Yes at once, others hardly ever.
    const double yes[] = {0.02, 0.1, 0.5};
    dialogs_.yesChance = yes[temper.below(3)];
    dialogs_.codeWords = [this] {
        return std::vector<std::string>{trainer_.Bezeichnung22.caption};
    };
    clock_.seconds = static_cast<double>(temper.below(86400));
    // The program starts with the trainer shown; its activation builds the first exercise.
    windows_.show(trainer_);
}

void MinusProgram::beforeEvent() {
    // A child's event every few tenths of a second; past midnight the clock starts over.
    clock_.seconds += 0.3;
    if (clock_.seconds >= 86400.0)
        clock_.seconds -= 86400.0;
}

bool MinusProgram::gameShown() const {
    // The catching game and the memory game join here once the trainer owns them.
    return false;
}

std::vector<Invariant> MinusProgram::invariants() {
    std::vector<Invariant> table =
        trainerInvariants(trainer_, windows_, [this] { return gameShown(); });
    // Further windows bring their own tables here once the trainer owns them:
    //  - the worksheet (Liste5): 37 lines or none;
    //  - the info window: its print-lock switch 0 or 1;
    //  - the catching game: the trainer and the game never shown at once; the remaining
    //    digits a tail of "0123456789" on cells with pairwise different columns and rows
    //    inside the field; its timer running only while its window is shown;
    //  - the memory game: its state fields keep their formats; once dealt, every digit
    //    1 to 9 lies on exactly two cards.
    return table;
}

ProgramFactory minusProgram() {
    return [](std::uint64_t seed) { return std::make_unique<MinusProgram>(seed); };
}

}  // namespace driver
