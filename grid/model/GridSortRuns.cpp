// The sort runs around the partition: the scratch rows, the saved first
// column, the update bracket, the floating footer and the current row. Every
// count and scratch change a run makes is undone when it raises too; the
// rows are then some permutation of the rows before, and the error goes on.
#include <algorithm>
#include <utility>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "grid/model/GridSorter.h"
#include "grid/model/SearchPanel.h"
#include "grid/model/SortKeyCache.h"
#include "grid/model/SortSettings.h"

namespace {

constexpr int ScratchRows = 3;

enum TCurrentRowRule { crKeep, crUnlessDisjunct, crAlways };

struct TRunSteps {
  bool Scratch = true;
  bool Bracket = true;  // first column, update bracket, top row
  bool Footer = false;
  TCurrentRowRule CurrentRow = crKeep;
};

}  // namespace

class TGridSorter::TFrame {
 public:
  TFrame(TGridSorter& Sorter, const TRunSteps& Steps) : S(Sorter), G(Sorter.G), Steps(Steps) {}

  void Open() {
    if (Steps.Bracket) OpenBracket();
    if (Steps.Footer) {
      FooterShown = G.FFloatingFooter->Visible();
      FixedFooters = G.FFixedFooters;
      FooterOpen = true;
      if (FooterShown) G.FFloatingFooter->SetVisible(false);
      G.FFixedFooters = FixedFooters;  // the footer row stays out of the sort
    }
    if (Steps.Scratch) OpenScratch();
    OldRow = G.Row();
    G.SetSortRow(G.Row());
  }

  // Undoes what Open did; Done adds the current row and the repaints.
  void Close(bool Done) {
    if (ScratchOpen) CloseScratch();
    if (Done) PlaceCurrentRow();
    if (Done && Steps.CurrentRow == crUnlessDisjunct && G.OnRowChanged && !G.FNavigation->MoveRowOnSort())
      G.OnRowChanged(&G, OldRow, G.Row());
    if (BracketOpen) CloseBracket();
  }

 private:
  void OpenBracket() {
    KeepColumnZero = G.FSortSettings->NormalCellsOnly() && G.FixedCols() > 0;
    if (KeepColumnZero) {
      for (int r = 0; r < G.RowCount(); ++r) {
        ColumnZero.emplace_back(G.Store().Text(0, r), G.Store().Object(0, r));
      }
    }
    TopRow = G.TopRow();
    G.BeginUpdate();
    BracketOpen = true;
  }

  void CloseBracket() {
    // The saved cells go back to their rows: each record again has one cell.
    for (int r = 0; r < static_cast<int>(ColumnZero.size()) && r < G.RowCount(); ++r) {
      G.Store().SetText(0, r, ColumnZero[static_cast<size_t>(r)].first);
      G.Store().SetObject(0, r, ColumnZero[static_cast<size_t>(r)].second);
    }
    if (G.FNavigation->KeepScrollOnSort()) G.SetTopRow(TopRow);
    if (FooterOpen) {
      if (FooterShown) G.FFloatingFooter->SetVisible(true);
      G.FFixedFooters = FixedFooters;
    }
    G.EndUpdate();
    if (!Steps.Footer) return;
    if (G.FFloatingFooter->Visible() && G.FFooterPanel) G.FFooterPanel->Invalidate();
    if (Steps.CurrentRow == crUnlessDisjunct && G.FSearchFooter->Visible() && G.FSearchPanel &&
        G.FSearchPanel->Visible())
      G.FSearchPanel->Invalidate();
  }

  void OpenScratch() {
    DataRows = G.RowCount();
    MaxRowCount = G.FMaxRowCount;
    NormalRowCount = G.FNormalRowCount;
    G.SetRowCount(DataRows + ScratchRows);
    G.FNormalRowCount = DataRows;
    ScratchOpen = true;
    const TSortSettings& s = *G.FSortSettings;
    const bool stable = G.PlainTexts() && !s.SingleColumn() && !G.OnCustomCompare && !G.OnRawCompare;
    S.FKeys = std::make_unique<TSortKeyCache>(G.RowCount(), DataRows, stable, s.SingleColumn() ? s.Column() : -1,
                                              std::move(S.FOriginRoom));
    // With only the sort column's cells swapping, a row's other cells stay.
    S.FKeys->ShortCutSameRow = !s.SingleColumn() && !G.OnCustomCompare && !G.OnRawCompare;
  }

  // The scratch rows hold borrowed records: their slots are emptied, never freed.
  void CloseScratch() {
    S.DropKeys();
    const bool block = std::exchange(G.FState->BlockCellChange, true);
    for (int r = DataRows; r < G.RowCount(); ++r) G.Store().TakeRow(r);
    G.SetRowCount(DataRows);
    G.FState->BlockCellChange = block;
    G.FMaxRowCount = MaxRowCount;
    G.FNormalRowCount = NormalRowCount;
    ScratchOpen = false;
  }

  void PlaceCurrentRow() {
    if (Steps.CurrentRow == crKeep) return;
    if (Steps.CurrentRow == crUnlessDisjunct && G.FMouseActions->DisjunctRowSelect()) return;
    const bool entered = std::exchange(G.FState->Entered, false);
    if (G.FNavigation->MoveRowOnSort()) {
      G.MoveCurrent(G.Col(), G.SortRow(), true, false);
      G.FState->OldRowSel = -1;
    } else {
      G.MoveCurrent(G.Col(), OldRow, true, false);
    }
    G.FState->Entered = entered;
  }

