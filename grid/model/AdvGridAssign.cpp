// Copying another grid: its settings, dimensions and sizes, then its cells.
#include "grid/base/Bands.h"
#include "grid/base/CellNode.h"
#include "grid/base/ColumnSize.h"
#include "grid/base/DragDropSettings.h"
#include "grid/base/DragScrollOptions.h"
#include "grid/base/FocusHelper.h"
#include "grid/base/GridProgressAppearance.h"
#include "grid/base/HTMLSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/PrintSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/SyncGrid.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropDown.h"
#include "grid/model/Grouping.h"
#include "grid/model/SortSettings.h"
#include "platform/sys/Streams.h"

namespace {

void CopySettingsObjects(TAdvStringGrid& G, const TAdvStringGrid& S) {
  G.MouseActions()->Assign(*S.MouseActions());
  G.Navigation()->Assign(*S.Navigation());
  G.Grouping()->Assign(*S.Grouping());
  G.SearchFooter()->Assign(*S.SearchFooter());
  G.PrintSettings()->Assign(*S.PrintSettings());
  G.Filter()->Assign(*S.Filter());
  G.HTMLSettings()->Assign(*S.HTMLSettings());
  G.Bands()->Assign(*S.Bands());
  G.CellNode()->Assign(*S.CellNode());
  G.SortSettings()->Assign(*S.SortSettings());
  G.DragScrollOptions()->Assign(*S.DragScrollOptions());
  G.DragDropSettings()->Assign(*S.DragDropSettings());
  G.ProgressAppearance()->Assign(*S.ProgressAppearance());
  G.ColumnSize()->Assign(*S.ColumnSize());
  G.SyncGrid()->Assign(*S.SyncGrid());
  G.FocusHelper()->Assign(*S.FocusHelper());
}

}  // namespace

void TAdvStringGrid::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TAdvStringGrid*>(&Source);
  // Copying a grid onto itself would clear lists before reading them.
  if (!src || src == this) return;
  const TAdvStringGrid& s = *src;
  SetFont(*s.Font());
  SetActiveCellColor(s.ActiveCellColor());
  SetActiveCellColorTo(s.ActiveCellColorTo());
  SetActiveCellFont(*s.ActiveCellFont());
  SetActiveCellShow(s.ActiveCellShow());
  SetActiveRowShow(s.ActiveRowShow());
  SetAlign(s.Align());
  SetFilterDropDown(*s.FilterDropDown());
  SetAutoNumAlign(s.AutoNumAlign());
  SetAutoSize(s.AutoSize());
  SetAutoThemeAdapt(s.AutoThemeAdapt());
  SetAutoFilterUpdate(s.AutoFilterUpdate());
  CopySettingsObjects(*this, s);
  SetFixedRowAlways(s.FixedRowAlways());
  SetColCount(s.ColCount());
  SetRowCount(s.RowCount());
  SetFixedRows(s.FixedRows());
  SetFixedCols(s.FixedCols());
  SetDefaultColWidth(s.DefaultColWidth());
  SetDefaultRowHeight(s.DefaultRowHeight());
  SetFixedRowHeight(s.FixedRowHeight());
  SetFixedColWidth(s.FixedColWidth());
  SetInvalidEntryTitle(s.InvalidEntryTitle());
  SetInvalidEntryIcon(s.InvalidEntryIcon());
  SetInvalidEntryText(s.InvalidEntryText());
  SetOptions(s.Options());
  for (int c = 0; c < ColCount(); ++c) SetColWidths(c, s.ColWidths(c));
  SetColumnHeaders(*s.ColumnHeaders());
  for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, s.RowHeights(r));
  SetScrollProportional(s.ScrollProportional());
  SetScrollBarAlways(s.ScrollBarAlways());
  SetScrollBars(s.ScrollBars());
  SetScrollColor(s.ScrollColor());
  SetScrollType(s.ScrollType());
  SetScrollWidth(s.ScrollWidth());
  AssignCells(Source);
}

void TAdvStringGrid::AssignCells(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TAdvStringGrid*>(&Source);
  if (!src) return;
  TMemoryStream st;
  // Saving reads the source's cells through its hooks, which are not const.
  const_cast<TAdvStringGrid*>(src)->SaveToStream(st);
  st.SetPosition(0);
  LoadFromStream(st);
}
