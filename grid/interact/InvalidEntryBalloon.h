#pragma once
// The balloon that explains a refused entry, pointing at the editor in use.
// Kept apart from the grid's headers: the platform's balloon icon names
// clash with the grid's cell balloon icons.
#include "platform/gui/Controls.h"

// Icon: 0 none, 1 info, 2 warning, 3 error.
void ShowInvalidEntryBalloon(TWinControl& Target, const String& Title, const String& Text, int Icon);