  TGridSorter& S;
  TAdvStringGrid& G;
  TRunSteps Steps;
  bool BracketOpen = false, ScratchOpen = false, FooterOpen = false;
  bool KeepColumnZero = false;
  std::vector<std::pair<String, TObject*>> ColumnZero;
  int TopRow = 0, OldRow = 0;
  bool FooterShown = false;
  int FixedFooters = 0;
  int DataRows = 0, MaxRowCount = 0, NormalRowCount = 0;
};

namespace {

template <class Frame, class Work>
void RunFramed(Frame& F, Work&& W) {
  try {
    F.Open();
    W();
  } catch (...) {
    try {
      F.Close(false);
    } catch (...) {  // the first error is the one the caller needs
    }
    throw;
  }
  F.Close(true);
}

}  // namespace

void TGridSorter::DropKeys() {
  if (FKeys) {
    FSpare = FKeys->TakeFirst();
    FOriginRoom = FKeys->TakeOrigins();
  }
  FKeys.reset();
  FPendingPivot = -1;
}

void TGridSorter::InitSortXRef() {
  TIntList& xref = *G.FSortRowXRef;
  xref.Clear();
  for (int r = 0; r < G.RowCount(); ++r) xref.Add(r);
}

void TGridSorter::QSort() {
  const int col = G.FSortSettings->Column();
  if (col < 0) return;
  if (G.FSortRowXRef->Count() != G.RowCount()) InitSortXRef();
  G.FSortIndexes->Clear();
  TFrame frame(*this, {true, true, true, crUnlessDisjunct});
  const int last = G.RowCount() - G.FFixedFooters - 1;
  RunFramed(frame, [&] { SortRows(col, G.FixedRows(), last); });
}

void TGridSorter::QSortIndexed() {
  if (G.FSortRowXRef->Count() != G.RowCount()) InitSortXRef();
  if (G.FSortIndexes->Count() == 0) throw EAdvGridError(u"No indexes specified for indexed sort");
  TFrame frame(*this, {true, true, true, crAlways});
  const int last = G.RowCount() - G.FFixedFooters - 1;
  RunFramed(frame, [&] { SortRowsIndexed(G.FixedRows(), last); });
}

void TGridSorter::SortGroupRows(bool Indexed) {
  if (G.FSortRowXRef->Count() != G.RowCount()) InitSortXRef();
  TFrame frame(*this, {true, true, false, crAlways});
  const int first = G.FixedRows(), last = G.RowCount() - G.FFixedFooters - 1;
  RunFramed(frame, [&] { SortGroups(Indexed, first, last); });
}

// Only the deepest level's expanded groups sort; their node rows stay.
void TGridSorter::SortGroups(bool Indexed, int First, int Last) {
  int deepest = -1;
  for (int r = First; r <= Last; ++r) deepest = std::max(deepest, G.IsNode(r) ? G.GetNodeLevel(r) : -1);
  if (deepest < 0) return;
  const int col = G.FSortSettings->Column();
  for (int r = First; r <= Last; ++r) {
    if (!G.IsNode(r) || G.GetNodeLevel(r) != deepest || G.GetNodeState(r)) continue;
    const int span = G.GetNodeSpan(r);
    if (span <= 2) continue;
    const int end = std::min(r + span - 1, Last);
    if (Indexed)
      SortRowsIndexed(r + 1, end);
    else
      SortRows(col, r + 1, end);
  }
}

void TGridSorter::QuickSort(int Col, int Left, int Right) {
  TFrame frame(*this, {true, false, false, crKeep});
  RunFramed(frame, [&] { SortRows(Col, Left, Right); });
}

void TGridSorter::QuickSortIndexed(int Left, int Right) {
  TFrame frame(*this, {true, false, false, crKeep});
  RunFramed(frame, [&] { SortRowsIndexed(Left, Right); });
}

// Rows added or removed since the sort leave the record out of step: it
// starts afresh and the rows stay where they are.
void TGridSorter::QUnSort() {
  if (G.FSortRowXRef->Count() != G.RowCount()) {
    InitSortXRef();
    return;
  }
  FUnSortRowXRef.Clear();
  for (int r = 0; r < G.FSortRowXRef->Count(); ++r) FUnSortRowXRef.Add(G.FSortRowXRef->Items(r));
  TFrame frame(*this, {false, true, false, crKeep});
  RunFramed(frame, [&] { UnSortRows(); });
}

// Each swap puts one row where its recorded index says, so the order comes
// back in at most RowCount swaps; both records then read 0, 1, 2, ...
void TGridSorter::UnSortRows() {
  TIntList& back = FUnSortRowXRef;
  for (int i = 0; i < back.Count(); ++i) {
    for (int j = back.Items(i); j != i; j = back.Items(i)) {
      if (j < 0 || j >= back.Count()) return;
      G.SortSwapRows(i, j);
      back.SetItems(i, back.Items(j));
      back.SetItems(j, j);
    }
  }
}
