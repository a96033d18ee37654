// The hooks every export reads a cell's text through and every import
// stores one through, and a cell's text as a number.
#include <charconv>
#include <string>

#include "grid/base/CellText.h"
#include "grid/base/HTMLText.h"
#include "grid/base/NumberText.h"
#include "grid/base/RichTextPlain.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"

namespace {

String WithoutLineBreaks(const String& Text) {
  String r;
  for (Char c : Text) {
    if (c != u'\r' && c != u'\n') r += c;
  }
  return r;
}

// The number Text holds as a whole; else the 1-based position where reading
// it stopped.
bool ReadWholeNumber(const String& Text, double& Value, int& StopPos) {
  std::string ascii;
  for (Char c : Text) ascii += c < 128 ? static_cast<char>(c) : '?';
  const char* end = ascii.data() + ascii.size();
  const auto [stop, error] = std::from_chars(ascii.data(), end, Value);
  if (error == std::errc() && stop == end && !ascii.empty()) return true;
  StopPos = error == std::errc() ? static_cast<int>(stop - ascii.data()) + 1 : 1;
  return false;
}

}  // namespace

void TAdvStringGrid::GetSaveCellText(int ACol, int ARow, String& Text) {
  Text = SaveVirtCells() ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
  const TCellType type = GetCellType(ACol, ARow);
  if (Text.empty() && (type == ctCheckBox || type == ctTriStateCheckBox)) {
    TCheckBoxState state = cbUnchecked;
    GetCheckBoxState(ACol, RealRowIndex(ARow), state);
    if (state == cbChecked) DoGetCheckTrue(ACol, ARow, Text);
    else DoGetCheckFalse(ACol, ARow, Text);
  }
  switch (CellTextKind(Text, true)) {
    case ctkHTML:
      if (!SaveWithHTML()) Text = HTMLToPlainText(Text);
      break;
    case ctkRichText:
      Text = SaveWithRTF() ? WithoutLineBreaks(Text) : RichTextToPlainText(Text);
      break;
    default:
      break;
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Text);
}

void TAdvStringGrid::LoadCellText(int ACol, int ARow, const String& Value) {
  String text = Value;
  if (OnLoadCell) OnLoadCell(this, ACol, ARow, text);
  SetGridCell(ACol, ARow, text);
}

double TAdvStringGrid::CellToReal(int ACol, int ARow) {
  const String text = GetCellEx(ACol, ARow);
  if (text.empty()) return 0;
  double value = 0;
  int stop = 0;
  if (ReadWholeNumber(NormalizeNumberText(text), value, stop)) return value;
  throw EAdvGridError(u"Error at position: " + IntToStr(stop) + u" in Cell [" + IntToStr(ACol) + u", " +
                      IntToStr(ARow) + u"].");
}
