#pragma once
// Small string and integer helpers of the grid's painting, editing, sorting
// and exchange code. Positions are 1-based, 0 means "not found".
#include "platform/sys/SysUtils.h"
#include "platform/sys/Types.h"

class TStrings;

inline int MaxInt2(int A, int B) { return A > B ? A : B; }
inline int MinInt2(int A, int B) { return A < B ? A : B; }
inline int WidePos(StringView Sub, StringView Text) { return Pos(Sub, Text); }

int PosWithIndex(StringView Sub, StringView Text, int& P);
// Sub is expected in upper case already.
int PosInUpperCase(StringView Sub, StringView Text);
int FindCharPos(Char Ch, StringView Text);
// P is set only when Ch is found.
int FindCharPosVar(Char Ch, StringView Text, int& P);

// The text before the first Delimiter, which Text loses up to and including
// the delimiter; "" with Text unchanged when there is no delimiter.
String TakeFieldBefore(String& Text, StringView Delimiter);
String JoinStringsPlain(const TStrings& List);
void FillWithChar(String& Text, Char Ch);
// Line := Text up to the first CR. With Keep, Text loses that line, its CR
// and one LF after it; otherwise (or without a CR) Text becomes empty.
void ExtractFirstLine(String& Text, bool Keep, String& Line);
int LineCount(StringView Text, bool MultiLine);

bool IsURLText(StringView Text);
void StripURLProtocol(String& Text);
// "R12C3" (any case) -> Cell = (3, 12).
bool ParseRowColAnchor(StringView Text, TPoint& Cell);
// "the mcx unit" -> "The McX Unit", "chapter ii" -> "Chapter II".
String ToMixedCase(StringView Text);

bool IsInRect(const TRect& Rect, int Col, int Row);
int ApplySizeLimits(int Value, int Min, int Max);
