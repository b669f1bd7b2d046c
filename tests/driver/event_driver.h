#pragma once
// Drives a program with long seeded sequences of what a child does: clicks, drops
// of buttons, keys, scroll bars, timer ticks, window activations and closes, with
// random answers to every box. After every event the program's invariants are
// checked; a failing list is shrunk to a short one that still fails.
//
// An event is a few random numbers read against the program as it stands when
// the event comes: which window, which control, which key. So an event list stays
// playable after any of its events are taken out.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "driver/program_windows.h"
#include "driver/random_dialogs.h"

namespace driver {

enum class Action : std::uint8_t { Click, Drop, Key, Scroll, Tick, Activate, Close };

struct Event {
    Action action;
    std::uint32_t where;    // picks the window, or the dragged button
    std::uint32_t what;     // picks the control, key or value
    std::uint64_t answers;  // the answers to the boxes this event opens
    bool operator==(const Event&) const = default;
};

// One invariant: empty while it holds, else what is wrong.
struct Invariant {
    std::string name;
    std::function<std::string()> violation;
};

// A running program: its windows and boxes and what must hold in it.
class Program {
  public:
    virtual ~Program() = default;
    virtual ProgramWindows& windows() = 0;
    virtual RandomDialogs& dialogs() = 0;
    // Before every event: time passes.
    virtual void beforeEvent() {}
    // The table of invariants, made once the program has started.
    virtual std::vector<Invariant> invariants() = 0;
    // The move a child who knows the answer would make now, if any: so that a run
    // also reaches what only skill reaches (a reward game, the end of a game). The
    // driver makes it only where the mouse could.
    virtual rt::Control* skilledClick() { return nullptr; }
    struct DragAndDrop {
        rt::CommandButton* source = nullptr;
        rt::Control* target = nullptr;
    };
    virtual DragAndDrop skilledDrop() { return {}; }
    // The key such a child presses into the active window now, 0 for none.
    virtual int skilledKey() { return 0; }
    // Of 256 clicks, drops and keys, how many are the skilled move when there is one.
    virtual std::uint32_t skill() const { return 96; }
};

// Starts a new program instance; the seed makes its random source.
using ProgramFactory = std::function<std::unique_ptr<Program>(std::uint64_t seed)>;

std::vector<Event> randomEvents(std::uint64_t seed, std::size_t count);

struct Outcome {
    bool failed = false;
    std::size_t failedAt = 0;  // index of the event after which an invariant failed
    std::string message;       // invariant name and what is wrong
    std::size_t programs = 0;  // program instances started (a quit starts the next)
    std::size_t events = 0;    // events played
    long long boxes = 0;       // boxes answered
    // For each window, the events after which it was shown: what the run reached.
    std::map<std::string, std::size_t> shownAfter;
    // Message boxes by title and first line.
    std::map<std::string, long long> messages;
};

// Plays the events on fresh program instances made from the seed; stops at the first
// broken invariant.
Outcome play(const ProgramFactory& start, std::uint64_t seed, const std::vector<Event>& events);

// The shortest list found (delta debugging) on which an invariant of the same name
// still fails.
std::vector<Event> shrink(const ProgramFactory& start, std::uint64_t seed,
                          std::vector<Event> events, const std::string& invariantName);

// The events as C++ source, to paste into a fixed test.
std::string asSource(const std::vector<Event>& events);

// Plays, and on failure shrinks; the report names seed, invariant and the shrunk list.
std::string failureReport(const ProgramFactory& start, std::uint64_t seed,
                          const std::vector<Event>& events, const Outcome& outcome);

}  // namespace driver
