#pragma once
// Enumerations the drop-down family's settings store, streamed by name:
// never reorder or rename.
#include "grid/base/EnumNames.h"

// Which way a gradient runs: gdHorizontal from left to right.
GX_ENUM(TGradientDirection, gdHorizontal, gdVertical);

// The look of a selected entry.
GX_ENUM(TSelectionColorStyle, scCustom, scOffice2007, scWindowsVista, scWindows7);

// Where a drop-down's pop-up opens: dpAuto below the edit unless the
// screen ends there.
GX_ENUM(TDropPosition, dpAuto, dpDown, dpUp);

// What a drop-down edit takes as typed entry.
GX_ENUM(TDropDownEditType, etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase,
        etPassword, etMoney, etRange, etHex, etAlphaNumeric, etValidChars);
