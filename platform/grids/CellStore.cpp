#include "platform/grids/CellStore.h"

#include <algorithm>

namespace {

// Grows V to hold index I. A row inside the usual width gets that width in
// one allocation; a row reaching past it grows by doubling.
template <class T>
void Reach(std::vector<T>& V, int I, int Hint) {
  auto need = static_cast<size_t>(I) + 1;
  if (need <= V.size()) return;
  auto hint = static_cast<size_t>(std::max(Hint, 0));
  if (need > V.capacity()) V.reserve(need <= hint ? hint : std::max(need, 2 * V.size()));
  V.resize(need);
}

template <class T>
void InsertAt(std::vector<T>& V, int Index, int Count) {
  if (Index < static_cast<int>(V.size())) V.insert(V.begin() + Index, static_cast<size_t>(Count), T{});
}

template <class T>
void EraseAt(std::vector<T>& V, int Index, int Count) {
  int size = static_cast<int>(V.size());
  if (Index >= size) return;
  V.erase(V.begin() + Index, V.begin() + std::min(size, Index + Count));
}

template <class T>
void MoveWithin(std::vector<T>& V, int From, int To) {
  if (std::max(From, To) >= static_cast<int>(V.size())) {
    if (From >= static_cast<int>(V.size()) && To >= static_cast<int>(V.size())) return;
    V.resize(static_cast<size_t>(std::max(From, To)) + 1);
  }
  auto from = V.begin() + From, to = V.begin() + To;
  if (From < To)
    std::rotate(from, from + 1, to + 1);
  else
    std::rotate(to, from, from + 1);
}

}  // namespace

TCellStore::TCellStore() = default;
TCellStore::~TCellStore() = default;

void TCellStore::SetRowCount(int Value) { FRows.resize(static_cast<size_t>(std::max(Value, 0))); }

const String& TCellStore::EmptyText() {
  static const String empty;
  return empty;
}

TObject* TCellStore::Object(int ACol, int ARow) const {
  const TRow* row = FRows[static_cast<size_t>(ARow)].get();
  if (!row || ACol >= static_cast<int>(row->Objects.size())) return nullptr;
  return row->Objects[static_cast<size_t>(ACol)];
}

TCellStore::TRow* TCellStore::Writable(int ARow, int ACol, bool ForObject) {
  auto& row = FRows[static_cast<size_t>(ARow)];
  if (!row) row = std::make_unique<TRow>();
  if (ForObject)
    Reach(row->Objects, ACol, FColHint);
  else
    Reach(row->Texts, ACol, FColHint);
  return row.get();
}

void TCellStore::SetText(int ACol, int ARow, const String& Value) {
  const TRow* row = FRows[static_cast<size_t>(ARow)].get();
  bool stored = row && ACol < static_cast<int>(row->Texts.size());
  if (!stored && Value.empty()) return;  // a never-written cell is already empty
  Writable(ARow, ACol, false)->Texts[static_cast<size_t>(ACol)] = Value;
}

void TCellStore::SetObject(int ACol, int ARow, TObject* Value) {
  const TRow* row = FRows[static_cast<size_t>(ARow)].get();
  bool stored = row && ACol < static_cast<int>(row->Objects.size());
  if (!stored && !Value) return;
  Writable(ARow, ACol, true)->Objects[static_cast<size_t>(ACol)] = Value;
}

int TCellStore::StoredCols(int ARow) const {
  const TRow* row = FRows[static_cast<size_t>(ARow)].get();
  return row ? static_cast<int>(std::max(row->Texts.size(), row->Objects.size())) : 0;
}

void TCellStore::InsertRows(int Index, int Count) {
  size_t old = FRows.size();
  FRows.resize(old + static_cast<size_t>(Count));
  std::move_backward(FRows.begin() + Index, FRows.begin() + static_cast<std::ptrdiff_t>(old), FRows.end());
}

void TCellStore::DeleteRows(int Index, int Count) {
  FRows.erase(FRows.begin() + Index, FRows.begin() + Index + Count);
}

void TCellStore::MoveRow(int FromIndex, int ToIndex) { MoveWithin(FRows, FromIndex, ToIndex); }

void TCellStore::ClearRow(int ARow) { FRows[static_cast<size_t>(ARow)].reset(); }

void TCellStore::InsertCols(int Index, int Count) {
  for (auto& row : FRows) {
    if (!row) continue;
    InsertAt(row->Texts, Index, Count);
    InsertAt(row->Objects, Index, Count);
  }
}

void TCellStore::DeleteCols(int Index, int Count) {
  for (auto& row : FRows) {
    if (!row) continue;
    EraseAt(row->Texts, Index, Count);
    EraseAt(row->Objects, Index, Count);
  }
}

void TCellStore::MoveCol(int FromIndex, int ToIndex) {
  for (auto& row : FRows) {
    if (!row) continue;
    MoveWithin(row->Texts, FromIndex, ToIndex);
    MoveWithin(row->Objects, FromIndex, ToIndex);
  }
}
