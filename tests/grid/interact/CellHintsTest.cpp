// Cell hints where a user meets them: the pointer rests on a cell (window
// system input), the virtual clock runs the hint pause, and the
// application's hint window shows what the grid answered.
#include <gtest/gtest.h>

#include "grid/base/ControlLook.h"
#include "grid/interact/HTMLHintWindow.h"
#include "platform/gui/Application.h"
#include "tests/grid/interact/MouseGridSupport.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SnapshotFile.h"

namespace {

struct HintGrid : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  testsupport::InputDriver Clock;
  std::vector<TPoint> Asked;  // the cells OnGridHint fired for

  HintGrid() {
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Grid->SetDefaultColWidth(100);
    Grid->SetShowHint(true);
    Grid->SetBounds(0, 0, 450, 200);  // room on the form to leave the grid to
    Grid->OnGridHint = [this](TObject*, int ARow, int ACol, String&) { Asked.push_back(Point(ACol, ARow)); };
    Show();
  }
  ~HintGrid() override {
    Leave();
    Application->CancelHint();
  }
  // Onto the form beside the grid, which shows no hints.
  void Leave() { Input.MouseMove(*Form, Point(500, 250)); }
  THintWindow* Shown() const {
    THintWindow* w = Application->HintWindow();
    return w && w->Visible() ? w : nullptr;
  }
  // Rests the pointer on the cell, Dx from its left, for the hint pause.
  String Rest(int ACol, int ARow, int Dx = 10) {
    Input.MouseMove(*Grid, At(ACol, ARow, Dx));
    Clock.Advance(static_cast<unsigned>(Application->HintPause()));
    return Shown() ? Shown()->Caption() : String();
  }
  TPoint ToScreen(TPoint P) const { return Grid->ClientToScreen(P); }
};

TEST_F(HintGrid, WhatACellHintsAndWhere) {
  struct Case {
    const char* Name;
    bool ShowCells, HTMLHint;
    int Col, Row;
    const char16_t* Hint;
    bool HTMLWindow;
  };
  Grid->SetCells(1, 1, u"a <b>bold</b> word");
  Grid->SetCells(0, 1, u"fixed");
  Grid->AddComment(2, 2, u"a note");
  const Case Cases[] = {
      {"no cell texts", false, false, 1, 1, u"", false},
      {"cell text without tags", true, false, 1, 1, u"a bold word", false},
      {"raw cell text in the HTML window", true, true, 1, 1, u"a <b>bold</b> word", true},
      {"fixed cell: no text", true, false, 0, 1, u"", false},
      {"comment", false, false, 2, 2, u"a note", false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Grid->SetHintShowCells(C.ShowCells);
    Grid->SetHTMLHint(C.HTMLHint);
    Asked.clear();
    EXPECT_EQ(Rest(C.Col, C.Row), C.Hint);
    ASSERT_FALSE(Asked.empty());
    EXPECT_EQ(Asked.back(), Point(C.Col, C.Row));
    if (Shown()) {
      EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(Shown()) != nullptr, C.HTMLWindow);
    }
    Leave();
  }
}

TEST_F(HintGrid, PlacesTheHintAtThePointerBelowTheCellOrAtACommentsCorner) {
  Grid->SetHintShowCells(true);
  Grid->SetCells(1, 1, u"text");
  Grid->AddComment(2, 2, u"a note");
  const TRect cell = Grid->CellRect(1, 1);
  ASSERT_EQ(Rest(1, 1, 7), u"text");
  // A data cell's text shows over the cell itself.
  EXPECT_EQ(Shown()->Left(), ToScreen(At(1, 1, 7)).X);
  EXPECT_EQ(Shown()->Top(), ToScreen(Point(0, cell.Top)).Y);
  Leave();
  Grid->OnGridHint = [](TObject*, int, int, String& Hint) { Hint = u"from the hook"; };
  ASSERT_EQ(Rest(0, 1, 7), u"from the hook");
  EXPECT_EQ(Shown()->Top(), ToScreen(Point(0, cell.Bottom + 6)).Y);
  Leave();
  Grid->OnGridHint = nullptr;
  const TRect note = Grid->CellRect(2, 2);
  ASSERT_EQ(Rest(2, 2), u"a note");
  EXPECT_EQ(Shown()->Left(), ToScreen(Point(note.Right, 0)).X);
  EXPECT_EQ(Shown()->Top(), ToScreen(Point(0, note.Top)).Y);
}

