// The edit control messages on both kinds of native edit: selection,
// lines, points and characters, read-only, undo, margins and the
// formatting rectangle.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/gui/Forms.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct EditForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Edit = new TEdit(Form.get());
  TMemo* Memo = new TMemo(Form.get());

  EditForm() {
    Form->SetBounds(40, 40, 400, 300);
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 200, 24);
    Edit->SetText(u"hello world");
    Memo->SetParent(Form.get());
    Memo->SetBounds(10, 50, 300, 200);
    Memo->SetText(u"first\r\nsecond\r\nthird");
    Form->Show();
    testsupport::InputDriver().Pump();
  }
};

TPoint PosFromChar(TCustomEdit& e, int i) {
  const LRESULT r = e.Perform(EM_POSFROMCHAR, static_cast<WPARAM>(i));
  return Point(GetXLParam(r), GetYLParam(r));
}

TEST(EditMessages, SetSelAndGetSelAgree) {
  EditForm f;
  struct Case {
    WPARAM Start;
    LPARAM End;
    int WantStart, WantEnd;
  };
  const Case cases[] = {{0, -1, 0, 11}, {2, 5, 2, 5}, {5, 2, 2, 5}, {static_cast<WPARAM>(-1), 0, 2, 2},
                        {20, 30, 11, 11}};
  for (const Case& c : cases) {
    f.Edit->Perform(EM_SETSEL, c.Start, c.End);
    std::uint32_t start = 99, end = 99;
    const LRESULT r = f.Edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(static_cast<int>(start), c.WantStart) << c.Start << "," << c.End;
    EXPECT_EQ(static_cast<int>(end), c.WantEnd) << c.Start << "," << c.End;
    EXPECT_EQ(r, MakeLParam(c.WantStart, c.WantEnd));
  }
  EXPECT_EQ(f.Edit->SelStart(), 11);
}

TEST(EditMessages, AMemoCountsLineBreaksAsTwoCharacters) {
  EditForm f;
  EXPECT_EQ(f.Memo->Perform(EM_GETLINECOUNT), 3);
  EXPECT_EQ(f.Edit->Perform(EM_GETLINECOUNT), 1);
  // "first\r\n" is 7 characters: "second" starts at 7, "third" at 15.
  for (auto [index, line] : {std::pair{0, 0}, {5, 0}, {7, 1}, {12, 1}, {15, 2}, {19, 2}})
    EXPECT_EQ(f.Memo->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(index)), line) << index;
  f.Memo->Perform(EM_SETSEL, 7, 13);
  EXPECT_EQ(f.Memo->SelText(), u"second");
  EXPECT_EQ(f.Memo->SelStart(), 7);
  EXPECT_EQ(f.Memo->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 1) << "the selection's line";
}

TEST(EditMessages, CharFromPosAndPosFromCharAgree) {
  EditForm f;
  for (TCustomEdit* e : {static_cast<TCustomEdit*>(f.Edit), static_cast<TCustomEdit*>(f.Memo)}) {
    const int length = static_cast<int>(e->Text().size());
    int lastX = -1000, lastLine = 0;
    for (int i = 0; i < length; ++i) {
      if (e == f.Memo && (i == 5 || i == 6 || i == 13 || i == 14)) continue;  // the line breaks
      const TPoint p = PosFromChar(*e, i);
      const LRESULT r = e->Perform(EM_CHARFROMPOS, 0, MakeLParam(p.X, p.Y + 2));
      EXPECT_EQ(LoWord(r), i) << "at " << p.X << "," << p.Y;
      const int line = HiWord(r);
      EXPECT_EQ(line, e->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(i)));
      if (line == lastLine) {
        EXPECT_GT(p.X, lastX) << i;
      }
      lastX = p.X;
      lastLine = line;
    }
    EXPECT_EQ(e->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(length)), -1);
    EXPECT_EQ(e->Perform(EM_CHARFROMPOS, 0, MakeLParam(-5, 2)), -1);
  }
  EXPECT_GT(PosFromChar(*f.Memo, 7).Y, PosFromChar(*f.Memo, 0).Y);
}

