// Looks, style presets, colour tones, XP schemes and the Office theme
// follow-up: the settings each writes, read back from the grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/CellNode.h"
#include "grid/base/ColorArithmetic.h"
#include "grid/base/ControlLook.h"
#include "grid/base/OfficeTheme.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/StyleProbes.h"
#include "grid/interact/GridCombo.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SortSettings.h"
#include "platform/gui/Bitmap.h"
#include "platform/sys/Registry.h"
#include "tests/support/TempRegistry.h"

namespace {

struct TPlainLookCase {
  TGridLook Look;
  TColor FixedColor;  // clNone: not written
  TColor GradientFrom, GradientTo;
  TColor Active, Selection, SelectionText, FooterFrom, FooterTo;
};

// Steps 2 to 5 of SetLook, read back, for the six looks with plain
// defaults; starting from glCustom so that every look is a change.
TEST(GridLooks, SetLookWritesEachLooksPlainDefaults) {
  const TColor face = ColorToRGB(clBtnFace);
  const TPlainLookCase cases[] = {
      {glStandard, clBtnFace, face, clNone, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace},
      {glSoft, clBtnFace, face, clNone, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace},
      {glClassic, clBtnFace, face, clNone, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace},
      {glListView, clNone, clWhite, face, 0x808080, clHighlight, clHighlightText, clBtnFace, clBtnFace},
      {glXP, clNone, clWhite, face, 0xEACAB6, 0xEACAB6, clBlack, clWhite, face},
      {glZEV, clNone, clWhite, 0xC0C0C0, 0xEACAB6, 0xEACAB6, clBlack, clWhite, face},
  };
  for (const TPlainLookCase& k : cases) {
    const std::string what = StringToUtf8(TAdvStringGrid::LookIdentifier(k.Look));
    TAdvStringGrid g(nullptr);
    g.SetFixedColor(clRed);
    g.SetLook(glCustom);
    g.SetZEVGradientMirrorFrom(clRed);
    g.SortSettings()->SetHeaderColor(clRed);
    g.SetBorderStyle(bsNone);
    g.SetBorderColor(clRed);
    g.SetScrollType(ssFlat);
    g.SetSelectionStyle(ssVista);
    g.SetLook(k.Look);
    EXPECT_EQ(g.Look(), k.Look) << what;
    EXPECT_EQ(g.FixedColor(), k.FixedColor == clNone ? clRed : k.FixedColor) << what;
    EXPECT_EQ(g.ZEVGradientFrom(), k.GradientFrom) << what;
    EXPECT_EQ(g.ZEVGradientTo(), k.GradientTo) << what;
    EXPECT_EQ(g.ZEVGradientMirrorFrom(), clNone) << what;
    EXPECT_EQ(g.SortSettings()->HeaderColor(), clNone) << what;
    EXPECT_EQ(g.GridLineColor(), 0xC0C0C0) << what;
    EXPECT_EQ(g.GridFixedLineColor(), 0x808080) << what;
    EXPECT_EQ(g.ActiveCellColor(), k.Active) << what;
    EXPECT_EQ(g.ActiveCellColorTo(), clNone) << what;
    EXPECT_EQ(g.SelectionColor(), k.Selection) << what;
    EXPECT_EQ(g.SelectionTextColor(), k.SelectionText) << what;
    EXPECT_EQ(g.SearchFooter()->Color(), k.FooterFrom) << what;
    EXPECT_EQ(g.SearchFooter()->ColorTo(), k.FooterTo) << what;
    EXPECT_EQ(g.SelectionStyle(), ssDefault) << what;
    EXPECT_EQ(g.ScrollType(), ssNormal) << what;
    EXPECT_EQ(g.BorderStyle(), bsSingle) << what;
    EXPECT_EQ(g.BorderColor(), 0xB99D7F) << what;
    const bool gradientFace = k.Look == glXP || k.Look == glZEV;
    EXPECT_EQ(g.ZEVGradient(fgHoverFrom), gradientFace ? 0xCFD0D1 : clNone) << what;
    EXPECT_EQ(g.ZEVGradient(fgDownMirrorTo), gradientFace ? 0x627376 : clNone) << what;
  }
}

// The three looks that bring a whole preset, with its stored style and
// selection style.
TEST(GridLooks, VistaWin7AndOffice2007BringTheirPreset) {
  const struct {
    TGridLook Look;
    TZEVStyle Stored;
    TGridSelectionStyle Selection;
    TColor From, Active;
  } cases[] = {
      {glVista, tsWindowsVista, ssVista, 0xFFFFFF, 0xFDF8F1},
      {glWin7, tsWindows7, ssWin7, 0xFDFCFA, 0xFCEBDC},
      {glOffice2007, tsOffice2007Luna, ssOffice2007, 0xFBF9F6, 0x9DD8F9},
  };
  for (const auto& k : cases) {
    TAdvStringGrid g(nullptr);
    g.SetLook(k.Look);
    EXPECT_EQ(g.ComponentStyle(), k.Stored);
    EXPECT_EQ(g.SelectionStyle(), k.Selection);
    EXPECT_EQ(g.ZEVGradientFrom(), k.From);
    EXPECT_EQ(g.ActiveCellColor(), k.Active);
    EXPECT_EQ(g.BorderColor(), 0xB99D7F);
  }
}

TEST(GridLooks, LoadingTheSameLookAndCustomKeepTheColours) {
  TAdvStringGrid g(nullptr);
  auto mark = [](TAdvStringGrid& G) {
    G.SetGridLineColor(clRed);
    G.SetActiveCellColor(clRed);
    G.SetSelectionColor(clRed);
    G.SetZEVGradientFrom(clRed);
  };
  mark(g);
  g.SetLook(glXP);  // the look it has
  EXPECT_EQ(g.GridLineColor(), clRed);
  EXPECT_EQ(g.ZEVGradientFrom(), clRed);
  g.SetLook(glCustom);
  EXPECT_EQ(g.GridLineColor(), clRed);
  EXPECT_EQ(g.ZEVGradientFrom(), clRed) << "glCustom clears no gradient";
  EXPECT_EQ(g.BorderStyle(), bsSingle);
  g.BeginLoading();
  g.SetLook(glStandard);
  g.EndLoading();
  EXPECT_EQ(g.Look(), glStandard);
  EXPECT_EQ(g.GridLineColor(), clRed) << "stored colours survive loading";
  EXPECT_EQ(g.ActiveCellColor(), clRed);
  EXPECT_EQ(g.SelectionColor(), clRed);
}

struct TPresetRow {
  TAdvGridStyle Style;
  TGridLook Look;
  TColor From, To, MirrorFrom, MirrorTo, Active, ActiveTo, Selection, SelectionTo, Line, FixedLine;
};

constexpr TColor Keep = 0x2FFFFFFF;

// The main-colour table of the sixteen presets, each applied to a fresh
// glXP grid; Keep: as a fresh grid after the preset's look.
TEST(GridStyles, TheSixteenPresetsMainColours) {
  const TColor face = ColorToRGB(clBtnFace);
  const TPresetRow rows[] = {
      {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0xC0C0C0, 0x808080},
      {gsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0xC0C0C0, 0x808080},
      {gsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0xC0C0C0, 0x808080},
      {gsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, clNone, clNone, 0xD8D5D4, 0xD8D5D4, clHighlight, clNone, 0xC0C0C0, 0x808080},
      {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, clNone, 0xF1EDEB, 0xD1BBA4},
      {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, clNone, 0xE5D7D0, 0x808080},
      {gsWindowsXP, glXP, face, face, clNone, clNone, clBtnFace, clBtnFace, clHighlight, clNone, 0xC0C0C0, 0x808080},
      {gsWhidbey, glXP, 0xFFFFFF, face, clNone, clNone, 0x94E6FB, 0x1595EE, clHighlight, clNone, 0xC0C0C0, 0x808080},
      {gsCustom, glXP, Keep, Keep, Keep, Keep, Keep, Keep, clHighlight, clNone, Keep, Keep},
      {gsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, clNone, clNone, 0x99CCFF, 0x699CFF, 0x95C7F5, clNone, 0xE5D7D0, 0x808080},
      {gsWindowsVista, glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, clNone, 0xECECF0, 0xD4D2D1},
      {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, clNone, 0xECECF0, 0xD4D2D1},
      {gsTerminal, glStandard, Keep, Keep, Keep, Keep, Keep, Keep, clHighlight, clNone, Keep, Keep},
      {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone, 0xC0C0C0, 0xC7B0A0},
      {gsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone, 0xC0C0C0, 0xBAB5B1},
      {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone, 0xC0C0C0, 0x444444},
  };
  ASSERT_EQ(std::size(rows), static_cast<size_t>(AdvGridStyleCount));
  for (const TPresetRow& k : rows) {
    const std::string what = StringToUtf8(EnumName(k.Style));
    TAdvStringGrid before(nullptr);
    before.SetLook(k.Look);
    TAdvStringGrid g(nullptr);
    g.SetStyle(k.Style);
    auto want = [&](TColor Wanted, TColor Plain) { return Wanted == Keep ? Plain : Wanted; };
    EXPECT_EQ(g.Look(), k.Look) << what;
    EXPECT_EQ(g.ZEVGradientFrom(), want(k.From, before.ZEVGradientFrom())) << what;
    EXPECT_EQ(g.ZEVGradientTo(), want(k.To, before.ZEVGradientTo())) << what;
    EXPECT_EQ(g.ZEVGradientMirrorFrom(), want(k.MirrorFrom, before.ZEVGradientMirrorFrom())) << what;
    EXPECT_EQ(g.ZEVGradientMirrorTo(), want(k.MirrorTo, before.ZEVGradientMirrorTo())) << what;
    EXPECT_EQ(g.ActiveCellColor(), want(k.Active, before.ActiveCellColor())) << what;
    EXPECT_EQ(g.ActiveCellColorTo(), want(k.ActiveTo, before.ActiveCellColorTo())) << what;
    EXPECT_EQ(g.SelectionColor(), k.Selection) << what;
    EXPECT_EQ(g.SelectionColorTo(), k.SelectionTo) << what;
    EXPECT_EQ(g.GridLineColor(), want(k.Line, before.GridLineColor())) << what;
    EXPECT_EQ(g.GridFixedLineColor(), want(k.FixedLine, before.GridFixedLineColor())) << what;
    const bool colourSet = k.Style != gsCustom && k.Style != gsTerminal;
    if (colourSet) {
      EXPECT_EQ(g.SearchFooter()->Color(), g.ZEVGradientFrom()) << what;
      EXPECT_EQ(g.SearchFooter()->ColorTo(), g.ZEVGradientMirrorTo()) << what;
      const bool keepsText = k.Style == gsOffice2003Classic || k.Style == gsWindowsXP || k.Style == gsWhidbey;
      EXPECT_EQ(g.SelectionTextColor(), keepsText ? clHighlightText : clBlack) << what;
    }
  }
}

TEST(GridStyles, FurtherPresetSettings) {
  TAdvStringGrid vista(nullptr);
  vista.SetStyle(gsWindowsVista);
  EXPECT_EQ(vista.SelectionStyle(), ssVista);
  EXPECT_EQ(vista.ZEVGradient(fgHoverMirrorTo), 0xFBE7B7);
  EXPECT_EQ(vista.ZEVGradient(fgDownBorder), 0xAE904F);
  EXPECT_EQ(vista.SortSettings()->HeaderMirrorColorTo(), 0xF6ECD8);
  EXPECT_EQ(vista.ControlLook()->FixedGradientFrom(), 0xFFFFFF);

  TAdvStringGrid win7(nullptr);
  win7.SetStyle(gsWindows7);
  EXPECT_EQ(win7.SelectionStyle(), ssWin7);
  EXPECT_EQ(win7.ZEVGradient(fgHoverFrom), 0xFEFBF8) << "the control look's hover wins";
  EXPECT_EQ(win7.ZEVGradient(fgHoverBorder), 0xEEE8E3);
  EXPECT_EQ(win7.ControlLook()->FixedGradientDownBorder(), 0xD5BCAA);

  TAdvStringGrid blue2010(nullptr);
  blue2010.SetStyle(gsOffice2010Blue);
  EXPECT_EQ(blue2010.SelectionStyle(), ssDefault);
  EXPECT_EQ(blue2010.ZEVGradient(fgHoverFrom), 0x6BDFFF);
  EXPECT_EQ(blue2010.ZEVGradient(fgDownBorder), 0x308AC2);
  EXPECT_EQ(blue2010.SortSettings()->HeaderColorTo(), 0xD6CEC7);
  EXPECT_EQ(blue2010.ControlLook()->FixedGradientFrom(), clNone);
  EXPECT_EQ(blue2010.ZEVGradientFrom(), 0xF5E7DA) << "the grid keeps its colours";

  TAdvStringGrid luna(nullptr);
  luna.SetStyle(gsOffice2007Luna);
  EXPECT_EQ(luna.SelectionStyle(), ssOffice2007);
  EXPECT_EQ(luna.ZEVGradient(fgDownMirrorFrom), 0xE4C19D);
}

TEST(GridStyles, EdgeCases) {
  TAdvStringGrid g(nullptr);
  g.SetZEVGradientFrom(clRed);
  g.SetSelectionColor(clRed);
  g.SortSettings()->SetHeaderColor(clRed);
  g.ControlLook()->SetColor(clRed);
  g.SetStyle(gsCustom);
  EXPECT_EQ(g.Look(), glXP);
  EXPECT_EQ(g.ZEVGradientFrom(), clRed) << "gsCustom keeps the gradient";
  EXPECT_EQ(g.SelectionColor(), clHighlight);
  EXPECT_EQ(g.SortSettings()->HeaderColor(), clNone);
  EXPECT_EQ(g.ControlLook()->Color(), clBlack) << "the control look is back to its defaults";

  g.SetStyle(static_cast<TAdvGridStyle>(AdvGridStyleCount));
  g.SetStyle(static_cast<TAdvGridStyle>(-1));
  EXPECT_EQ(g.SelectionColor(), clHighlight) << "an ordinal past the sixteen changes nothing";

  TAdvStringGrid metro(nullptr);
  metro.SetColorTones(TColorTones{});
  metro.SetComponentStyle(tsCustom);
  EXPECT_EQ(metro.ScrollType(), ssMetro);
  metro.SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(metro.ScrollType(), ssNormal);
  EXPECT_TRUE(metro.Flat());
  EXPECT_EQ(metro.ComponentStyle(), tsOffice2003Blue);
}

// Counts the presets applied.
class TStyleSpy : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  void SetStyle(TAdvGridStyle AStyle) override {
    Applied.push_back(AStyle);
    TAdvStringGrid::SetStyle(AStyle);
  }
  std::vector<TAdvGridStyle> Applied;
};

