#pragma once
// The whole program on the driver's fakes: the services the windows get, and the
// trainer window, started as the program starts it. The invariants of every window
// are collected here; the windows the trainer owns are looked at only while they
// exist, so that looking never creates one.

#include <cstdint>
#include <memory>

#include "driver/event_driver.h"
#include "fakes/fakes.h"
#include "runtime/clock_random.h"
#include "trainer/form2.h"

namespace driver {

class MinusProgram : public Program {
  public:
    explicit MinusProgram(std::uint64_t seed);

    ProgramWindows& windows() override { return windows_; }
    RandomDialogs& dialogs() override { return dialogs_; }
    void beforeEvent() override;
    std::vector<Invariant> invariants() override;
    rt::Control* skilledClick() override;
    DragAndDrop skilledDrop() override;
    int skilledKey() override;
    std::uint32_t skill() const override { return skill_; }

    trainer::Form2& trainerWindow() { return trainer_; }

  private:
    // Whether a game window is up.
    bool gameShown();

    std::uint32_t skill_ = 0;
    fakes::FakeClock clock_;
    rt::ClockMixedRandom random_;
    ProgramWindows windows_;
    RandomDialogs dialogs_;
    fakes::FakePrinter printer_;
    fakes::FakeClipboard clipboard_;
    rt::Services services_{dialogs_, printer_, clipboard_, random_, clock_, windows_};
    trainer::Form2 trainer_{services_};
};

ProgramFactory minusProgram();

}  // namespace driver
