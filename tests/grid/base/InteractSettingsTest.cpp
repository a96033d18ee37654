#include <gtest/gtest.h>

#include "grid/base/BalloonSettings.h"
#include "grid/base/DragDropSettings.h"
#include "grid/base/DragScrollOptions.h"
#include "tests/grid/base/SettingsTable.h"

namespace {

// ---- drag and drop

std::vector<TOptionRow<TDragDropSettings>> DragDropRows() {
  using D = TDragDropSettings;
  return {
      Opt("ShowCells", &D::ShowCells, &D::SetShowCells, true, false, true),
      Opt("OleAcceptFiles", &D::OleAcceptFiles, &D::SetOleAcceptFiles, true, false, true),
      Opt("OleAcceptText", &D::OleAcceptText, &D::SetOleAcceptText, true, false, true),
      Opt("OleAcceptURLs", &D::OleAcceptURLs, &D::SetOleAcceptURLs, true, false, true),
      Opt("OleAppendRows", &D::OleAppendRows, &D::SetOleAppendRows, false, true, true),
      Opt("OleColumnDragDrop", &D::OleColumnDragDrop, &D::SetOleColumnDragDrop, false, true, true),
      Opt("OleColumnReorder", &D::OleColumnReorder, &D::SetOleColumnReorder, false, true, true),
      Opt("OleColumnsOnly", &D::OleColumnsOnly, &D::SetOleColumnsOnly, false, true, true),
      Opt("OleCopyAlways", &D::OleCopyAlways, &D::SetOleCopyAlways, false, true, true),
      Opt("OleDropTarget", &D::OleDropTarget, &D::SetOleDropTarget, false, true, true),
      Opt("OleDropSource", &D::OleDropSource, &D::SetOleDropSource, false, true, true),
      Opt("OleEntireRows", &D::OleEntireRows, &D::SetOleEntireRows, false, true, true),
      Opt("OleInsertRows", &D::OleInsertRows, &D::SetOleInsertRows, false, true, true),
      Opt("OleRemoveRows", &D::OleRemoveRows, &D::SetOleRemoveRows, false, true, true),
      Opt("OleDropRTF", &D::OleDropRTF, &D::SetOleDropRTF, false, true, true),
  };
}

// The rich-text switch is unit-wide: every test leaves it off.
struct DragDropSettings : ::testing::Test {
  void TearDown() override { SetOleRichTextDragDrop(false); }
};

TEST_F(DragDropSettings, DefaultsAndCopyRules) {
  const TMake<TDragDropSettings> make = [] { return std::make_unique<TDragDropSettings>(nullptr); };
  const auto rows = DragDropRows();
  ExpectDefaults<TDragDropSettings>(rows, make);
  ExpectAssign<TDragDropSettings>(rows, make);
  ExpectForeignIgnored<TDragDropSettings>(rows, make);
}

TEST_F(DragDropSettings, DropRTFSwitchesTheUnitWideSwitchButAssignLeavesIt) {
  TDragDropSettings a(nullptr), b(nullptr);
  EXPECT_FALSE(OleRichTextDragDrop());
  a.SetOleDropRTF(true);
  EXPECT_TRUE(OleRichTextDragDrop());
  SetOleRichTextDragDrop(false);
  b.Assign(a);
  EXPECT_TRUE(b.OleDropRTF());
  EXPECT_FALSE(OleRichTextDragDrop());
  b.SetOleDropRTF(true);
  a.SetOleDropRTF(false);
  EXPECT_FALSE(OleRichTextDragDrop()) << "the last write wins, whichever grid";
}

// ---- drag scrolling

TEST(DragScrollOptions, DefaultsAndCopyRules) {
  using Dl = TDragScrollDelays;
  using M = TDragScrollMargins;
  const std::vector<TOptionRow<Dl>> delays = {
      Opt("InitialDelay", &Dl::InitialDelay, &Dl::SetInitialDelay, 1000, 400, true),
      Opt("RepeatDelay", &Dl::RepeatDelay, &Dl::SetRepeatDelay, 250, 100, true),
  };
  const std::vector<TOptionRow<M>> margins = {
      Opt("TopMargin", &M::TopMargin, &M::SetTopMargin, 50, 10, true),
      Opt("BottomMargin", &M::BottomMargin, &M::SetBottomMargin, 50, 11, true),
      Opt("LeftMargin", &M::LeftMargin, &M::SetLeftMargin, 50, 12, true),
      Opt("RightMargin", &M::RightMargin, &M::SetRightMargin, 50, 13, true),
  };
  const TMake<Dl> makeDelays = [] { return std::make_unique<Dl>(); };
  const TMake<M> makeMargins = [] { return std::make_unique<M>(); };
  ExpectDefaults<Dl>(delays, makeDelays);
  ExpectAssign<Dl>(delays, makeDelays);
  ExpectForeignIgnored<Dl>(delays, makeDelays);
  ExpectDefaults<M>(margins, makeMargins);
  ExpectAssign<M>(margins, makeMargins);
  ExpectForeignIgnored<M>(margins, makeMargins);
}

TEST(DragScrollOptions, AssignCopiesActiveAndBothParts) {
  TDragScrollOptions a, b;
  EXPECT_FALSE(a.Active());
  a.SetActive(true);
  a.Delays()->SetRepeatDelay(80);
  a.Margins()->SetLeftMargin(7);
  TDragScrollDelays* ownDelays = b.Delays();
  b.Assign(a);
  EXPECT_TRUE(b.Active());
  EXPECT_EQ(b.Delays(), ownDelays) << "the parts are copied into, never replaced";
  EXPECT_EQ(b.Delays()->RepeatDelay(), 80);
  EXPECT_EQ(b.Margins()->LeftMargin(), 7);
  b.Assign(TForeign());
  EXPECT_TRUE(b.Active());
}

// ---- balloons

std::vector<TOptionRow<TBalloonSettings>> BalloonRows() {
  using B = TBalloonSettings;
  return {
      Opt("TextColor", &B::TextColor, &B::SetTextColor, clNone, clRed, true),
      Opt("BackgroundColor", &B::BackgroundColor, &B::SetBackgroundColor, clNone, clRed, true),
      Opt("InitialDelay", &B::InitialDelay, &B::SetInitialDelay, -1, 100, true),
      Opt("ReshowDelay", &B::ReshowDelay, &B::SetReshowDelay, -1, 200, true),
      Opt("AutoHideDelay", &B::AutoHideDelay, &B::SetAutoHideDelay, -1, 300, true),
      Opt("Transparency", &B::Transparency, &B::SetTransparency, std::uint8_t{0}, std::uint8_t{128},
          false),
      Opt("Enable", &B::Enable, &B::SetEnable, false, true, true),
  };
}

TEST(BalloonSettings, DefaultsAndCopyRules) {
  const TMake<TBalloonSettings> make = [] { return std::make_unique<TBalloonSettings>(); };
  const auto rows = BalloonRows();
  ExpectDefaults<TBalloonSettings>(rows, make);
  ExpectAssign<TBalloonSettings>(rows, make);
  ExpectForeignIgnored<TBalloonSettings>(rows, make);
  EXPECT_FALSE(make()->Initialized());
}

TEST(BalloonSettings, EveryEnableWriteReportsAssignDoesNot) {
  TBalloonSettings a, b;
  int reports = 0;
  a.OnEnableChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &a);
    ++reports;
  };
  a.SetEnable(false);
  a.SetEnable(true);
  EXPECT_EQ(reports, 2);
  a.SetTextColor(clRed);
  EXPECT_EQ(reports, 2);
  a.Assign(b);
  EXPECT_FALSE(a.Enable());
  EXPECT_EQ(reports, 2);
}

}  // namespace
