// The text a cell shows: its stored text, or its number in the format the
// application gives through OnGetFloatFormat. Formats go through the
// platform's Format only, never a C formatting call.
#include "grid/base/NumberFormatKind.h"
#include "grid/base/NumberText.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/Format.h"

String TAdvStringGrid::FormatCellValue(int ACol, int ARow, const String& Fmt, const String& Text) {
  try {
    switch (NumberFormatKind(Fmt)) {
      case nfInteger: return Format(Fmt, {Ints(ACol, ARow)});
      case nfFloat: return Format(Fmt, {Floats(ACol, ARow)});
      case nfNone: break;
    }
  } catch (const Exception&) {
  }
  return Text;
}

String TAdvStringGrid::GetFormattedCell(int ACol, int ARow) {
  String text = Cells(ACol, ARow);
  if (!OnGetFloatFormat) return text;
  const int kind = ClassifyNumberText(text);
  if (kind != ntInteger && kind != ntSeparated && kind != ntScientific) return text;
  String format = FValues.FloatFormat;
  bool isFloat = true;
  OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (!isFloat || format.empty()) return text;
  return FormatCellValue(ACol, ARow, format, text);
}
