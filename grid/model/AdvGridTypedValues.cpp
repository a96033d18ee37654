// Cell text read and written as integers, floats, dates and times, the
// version text, the print column table and the copied settings objects.
#include <charconv>
#include <system_error>

#include "grid/base/BackGround.h"
#include "grid/base/FocusHelper.h"
#include "grid/base/GridProgressAppearance.h"
#include "grid/base/HTMLControls.h"
#include "grid/base/LocaleFormat.h"
#include "grid/base/NumberText.h"
#include "grid/base/ShowModified.h"
#include "grid/base/SyncGrid.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/CellFloat.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/Format.h"

namespace {

// An empty text or a lone "-" reads as 0.
bool IsNullNumber(const String& Text) { return Text.empty() || Text == u"-"; }

int TextToInt(const String& Text) {
  const String s = Trim(Text);
  if (IsNullNumber(s)) return 0;
  int value = 0;
  if (!TryStrToInt(s, value)) throw EAdvGridError(AdvGridErrors::NoIntegerValue);
  return value;
}

double TextToFloat(const String& Text) {
  double value = 0.0;
  if (!TryCellTextToFloat(Text, value)) throw EAdvGridError(AdvGridErrors::NoFloatValue);
  return value;
}

}  // namespace

namespace {

bool IsAsciiDigit(Char c) { return c >= u'0' && c <= u'9'; }

// Digits with at most one decimal separator and a leading minus, the common
// case, read without building strings.
bool TryPlainDecimal(StringView Text, double& Value) {
  constexpr size_t kMax = 40;
  const size_t start = !Text.empty() && Text[0] == u'-' ? 1 : 0;
  if (Text.size() <= start || Text.size() > kMax) return false;
  if (!IsAsciiDigit(Text[start]) || !IsAsciiDigit(Text.back())) return false;
  const Char dec = GetDecimalSeparator();
  char buf[kMax];
  bool point = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    const Char c = Text[i];
    if (IsAsciiDigit(c) || (i == 0 && c == u'-')) {
      buf[i] = static_cast<char>(c);
    } else if (c == dec && !point) {
      buf[i] = '.';
      point = true;
    } else {
      return false;
    }
  }
  const auto [end, ec] = std::from_chars(buf, buf + Text.size(), Value);
  return ec == std::errc() && end == buf + Text.size();
}

}  // namespace

bool TryCellTextToFloat(StringView Text, double& Value) {
  if (TryPlainDecimal(Text, Value)) return true;
  String s = NormalizeNumberText(Text);
  if (IsNullNumber(s)) {
    Value = 0.0;
    return true;
  }
  // The normalized text carries "."; the conversion reads the locale's separator.
  for (Char& c : s) {
    if (c == u'.') c = GetDecimalSeparator();
  }
  return TryStrToFloat(s, Value);
}

int TAdvStringGrid::Ints(int ACol, int ARow) { return TextToInt(StrippedCells(ACol, ARow)); }

void TAdvStringGrid::SetInts(int ACol, int ARow, int Value) {
  SetCells(ACol, ARow, IntToStr(Value));
  if (NumHiddenColumns() > 0) RepaintDisplCell(ACol, ARow);
}

int TAdvStringGrid::AllInts(int ACol, int ARow) { return TextToInt(AllCells(ACol, ARow)); }

void TAdvStringGrid::SetAllInts(int ACol, int ARow, int Value) {
  SetAllCells(ACol, ARow, IntToStr(Value));
}

double TAdvStringGrid::Floats(int ACol, int ARow) { return TextToFloat(StrippedCells(ACol, ARow)); }

double TAdvStringGrid::AllFloats(int ACol, int ARow) { return TextToFloat(AllCells(ACol, ARow)); }

// Formatting comes first, so a format that fails leaves the cell as it was.
void TAdvStringGrid::StoreFloat(int ACol, int ARow, const String& Fmt, double Value,
                                bool ThroughAllCells) {
  const String text = Format(Fmt, {Value});
  if (ThroughAllCells) {
    SetAllCells(ACol, ARow, text);
  } else {
    SetCells(ACol, ARow, text);
  }
}

void TAdvStringGrid::SetFloats(int ACol, int ARow, double Value) {
  String fmt;
  GetColumnFloatFormat(ACol, fmt);
  StoreFloat(ACol, ARow, fmt, Value, false);
}

void TAdvStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
  StoreFloat(ACol, ARow, FValues.FloatFormat, Value, true);
}

TDateTime TAdvStringGrid::Dates(int ACol, int ARow) { return StrToDate(Cells(ACol, ARow)); }

void TAdvStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
  SetCells(ACol, ARow, Value > 0 || FLook.ShowNullDates ? DateToStr(Value) : String());
}

TDateTime TAdvStringGrid::Times(int ACol, int ARow) { return StrToTime(Cells(ACol, ARow)); }

void TAdvStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) {
  SetCells(ACol, ARow, TimeToStr(Value));
}

// ---- values of the controls in a cell's mini-HTML

String TAdvStringGrid::ControlValues(int ACol, int ARow, const String& ID) {
  String value;
  return GetControlValue(Cells(ACol, ARow), ID, value) ? value : String();
}

void TAdvStringGrid::SetControlValues(int ACol, int ARow, const String& ID, const String& Value) {
  String text = Cells(ACol, ARow);
  if (SetControlValue(text, ID, Value)) SetCells(ACol, ARow, text);
}

// ---- version and print columns

String TAdvStringGrid::VersionText(int VersionNr) {
  const auto v = static_cast<unsigned>(VersionNr);
  String text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!text.empty()) text += u".";
    text += IntToStr(static_cast<int>((v >> shift) & 0xFF));
  }
  return text;
}

// ---- settings objects copied in

void TAdvStringGrid::SetLookupItems(const TStrings* Value) {
  if (Value) FLookupItems->Assign(*Value);
}

void TAdvStringGrid::SetFixedFont(const TFont& Value) {
  FFixedFont->Assign(Value);
  Invalidate();
}

void TAdvStringGrid::SetActiveCellFont(const TFont& Value) {
  FActiveCellFont->Assign(Value);
  Invalidate();
}

void TAdvStringGrid::SetBackGround(const TBackGround& Value) {
  FBackGround->Assign(Value);
  Invalidate();
}

void TAdvStringGrid::SetShowModified(const TShowModified& Value) { FShowModified->Assign(Value); }

void TAdvStringGrid::SetSyncGrid(const TSyncGrid& Value) { FSyncGrid->Assign(Value); }

void TAdvStringGrid::SetProgressAppearance(const TGridProgressAppearance& Value) {
  FProgressAppearance->Assign(Value);
}

void TAdvStringGrid::SetFocusHelper(const TFocusHelper& Value) { FFocusHelper->Assign(Value); }

void TAdvStringGrid::SetRowIndicator(const TBitmap& Value) {
  FState->RowIndicator.Assign(Value);
  RepaintCell(0, Row());
}
