#pragma once
// Every control a window declares must be in its control list, or the renderer
// never shows it. Make the window inside a census and hand both here.

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "runtime/controls.h"
#include "runtime/form.h"

namespace control_check {

// The control carrying a mark: the mark sits at the same place in every control.
inline const rt::Control& controlOf(const rt::ControlCensus::Mark* mark) {
    static const rt::Label probe("probe", 0, 0, 0, 0);
    const std::ptrdiff_t offset =
        reinterpret_cast<const char*>(&probe.censusMark) -
        reinterpret_cast<const char*>(static_cast<const rt::Control*>(&probe));
    return *reinterpret_cast<const rt::Control*>(reinterpret_cast<const char*>(mark) - offset);
}

// Names the controls that lie inside the window object (its members) but are not
// in its list, and any control listed twice.
inline void expectEveryDeclaredControlListed(const rt::Form& form, std::size_t formSize,
                                             const rt::ControlCensus& census) {
    const char* begin = reinterpret_cast<const char*>(&form);
    std::set<const rt::ControlCensus::Mark*> declared;
    for (const rt::ControlCensus::Mark* mark : census.alive()) {
        const char* at = reinterpret_cast<const char*>(mark);
        if (at >= begin && at < begin + formSize)
            declared.insert(mark);
    }
    ASSERT_FALSE(declared.empty()) << "the window was not made during the census";
    std::set<const rt::ControlCensus::Mark*> listed;
    for (const rt::Control* c : form.controls()) listed.insert(&c->censusMark);

    for (const rt::ControlCensus::Mark* mark : declared) {
        EXPECT_TRUE(listed.count(mark)) << controlOf(mark).name << " is declared but not listed";
    }
    EXPECT_EQ(listed.size(), form.controls().size()) << "a control is listed twice";
}

}  // namespace control_check
