// The cell hint: the grid answers the application's hint request for the
// cell under the pointer and drops the hint when the pointer leaves it.
#include "grid/base/CellText.h"
#include "grid/base/ControlLook.h"
#include "grid/interact/HTMLHintWindow.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "platform/gui/Application.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/Messages.h"

namespace {
constexpr int HintBelowCell = 6;  // px between the cell's bottom and the hint
}  // namespace

void TAdvStringGrid::CMHintShow(TMessage& Message) {
  BuildCellHint(*reinterpret_cast<THintInfo*>(Message.LParam));
  Message.Result = 0;
}

bool TAdvStringGrid::IsHintDataCell(int ACol, int ARow) {
  return ACol >= FixedCols() && ARow >= FixedRows() && !IsFixed(ACol, ARow);
}

void TAdvStringGrid::BuildCellHint(THintInfo& Info) {
  TPoint& last = FState->Window.LastHintPos;
  int col = -1, row = -1;
  MouseToCell(Info.CursorPos.X, Info.CursorPos.Y, col, row);
  if (col < 0 || row < 0) {
    last = TPoint{-1, -1};
    return;
  }
  const TPoint base = BaseCell(col, row);
  col = base.X;
  row = base.Y;
  last = base;
  if (ControlLook()->HintMaxWidth() > 0) Info.HintMaxWidth = ControlLook()->HintMaxWidth();
  const TRect cell = CellRect(col, row);
  // The hint stays while the pointer stays in its cell.
  Info.CursorRect = cell;
  TPoint pos{Info.CursorPos.X, cell.Bottom + HintBelowCell};
  String hint = Info.HintStr;
  if (String comment; IsComment(col, row, comment)) {
    pos = TPoint{cell.Right, cell.Top};
    hint = comment;
  } else if (HintShowCells() && IsHintDataCell(col, row)) {
    pos.Y = cell.Top;
    hint = HTMLHint() ? Cells(col, row) : StrippedCells(col, row);
  }
  // The floating footer's panel asks for the last row's hints itself.
  if (!(FloatingFooter()->Visible() && row == RowCount() - 1)) {
    String wide;
    DoGridHint(col, row, wide, hint);
  }
  if (UseInternalHintClass() && CellTextKind(hint, true) == ctkHTML) {
    Info.HintWindowClass = &CreateHintWindowOf<THTMLHintWindow>;
    Info.HintData = this;
  }
  Info.HintStr = hint;
  Info.HintPos = ClientToScreen(pos);
  Info.HintColor = HintColor();
}

void TAdvStringGrid::CancelHintOutsideCell(TPoint At) {
  TPoint& last = FState->Window.LastHintPos;
  if (last.X < 0) return;
  int col = -1, row = -1;
  MouseToCell(At.X, At.Y, col, row);
  if (col >= 0 && row >= 0 && BaseCell(col, row) == last) return;
  last = TPoint{-1, -1};
  if (!Application) return;
  Application->CancelHint();
  // The next cell's hint comes after the usual pause.
  if (At.X >= 0) Application->HintMouseMessage(this, ClientToScreen(At));
}
