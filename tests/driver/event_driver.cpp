#include "driver/event_driver.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "driver/reach.h"
#include "driver/split_mix.h"

namespace driver {

namespace {

template <class T>
T* pickOf(const std::vector<T*>& list, std::uint32_t n) {
    return list.empty() ? nullptr : list[n % list.size()];
}

std::vector<rt::Control*> controlsWhere(const rt::Form& form,
                                        bool (*test)(const rt::Form&, const rt::Control&)) {
    std::vector<rt::Control*> found;
    for (rt::Control* c : form.controls()) {
        if (test(form, *c))
            found.push_back(c);
    }
    return found;
}

// Runs a handler from a copy: it may replace itself or unload its window.
template <class Handler, class... Args>
void run(const Handler& handler, Args&&... args) {
    if (handler) {
        Handler copy = handler;
        copy(std::forward<Args>(args)...);
    }
}

// A child who knows what to do now and then makes the right move instead of a
// random one; the program names it.
bool skilled(const Program& program, const Event& e) {
    return ((e.where >> 8) & 0xFF) < program.skill();
}

rt::Form* formOf(ProgramWindows& windows, const rt::Control& c) {
    for (rt::Form* form : windows.loaded()) {
        if (std::find(form->controls().begin(), form->controls().end(), &c) !=
            form->controls().end())
            return form;
    }
    return nullptr;
}

void clickOn(ProgramWindows& windows, rt::Form& form, rt::Control& target) {
    // The press into a window that is not the active one activates it first; the
    // activation may change what lies under the mouse.
    windows.activate(form);
    if (windows.ended() || !windows.isShown(form) || !clickable(form, target))
        return;
    if (target.kind == rt::Kind::CheckBox) {
        auto& box = static_cast<rt::CheckBox&>(target);
        box.value = box.value ? 0 : 1;
    }
    run(target.onClick);
}

void click(Program& program, const Event& e) {
    ProgramWindows& windows = program.windows();
    if (skilled(program, e)) {
        // The program's move counts only where the mouse could make it.
        if (rt::Control* target = program.skilledClick()) {
            rt::Form* form = formOf(windows, *target);
            if (form && windows.isShown(*form) && clickable(*form, *target))
                return clickOn(windows, *form, *target);
        }
    }
    rt::Form* form = pickOf(windows.shown(), e.where);
    if (!form)
        return;
    if (rt::Control* target = pickOf(controlsWhere(*form, clickable), e.what))
        clickOn(windows, *form, *target);
}

// The dragged button: mostly one showing a single digit, else any button of any
// loaded window (a drop from outside may name any of them).
rt::CommandButton* dragSource(ProgramWindows& windows, const Event& e) {
    std::vector<rt::CommandButton*> digits, all;
    for (rt::Form* form : windows.loaded()) {
        for (rt::Control* c : form->controls()) {
            if (c->kind != rt::Kind::CommandButton)
                continue;
            auto* button = static_cast<rt::CommandButton*>(c);
            all.push_back(button);
            if (button->caption.size() == 1 && button->caption[0] >= '0' &&
                button->caption[0] <= '9')
                digits.push_back(button);
        }
    }
    const bool digit = (e.where >> 24) < 220 && !digits.empty();
    return pickOf(digit ? digits : all, e.what / 7919);
}

// Pressing a button of a shown window to drag it activates that window; false if
// that leaves the target window gone.
bool pressToDrag(ProgramWindows& windows, const rt::CommandButton& source, const rt::Form& form) {
    if (rt::Form* from = formOf(windows, source); from && windows.isShown(*from)) {
        windows.activate(*from);
        if (windows.ended() || !windows.isShown(form))
            return false;
    }
    return true;
}

void drop(Program& program, const Event& e) {
    ProgramWindows& windows = program.windows();
    if (skilled(program, e)) {
        const auto [source, target] = program.skilledDrop();
        rt::Form* form = target ? formOf(windows, *target) : nullptr;
        if (source && form && windows.isShown(*form) && dropTarget(*form, *target)) {
            if (pressToDrag(windows, *source, *form) && dropTarget(*form, *target))
                run(target->onDragDrop, *source);
            return;
        }
    }
    rt::Form* form = pickOf(windows.shown(), e.where);
    if (!form)
        return;
    rt::CommandButton* source = dragSource(windows, e);
    if (!source || !pressToDrag(windows, *source, *form))
        return;
    rt::Control* target = pickOf(controlsWhere(*form, dropTarget), e.what);
    if (!target)
        return;
    run(target->onDragDrop, *source);
}

int keyCode(std::uint32_t what) {
    const std::uint32_t kind = what % 10;
    if (kind < 6)
        return '0' + static_cast<int>((what / 10) % 10);
    if (kind == 6)
        return ' ';
    return static_cast<int>((what / 10) % 256);
}

void key(Program& program, const Event& e) {
    ProgramWindows& windows = program.windows();
    const rt::Form* active = windows.activeForm();
    if (!active || !windows.isShown(*active))
        return;
    const int skilledKey = skilled(program, e) ? program.skilledKey() : 0;
    const_cast<rt::Form*>(active)->Form_KeyDown(skilledKey ? skilledKey : keyCode(e.what));
}

bool scrollable(const rt::Form& form, const rt::Control& c) {
    return c.kind == rt::Kind::ScrollBar && c.enabled && reachable(form, c);
}

void scroll(ProgramWindows& windows, const Event& e) {
    rt::Form* form = pickOf(windows.shown(), e.where);
    if (!form)
        return;
    auto* bar = static_cast<rt::ScrollBar*>(pickOf(controlsWhere(*form, scrollable), e.what));
    if (!bar)
        return;
    windows.activate(*form);
    if (windows.ended() || !windows.isShown(*form) || !scrollable(*form, *bar))
        return;
    const long span = static_cast<long>(bar->max) - bar->min + 1;
    const int value = span > 0 ? bar->min + static_cast<int>((e.what / 3) % span) : bar->min;
    if (value == bar->value)
        return;
    bar->value = value;
    // Dragging the thumb scrolls and changes on letting go; a click on the bar
    // changes at once.
    if (e.where & 1) {
        run(bar->onScroll);
        if (windows.ended())
            return;
    }
    run(bar->onChange);
}

// The renderer runs a timer while its window is loaded, shown or hidden.
void tick(ProgramWindows& windows, const Event& e) {
    std::vector<rt::Timer*> timers;
    for (rt::Form* form : windows.loaded()) {
        for (rt::Control* c : form->controls()) {
            if (ticking(*c))
                timers.push_back(static_cast<rt::Timer*>(c));
        }
    }
    if (rt::Timer* timer = pickOf(timers, e.what))
        run(timer->onTimer);
}

void apply(Program& program, const Event& e) {
    ProgramWindows& windows = program.windows();
    program.dialogs().beginEvent(e.answers);
    program.beforeEvent();
    switch (e.action) {
        case Action::Click:
            return click(program, e);
        case Action::Drop:
            return drop(program, e);
        case Action::Key:
            return key(program, e);
        case Action::Scroll:
            return scroll(windows, e);
        case Action::Tick:
            return tick(windows, e);
        case Action::Activate:
            if (rt::Form* form = pickOf(windows.shown(), e.where))
                windows.activate(*form);
            return;
        case Action::Close:
            if (rt::Form* form = pickOf(windows.shown(), e.where))
                windows.close(*form);
            return;
    }
}

std::string firstViolation(const std::vector<Invariant>& table) {
    for (const Invariant& invariant : table) {
        std::string wrong = invariant.violation();
        if (!wrong.empty())
            return invariant.name + ": " + wrong;
    }
    return "";
}

std::uint64_t instanceSeed(std::uint64_t seed, std::size_t instance) {
    return SplitMix(seed * 1000003u + instance).next();
}

}  // namespace

std::vector<Event> randomEvents(std::uint64_t seed, std::size_t count) {
    // Mostly clicks and drops, as a child's hands go; the rest now and then.
    struct Weighted {
        Action action;
        std::uint32_t weight;
    };
    static constexpr Weighted kMix[] = {
        {Action::Click, 38}, {Action::Drop, 36},    {Action::Key, 14},  {Action::Scroll, 3},
        {Action::Tick, 6},   {Action::Activate, 2}, {Action::Close, 1},
    };
    SplitMix random(seed);
    std::vector<Event> events;
    events.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t roll = random.below(100);
        Action action = Action::Click;
        for (const Weighted& w : kMix) {
            if (roll < w.weight) {
                action = w.action;
                break;
            }
            roll -= w.weight;
        }
        const auto where = static_cast<std::uint32_t>(random.next());
        const auto what = static_cast<std::uint32_t>(random.next());
        events.push_back({action, where, what, random.next()});
    }
    return events;
}

