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

TEST(AdvGridHTML, URLShowInTextLinksTheFirstPrefixFound) {
  struct Case {
    String text, shown;
  };
  const auto link = [](StringView url) { return u"<a href=\"" + String(url) + u"\">" + String(url) + u"</a>"; };
  const Case cases[] = {
      {u"http://x.org/a", link(u"http://x.org/a")},
      {u"see WWW.x.org", u"see " + link(u"WWW.x.org")},
      {u"mailto:me@x.org", link(u"mailto:me@x.org")},
      // "WWW." is tried before "HTTPS://", so only the host becomes the link.
      {u"https://www.x.org", u"https://" + link(u"www.x.org")},
      {u"nntp://news.x", link(u"nntp://news.x")},
      {u"file://c/a.txt", link(u"file://c/a.txt")},
      {u"ftp://f.x", link(u"ftp://f.x")},
      {u"ftp://a.x and http://b.x", u"ftp://a.x and " + link(u"http://b.x")},
      {u"no link <here>", u"no link <here>"},
  };
  TAdvStringGrid g(nullptr);
  g.SetURLShowInText(true);
  for (const auto& c : cases) {
    g.SetCells(1, 1, c.text);
    EXPECT_EQ(g.Cells(1, 1), c.shown) << StringToUtf8(c.text);
    EXPECT_EQ(g.GridCells(1, 1), c.text);
  }
  g.SetURLShowInText(false);
  g.SetCells(1, 1, u"www.x.org");
  EXPECT_EQ(g.Cells(1, 1), u"www.x.org");
}

TEST(AdvGridHTML, URLShowInTextLinksWhatTheTextHookGives) {
  TAdvStringGrid g(nullptr);
  g.SetURLShowInText(true);
  g.OnGetDisplText = [](TObject*, int, int, String& Value) { Value = u"www." + Value; };
  g.SetCells(1, 1, u"x.org");
  EXPECT_EQ(g.Cells(1, 1), u"<a href=\"www.x.org\">www.x.org</a>");
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
