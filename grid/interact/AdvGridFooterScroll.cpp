// Keeping rows clear of the search footer and the floating footer at the grid's bottom.
#include <algorithm>
#include <climits>

#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SearchPanel.h"

namespace {
// The footer's top edge may cover this much of the last row.
constexpr int FooterOverlap = 2;
}  // namespace

int TAdvStringGrid::LastRowBottom() const {
  const int last = RowCount() - 1;
  const TRect r = TGridModel::CellRect(FixedCols(), last);  // empty when not shown
  return r.IsEmpty() ? INT_MAX : r.Top + RowHeights(last);
}

int TAdvStringGrid::SearchFooterTop() const {
  const int panel = FSearchPanel ? FSearchPanel->Height() : 0;
  return ClientHeight() - panel + FooterOverlap;
}

int TAdvStringGrid::BottomReserve() const {
  if (!FSearchFooter || !FSearchFooter->Visible() || !FSearchPanel) return 0;
  return std::max(0, FSearchPanel->Height() - FooterOverlap);
}

bool TAdvStringGrid::IsLastRowAboveSearchFooter() {
  if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1) return false;
  return LastRowBottom() <= SearchFooterTop();
}

// The platform keeps the view filled, so the top row may stop short: that
// ends the scrolling too.
void TAdvStringGrid::ScrollLastRowAboveSearchFooter() {
  const int panel = FSearchPanel ? FSearchPanel->Height() : 0;
  if (!FSearchFooter->Visible() || ClientHeight() <= DefaultRowHeight() + panel) return;
  while (LastRowBottom() > SearchFooterTop() && TopRow() < RowCount()) {
    const int top = TopRow();
    SetTopRow(top + 1);
    if (TopRow() == top) return;
  }
}

int TAdvStringGrid::ShownRowBottom(int ARow) const {
  if (ARow < 0 || ARow >= RowCount()) return INT_MIN;
  const TRect r = TGridModel::CellRect(FixedCols(), ARow);
  return r.IsEmpty() ? INT_MIN : r.Top + RowHeights(ARow);
}

void TAdvStringGrid::ScrollDownOneRow() {
  if (TopRow() < RowCount() - 1) SetTopRow(TopRow() + 1);
}

bool TAdvStringGrid::ScrollSelectedRowClearOfFooters(int ARow) {
  const int panel = FSearchFooter->Visible() && FSearchPanel ? FSearchPanel->Height() : 0;
  if (FFloatingFooter->Visible()) {
    const bool fixedLast = FFloatingFooter->FooterStyle() == fsFixedLastRow;
    if (fixedLast && ARow == RowCount() - 1) return false;
    if (fixedLast && ARow >= TopRow() + VisibleRowCount())
      SetTopRow(std::max(FixedRows(), ARow + FixedRows() - VisibleRowCount()));
    if (!fixedLast) FFloatingFooter->Invalidate();
    const int gap = panel > 0 ? panel + 2 : 0;
    if (ShownRowBottom(ARow) > ClientHeight() - FFloatingFooter->Height() - gap + FooterOverlap)
      ScrollDownOneRow();
  }
  if (!FSearchFooter->Visible()) return true;
  while (ShownRowBottom(ARow) > ClientHeight() - panel + FooterOverlap) {
    const int top = TopRow();
    ScrollDownOneRow();
    if (TopRow() == top) break;
  }
  return true;
}
