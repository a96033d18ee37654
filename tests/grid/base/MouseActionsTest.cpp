#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "tests/grid/base/SettingsTable.h"

namespace {

using M = TMouseActions;

std::unique_ptr<M> MakeMouse() { return std::make_unique<M>(nullptr); }

std::vector<TOptionRow<M>> MouseRows() {
  auto B = [](const char* name, bool (M::*get)() const, void (M::*set)(bool), bool def,
              bool copied = true) { return Opt(name, get, set, def, !def, copied); };
  return {
      B("AllColumnSize", &M::AllColumnSize, &M::SetAllColumnSize, false),
      B("AllRowSize", &M::AllRowSize, &M::SetAllRowSize, false),
      B("AllSelect", &M::AllSelect, &M::SetAllSelect, false),
      B("AutoSizeColOnDblClick", &M::AutoSizeColOnDblClick, &M::SetAutoSizeColOnDblClick, true),
      B("CaretPositioning", &M::CaretPositioning, &M::SetCaretPositioning, false),
      B("CheckAllCheck", &M::CheckAllCheck, &M::SetCheckAllCheck, false),
      B("ColSelect", &M::ColSelect, &M::SetColSelect, false),
      B("DirectComboClose", &M::DirectComboClose, &M::SetDirectComboClose, false),
      B("DirectComboDrop", &M::DirectComboDrop, &M::SetDirectComboDrop, false),
      B("DirectDateClose", &M::DirectDateClose, &M::SetDirectDateClose, false),
      B("DirectDateDrop", &M::DirectDateDrop, &M::SetDirectDateDrop, false),
      B("DirectEdit", &M::DirectEdit, &M::SetDirectEdit, false),
      B("DisjunctRowSelect", &M::DisjunctRowSelect, &M::SetDisjunctRowSelect, false),
      B("DisjunctRowSelectNoCtrl", &M::DisjunctRowSelectNoCtrl, &M::SetDisjunctRowSelectNoCtrl,
        false),
      B("DisjunctColSelect", &M::DisjunctColSelect, &M::SetDisjunctColSelect, false),
      B("DisjunctCellSelect", &M::DisjunctCellSelect, &M::SetDisjunctCellSelect, false),
      B("EditOnDblClickOnly", &M::EditOnDblClickOnly, &M::SetEditOnDblClickOnly, false, false),
      B("HotmailRowSelect", &M::HotmailRowSelect, &M::SetHotmailRowSelect, false, false),
      B("MoveRowOnNodeClick", &M::MoveRowOnNodeClick, &M::SetMoveRowOnNodeClick, false),
      B("NoAutoRangeScroll", &M::NoAutoRangeScroll, &M::SetNoAutoRangeScroll, false),
      B("NodeAllExpandContract", &M::NodeAllExpandContract, &M::SetNodeAllExpandContract, false),
      B("NoScrollOnPartialRow", &M::NoScrollOnPartialRow, &M::SetNoScrollOnPartialRow, false),
      B("PreciseCheckBoxCheck", &M::PreciseCheckBoxCheck, &M::SetPreciseCheckBoxCheck, false),
      B("PreciseNodeClick", &M::PreciseNodeClick, &M::SetPreciseNodeClick, true),
      B("RangeSelectAndEdit", &M::RangeSelectAndEdit, &M::SetRangeSelectAndEdit, false),
      B("RowSelect", &M::RowSelect, &M::SetRowSelect, false),
      B("RowSelectPersistent", &M::RowSelectPersistent, &M::SetRowSelectPersistent, false),
      B("SelectOnRightClick", &M::SelectOnRightClick, &M::SetSelectOnRightClick, false),
      B("SizeFixedCol", &M::SizeFixedCol, &M::SetSizeFixedCol, false),
      B("SizeFixedRow", &M::SizeFixedRow, &M::SetSizeFixedRow, false, false),
      Opt("FixedRowsEdit", &M::FixedRowsEdit, &M::SetFixedRowsEdit, fceNone, fceDblClick, true),
      Opt("FixedColsEdit", &M::FixedColsEdit, &M::SetFixedColsEdit, fceNone, fceLeftClick, true),
      Opt("FixedRowsEditor", &M::FixedRowsEditor, &M::SetFixedRowsEditor, fceEdit, fceComboList,
          true),
      Opt("FixedColsEditor", &M::FixedColsEditor, &M::SetFixedColsEditor, fceEdit,
          fceComboEdit, true),
      Opt("WheelIncrement", &M::WheelIncrement, &M::SetWheelIncrement, 0, 3, true),
      Opt("WheelAction", &M::WheelAction, &M::SetWheelAction, waMoveSelection, waScroll, true,
          nkChanged),
  };
}

TEST(MouseActions, OptionTable) {
  const auto rows = MouseRows();
  EXPECT_EQ(rows.size(), 36u);  // and FixedComboValues
  ExpectDefaults<M>(rows, MakeMouse);
  ExpectNotifications<M>(rows, MakeMouse);
  ExpectAssign<M>(rows, MakeMouse);
  ExpectForeignIgnored<M>(rows, MakeMouse);
}

TEST(MouseActions, FixedComboValuesAreCopiedBySetterButNotByAssign) {
  M source(nullptr);
  TStringList values;
  values.Add(u"a");
  source.SetFixedComboValues(values);
  values.Add(u"b");
  EXPECT_EQ(source.FixedComboValues()->Count(), 1);
  M target(nullptr);
  target.Assign(source);
  EXPECT_EQ(target.FixedComboValues()->Count(), 0);
}

struct MouseEvents : ::testing::Test {
  M mouse{nullptr};
  int invalidates = 0;
  int disables = 0;
  bool designing = false;
  void SetUp() override {
    mouse.OnInvalidate = [this](TObject*) { ++invalidates; };
    mouse.OnDisableEdit = [this](TObject*) { ++disables; };
    mouse.OnIsDesigning = [this](TObject*, bool& d) { d = designing; };
  }
};

TEST_F(MouseEvents, HotmailRowSelectSwitchesDisjunctRowsAndCheckAllAndInvalidates) {
  mouse.SetHotmailRowSelect(true);
  EXPECT_TRUE(mouse.DisjunctRowSelect());
  EXPECT_TRUE(mouse.CheckAllCheck());
  EXPECT_EQ(invalidates, 1);
  mouse.SetHotmailRowSelect(false);
  EXPECT_TRUE(mouse.DisjunctRowSelect());  // switching off takes nothing back
  EXPECT_EQ(invalidates, 2);
}

TEST_F(MouseEvents, EditOnDblClickOnlyDisablesEditingWhenSwitchedOn) {
  mouse.SetEditOnDblClickOnly(false);
  EXPECT_EQ(disables, 0);
  mouse.SetEditOnDblClickOnly(true);
  EXPECT_EQ(disables, 1);
}

TEST_F(MouseEvents, DisjunctSelectionsExcludeEachOtherOnlyAtDesignTime) {
  mouse.SetDisjunctRowSelect(true);
  mouse.SetDisjunctColSelect(true);
  EXPECT_TRUE(mouse.DisjunctRowSelect());  // run time: both stay
  designing = true;
  mouse.SetDisjunctCellSelect(true);
  EXPECT_FALSE(mouse.DisjunctRowSelect());
  EXPECT_FALSE(mouse.DisjunctColSelect());
  EXPECT_TRUE(mouse.DisjunctCellSelect());
  mouse.SetDisjunctRowSelectDirect(true);  // no rule
  EXPECT_TRUE(mouse.DisjunctCellSelect());
}

TEST(MouseActions, WithoutDesignQueryItIsRunTime) {
  M mouse(nullptr);
  mouse.SetDisjunctRowSelect(true);
  mouse.SetDisjunctColSelect(true);
  EXPECT_TRUE(mouse.DisjunctRowSelect());
}

}  // namespace
