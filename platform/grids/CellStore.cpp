#include "platform/grids/CellStore.h"

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

#include "platform/grids/EraseIndexes.h"

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

// Puts the content item k holds into the k-th item of Order (ascending)
// for every k: Exchange(a, b) swaps the contents of items a and b. The items
// of a cycle are visited in an order known in advance, so Fetch(item) asks
// for the memory of those a few exchanges ahead: they lie scattered.
template <class F, class P>
void PermuteInto(std::vector<size_t> Order, F Exchange, P Fetch) {
  constexpr int kAhead = 8;
  // Order[j]: the item whose content the j-th target item holds now
  for (size_t j = 0; j < Order.size(); ++j) {
    size_t ahead = Order[j];  // Order of an item not yet reached is as given
    for (int i = 0; i < kAhead && ahead != j; ++i) {
      Fetch(ahead);
      ahead = Order[ahead];
    }
    while (Order[j] != j) {
      const size_t t = Order[j];
      if (ahead != j) {
        Fetch(ahead);
        ahead = Order[ahead];
      }
      Exchange(j, t);
      std::swap(Order[j], Order[t]);
    }
  }
}

// The rooms of vectors of one capacity, given in row order, go to the rows
// in address order, each row keeping its content.
template <class T>
void PackRooms(const std::vector<std::vector<T>*>& Vecs) {
  const size_t n = Vecs.size();
  const size_t bytes = n > 0 ? Vecs.front()->capacity() * sizeof(T) : 0;
  std::vector<std::pair<const T*, size_t>> rooms(n);  // (room, row), by address
  for (size_t i = 0; i < n; ++i) rooms[i] = {Vecs[i]->data(), i};
  std::sort(rooms.begin(), rooms.end(),
            [](const auto& a, const auto& b) { return std::less<const T*>()(a.first, b.first); });
  std::vector<std::vector<T>> byRoom(n);
  std::vector<size_t> order(n);
  for (size_t j = 0; j < n; ++j) {
    byRoom[j] = std::move(*Vecs[rooms[j].second]);
    order[j] = rooms[j].second;
  }
  auto exchange = [&](size_t a, size_t b) {
    std::vector<T>& x = byRoom[a];
    std::vector<T>& y = byRoom[b];
    const size_t nx = x.size(), ny = y.size(), most = std::max(nx, ny);
    x.resize(most);  // within the common capacity: the rooms stay
    y.resize(most);
    std::swap_ranges(x.begin(), x.end(), y.begin());
    x.resize(ny);
    y.resize(nx);
  };
  PermuteInto(std::move(order), exchange, [&](size_t a) {
    __builtin_prefetch(&byRoom[a]);
    const char* room = reinterpret_cast<const char*>(rooms[a].first);
    for (size_t b = 0; b < bytes; b += 64) __builtin_prefetch(room + b);
  });
  for (size_t j = 0; j < n; ++j) *Vecs[j] = std::move(byRoom[j]);
}

// PackRooms for the vectors of each capacity that Member picks from the rows.
template <class T, class Row>
void PackRoomsBySize(const std::vector<Row*>& Rows, std::vector<T> Row::*Member) {
  std::map<size_t, std::vector<std::vector<T>*>> bySize;
  for (Row* row : Rows) {
    std::vector<T>& v = row->*Member;
    if (v.capacity() > 0) bySize[v.capacity()].push_back(&v);
  }
  for (const auto& [size, vecs] : bySize) PackRooms(vecs);
}

}  // namespace

TCellStore::TCellStore() = default;

template <class F>
void TCellStore::ForEachRow(F Action) {
  for (size_t i = 0; i < FRows.Size(); ++i) Action(FRows[i]);
}

TCellStore::~TCellStore() {
  ForEachRow([this](TRow*& Row) { DropRow(Row); });
}

void TCellStore::DropRow(TRow*& Row) {
  delete Row;
  Row = nullptr;
}

void TCellStore::SetRowCount(int Value) {
  const auto want = static_cast<size_t>(std::max(Value, 0));
  for (size_t r = want; r < FRows.Size(); ++r) DropRow(FRows[r]);
  FRows.Resize(want);
}

const String& TCellStore::EmptyText() {
  static const String empty;
  return empty;
}

TObject* TCellStore::Object(int ACol, int ARow) const {
  const TRow* row = At(ARow);
  if (!row || ACol >= static_cast<int>(row->Objects.size())) return nullptr;
  return row->Objects[static_cast<size_t>(ACol)];
}

TCellStore::TRow* TCellStore::Writable(int ARow, int ACol, bool ForObject) {
  TRow*& row = At(ARow);
  if (!row) row = std::make_unique<TRow>().release();  // owned by the store from here
  if (ForObject)
    Reach(row->Objects, ACol, FColHint);
  else
    Reach(row->Texts, ACol, FColHint);
  return row;
}

