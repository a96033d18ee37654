// Per-index sizes of a grid axis through inserts, deletes and count changes,
// while few indexes have a size of their own and once many have, checked
// against a plain vector doing the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "platform/grids/GridAxis.h"

namespace {

constexpr int kDefault = 24;

struct TAxisAndMirror {
  TGridAxis Axis;
  std::vector<int> Mirror;

  explicit TAxisAndMirror(int Count) : Mirror(static_cast<size_t>(Count), kDefault) {
    Axis.SetDefaultSize(kDefault);
    Axis.SetCount(Count);
  }
  int Count() const { return static_cast<int>(Mirror.size()); }
  void Set(int Index, int Size) {
    Axis.SetSize(Index, Size);
    Mirror[static_cast<size_t>(Index)] = Size;
  }
  // As the grid model does: the count first, then the sizes follow.
  void Insert(int Index, int N) {
    Axis.SetCount(Count() + N);
    Axis.InsertSizes(Index, N);
    Mirror.insert(Mirror.begin() + Index, static_cast<size_t>(N), kDefault);
  }
  void Delete(int Index, int N) {
    Axis.DeleteSizes(Index, N);
    Axis.SetCount(Count() - N);
    Mirror.erase(Mirror.begin() + Index, Mirror.begin() + Index + N);
  }
  void DeleteList(const std::vector<int>& Indexes) {
    Axis.DeleteSizeList(Indexes);
    for (auto it = Indexes.rbegin(); it != Indexes.rend(); ++it) Mirror.erase(Mirror.begin() + *it);
    Mirror.resize(Mirror.size() + Indexes.size(), kDefault);
  }
  void Resize(int N) {
    Axis.SetCount(N);
    Mirror.resize(static_cast<size_t>(N), kDefault);
  }
  ::testing::AssertionResult Same() const {
    for (int i = 0; i < Count(); ++i)
      if (Axis.Size(i) != Mirror[static_cast<size_t>(i)])
        return ::testing::AssertionFailure() << "index " << i << ": " << Axis.Size(i) << " != " << Mirror[static_cast<size_t>(i)];
    return ::testing::AssertionSuccess();
  }
};

}  // namespace

// Hidden (-1) and sized rows, few of them and then every other one.
TEST(GridAxisSizes, SizesFollowTheirIndexesWhetherFewOrManyDiffer) {
  for (int step : {97, 2}) {
    TAxisAndMirror a(3000);
    for (int i = 1; i < a.Count(); i += step) a.Set(i, i % 3 ? -1 : 40);
    ASSERT_TRUE(a.Same()) << "every " << step;
    std::mt19937 rng(static_cast<unsigned>(step));
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int op = 0; op < 300; ++op) {
      const int at = std::array<int, 3>{0, a.Count() - 1, pick(a.Count())}[static_cast<size_t>(pick(3))];
      switch (pick(6)) {
        case 0: a.Insert(at + pick(2), 1 + pick(3)); break;
        case 1: if (a.Count() > 10) a.Delete(at, std::min(1 + pick(3), a.Count() - at)); break;
        case 2: {
          std::vector<int> list;
          for (int i = at; i < a.Count(); i += 3 + pick(50)) list.push_back(i);
          a.DeleteList(list);
          break;
        }
        case 3: a.Resize(std::max(10, a.Count() + pick(21) - 10)); break;
        default: a.Set(at, pick(2) ? kDefault : -1); break;
      }
      ASSERT_TRUE(a.Same()) << "every " << step << ", op " << op;
    }
  }
}

TEST(GridAxisSizes, ANewDefaultSizeForgetsEveryOverride) {
  TAxisAndMirror a(1000);
  for (int i = 0; i < 1000; i += 2) a.Set(i, -1);
  a.Axis.SetDefaultSize(30);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(a.Axis.Size(i), 30);
}
