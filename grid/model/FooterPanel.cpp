#include "grid/model/FooterPanel.h"

#include <algorithm>

#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "platform/gui/Application.h"
#include "platform/gui/HintWindow.h"

TFooterPanel::TFooterPanel(TAdvStringGrid* AGrid) : TPanel(AGrid), FGrid(AGrid) {
  SetAlign(alBottom);
  SetHeight(0);
}

int TFooterPanel::ColumnsWidth() const {
  const TAdvStringGrid& g = *FGrid;
  int w = 0;
  for (int c = 0; c < g.FixedCols(); ++c) w += g.ColWidths(c);
  for (int c = std::max(g.LeftCol(), g.FixedCols()); c < g.ColCount(); ++c) w += g.ColWidths(c);
  return w;
}

int TFooterPanel::ColumnAt(int X) const {
  const TAdvStringGrid& g = *FGrid;
  // The painted footer is mirrored for right-to-left: so is the mouse.
  if (g.UseRightToLeftAlignment()) X = ClientWidth() - X;
  int sum = 0;
  int c = 0;
  for (; c < g.FixedCols() && sum < X; ++c) sum += g.ColWidths(c);
  // Reached inside the fixed columns: that fixed column, however far the grid scrolled.
  if (g.FixedCols() > 0 && sum >= X) return std::max(c - 1, 0);
  int j = g.LeftCol();
  for (; j < g.ColCount() && sum < X; ++j) sum += g.ColWidths(j);
  if (sum < X) return -1;
  return j > 0 ? j - 1 : -1;
}

void TFooterPanel::SetParent(TWinControl* AParent) {
  TPanel::SetParent(AParent);
  if (AParent && AParent->HandleAllocated()) HandleNeeded();
}

void TFooterPanel::CreateWnd() {
  TPanel::CreateWnd();
  const TFloatingFooter& footer = *FGrid->FloatingFooter();
  SetHeight(footer.Visible() ? footer.Height() : 0);
  if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

void TFooterPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_HINTSHOW) {
    HintShow(*reinterpret_cast<THintInfo*>(Message.LParam), Message);
    return;
  }
  TPanel::Dispatch(Message);
}

void TFooterPanel::HintShow(THintInfo& Info, TMessage& Message) {
  const int col = ColumnAt(Info.CursorPos.X);
  if (col < 0 || !FGrid->FloatingFooter()->ShowHint()) {
    Message.Result = 1;
    return;
  }
  String wide;
  FGrid->DoGridHint(col, FGrid->RowCount() - 1, wide, Info.HintStr);
  FLastHintX = col;
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TPanel::MouseMove(Shift, X, Y);
  const int col = ColumnAt(X);
  if (FLastHintX == -1 || col == FLastHintX) return;
  // The shown hint belongs to the column the mouse left.
  Application->CancelHint();
  FLastHintX = col;
}

void TFooterPanel::MouseLeave() {
  FLastHintX = -1;
  TPanel::MouseLeave();
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPanel::MouseUp(Button, Shift, X, Y);
  FGrid->Click();
  const int col = ColumnAt(X);
  if (col >= 0 && FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, col);
}
