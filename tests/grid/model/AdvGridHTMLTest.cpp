#include <gtest/gtest.h>

#include <memory>

#include "grid/base/PictureContainer.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"
#include "tests/support/SystemInputDriver.h"

namespace {

TEST(AdvGridHTML, StrippedCells) {
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"<b>bold</b><br>next <font color=\"clred\">red</font> <x");
  EXPECT_EQ(g.StrippedCells(1, 1), u"bold\r\nnext red <x");
  EXPECT_EQ(g.StrippedCells(2, 2), u"");
}

TEST(AdvGridHTML, EditTextWithoutTagsUnlessEditWithTags) {
  TAdvStringGrid g(nullptr);
  EXPECT_FALSE(g.EditWithTags());
  g.SetCells(1, 1, u"<b>word</b>");
  EXPECT_EQ(g.GetEditText(1, 1), u"word");
  g.SetEditText(1, 1, u"word");
  EXPECT_EQ(g.Cells(1, 1), u"<b>word</b>") << "the same visible text keeps the tags";
  g.SetEditText(1, 1, u"words");
  EXPECT_EQ(g.Cells(1, 1), u"words");
  g.SetEditWithTags(true);
  g.SetCells(1, 1, u"<b>word</b>");
  EXPECT_EQ(g.GetEditText(1, 1), u"<b>word</b>");
  g.SetEditText(1, 1, u"word");
  EXPECT_EQ(g.Cells(1, 1), u"word");
}

struct EditorOnAForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvStringGrid* Grid = new TAdvStringGrid(Form.get());
  testsupport::SystemInputDriver Input;

  EditorOnAForm() {
    Form->SetBounds(40, 40, 500, 300);
    Grid->SetParent(Form.get());
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetCells(1, 1, u"<b>bold</b> and <i>plain</i>");
    Form->Show();
    Input.Pump();
    Grid->SetFocus();
    Input.Pump();
  }
};

TEST(AdvGridHTML, OpeningAndLeavingTheEditorKeepsTheTags) {
  EditorOnAForm f;
  ASSERT_EQ(f.Grid->Col(), 1);
  ASSERT_EQ(f.Grid->Row(), 1);
  f.Input.Key(VK_F2);
  ASSERT_TRUE(f.Grid->EditorMode());
  EXPECT_EQ(f.Grid->InplaceEditor()->Text(), u"bold and plain");
  f.Input.Key(VK_RETURN);
  EXPECT_FALSE(f.Grid->EditorMode());
  EXPECT_EQ(f.Grid->Cells(1, 1), u"<b>bold</b> and <i>plain</i>");

  f.Input.Key(VK_F2);
  f.Input.Key(VK_ESCAPE);
  EXPECT_EQ(f.Grid->Cells(1, 1), u"<b>bold</b> and <i>plain</i>");

  f.Input.Key(VK_F2);
  f.Input.Pump();
  EXPECT_TRUE(f.Grid->InplaceEditor()->Focused());
  f.Input.Type(u"x");
  ASSERT_TRUE(f.Grid->EditorMode());
  EXPECT_EQ(f.Grid->InplaceEditor()->Text(), u"bold and plainx");
  f.Input.Key(VK_RETURN);
  EXPECT_EQ(f.Grid->Cells(1, 1), u"bold and plainx") << "typing replaces the cell by the visible text";
}

TEST(AdvGridHTML, PictureCacheAndContainerLink) {
  TAdvStringGrid g(nullptr);
  ASSERT_NE(g.ImageCache(), nullptr);
  THTMLPicture* web = CachedPicture(*g.ImageCache(), u"http://host/p.gif");
  EXPECT_EQ(CachedPicture(*g.ImageCache(), u"http://host/p.gif"), web);
  EXPECT_EQ(g.ImageCache()->Count(), 1);

  EXPECT_EQ(g.Container(), nullptr);
  auto container = std::make_unique<TPictureContainer>(nullptr);
  g.SetContainer(container.get());
  EXPECT_EQ(g.Container(), container.get());
  container.reset();
  EXPECT_EQ(g.Container(), nullptr) << "a freed container is forgotten";

  TPictureContainer second(nullptr);
  g.SetContainer(&second);
  g.SetContainer(nullptr);
  EXPECT_EQ(g.Container(), nullptr);
}

}  // namespace
