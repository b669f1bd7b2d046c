// The check that a window lists every control it declares finds a forgotten one.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "runtime/control_list_check.h"
#include "runtime/make_controls.h"

namespace {

struct Forgetful : rt::Form {
    explicit Forgetful(bool listAll) : rt::Form("Forgetful", 1000, 1000) {
        addControls({&shown, &button});
        if (listAll)
            addControls({&forgotten});
    }
    rt::Label shown = rt::makeLabel("shown", 0, 0, 495, 495, 12, 0, 0xFFFFFF);
    rt::CommandButton button = rt::makeButton("button", "OK", 0, 600, 855, 495, 9.75);
    rt::Label forgotten = rt::makeLabel("forgotten", 600, 0, 495, 495, 12, 0, 0xFFFFFF);
};

TEST(ControlListCheck, PassesAWindowThatListsEveryControl) {
    rt::ControlCensus census;
    Forgetful form(true);
    control_check::expectEveryDeclaredControlListed(form, sizeof form, census);
}

TEST(ControlListCheck, NamesAControlDeclaredButNotListed) {
    EXPECT_NONFATAL_FAILURE(
        {
            rt::ControlCensus census;
            Forgetful form(false);
            control_check::expectEveryDeclaredControlListed(form, sizeof form, census);
        },
        "forgotten is declared but not listed");
}

TEST(ControlListCheck, NoticesAWindowMadeOutsideTheCensus) {
    static const Forgetful made(true);
    EXPECT_FATAL_FAILURE(
        {
            rt::ControlCensus census;
            control_check::expectEveryDeclaredControlListed(made, sizeof made, census);
        },
        "not made during the census");
}

}  // namespace
