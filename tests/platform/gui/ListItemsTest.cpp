#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"

namespace {
struct ListForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TComboBox* Combo = new TComboBox(Form.get());
  TListBox* List = new TListBox(Form.get());
  ListForm() {
    Combo->SetParent(Form.get());
    List->SetParent(Form.get());
    Combo->SetStyle(csDropDownList);
  }
};

TEST(ListItems, TheNativeListShowsEveryChangeOfTheItems) {
  ListForm f;
  TStrings& items = f.Combo->Items();
  items.Add(u"one");
  items.Add(u"two");
  items.Insert(0, u"zero");
  f.Combo->SetItemIndex(2);
  EXPECT_EQ(f.Combo->Text(), u"two");
  items.SetStrings(2, u"TWO");
  EXPECT_EQ(f.Combo->Text(), u"TWO") << "a list combo keeps its row";
  items.Delete(0);
  f.Combo->SetItemIndex(0);
  EXPECT_EQ(f.Combo->Text(), u"one");
  f.Combo->SetText(u"two");
  EXPECT_EQ(f.Combo->ItemIndex(), 1) << "found without regard to case";
  items.Clear();
  EXPECT_EQ(f.Combo->ItemIndex(), -1);
}

TEST(ListItems, SortedItemsWithObjectsAndAssignFromAnotherList) {
  ListForm f;
  auto& items = static_cast<TListControlItems&>(f.List->Items());
  items.SetSorted(true);
  TStringList source;
  TPersistent tag;
  source.AddObject(u"pear", nullptr);
  source.AddObject(u"apple", &tag);
  source.Add(u"fig");
  items.Assign(source);
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Strings(0), u"apple");
  EXPECT_EQ(items.Objects(0), &tag);
  f.List->SetItemIndex(2);
  EXPECT_EQ(f.List->ItemIndex(), 2);
  items.Add(u"banana");
  EXPECT_EQ(items.IndexOf(u"banana"), 1);
  EXPECT_EQ(f.List->ItemIndex(), 2) << "the selected row stays while it exists";
}

TEST(ListItems, AnUpdateBracketWritesTheNativeListOnceAtItsEnd) {
  ListForm f;
  TStrings& items = f.List->Items();
  int changes = 0;
  items.OnChange = [&](TObject*) { ++changes; };
  items.BeginUpdate();
  for (const char16_t* s : {u"a", u"b", u"c"}) items.Add(s);
  f.List->SetItemIndex(2);
  EXPECT_EQ(f.List->ItemIndex(), -1) << "nothing written yet";
  items.EndUpdate();
  f.List->SetItemIndex(2);
  EXPECT_EQ(f.List->ItemIndex(), 2);
  EXPECT_EQ(changes, 1);
}
}  // namespace
