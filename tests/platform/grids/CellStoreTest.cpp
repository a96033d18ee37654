// The cell store's rows under runs of inserts, deletes and moves, at the
// edges and in the middle, checked against a plain vector doing the same.
#include <gtest/gtest.h>

#include <algorithm>
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
        std::vector<int> list;
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
