#include "grid/base/GridStrings.h"

#include "platform/sys/Strings.h"

int PosWithIndex(StringView Sub, StringView Text, int& P) {
  P = Pos(Sub, Text);
  return P;
}

int PosInUpperCase(StringView Sub, StringView Text) { return Pos(Sub, AnsiUpperCase(Text)); }

int FindCharPos(Char Ch, StringView Text) {
  const size_t i = Text.find(Ch);
  return i == StringView::npos ? 0 : static_cast<int>(i) + 1;
}

int FindCharPosVar(Char Ch, StringView Text, int& P) {
  const int i = FindCharPos(Ch, Text);
  if (i > 0) P = i;
  return i;
}

String TakeFieldBefore(String& Text, StringView Delimiter) {
  const int p = Pos(Delimiter, Text);
  if (p == 0) return String();
  String field = Copy(Text, 1, p - 1);
  Delete(Text, 1, p - 1 + static_cast<int>(Delimiter.size()));
  return field;
}

String JoinStringsPlain(const TStrings& List) {
  String r;
  for (int i = 0; i < List.Count(); ++i) r += List.Strings(i);
  return r;
}

void FillWithChar(String& Text, Char Ch) { Text.assign(Text.size(), Ch); }

void ExtractFirstLine(String& Text, bool Keep, String& Line) {
  const int cr = FindCharPos(u'\r', Text);
  if (cr == 0) {
    Line = Text;
    Text.clear();
    return;
  }
  Line = Copy(Text, 1, cr - 1);
  if (!Keep) {
    Text.clear();
    return;
  }
  const bool lf = cr < static_cast<int>(Text.size()) && Text[static_cast<size_t>(cr)] == u'\n';
  Delete(Text, 1, cr + (lf ? 1 : 0));
}

int LineCount(StringView Text, bool MultiLine) {
  if (!MultiLine) return 1;
  int n = 1;
  for (Char c : Text) n += c == u'\r';
  return n;
}

bool IsURLText(StringView Text) { return Pos(u"://", Text) > 0 || Pos(u"mailto:", Text) > 0; }

void StripURLProtocol(String& Text) {
  if (const int p = Pos(u"://", Text); p > 0) {
    Delete(Text, 1, p + 2);
  } else if (const int m = Pos(u"mailto:", Text); m > 0) {
    Delete(Text, 1, m + 6);
  }
}

bool ParseRowColAnchor(StringView Text, TPoint& Cell) {
  const String s = UpperCase(Text);
  if (s.size() <= 3 || s[0] != u'R') return false;
  const int c = Pos(u"C", s);
  int row = 0, col = 0;
  if (c == 0 || !TryStrToInt(Copy(s, 2, c - 2), row) || !TryStrToInt(Copy(s, c + 1), col)) return false;
  Cell = Point(col, row);
  return true;
}

namespace {

bool IsWordSeparator(Char c) { return c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.'; }

Char Upper(Char c) { return AnsiUpperCase(StringView(&c, 1))[0]; }
Char Lower(Char c) { return AnsiLowerCase(StringView(&c, 1))[0]; }

// Upper-cases the character after the 1-based position P, when there is one.
void UpperAfter(String& s, int P) {
  if (P >= 1 && P < static_cast<int>(s.size())) s[static_cast<size_t>(P)] = Upper(s[static_cast<size_t>(P)]);
}

bool HasAt(const String& s, int P, StringView Sub) {
  return P >= 1 && Copy(s, P, static_cast<int>(Sub.size())) == Sub;
}

}  // namespace

String ToMixedCase(StringView Text) {
  String s(Text);
  bool wordStart = true;
  for (Char& c : s) {
    c = wordStart ? Upper(c) : Lower(c);
    wordStart = IsWordSeparator(c);
  }
  if (HasAt(s, 1, u"Mc")) UpperAfter(s, 2);
  if (const int p = Pos(u" Mc", s); p > 0) UpperAfter(s, p + 2);
  // A roman numeral closing the text keeps its capitals ("Volume II", "Volume III").
  const int n = static_cast<int>(s.size());
  for (int p = n - 2; p <= n - 1; ++p) {
    if (HasAt(s, p - 1, u" I")) UpperAfter(s, p);
  }
  for (int p = n - 2; p <= n - 1; ++p) {
    if (HasAt(s, p - 2, u" II")) UpperAfter(s, p);
  }
  return s;
}

bool IsInRect(const TRect& Rect, int Col, int Row) {
  return Rect.Left <= Col && Col <= Rect.Right && Rect.Top <= Row && Row <= Rect.Bottom;
}

int ApplySizeLimits(int Value, int Min, int Max) {
  if (Min == Max) return Value;
  if (Min > 0 && Value < Min) return Min;
  if (Max > 0 && Value > Max) return Max;
  return Value;
}
