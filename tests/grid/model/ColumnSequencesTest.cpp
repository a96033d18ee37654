// Random sequences of column operations (hiding, showing, inserting,
// removing, moving, lowering and raising the count) with a parked row, checked
// step by step against a plain list of the storage columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"

namespace {

constexpr int kHideable = 512;
constexpr int kRows = 3;

struct Column {
  int Id;  // -1: a column opened since, empty
  bool Hidden;
  int Width;  // shown width, or the one remembered while hidden
};

// Cell (c, r) of column Id holds "r.Id"; row 1 stays parked throughout.
// Columns past the count keep their cells and come back with them.
struct ColumnSequences : ::testing::Test {
  std::unique_ptr<TAdvStringGrid> G;
  std::vector<Column> Cols;  // the storage columns, those past the count too
  int Count = 0;             // storage columns inside the count
  int Centre = 0;            // most picked indexes lie near it
  std::mt19937 Rng;
  std::string Log;

  int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(Rng() % static_cast<unsigned>(n)); }
  int Near(int Limit) {
    const int c = Pick(4) == 0 ? Pick(Limit) : Centre - 4 + Pick(9);
    return std::clamp(c, 0, std::max(Limit - 1, 0));
  }
  int Shown() const {
    return static_cast<int>(std::count_if(Cols.begin(), Cols.begin() + Count, [](const Column& c) { return !c.Hidden; }));
  }
  int DisplOf(int Storage) const {
    return static_cast<int>(
        std::count_if(Cols.begin(), Cols.begin() + Storage, [](const Column& c) { return !c.Hidden; }));
  }
  int StorageOf(int Displ) const {
    for (int i = 0, k = 0; i < Count; ++i)
      if (!Cols[static_cast<size_t>(i)].Hidden && k++ == Displ) return i;
    return -1;
  }
  Column& At(int i) { return Cols[static_cast<size_t>(i)]; }

  void Start(int Width, int Seed) {
    G = std::make_unique<TAdvStringGrid>(nullptr);
    G->SetColCount(Width);
    G->SetRowCount(kRows);
    Cols.clear();
    for (int c = 0; c < Width; ++c) {
      Cols.push_back({c, false, 20 + c % 40});
      G->SetColWidths(c, 20 + c % 40);
      for (int r = 0; r < kRows; ++r) G->SetCells(c, r, IntToStr(r) + u"." + IntToStr(c));
    }
    Count = Width;
    G->HideRow(1);
    Rng.seed(static_cast<unsigned>(Seed));
    Log.clear();
  }
  void Step();
  void SetCount();
  void Check();
};

