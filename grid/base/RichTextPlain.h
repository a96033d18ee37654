#pragma once
// The plain text of an RTF stream kept in a cell: control words, groups of
// the header and destinations dropped; \par and \line become CR LF, \tab a
// tab, \'hh the Windows-1252 character, \\ \{ \} themselves; the final
// paragraph mark is dropped.
#include "platform/sys/String.h"

String RichTextToPlainText(StringView Rtf);
