// The grid timer: blinking text, hover focus and the incremental-search reset.
#include "grid/base/Navigation.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Input.h"
#include "platform/sys/SysUtils.h"

namespace {
bool HasBlinkTag(const String& Text) { return Pos(u"<BLI", UpperCase(Text)) > 0; }
}  // namespace

void TAdvStringGrid::GridTimer() {
  ++FTimerTicks;
  TGridTimerState& t = FState->Timer;
  if (FNavigation->AutoGotoIncremental() && t.SearchTics++ == 3) {
    t.SearchInc.clear();
    t.SearchTics = 0;
  }
  if (Hovering()) HoverFocus();
  if (EnableBlink()) {
    FPaint.GridBlink = !FPaint.GridBlink;
    RepaintBlinkingCells();
  }
}

// The data cell under the pointer becomes current and the grid takes the focus.
void TAdvStringGrid::HoverFocus() {
  if (GetMouseControl() != this) return;
  const TPoint p = ScreenToClient(platform::CursorPos());
  if (p.X < 0 || p.Y < 0 || p.X >= ClientWidth() || p.Y >= ClientHeight()) return;
  const TGridCoord cell = MouseCoord(p.X, p.Y);
  if (cell.X < FixedCols() || cell.Y < FixedRows() || cell.X >= ColCount() || cell.Y >= RowCount())
    return;
  if (CanFocus()) SetFocus();
  SetRow(cell.Y);
  SetCol(cell.X);
}

void TAdvStringGrid::RepaintBlinkingCells() {
  const auto repaintIfBlinking = [this](int ACol, int ARow) {
    if (ACol < ColCount() && ARow < RowCount() && HasBlinkTag(GridCells(RealColIndex(ACol), ARow)))
      RepaintCell(ACol, ARow);
  };
  const int lastRow = TopRow() + VisibleRowCount();
  const int lastCol = LeftCol() + VisibleColCount();
  for (int r = TopRow(); r <= lastRow; ++r)
    for (int c = LeftCol(); c <= lastCol + NumHiddenColumns(); ++c) repaintIfBlinking(c, r);
  for (int r = 0; r < FixedRows(); ++r)
    for (int c = LeftCol(); c <= lastCol; ++c) repaintIfBlinking(c, r);
  for (int c = 0; c < FixedCols(); ++c)
    for (int r = TopRow(); r <= lastRow; ++r) repaintIfBlinking(c, r);
}
