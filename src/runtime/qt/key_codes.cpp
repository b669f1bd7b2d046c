#include "runtime/qt/key_codes.h"

#include <array>
#include <utility>

namespace rtqt {

namespace {

// Keys with the same code wherever they sit on the keyboard.
constexpr std::array<std::pair<int, int>, 33> kNamedKeys{{
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},      {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},         {Qt::Key_Home, 36},     {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},          {Qt::Key_Right, 39},    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},        {Qt::Key_Meta, 91},     {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},     {Qt::Key_Menu, 93},     {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Clear, 12},    {Qt::Key_Sleep, 95},
}};

// The arithmetic keys of the keypad.
constexpr std::array<std::pair<int, int>, 6> kKeypadKeys{{
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},  // the decimal key of a German keypad
    {Qt::Key_Slash, 111},
}};

// Punctuation keys of the German layout, by the character they type unshifted.
constexpr std::array<std::pair<int, int>, 12> kPunctuationKeys{{
    {Qt::Key_Udiaeresis, 186},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_NumberSign, 191},
    {Qt::Key_Odiaeresis, 192},
    {Qt::Key_ssharp, 219},
    {Qt::Key_AsciiCircum, 220},
    {Qt::Key_acute, 221},
    {Qt::Key_Adiaeresis, 222},
    {Qt::Key_Less, 226},
}};

template <std::size_t N>
std::optional<int> lookUp(const std::array<std::pair<int, int>, N>& table, int qtKey) {
    for (const auto& [key, code] : table) {
        if (key == qtKey)
            return code;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (auto code = lookUp(kNamedKeys, qtKey))
        return code;
    if (keypad) {
        if (auto code = lookUp(kKeypadKeys, qtKey))
            return code;
    }
    return lookUp(kPunctuationKeys, qtKey);
}

}  // namespace rtqt
