#include "driver/minus_program.h"

#include "driver/game_invariants.h"
#include "driver/info_invariants.h"
#include "driver/sheet_invariants.h"
#include "driver/skilled_child.h"
#include "driver/trainer_invariants.h"

namespace driver {

MinusProgram::MinusProgram(std::uint64_t seed) : random_(clock_, seed) {
    SplitMix temper(seed);
    // Some children answer the quit question with Yes at once, others hardly ever.
    const double yes[] = {0.02, 0.1, 0.5};
    dialogs_.yesChance = yes[temper.below(3)];
    // Some know hardly any answer, some most of them.
    const std::uint32_t skill[] = {16, 96, 200};
    skill_ = skill[temper.below(3)];
    // Now and then no printer takes the sheet, or the PDF file cannot be written.
    printer_.works = temper.chance(0.7);
    printer_.pdfWorks = temper.chance(0.7);
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

bool MinusProgram::gameShown() {
    // Looked at through the slots, so that looking never makes a game window.
    return (trainer_.Form4.exists() && windows_.isShown(trainer_.Form4.get())) ||
           (trainer_.memo.exists() && windows_.isShown(trainer_.memo.get()));
}

std::vector<Invariant> MinusProgram::invariants() {
    std::vector<Invariant> table =
        trainerInvariants(trainer_, windows_, [this] { return gameShown(); });
    table.push_back(
        {"the trainer and a game window are never shown at once", [this]() -> std::string {
             const bool catching =
                 trainer_.Form4.exists() && windows_.isShown(trainer_.Form4.get());
             const bool memory = trainer_.memo.exists() && windows_.isShown(trainer_.memo.get());
             if (catching && memory)
                 return "both games are shown";
             if ((catching || memory) && windows_.isShown(trainer_))
                 return std::string(catching ? "the catching game" : "the memory game") +
                        " is shown beside the trainer";
             return "";
         }});
    // Compared, never followed: a window the program has let go must not be up.
    table.push_back({"the windows up are the ones the program holds", [this]() -> std::string {
                         for (const rt::Form* form : windows_.loaded()) {
                             const bool held =
                                 form == &trainer_ ||
                                 (trainer_.ZOBLABEL.exists() && form == &trainer_.ZOBLABEL.get()) ||
                                 (trainer_.Form4.exists() && form == &trainer_.Form4.get()) ||
                                 (trainer_.memo.exists() && form == &trainer_.memo.get());
                             if (!held)
                                 return "a window no longer held is loaded";
                         }
                         return "";
                     }});
    for (auto part : {sheetInvariants(trainer_), infoInvariants(trainer_),
                      catchingGameInvariants(trainer_, windows_), memoryInvariants(trainer_)})
        table.insert(table.end(), part.begin(), part.end());
    return table;
}

rt::Control* MinusProgram::skilledClick() {
    return driver::skilledClick(trainer_, windows_);
}

Program::DragAndDrop MinusProgram::skilledDrop() {
    return driver::skilledDrop(trainer_, windows_);
}

int MinusProgram::skilledKey() {
    return driver::skilledKey(trainer_, windows_);
}

ProgramFactory minusProgram() {
    return [](std::uint64_t seed) { return std::make_unique<MinusProgram>(seed); };
}

}  // namespace driver
