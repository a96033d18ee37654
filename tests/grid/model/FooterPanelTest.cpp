// The floating footer's panel: the template of the custom preview, the
// footer column under the mouse, each style as painted on a recording
// canvas, and the mouse as a user moves and clicks over the footer.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "grid/model/FooterTemplate.h"
#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {

TEST(FooterTemplate, PlaceholdersBecomeTheCurrentRowsTexts) {
  // Columns 0..2 exist; any other column is outside the grid.
  const auto text = [](int col) {
    const char16_t* texts[] = {u"zero", u"one", u"two"};
    return col >= 0 && col < 3 ? String(texts[col]) : String();
  };
  struct Case {
    const char16_t* tmpl;
    const char16_t* shown;
  } cases[] = {
      {u"Name: <#2>", u"Name: two"},
      {u"<#0>/<#1>!", u"zero/one!"},
      {u"a<#x>b", u"ab"},               // not a number: the placeholder goes
      {u"a<#>b", u"ab"},
      {u"a<#$1>b", u"ab"},              // no hexadecimal
      {u"end <#1", u"end <#1"},         // no ">": kept as written
      {u"<#0> <#1", u"zero <#1"},
      {u"<#7> and <#-1>", u" and "},    // outside the grid: empty, never an error
      {u"<#99999999999>", u""},
      {u"plain <b>bold</b>", u"plain <b>bold</b>"},
      {u"", u""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SubstituteFooterTemplate(c.tmpl, text), c.shown) << StringToUtf8(c.tmpl);
}

// Four columns of 50 pixels, the first fixed; the footer row holds f0..f3.
struct FooterGrid {
  TAdvStringGrid grid{nullptr};
  TFloatingFooter& footer = *grid.FloatingFooter();
  TFooterPanel& panel = *grid.FooterPanel();

  FooterGrid() {
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetDefaultColWidth(50);
    grid.SetViewSize(175, 200);
    grid.SetColor(clYellow);
    for (int c = 0; c < 4; ++c) {
      grid.SetCells(c, 1, String(1, char16_t(u'a' + c)));
      grid.SetCells(c, 3, u"f" + IntToStr(c));
    }
    footer.SetColor(clAqua);
    footer.SetVisible(true);
    panel.SetBounds(0, 0, 300, 21);
  }
};

TEST(FooterPanel, TheColumnUnderTheMouse) {
  FooterGrid f;
  struct Case {
    int leftCol;
    int x;
    int column;
  } cases[] = {
      {1, 10, 0},  {1, 50, 0},   {1, 51, 1},  {1, 120, 2}, {1, 200, 3},
      {1, 201, -1},              // past the last column
      {2, 60, 2},  {2, 101, 3},  // scrolled: the columns from the left column on
      {2, 10, 0},                // the fixed column stays the fixed column
      {2, 160, -1},
  };
  for (const Case& c : cases) {
    f.grid.SetLeftCol(c.leftCol);
    ASSERT_EQ(f.grid.LeftCol(), c.leftCol);
    EXPECT_EQ(f.panel.ColumnAt(c.x), c.column) << "left " << c.leftCol << " x " << c.x;
  }
  f.grid.SetLeftCol(1);
  f.grid.SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(f.panel.ColumnAt(290), 0) << "mirrored";
  EXPECT_EQ(f.panel.ColumnAt(110), 3);
  EXPECT_EQ(f.panel.ColumnAt(90), -1);
}

std::string Hex(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c) & 0xFFFFFFFFu);
  return buf;
}

// What the painting did, one short line per call.
std::vector<std::string> Summary(const TRecordingCanvas& canvas) {
  std::vector<std::string> out;
  for (const TCanvasRecord& r : canvas.Records()) {
    const auto span = std::to_string(r.Rect.Left) + "-" + std::to_string(r.Rect.Right);
    if (r.Op == u"FillRect") out.push_back("fill " + span + " " + Hex(r.BrushColor));
    if (r.Op == u"DrawText") out.push_back("text " + StringToUtf8(r.Text) + " " + span);
    if (r.Op == u"TextOut") {
      const int x = r.Points[0].X;
      out.push_back("out " + StringToUtf8(r.Text) + " " + std::to_string(x) + "," +
                    std::to_string(r.Points[0].Y));
      out.push_back("text " + StringToUtf8(r.Text) + " " + std::to_string(x) + "-" + std::to_string(x));
    }
    if (r.Op == u"LineTo")
      out.push_back("line " + std::to_string(r.Points[0].X) + "," + std::to_string(r.Points[0].Y) +
                    "-" + std::to_string(r.Points[1].X) + "," + std::to_string(r.Points[1].Y) + " " +
                    Hex(r.PenColor));
  }
  return out;
}

