#include "grid/model/ParkedRowsShown.h"

#include <algorithm>
#include <set>

#include "grid/model/AdvStringGrid.h"
#include "grid/model/GridRowEngine.h"

TParkedRowsShown::TParkedRowsShown(TAdvStringGrid& Grid, TGridRowEngine& Rows) : G(Grid), FRows(Rows) {
  const TGridItems& items = G.GridItems();
  FParked.reserve(static_cast<size_t>(items.Count()));
  for (int i = 0; i < items.Count(); ++i) FParked.push_back({items.Item(i)->Idx(), items.Item(i)->Level()});
  G.UnHideRowsAll();
}

bool TParkedRowsShown::Held(int ARow) const {
  const auto it = std::ranges::lower_bound(FParked, ARow, {}, &TParked::Row);
  return it != FParked.end() && it->Row == ARow;
}

void TParkedRowsShown::Removed(const std::vector<int>& Rows) {
  if (Rows.empty()) return;
  std::vector<TParked> kept;
  kept.reserve(FParked.size());
  auto gone = Rows.begin();
  for (const TParked& p : FParked) {
    while (gone != Rows.end() && *gone < p.Row) ++gone;
    if (gone != Rows.end() && *gone == p.Row) continue;
    kept.push_back({p.Row - static_cast<int>(gone - Rows.begin()), p.Level});
  }
  FParked = std::move(kept);
}

// Parking keeps real indexes, so each level finds its rows through the rows
// the levels before it parked.
void TParkedRowsShown::ParkAgain() {
  std::set<int> levels;
  for (const TParked& p : FParked) levels.insert(p.Level);
  for (int level : levels) {
    std::vector<int> rows;
    for (const TParked& p : FParked) {
      if (p.Level == level) rows.push_back(G.DisplRowIndex(p.Row));
    }
    FRows.ParkRows(std::move(rows), level);
  }
  FParked.clear();
}
