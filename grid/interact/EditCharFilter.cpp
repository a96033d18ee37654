#include "grid/interact/EditCharFilter.h"

#include "grid/base/GridStrings.h"
#include "grid/base/NumberText.h"
#include "platform/sys/FormatSettings.h"
#include "platform/sys/SysUtils.h"

namespace {
bool IsControlKey(Char Key) { return Key == 8 || Key == 9 || Key == 13 || Key == 27; }
bool IsAsciiDigit(Char Key) { return Key >= u'0' && Key <= u'9'; }
bool Holds(const String& S, Char C) { return S.find(C) != String::npos; }

String Selected(const TEditCharContext& Edit) {
  const auto start = static_cast<size_t>(std::max(Edit.SelStart, 0));
  if (start >= Edit.Text.size()) return String();
  return Edit.Text.substr(start, static_cast<size_t>(std::max(Edit.SelLength, 0)));
}

TCharVerdict Numeric(Char Key, const TEditCharContext& Edit, bool Signed) {
  if (IsControlKey(Key) || IsAsciiDigit(Key)) return {Key, false};
  if (Signed && Key == u'-' && !Holds(Edit.Text, u'-') && Edit.SelStart == 0) return {Key, false};
  return {0, true};
}

TCharVerdict Float(Char Key, const TEditCharContext& Edit, bool Signed) {
  const bool accepted = IsControlKey(Key) || IsAsciiDigit(Key) || Key == u',' || Key == u'.' ||
                        (Signed && Key == u'-');
  if (!accepted) return {Edit.Ctrl ? Key : Char(0), false};
  if (Key == FormatSettings.DecimalSeparator && Holds(Edit.Text, Key) && !Holds(Selected(Edit), Key))
    return {0, false};
  if (Key == FormatSettings.ThousandSeparator) return {0, false};
  if (Key == u'-' && (Edit.SelStart != 0 || Holds(Edit.Text, u'-')) && !Holds(Selected(Edit), u'-'))
    return {0, true};
  return {Key, false};
}

bool InValidChars(Char Key, const TEditCharContext& Edit) {
  if (!Edit.ValidChars.empty()) return Holds(Edit.ValidChars, Key);
  return Key <= 255 && Edit.ValidCharSet && Edit.ValidCharSet[Key];
}
}  // namespace

TCharVerdict FilterEditChar(TEditorType Kind, Char Key, const TEditCharContext& Edit) {
  switch (Kind) {
    case edNumeric: return Numeric(Key, Edit, true);
    case edPositiveNumeric: return Numeric(Key, Edit, false);
    case edFloat: return Float(Key, Edit, true);
    case edPositiveFloat: return Float(Key, Edit, false);
    case edCapital: case edUpperCase: return {AnsiUpperCase(String(1, Key))[0], false};
    case edLowerCase: return {AnsiLowerCase(String(1, Key))[0], false};
    case edValidChars:
      if (Key == 8 || Key == 13 || InValidChars(Key, Edit)) return {Key, false};
      return {0, true};
    default: return {Key, false};
  }
}

bool FilterPastedText(TEditorType Kind, String& N, const String& ValidChars) {
  const int kind = ClassifyNumberText(N);
  switch (Kind) {
    case edNumeric: return kind == ntInteger;
    case edPositiveNumeric: return kind == ntInteger && !Holds(N, u'-');
    case edFloat: return kind == ntInteger || kind == ntSeparated;
    case edPositiveFloat: return (kind == ntInteger || kind == ntSeparated) && !Holds(N, u'-');
    case edMixedCase: N = ToMixedCase(N); return true;
    case edLowerCase: N = AnsiLowerCase(N); return true;
    case edUpperCase: N = AnsiUpperCase(N); return true;
    case edValidChars:
      for (Char c : N)
        if (!Holds(ValidChars, c)) return false;
      return true;
    default: return true;
  }
}
