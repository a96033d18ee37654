// Found text and errors wrapped in mini-HTML tags inside cells, and the
// attached checker run over cells.
#include "grid/base/AdvStringGridCheck.h"
#include "grid/base/HTMLText.h"
#include "grid/model/AdvStringGridPrivate.h"

namespace {
const String HiTag = u"hi";
const String ErrorTag = u"e";

String TagText(bool DoCase, const String& S, const String& Text, const String& Tag) {
  String result;
  HighlightInHTML(S, Text, Tag, DoCase, result);
  return result;
}
}  // namespace

// ---- text level

String TAdvStringGrid::HilightText(bool DoCase, const String& S, const String& Text) {
  return TagText(DoCase, S, Text, HiTag);
}

String TAdvStringGrid::UnHilightText(const String& S) { return RemoveHighlightTags(S, HiTag); }

String TAdvStringGrid::MarkText(bool DoCase, const String& S, const String& Text) {
  return TagText(DoCase, S, Text, ErrorTag);
}

String TAdvStringGrid::UnMarkText(const String& S) { return RemoveHighlightTags(S, ErrorTag); }

// ---- cell ranges

TGridRect TAdvStringGrid::HighlightRange(bool DoFixed, bool Hidden) const {
  const int hidden = Hidden ? NumHiddenColumns() : 0;
  if (DoFixed) return TGridRect{0, 0, ColCount() - 1 + hidden, RowCount() - 1};
  return TGridRect{FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1 + hidden,
                   RowCount() - FFixedFooters - 1};
}

String TAdvStringGrid::TaggableText(int Col, int Row) {
  return OnGetDisplText ? Cells(Col, Row) : GridCells(Col, Row);
}

// Both the text and the search are escaped, so that the tags stay the only
// markup; a cell without a match keeps its text as it is.
void TAdvStringGrid::TagCells(const TGridRect& Range, const String& Tag, bool DoCase, const String& Text) {
  const String search = EscapeHTMLText(Text, false);
  for (int r = Range.Top; r <= Range.Bottom; ++r) {
    for (int c = Range.Left; c <= Range.Right; ++c) {
      if (IsMergedNonBaseCell(c, r)) continue;
      const String escaped = EscapeHTMLText(TaggableText(c, r), false);
      const String tagged = TagText(DoCase, escaped, search, Tag);
      if (tagged != escaped) SetCells(c, r, tagged);
    }
  }
}

// Only the tag marks go before the one unescaping, so entities the text
// held before tagging come back as they were.
void TAdvStringGrid::UntagCells(const TGridRect& Range, const String& Tag) {
  for (int r = Range.Top; r <= Range.Bottom; ++r) {
    for (int c = Range.Left; c <= Range.Right; ++c) {
      if (IsMergedNonBaseCell(c, r)) continue;
      const String text = TaggableText(c, r);
      const String untagged = RemoveTagMarks(text, Tag);
      if (untagged != text) SetCells(c, r, UnescapeHTMLText(untagged, false));
    }
  }
}

namespace {
TGridRect ColumnOf(TGridRect Range, int Col) {
  Range.Left = Range.Right = Col;
  return Range;
}

TGridRect RowOf(TGridRect Range, int Row) {
  Range.Top = Range.Bottom = Row;
  return Range;
}
}  // namespace

void TAdvStringGrid::HilightInCell(bool DoCase, int Col, int Row, const String& HiText) {
  TagCells(TGridRect{Col, Row, Col, Row}, HiTag, DoCase, HiText);
}

void TAdvStringGrid::MarkInCell(bool DoCase, int Col, int Row, const String& HiText) {
  TagCells(TGridRect{Col, Row, Col, Row}, ErrorTag, DoCase, HiText);
}

void TAdvStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const String& HiText) {
  TagCells(ColumnOf(HighlightRange(DoFixed, false), Col), HiTag, DoCase, HiText);
}

void TAdvStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const String& HiText) {
  TagCells(ColumnOf(HighlightRange(DoFixed, false), Col), ErrorTag, DoCase, HiText);
}

void TAdvStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const String& HiText) {
  TagCells(RowOf(HighlightRange(DoFixed, false), Row), HiTag, DoCase, HiText);
}

void TAdvStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const String& HiText) {
  TagCells(RowOf(HighlightRange(DoFixed, false), Row), ErrorTag, DoCase, HiText);
}

void TAdvStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const String& HiText) {
  TagCells(HighlightRange(DoFixed, !DoFixed), HiTag, DoCase, HiText);
}

void TAdvStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const String& HiText) {
  TagCells(HighlightRange(DoFixed, false), ErrorTag, DoCase, HiText);
}

void TAdvStringGrid::UnHilightInCell(int Col, int Row) { UntagCells(TGridRect{Col, Row, Col, Row}, HiTag); }

void TAdvStringGrid::UnMarkInCell(int Col, int Row) { UntagCells(TGridRect{Col, Row, Col, Row}, ErrorTag); }

void TAdvStringGrid::UnHilightInCol(bool DoFixed, int Col) {
  UntagCells(ColumnOf(HighlightRange(DoFixed, false), Col), HiTag);
}

void TAdvStringGrid::UnMarkInCol(bool DoFixed, int Col) {
  UntagCells(ColumnOf(HighlightRange(DoFixed, false), Col), ErrorTag);
}

void TAdvStringGrid::UnHilightInRow(bool DoFixed, int Row) { UntagCells(RowOf(HighlightRange(DoFixed, true), Row), HiTag); }

void TAdvStringGrid::UnMarkInRow(bool DoFixed, int Row) { UntagCells(RowOf(HighlightRange(DoFixed, true), Row), ErrorTag); }

void TAdvStringGrid::UnHilightInGrid(bool DoFixed) { UntagCells(HighlightRange(DoFixed, true), HiTag); }

void TAdvStringGrid::UnMarkInGrid(bool DoFixed) { UntagCells(HighlightRange(DoFixed, true), ErrorTag); }

// ---- checking

TAdvStringGridCheck* TAdvStringGrid::CellChecker() const { return FState->CellChecker; }

void TAdvStringGrid::SetCellChecker(TAdvStringGridCheck* Value) {
  if (FState->CellChecker) RemoveFreeNotification(FState->CellChecker);
  FState->CellChecker = Value;
  if (Value) FreeNotification(Value);
}

// The checker sees the text without its error marks, so checking again
// does not nest them; the entities the text holds stay as stored.
bool TAdvStringGrid::CheckCell(int Col, int Row) {
  TAdvStringGridCheck* checker = FState->CellChecker;
  if (!checker) return true;
  const TPoint base = BaseCell(Col, Row);
  const String stored = GridCells(base.X, base.Y);
  const String clean = RemoveTagMarks(stored, ErrorTag);
  if (checker->GotoCell() && Col < ColCount() && !IsHiddenColumn(Col)) MoveCurrentCell(DisplColIndex(Col), Row);
  String result = clean;
  if (checker->UseCorrect()) result = checker->Correct(Col, Row, clean);
  if (checker->UseMarkError()) result = checker->MarkError(Col, Row, clean);
  if (result != stored) SetCells(base.X, base.Y, result);
  return result == clean;
}

bool TAdvStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  TAdvStringGridCheck* checker = FState->CellChecker;
  if (!checker) return true;
  checker->StartCheck();
  const int oldCol = Col();
  const int oldRow = Row();
  // A checker that raises still ends its check and leaves the current cell where it was.
  const auto finish = [&] {
    checker->StopCheck();
    if (checker->GotoCell()) MoveCurrentCell(oldCol, oldRow);
  };
  bool unchanged = true;
  try {
    for (int r = FromRow; r <= ToRow; ++r) {
      for (int c = FromCol; c <= ToCol; ++c) unchanged = CheckCell(c, r) && unchanged;
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
  return unchanged;
}

bool TAdvStringGrid::CheckCol(bool DoFixed, int Col) {
  const TGridRect range = HighlightRange(DoFixed, false);
  return CheckCells(Col, range.Top, Col, range.Bottom);
}

bool TAdvStringGrid::CheckRow(bool DoFixed, int Row) {
  const TGridRect range = HighlightRange(DoFixed, false);
  return CheckCells(range.Left, Row, range.Right, Row);
}

bool TAdvStringGrid::CheckGrid(bool DoFixed) {
  const TGridRect range = HighlightRange(DoFixed, false);
  return CheckCells(range.Left, range.Top, range.Right, range.Bottom);
}