Outcome play(const ProgramFactory& start, std::uint64_t seed, const std::vector<Event>& events) {
    Outcome outcome;
    std::unique_ptr<Program> program;
    std::vector<Invariant> table;
    const auto finish = [&] {
        if (program) {
            outcome.boxes += program->dialogs().boxesShown();
            for (const auto& [text, count] : program->dialogs().messages())
                outcome.messages[text] += count;
        }
    };
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (!program || program->windows().ended()) {
            // The child starts the program again after it ended.
            finish();
            table.clear();
            program = start(instanceSeed(seed, outcome.programs++));
            table = program->invariants();
            if (std::string wrong = firstViolation(table); !wrong.empty()) {
                outcome.failed = true;
                outcome.failedAt = i;
                outcome.message = "at start: " + wrong;
                return outcome;
            }
        }
        apply(*program, events[i]);
        ++outcome.events;
        if (program->windows().ended())
            continue;  // the program is over; nothing of it is left to check
        for (const rt::Form* form : program->windows().shown()) ++outcome.shownAfter[form->name];
        if (std::string wrong = firstViolation(table); !wrong.empty()) {
            outcome.failed = true;
            outcome.failedAt = i;
            outcome.message = wrong;
            finish();
            return outcome;
        }
    }
    finish();
    return outcome;
}

