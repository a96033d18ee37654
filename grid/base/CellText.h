#pragma once
// What a cell text holds, and the encodings that carry it through files and
// streams unchanged.
#include "platform/sys/String.h"

enum TCellTextKind { ctkPlain = 0, ctkHTML = 1, ctkRichText = 2, ctkFormula = 3, ctkPackedWide = 5 };
// 0 plain, 1 mini-HTML (only with AllowHTML), 2 rich text ("{\"), 3 formula
// ("=", or packed wide text whose first unit is "="), 5 packed wide text ("|\").
int CellTextKind(StringView Text, bool AllowHTML);

// "|\" then the high and the low byte of each UTF-16 unit, one character each.
String PackWideCellText(StringView WideText);
// Text not starting with "|\" comes back unchanged; an odd last character
// is ignored.
String UnpackWideCellText(StringView Text);

// Only a text holding a CR is encoded: CR -> #9, LF -> #8, #0 -> #1.
String EncodeLineBreaksForSave(StringView Text);
// Only a text holding #8 is decoded; without MultiLine the first line only.
String DecodeLineBreaksFromLoad(StringView Text, bool MultiLine);
