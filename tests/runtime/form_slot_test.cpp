#include "runtime/form_slot.h"

#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace {

struct Switchboard : rt::Form {
    Switchboard() : rt::Form("Switchboard", 1000, 1000) {}
    int value = 1;
    bool refuse = false;
    void Form_Unload(bool& cancel) override { cancel = refuse; }
};

TEST(FormSlot, CreatesOnFirstUseKeepsUntilUnloadedThenCreatesAfresh) {
    fakes::FakeWindows windows;
    int made = 0;
    rt::FormSlot<Switchboard> slot([&made] {
        ++made;
        return std::make_unique<Switchboard>();
    });
    EXPECT_FALSE(slot.exists());
    EXPECT_EQ(made, 0);

    slot->value = 0;
    EXPECT_TRUE(slot.exists());
    EXPECT_EQ(slot.get().value, 0) << "kept while it exists";
    EXPECT_EQ(made, 1);

    slot->refuse = true;
    windows.unload(slot.get());
    EXPECT_EQ(slot->value, 0) << "a cancelled unload keeps the window";
    EXPECT_EQ(made, 1);

    slot->refuse = false;
    windows.unload(slot.get());
    EXPECT_FALSE(slot.exists());
    EXPECT_EQ(slot->value, 1) << "created anew with its design value";
    EXPECT_EQ(made, 2);
}

}  // namespace