TEST(GridStyles, Office2007LookSetTwiceAppliesLunaOnce) {
  TStyleSpy g(nullptr);
  g.SetLook(glOffice2007);
  g.SetLook(glOffice2007);
  EXPECT_EQ(g.Applied, std::vector<TAdvGridStyle>{gsOffice2007Luna});
}

TEST(GridLooks, IdentifiersAndCaptions) {
  EXPECT_EQ(TAdvStringGrid::LookIdentifier(glXP), u"glXP");
  EXPECT_EQ(TAdvStringGrid::LookIdentifier(glOffice2007), u"glOffice2007");
  const struct {
    TGridLook Look;
    const char16_t* Caption;
  } cases[] = {{glStandard, u"Standard"},  {glSoft, u"Soft"},          {glClassic, u"Classic"},
               {glZEV, u"ZEV"},            {glXP, u"Windows XP"},      {glListView, u"ListView"},
               {glVista, u"Windows Vista"}, {glWin7, u"Windows 7"},    {glOffice2007, u"Office2007"},
               {glCustom, u"as it was"}};
  for (const auto& k : cases) {
    String s = u"as it was";
    TAdvStringGrid::LookCaption(k.Look, s);
    EXPECT_EQ(s, k.Caption);
  }
}

// ---- colour tones and the drop-down editors