std::vector<std::string> Painted(TFooterPanel& panel) {
  TRecordingCanvas canvas;
  panel.Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  return Summary(canvas);
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

// A wanted "text T L-R" is met by a text T drawn anywhere inside L..R, so
// that the cell painter's own margins do not matter; other lines exactly.
bool Shows(const std::vector<std::string>& Lines, const std::string& Want) {
  int lo = 0, hi = 0;
  char text[32] = {};
  if (std::sscanf(Want.c_str(), "text %31s %d-%d", text, &lo, &hi) != 3)
    return Joined(Lines).find(Want) != std::string::npos;
  for (const std::string& line : Lines) {
    int l = 0, r = 0;
    char got[32] = {};
    if (std::sscanf(line.c_str(), "text %31s %d-%d", got, &l, &r) == 3 && std::string(got) == text &&
        l >= lo && r <= hi)
      return true;
  }
  return false;
}


TEST(FooterPanel, EachStyleAsPainted) {
  const std::string fixedLine = Hex(clGray), line = Hex(clSilver);
  struct Case {
    const char* name;
    std::function<void(FooterGrid&)> setup;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
  } cases[] = {
      {"fixed last row: footer colour to W, grid colour right of it, cells with separators",
       [](FooterGrid&) {},
       {"fill 0-200 FFFF00", "fill 200-300 00FFFF", "text f0 0-49", "text f1 50-99",
        "text f3 150-199", "line 49,0-49,21 " + fixedLine, "line 99,0-99,21 " + line},
       {"text a"}},
      {"a cell colour fills its footer cell",
       [](FooterGrid& f) { f.grid.SetColors(2, 3, clRed); },
       {"fill 100-150 0000FF", "text f2 100-149"}, {}},
      {"the colour event wins over the stored colour",
       [](FooterGrid& f) {
         f.grid.SetColors(2, 3, clRed);
         f.grid.OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* B, TFont*) {
           if (ARow == 3 && ACol == 2) B->SetColor(clLime);
         };
       },
       {"fill 100-150 00FF00"}, {"fill 100-150 0000FF"}},
      {"scrolled: the fixed column, then from the left column",
       [](FooterGrid& f) { f.grid.SetLeftCol(2); },
       {"fill 0-150 FFFF00", "fill 150-300 00FFFF", "text f0 0-49", "text f2 50-99",
        "text f3 100-149"},
       {"text f1"}},
      {"a covered cell of a merged footer is not painted",
       [](FooterGrid& f) { f.grid.MergeCells(1, 3, 2, 1); },
       {"text f1 50-99"}, {"text 100-149"}},
      {"mirrored for right to left",
       [](FooterGrid& f) { f.grid.SetBiDiMode(bdRightToLeft); },
       {"fill 100-300 FFFF00", "fill 0-100 00FFFF", "text f0 251-300", "text f3 101-150"}, {}},
      {"border line along the painted width",
       [](FooterGrid& f) { f.footer.SetBorderColor(clRed); },
       {"line 0,0-200,0 0000FF"}, {}},
      {"column preview: raised frame and the current row's cell",
       [](FooterGrid& f) {
         f.footer.SetFooterStyle(fsColumnPreview);
         f.footer.SetColumn(2);
         f.grid.SetRow(1);
       },
       {"fill 0-200 FFFF00", "line 0,20-200,20 808080", "line 199,0-199,21 808080",
        "line 0,0-200,0 FFFFFF", "line 0,0-0,21 FFFFFF", "text c 1-199", "fill 200-300 00FFFF"},
       {"text f"}},
      {"column preview mirrored",
       [](FooterGrid& f) {
         f.footer.SetFooterStyle(fsColumnPreview);
         f.grid.SetBiDiMode(bdRightToLeft);
       },
       {"line 100,0-100,21 808080", "line 299,0-299,21 FFFFFF", "fill 0-100 00FFFF"}, {}},
      {"custom preview: the filled template two pixels down",
       [](FooterGrid& f) {
         f.footer.SetFooterStyle(fsCustomPreview);
         f.footer.SetCustomTemplate(u"<#1><#9>");
         f.grid.SetRow(1);
       },
       {"fill 0-200 FFFF00", "line 0,0-200,0 FFFFFF", "out b 3,2"}, {"out <"}},
      {"custom paint: only the event, over the client area",
       [](FooterGrid& f) {
         f.footer.SetFooterStyle(fsCustomPaint);
         f.footer.SetColumn(3);
         f.grid.OnPaintFooter = [](TObject*, int ACol, const TRect& R, TCanvas* C) {
           C->TextOut(R.Right, R.Bottom, u"col" + IntToStr(ACol));
         };
       },
       {"out col3 300,21"}, {"fill"}},
      {"the paint event draws each footer cell",
       [](FooterGrid& f) {
         f.grid.OnPaintFooter = [](TObject*, int ACol, const TRect& R, TCanvas* C) {
           C->TextOut(R.Left, R.Top, u"c" + IntToStr(ACol));
         };
       },
       {"out c0 0,0", "out c1 50,0", "out c3 150,0"}, {"text f"}},
  };
  for (const Case& c : cases) {
    FooterGrid f;
    c.setup(f);
    const std::vector<std::string> lines = Painted(f.panel);
    const std::string all = Joined(lines);
    for (const std::string& want : c.shown)
      EXPECT_TRUE(Shows(lines, want)) << c.name << ": " << want << "\n" << all;
    for (const std::string& never : c.notShown)
      EXPECT_EQ(all.find(never), std::string::npos) << c.name << ": " << never << "\n" << all;
  }
}

