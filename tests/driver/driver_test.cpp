// The random-event driver: its program fake behaves as the renderer does, the mouse
// reaches only what is in sight, a failing list shrinks, and the program withstands
// long runs of a child's events.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "driver/event_driver.h"
#include "driver/minus_program.h"
#include "driver/reach.h"
#include "runtime/make_controls.h"

namespace {

using driver::Action;
using driver::Event;
using driver::ProgramWindows;

// A window that records its window events.
class Recorder : public rt::Form {
  public:
    explicit Recorder(std::string name, std::vector<std::string>& journal)
        : rt::Form(std::move(name), 3000, 3000), journal_(journal) {}
    bool refuse = false;
    void Form_Load() override { journal_.push_back("load:" + name); }
    void Form_Activate() override { journal_.push_back("activate:" + name); }
    void Form_Unload(bool& cancel) override {
        journal_.push_back("unload:" + name);
        cancel = refuse;
    }

  private:
    std::vector<std::string>& journal_;
};

TEST(ProgramWindows, ShowLoadsOnceAndActivatesBeforeShowing) {
    std::vector<std::string> journal;
    Recorder a("A", journal), b("B", journal);
    ProgramWindows w;
    w.show(a);
    w.show(a);  // already the active one: no second activation
    w.show(b);
    w.hide(b);  // hiding keeps the active form until another is activated
    EXPECT_EQ(w.activeForm(), &b);
    w.activate(a);
    EXPECT_EQ(journal, (std::vector<std::string>{"load:A", "activate:A", "load:B", "activate:B",
                                                 "activate:A"}));
    EXPECT_TRUE(w.isShown(a));
    EXPECT_FALSE(w.isShown(b));
}

TEST(ProgramWindows, CloseAsksTheFormAndForgetsItOnlyWhenNotCancelled) {
    std::vector<std::string> journal;
    Recorder a("A", journal);
    int forgotten = 0;
    a.whenUnloaded = [&] { ++forgotten; };
    ProgramWindows w;
    w.show(a);
    a.refuse = true;
    w.close(a);
    EXPECT_TRUE(w.isShown(a));
    EXPECT_EQ(forgotten, 0);
    a.refuse = false;
    w.close(a);
    EXPECT_FALSE(w.isLoaded(a));
    EXPECT_EQ(w.activeForm(), nullptr);
    EXPECT_EQ(forgotten, 1);
    w.unload(a);  // not loaded: nothing is asked
    EXPECT_EQ(journal.back(), "unload:A");
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "unload:A"), 2);
}

TEST(ProgramWindows, QuitEndsTheProgramWithNothingShown) {
    std::vector<std::string> journal;
    Recorder a("A", journal);
    ProgramWindows w;
    w.show(a);
    w.quit();
    EXPECT_TRUE(w.ended());
    EXPECT_TRUE(w.shown().empty());
}

// A window with a control of each situation the mouse may meet.
class Reachables : public rt::Form {
  public:
    Reachables() : rt::Form("R", 3000, 3000) {
        for (rt::Control* c :
             std::initializer_list<rt::Control*>{&plain, &hidden, &disabled, &outside, &under,
                                                 &inBox, &parkedBox, &inParked, &cover, &drags})
            c->onClick = [] {};
        hidden.visible = false;
        disabled.enabled = false;
        inBox.container = &box;
        inParked.container = &parkedBox;
        drags.dragOnPress = true;
        addControls({&plain, &hidden, &disabled, &outside, &under, &box, &inBox, &parkedBox,
                     &inParked, &cover, &drags});
    }
    rt::Label plain = rt::makeLabel("plain", 0, 0, 300, 300, 8, 0, 0, "");
    rt::Label hidden = rt::makeLabel("hidden", 300, 0, 300, 300, 8, 0, 0, "");
    rt::Label disabled = rt::makeLabel("disabled", 600, 0, 300, 300, 8, 0, 0, "");
    rt::Label outside = rt::makeLabel("outside", 2900, 0, 300, 300, 8, 0, 0, "");
    // A label stands behind the button declared before it.
    rt::Label under = rt::makeLabel("under", 0, 600, 300, 300, 8, 0, 0, "");
    rt::PictureBox box = rt::makePicture("box", 0, 1200, 900, 900, 0);
    rt::Label inBox = rt::makeLabel("inBox", 60, 60, 300, 300, 8, 0, 0, "");
    rt::PictureBox parkedBox = rt::makePicture("parkedBox", 6000, 0, 900, 900, 0);
    rt::Label inParked = rt::makeLabel("inParked", 60, 60, 300, 300, 8, 0, 0, "");
    rt::CommandButton cover = rt::makeButton("cover", "x", 0, 600, 600, 600, 8);
    rt::CommandButton drags = rt::makeButton("drags", "1", 1200, 0, 300, 300, 8);
};

