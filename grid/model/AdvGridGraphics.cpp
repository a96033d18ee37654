// The grid's cell-graphic core: attach, remove, type and graphic queries,
// images, sort key, the outline queries and the auto-range scroll bar.
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/CellGraphics.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/ImageList.h"

TCellGraphic* TAdvStringGrid::CreateCellGraphic(int ACol, int ARow) {
  return &FGraphics->Attach(ACol, ARow);
}

bool TAdvStringGrid::RemoveCellGraphic(int ACol, int ARow) { return FGraphics->Remove(ACol, ARow); }

bool TAdvStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType) {
  return GetCellType(ACol, ARow) == CellType && RemoveCellGraphic(ACol, ARow);
}

bool TAdvStringGrid::HasGraphicType(int ACol, int ARow, const TCellTypes& Types) {
  if (ACol < 0 || ARow < 0) return false;
  const TPoint base = BaseCell(ACol, ARow);
  return Types.Contains(GetCellType(base.X, base.Y));
}

// A graphic of another class in the slot is a foreign object: no graphic,
// and no shared row check box over it either.
TCellGraphic* TAdvStringGrid::GetCellGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  const TCellGraphicBase* stored = GraphicObjects(ACol, ARow);
  if (ACol == 0 && FMouseActions->HotmailRowSelect() && !stored) return &FGraphics->RowCheckBox(ARow);
  return FGraphics->Own(ACol, ARow);
}

TCellType TAdvStringGrid::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
  const TCellGraphic* g = FGraphics->Own(ACol, ARow);
  return g ? g->CellType() : ctEmpty;
}

TIntList* TAdvStringGrid::GetCellImages(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->OwnOfType(ACol, ARow, ctImages);
  return g ? dynamic_cast<TIntList*>(g->CellBitmap()) : nullptr;
}

TImageList* TAdvStringGrid::GridImages() const { return FGraphics->Images(); }

void TAdvStringGrid::SetGridImages(TImageList* Value) {
  FGraphics->SetImages(Value);
  Invalidate();
}

std::intptr_t TAdvStringGrid::GetGraphicSortKey(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return -1;
  switch (g->CellType()) {
    case ctBitmap:
      return reinterpret_cast<std::intptr_t>(g->CellBitmap());
    case ctIcon:
      return reinterpret_cast<std::intptr_t>(g->CellIcon());
    case ctImageList:
      return g->CellIndex();
    default:
      return -1;
  }
}

void TAdvStringGrid::CellTextChanged(int ACol, int ARow) { FGraphics->UpdateAutoRange(ACol, ARow); }

void TAdvStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctScrollbar);
  g.SetCellErrFrom(100);
  g.SetCellBoolean(AutoRange);
  FGraphics->UpdateAutoRange(ACol, ARow);
}

bool TAdvStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctScrollbar);
  return g && g->CellBoolean();
}

void TAdvStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
  if (TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctScrollbar)) {
    g->SetCellIndex(Pos);
    RepaintDisplCell(ACol, ARow);
  }
}

int TAdvStringGrid::GetScrollPosition(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctScrollbar);
  return g ? g->CellIndex() : -1;
}

void TAdvStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
  if (TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctScrollbar)) {
    g->SetCellAngle(Prop.PageSize);
    g->SetCellErrFrom(Prop.Range);
  }
}

TScrollProp TAdvStringGrid::GetScrollProp(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctScrollbar);
  return g ? TScrollProp{g->CellAngle(), g->CellErrFrom()} : TScrollProp{-1, -1};
}

// ---- outline queries (displayed rows)

bool TAdvStringGrid::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

bool TAdvStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TAdvStringGrid::GetNodeState(int ARow) {
  return IsNode(ARow) && GetCellGraphic(0, ARow)->CellBoolean();
}

int TAdvStringGrid::GetNodeLevel(int ARow) {
  if (!IsNode(ARow)) return -1;
  const TCellProperties* p = PropsOrNil(0, ARow);
  return p ? p->NodeLevel() : 0;
}

int TAdvStringGrid::GetNodeSpan(int ARow) {
  return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellIndex() : -1;
}

// Walks up to the first node of a lower level whose block still reaches
// ARow; a contracted node's block is shorter on screen by its parked rows.
int TAdvStringGrid::GetParentRow(int ARow) {
  int limit = 65535, fallback = -1;
  if (IsNode(ARow)) {
    limit = GetNodeLevel(ARow);
    fallback = ARow;
  }
  int parked = 0;
  for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
    if (!IsNode(r) || GetNodeLevel(r) >= limit) continue;
    const int span = GetNodeSpan(r);
    if (GetNodeState(r)) parked += span - 1;
    if (ARow < r + span - parked) return r;
  }
  return fallback;
}
