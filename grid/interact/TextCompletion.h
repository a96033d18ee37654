#pragma once
// Completion of a typed prefix from a list of texts, as the grid's editors
// complete from their items and lookup lists.
#include "platform/sys/Strings.h"

struct TCompletion {
  int Index = -1;  // of the item that completes, -1 none
  String Text;     // the prefix as typed, then the rest of the item
};

// The first item that begins with Prefix, compared without case unless
// CaseSensitive; the item's part after the prefix is at most 255 characters.
TCompletion CompletePrefix(const TStrings& Items, const String& Prefix, bool CaseSensitive);
