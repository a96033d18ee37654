#pragma once
// What the text editor lets through of a typed character and of a pasted
// text for each text kind of editor. The locale separators are read at each
// call, so a change of FormatSettings applies at once.
#include "grid/base/GridTypes.h"
#include "platform/sys/String.h"

// The edit as the character arrives: its text and selection.
struct TEditCharContext {
  String Text;
  int SelStart = 0;
  int SelLength = 0;
  bool Ctrl = false;
  // ValidChars of the grid; when empty, the characters up to 255 in ValidCharSet.
  String ValidChars;
  const bool* ValidCharSet = nullptr;  // 256 entries, or nil for none
};

struct TCharVerdict {
  Char Key = 0;  // 0: dropped
  bool Beep = false;
};

// Key as typed (after any case conversion), or dropped, with a beep where
// the kind complains. Kinds that are no text kind take every character.
TCharVerdict FilterEditChar(TEditorType Kind, Char Key, const TEditCharContext& Edit);

// Whether the whole new text N of a paste suits the kind; the case kinds
// convert N in place.
bool FilterPastedText(TEditorType Kind, String& N, const String& ValidChars);
