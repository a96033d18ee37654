// The grid's combo editor as a control: its item list through the grid,
// the wheel, the list width and completion while typing.
#include "grid/interact/GridCombo.h"

#include <gtest/gtest.h>

#include <vector>

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Canvas.h"
#include "tests/support/ShownOnForm.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct ComboGrid {
  TAdvStringGrid* G = new TAdvStringGrid(nullptr);
  testsupport::TShownOnForm<TAdvStringGrid> Shown{G};
  testsupport::SystemInputDriver Input;
  TGridCombo& Combo = *G->Combobox();

  ComboGrid() {
    G->SetColCount(4);
    G->SetRowCount(5);
    Input.Pump();
  }
  // The combo over the current cell, focused, as the editing cycle shows it.
  void ShowCombo(TComboBoxStyle Style) {
    Combo.SetStyle(Style);
    Combo.SetBoundsRect(G->CellRect(G->Col(), G->Row()));
    Combo.SetVisible(true);
    Combo.SetFocus();
    Input.Pump();
  }
};

TEST(GridCombo, TheItemOperationsReportWhatTheyCouldNotDo) {
  ComboGrid f;
  f.G->AddComboString(u"public");
  f.G->AddComboString(u"private");
  EXPECT_EQ(f.G->GetComboCount(), 2);
  EXPECT_TRUE(f.G->SetComboSelectionString(u"private"));
  EXPECT_EQ(f.G->ComboSelection(), 1);
  EXPECT_FALSE(f.G->SetComboSelectionString(u"secret"));
  EXPECT_EQ(f.G->ComboSelection(), 1) << "a non-item keeps the preset";

  f.G->SetCells(1, 1, u"private");
  f.G->SetCells(1, 2, u"other");
  EXPECT_EQ(f.G->GetComboIndex(1, 1), 1);
  EXPECT_EQ(f.G->GetComboIndex(1, 2), -1);
  f.G->SetComboIndex(2, 2, 0);
  EXPECT_EQ(f.G->Cells(2, 2), u"public");

  EXPECT_TRUE(f.G->RemoveComboString(u"public"));
  EXPECT_FALSE(f.G->RemoveComboString(u"public"));
  EXPECT_EQ(f.G->GetComboCount(), 1);
}

TEST(GridCombo, TheApplicationFillsTheListForTheCellAsked) {
  ComboGrid f;
  std::vector<int> asked;
  f.G->OnGetEditorProp = [&](TObject*, int ACol, int ARow, TObject*) {
    asked.push_back(ACol * 10 + ARow);
    f.G->ClearComboString();
    f.G->AddComboString(ARow == 3 ? u"three" : u"other");
  };
  f.G->SetCells(2, 3, u"three");
  EXPECT_EQ(f.G->GetComboIndex(2, 3), 0);
  EXPECT_EQ(asked, (std::vector<int>{23}));
}

TEST(GridCombo, TheListIsWideEnoughForTheWidestItem) {
  ComboGrid f;
  f.ShowCombo(csDropDownList);
  const String wide(40, u'W');
  for (int i = 0; i < 19; ++i) f.G->AddComboString(u"item");
  f.G->AddComboString(wide);
  f.Combo.SetDropDownCount(8);
  f.G->MeasureCanvas()->SetFont(*f.G->Font());
  const int text = f.G->MeasureCanvas()->TextWidth(wide);
  ASSERT_GT(text, f.Combo.Width());
  f.Combo.SizeDropDownWidth();
  EXPECT_EQ(f.Combo.DroppedWidth(), text + 25) << "room for the scroll bar";

  f.Combo.SetDropDownCount(30);
  f.Combo.SizeDropDownWidth();
  EXPECT_EQ(f.Combo.DroppedWidth(), text + 8) << "no scroll bar";
}

TEST(GridCombo, TheWheelStepsOneItemAndStopsAtBothEnds) {
  ComboGrid f;
  f.G->MoveColumn(1, 3);  // the current displayed column 1 holds storage column 2 now
  f.G->SetCol(1);
  f.G->SetRow(2);
  TObject first, second;
  f.G->AddComboStringObject(u"a", &first);
  f.G->AddComboStringObject(u"b", &second);
  f.ShowCombo(csDropDownList);
  struct Change { int Col, Row, Index; TObject* Object; };
  std::vector<Change> changes;
  int plain = 0;
  f.G->OnComboChange = [&](TObject*, int, int, int, const String&) { ++plain; };
  f.G->OnComboObjectChange = [&](TObject*, int ACol, int ARow, int I, const String&, TObject* O) {
    changes.push_back({ACol, ARow, I, O});
  };
  f.Combo.SetItemIndex(0);
  for (int notch : {-120, -120, -120, 120, 120, 120}) f.Input.Wheel(f.Combo, notch);
  const std::vector<int> indexes = [&] {
    std::vector<int> v;
    for (const Change& c : changes) v.push_back(c.Index);
    return v;
  }();
  EXPECT_EQ(indexes, (std::vector<int>{1, 1, 1, 0, 0, 0}));
  EXPECT_EQ(plain, 6);
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes[0].Col, f.G->RealColIndex(1)) << "the real column";
  EXPECT_EQ(changes[0].Row, 2);
  EXPECT_EQ(changes[0].Object, &second);

  f.ShowCombo(csDropDown);
  f.Combo.SetItemIndex(-1);
  f.Combo.SetText(u"typed");
  changes.clear();
  f.Input.Wheel(f.Combo, 120);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].Index, -1) << "a typed text stays upwards";
  EXPECT_EQ(changes[0].Object, nullptr);
}

TEST(GridCombo, TypingCompletesFromTheItemsThenFromTheLookupList) {
  ComboGrid f;
  f.G->SetLookup(true);
  f.G->AddComboString(u"Community");
  f.G->LookupItems()->Add(u"Lookup text");
  f.ShowCombo(csDropDown);
  f.Combo.SetText(String());
  f.Input.Type(u"com");
  EXPECT_EQ(f.Combo.Text(), u"community");
  EXPECT_EQ(f.Combo.ItemIndex(), 0);
  EXPECT_EQ(f.Combo.SelStart(), 3);
  EXPECT_EQ(f.Combo.SelLength(), 6);

  f.Combo.SetItemIndex(-1);
  f.Combo.SetText(String());
  f.Input.Type(u"LOO");
  EXPECT_EQ(f.Combo.Text(), u"LOOkup text");
  EXPECT_EQ(f.Combo.ItemIndex(), -1) << "a lookup text is no item";
}

}  // namespace
