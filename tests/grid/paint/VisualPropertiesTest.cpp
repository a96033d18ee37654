#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/base/Bands.h"
#include "grid/base/ColorArithmetic.h"
#include "grid/base/MouseActions.h"
#include "grid/base/PrintSettings.h"
#include "grid/model/AdvStringGrid.h"
#include "tests/grid/base/Locale.h"

namespace {

constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kPrimary = 0xEEEEEE;
constexpr TColor kSecondary = 0xDDDDDD;

struct Looks {
  TColor Brush = clNone;
  TColor ColorTo = clNone;
  TColor Mirror = clNone;
  TColor MirrorTo = clNone;
  TColor FontColor = clNone;
  bool Selected = false;
  bool FixedState = false;
  TAlignment HA = taLeftJustify;
};

struct Call {
  Call(int ACol = 1, int ARow = 2, TGridDrawState AState = {}, bool APrint = false,
       bool ASelect = true)
      : Col(ACol), Row(ARow), State(AState), Print(APrint), Select(ASelect) {}
  int Col;
  int Row;
  TGridDrawState State;
  bool Print;
  bool Select;
};

Looks Resolve(TAdvStringGrid& g, const Call& c) {
  TBrush brush;
  TFont font;
  Looks out;
  TVAlignment va = vtaTop;
  bool ww = true;
  TCellGradientDirection gd = GradientHorizontal;
  TGridDrawState state = c.State;
  g.GetVisualProperties(c.Col, c.Row, state, c.Print, c.Select, true, brush, out.ColorTo,
                        out.Mirror, out.MirrorTo, font, out.HA, va, ww, gd);
  out.Brush = brush.Color();
  out.FontColor = font.Color();
  out.Selected = state.Contains(gdSelected);
  out.FixedState = state.Contains(gdFixed);
  return out;
}

void Bands(TAdvStringGrid& g) {
  g.Bands()->SetPrimaryColor(kPrimary);
  g.Bands()->SetSecondaryColor(kSecondary);
  g.Bands()->SetPrimaryLength(1);
  g.Bands()->SetSecondaryLength(1);
  g.Bands()->SetActive(true);
}

struct LookCase {
  std::string Name;
  std::function<void(TAdvStringGrid&)> Setup;
  Call At;
  std::function<void(const TAdvStringGrid&, const Looks&)> Check;
};

// Later rules win: cell colour, bands, fixed area, look gradient, colour
// hook, gradient event, selection modes, disabled font.
std::vector<LookCase> LookCases() {
  return {
      {"plain data cell", [](TAdvStringGrid&) {}, {},
       [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, g.Color());
         EXPECT_EQ(l.FontColor, g.Font()->Color());
         EXPECT_EQ(l.ColorTo, clNone);
         EXPECT_EQ(l.Mirror, clNone);
         EXPECT_EQ(l.MirrorTo, clNone);
         EXPECT_EQ(l.HA, taLeftJustify);
         EXPECT_FALSE(l.Selected || l.FixedState);
       }},
      {"bands start with the primary colour on the first data row", Bands, {2, 1},
       [](const TAdvStringGrid&, const Looks& l) { EXPECT_EQ(l.Brush, kPrimary); }},
      {"bands alternate", Bands, {2, 2},
       [](const TAdvStringGrid&, const Looks& l) { EXPECT_EQ(l.Brush, kSecondary); }},
      {"a cell colour beats bands",
       [](TAdvStringGrid& g) {
         Bands(g);
         g.SetColors(1, 2, kYellow);
       },
       {1, 2}, [](const TAdvStringGrid&, const Looks& l) { EXPECT_EQ(l.Brush, kYellow); }},
      {"the fixed area takes the glXP gradient", [](TAdvStringGrid&) {}, {1, 0},
       [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, g.ZEVGradientFrom());
         EXPECT_EQ(l.ColorTo, g.ZEVGradientTo());
         EXPECT_TRUE(l.FixedState);
       }},
      {"the glXP gradient also when printing", [](TAdvStringGrid&) {}, {1, 0, {}, true, false},
       [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, g.ZEVGradientFrom());
         EXPECT_FALSE(l.FixedState) << "printing keeps the state";
       }},
      {"glStandard keeps the plain fixed colour",
       [](TAdvStringGrid& g) { g.SetLook(glStandard); },
       {1, 0}, [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, g.FixedColor());
         EXPECT_EQ(l.ColorTo, clNone);
       }},
      {"a fixed cell with its own colour keeps it",
       [](TAdvStringGrid& g) { g.SetColors(0, 2, kYellow); },
       {0, 2}, [](const TAdvStringGrid&, const Looks& l) {
         EXPECT_EQ(l.Brush, kYellow);
         EXPECT_FALSE(l.FixedState);
       }},
      {"a fixed check-box cell loses its property colour",
       [](TAdvStringGrid& g) {
         g.SetLook(glStandard);
         g.AddCheckBox(0, 2, false, false);
         g.SetColors(0, 2, kYellow);
       },
       {0, 2}, [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, g.FixedColor());
         EXPECT_TRUE(l.FixedState);
       }},
      {"OnGetCellColor beats the fixed gradient",
       [](TAdvStringGrid& g) {
         g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* b, TFont*) {
           b->SetColor(kRed);
         };
       },
       {1, 0}, [](const TAdvStringGrid&, const Looks& l) { EXPECT_EQ(l.Brush, kRed); }},
      {"OnGetCellGradient beats OnGetCellColor",
       [](TAdvStringGrid& g) {
         g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* b, TFont*) {
           b->SetColor(kRed);
         };
         g.OnGetCellGradient = [](TObject*, int, int, TColor& c, TColor& to, TColor&, TColor&,
                                  TCellGradientDirection&) {
           EXPECT_EQ(c, kRed);
           c = kBlue;
           to = kYellow;
         };
       },
       {1, 2}, [](const TAdvStringGrid&, const Looks& l) {
         EXPECT_EQ(l.Brush, kBlue);
         EXPECT_EQ(l.ColorTo, kYellow);
       }},
      {"ordinary selection", [](TAdvStringGrid& g) { g.SelectCells(1, 1, 2, 2); }, {2, 2},
       [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, g.SelectionColor());
         EXPECT_EQ(l.FontColor, g.SelectionTextColor());
         EXPECT_TRUE(l.Selected);
       }},
      {"selection without Select shows nothing", [](TAdvStringGrid& g) { g.SelectCells(1, 1, 2, 2); },
       {2, 2, {}, false, false},
       [](const TAdvStringGrid& g, const Looks& l) { EXPECT_EQ(l.Brush, g.Color()); }},
      {"the mixer blends with a coloured cell",
       [](TAdvStringGrid& g) {
         g.SetColors(2, 2, kYellow);
         g.SetSelectionColorMixer(true);
         g.SelectCells(1, 1, 2, 2);
       },
       {2, 2}, [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, BlendColor(g.SelectionColor(), kYellow, 50));
       }},
      {"the mixer leaves the plain grid colour pure",
       [](TAdvStringGrid& g) {
         g.SetSelectionColorMixer(true);
         g.SelectCells(1, 1, 2, 2);
       },
       {1, 2}, [](const TAdvStringGrid& g, const Looks& l) { EXPECT_EQ(l.Brush, g.SelectionColor()); }},
      {"printing is never selected",
       [](TAdvStringGrid& g) {
         g.SetSelectionTextColor(kRed);
         g.SelectCells(1, 1, 2, 2);
         g.MouseActions()->SetDisjunctCellSelect(true);
         g.SetSelectedCells(2, 2, true);
       },
       {2, 2, {gdSelected}, true, true},
       [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.Brush, g.Color());
         EXPECT_EQ(l.FontColor, g.PrintSettings()->Font()->Color());
       }},
      {"disjunct rows: a flagged row", [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctRowSelect(true);
         g.SetRowSelect(3, true);
       },
       {2, 3}, [](const TAdvStringGrid& g, const Looks& l) { EXPECT_TRUE(l.Selected); }},
      {"disjunct rows: the flagged row under the held mouse shows unselected",
       [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctRowSelect(true);
         g.SetRowSelect(3, true);
         g.SetRow(3);
         g.PaintState().MouseDown = true;
       },
       {2, 3, {gdSelected}}, [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_FALSE(l.Selected);
         EXPECT_EQ(l.Brush, g.Color());
       }},
      {"disjunct rows: an unflagged row under the held mouse shows selected",
       [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctRowSelect(true);
         g.SetRow(3);
         g.PaintState().MouseDown = true;
       },
       {2, 3, {gdSelected}}, [](const TAdvStringGrid&, const Looks& l) { EXPECT_TRUE(l.Selected); }},
      {"disjunct rows: a selected row that is not current paints lighter",
       [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctRowSelect(true);
         g.SetSelectionColor(0xFFDBB7);
         g.SetRowSelect(3, true);
         g.SetRow(5);
       },
       {2, 3}, [](const TAdvStringGrid&, const Looks& l) {
         EXPECT_EQ(l.Brush, ChangeColorBrightness(0xFFDBB7, 7));
         EXPECT_GE(GetRValue(l.Brush), 0xB7);
         EXPECT_GE(GetGValue(l.Brush), 0xDB);
         EXPECT_EQ(GetBValue(l.Brush), 0xFF) << "a full channel stays full, never wraps dark";
       }},
      {"disjunct columns", [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctColSelect(true);
         g.SetColSelect(2, true);
       },
       {2, 4}, [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_TRUE(l.Selected);
         EXPECT_EQ(l.Brush, g.SelectionColor());
       }},
      {"disjunct cells: a listed cell", [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctCellSelect(true);
         g.SetSelectedCells(3, 4, true);
       },
       {3, 4}, [](const TAdvStringGrid& g, const Looks& l) { EXPECT_EQ(l.Brush, g.SelectionColor()); }},
      {"disjunct cells: the current cell off the list shows its own colours",
       [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctCellSelect(true);
         g.SetColors(1, 1, kYellow);
         g.SetCol(1);
         g.SetRow(1);
       },
       {1, 1, {gdSelected, gdFocused}}, [](const TAdvStringGrid&, const Looks& l) {
         EXPECT_FALSE(l.Selected);
         EXPECT_EQ(l.Brush, kYellow);
       }},
      {"a disabled grid paints all text in the disabled colour, selected cells too",
       [](TAdvStringGrid& g) {
         g.SelectCells(1, 1, 2, 2);
         g.SetEnabled(false);
       },
       {2, 2}, [](const TAdvStringGrid& g, const Looks& l) {
         EXPECT_EQ(l.FontColor, g.DisabledFontColor());
         EXPECT_EQ(l.FontColor, TColor(0xC0C0C0));
       }},
      {"a disabled row", [](TAdvStringGrid& g) { g.SetRowEnabled(4, false); }, {1, 4},
       [](const TAdvStringGrid& g, const Looks& l) { EXPECT_EQ(l.FontColor, g.DisabledFontColor()); }},
  };
}