void TCellStore::SetText(int ACol, int ARow, const String& Value) {
  const TRow* row = At(ARow);
  bool stored = row && ACol < static_cast<int>(row->Texts.size());
  if (!stored && Value.empty()) return;  // a never-written cell is already empty
  Writable(ARow, ACol, false)->Texts[static_cast<size_t>(ACol)] = Value;
}

void TCellStore::SetObject(int ACol, int ARow, TObject* Value) {
  const TRow* row = At(ARow);
  bool stored = row && ACol < static_cast<int>(row->Objects.size());
  if (!stored && !Value) return;
  Writable(ARow, ACol, true)->Objects[static_cast<size_t>(ACol)] = Value;
}

int TCellStore::StoredCols(int ARow) const {
  const TRow* row = At(ARow);
  return row ? static_cast<int>(std::max(row->Texts.size(), row->Objects.size())) : 0;
}

TCellStore::TRowPtr TCellStore::TakeRow(int ARow) {
  TRow*& slot = At(ARow);
  TRowPtr row(slot);
  slot = nullptr;
  return row;
}

void TCellStore::PutRow(int ARow, TRowPtr Row) {
  TRow*& slot = At(ARow);
  DropRow(slot);
  slot = Row.release();
}

// The row objects first, their vectors following their contents; then the
// rooms of the texts and of the objects by themselves, as they may have been
// made at other times than the rows.
void TCellStore::PackInRowOrder() {
  std::vector<size_t> slots;  // the rows that hold a row object, in order
  for (size_t i = 0; i < FRows.Size(); ++i) {
    if (FRows[i]) slots.push_back(i);
  }
  std::vector<std::pair<TRow*, size_t>> homes;  // (row object, row), by address
  homes.reserve(slots.size());
  for (size_t k = 0; k < slots.size(); ++k) homes.emplace_back(FRows[slots[k]], k);
  std::sort(homes.begin(), homes.end(),
            [](const auto& a, const auto& b) { return std::less<TRow*>()(a.first, b.first); });
  std::vector<size_t> order(homes.size());
  for (size_t j = 0; j < homes.size(); ++j) order[j] = homes[j].second;
  PermuteInto(
      std::move(order), [&](size_t a, size_t b) { std::swap(*homes[a].first, *homes[b].first); },
      [&](size_t a) { __builtin_prefetch(homes[a].first); });
  std::vector<TRow*> rows(homes.size());
  for (size_t k = 0; k < slots.size(); ++k) rows[k] = FRows[slots[k]] = homes[k].first;
  PackRoomsBySize(rows, &TRow::Texts);
  PackRoomsBySize(rows, &TRow::Objects);
}

void TCellStore::InsertRows(int Index, int Count) {
  if (Count > 0) FRows.Open(static_cast<size_t>(Index), static_cast<size_t>(Count));
}

void TCellStore::DeleteRows(int Index, int Count) {
  if (Count <= 0) return;
  for (int r = Index; r < Index + Count; ++r) DropRow(At(r));
  FRows.Close(static_cast<size_t>(Index), static_cast<size_t>(Count));
}

void TCellStore::DeleteRowList(const std::vector<int>& Rows) {
  const size_t count = FRows.Size();
  for (int r : Rows) DropRow(At(r));
  FRows.EraseList(Rows);
  FRows.Resize(count);
}

void TCellStore::MoveRow(int FromIndex, int ToIndex) {
  FRows.Move(static_cast<size_t>(FromIndex), static_cast<size_t>(ToIndex));
}

void TCellStore::ClearRow(int ARow) { DropRow(At(ARow)); }

void TCellStore::InsertCols(int Index, int Count) {
  ForEachRow([&](TRow* row) {
    if (!row) return;
    InsertAt(row->Texts, Index, Count);
    InsertAt(row->Objects, Index, Count);
  });
}

void TCellStore::DeleteCols(int Index, int Count) {
  ForEachRow([&](TRow* row) {
    if (!row) return;
    EraseAt(row->Texts, Index, Count);
    EraseAt(row->Objects, Index, Count);
  });
}

void TCellStore::DeleteColList(const std::vector<int>& Cols) {
  if (Cols.empty()) return;
  ForEachRow([&](TRow* row) {
    if (!row) return;
    EraseIndexes(row->Texts, Cols);
    EraseIndexes(row->Objects, Cols);
  });
}

void TCellStore::MoveCol(int FromIndex, int ToIndex) {
  ForEachRow([&](TRow* row) {
    if (!row) return;
    MoveWithin(row->Texts, FromIndex, ToIndex);
    MoveWithin(row->Objects, FromIndex, ToIndex);
  });
}
