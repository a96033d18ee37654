// Rows parked in the hidden-row store and put back by pointer, moved,
// exchanged and removed, each in one pass over the grid however many rows go
// or come. Each record keeps exactly one owner: a removed row's records are
// freed unless the caller took the row over first.
#include "grid/model/GridRowEngine.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "grid/base/MouseActions.h"
#include "grid/base/ShowModified.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/IndexMoves.h"
#include "grid/model/RowFlags.h"

namespace {

constexpr int AllColumns = std::numeric_limits<int>::max();

// A grid keeps one displayed row: the last rows listed stay.
void KeepOneRow(std::vector<int>& DisplRows, int RowCount) {
  if (static_cast<int>(DisplRows.size()) >= RowCount) DisplRows.resize(static_cast<size_t>(RowCount - 1));
}

template <class List>
void RotateFlags(List& L, int Lo, int Hi, int Mid) {
  if (FlagCount(L) <= Lo) return;
  RotateRange(Lo, Hi, Mid, [&](int i) { return FlagAt(L, i); },
              [&](int i, int v) { SetFlagAt(L, i, v); });
}

void DeleteFlags(TIntList& L, int At, int Count) {
  for (int i = 0; i < Count && At < L.Count(); ++i) L.Delete(At);
}

void DeleteFlags(std::vector<bool>& L, int At, int Count) {
  const int size = static_cast<int>(L.size());
  if (At < size) L.erase(L.begin() + At, L.begin() + std::min(size, At + Count));
}

void TruncateFlags(TIntList& L, int Count) {
  for (int i = L.Count() - 1; i >= Count; --i) L.Delete(i);
}

void TruncateFlags(std::vector<bool>& L, int Count) { L.resize(static_cast<size_t>(Count)); }

// Keeps the entries not listed (ascending), in order, in one pass.
template <class List>
void CompactFlags(List& L, const std::vector<int>& Gone) {
  const int size = FlagCount(L);
  if (Gone.empty() || Gone.front() >= size) return;
  int write = Gone.front();
  size_t g = 0;
  for (int read = Gone.front(); read < size; ++read) {
    if (g < Gone.size() && Gone[g] == read) {
      ++g;
      continue;
    }
    SetFlagAt(L, write++, FlagAt(L, read));
  }
  TruncateFlags(L, write);
}

// The flags of rows opened before the rows listed (ascending): a zero goes in
// where the list already reaches, as one insertion after the other would.
void OpenFlags(TIntList& L, const std::vector<int>& Before) {
  std::vector<int> out;
  int read = 0;
  for (size_t j = 0; j < Before.size(); ++j) {
    const int at = Before[j] + static_cast<int>(j);
    if (at >= static_cast<int>(out.size()) + L.Count() - read) break;
    while (static_cast<int>(out.size()) < at) out.push_back(L.Items(read++));
    out.push_back(0);
  }
  if (out.empty()) return;
  while (read < L.Count()) out.push_back(L.Items(read++));
  L.Clear();
  for (int v : out) L.Add(v);
}

int CountBelow(const std::vector<int>& Sorted, int Value) {
  return static_cast<int>(std::lower_bound(Sorted.begin(), Sorted.end(), Value) - Sorted.begin());
}

}  // namespace

TRect RowsRect(const TAdvStringGrid& Grid, int RowIndex, int RCount) {
  return TRect{0, RowIndex, Grid.ColCount() - 1, RowIndex + RCount};
}

void TGridRowEngine::ParkRows(std::vector<int> DisplRows, int Level) {
  KeepOneRow(DisplRows, G.RowCount());
  std::vector<TGridItemPtr> items;
  items.reserve(DisplRows.size());
  TGridItems& parked = G.FGridItems;
  // Parked rows before r: found once, then one walk along the store.
  int before = DisplRows.empty() ? 0 : parked.CountUpToDispl(DisplRows.front());
  for (int r : DisplRows) {
    while (before < parked.Count() && parked.Item(before)->Idx() - before <= r) ++before;
    auto item = std::make_unique<TGridItem>();
    item->SetIdx(r + before);
    item->SetHeight(G.RowHeights(r));
    item->SetLevel(Level);
    item->Items().PutRow(G.Store().TakeRow(r));
    items.push_back(std::move(item));
  }
  CloseRowGaps(DisplRows);
  parked.MergeIn(std::move(items));
  ShowControlsOfShownRows();
  G.CellControlsUpdate(false);
}

void TGridRowEngine::MoveRowCells(int From, int To) {
  G.Store().PutRow(To, G.Store().TakeRow(From));
  G.SetRowHeights(To, G.RowHeights(From));
}