TEST(EditMessages, MarginsAndTheFormattingRectangleMoveTheText) {
  EditForm f;
  const int x0 = PosFromChar(*f.Edit, 0).X;
  f.Edit->Perform(EM_SETMARGINS, EC_LEFTMARGIN, MakeLParam(10, 0));
  EXPECT_EQ(f.Edit->Perform(EM_GETMARGINS), MakeLParam(10, 0));
  EXPECT_EQ(PosFromChar(*f.Edit, 0).X, x0 + 10);
  TRect r = Rect(20, 0, 150, 24);
  f.Edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
  TRect got;
  f.Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
  EXPECT_EQ(got, r);
  EXPECT_EQ(PosFromChar(*f.Edit, 0).X, x0 + 30);
  const int memoX = PosFromChar(*f.Memo, 0).X;
  f.Memo->Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MakeLParam(8, 8));
  EXPECT_EQ(PosFromChar(*f.Memo, 0).X, memoX + 8);
}

TEST(EditMessages, ReadOnlyAndUndo) {
  EditForm f;
  testsupport::InputDriver input;
  f.Edit->Perform(EM_SETSEL, 11, 11);
  EXPECT_EQ(f.Edit->Perform(EM_CANUNDO), 0) << "text set by the program cannot be undone";
  f.Edit->SetFocus();
  f.Edit->Perform(EM_SETSEL, 11, 11);
  input.Type(u"!");
  EXPECT_EQ(f.Edit->Text(), u"hello world!");
  EXPECT_EQ(f.Edit->Perform(EM_CANUNDO), 1);
  EXPECT_EQ(f.Edit->Perform(EM_UNDO), 1);
  EXPECT_EQ(f.Edit->Text(), u"hello world");
  EXPECT_EQ(f.Edit->Perform(EM_SETREADONLY, 1), 1);
  EXPECT_TRUE(f.Edit->ReadOnly());
  input.Type(u"?");
  EXPECT_EQ(f.Edit->Text(), u"hello world");
}
}  // namespace

namespace {
// An edit whose owner adds style bits, as the grid's editors do.
template <class Base>
class StyledEdit : public Base {
 public:
  using Base::Base;
  unsigned Extra = 0;

