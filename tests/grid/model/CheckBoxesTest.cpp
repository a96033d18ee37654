// Check boxes, radio buttons and radio groups: where they may go, their
// states by kind and by real row, toggling with group check and undo, and
// the hit test of the box.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/base/AdvGridUndoRedo.h"
#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/Grouping.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/sys/Exceptions.h"

namespace {

struct Change {
  int col, row;
  bool state;
  bool operator==(const Change&) const = default;
};

// A 4 x 8 grid that records the check-box change events.
struct CheckGrid : ::testing::Test {
  TAdvStringGrid G{nullptr};
  std::vector<Change> changes;
  CheckGrid() {
    G.SetColCount(4);
    G.SetRowCount(8);
    G.OnCheckBoxChange = [this](TObject*, int c, int r, bool s) { changes.push_back({c, r, s}); };
  }
  TCheckBoxState Box(int c, int realRow) {
    TCheckBoxState s = cbGrayed;
    EXPECT_TRUE(G.GetCheckBoxState(c, realRow, s));
    return s;
  }
};

TEST_F(CheckGrid, ControlsGoOnlyIntoCellsThatExist) {
  G.HideRow(6);  // one parked row: RowCount 7, row 7 of storage is no grid row
  G.HideColumn(3);
  const std::vector<std::pair<const char*, std::function<void(int, int)>>> adds = {
      {"check box", [&](int c, int r) { G.AddCheckBox(c, r, true, true); }},
      {"tri-state box", [&](int c, int r) { G.AddCheckBox(c, r, cbChecked); }},
      {"radio button", [&](int c, int r) { G.AddRadioButton(c, r, true); }},
  };
  for (const auto& [what, add] : adds) {
    SCOPED_TRACE(what);
    for (const TPoint cell : {TPoint{1, 7}, TPoint{-1, 2}, TPoint{1, -1}, TPoint{4, 2}}) {
      try {
        add(cell.X, cell.Y);
        ADD_FAILURE() << "no error for " << cell.X << "," << cell.Y;
      } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Invalid cell");
      }
    }
    EXPECT_EQ(G.RowCount(), 7);
    EXPECT_EQ(G.Cells(1, 6), u"");
    for (int r = 0; r < G.RowCount(); ++r) EXPECT_EQ(G.GetCellGraphic(1, r), nullptr);
    add(3, 6);  // a hidden column keeps its storage index
    EXPECT_NE(G.GetCellGraphic(3, 6), nullptr);
    G.RemoveCellGraphic(3, 6);
  }
}

TEST_F(CheckGrid, DataCheckBoxKeepsAnExistingCheckText) {
  G.SetCells(1, 1, u"N");
  G.AddCheckBox(1, 1, true, true);
  EXPECT_EQ(G.Cells(1, 1), u"N");
  EXPECT_FALSE(G.IsChecked(1, 1));
  G.AddCheckBox(1, 2, true, true);
  EXPECT_EQ(G.Cells(1, 2), u"Y");
  G.SetCells(1, 3, u"maybe");
  G.AddCheckBox(1, 3, false, true);
  EXPECT_EQ(G.Cells(1, 3), u"N");
  G.SetCells(1, 4, u"Lamp");
  G.AddCheckBox(1, 4, true, false);
  EXPECT_EQ(G.Cells(1, 4), u"Lamp") << "a plain box leaves its caption";
  EXPECT_TRUE(G.IsChecked(1, 4));
}