TEST(VisualProperties, SettledInOrder) {
  for (const LookCase& c : LookCases()) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetRowCount(8);
    c.Setup(g);
    c.Check(g, Resolve(g, c.At));
  }
}

TEST(VisualProperties, AutoNumAlignRightAlignsNumbersInEitherLocale) {
  struct Case {
    const TestLocale* Locale;
    const char16_t* Text;
    TAlignment Expected;
  };
  const std::vector<Case> cases = {
      {&PointDecimalMDY, u"12", taRightJustify},  {&PointDecimalMDY, u"-3", taRightJustify},
      {&PointDecimalMDY, u"2.5", taRightJustify}, {&CommaDecimalDMY, u"2,5", taRightJustify},
      {&PointDecimalMDY, u"1E5", taRightJustify}, {&CommaDecimalDMY, u"1E5", taRightJustify},
      {&PointDecimalMDY, u"word", taCenter},      {&PointDecimalMDY, u"", taCenter},
  };
  for (const Case& c : cases) {
    ScopedLocale locale(*c.Locale);
    TAdvStringGrid g(nullptr);
    g.SetAutoNumAlign(true);
    g.SetDefaultAlignment(taCenter);
    g.SetCells(1, 1, c.Text);
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    g.GetCellAlignment(1, 1, ha, va);
    EXPECT_EQ(ha, c.Expected) << std::string(c.Text, c.Text + std::char_traits<char16_t>::length(c.Text));
  }
}

