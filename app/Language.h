#pragma once
// The text table and the language files. A language file is LANGUAGE/<name>.lng:
// text lines "STR<index> = <text>"; "/#/" starts a remark; a pilcrow as the
// first character of the text is dropped and a later one ends the text, so
// blanks around a text survive the trimming of the line.
#include "platform/sys/String.h"

class TProgramState;

// Keeps the blanks around a text: dropped as its first character, and
// ending the text anywhere later.
constexpr Char Language_Pilcrow = u'\u00B6';
class TStrings;

// Empties Texts, fills in the 2000 built-in texts and sets Text_Count.
void Load_Default_Texts(TProgramState& State);
// Applies one language file to Texts; a file that exists but cannot be read
// (also a folder, pipe or device, or a file above Document_Size_Limit)
// raises EInOutError and changes nothing.
void Load_Language_File(TProgramState& State, const String& FileName);
// Default texts, then the file of Language; a missing file falls back to
// English (Language then says "English"), then to the defaults alone. A
// file that cannot be read leaves the built-in texts and Language
// "English", then raises its error for the caller to show.
void Load_Language(TProgramState& State);
// The language name is a file name in LANGUAGE: no folder part, nothing
// that leads out of it. Names that are not are replaced by the default.
bool Plain_Language_Name(StringView Name);

// One line of a language file; lines that carry no usable entry change nothing.
void Apply_Language_Line(TStrings& Texts, int Text_Count, StringView Line);
