#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/base/Bands.h"
#include "grid/base/FocusHelper.h"
#include "grid/base/SyncGrid.h"
#include "platform/grids/StringGrid.h"
#include "tests/grid/base/SettingsTable.h"

namespace {

std::unique_ptr<TBands> MakeBands() { return std::make_unique<TBands>(); }

std::vector<TOptionRow<TBands>> BandRows() {
  using B = TBands;
  return {
      Opt("Active", &B::Active, &B::SetActive, false, true, true, nkChanged),
      Opt("PrimaryColor", &B::PrimaryColor, &B::SetPrimaryColor, clInfoBk, clRed, true),
      Opt("PrimaryLength", &B::PrimaryLength, &B::SetPrimaryLength, 1, 3, true),
      Opt("SecondaryColor", &B::SecondaryColor, &B::SetSecondaryColor, clWindow, clRed, true),
      Opt("SecondaryLength", &B::SecondaryLength, &B::SetSecondaryLength, 1, 4, true),
      Opt("Print", &B::Print, &B::SetPrint, false, true, true),
  };
}

// While inactive only Active itself reports.
TEST(Bands, OptionTable) {
  const auto rows = BandRows();
  ExpectDefaults<TBands>(rows, MakeBands);
  ExpectNotifications<TBands>(rows, MakeBands);
  ExpectAssign<TBands>(rows, MakeBands);
  ExpectForeignIgnored<TBands>(rows, MakeBands);
  EXPECT_EQ(MakeBands()->TotalLength(), 2);
}

TEST(Bands, ActiveBandsReportRealChangesOfColoursAndLengths) {
  TBands bands;
  bands.SetActive(true);
  int changes = 0;
  bands.OnChange = [&](TObject*) { ++changes; };
  bands.SetPrimaryLength(1);
  bands.SetSecondaryColor(clWindow);
  bands.SetPrint(true);
  EXPECT_EQ(changes, 0);
  bands.SetPrimaryLength(3);
  bands.SetSecondaryLength(2);
  bands.SetPrimaryColor(clRed);
  bands.SetSecondaryColor(clBlue);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(bands.TotalLength(), 5);
}

TEST(Bands, AssignRecomputesTheTotalLength) {
  TBands source, target;
  source.SetPrimaryLength(2);
  source.SetSecondaryLength(3);
  source.SetPrint(true);
  target.Assign(source);
  EXPECT_EQ(target.TotalLength(), 5);
  EXPECT_TRUE(target.Print());
}

TEST(SyncGrid, DefaultsAssignAndTheOwnerRefusedAsItsOwnPartner) {
  // The partner is asked to report its freeing, so the grids are real.
  std::vector<std::unique_ptr<TStringGrid>> grids;
  for (int i = 0; i < 4; ++i) grids.push_back(std::make_unique<TStringGrid>(nullptr));
  const auto GridAt = [&grids](int i) { return grids[static_cast<size_t>(i)].get(); };
  TSyncGrid sync(GridAt(0));
  EXPECT_EQ(sync.Grid(), nullptr);
  sync.SetGrid(GridAt(0));
  EXPECT_EQ(sync.Grid(), nullptr);
  sync.SetGrid(GridAt(1));
  EXPECT_EQ(sync.Grid(), GridAt(1));

  using S = TSyncGrid;
  const std::vector<std::pair<bool (S::*)() const, void (S::*)(bool)>> switches = {
      {&S::ScrollVertical, &S::SetScrollVertical},   {&S::ScrollHorizontal, &S::SetScrollHorizontal},
      {&S::SelectionColumn, &S::SetSelectionColumn}, {&S::SelectionRow, &S::SetSelectionRow},
      {&S::MoveColumn, &S::SetMoveColumn},           {&S::MoveRow, &S::SetMoveRow}};
  for (auto [get, set] : switches) {
    TSyncGrid source(GridAt(2)), target(GridAt(3));
    EXPECT_FALSE((target.*get)());
    (source.*set)(true);
    target.Assign(source);
    EXPECT_TRUE((target.*get)());
  }
  // A partner that is the target's own grid is refused by the setter.
  TSyncGrid target(GridAt(1));
  target.Assign(sync);
  EXPECT_EQ(target.Grid(), nullptr);
  target.Assign(TForeign());
}

TEST(FocusHelper, OffByDefaultAndAssignCopiesEnabled) {
  TFocusHelper source(nullptr), target(nullptr);
  EXPECT_FALSE(target.Enabled());
  source.SetEnabled(true);
  target.Assign(TForeign());
  EXPECT_FALSE(target.Enabled());
  target.Assign(source);
  EXPECT_TRUE(target.Enabled());
}

}  // namespace
