// The windows beside the trainer declare no control that their list forgets.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "games/form4.h"
#include "games/memo.h"
#include "games/modul1.h"
#include "info/zoblabel.h"
#include "runtime/control_list_check.h"

namespace {

struct Surroundings {
    fakes::Fakes f;
    rt::Form trainer{"Form2", 7845, 5685};
    games::Modul1 modul1;
};

TEST(WindowControls, TheInfoWindowListsEveryControlItDeclares) {
    Surroundings s;
    rt::ControlCensus census;
    const info::ZOBLABEL form(s.f.services);
    control_check::expectEveryDeclaredControlListed(form, sizeof form, census);
}

TEST(WindowControls, TheCatchingGameListsEveryControlItDeclares) {
    Surroundings s;
    rt::ControlCensus census;
    const games::Form4 form(s.f.services, s.trainer, s.modul1);
    control_check::expectEveryDeclaredControlListed(form, sizeof form, census);
}

TEST(WindowControls, TheMemoryGameListsEveryControlItDeclares) {
    Surroundings s;
    rt::ControlCensus census;
    const games::Memo form(s.f.services, s.trainer, s.modul1);
    control_check::expectEveryDeclaredControlListed(form, sizeof form, census);
}

}  // namespace