void ColumnSequences::Step() {
  const int all = G->AllColCount(), c = Near(all + 1), n = 1 + Pick(3);
  const auto say = [&](const std::string& s) { Log += s + " "; };
  switch (Pick(7)) {
    case 0:
      say("HideColumns(" + std::to_string(c) + "," + std::to_string(c + n) + ")");
      G->HideColumns(c, c + n);
      for (int i = c; i <= std::min({c + n, Count - 1, kHideable - 1}); ++i)
        if (Shown() > 1) At(i).Hidden = true;
      break;
    case 1:
      say("UnHideColumns(" + std::to_string(c) + "," + std::to_string(c + n) + ")");
      G->UnHideColumns(c, c + n);
      for (int i = c; i <= std::min({c + n, Count - 1, kHideable - 1}); ++i) At(i).Hidden = false;
      break;
    case 2:
      say("InsertCols(" + std::to_string(c) + "," + std::to_string(n) + ")");
      G->InsertCols(c, n);
      for (int i = std::max(c, kHideable - n); i < std::min(Count, kHideable); ++i) At(i).Hidden = false;
      Cols.insert(Cols.begin() + c, static_cast<size_t>(n), Column{-1, false, G->DefaultColWidth()});
      Count += n;
      break;
    case 3: {
      const int m = std::min(n, Count - c);
      if (m <= 0 || Shown() == DisplOf(c + m) - DisplOf(c)) break;  // would remove every shown column
      say("RemoveCols(" + std::to_string(c) + "," + std::to_string(n) + ")");
      G->RemoveCols(c, n);
      Cols.erase(Cols.begin() + c, Cols.begin() + c + m);
      Count -= m;
      break;
    }
    case 4: {
      const int f = std::min(DisplOf(std::min(c, Count - 1)), Shown() - 1);
      const int t = std::min(DisplOf(Near(Count)), Shown() - 1);
      say("MoveColumn(" + std::to_string(f) + "," + std::to_string(t) + ")");
      G->MoveColumn(f, t);
      const int rf = StorageOf(f), rt = StorageOf(t);
      if (rf == rt) break;
      std::vector<int> widths;  // the widths stay with the displayed columns moved
      for (int i = 0; i < Count; ++i)
        if (!At(i).Hidden) widths.push_back(At(i).Width);
      std::rotate(f < t ? widths.begin() + f : widths.begin() + t, f < t ? widths.begin() + f + 1 : widths.begin() + f,
                  f < t ? widths.begin() + t + 1 : widths.begin() + f + 1);
      const Column moved = At(rf);
      Cols.erase(Cols.begin() + rf);
      Cols.insert(Cols.begin() + rt, moved);
      for (int i = 0, k = 0; i < Count; ++i)
        if (!At(i).Hidden) At(i).Width = widths[static_cast<size_t>(k++)];
      if (rt < kHideable && rf >= kHideable) At(kHideable).Hidden = false;  // pushed past the hideable ones
      break;
    }
    case 5:
      SetCount();
      break;
    default:
      say("UnHideColumnsAll");
      G->UnHideColumnsAll();
      for (int i = 0; i < Count; ++i) At(i).Hidden = false;
  }
}

// A lowered count shows the hidden columns left past the new end; columns
// coming back into the count have the default width.
void ColumnSequences::SetCount() {
  const int shown = std::max(1, Shown() + Pick(7) - 3);
  Log += "SetColCount(" + std::to_string(shown) + ") ";
  G->SetColCount(shown);
  int count = shown + (Count - Shown());
  for (int i = std::min(Count, kHideable) - 1; i >= count; --i) {
    if (!At(i).Hidden) continue;
    At(i).Hidden = false;
    --count;
  }
  for (int i = Count; i < count; ++i) {
    if (i == static_cast<int>(Cols.size())) Cols.push_back({-1, false, 0});
    At(i).Width = G->DefaultColWidth();
  }
  Count = count;
}

void ColumnSequences::Check() {
  SCOPED_TRACE(Log);
  ASSERT_EQ(G->ColCount(), Shown());
  ASSERT_EQ(G->AllColCount(), Count);
  for (int c = 0; c < Count; ++c) {
    const Column& col = At(c);
    ASSERT_EQ(G->IsHiddenColumn(c), col.Hidden) << "column " << c;
    ASSERT_EQ(G->AllColWidths(c), col.Width) << "column " << c;
    ASSERT_TRUE(col.Hidden || G->RealColIndex(G->DisplColIndex(c)) == c) << "column " << c;
    for (int r = 0; r < kRows; ++r) {
      const String text = col.Id < 0 ? String() : IntToStr(r) + u"." + IntToStr(col.Id);
      ASSERT_EQ(G->AllCells(c, r), text) << "column " << c << " row " << r;
    }
  }
}

TEST_F(ColumnSequences, RandomSequencesAgreeWithAPlainModel) {
  struct Case {
    int Width, Centre;
  };
  for (const Case& k : {Case{12, 6}, Case{520, 510}}) {
    for (int seed = 0; seed < 30; ++seed) {
      Start(k.Width, seed);
      Centre = k.Centre;
      for (int step = 0; step < 40; ++step) {
        Step();
        Check();
        if (HasFatalFailure()) return;
      }
    }
  }
}

}  // namespace
