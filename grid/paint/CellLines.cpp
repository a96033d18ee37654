// Lines a cell gets over its content: custom borders, the outline tree
// lines and the focus rectangle.
#include <algorithm>

#include "grid/base/CellNode.h"
#include "grid/base/CellProperties.h"
#include "grid/paint/CellPainter.h"

namespace {

void PenLine(TCanvas& C, const TPen& Pen, int X1, int Y1, int X2, int Y2) {
  C.Pen()->Assign(Pen);
  C.MoveTo(X1, Y1);
  C.LineTo(X2, Y2);
}

void VLine(TCanvas& C, int X, int Y1, int Y2) {
  C.MoveTo(X, Y1);
  C.LineTo(X, Y2);
}

void HLine(TCanvas& C, int X1, int X2, int Y) {
  C.MoveTo(X1, Y);
  C.LineTo(X2, Y);
}

}  // namespace

void TCellPainter::DrawBorders(const TRect& Rect) {
  TCellBorders borders;
  TPen pen;
  pen.Assign(*C.Pen());
  G.DoGetCellBorder(RCol, ARow, borders, &pen);
  if (borders.Empty()) return;
  TPen saved, left, top, right, bottom;
  saved.Assign(*C.Pen());
  for (TPen* p : {&left, &top, &right, &bottom}) p->Assign(pen);
  if (G.OnGetCellBorderProp) G.OnGetCellBorderProp(&G, ARow, RCol, &left, &top, &right, &bottom);
  const int h = (pen.Width() + 1) / 2;
  const int lo = HasOption(goVertLine) ? h : 0;
  const int bo = HasOption(goHorzLine) ? h : 0;
  const int lw = G.GridLineWidth();
  if (borders.Contains(cbLeft)) {
    const int x = std::max(0, Rect.Left + lo);
    PenLine(C, left, x, Rect.Top, x, Rect.Bottom - bo);
  }
  if (borders.Contains(cbRight)) {
    const int x = Rect.Right - 1 - lo;
    PenLine(C, right, x, Rect.Top, x, Rect.Bottom - bo);
  }
  if (borders.Contains(cbTop)) {
    const int y = lw == 0 ? Rect.Top + 1 : std::max(0, Rect.Top + bo - lw);
    PenLine(C, top, Rect.Left, y, Rect.Right, y);
  }
  if (borders.Contains(cbBottom)) {
    const int y = Rect.Bottom - bo - 1;
    PenLine(C, bottom, Rect.Left - lw - 1, y, Rect.Right, y);
  }
  C.Pen()->Assign(saved);
}

namespace {

int NodeLevelOf(TAdvStringGrid& G, int ARow) {
  const TCellProperties* p = ARow < G.RowCount() ? G.GridObjects(0, ARow) : nullptr;
  return p ? p->NodeLevel() : 0;
}

}  // namespace

void TCellPainter::DrawTreeLines() {
  const TCellNode& node = *G.CellNode();
  if (RCol != 0 || ARow < G.FixedRows() || !G.HasNodes() || !node.ShowTree()) return;
  const int indentStep = node.NodeIndent();
  const int indent = G.GetRowIndent(ARow);
  const int x = R.Left + indent + indentStep / 2 - indentStep + 2;
  const int mid = R.Top + (R.Bottom - R.Top) / 2;
  C.Pen()->SetColor(node.TreeColor());
  C.Pen()->SetWidth(1);
  const int level = NodeLevelOf(G, ARow);
  if (level > 0) HLine(C, x, node.ShowTreeFull() ? R.Right : R.Left + indent + 4, mid);
  const int span = G.GetNodeSpanType(ARow);
  if (span == 1) VLine(C, x, R.Top, mid);
  if (span == 2) VLine(C, x, R.Top, R.Bottom + 4);
  const bool lastRow = ARow + 1 >= G.RowCount();
  const int nextLevel = lastRow ? 0 : NodeLevelOf(G, ARow + 1);
  for (int i = 1; i <= level; ++i) {
    const int xi = x - indentStep * i;
    VLine(C, xi, R.Top, mid);
    if (lastRow || nextLevel == 0) {
      if (i < level) HLine(C, xi, x + indentStep - indentStep * i, mid);
    } else {
      VLine(C, xi, mid, R.Bottom + 4);
    }
  }
  C.Pen()->SetStyle(psSolid);
}

void TCellPainter::DrawFocus() {
  if (G.HideFocusRect() || !G.Focused() || HasOption(goRowSelect)) return;
  const TPoint base = G.BaseCell(RCol, ARow);
  if (G.DisplColIndex(base.X) != G.Col() || base.Y != G.Row()) return;
  if (G.InFixedArea(G.Col(), G.Row())) return;
  const int grow = G.GridLineWidth() - 1;
  C.DrawFocusRect(TRect{R.Left - grow, R.Top - grow, R.Right + grow - 1, R.Bottom + grow - 1});
}
