#pragma once
// The keys that move a lesson's key cursor and act on its current item.
#include "key_cursor.h"

#include <Qt>

#include <optional>

namespace lumora {

// The arrows, Home and End without Ctrl or Alt as a cursor's steps.
std::optional<KeyStep> ArrowStep(int key, Qt::KeyboardModifiers modifiers);
// The same and Tab (on) and Shift+Tab (back), where Tab moves inside an item.
std::optional<KeyStep> ArrowOrTabStep(int key, Qt::KeyboardModifiers modifiers);
// Space or Enter, which act on the current item as a click does.
bool IsChooseKey(int key);

} // namespace lumora
