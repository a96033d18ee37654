#include <gtest/gtest.h>

#include <map>

#include "grid/base/BackGround.h"
#include "grid/base/ControlLook.h"
#include "grid/base/DropDownAppearances.h"
#include "grid/base/GridProgressAppearance.h"
#include "grid/base/ShowModified.h"
#include "platform/gui/Bitmap.h"
#include "tests/grid/base/SettingsTable.h"

namespace {

// Stands in for the grid: counts repaints, keeps the gradient colours it got.
struct TFakeGrid : TLookOwner {
  int Repaints = 0;
  std::map<TFixedGradientPart, TColor> Gradients;
  void LookChanged() override { ++Repaints; }
  void SetFixedGradientColor(TFixedGradientPart Part, TColor Value) override {
    Gradients[Part] = Value;
  }
};

TFakeGrid SharedGrid;

std::vector<TOptionRow<TControlLook>> LookRows() {
  using L = TControlLook;
  return {
      Opt("CheckSize", &L::CheckSize, &L::SetCheckSize, 15, 20, true),
      Opt("RadioSize", &L::RadioSize, &L::SetRadioSize, 10, 12, true),
      Opt("ControlStyle", &L::ControlStyle, &L::SetControlStyle, csTheme, csFlat, true),
      Opt("Color", &L::Color, &L::SetColor, clBlack, clRed, true),
      Opt("CommentColor", &L::CommentColor, &L::SetCommentColor, clRed, clNone, true),
      Opt("FlatButton", &L::FlatButton, &L::SetFlatButton, false, true, false),
      Opt("DropDownAlwaysVisible", &L::DropDownAlwaysVisible, &L::SetDropDownAlwaysVisible, false,
          true, true),
      Opt("SpinButtonsAlwaysVisible", &L::SpinButtonsAlwaysVisible,
          &L::SetSpinButtonsAlwaysVisible, false, true, true),
      Opt("NoDisabledCheckRadioLook", &L::NoDisabledCheckRadioLook,
          &L::SetNoDisabledCheckRadioLook, false, true, false),
      Opt("NoDisabledButtonLook", &L::NoDisabledButtonLook, &L::SetNoDisabledButtonLook, false,
          true, false),
      Opt("CheckAlwaysActive", &L::CheckAlwaysActive, &L::SetCheckAlwaysActive, false, true, true),
      Opt("RadioAlwaysActive", &L::RadioAlwaysActive, &L::SetRadioAlwaysActive, false, true, true),
      Opt("ProgressMarginX", &L::ProgressMarginX, &L::SetProgressMarginX, 2, 5, true),
      Opt("ProgressMarginY", &L::ProgressMarginY, &L::SetProgressMarginY, 2, 5, true),
      Opt("ProgressXP", &L::ProgressXP, &L::SetProgressXP, false, true, false),
      Opt("ProgressBorderColor", &L::ProgressBorderColor, &L::SetProgressBorderColor, clGray,
          clRed, true),
      Opt("FixedDropDownButton", &L::FixedDropDownButton, &L::SetFixedDropDownButton, false, true,
          false),
      Opt("DropDownCount", &L::DropDownCount, &L::SetDropDownCount, 8, 12, true),
      Opt("HintMaxWidth", &L::HintMaxWidth, &L::SetHintMaxWidth, 0, 200, true),
      Opt("FixedGradientFrom", &L::FixedGradientFrom, &L::SetFixedGradientFrom, clNone, clRed, true),
      Opt("FixedGradientTo", &L::FixedGradientTo, &L::SetFixedGradientTo, clNone, clRed, true),
      Opt("FixedGradientMirrorFrom", &L::FixedGradientMirrorFrom, &L::SetFixedGradientMirrorFrom,
          clNone, clRed, true),
      Opt("FixedGradientMirrorTo", &L::FixedGradientMirrorTo, &L::SetFixedGradientMirrorTo, clNone,
          clRed, true),
      Opt("FixedGradientHoverFrom", &L::FixedGradientHoverFrom, &L::SetFixedGradientHoverFrom,
          clWhite, clRed, true),
      Opt("FixedGradientHoverTo", &L::FixedGradientHoverTo, &L::SetFixedGradientHoverTo, clGray,
          clRed, true),
      Opt("FixedGradientHoverMirrorFrom", &L::FixedGradientHoverMirrorFrom,
          &L::SetFixedGradientHoverMirrorFrom, clNone, clRed, true),
      Opt("FixedGradientHoverMirrorTo", &L::FixedGradientHoverMirrorTo,
          &L::SetFixedGradientHoverMirrorTo, clNone, clRed, true),
      Opt("FixedGradientHoverBorder", &L::FixedGradientHoverBorder,
          &L::SetFixedGradientHoverBorder, clSilver, clRed, true),
      Opt("FixedGradientDownFrom", &L::FixedGradientDownFrom, &L::SetFixedGradientDownFrom,
          clSilver, clRed, true),
      Opt("FixedGradientDownTo", &L::FixedGradientDownTo, &L::SetFixedGradientDownTo, clGray, clRed,
          true),
      Opt("FixedGradientDownMirrorFrom", &L::FixedGradientDownMirrorFrom,
          &L::SetFixedGradientDownMirrorFrom, clNone, clRed, true),
      Opt("FixedGradientDownMirrorTo", &L::FixedGradientDownMirrorTo,
          &L::SetFixedGradientDownMirrorTo, clNone, clRed, true),
      Opt("FixedGradientDownBorder", &L::FixedGradientDownBorder, &L::SetFixedGradientDownBorder,
          clGray, clRed, true),
  };
}

std::unique_ptr<TControlLook> MakeLook() { return std::make_unique<TControlLook>(&SharedGrid); }

TEST(ControlLook, DefaultsAndCopyRules) {
  const auto rows = LookRows();
  ExpectDefaults<TControlLook>(rows, MakeLook);
  ExpectAssign<TControlLook>(rows, MakeLook);
  ExpectForeignIgnored<TControlLook>(rows, MakeLook);
}

TEST(ControlLook, CreationClearsTheGridsHoverAndDownMirrorsOnly) {
  TFakeGrid grid;
  TControlLook look(&grid);
  const std::map<TFixedGradientPart, TColor> expected = {
      {fgHoverMirrorFrom, clNone}, {fgHoverMirrorTo, clNone},
      {fgDownMirrorFrom, clNone}, {fgDownMirrorTo, clNone}};
  EXPECT_EQ(grid.Gradients, expected);
  EXPECT_EQ(grid.Repaints, 0);
}

TEST(ControlLook, FixedGradientReachesTheGridUnlessNoColourExceptMirrors) {
  TFakeGrid grid;
  TControlLook look(&grid);
  grid.Gradients.clear();
  look.SetFixedGradientFrom(clRed);
  look.SetFixedGradientMirrorFrom(clBlue);
  look.SetFixedGradientHoverBorder(clLime);
  EXPECT_EQ(grid.Gradients[fgFrom], clRed);
  EXPECT_EQ(grid.Gradients[fgHoverBorder], clLime);
  look.SetFixedGradientFrom(clNone);
  look.SetFixedGradientMirrorFrom(clNone);
  look.SetFixedGradientDownTo(clNone);
  EXPECT_EQ(grid.Gradients[fgFrom], clRed) << "clNone leaves the grid's colour";
  EXPECT_EQ(grid.Gradients[fgMirrorFrom], clNone) << "a mirror colour is always passed";
  EXPECT_EQ(grid.Gradients.count(fgDownTo), 0u);
  EXPECT_EQ(look.FixedGradientFrom(), clNone);
}

TEST(ControlLook, LookSettersRepaintStoredOnesDoNot) {
  TFakeGrid grid;
  TControlLook look(&grid);
  look.SetControlStyle(csClassic);
  look.SetCheckSize(17);
  look.SetCheckedGlyph(TBitmap(4, 4));
  EXPECT_EQ(grid.Repaints, 3);
  EXPECT_EQ(look.CheckedGlyph()->Width(), 4);
  look.SetDropDownCount(3);
  look.SetHintMaxWidth(100);
  look.SetCheckAlwaysActive(true);
  look.SetProgressBorderColor(clRed);
  look.SetFixedGradientFrom(clRed);
  EXPECT_EQ(grid.Repaints, 3);
}

TEST(ControlLook, AssignCopiesGlyphsAndTellsTheGridNothing) {
  TFakeGrid grid;
  TControlLook src(&grid), dst(&grid);
  src.SetRadioOnGlyph(TBitmap(6, 5));
  src.SetFixedGradientFrom(clRed);
  grid.Repaints = 0;
  grid.Gradients.clear();
  dst.Assign(src);
  EXPECT_EQ(dst.RadioOnGlyph()->Height(), 5);
  EXPECT_NE(dst.RadioOnGlyph(), src.RadioOnGlyph());
  EXPECT_EQ(dst.FixedGradientFrom(), clRed);
  EXPECT_EQ(grid.Repaints, 0);
  EXPECT_TRUE(grid.Gradients.empty());
}

TEST(ControlLook, InitRestoresColoursAndKeepsSizes) {
  TFakeGrid grid;
  TControlLook look(&grid);
  look.SetColor(clRed);
  look.SetCommentColor(clNone);
  look.SetFixedGradientDownBorder(clRed);
  look.SetCheckSize(30);
  look.Init();
  EXPECT_EQ(look.Color(), clBlack);
  EXPECT_EQ(look.CommentColor(), clRed);
  EXPECT_EQ(look.FixedGradientDownBorder(), clGray);
  EXPECT_EQ(look.CheckSize(), 30);
}

TEST(BackGround, DefaultsAndEverySetterRepaints) {
  TFakeGrid grid;
  TBackGround bg(&grid);
  EXPECT_EQ(bg.Display(), bdTile);
  EXPECT_EQ(bg.Cells(), bcNormal);
  EXPECT_EQ(bg.Color(), clWindow);
  EXPECT_EQ(bg.ColorTo(), clBtnFace);
  EXPECT_EQ(bg.Top(), 0);
  EXPECT_TRUE(bg.Bitmap()->Empty());
  EXPECT_FALSE(bg.IsGradient());
  bg.SetTop(1);
  bg.SetLeft(2);
  bg.SetDisplay(bdGradientVert);
  bg.SetCells(bcAll);
  bg.SetColor(clRed);
  bg.SetColorTo(clBlue);
  bg.SetBitmap(TBitmap(3, 3));
  EXPECT_EQ(grid.Repaints, 7);
  EXPECT_TRUE(bg.IsGradient());
  EXPECT_EQ(bg.Bitmap()->Width(), 3);
}

TEST(ShowModified, ColourReportsEnabledDoesNotAndAssignIsQuiet) {
  TShowModified a, b;
  int changes = 0;
  a.OnChange = [&](TObject*) { ++changes; };
  EXPECT_FALSE(a.Enabled());
  EXPECT_EQ(a.Color(), clYellow);
  a.SetEnabled(true);
  EXPECT_EQ(changes, 0);
  a.SetColor(clYellow);
  EXPECT_EQ(changes, 1);
  b.SetColor(clRed);
  a.Assign(b);
  EXPECT_EQ(a.Color(), clRed);
  EXPECT_FALSE(a.Enabled());
  EXPECT_EQ(changes, 1);
}

std::vector<TOptionRow<TGridProgressAppearance>> ProgressRows() {
  using P = TGridProgressAppearance;
  return {
      Opt("CompleteColor", &P::CompleteColor, &P::SetCompleteColor, clRed, clLime, true, nkChanged),
      Opt("CompleteFontColor", &P::CompleteFontColor, &P::SetCompleteFontColor, clBlue, clRed,
          true, nkChanged),
      Opt("UnCompleteColor", &P::UnCompleteColor, &P::SetUnCompleteColor, clNone, clRed, true,
          nkChanged),
      Opt("UnCompleteFontColor", &P::UnCompleteFontColor, &P::SetUnCompleteFontColor,
          clWindowText, clRed, true, nkChanged),
      Opt("Level0Color", &P::Level0Color, &P::SetLevel0Color, 0x00FF00, clRed, true, nkChanged),
      Opt("Level0ColorTo", &P::Level0ColorTo, &P::SetLevel0ColorTo, 0xE1FFE1, clRed, true,
          nkChanged),
      Opt("Level1Color", &P::Level1Color, &P::SetLevel1Color, 0x00FFFF, clRed, true, nkChanged),
      Opt("Level1ColorTo", &P::Level1ColorTo, &P::SetLevel1ColorTo, 0xCAFFFF, clRed, true,
          nkChanged),
      Opt("Level2Color", &P::Level2Color, &P::SetLevel2Color, 0x53A9FF, clRed, true, nkChanged),
      Opt("Level2ColorTo", &P::Level2ColorTo, &P::SetLevel2ColorTo, 0xA8D3FF, clRed, true,
          nkChanged),
      Opt("Level3Color", &P::Level3Color, &P::SetLevel3Color, 0x0000FF, clLime, true, nkChanged),
      Opt("Level3ColorTo", &P::Level3ColorTo, &P::SetLevel3ColorTo, 0xCACAFF, clRed, true,
          nkChanged),
      Opt("Level1Perc", &P::Level1Perc, &P::SetLevel1Perc, 70, 60, true, nkChanged),
      Opt("Level2Perc", &P::Level2Perc, &P::SetLevel2Perc, 90, 80, true, nkChanged),
      Opt("BorderColor", &P::BorderColor, &P::SetBorderColor, clBlack, clRed, true, nkChanged),
      Opt("ShowBorder", &P::ShowBorder, &P::SetShowBorder, false, true, true, nkChanged),
      Opt("Stacked", &P::Stacked, &P::SetStacked, false, true, true, nkChanged),
      Opt("ShowPercentage", &P::ShowPercentage, &P::SetShowPercentage, true, false, true,
          nkChanged),
      Opt("CompletionSmooth", &P::CompletionSmooth, &P::SetCompletionSmooth, true, false, true,
          nkChanged),
      Opt("ShowGradient", &P::ShowGradient, &P::SetShowGradient, true, false, true, nkChanged),
      Opt("Steps", &P::Steps, &P::SetSteps, 11, 5, true, nkChanged),
      Opt("Style", &P::Style, &P::SetStyle, psXP, psClassic, true, nkChanged),
  };
}

std::unique_ptr<TGridProgressAppearance> MakeProgress() {
  return std::make_unique<TGridProgressAppearance>();
}

TEST(GridProgressAppearance, DefaultsAndRealChangesReport) {
  const auto rows = ProgressRows();
  ExpectDefaults<TGridProgressAppearance>(rows, MakeProgress);
  ExpectNotifications<TGridProgressAppearance>(rows, MakeProgress);
  ExpectForeignIgnored<TGridProgressAppearance>(rows, MakeProgress);
}

TEST(GridProgressAppearance, AssignCopiesEverythingAndReportsOnce) {
  TGridProgressAppearance src, dst;
  for (const auto& row : ProgressRows()) row.SetOther(src);
  int changes = 0;
  dst.OnChange = [&](TObject*) { ++changes; };
  dst.Assign(src);
  EXPECT_EQ(changes, 1);
  for (const auto& row : ProgressRows()) EXPECT_TRUE(row.Same(dst, src)) << row.Name;
}

}  // namespace

TEST(ControlLook, AssignCopiesTheDropDownStripsWithoutARepaint) {
  TFakeGrid grid;
  TControlLook from(&grid), to(&grid);
  from.DropDownHeader()->SetCaption(u"Pick one");
  from.DropDownHeader()->Buttons()->Add()->SetCaption(u"All");
  from.DropDownFooter()->SetVisible(false);
  from.DropDownFooter()->SetSizeGrip(false);
  const int repaints = grid.Repaints;
  to.Assign(from);
  EXPECT_EQ(to.DropDownHeader()->Caption(), u"Pick one");
  ASSERT_EQ(to.DropDownHeader()->Buttons()->Count(), 1);
  EXPECT_EQ(to.DropDownHeader()->Buttons()->Items(0)->Caption(), u"All");
  EXPECT_FALSE(to.DropDownFooter()->Visible());
  EXPECT_FALSE(to.DropDownFooter()->SizeGrip());
  EXPECT_EQ(grid.Repaints, repaints);
  TFooterAppearance footer(nullptr);
  to.SetDropDownFooter(footer);
  EXPECT_TRUE(to.DropDownFooter()->Visible()) << "the setter copies";
  EXPECT_NE(to.DropDownFooter(), &footer);
}