void TGridRowEngine::CloseRowGaps(const std::vector<int>& DisplRows) {
  if (DisplRows.empty()) return;
  G.CloseRowSlots(DisplRows);
  // The rows beyond the new end are empty slots now: nothing is freed.
  G.ApplyRowCount(G.RowCount() - static_cast<int>(DisplRows.size()));
}

void TGridRowEngine::RestoreRows(std::vector<TGridItemPtr> Items,
                                 const std::function<int(int Idx)>& PosOf) {
  if (Items.empty()) return;
  std::vector<int> pos;
  pos.reserve(Items.size());
  for (const auto& item : Items) pos.push_back(PosOf(item->Idx()));
  const int oldCount = G.RowCount();
  G.ApplyRowCount(oldCount + static_cast<int>(Items.size()));
  int read = oldCount - 1;
  for (int k = static_cast<int>(Items.size()) - 1, t = G.RowCount() - 1; k >= 0; --t) {
    if (pos[static_cast<size_t>(k)] < t) {
      MoveRowCells(read--, t);
      continue;
    }
    TGridItem& item = *Items[static_cast<size_t>(k--)];
    G.Store().PutRow(t, item.Items().TakeRow());
    G.SetRowHeights(t, item.Height());
  }
  ShowControlsOfShownRows();
  G.CellControlsUpdate(false);
}

void TGridRowEngine::OpenRowsBefore(const std::vector<int>& Before) {
  if (Before.empty()) return;
  RaiseForOpenedRows(Before);
  if (G.FShowModified->Enabled()) OpenFlags(G.FModifiedRows, Before);
  if (G.UseEnabledRows()) OpenFlags(G.FEnabledRows, Before);
  const int oldCount = G.RowCount();
  G.ApplyRowCount(oldCount + static_cast<int>(Before.size()));
  int read = oldCount - 1;
  for (int k = static_cast<int>(Before.size()) - 1, t = G.RowCount() - 1; k >= 0; --t) {
    if (Before[static_cast<size_t>(k)] + k < t) {
      MoveRowCells(read--, t);
      continue;
    }
    G.Store().PutRow(t, nullptr);
    G.SetRowHeights(t, G.DefaultRowHeight());
    --k;
  }
  G.CellsChanged(RowsRect(G, Before.front(), G.RowCount() - Before.front()));
  if (G.FState->ControlList.Count() > 0) G.CellControlsUpdate(false);
}

// A shown row moves down by the rows opened before it or at it, a parked row
// by those opened before the shown row it follows: it keeps its place
// after that row, as an insertion at a displayed row goes after the parked
// rows above it.
void TGridRowEngine::RaiseForOpenedRows(const std::vector<int>& Before) {
  auto shownRaise = [&](int i) { return static_cast<int>(std::upper_bound(Before.begin(), Before.end(), i) - Before.begin()); };
  auto parkedRaise = [&](int shownBefore) { return CountBelow(Before, shownBefore); };
  TControlList& controls = G.FState->ControlList;
  std::vector<int> ys;
  for (int i = 0; i < controls.Count(); ++i) {
    const int y = controls.Control(i)->Y();
    const int d = G.RealToDisplRow(y);
    ys.push_back(y + (G.IsHiddenRow(y) ? parkedRaise(d) : shownRaise(d)));
  }
  for (int i = 0; i < controls.Count(); ++i) controls.Control(i)->SetY(ys[static_cast<size_t>(i)]);
  TGridItems& parked = G.FGridItems;
  for (int k = 0; k < parked.Count(); ++k) {
    TGridItem* item = parked.Item(k);
    item->SetIdx(item->Idx() + parkedRaise(item->Idx() - k));
  }
}

void TGridRowEngine::ExchangeRows(int ARow1, int ARow2) {
  G.Store().ExchangeRows(ARow1, ARow2);
  const int height = G.RowHeights(ARow1);
  if (height != G.RowHeights(ARow2)) {
    G.SetRowHeights(ARow1, G.RowHeights(ARow2));
    G.SetRowHeights(ARow2, height);
  }
}

