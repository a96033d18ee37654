// The track bar drop-down as a user meets it: keys and the mouse go
// through the window system's path, the pop-up is a real window.
#include "grid/dropdown/AdvTrackBarDropDown.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct TrackFixture {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TAdvTrackBarDropDown* Drop = new TAdvTrackBarDropDown(Form.get());
  testsupport::SystemInputDriver Input;
  testsupport::InputDriver Clock;
  int TrackChanges = 0;

  TrackFixture() {
    Screen->PinSize(1366, 768);
    Form->SetBounds(40, 40, 400, 220);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 10, 100, 24);
    Drop->SetParent(Form.get());
    Drop->SetBounds(10, 50, 200, 24);
    Drop->OnTrackChange = [this](TObject*) { ++TrackChanges; };
    Form->Show();
    Drop->SetFocus();
    Input.Pump();
    Clock.Advance(1000);
  }
  ~TrackFixture() { Screen->PinSize(0, 0); }
  bool Open() const { return Drop->DropDownForm()->Visible(); }
  TTrackBar& Track() const { return *Drop->TrackBar(); }
  void OpenByKeys() {
    Input.Key(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Open());
    TrackChanges = 0;
  }
};

TEST(TrackBarDropDownRealInput, AltDownOpensWithTheSliderAtThePosition) {
  TrackFixture f;
  EXPECT_FALSE(f.Drop->EditorEnabled());
  EXPECT_EQ(f.Drop->EditType(), etNumeric);
  f.Drop->SetMax(20);
  f.Drop->SetPosition(7);
  EXPECT_EQ(f.Drop->Text(), u"7");
  f.OpenByKeys();
  EXPECT_EQ(f.Track().Position(), 7);
  EXPECT_EQ(f.Track().Max(), 20);
  EXPECT_EQ(f.Drop->DropDownForm()->Width(), f.Drop->Width());
  EXPECT_TRUE(f.Track().Focused());
  EXPECT_FALSE(f.Drop->DropDownForm()->CancelOnDeActivate);
  const TPixelBuffer shot = testsupport::RenderSnapshot(*f.Drop->DropDownForm(), "trackbar-dropdown-popup.png");
  EXPECT_EQ(shot.Width, f.Drop->Width());
}

TEST(TrackBarDropDownRealInput, TheSliderAndPageKeysChangeTheTextLive) {
  TrackFixture f;
  f.OpenByKeys();
  f.Input.Key(VK_NEXT);
  EXPECT_EQ(f.Drop->Position(), 2);
  EXPECT_EQ(f.Drop->Text(), u"2");
  f.Input.Key(VK_PRIOR);
  EXPECT_EQ(f.Drop->Text(), u"0");
  EXPECT_EQ(f.TrackChanges, 2);
  TTrackBar& t = f.Track();
  const int y = t.ClientHeight() / 2;
  // The thumb sits at the left end at 0; dragging it to the right end gives Max.
  f.Input.MouseDown(t, Point(6, y));
  f.Input.MouseMove(t, Point(t.Width() / 2, y));
  EXPECT_GT(f.Drop->Position(), 0) << "the text follows while the thumb moves";
  EXPECT_EQ(f.Drop->Text(), IntToStr(f.Drop->Position()));
  f.Input.MouseMove(t, Point(t.Width() - 3, y));
  f.Input.MouseUp(t, Point(t.Width() - 3, y));
  EXPECT_EQ(f.Drop->Position(), 10);
  EXPECT_EQ(f.Drop->Text(), u"10");
  EXPECT_GT(f.TrackChanges, 3);
  EXPECT_TRUE(f.Open());
  f.Input.Key(VK_LEFT);
  EXPECT_EQ(f.Drop->Position(), 9) << "the track bar's own step, not the edit's as well";
  f.Input.Key(VK_DOWN);
  EXPECT_EQ(std::abs(f.Drop->Position() - 9), 1);
}

