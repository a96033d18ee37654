#pragma once
// The keyboard layout both input drivers type with: the character a key
// gives, and the key that gives a character.
#include "platform/gui/ControlTypes.h"

namespace testsupport {
// As the reference platform's layout gives it (with Alt it comes as WM_SYSCHAR); 0 for none.
char16_t CharOfKey(WORD Vk, TShiftState Shift);
// The key for Ch; Shift gains the shift key where Ch needs it. 0 when no key types it.
WORD KeyOfChar(char16_t Ch, TShiftState& Shift);
}  // namespace testsupport
