// The cell store's rows under runs of inserts, deletes and moves, at the
// edges and in the middle, checked against a plain vector doing the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/grids/CellStore.h"

namespace {

// The store and a vector of the same rows' first texts, kept in step.
struct TStoreAndMirror {
  TCellStore Store;
  std::vector<String> Mirror;
  int Next = 0;

  void Write(int Row) {
    const String text = S("t" + std::to_string(Next++));
    Store.SetText(0, Row, text);
    Mirror[static_cast<size_t>(Row)] = text;
  }
  void Insert(int At, int Count) {
    Store.InsertRows(At, Count);
    Mirror.insert(Mirror.begin() + At, static_cast<size_t>(Count), String());
  }
  void Delete(int At, int Count) {
    Store.DeleteRows(At, Count);
    Mirror.erase(Mirror.begin() + At, Mirror.begin() + At + Count);
  }
  void Move(int From, int To) {
    Store.MoveRow(From, To);
    String row = Mirror[static_cast<size_t>(From)];
    Mirror.erase(Mirror.begin() + From);
    Mirror.insert(Mirror.begin() + To, row);
  }
  void Resize(int Count) {
    Store.SetRowCount(Count);
    Mirror.resize(static_cast<size_t>(Count));
  }
  void DeleteList(const std::vector<int>& Rows) {
    Store.DeleteRowList(Rows);
    for (auto it = Rows.rbegin(); it != Rows.rend(); ++it) Mirror.erase(Mirror.begin() + *it);
    Mirror.resize(Mirror.size() + Rows.size());
  }
  // Two rows swapped by taking them out and putting them back.
  void Swap(int A, int B) {
    auto a = Store.TakeRow(A);
    auto b = Store.TakeRow(B);
    Store.PutRow(A, std::move(b));
    Store.PutRow(B, std::move(a));
    std::swap(Mirror[static_cast<size_t>(A)], Mirror[static_cast<size_t>(B)]);
  }
  ::testing::AssertionResult Same() const {
    if (Store.RowCount() != static_cast<int>(Mirror.size()))
      return ::testing::AssertionFailure() << "count " << Store.RowCount() << " != " << Mirror.size();
    for (int r = 0; r < Store.RowCount(); ++r)
      if (Store.Text(0, r) != Mirror[static_cast<size_t>(r)]) return ::testing::AssertionFailure() << "row " << r;
    return ::testing::AssertionSuccess();
  }
};

}  // namespace

// Each step works at the first row, the last, one past the last or a row
// near the previous step, so the free slots are crossed in both directions.
TEST(CellStoreRows, RunsOfEditsAtEdgesAndInTheMiddleKeepEveryRow) {
  TStoreAndMirror s;
  s.Resize(40);
  for (int r = 0; r < 40; ++r) s.Write(r);
  std::mt19937 rng(24);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  int near = 20;
  for (int step = 0; step < 3000; ++step) {
    const int count = s.Store.RowCount();
    const int spots[] = {0, count - 1, count, std::clamp(near + pick(5) - 2, 0, count)};
    const int at = spots[pick(4)];
    const int row = std::min(at, count - 1);
    switch (pick(8)) {
      case 0: s.Insert(at, 1 + pick(3)); break;
      case 1: if (count > 3) s.Delete(row, std::min(1 + pick(3), count - row)); break;
      case 2: s.Move(row, pick(count)); break;
      case 3: s.Swap(row, pick(count)); break;
      case 4: s.Resize(std::max(1, count + pick(7) - 3)); break;
      case 5: {
        std::vector<int> list;  // one row near the step before, or rows down to the end
        if (pick(2) == 0)
          list.push_back(row);
        else
          for (int r = row % 3; r < count; r += 2 + pick(4)) list.push_back(r);
        s.DeleteList(list);
        break;
      }
      default: s.Write(row); break;
    }
    near = at;
    ASSERT_TRUE(s.Same()) << "after step " << step;
  }
}