std::vector<std::string> Calls;

class TFakeDropDown : public TComponent, public IZEVStyle, public IZEVTones {
 public:
  TFakeDropDown(TComponent* AOwner, std::string AName) : TComponent(AOwner), FName(std::move(AName)) {}
  void SetComponentStyle(TZEVStyle AStyle) override {
    Calls.push_back(FName + " style " + StringToUtf8(EnumName(AStyle)));
  }
  void SetColorTones(const TColorTones& ATones) override {
    Tones = ATones;
    Calls.push_back(FName + " tones");
  }
  TColorTones Tones;

 private:
  std::string FName;
};

TColorTones MetroTones() {
  TColorTones t;
  t.Background = {0xFFFFFF, 0xD0D0D0, 0x202020};
  t.Foreground = {0x8A5A00, 0x704A00, 0xFFFFFF};
  t.Selected = {0xE8C8A0, 0xD0A880, 0x101010};
  t.Hover = {0xF0E0D0, 0xE0C0A0, 0x303030};
  t.Disabled = {0xEEEEEE, 0xCCCCCC, 0x999999};
  return t;
}

TEST(GridTones, SetColorTonesBuildsTheMetroLook) {
  TAdvStringGrid g(nullptr);
  TGridCombo& combo = *g.Combobox();
  const TColorTones t = MetroTones();
  g.SetColorTones(t);
  EXPECT_EQ(g.ColorTones(), t);
  EXPECT_EQ(g.Look(), glClassic);
  EXPECT_TRUE(g.Flat());
  EXPECT_EQ(g.ScrollType(), ssMetro);
  EXPECT_EQ(g.FixedColor(), t.Foreground.BrushColor);
  EXPECT_EQ(g.FixedFont()->Color(), t.Foreground.TextColor);
  EXPECT_EQ(g.FixedFont()->Name(), GetDefaultUIFontName());
  EXPECT_EQ(g.Color(), t.Background.BrushColor);
  EXPECT_EQ(g.Font()->Color(), t.Background.TextColor);
  EXPECT_EQ(g.Font()->Name(), GetDefaultUIFontName());
  EXPECT_EQ(g.SelectionColor(), t.Selected.BrushColor);
  EXPECT_EQ(g.SelectionTextColor(), t.Selected.TextColor);
  EXPECT_EQ(g.SelectionColorTo(), clNone);
  EXPECT_EQ(g.GridLineColor(), 0xE6E6E6);
  EXPECT_EQ(g.GridFixedLineColor(), ChangeColorBrightness(t.Foreground.BrushColor, -20));
  EXPECT_EQ(g.BorderStyle(), bsNone);
  EXPECT_EQ(g.ControlLook()->ControlStyle(), csGlyph);
  TBitmap on;
  on.LoadFromResourceName(u"metrocheckon");
  EXPECT_EQ(g.ControlLook()->CheckedGlyph()->Pixels().Bits, on.Pixels().Bits);
  EXPECT_FALSE(g.ControlLook()->UnCheckedGlyph()->Empty());
  EXPECT_FALSE(g.ControlLook()->RadioOnGlyph()->Empty());
  EXPECT_FALSE(g.ControlLook()->RadioOffGlyph()->Empty());
  EXPECT_TRUE(g.ControlLook()->FlatButton());
  EXPECT_EQ(g.FloatingFooter()->Color(), t.Foreground.BrushColor);
  EXPECT_EQ(g.SearchFooter()->Color(), t.Foreground.BrushColor);
  EXPECT_EQ(g.SearchFooter()->ColorTo(), t.Foreground.BrushColor);
  EXPECT_EQ(g.CellNode()->NodeType(), cnFlat);
  // The combo takes the tones, its border the grid's colour, and goes flat.
  EXPECT_EQ(combo.ButtonColors().Color, t.Background.BrushColor);
  EXPECT_EQ(combo.ButtonColors().ColorHot, t.Hover.BrushColor);
  EXPECT_EQ(combo.ButtonColors().ColorDown, t.Selected.BrushColor);
  EXPECT_EQ(combo.ButtonColors().BorderColor, t.Background.BorderColor);
  EXPECT_EQ(combo.BorderColor(), t.Background.BrushColor);
  EXPECT_TRUE(combo.Flat());
}