TEST(VisualProperties, AFormulaCellIgnoresItsOwnAlignment) {
  TAdvStringGrid g(nullptr);
  g.SetAutoNumAlign(true);
  g.SetCells(1, 1, u"=A1+1");
  g.SetAlignments(1, 1, taCenter);
  g.SetCells(2, 1, u"plain");
  g.SetAlignments(2, 1, taCenter);
  TAlignment ha = taRightJustify;
  TVAlignment va = vtaTop;
  g.GetCellAlignment(1, 1, ha, va);
  EXPECT_EQ(ha, taLeftJustify);
  g.GetCellAlignment(2, 1, ha, va);
  EXPECT_EQ(ha, taCenter);
}

TEST(VisualProperties, BlendColorAtItsBounds) {
  struct Case {
    TColor A, B;
    int Percent;
    TColor Expected;
  };
  const std::vector<Case> cases = {
      {0x0000FF, 0xFF0000, 100, 0x0000FF}, {0x0000FF, 0xFF0000, 150, 0x0000FF},
      {0x0000FF, 0xFF0000, 0, 0xFF0000},   {0x0000FF, 0xFF0000, -5, 0xFF0000},
      {clNone, 0xFF0000, 50, 0xFF0000},    {0x0000FF, clNone, 50, 0x0000FF},
      {0x000000, 0xC8C8C8, 50, 0x646464},  {0xFFFFFF, 0xFFFFFF, 99, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BlendColor(c.A, c.B, c.Percent), c.Expected) << c.Percent;
  }
  EXPECT_EQ(BlendSelectionColor(0x0000FF, 0xFF0000, false, 50), TColor(0x0000FF));
}

}  // namespace
