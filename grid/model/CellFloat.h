#pragma once
// The number a cell text reads as: separators and currency marks of the
// number text allowed, an empty text or a lone "-" as 0.
#include "platform/sys/String.h"

// False, Value untouched, when the text is no number.
bool TryCellTextToFloat(StringView Text, double& Value);