// Moving to the next cell drops the shown hint; the next one comes after
// the full pause, not the short one.
TEST_F(HintGrid, LeavingTheCellDropsItsHint) {
  Grid->SetHintShowCells(true);
  Grid->SetCells(1, 1, u"one");
  Grid->SetCells(2, 1, u"two");
  ASSERT_EQ(Rest(1, 1), u"one");
  Input.MouseMove(*Grid, At(1, 1, 30));
  EXPECT_TRUE(Shown());
  Input.MouseMove(*Grid, At(2, 1, 10));
  EXPECT_FALSE(Shown());
  Clock.Advance(static_cast<unsigned>(Application->HintShortPause()));
  EXPECT_FALSE(Shown());
  Clock.Advance(static_cast<unsigned>(Application->HintPause() - Application->HintShortPause()));
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Shown()->Caption(), u"two");
}

TEST_F(HintGrid, HintMaxWidthWrapsTheHint) {
  Grid->SetHintShowCells(true);
  Grid->SetCells(1, 1, u"several words that make a long hint");
  ASSERT_FALSE(Rest(1, 1).empty());
  const int wide = Shown()->Width(), high = Shown()->Height();
  Leave();
  Grid->ControlLook()->SetHintMaxWidth(60);
  ASSERT_FALSE(Rest(1, 1).empty());
  EXPECT_LT(Shown()->Width(), wide);
  EXPECT_LE(Shown()->Width(), 60 + 8);
  EXPECT_GT(Shown()->Height(), high);
}

// The grid's hint window stays 2 px inside the screen's right and bottom edges.
TEST_F(HintGrid, TheHTMLHintStaysOnTheScreen) {
  ::Screen->PinSize(800, 600);
  THTMLHintWindow w(nullptr);
  w.ActivateHint(Rect(790, 595, 791, 596), u"<b>a hint</b>");
  EXPECT_EQ(w.Left() + w.Width(), 798);
  EXPECT_EQ(w.Top() + w.Height(), 598);
  w.ActivateHint(Rect(100, 120, 101, 121), u"<b>a hint</b>");
  EXPECT_EQ(w.Left(), 100);
  EXPECT_EQ(w.Top(), 120);
  ::Screen->PinSize(0, 0);
}

// Bold text in the hint's colour inside a light top-left and dark
// bottom-right frame.
TEST_F(HintGrid, TheHTMLHintPaintsBoldTextInItsFrame) {
  Grid->SetHintShowCells(true);
  Grid->SetHTMLHint(true);
  Grid->SetHintColor(clYellow);
  Grid->SetCells(1, 1, u"<b>Bold</b> and plain");
  ASSERT_EQ(Rest(1, 1), u"<b>Bold</b> and plain");
  THintWindow& hint = *Shown();
  ASSERT_NE(dynamic_cast<THTMLHintWindow*>(&hint), nullptr);
  const TPixelBuffer picture = testsupport::RenderSnapshot(hint, "html-hint.png");
  ASSERT_FALSE(picture.Empty());
  const int w = hint.Width(), h = hint.Height();
  EXPECT_EQ(picture.Pixel(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(picture.Pixel(0, h / 2), ColorToRGB(cl3DLight));
  EXPECT_EQ(picture.Pixel(w - 1, h / 2), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(picture.Pixel(w / 2, h - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(picture.Pixel(2, 2), clYellow);
  int inked = 0;
  for (int y = 1; y < h - 1; ++y)
    for (int x = 1; x < w - 1; ++x) inked += picture.Pixel(x, y) != clYellow;
  EXPECT_GT(inked, 20);
}

}  // namespace