TEST_F(CheckGrid, ToggleByKind) {
  G.AddCheckBox(1, 1, false, false);
  G.SetCells(2, 1, u"x");
  G.AddCheckBox(2, 1, false, true);
  G.SetCells(2, 1, u"x");  // a foreign text: not checked
  G.AddCheckBox(3, 1, cbUnchecked);
  G.AddButton(1, 2, 10, 10, u"", haLeft, vaTop);

  EXPECT_TRUE(G.ToggleCheckBox(1, 1));
  EXPECT_TRUE(G.IsChecked(1, 1));
  EXPECT_TRUE(G.ToggleCheckBox(2, 1));
  EXPECT_EQ(G.Cells(2, 1), u"Y");
  EXPECT_TRUE(G.ToggleCheckBox(2, 1));
  EXPECT_EQ(G.Cells(2, 1), u"N");
  EXPECT_FALSE(G.ToggleCheckBox(1, 2)) << "a button is no check box";
  EXPECT_FALSE(G.ToggleCheckBox(1, 3)) << "nothing there";
  EXPECT_EQ(changes, (std::vector<Change>{{1, 1, true}, {2, 1, true}, {2, 1, false}}));

  changes.clear();
  std::vector<TCheckBoxState> cycle;
  for (int i = 0; i < 3; ++i) {
    G.ToggleCheckBox(3, 1);
    cycle.push_back(Box(3, 1));
    bool plain = true;
    EXPECT_FALSE(G.GetCheckBoxState(3, 1, plain)) << "a tri-state box has no Boolean state";
  }
  EXPECT_EQ(cycle, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  EXPECT_EQ(changes, (std::vector<Change>{{3, 1, false}, {3, 1, false}, {3, 1, false}}));
}

TEST_F(CheckGrid, UserTogglesAskWhetherTheCellMayChange) {
  G.AddCheckBox(1, 1, false, false);
  G.AddRadioButton(2, 1, false);
  G.OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  EXPECT_FALSE(G.DoToggleCheckBox(1, 1, true));
  EXPECT_FALSE(G.DoToggleRadioButton(2, 1, true));
  EXPECT_TRUE(G.DoToggleCheckBox(1, 1, false)) << "the program may";
  G.ControlLook()->SetCheckAlwaysActive(true);
  EXPECT_TRUE(G.DoToggleRadioButton(2, 1, true));
  EXPECT_TRUE(G.IsRadioButtonChecked(2, 1));
}

TEST_F(CheckGrid, ChangeCheckBoxStateFiresOnlyOnAChange) {
  G.AddCheckBox(1, 1, true, false);
  G.AddCheckBox(2, 1, true, true);
  EXPECT_TRUE(G.ChangeCheckBoxState(1, 1, true));
  EXPECT_TRUE(G.ChangeCheckBoxState(2, 1, true));
  EXPECT_TRUE(changes.empty());
  EXPECT_TRUE(G.ChangeCheckBoxState(2, 1, false));
  EXPECT_EQ(G.Cells(2, 1), u"N");
  EXPECT_FALSE(G.ChangeCheckBoxState(3, 1, true));
  G.AddCheckBoxColumn(3, false, false);
  G.CheckAll(3);
  EXPECT_EQ(changes.size(), 1u + 7u);
  G.UnCheckAll(1);
  EXPECT_FALSE(G.IsChecked(1, 1));
}

TEST_F(CheckGrid, StatesByRealRowReachParkedRows) {
  G.AddCheckBox(1, 4, false, false);
  G.AddCheckBox(2, 4, false, true);
  G.AddCheckBox(3, 4, cbUnchecked);
  G.AddCheckBox(1, 6, true, false);
  G.HideRow(4);
  EXPECT_TRUE(G.SetCheckBoxState(1, 4, true));
  EXPECT_TRUE(G.SetCheckBoxState(2, 4, true));
  EXPECT_TRUE(G.SetCheckBoxState(3, 4, cbGrayed));
  EXPECT_EQ(Box(1, 4), cbChecked);
  EXPECT_EQ(Box(2, 4), cbChecked);
  EXPECT_EQ(Box(3, 4), cbGrayed);
  EXPECT_EQ(G.AllCells(2, 4), u"Y");
  EXPECT_TRUE(G.IsChecked(1, 6)) << "real row 6 is shown as row 5";
  EXPECT_TRUE(G.SetCheckBoxState(1, 6, false));
  EXPECT_EQ(G.GetCellGraphic(1, 5)->CellBoolean(), false);
  G.UnHideRow(4);
  EXPECT_TRUE(G.IsChecked(1, 4));
  EXPECT_EQ(G.Cells(2, 4), u"Y");
  EXPECT_EQ(Box(3, 4), cbGrayed);
}

// The outline as the node data gives it: a node row with a ctNode graphic
// in column 0 and the level of each row of its span.
struct GroupCheck : CheckGrid {
  static constexpr int Node = 1, Span = 3;
  GroupCheck() {
    TCellGraphic* node = G.CreateCellGraphic(0, Node);
    node->SetCellType(ctNode);
    node->SetCellIndex(Span);
    node->SetCellHAlign(haBeforeText);
    node->SetCellVAlign(vaCenter);
    node->SetCellVar(-1);
    for (int r = Node; r < Node + Span; ++r) G.CellProperties(0, r)->SetNodeLevel(1);
    G.AddCheckBoxColumn(2, false, false);
    G.Grouping()->SetAutoCheckGroup(true);
  }
  void Contract() {
    G.GetCellGraphic(0, Node)->SetCellBoolean(true);
    G.HideRows(Node + 1, Node + Span - 1);
  }
};

TEST_F(GroupCheck, OutlineQueries) {
  EXPECT_TRUE(G.IsNode(Node));
  EXPECT_FALSE(G.IsNode(Node + 1));
  EXPECT_FALSE(G.IsNode(-1));
  EXPECT_EQ(G.GetNodeSpan(Node), Span);
  EXPECT_EQ(G.GetNodeSpan(Node + 1), -1);
  EXPECT_EQ(G.GetNodeLevel(Node), 1);
  EXPECT_EQ(G.GetNodeLevel(5), -1);
  EXPECT_EQ(G.GetParentRow(Node + 2), Node);
  EXPECT_EQ(G.GetParentRow(Node), Node);
  EXPECT_EQ(G.GetParentRow(5), -1);
  EXPECT_FALSE(G.GetNodeState(Node));
  EXPECT_EQ(G.GetCellType(2, Node), ctTriStateCheckBox) << "a node row gets a tri-state box";
}

TEST_F(GroupCheck, ChildrenGreyOrCheckTheirNode) {
  G.ToggleCheckBox(2, Node + 1);
  EXPECT_EQ(Box(2, Node), cbGrayed);
  G.ToggleCheckBox(2, Node + 2);
  EXPECT_EQ(Box(2, Node), cbChecked);
  G.ToggleCheckBox(2, Node + 1);
  G.ToggleCheckBox(2, Node + 2);
  EXPECT_EQ(Box(2, Node), cbUnchecked);
}

TEST_F(GroupCheck, CheckingTheNodeSetsItsRowsExpandedAndContracted) {
  changes.clear();
  G.ToggleCheckBox(2, Node);
  EXPECT_EQ(Box(2, Node), cbChecked);
  EXPECT_TRUE(G.IsChecked(2, Node + 1));
  EXPECT_TRUE(G.IsChecked(2, Node + 2));
  EXPECT_FALSE(G.IsChecked(2, Node + 3)) << "outside the span";
  EXPECT_EQ(changes, (std::vector<Change>{{2, Node, true}}));

  Contract();
  G.ToggleCheckBox(2, Node);
  EXPECT_EQ(Box(2, Node), cbUnchecked);
  EXPECT_FALSE(G.IsChecked(2, Node + 1));
  EXPECT_FALSE(G.IsChecked(2, Node + 2));
  G.ToggleCheckBox(2, Node);
  G.UnHideRows(Node + 1, Node + Span - 1);
  EXPECT_TRUE(G.GetCellGraphic(2, Node + 1)->CellBoolean());
  EXPECT_TRUE(G.GetCellGraphic(2, Node + 2)->CellBoolean());
  EXPECT_FALSE(G.GetCellGraphic(2, Node + 3)->CellBoolean());
}

TEST_F(CheckGrid, UndoGivesBackTheTextTheCellHeld) {
  TAdvGridUndoRedo undo(nullptr);
  G.SetUndoRedo(&undo);
  undo.SetGrid(&G);
  G.SetCells(1, 1, u"Lamp");
  G.AddCheckBox(1, 1, false, false);
  G.ToggleCheckBox(1, 1);
  EXPECT_FALSE(undo.CanUndo()) << "a plain box's state is not its text";
  undo.Undo();
  EXPECT_EQ(G.Cells(1, 1), u"Lamp");

  G.AddCheckBox(2, 1, false, true);
  G.SetCells(2, 1, u"x");
  G.ToggleCheckBox(2, 1);
  EXPECT_EQ(G.Cells(2, 1), u"Y");
  undo.Undo();
  EXPECT_EQ(G.Cells(2, 1), u"x");
  undo.Redo();
  EXPECT_EQ(G.Cells(2, 1), u"Y");
  G.SetUndoRedo(nullptr);
}

TEST_F(CheckGrid, RadioButtonsOfAColumnAreExclusive) {
  G.AddRadioButtonColumn(1);
  EXPECT_EQ(G.GetRadioButtonColumnIndex(1), -1);
  EXPECT_TRUE(G.DoToggleRadioButton(1, 2, false));
  EXPECT_EQ(G.GetRadioButtonColumnIndex(1), 2);
  EXPECT_TRUE(G.DoToggleRadioButton(1, 5, false));
  EXPECT_EQ(G.GetRadioButtonColumnIndex(1), 5);
  EXPECT_FALSE(G.IsRadioButtonChecked(1, 2));
  EXPECT_TRUE(G.DoToggleRadioButton(1, 5, false)) << "checked already";
  EXPECT_TRUE(G.IsRadioButtonChecked(1, 5));
  G.SetRadioButtonColumnIndex(1, 3);
  EXPECT_EQ(G.GetRadioButtonColumnIndex(1), 3);
  EXPECT_FALSE(G.IsRadioButtonChecked(1, 5));
  EXPECT_FALSE(G.DoToggleRadioButton(2, 2, false));
  EXPECT_TRUE(changes.empty()) << "radio buttons fire no change event";
  G.RemoveRadioButtonColumn(1);
  EXPECT_EQ(G.GetCellGraphic(1, 3), nullptr);
}

TEST_F(CheckGrid, RadioGroupSelectsTheNextOption) {
  TStrings* options = G.CreateRadio(1, 1, 0, 1);
  options->Add(u"a");
  options->Add(u"b");
  options->Add(u"c");
  G.SelectNextRadioOption(1, 1, false);
  int idx = -1;
  EXPECT_TRUE(G.GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 2);
  EXPECT_EQ(G.Cells(1, 1), u"c");
  G.SelectNextRadioOption(1, 1, false);
  EXPECT_EQ(G.Cells(1, 1), u"a") << "wraps";

  EXPECT_TRUE(G.SetRadioIdx(1, 1, -1));
  EXPECT_EQ(G.Cells(1, 1), u"");
  G.SetCells(1, 1, u"foreign");
  G.SelectNextRadioOption(1, 1, false);
  EXPECT_EQ(G.Cells(1, 1), u"a");

  // Below -1 the selection lives only in the text.
  G.SetRadioIdx(1, 1, -2);
  G.SetCells(1, 1, u"b");
  G.SelectNextRadioOption(1, 1, false);
  EXPECT_EQ(G.Cells(1, 1), u"c");
  G.GetRadioIdx(1, 1, idx);
  EXPECT_EQ(idx, -2);
  EXPECT_EQ(G.GetCellGraphic(1, 1)->CellVar(), 2);

  G.CreateRadio(2, 1, 0, -1);  // no options: nothing to select
  G.SelectNextRadioOption(2, 1, false);
  EXPECT_EQ(G.Cells(2, 1), u"");
  EXPECT_FALSE(G.SetRadioIdx(3, 1, 0));
  EXPECT_FALSE(G.GetRadioIdx(3, 1, idx));
}

TEST(CheckBoxHitTest, TheBoxByPlacementAndAlignment) {
  TAdvStringGrid g{nullptr};
  auto canvas = std::make_unique<TRecordingCanvas>();
  canvas->Font()->Assign(*g.Font());
  const int charWidth = canvas->CharWidth();
  g.SetMeasureCanvas(std::move(canvas));
  g.SetViewSize(1000, 1000);
  g.SetDefaultColWidth(60);
  g.SetDefaultRowHeight(30);
  const int s = g.ControlLook()->CheckSize();
  g.AddCheckBox(1, 1, false, false);
  g.AddButton(2, 1, 10, 10, u"", haLeft, vaTop);
  EXPECT_TRUE(g.IsInCheckBox(1, 1, 0, 0)) << "anywhere without the precise check";
  EXPECT_FALSE(g.IsInCheckBox(2, 1, 0, 0));

  g.MouseActions()->SetPreciseCheckBoxCheck(true);
  const TRect cell = g.CellRect(1, 1);
  struct Case {
    TAlignment ha;
    TCellVAlign va;
    const char16_t* text;
    int left, top;
  };
  const Case cases[] = {
      {taLeftJustify, vaTop, u"", cell.Left + 2, cell.Top + 2},
      {taCenter, vaCenter, u"", cell.Left + (60 - s) / 2, cell.Top + (30 - s) / 2},
      {taRightJustify, vaBottom, u"", cell.Right - s - 2, cell.Bottom - s - 2},
      {taRightJustify, vaTop, u"ab", cell.Right - s - 2 - 2 * charWidth, cell.Top + 2},
      {taLeftJustify, vaFull, u"", cell.Left + 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ha << " " << c.va);
    g.SetAlignments(1, 1, c.ha);
    g.GetCellGraphic(1, 1)->SetCellVAlign(c.va);
    g.SetCells(1, 1, c.text);
    EXPECT_TRUE(g.IsInCheckBox(1, 1, c.left, c.top));
    EXPECT_TRUE(g.IsInCheckBox(1, 1, c.left + s - 1, c.top + s - 1));
    EXPECT_FALSE(g.IsInCheckBox(1, 1, c.left + s, c.top));
    EXPECT_FALSE(g.IsInCheckBox(1, 1, c.left, c.top + s));
    EXPECT_FALSE(g.IsInCheckBox(1, 1, c.left - 1, c.top));
  }
}

// The table windows' Y/N columns.
struct DataCheckBoxColumn : ::testing::Test {
  TAdvColumnGrid G{nullptr};
  DataCheckBoxColumn() {
    G.SetColCount(4);
    G.SetRowCount(5);
    G.Columns()->Items(2)->SetEditor(edDataCheckBox);
  }
};

TEST_F(DataCheckBoxColumn, EmptyBodyCellsAreVirtualCheckBoxes) {
  EXPECT_EQ(G.GetCellType(2, 1), ctDataCheckBox);
  TCellGraphic* shared = G.GetCellGraphic(2, 1);
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared->CellType(), ctVirtCheckBox);
  EXPECT_EQ(G.GetCellType(2, 0), ctEmpty) << "a fixed row shows its text";
  EXPECT_EQ(G.GetCellType(1, 1), ctEmpty);
  EXPECT_TRUE(G.HasDataCheckBox(2, 3));
  EXPECT_TRUE(G.HasClickableGraphic(2, 3));

  EXPECT_TRUE(G.ToggleCheckBox(2, 1));
  EXPECT_EQ(G.Cells(2, 1), u"Y");
  EXPECT_TRUE(G.IsChecked(2, 1));
  EXPECT_TRUE(G.ToggleCheckBox(2, 1));
  EXPECT_EQ(G.Cells(2, 1), u"N");
  EXPECT_TRUE(G.ChangeCheckBoxState(2, 2, true));
  EXPECT_EQ(G.Cells(2, 2), u"Y");

  G.Columns()->Items(2)->SetCheckTrue(u"1");
  G.ToggleCheckBox(2, 3);
  EXPECT_EQ(G.Cells(2, 3), u"1") << "the column's own check text";

  EXPECT_TRUE(G.RemoveCellGraphic(2, 1));
  EXPECT_EQ(G.GetCellGraphic(2, 1), shared) << "the shared graphic is never freed";
  G.AddCheckBox(2, 4, cbGrayed);
  EXPECT_EQ(G.GetCellType(2, 4), ctTriStateCheckBox) << "a cell's own graphic wins";
}

}  // namespace