TEST(GridTones, AComboMadeLaterTakesTheStoredTones) {
  TAdvStringGrid g(nullptr);
  g.SetColorTones(MetroTones());
  EXPECT_EQ(g.Combobox()->ButtonColors().ColorHot, MetroTones().Hover.BrushColor);
  EXPECT_TRUE(g.Combobox()->Flat());
}

TEST(GridTones, DropDownEditorsTakeStyleAndTonesInTheirOrder) {
  TAdvStringGrid g(nullptr);
  auto* memo = new TFakeDropDown(&g, "memo");
  auto* colors = new TFakeDropDown(&g, "colour picker");
  g.SetDropDownEditor(ddeMemo, memo);
  g.SetDropDownEditor(ddeColorPicker, colors);
  Calls.clear();
  g.SetComponentStyle(tsOffice2003Olive);
  EXPECT_EQ(Calls, (std::vector<std::string>{"colour picker style tsOffice2003Olive",
                                             "memo style tsOffice2003Olive"}));
  Calls.clear();
  g.SetColorTones(MetroTones());
  // glClassic first hands the plain style on, then the tones go memo first.
  EXPECT_EQ(Calls, (std::vector<std::string>{"colour picker style tsWindowsXP", "memo style tsWindowsXP",
                                             "memo tones", "colour picker tones"}));
  EXPECT_EQ(memo->Tones, MetroTones());
  delete memo;
  EXPECT_EQ(g.DropDownEditor(ddeMemo), nullptr) << "a freed editor leaves its slot";
  Calls.clear();
  g.PassStyleToEditors(tsTerminal);
  EXPECT_EQ(Calls, std::vector<std::string>{"colour picker style tsTerminal"});
}

