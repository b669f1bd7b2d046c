#include "runtime/qt/key_codes.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct KeyCase {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    std::optional<int> code;
};

constexpr auto kNone = Qt::NoModifier;
constexpr auto kPad = Qt::KeypadModifier;

const KeyCase kCases[] = {
    // Top-row digits and keypad digits differ.
    KeyCase{Qt::Key_0, kNone, 48}, KeyCase{Qt::Key_7, kNone, 55}, KeyCase{Qt::Key_9, kNone, 57},
    KeyCase{Qt::Key_0, kPad, 96}, KeyCase{Qt::Key_5, kPad, 101}, KeyCase{Qt::Key_9, kPad, 105},
    KeyCase{Qt::Key_3, Qt::ShiftModifier, 51},
    // Letters whatever the case.
    KeyCase{Qt::Key_A, kNone, 65}, KeyCase{Qt::Key_Z, Qt::ShiftModifier, 90},
    // Arrows: left, up, right, down; also from the keypad without NumLock.
    KeyCase{Qt::Key_Left, kNone, 37}, KeyCase{Qt::Key_Up, kNone, 38},
    KeyCase{Qt::Key_Right, kNone, 39}, KeyCase{Qt::Key_Down, kNone, 40},
    KeyCase{Qt::Key_Up, kPad, 38},
    // Named keys.
    KeyCase{Qt::Key_Escape, kNone, 27}, KeyCase{Qt::Key_Space, kNone, 32},
    KeyCase{Qt::Key_Return, kNone, 13}, KeyCase{Qt::Key_Enter, kPad, 13},
    KeyCase{Qt::Key_Backspace, kNone, 8}, KeyCase{Qt::Key_Tab, kNone, 9},
    KeyCase{Qt::Key_Shift, Qt::ShiftModifier, 16}, KeyCase{Qt::Key_Control, kNone, 17},
    KeyCase{Qt::Key_Alt, kNone, 18}, KeyCase{Qt::Key_Delete, kNone, 46},
    KeyCase{Qt::Key_F1, kNone, 112}, KeyCase{Qt::Key_F12, kNone, 123},
    // The keypad's arithmetic keys against the same characters elsewhere.
    KeyCase{Qt::Key_Minus, kPad, 109}, KeyCase{Qt::Key_Minus, kNone, 189},
    KeyCase{Qt::Key_Plus, kPad, 107}, KeyCase{Qt::Key_Plus, kNone, 187},
    KeyCase{Qt::Key_Comma, kPad, 110}, KeyCase{Qt::Key_Comma, kNone, 188},
    KeyCase{Qt::Key_Asterisk, kPad, 106}, KeyCase{Qt::Key_Adiaeresis, kNone, 222},
    KeyCase{Qt::Key_ssharp, kNone, 219},
    // Keys with no code are not passed on.
    KeyCase{Qt::Key_Exclam, Qt::ShiftModifier, std::nullopt},
    KeyCase{Qt::Key_Asterisk, kNone, std::nullopt}, KeyCase{Qt::Key_VolumeUp, kNone, std::nullopt},
    KeyCase{Qt::Key_unknown, kNone, std::nullopt}};

TEST(KeyCodes, MapQtKeysToTheCodesTheWindowsExpect) {
    for (const KeyCase& c : kCases) {
        EXPECT_EQ(rtqt::keyCodeFor(c.qtKey, c.modifiers), c.code)
            << "Qt key 0x" << std::hex << c.qtKey << ", modifiers 0x" << c.modifiers.toInt();
    }
}

}  // namespace
