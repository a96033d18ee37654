#include "grid/base/HTMLHelpers.h"

#include <array>
#include <climits>
#include <utility>

namespace {

struct TNamedColor {
  const char16_t* Name;
  TColor Color;
};

constexpr std::array<TNamedColor, 40> kColorNames{{
    {u"clred", clRed},
    {u"clblack", clBlack},
    {u"clblue", clBlue},
    {u"clgreen", clGreen},
    {u"claqua", clAqua},
    {u"clyellow", clYellow},
    {u"clfuchsia", clFuchsia},
    {u"clwhite", clWhite},
    {u"cllime", clLime},
    {u"clsilver", clSilver},
    {u"clgray", clGray},
    {u"clolive", clOlive},
    {u"clnavy", clNavy},
    {u"clpurple", clPurple},
    {u"clteal", clTeal},
    {u"clmaroon", clMaroon},
    {u"clbackground", clBackground},
    {u"clactivecaption", clActiveCaption},
    {u"clinactivecaption", clInactiveCaption},
    {u"clmenu", clMenu},
    {u"clwindow", clWindow},
    {u"clwindowframe", clWindowFrame},
    {u"clmenutext", clMenuText},
    {u"clwindowtext", clWindowText},
    {u"clcaptiontext", clCaptionText},
    {u"clactiveborder", clActiveBorder},
    {u"clinactiveborder", clInactiveBorder},
    {u"clappworkspace", clAppWorkSpace},
    {u"clhighlight", clHighlight},
    {u"clhighlighttext", clHighlightText},
    {u"clbtnface", clBtnFace},
    {u"clbtnshadow", clBtnShadow},
    {u"clgraytext", clGrayText},
    {u"clbtntext", clBtnText},
    {u"clinactivecaptiontext", clInactiveCaptionText},
    {u"clbtnhighlight", clBtnHighlight},
    {u"cl3ddkshadow", cl3DDkShadow},
    {u"cl3dlight", cl3DLight},
    {u"clinfotext", clInfoText},
    {u"clinfobk", clInfoBk},
}};

int HexDigit(Char C) {
  if (C >= u'0' && C <= u'9') return C - u'0';
  if (C >= u'A' && C <= u'F') return C - u'A' + 10;
  return 0;
}

StringView From(StringView Text, size_t Index) { return Index < Text.size() ? Text.substr(Index) : StringView(); }

}  // namespace

TColor ColorNameToColor(StringView Name) {
  for (const auto& entry : kColorNames)
    if (Name == entry.Name) return entry.Color;
  return 0;
}

int HexPairValue(StringView Text) {
  if (Text.size() < 2) return 0;
  return HexDigit(Text[0]) * 16 + HexDigit(Text[1]);
}

TColor HexColorToColor(StringView Text) {
  return RGB(HexPairValue(From(Text, 1)), HexPairValue(From(Text, 3)), HexPairValue(From(Text, 5)));
}

bool ReplaceFirstNoCase(StringView Pattern, StringView Replacement, String& Text) {
  const int p = PosNoCase(Pattern, Text);
  if (p == 0) return false;
  Text.replace(static_cast<size_t>(p - 1), Pattern.size(), Replacement);
  return true;
}

int PosNoCase(StringView Sub, StringView Text) { return Pos(UpperCase(Sub), UpperCase(Text)); }

int PosOut(StringView Sub, StringView Text, int& P) { return P = Pos(Sub, Text); }

int PosUpperOut(StringView Sub, StringView Text, int& P) { return P = Pos(Sub, UpperCase(Text)); }

String QuotedValueAfter(StringView Text, StringView Upper, StringView Name) {
  const size_t at = Upper.find(Name);
  if (at == StringView::npos) return String();
  const size_t open = Upper.find(u'"', at + Name.size());
  if (open == StringView::npos) return String();
  size_t close = Upper.find(u'"', open + 1);
  if (close == StringView::npos) close = Text.ends_with(u'>') ? Text.size() - 1 : Text.size();
  return String(Text.substr(open + 1, close - open - 1));
}

bool TryStrToIntPartial(StringView Text, int& Value) {
  size_t i = 0;
  const bool negative = !Text.empty() && Text[0] == u'-';
  if (!Text.empty() && (Text[0] == u'-' || Text[0] == u'+')) ++i;
  long long magnitude = 0;
  bool digits = false, overflow = false;
  for (; i < Text.size() && Text[i] >= u'0' && Text[i] <= u'9'; ++i) {
    digits = true;
    if (!overflow) magnitude = magnitude * 10 + (Text[i] - u'0');
    overflow = overflow || magnitude > INT_MAX;
  }
  if (overflow) magnitude = INT_MAX;
  Value = static_cast<int>(negative ? -magnitude : magnitude);
  return digits && !overflow;
}

int StrToIntPartial(StringView Text) {
  int value = 0;
  TryStrToIntPartial(Text, value);
  return value;
}
