#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/base/VisualStyleBinding.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/grid/paint/PaintSupport.h"
#include "tests/support/VisualStylesFake.h"

namespace {

using namespace paint_test;

// A box of CheckSize 15 at the left of a data cell painted at kCell: the
// text offsets (2, 2) leave {11, 21, 109, 39}, the box starts one further.
const TRect kBoxPlace{12, 22, 27, 37};

// What was drawn where, in which colours; not the tools left over from
// before (a line does not show the brush).
String Dump(const std::vector<TCanvasRecord>& All) {
  String out;
  for (const TCanvasRecord& r : All) {
    TCanvasRecord shape = r;
    if (r.Op == u"LineTo" || r.Op == u"SetPixels") shape.BrushColor = clNone;
    out += shape.ToString() + u"\n";
  }
  return out;
}

// What the glyph painter draws for an enabled box in the grid's control style.
String BoxDrawing(TAdvStringGrid& g, const TRect& Place, bool Checked) {
  TRecordingCanvas c;
  g.DrawCellCheckBox(c, Place, Checked, cbUnchecked, false, g.ControlLook()->ControlStyle(), false, true);
  return Dump(c.Records());
}

// The cell's drawing but for its (empty) text is exactly that of the box.
bool Paints(TAdvStringGrid& g, int ACol, int ARow, const String& Drawing, TRect Cell = kCell) {
  std::vector<TCanvasRecord> box;
  for (const auto& r : PaintCell(g, ACol, ARow, {}, Cell)) {
    if (!((r.Op == u"DrawText" || r.Op == u"TextOut") && r.Text.empty())) box.push_back(r);
  }
  return Dump(box) == Drawing;
}

}  // namespace

// A plain box's CellAngle only marks a balloon; a row box's marks a partly
// selected grid; a tri-state box shows its state. The themed box tells the
// states apart: 1 unchecked, 5 checked, 8 checked and disabled, 9 grayed.
TEST(CellCheckGraphics, CheckedAndGrayedPerBoxKind) {
  testsupport::VisualStylesFake styles;
  testsupport::InstalledLibrary installed(olVisualStyles, &styles);
  FreeThemeAPI();
  struct Case {
    const char* what;
    std::function<void(TAdvStringGrid&)> setup;
    int row;
    TRect place;
    int state;
  };
  // A header cell centres its text and its content starts a pixel lower.
  const TRect fixedPlace{52, 23, 67, 38};
  const Case cases[] = {
      {"checked box with a balloon is not grayed", [](TAdvStringGrid& g) {
         g.AddCheckBox(1, 1, true, false);
         g.AddBalloon(1, 1, u"Title", u"Text", biInfo);
       }, 1, kBoxPlace, 5},
      {"unchecked box", [](TAdvStringGrid& g) { g.AddCheckBox(1, 1, false, false); }, 1, kBoxPlace, 1},
      {"tri-state grayed", [](TAdvStringGrid& g) { g.AddCheckBox(1, 1, cbGrayed); }, 1, kBoxPlace, 9},
      {"tri-state checked, whatever its angle", [](TAdvStringGrid& g) {
         g.AddCheckBox(1, 1, cbChecked);
         g.GetCellGraphic(1, 1)->SetCellAngle(1);
       }, 1, kBoxPlace, 5},
      {"not editable", [](TAdvStringGrid& g) {
         g.AddCheckBox(1, 1, true, false);
         g.OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
       }, 1, kBoxPlace, 8},
      {"row box of a partly selected grid", [](TAdvStringGrid& g) {
         g.MouseActions()->SetHotmailRowSelect(true);
         g.SetRowSelect(2, true);
       }, 0, fixedPlace, 9},
      {"row box of a wholly selected grid", [](TAdvStringGrid& g) {
         g.MouseActions()->SetHotmailRowSelect(true);
         for (int r = 1; r < g.RowCount(); ++r) g.SetRowSelect(r, true);
       }, 0, fixedPlace, 5},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    c.setup(g);
    styles.Calls.clear();
    PaintCell(g, c.row == 0 ? 0 : 1, c.row);
    const TRect& p = c.place;
    const String expected = u"DrawThemeBackground 3 " + IntToStr(c.state) + u" (" + IntToStr(p.Left) + u"," +
                            IntToStr(p.Top) + u"," + IntToStr(p.Right) + u"," + IntToStr(p.Bottom) + u")";
    EXPECT_NE(std::find(styles.Calls.begin(), styles.Calls.end(), expected), styles.Calls.end()) << c.what;
  }
  FreeThemeAPI();
}

