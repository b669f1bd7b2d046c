#pragma once
// The key codes the windows expect (Windows virtual-key numbers) for Qt's keys.

#include <Qt>
#include <optional>

namespace rtqt {

// Top-row digits 48-57 and keypad digits 96-105, letters 65-90, arrows 37-40,
// Esc 27, space 32, Return 13 and the other keys a window could sensibly ask for;
// nothing for keys without such a code.
std::optional<int> keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace rtqt