void TGridRowEngine::MoveRowBlock(int From, int Count, int To, bool MoveCells) {
  struct TPlace {
    TControlItem* Item;
    int Displ;           // shown row: its displayed index after the move
    TGridItem* Parked;   // parked row: its item
  };
  TControlList& controls = G.FState->ControlList;
  std::vector<TPlace> places;
  for (int i = 0; i < controls.Count(); ++i) {
    TControlItem* item = controls.Control(i);
    TGridItem* parked = G.FGridItems.FindRealRow(item->Y());
    places.push_back({item, parked ? -1 : MovedIndex(G.RealToDisplRow(item->Y()), From, Count, To), parked});
  }
  const int lo = std::min(From, To), hi = std::max(From, To) + Count - 1;
  const int mid = To > From ? Count : From - lo;
  if (MoveCells) {
    RotateRange(lo, hi, mid, [&](int r) { return G.Store().TakeRow(r); },
                [&](int r, TCellStore::TRowPtr Row) { G.Store().PutRow(r, std::move(Row)); });
    // A single row's height moved in RowMoved already.
    RotateRange(lo, hi, mid, [&](int r) { return G.RowHeights(r); },
                [&](int r, int h) { G.SetRowHeights(r, h); });
  } else {
    G.TGridModel::MoveRow(From, To);
  }
  RotateFlags(G.FModifiedRows, lo, hi, mid);
  RotateFlags(G.FEnabledRows, lo, hi, mid);
  RotateFlags(G.FRowSelect, lo, hi, mid);
  G.FGridItems.RowsRemoved(From, Count);
  G.FGridItems.RowsInserted(G.DisplToRealRow(To), Count);
  for (const TPlace& p : places) p.Item->SetY(p.Parked ? p.Parked->Idx() : G.DisplToRealRow(p.Displ));
  G.CellsChanged(TRect{0, lo, G.ColCount() - 1, hi});
  G.CellControlsUpdate(false);
}

bool TGridRowEngine::IsFloatingFooterRow(int ARow) const {
  const TFloatingFooter& footer = *G.FFloatingFooter;
  return footer.Visible() && footer.FooterStyle() == fsFixedLastRow && ARow == G.RowCount() - 1;
}

// OnRowMoved fires once the height has moved too, not from the platform's step.
void TGridRowEngine::RowMoved(int FromIndex, int ToIndex) {
  if (IsFloatingFooterRow(ToIndex)) return;
  TMovedEvent event = std::exchange(G.OnRowMoved, nullptr);
  try {
    G.TBaseGrid::RowMoved(FromIndex, ToIndex);
  } catch (...) {
    G.OnRowMoved = std::move(event);
    throw;
  }
  G.OnRowMoved = std::move(event);
  if (G.EnhRowColMove()) {
    MoveEntry(FromIndex, ToIndex, [&](int r) { return G.RowHeights(r); },
              [&](int r, int h) { G.SetRowHeights(r, h); });
    G.SetColMoveFlg(true);
  }
  if (G.OnRowMoved) G.OnRowMoved(&G, FromIndex, ToIndex);
}

void TGridRowEngine::ShowControlsOfShownRows() {
  TControlList& controls = G.FState->ControlList;
  for (int i = 0; i < controls.Count(); ++i) {
    TControlItem* item = controls.Control(i);
    if (item->Control()) item->Control()->SetVisible(!G.IsHiddenRow(item->Y()));
  }
}

void TGridRowEngine::ShiftControlRows(int FromRealRow, int Delta) {
  TControlList& controls = G.FState->ControlList;
  for (int i = 0; i < controls.Count(); ++i) {
    TControlItem* item = controls.Control(i);
    if (item->Y() >= FromRealRow) item->SetY(item->Y() + Delta);
  }
}

void TGridRowEngine::DropControlsOfRows(int RowIndex, int RCount) {
  TControlList& controls = G.FState->ControlList;
  const int realFrom = G.DisplToRealRow(RowIndex);
  const int realEnd = G.DisplToRealRow(RowIndex + RCount);
  for (int i = controls.Count() - 1; i >= 0; --i) {
    TControlItem* item = controls.Control(i);
    if (item->Y() < realFrom || item->Y() >= realEnd || G.IsHiddenRow(item->Y())) continue;
    if (item->Control()) item->Control()->SetVisible(false);
    controls.RemoveControl(i);
  }
  ShiftControlRows(realEnd, -RCount);
}

void TGridRowEngine::RowCountChanged() { G.ApplyRowCount(G.RowCount()); }

void TGridRowEngine::RemoveRowSpan(int RowIndex, int RCount, bool AllLists, bool ParkWhenOutside,
                                   bool Renumber) {
  G.FreeCellPropsRange(0, RowIndex, AllColumns, RowIndex + RCount - 1);
  G.FNodes->NodesMayBeGone();
  const bool entered = std::exchange(G.FState->Entered, false);
  G.BeginUpdate();
  const int oldRow = G.Row(), oldTop = G.TopRow();
  if (Renumber) G.FGridItems.RowsRemoved(RowIndex, RCount);
  if (AllLists && G.FShowModified->Enabled()) DeleteFlags(G.FModifiedRows, RowIndex, RCount);
  if (AllLists && G.UseEnabledRows()) DeleteFlags(G.FEnabledRows, RowIndex, RCount);
  if (G.FMouseActions->DisjunctRowSelect()) DeleteFlags(G.FRowSelect, RowIndex, RCount);
  G.TGridModel::DeleteRowSpan(RowIndex, RCount);
  RowCountChanged();
  G.FMaxRowCount -= RCount;
  PlaceCurrentRowAfterRemoval(oldRow, oldTop, ParkWhenOutside);
  G.EndUpdate();
  G.FState->Entered = entered;
  G.CellsChanged(RowsRect(G, RowIndex, RCount));
  if (G.FState->ControlList.Count() > 0) G.CellControlsUpdate(false);
}