TEST(TrackBarDropDownRealInput, ReturnAndAClickOutsideKeepEscapeRestores) {
  for (const WORD key : {WORD(VK_RETURN), WORD(0), WORD(VK_ESCAPE)}) {
    TrackFixture f;
    f.Drop->SetText(u"3");
    EXPECT_EQ(f.Drop->Position(), 3);
    f.OpenByKeys();
    f.Input.Key(VK_NEXT);
    ASSERT_EQ(f.Drop->Text(), u"5");
    if (key) f.Input.Key(key);
    else f.Input.Click(*f.Other);
    EXPECT_FALSE(f.Open()) << key;
    EXPECT_EQ(f.Drop->Text(), key == VK_ESCAPE ? u"3" : u"5") << key;
    EXPECT_EQ(f.Drop->Position(), key == VK_ESCAPE ? 3 : 5) << key;
  }
}

TEST(TrackBarDropDownRealInput, UpAndDownStepByFrequencyWithinTheRange) {
  TrackFixture f;
  f.Drop->SetFrequency(3);
  const struct {
    WORD Key;
    int Position;
  } steps[] = {{VK_UP, 0}, {VK_DOWN, 3}, {VK_DOWN, 6}, {VK_DOWN, 9}, {VK_DOWN, 9}, {VK_UP, 6}};
  for (const auto& s : steps) {
    f.Input.Key(s.Key);
    EXPECT_EQ(f.Drop->Position(), s.Position);
    EXPECT_EQ(f.Drop->Text(), IntToStr(s.Position));
  }
  EXPECT_FALSE(f.Open());
  f.Drop->SetEditorEnabled(true);
  f.Input.Key(VK_DOWN);
  EXPECT_EQ(f.Drop->Position(), 6) << "a typed value is not stepped";
}

TEST(TrackBarDropDownRealInput, DraggingOverTheEditMovesByPageSize) {
  const struct {
    int PageSize;
    int Dx;
    int Moved;
  } cases[] = {{2, 5, 2}, {2, -3, -1}, {0, 3, 3}, {-2, 2, 2}};
  for (const auto& c : cases) {
    TrackFixture f;
    f.Drop->SetPosition(5);
    f.Drop->SetPageSize(c.PageSize);
    const TPoint from = Point(80, 10);
    f.Input.MouseDown(*f.Drop, from);
    f.Input.MouseMove(*f.Drop, Point(from.X + c.Dx, from.Y));
    f.Input.MouseUp(*f.Drop, Point(from.X + c.Dx, from.Y));
    EXPECT_EQ(f.Drop->Position(), 5 + c.Moved) << c.PageSize << " " << c.Dx;
    f.Input.MouseMove(*f.Drop, Point(from.X + c.Dx + 20, from.Y));
    EXPECT_EQ(f.Drop->Position(), 5 + c.Moved) << "released, no drag";
  }
}

TEST(TrackBarDropDownRealInput, TheTrackBarKeepsTheRangeAndPosition) {
  TrackFixture f;
  f.Drop->SetPosition(8);
  f.TrackChanges = 0;
  f.Drop->SetMax(5);
  EXPECT_EQ(f.Drop->Max(), 5);
  EXPECT_EQ(f.Drop->Position(), 5) << "reported by the track bar";
  EXPECT_EQ(f.Drop->Text(), u"5");
  EXPECT_EQ(f.TrackChanges, 1);
  f.Drop->SetMin(7);
  EXPECT_EQ(f.Drop->Min(), 7);
  EXPECT_EQ(f.Drop->Max(), 7);
  EXPECT_EQ(f.Drop->Position(), 7);
  f.Drop->SetPosition(100);
  EXPECT_EQ(f.Drop->Position(), 7);
}

TEST(TrackBarDropDownRealInput, RetypingThroughNoNumberKeepsThePositionWithoutAnError) {
  TrackFixture f;
  f.Drop->SetEditorEnabled(true);
  f.Drop->SetSigned(true);
  f.Drop->SetMin(-10);
  f.Drop->SetPosition(5);
  int changes = 0;
  f.Drop->OnChange = [&](TObject*) { ++changes; };
  f.Drop->SelectAll();
  f.Input.Key(VK_BACK);
  EXPECT_EQ(f.Drop->Text(), u"");
  EXPECT_EQ(f.Drop->Position(), 5);
  f.Input.Type(u"-");
  EXPECT_EQ(f.Drop->Text(), u"-");
  EXPECT_EQ(f.Drop->Position(), 5);
  f.Input.Type(u"3");
  EXPECT_EQ(f.Drop->Position(), -3);
  EXPECT_EQ(changes, 3);
}

}  // namespace
