#pragma once
// Keys the native edit takes as cut and paste, which an edit that allows
// only its own changes must hold back.
#include "platform/gui/ControlTypes.h"

// Shift+Delete cuts and Shift+Insert pastes.
inline bool CutOrPasteKey(WORD Key, TShiftState Shift) {
  return Shift.Contains(ssShift) && (Key == VK_INSERT || Key == VK_DELETE);
}

// Ctrl+X and Ctrl+V type these characters.
inline bool CutOrPasteChar(Char Ch) { return Ch == 24 || Ch == 22; }