void TGridRowEngine::PlaceCurrentRowAfterRemoval(int OldRow, int OldTop, bool ParkWhenOutside) {
  const int lastData = G.RowCount() - G.FixedFooters() - 1;
  if (OldRow <= lastData) {
    if (!G.FMouseActions->DisjunctRowSelect()) G.MoveCurrent(G.Col(), OldRow, true, false);
    G.SetTopRow(OldTop);
  } else if (lastData >= G.FixedRows()) {
    G.MoveCurrent(G.Col(), lastData, true, false);
    if (ParkWhenOutside && G.Row() > lastData) G.HideSelection();
  } else {
    G.HideSelection();
  }
  G.FSelHidden = false;
}

void TGridRowEngine::RemoveRowList(const std::vector<int>& DisplRows, bool AllLists) {
  if (DisplRows.empty()) return;
  const auto n = static_cast<int>(DisplRows.size());
  if (n >= G.RowCount()) {  // the grid keeps one row: the span removal knows how
    for (auto r = DisplRows.rbegin(); r != DisplRows.rend(); ++r) {
      DropControlsOfRows(*r, 1);
      RemoveRowSpan(*r, 1, AllLists, false);
    }
    return;
  }
  G.FreeCellPropsOfRows(DisplRows);
  G.FNodes->NodesMayBeGone();
  const bool entered = std::exchange(G.FState->Entered, false);
  G.BeginUpdate();
  const int oldTop = G.TopRow();
  const int current = CurrentRowAfterRemovals(DisplRows);
  if (G.FState->ControlList.Count() > 0) DropControlsOfRowList(DisplRows);
  TGridItems& parked = G.FGridItems;
  for (int k = 0; k < parked.Count(); ++k) {
    TGridItem* item = parked.Item(k);
    item->SetIdx(item->Idx() - CountBelow(DisplRows, item->Idx() - k));
  }
  if (AllLists && G.FShowModified->Enabled()) CompactFlags(G.FModifiedRows, DisplRows);
  if (AllLists && G.UseEnabledRows()) CompactFlags(G.FEnabledRows, DisplRows);
  if (G.FMouseActions->DisjunctRowSelect()) CompactFlags(G.FRowSelect, DisplRows);
  G.CloseRowSlots(DisplRows);
  G.ApplyRowCount(G.RowCount() - n);
  G.FMaxRowCount -= n;
  if (current != G.Row() && current < G.RowCount()) G.MoveCurrent(G.Col(), current, true, false);
  PlaceCurrentRowAfterRemoval(current, oldTop, false);
  G.EndUpdate();
  G.FState->Entered = entered;
  G.CellsChanged(RowsRect(G, DisplRows.front(), n));
  if (G.FState->ControlList.Count() > 0) G.CellControlsUpdate(false);
}

// Where the current row ends after the removals from the bottom up, each
// moving it as the platform's row deletion and the placing after it do.
int TGridRowEngine::CurrentRowAfterRemovals(const std::vector<int>& DisplRows) const {
  const bool disjunct = G.FMouseActions->DisjunctRowSelect();
  int current = G.Row(), rows = G.RowCount();
  for (auto r = DisplRows.rbegin(); r != DisplRows.rend(); ++r) {
    const int last = --rows - G.FixedFooters() - 1;
    const int after = current > *r ? current - 1 : current;
    if (current <= last)
      current = disjunct ? after : current;
    else if (last >= G.FixedRows())
      current = last;
    else
      current = after;
  }
  return current;
}

void TGridRowEngine::DropControlsOfRowList(const std::vector<int>& DisplRows) {
  std::vector<int> reals, ends;
  for (int r : DisplRows) {
    reals.push_back(G.DisplToRealRow(r));
    ends.push_back(G.DisplToRealRow(r + 1));
  }
  TControlList& controls = G.FState->ControlList;
  for (int i = controls.Count() - 1; i >= 0; --i) {
    TControlItem* item = controls.Control(i);
    const int y = item->Y();
    if (!G.IsHiddenRow(y) && std::binary_search(reals.begin(), reals.end(), y)) {
      if (item->Control()) item->Control()->SetVisible(false);
      controls.RemoveControl(i);
      continue;
    }
    item->SetY(y - static_cast<int>(std::upper_bound(ends.begin(), ends.end(), y) - ends.begin()));
  }
}
