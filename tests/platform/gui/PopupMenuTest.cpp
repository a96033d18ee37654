#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "tests/support/GuiTest.h"

namespace {
struct MenuForm {
  std::vector<std::string> Log;
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPanel* Panel = new TPanel(Form.get());
  TPopupMenu* Menu = new TPopupMenu(Form.get());
  testsupport::MenuResponder Menus;
  testsupport::InputDriver Input;

  TMenuItem* Item(TMenuItem* Parent, const String& Caption) {
    auto* i = new TMenuItem(Form.get());
    i->SetCaption(Caption);
    i->OnClick = [this, Caption](TObject*) { Log.push_back(StringToUtf8(Caption)); };
    Parent->Add(i);
    return i;
  }
  MenuForm() {
    Panel->SetParent(Form.get());
    Panel->SetBounds(10, 20, 100, 50);
    Item(Menu->Items(), u"&Copy");
    Item(Menu->Items(), u"-");
    TMenuItem* sub = Item(Menu->Items(), u"&Units");
    Item(sub, u"mm");
    Item(sub, u"inch");
    Item(Menu->Items(), u"Hidden")->SetVisible(false);
  }
};

TEST(PopupMenu, TheChosenItemIsClickedAndSubItemsAreReachedByPath) {
  MenuForm f;
  f.Menus.Choose(u"Units|inch");
  f.Menus.Choose(u"Copy");
  f.Menus.Choose(u"");
  for (int i = 0; i < 3; ++i) f.Menu->Popup(5, 6);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"inch", "&Copy"}));
  ASSERT_EQ(f.Menus.Menus().size(), 3u);
  EXPECT_EQ(f.Menus.Menus()[0].Captions, (std::vector<String>{u"Copy", u"-", u"Units"}));
}

TEST(PopupMenu, ARightClickPopsTheControlsMenuUpWhereThePointerIs) {
  MenuForm f;
  f.Panel->SetPopupMenu(f.Menu);
  f.Menus.Choose(u"Copy");
  f.Input.MouseDown(*f.Panel, Point(4, 5), mbRight);
  f.Input.MouseUp(*f.Panel, Point(4, 5), mbRight);
  ASSERT_EQ(f.Menus.Menus().size(), 1u);
  EXPECT_EQ(f.Menus.Menus()[0].At, f.Panel->ClientToScreen(Point(4, 5)));
  EXPECT_EQ(f.Menu->PopupComponent(), f.Panel);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"&Copy"}));
}

TEST(PopupMenu, FreedItemsAndMenusLeaveNoLinks) {
  MenuForm f;
  TMenuItem* units = f.Menu->Items()->Find(u"Units");
  ASSERT_NE(units, nullptr);
  delete units->Items(0);
  EXPECT_EQ(units->Count(), 1);
  f.Panel->SetPopupMenu(f.Menu);
  delete f.Menu;
  EXPECT_EQ(f.Panel->PopupMenu(), nullptr);
  f.Input.MouseUp(*f.Panel, Point(4, 5), mbRight);
}

TEST(PopupMenu, ADisabledItemDoesNotClick) {
  MenuForm f;
  f.Menu->Items()->Find(u"Copy")->SetEnabled(false);
  f.Menus.Choose(u"Copy");
  f.Menu->Popup(0, 0);
  EXPECT_TRUE(f.Log.empty());
}
}  // namespace