TEST(GridThemes, SetThemeForTheFiveSchemes) {
  const TColor face = ColorToRGB(clBtnFace);
  const struct {
    TXPColorScheme Scheme;
    TColor From, To, MirrorFrom, MirrorTo, Active, ActiveTo, FooterFrom, FooterTo, LookFrom;
  } cases[] = {
      {xpNone, clWhite, face, clNone, clNone, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3, clNone},
      {xpBlue, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, 0xFCE1CB},
      {xpGreen, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA},
      {xpGray, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, 0xECE2E1},
      {vistaAero, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, 0xFFFFFF},
  };
  for (const auto& k : cases) {
    const std::string what = StringToUtf8(EnumName(k.Scheme));
    TAdvStringGrid g(nullptr);
    g.SetZEVGradientMirrorFrom(clRed);
    g.SetTheme(k.Scheme);
    EXPECT_EQ(g.ZEVGradientFrom(), k.From) << what;
    EXPECT_EQ(g.ZEVGradientTo(), k.To) << what;
    EXPECT_EQ(g.ZEVGradientMirrorFrom(), k.MirrorFrom) << what;
    EXPECT_EQ(g.ZEVGradientMirrorTo(), k.MirrorTo) << what;
    EXPECT_EQ(g.ActiveCellColor(), k.Active) << what;
    EXPECT_EQ(g.ActiveCellColorTo(), k.ActiveTo) << what;
    EXPECT_EQ(g.SearchFooter()->Color(), k.FooterFrom) << what;
    EXPECT_EQ(g.SearchFooter()->ColorTo(), k.FooterTo) << what;
    EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), k.LookFrom) << what;
  }
}

