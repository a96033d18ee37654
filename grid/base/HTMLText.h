#pragma once
// String operations on mini-HTML texts that draw nothing: plain text,
// escaping for export and control values, link insertion and search
// highlighting. They never raise, and run in time linear in the text.
#include "platform/sys/SysUtils.h"
#include "platform/sys/Types.h"

// "<BR>" and "<HR>" (any case) become CR LF, every other tag goes; from a
// "<" with no ">" after it the rest stays as it is.
String HTMLToPlainText(StringView Text);
// Tags go while a "<" comes before the first ">" left; the rest stays.
String HTMLToPlainTextNoBreaks(StringView Text);
// The 1-based raw position just after the (N-1)-th visible character (one
// outside "<"...">"), so tags that follow it come after; 1 for N = 1; 0
// when the text has fewer than N-1 visible characters.
int VisibleToRawIndex(StringView Text, int N);
// Search looked for in Text after its first Offset characters (both
// upper-cased by the locale unless CaseSensitive); the 1-based position in
// the whole Text, also stored in Position, or 0.
int FindTextFrom(StringView Search, StringView Text, int Offset, bool CaseSensitive, int& Position);

// "&", double quote, "<" and ">" become their entities; with Extended the
// accented letters, copyright, registered, euro and guillemets too.
String EscapeHTMLText(StringView Text, bool Extended);
// Reverses EscapeHTMLText in one left-to-right pass, each entity once:
// "&lt;", "&gt;", "&amp;", "&quot;" in any case, the extended ones exactly.
String UnescapeHTMLText(StringView Text, bool Extended);
String SpacesToNbsp(StringView Text);
// Every CR becomes "<br>" (LF stays).
String LineBreaksToBR(StringView Text);
// Six upper-case hexadecimal digits, red first; system colours resolved.
String ColorToHTMLHex(TColor Color);
// Wraps the URL that starts at Prefix (upper case, e.g. "HTTP://") in an
// anchor, after escaping the angle brackets; False when Text has no Prefix.
bool InsertURLLink(StringView Text, StringView Prefix, String& Result);

// The colours the HI tag paints with (system highlight colours at first).
void SetHTMLHighlightColors(TColor Background, TColor TextColor);
TColor HTMLHighlightBackground();
TColor HTMLHighlightTextColor();
// Every occurrence of Search in the visible text enclosed in "<Tag>" (before
// the tags that precede its first character) and "</Tag>" (right after its
// last one). An empty Search changes nothing.
void HighlightInHTML(StringView Text, StringView Search, StringView TagName, bool CaseSensitive, String& Result);
// Removes the marks of HighlightInHTML (any case) and turns "&lt;", "&gt;" back.
String RemoveHighlightTags(StringView Text, StringView TagName);
// Removes the marks of HighlightInHTML (any case) only; entities stay.
String RemoveTagMarks(StringView Text, StringView TagName);