 protected:
  void CreateParams(TCreateParams& Params) override {
    Base::CreateParams(Params);
    Params.Style |= Extra;
  }
};

TEST(EditRecreation, AnEditMadeMultiLineKeepsItsTextSelectionFontAndFocus) {
  EditForm f;
  auto* e = new StyledEdit<TEdit>(f.Form.get());
  e->SetParent(f.Form.get());
  e->SetBounds(10, 260, 200, 24);
  e->SetText(u"first line");
  e->Font()->SetSize(14);
  int changes = 0;
  e->OnChange = [&](TObject*) { ++changes; };
  e->SetFocus();
  e->Perform(EM_SETSEL, 2, 5);
  e->Extra = ES_MULTILINE | ES_WANTRETURN;
  e->RecreateWnd();
  EXPECT_EQ(e->Text(), u"first line");
  EXPECT_EQ(e->Perform(EM_GETSEL), MakeLParam(2, 5));
  EXPECT_TRUE(e->Focused());
  EXPECT_EQ(e->Font()->Size(), 14);
  EXPECT_EQ(changes, 0) << "re-creation is no change of the text";
  e->SetText(u"first\r\nsecond");
  EXPECT_EQ(e->Perform(EM_GETLINECOUNT), 2);
  EXPECT_EQ(e->Perform(EM_LINEFROMCHAR, 8), 1);
  EXPECT_EQ(e->Text(), u"first\r\nsecond");
  testsupport::InputDriver input;
  e->Perform(EM_SETSEL, 5, 5);
  input.Key(VK_RETURN);
  EXPECT_EQ(e->Perform(EM_GETLINECOUNT), 3) << "Return breaks the line in the multi-line edit";
  e->Extra = ES_PASSWORD | ES_RIGHT;
  e->RecreateWnd();
  EXPECT_EQ(e->Perform(EM_GETLINECOUNT), 1);
  EXPECT_TRUE(e->Focused());
}

TEST(EditRecreation, AMaskEditWorksOnBothKinds) {
  EditForm f;
  auto* e = new StyledEdit<TMaskEdit>(f.Form.get());
  e->SetParent(f.Form.get());
  e->SetEditMask(u"00:00;1;_");
  e->SetText(u"12:34");
  e->Extra = ES_MULTILINE;
  e->RecreateWnd();
  EXPECT_EQ(e->Text(), u"12:34");
  e->Extra = 0;
  e->RecreateWnd();
  EXPECT_EQ(e->Text(), u"12:34");
  EXPECT_EQ(e->EditText(), u"12:34");
}

// The grid's button edits hold their button as a child of the native edit.
TEST(EditRecreation, AChildControlSurvivesOnTheNewNativeEdit) {
  EditForm f;
  auto* e = new StyledEdit<TEdit>(f.Form.get());
  e->SetParent(f.Form.get());
  e->SetBounds(220, 10, 150, 24);
  auto* button = new TButton(f.Form.get());
  button->SetParent(e);
  button->SetBounds(130, 2, 18, 20);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  testsupport::SystemInputDriver input;
  for (unsigned style : {unsigned(ES_MULTILINE), unsigned(ES_RIGHT)}) {
    e->Extra = style;
    e->RecreateWnd();
    input.Pump();
    input.Click(*button);
    e->SetLeft(e->Left() - 10);  // the child moves with the new native edit
    input.Pump();
    input.Click(*button);
  }
  EXPECT_EQ(clicks, 4);
  EXPECT_EQ(e->Text(), u"") << "the clicks went to the button, not into the edit";
}

TEST(EditRecreation, TheMaskHoldsOnAMultiLineEdit) {
  EditForm f;
  auto* e = new StyledEdit<TMaskEdit>(f.Form.get());
  e->SetParent(f.Form.get());
  e->SetBounds(220, 10, 150, 24);
  e->Extra = ES_MULTILINE;
  e->RecreateWnd();
  e->SetEditMask(u">LL-00;1;_");
  EXPECT_EQ(e->EditText(), u"__-__");
  e->SetFocus();
  e->Perform(EM_SETSEL, 0, 0);
  testsupport::InputDriver input;
  input.Type(u"a1b2x3");  // what does not fit its place is refused
  EXPECT_EQ(e->EditText(), u"AB-23");
  EXPECT_TRUE(e->Modified());
  input.Key(VK_RETURN);
  EXPECT_EQ(e->Perform(EM_GETLINECOUNT), 1) << "a mask holds no line break";
  e->Perform(EM_SETSEL, 3, 3);
  input.Key(VK_BACK);  // over the literal to the letter before it
  EXPECT_EQ(e->EditText(), u"A_-23");
  EXPECT_EQ(e->SelStart(), 1);
  e->Perform(EM_SETSEL, 3, 3);
  input.Key(VK_DELETE);
  EXPECT_EQ(e->EditText(), u"A_-_3");
  e->Perform(EM_SETSEL, 0, 5);
  input.Type(u"q");
  EXPECT_EQ(e->EditText(), u"Q_-__") << "typing over a selection blanks it first";
  e->SetText(u"xy-9");
  EXPECT_EQ(e->EditText(), u"XY-9_");
  e->Extra = 0;
  e->RecreateWnd();
  EXPECT_EQ(e->EditText(), u"XY-9_");
  EXPECT_EQ(e->Text(), u"XY-9 ");
}
}  // namespace