TEST(CellStoreRows, ManyDeletesThenGrowthKeepRowsAndFreeNothingTwice) {
  TStoreAndMirror s;
  s.Resize(5000);
  for (int r = 0; r < 5000; r += 7) s.Write(r);
  for (int i = 0; i < 4000; ++i) s.Delete(500, 1);  // the free slots outgrow the rows
  ASSERT_TRUE(s.Same());
  s.Insert(0, 3);
  s.Resize(3000);
  s.Write(2999);
  ASSERT_TRUE(s.Same());
  s.Resize(2);
  EXPECT_TRUE(s.Same());
}

// Rows of several widths (so rooms of several sizes), short and long texts,
// objects, empty rows and free slots in the middle, shuffled as a sort would:
// after packing every cell reads the same, the row objects lie in row order
// and so do the text and object rooms of each size.
TEST(CellStorePack, CellsStayAndRowsAndRoomsLieInRowOrder) {
  struct TMirrorRow {
    std::vector<String> Texts;
    int ObjectCol = -1;
    TObject* Object = nullptr;
  };
  constexpr int kWritten = 280;
  std::vector<TPersistent> objects(kWritten);
  TCellStore store;
  std::vector<TMirrorRow> mirror(kWritten);
  store.SetRowCount(kWritten);
  for (int r = 0; r < kWritten; ++r) {
    store.SetColHint(r % 2 ? 3 : 6);
    if (r % 7 == 0) continue;  // never written
    TMirrorRow& m = mirror[static_cast<size_t>(r)];
    for (int c = 0; c <= r % 5; ++c) {
      m.Texts.push_back(S((c == 2 ? "a text too long to sit inside the string " : "") + std::to_string(r * 10 + c)));
      store.SetText(c, r, m.Texts.back());
    }
    if (r % 3 == 0) {
      m.ObjectCol = r % 4;
      m.Object = &objects[static_cast<size_t>(r)];
      store.SetObject(m.ObjectCol, r, m.Object);
    }
  }
  store.InsertRows(100, 20);  // free slots stay behind the inserted rows
  mirror.insert(mirror.begin() + 100, 20, TMirrorRow());
  const int rowCount = store.RowCount();
  std::mt19937 rng(5);
  for (int i = 0; i < 2 * rowCount; ++i) {
    const int a = static_cast<int>(rng() % static_cast<unsigned>(rowCount));
    const int b = static_cast<int>(rng() % static_cast<unsigned>(rowCount));
    store.ExchangeRows(a, b);
    std::swap(mirror[static_cast<size_t>(a)], mirror[static_cast<size_t>(b)]);
  }

  store.PackInRowOrder();

  for (int r = 0; r < rowCount; ++r) {
    const TMirrorRow& m = mirror[static_cast<size_t>(r)];
    for (int c = 0; c < 6; ++c) {
      const bool has = c < static_cast<int>(m.Texts.size());
      ASSERT_EQ(store.Text(c, r), has ? m.Texts[static_cast<size_t>(c)] : String()) << "row " << r << " col " << c;
      ASSERT_EQ(store.Object(c, r), c == m.ObjectCol ? m.Object : nullptr) << "row " << r << " col " << c;
    }
  }
  std::vector<const TCellStore::TRow*> rows;
  for (int r = 0; r < rowCount; ++r) {
    TCellStore::TRowPtr row = store.TakeRow(r);
    if (row) rows.push_back(row.get());
    store.PutRow(r, std::move(row));
  }
  auto ascending = [](const auto& Addresses) {
    return std::is_sorted(Addresses.begin(), Addresses.end(), std::less<>());
  };
  EXPECT_TRUE(ascending(rows));
  for (size_t room : {size_t{3}, size_t{6}}) {
    std::vector<const String*> textRooms;
    std::vector<TObject* const*> objectRooms;
    for (const TCellStore::TRow* row : rows) {
      if (row->Texts.capacity() == room) textRooms.push_back(row->Texts.data());
      if (row->Objects.capacity() == room) objectRooms.push_back(row->Objects.data());
    }
    EXPECT_GT(textRooms.size(), 50u) << room;
    EXPECT_GT(objectRooms.size(), 10u) << room;
    EXPECT_TRUE(ascending(textRooms)) << room;
    EXPECT_TRUE(ascending(objectRooms)) << room;
  }
}