// The configurator's "Enable" columns: "Y" checked, anything else not, and
// the text never shown beside the box.
TEST(CellCheckGraphics, DataCheckBoxColumnShowsTheStateOnly) {
  TAdvColumnGrid g(nullptr);
  g.SetOptions(g.Options() + TGridOptions{goEditing});
  g.ControlLook()->SetControlStyle(csClassic);
  g.Columns()->Items(1)->SetEditor(edDataCheckBox);
  for (const char16_t* text : {u"Y", u"N", u"yes"}) {
    g.SetCells(1, 1, text);
    const bool checked = String(text) == u"Y";
    EXPECT_TRUE(Paints(g, 1, 1, BoxDrawing(g, kBoxPlace, checked))) << StringToUtf8(text);
    EXPECT_FALSE(Paints(g, 1, 1, BoxDrawing(g, kBoxPlace, !checked))) << StringToUtf8(text);
    for (const auto& t : Only(PaintCell(g, 1, 1), u"DrawText")) EXPECT_TRUE(t.Text.empty());
  }
}

// A box beside a right-aligned text ends where the text begins.
TEST(CellCheckGraphics, BoxBesideRightAlignedText) {
  TAdvStringGrid g(nullptr);
  g.SetOptions(g.Options() + TGridOptions{goEditing});
  g.ControlLook()->SetControlStyle(csClassic);
  g.AddCheckBox(1, 1, true, false);
  g.SetCells(1, 1, u"abc");
  g.SetAlignments(1, 1, taRightJustify);
  TRecordingCanvas measure;
  measure.Font()->Assign(*g.Font());
  const int span = measure.TextWidth(u"abc") + 4;
  const int left = 109 - span - 15 - 1;
  EXPECT_NE(Dump(PaintCell(g, 1, 1)).find(BoxDrawing(g, TRect{left, 22, left + 15, 37}, true)), String::npos);
}

TEST(CellCheckGraphics, RadioButtonAndRadioGroups) {
  auto radios = [](TAdvStringGrid& g, const TRect& R, const TStrings* Items, bool Horizontal, int Index, int Count) {
    TRecordingCanvas c;
    g.DrawRadioButtons(c, R, false, 1.0, g.ControlLook()->ControlStyle(), 1, 1, false, Items, false, Horizontal,
                       Index, Count);
    return Dump(c.Records());
  };
  {
    TAdvStringGrid g(nullptr);
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.AddRadioButton(1, 1, true);
    // Placed as a 14-pixel box, drawn 10 pixels square, moved right by XYOffset.X.
    const String on = radios(g, TRect{14, 22, 24, 32}, nullptr, false, 0, 1);
    const String off = radios(g, TRect{14, 22, 24, 32}, nullptr, false, -1, 1);
    EXPECT_TRUE(Paints(g, 1, 1, on));
    g.SetRadioButtonState(1, 1, false);
    EXPECT_TRUE(Paints(g, 1, 1, off));
    EXPECT_NE(on, off);
  }
  struct Case {
    const char* what;
    int dir, index;
    const char16_t* text;
  };
  const Case cases[] = {
      {"vertical, second item", 0, 1, u""},
      {"horizontal, first item", 1, 0, u""},
      {"by the cell text", 0, -1, u"b"},
      {"the cell text matching nothing", 0, -1, u"x"},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.SetRowHeights(1, 60);
    TStrings* items = g.CreateRadio(1, 1, c.dir, c.index);
    for (const char16_t* item : {u"a", u"b", u"c"}) items->Add(item);
    g.SetCells(1, 1, c.text);
    EXPECT_TRUE(Paints(g, 1, 1, radios(g, TRect{11, 21, 109, 79}, items, c.dir == 1, c.index, 3),
                       TRect{10, 20, 110, 80}))
        << c.what;
  }
}