TEST(FooterPanel, PaintingLeavesTheSelectionTextColour) {
  FooterGrid f;
  f.grid.SetSelectionTextColor(clRed);
  TColor during = clNone;
  f.grid.OnPaintFooter = [&](TObject*, int, const TRect&, TCanvas*) { during = f.grid.SelectionTextColor(); };
  Painted(f.panel);
  EXPECT_EQ(during, TColor(0));
  EXPECT_EQ(f.grid.SelectionTextColor(), clRed);
}

// A shown grid with a fixed-last-row footer, as a user meets it.
struct FooterOnAForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvStringGrid* Grid = new TAdvStringGrid(Form.get());
  testsupport::SystemInputDriver Input;
  testsupport::InputDriver Clock;
  std::vector<std::string> Events;
  int Created = 0;

  FooterOnAForm() {
    Grid->OnCreatedFloatingFooter = [this](TObject* Sender) {
      ++Created;
      EXPECT_EQ(Sender, Grid);
    };
    Form->SetBounds(40, 40, 600, 360);
    Grid->SetParent(Form.get());
    Grid->SetBounds(10, 10, 400, 300);
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Grid->SetDefaultColWidth(50);
    Grid->FloatingFooter()->SetVisible(true);
    Grid->OnClick = [this](TObject*) { Events.push_back("click"); };
    Grid->OnClickCell = [this](TObject*, int ARow, int ACol) {
      Events.push_back("cell " + std::to_string(ARow) + "," + std::to_string(ACol));
    };
    Grid->OnGridHint = [](TObject*, int ARow, int ACol, String& Hint) {
      Hint = u"hint " + IntToStr(ARow) + u"," + IntToStr(ACol);
    };
    Form->Show();
    Input.Pump();
  }
  ~FooterOnAForm() {
    Clock.MouseOut(*Form);
    Application->CancelHint();
  }
  TFooterPanel& Panel() { return *Grid->FooterPanel(); }
  TPoint At(int X) { return TPoint{X, Panel().Height() / 2}; }
  bool HintShowing() const { return Application->HintWindow() && Application->HintWindow()->Visible(); }
  String HintText() const { return HintShowing() ? Application->HintWindow()->Caption() : String(); }
};

TEST(FooterPanelMouse, TheFooterIsMadeWithTheGridsWindow) {
  FooterOnAForm f;
  EXPECT_TRUE(f.Panel().Showing());
  EXPECT_EQ(f.Panel().Height(), f.Grid->FloatingFooter()->Height());
  EXPECT_EQ(f.Created, 1);
}

TEST(FooterPanelMouse, AReleaseClicksTheGridThenTheFooterColumn) {
  FooterOnAForm f;
  f.Input.Click(f.Panel(), f.At(75));
  EXPECT_EQ(f.Events, (std::vector<std::string>{"click", "cell 4,1"}));
  f.Events.clear();
  f.Input.Click(f.Panel(), f.At(300));
  EXPECT_EQ(f.Events, std::vector<std::string>{"click"}) << "past the last column";
}

TEST(FooterPanelMouse, HintsOnlyWithShowHintAndPerColumn) {
  FooterOnAForm f;
  f.Grid->SetShowHint(true);  // the panel takes the grid's hint flag
  f.Input.MouseMove(f.Panel(), f.At(75));
  f.Clock.Advance(1000);
  EXPECT_FALSE(f.HintShowing()) << "no hints without the footer's ShowHint";
  EXPECT_EQ(f.Panel().LastHintX(), -1);

  f.Grid->FloatingFooter()->SetShowHint(true);
  f.Input.MouseMove(f.Panel(), f.At(80));
  f.Clock.Advance(Application->HintPause());
  ASSERT_TRUE(f.HintShowing());
  EXPECT_EQ(f.HintText(), u"hint 4,1");
  EXPECT_EQ(f.Panel().LastHintX(), 1);

  f.Input.MouseMove(f.Panel(), f.At(85));
  EXPECT_TRUE(f.HintShowing()) << "the same column keeps its hint";
  f.Input.MouseMove(f.Panel(), f.At(125));
  EXPECT_FALSE(f.HintShowing()) << "another column cancels it";
  EXPECT_EQ(f.Panel().LastHintX(), 2);
  f.Input.MouseMove(f.Panel(), f.At(126));  // the pause starts again
  f.Clock.Advance(Application->HintPause());
  EXPECT_EQ(f.HintText(), u"hint 4,2");

  f.Input.MouseMove(*f.Form, TPoint{580, 20});
  EXPECT_EQ(f.Panel().LastHintX(), -1) << "leaving forgets the column";
  EXPECT_FALSE(f.HintShowing());
}

}  // namespace
