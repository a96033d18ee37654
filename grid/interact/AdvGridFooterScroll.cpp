// Keeping the last row clear of the search footer at the grid's bottom.
#include <climits>

#include "grid/base/SearchFooter.h"
#include "grid/model/SearchPanel.h"
#include "grid/model/AdvStringGrid.h"

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