TEST(Reach, OnlyWhatIsInSightEnabledAndInFrontTakesAClick) {
    Reachables r;
    const std::pair<const rt::Control*, bool> cases[] = {
        {&r.plain, true},     {&r.hidden, false}, {&r.disabled, false},
        {&r.outside, false},  {&r.under, false},  {&r.inBox, true},
        {&r.inParked, false}, {&r.cover, true},   {&r.drags, false}};
    for (auto [control, expected] : cases)
        EXPECT_EQ(driver::clickable(r, *control), expected) << control->name;
    r.box.enabled = false;
    EXPECT_FALSE(driver::clickable(r, r.inBox));
}

// A toy program: one button counts its clicks, and three are too many.
class CountingProgram : public driver::Program {
  public:
    CountingProgram() {
        form.addAll();
        windows_.show(form);
    }
    driver::ProgramWindows& windows() override { return windows_; }
    driver::RandomDialogs& dialogs() override { return dialogs_; }
    std::vector<driver::Invariant> invariants() override {
        return {{"fewer than three clicks",
                 [this] { return form.clicks >= 3 ? std::string("three clicks") : ""; }}};
    }

    struct Counter : rt::Form {
        Counter() : rt::Form("C", 3000, 3000) {}
        void addAll() {
            button.onClick = [this] { ++clicks; };
            addControls({&button});
        }
        rt::CommandButton button = rt::makeButton("button", "+", 0, 0, 900, 900, 8);
        int clicks = 0;
    } form;
    driver::ProgramWindows windows_;
    driver::RandomDialogs dialogs_;
};

TEST(EventDriver, AFailingListShrinksToTheEventsThatMatter) {
    const driver::ProgramFactory start = [](std::uint64_t) {
        return std::make_unique<CountingProgram>();
    };
    const auto events = driver::randomEvents(7, 200);
    const driver::Outcome outcome = driver::play(start, 7, events);
    ASSERT_TRUE(outcome.failed);
    const std::vector<Event> failing(events.begin(),
                                     events.begin() + static_cast<long>(outcome.failedAt + 1));
    const auto shortest = driver::shrink(start, 7, failing, "fewer than three clicks");
    ASSERT_EQ(shortest.size(), 3u);
    for (const Event& e : shortest) EXPECT_EQ(e.action, Action::Click);
    EXPECT_TRUE(driver::play(start, 7, shortest).failed);
}

std::size_t fromEnvironment(const char* name, std::size_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<std::size_t>(std::strtoull(text, nullptr, 10)) : fallback;
}

#ifndef MINUS_DRIVER_EVENTS
#define MINUS_DRIVER_EVENTS 1000000
#endif
#ifndef MINUS_DRIVER_SEEDS
#define MINUS_DRIVER_SEEDS 200
#endif

// The long run: MINUS_DRIVER_EVENTS events (a million unless the build or the
// environment says otherwise) spread over MINUS_DRIVER_SEEDS seeds (200
// unless they say otherwise).
TEST(EventDriver, TheProgramWithstandsAChildsEvents) {
    const std::size_t total = fromEnvironment("MINUS_DRIVER_EVENTS", MINUS_DRIVER_EVENTS);
    const std::size_t seeds =
        std::max<std::size_t>(1, fromEnvironment("MINUS_DRIVER_SEEDS", MINUS_DRIVER_SEEDS));
    const std::size_t first = fromEnvironment("MINUS_DRIVER_FIRST_SEED", 1);
    const auto start = driver::minusProgram();
    const auto began = std::chrono::steady_clock::now();
    std::size_t events = 0, programs = 0;
    long long boxes = 0;
    std::map<std::string, std::size_t> shownAfter;
    std::map<std::string, long long> messages;
    for (std::size_t n = 0; n < seeds; ++n) {
        const std::uint64_t seed = first + n;
        const auto list = driver::randomEvents(seed, total / seeds + (n < total % seeds));
        const driver::Outcome outcome = driver::play(start, seed, list);
        events += outcome.events;
        programs += outcome.programs;
        boxes += outcome.boxes;
        for (const auto& [name, count] : outcome.shownAfter) shownAfter[name] += count;
        for (const auto& [text, count] : outcome.messages) messages[text] += count;
        if (outcome.failed) {
            ADD_FAILURE() << driver::failureReport(start, seed, list, outcome);
            return;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
    std::printf("%zu events, seeds %zu to %zu, %zu program runs, %lld boxes answered, %.1f s\n",
                events, first, first + seeds - 1, programs, boxes, took.count());
    for (const auto& [name, count] : shownAfter)
        std::printf("  %-8s shown after %zu events\n", name.c_str(), count);
    for (const auto& [text, count] : messages) std::printf("  %8lld x %s\n", count, text.c_str());
    EXPECT_EQ(events, total);
}

}  // namespace
