#pragma once
// The single-line, quoted and code-page forms cell texts take in text, CSV,
// clipboard and HTML exchange.
#include "platform/sys/String.h"

// The clipboard's HTML block around Fragment, offsets counted in characters.
void WrapClipboardHTML(String& Fragment);

String CRToEscapedNewlines(StringView Text);  // CR -> "\n", LF dropped
String EscapedNewlinesToCR(StringView Text);  // "\n" -> CR
void CRToTilde(String& Text);                 // CR -> "~", LF dropped
void TildeToCRLF(String& Text);               // "~" -> CR LF; "^" -> ""
// CR LF -> #11, then the whole text in double quotes (quotes inside kept).
void QuoteMultilineField(String& Text);
void VTToCRLF(String& Text);
void CRLFToLF(String& Text);
String CRToLF(StringView Text);
String RemoveCR(StringView Text);
String DoubleQuoteChars(StringView Text);
// Each pair Ch Ch becomes one Ch, scanning from the left.
String CollapseDoubledChar(Char Ch, StringView Text);

// Where a quoted field ends when its quotes inside are doubled: the last
// character of the first run of Ch of odd length (or the text's last
// character when that is Ch). Position gets the answer too; 0 when none.
int FindOddCharRun(Char Ch, StringView Text, int& Position);
int CountOddCharRuns(Char Ch, StringView Text);
int CountChar(Char Ch, StringView Text);

// To OEM (CP437) bytes, one character per byte.
void ConvertToOEM(String& Text);
// The text's ANSI (Windows-1252) bytes read as OEM characters.
void ConvertFromOEM(String& Text);
