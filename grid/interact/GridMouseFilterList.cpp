// Opening a column's filter list from the filter button of the filter row:
// the list is filled with the entries of the column's filter list, ticked
// by the column's conditions (check list), sized and placed under the button.
#include <algorithm>

#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropDown.h"
#include "grid/model/FilterDropLists.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/SystemMetrics.h"

namespace {
// The list opens this far left of the cell's right edge and below its top.
constexpr int ListOffset = 16;
constexpr int AutoWidthPadding = 8;

// An entry with a blank is written in double quotes in a condition.
bool IsConditionOf(const TFilter& Filter, int RCol, const String& Entry) {
  const bool blank = Entry.find(u' ') != String::npos;
  const String quoted = blank ? u"\"" + Entry + u"\"" : Entry;
  for (int i = 0; i < Filter.Count(); ++i) {
    const TFilterData* d = Filter.Items(i);
    if (d->Column() == RCol && d->Condition() == quoted) return true;
  }
  return false;
}
}  // namespace

void TGridMouse::ShowFilterList(TGridCoord Cell, int RCol) {
  const bool check = G.FilterDropDownCheck();
  TListBox* list = check ? static_cast<TListBox*>(G.FilterDropCheckList()) : G.FilterDropList();
  const TFilterDropDown& look = *G.FilterDropDown();
  list->SetColor(look.Color());
  list->SetFont(*look.Font());
  list->Items().Clear();
  int widest = 0;
  TCanvas& canvas = *G.MeasureCanvas();
  canvas.Font()->Assign(*look.Font());
  const TStringList& entries = *G.FilterList();
  for (int i = 0; i < entries.Count(); ++i) {
    const String entry = FilterEntryName(entries.Strings(i));
    list->Items().Add(entry);
    widest = std::max(widest, canvas.TextWidth(entry));
    if (check) G.FilterDropCheckList()->SetChecked(i, IsConditionOf(*G.Filter(), RCol, entry));
  }
  if (!check && list->Items().Count() > 0) list->SetItemIndex(0);
  int w = look.Width(), h = look.Height();
  if (look.AutoSize()) {
    h = list->Items().Count() * list->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
    w = widest + AutoWidthPadding + 2 * GetSystemMetrics(SM_CXEDGE);
  }
  const TRect r = G.CellRect(Cell.X, Cell.Y);
  int left = r.Right - ListOffset;
  if (look.ColumnWidth()) {
    left = r.Left;
    w = r.Width();
  }
  if (left + w > G.ClientWidth()) left = std::max(G.CellRect(Cell.X, 0).Right - w, 0);
  const TRect place = G.ClientOfView(TRect{left, r.Top + ListOffset, left + w, r.Top + ListOffset + h});
  list->SetBounds(place.Left, place.Top, w, h);
  list->Show();
  if (list->CanFocus()) list->SetFocus();
  G.SetFilterCol(RCol);
}