std::vector<Event> shrink(const ProgramFactory& start, std::uint64_t seed,
                          std::vector<Event> events, const std::string& invariantName) {
    const auto fails = [&](const std::vector<Event>& list) {
        const Outcome o = play(start, seed, list);
        return o.failed && o.message.rfind(invariantName, 0) == 0;
    };
    // Complements of ever smaller chunks, as long as one still fails.
    std::size_t parts = 2;
    while (events.size() >= 2) {
        const std::size_t chunk = (events.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t from = 0; from < events.size(); from += chunk) {
            std::vector<Event> rest(events.begin(), events.begin() + static_cast<long>(from));
            rest.insert(rest.end(),
                        events.begin() + static_cast<long>(std::min(events.size(), from + chunk)),
                        events.end());
            if (fails(rest)) {
                events = std::move(rest);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= events.size())
                break;
            parts = std::min(events.size(), parts * 2);
        }
    }
    return events;
}

std::string asSource(const std::vector<Event>& events) {
    static const char* const kNames[] = {"Click", "Drop",     "Key",  "Scroll",
                                         "Tick",  "Activate", "Close"};
    std::ostringstream out;
    for (const Event& e : events) {
        char line[160];
        std::snprintf(line, sizeof line, "    {driver::Action::%s, %uu, %uu, 0x%016llxull},\n",
                      kNames[static_cast<int>(e.action)], e.where, e.what,
                      static_cast<unsigned long long>(e.answers));
        out << line;
    }
    return out.str();
}

std::string failureReport(const ProgramFactory& start, std::uint64_t seed,
                          const std::vector<Event>& events, const Outcome& outcome) {
    const std::string name = outcome.message.substr(0, outcome.message.find(':'));
    std::vector<Event> failing(events.begin(),
                               events.begin() + static_cast<long>(outcome.failedAt + 1));
    const std::vector<Event> shortest = shrink(start, seed, std::move(failing), name);
    const Outcome again = play(start, seed, shortest);
    std::ostringstream out;
    out << "seed " << seed << ": " << outcome.message << "\nafter event " << outcome.failedAt
        << "; shrunk to " << shortest.size() << " events, which fail with: " << again.message
        << "\nreplay with play(start, " << seed << "u, {\n"
        << asSource(shortest) << "})\n";
    return out.str();
}

}  // namespace driver