// ---- the Office theme

void WriteTheme(const String& Key, int Value) {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey(Key, true));
  reg.WriteInteger(u"Theme", Value);
  reg.CloseKey();
}

TEST(GridOfficeTheme, TheTenThemesMapToTheirStyles) {
  const struct {
    StringView Key;
    int Value;
    TZEVStyle Style;
  } cases[] = {
      {Office12ThemeKey, 1, tsOffice2007Luna},   {Office12ThemeKey, 2, tsOffice2007Silver},
      {Office12ThemeKey, 3, tsOffice2007Obsidian}, {Office14ThemeKey, 1, tsOffice2010Blue},
      {Office14ThemeKey, 2, tsOffice2010Silver}, {Office14ThemeKey, 3, tsOffice2010Black},
      {Office14ThemeKey, 9, tsOffice2003Blue},
  };
  for (const auto& k : cases) {
    testsupport::TempRegistry store;
    WriteTheme(String(k.Key), k.Value);
    TAdvStringGrid g(nullptr);
    g.SetAutoThemeAdapt(true);
    EXPECT_EQ(g.ComponentStyle(), k.Style) << StringToUtf8(String(k.Key)) << " " << k.Value;
  }
}

TEST(GridOfficeTheme, WithoutOfficeTheGridTakesTheClassicStyleOnceAndFollowsAChange) {
  testsupport::TempRegistry store;
  TStyleSpy g(nullptr);
  g.SetAutoThemeAdapt(true);
  EXPECT_EQ(g.ComponentStyle(), tsOffice2003Classic);
  EXPECT_EQ(g.Applied, std::vector<TAdvGridStyle>{gsOffice2003Classic});
  g.FollowOfficeTheme();
  EXPECT_EQ(g.Applied.size(), 1u) << "the same theme again changes nothing";
  WriteTheme(String(Office12ThemeKey), 3);
  g.FollowOfficeTheme();
  EXPECT_EQ(g.ComponentStyle(), tsOffice2007Obsidian);
}

}  // namespace
