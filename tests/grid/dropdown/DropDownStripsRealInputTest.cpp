// The pop-up's header and footer as a user meets them: clicks and keys go
// through the window system's path (SystemInputDriver) into an open
// pop-up, the clock is virtual.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/AdvButton.h"
#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/AdvHeaderFooter.h"
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/codecs/Codecs.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/Toolkit.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using Log = std::vector<std::string>;

class TSizedDropDown : public TAdvCustomDropDown {
 public:
  using TAdvCustomDropDown::TAdvCustomDropDown;
  int Sizings = 0;

 protected:
  void DoDropDownSizing() override { ++Sizings; }
};

// A red square with a blue centre, to be seen in the header.
std::unique_ptr<TImageList> SquareImages() {
  auto images = std::make_unique<TImageList>(16, 16);
  TBitmap b;
  b.SetSize(16, 16);
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(0, 0, 16, 16));
  b.Canvas()->Brush()->SetColor(clBlue);
  b.Canvas()->FillRect(Rect(4, 4, 12, 12));
  images->Add(b, nullptr);
  return images;
}

// A drop-down whose pop-up has a header with an image, a caption and two
// buttons, and a footer with OK (1), Cancel (2) and Retry (4).
struct StripsFixture {
  Log Events;
  std::unique_ptr<TImageList> Images = SquareImages();
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TSizedDropDown* Drop = new TSizedDropDown(Form.get());
  TEdit* Inner = new TEdit(Drop);
  testsupport::SystemInputDriver Input;
  testsupport::InputDriver Clock;

  StripsFixture() {
    Screen->PinSize(1366, 768);
    Form->SetBounds(40, 40, 400, 200);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 10, 100, 24);
    Drop->SetParent(Form.get());
    Drop->SetBounds(10, 50, 200, 24);
    Inner->SetBounds(0, 0, 240, 80);
    Inner->SetTabStop(true);
    Drop->SetControl(Inner);
    Drop->SetFocusControl(Inner);
    Drop->SetImages(Images.get());
    THeaderAppearance& h = *Drop->DropDownHeader();
    h.SetCaption(u"<b>Pick</b> a <font color=\"clRed\">value</font>");
    h.SetImageIndex(0);
    h.Buttons()->Add()->SetCaption(u"Clear");
    h.Buttons()->Add()->SetCaption(u"Today");
    TFooterAppearance& f = *Drop->DropDownFooter();
    for (const auto& [caption, result] : {std::pair{u"OK", 1}, {u"Cancel", 2}, {u"Retry", 4}}) {
      TFooterButton* b = f.Buttons()->Add();
      b->SetCaption(caption);
      b->SetModalResult(result);
    }
    f.SetButtonAlignment(baLeft);
    Drop->OnDropDownHeaderButtonClick = [this](TObject*, int Index) { Note("header", Index); };
    Drop->OnDropDownFooterButtonClick = [this](TObject*, int Index) { Note("footer", Index); };
    Drop->OnDropUp = [this](TObject*, bool Cancelled) { Events.push_back(Cancelled ? "cancelled" : "closed"); };
    Drop->SetText(u"old");
    Form->Show();
    Other->SetFocus();
    Input.Pump();
    Clock.Advance(1000);
  }
  ~StripsFixture() {
    Screen->SetCursor(crDefault);
    Screen->PinSize(0, 0);
  }
  void Note(const std::string& Strip, int Index) {
    Events.push_back(Strip + " " + std::to_string(Index) + (Opened() ? " while open" : " after closing"));
  }
  TDropDownForm& Popup() const { return *Drop->DropDownForm(); }
  bool Opened() const { return Popup().Visible(); }
  TAdvHeader& Header() const { return *Popup().Header(); }
  TAdvFooter& Footer() const { return *Popup().Footer(); }
  TAdvButton& FooterButton(int Index) const { return *Footer().ButtonAt(Index); }
  TAdvButton& HeaderButton(int Index) const { return *Header().ButtonAt(Index); }
  void Open() {
    Clock.Advance(300);
    Input.Click(*Drop->Button()->Button());
    ASSERT_TRUE(Opened());
    Drop->SetPlainText(u"new");
    Events.clear();
  }
};

TEST(DropDownStrips, BothStripsAreMadeAroundTheContent) {
  StripsFixture f;
  f.Open();
  TDropDownForm& p = f.Popup();
  ASSERT_NE(p.Header(), nullptr);
  ASSERT_NE(p.Footer(), nullptr);
  EXPECT_EQ(p.Height(), 2 + 22 + 80 + 22);
  EXPECT_EQ(f.Header().BoundsRect(), Rect(1, 1, p.Width() - 1, 23));
  EXPECT_EQ(f.Footer().BoundsRect(), Rect(1, p.Height() - 23, p.Width() - 1, p.Height() - 1));
  EXPECT_EQ(f.Inner->BoundsRect(), Rect(1, 23, p.Width() - 1, p.Height() - 23));
  EXPECT_EQ(f.Header().ButtonCount(), 2);
  EXPECT_EQ(f.Footer().ButtonCount(), 3);
  EXPECT_EQ(f.FooterButton(0).Caption(), u"OK");
  EXPECT_EQ(f.FooterButton(0).Appearance(), f.Drop->ButtonAppearance()) << "shared, not copied";
  EXPECT_TRUE(f.Input.Shows(f.FooterButton(2)));
}

TEST(DropDownStrips, AFooterButtonClosesByItsModalResultBeforeItsEventFires) {
  const struct {
    int Index;
    bool Open;
    String Text;
    Log Events;
  } cases[] = {
      {0, false, u"new", {"closed", "footer 0 after closing"}},
      {1, false, u"old", {"cancelled", "footer 1 after closing"}},
      {2, true, u"new", {"footer 2 while open"}},
  };
  for (const auto& c : cases) {
    StripsFixture f;
    f.Open();
    f.Input.Click(f.FooterButton(c.Index));
    EXPECT_EQ(f.Opened(), c.Open) << c.Index;
    EXPECT_EQ(f.Drop->Text(), c.Text) << c.Index;
    EXPECT_EQ(f.Events, c.Events) << c.Index;
  }
}

TEST(DropDownStrips, EveryModalResultClosesKeepingCancellingOrNotAtAll) {
  enum { Open, Keep, Cancel };
  // Indexed by the modal result.
  const int expected[] = {Open, Keep, Cancel, Cancel, Open, Cancel, Keep, Cancel,
                          Open, Open, Open, Open, Keep, Cancel, Keep};
  StripsFixture f;
  for (int result = 0; result <= 14; ++result) {
    f.Drop->DropDownFooter()->Buttons()->Items(0)->SetModalResult(result);
    f.Open();
    f.Input.Click(f.FooterButton(0));
    const int got = f.Opened() ? Open : f.Drop->Text() == u"new" ? Keep : Cancel;
    EXPECT_EQ(got, expected[result]) << "modal result " << result;
    EXPECT_EQ(f.Popup().ModalResult(), result) << "the pop-up takes the button's result";
    if (f.Opened()) f.Input.Key(VK_ESCAPE);
    ASSERT_FALSE(f.Opened());
  }
}

TEST(DropDownStrips, AHeaderButtonFiresItsEventAndLeavesThePopupOpen) {
  StripsFixture f;
  f.Open();
  // baRight: the first definition is the rightmost.
  EXPECT_GT(f.HeaderButton(0).Left(), f.HeaderButton(1).Left());
  f.Input.Click(f.HeaderButton(1));
  EXPECT_TRUE(f.Opened());
  EXPECT_EQ(f.Events, Log{"header 1 while open"});
  EXPECT_EQ(f.Drop->Text(), u"new");
}

TEST(DropDownStrips, ReturnOnAFocusedFooterButtonClosesWithoutTheEvent) {
  StripsFixture f;
  f.Open();
  f.FooterButton(1).SetFocus();
  f.Input.Pump();
  ASSERT_TRUE(f.FooterButton(1).Focused());
  f.Input.Key(VK_RETURN);
  EXPECT_FALSE(f.Opened());
  EXPECT_EQ(f.Drop->Text(), u"old");
  EXPECT_EQ(f.Events, Log{"cancelled"});

  // A button that leaves the pop-up open comes up again after the key.
  f.Open();
  f.FooterButton(2).SetFocus();
  f.Input.Key(VK_SPACE);
  EXPECT_TRUE(f.Opened());
  EXPECT_TRUE(f.Events.empty());
  EXPECT_EQ(f.FooterButton(2).State(), absUp);
  EXPECT_FALSE(f.FooterButton(2).MouseDownInControl());
}

TEST(DropDownStrips, ADisabledButtonFiresNothing) {
  StripsFixture f;
  f.Drop->DropDownFooter()->Buttons()->Items(0)->SetEnabled(false);
  f.Drop->DropDownHeader()->Buttons()->Items(0)->SetEnabled(false);
  f.Open();
  f.Input.Click(f.FooterButton(0));
  f.Input.Click(f.HeaderButton(0));
  EXPECT_TRUE(f.Opened());
  EXPECT_TRUE(f.Events.empty());
  EXPECT_EQ(f.Drop->Text(), u"new");
}

TEST(DropDownStrips, TheGripSizesThePopupNeverBelow80By50AndTheNextOpeningKeepsTheSize) {
  StripsFixture f;
  f.Drop->DropDownFooter()->SetButtonAlignment(baRight);
  f.Open();
  TDropDownForm& p = f.Popup();
  const TRect start = p.BoundsRect();
  const TPoint grip(start.Width() - 4, start.Height() - 4);
  f.Input.MouseMove(p, grip);
  f.Input.MouseDown(p, grip);
  f.Input.MouseMove(p, Point(grip.X + 30, grip.Y + 20));
  EXPECT_EQ(p.BoundsRect(), Rect(start.Left, start.Top, start.Right + 30, start.Bottom + 20));
  const int sizings = f.Drop->Sizings;
  EXPECT_GT(sizings, 0);
  f.Input.MouseMove(p, Point(grip.X + 40, grip.Y + 20));
  EXPECT_GT(f.Drop->Sizings, sizings) << "on every move";
  f.Input.MouseMove(p, Point(grip.X - 400, grip.Y - 300));
  EXPECT_EQ(p.Width(), 80);
  EXPECT_EQ(p.Height(), 50);
  f.Input.MouseUp(p, Point(grip.X - 400, grip.Y - 300));
  EXPECT_EQ(f.FooterButton(0).BoundsRect().Right, f.Footer().Width() - 14) << "the buttons follow the footer";
  f.Input.Key(VK_RETURN);
  ASSERT_FALSE(f.Opened());
  f.Open();
  EXPECT_EQ(p.Width(), 80);
  EXPECT_EQ(p.Height(), 50);
}

TEST(DropDownStrips, OverTheGripTheDiagonalCursorShowsAndTheOldOneComesBack) {
  StripsFixture f;
  f.Open();
  Screen->SetCursor(crHandPoint);
  TAdvFooter& footer = f.Footer();
  f.Input.MouseMove(footer, Point(20, 10));
  EXPECT_EQ(platform::ShownOverrideCursor(), crHandPoint);
  f.Input.MouseMove(footer, Point(footer.Width() - 5, footer.Height() - 5));
  EXPECT_EQ(Screen->Cursor(), crSizeNWSE);
  EXPECT_EQ(platform::ShownOverrideCursor(), crSizeNWSE) << "shown by the toolkit";
  f.Input.MouseMove(footer, Point(footer.Width() - 30, footer.Height() - 5));
  EXPECT_EQ(platform::ShownOverrideCursor(), crHandPoint);
  f.Input.MouseMove(footer, Point(footer.Width() - 5, footer.Height() - 5));
  f.Input.MouseMove(*f.Inner, Point(20, 20));
  EXPECT_EQ(platform::ShownOverrideCursor(), crHandPoint) << "back on leaving";
  Screen->SetCursor(crDefault);
  EXPECT_EQ(platform::ShownOverrideCursor(), crDefault);
}

TEST(DropDownStrips, WithoutSizingThereIsNoGripAndTheCornerGoesToTheButtons) {
  StripsFixture f;
  f.Drop->SetDropDownSizeable(false);
  f.Drop->DropDownFooter()->SetButtonAlignment(baRight);
  f.Open();
  TAdvFooter& footer = f.Footer();
  EXPECT_FALSE(footer.SizeGripActive());
  EXPECT_EQ(footer.ButtonArea().Right, footer.Width() - 2);
  EXPECT_EQ(f.FooterButton(0).BoundsRect().Right, footer.Width() - 2);
  TDropDownForm& p = f.Popup();
  const TRect start = p.BoundsRect();
  const TPoint corner(footer.Width() - 1, footer.Height() - 2);
  f.Input.MouseMove(footer, corner);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  f.Input.MouseDown(footer, corner);
  f.Input.MouseMove(footer, Point(corner.X + 30, corner.Y + 30));
  f.Input.MouseUp(footer, Point(corner.X + 30, corner.Y + 30));
  EXPECT_EQ(p.BoundsRect(), start);
  EXPECT_EQ(f.Drop->Sizings, 0);
}

TEST(DropDownStrips, VisibleAndButtonChangesRebuildAnOpenPopupAtOnce) {
  StripsFixture f;
  f.Open();
  THeaderAppearance& h = *f.Drop->DropDownHeader();
  TAdvHeader* header = &f.Header();
  h.SetVisible(false);
  EXPECT_EQ(f.Popup().Header(), header) << "a hidden strip stays";
  EXPECT_FALSE(header->Visible());
  h.SetVisible(true);
  EXPECT_TRUE(header->Visible());

  h.Buttons()->Items(1)->SetCaption(u"Tomorrow");
  EXPECT_EQ(f.HeaderButton(1).Caption(), u"Tomorrow");
  h.Buttons()->Items(0)->SetEnabled(false);
  EXPECT_FALSE(f.HeaderButton(0).Enabled());

  // Height and colours tell nothing; the next opening shows them.
  h.SetHeight(30);
  h.SetColor(clYellow);
  EXPECT_EQ(header->Height(), 22);
  EXPECT_NE(header->Appearance()->Color(), clYellow);
  f.Input.Key(VK_ESCAPE);
  h.Buttons()->Add()->SetCaption(u"Never");
  f.Open();
  EXPECT_EQ(header->Height(), 30);
  EXPECT_EQ(header->Appearance()->Color(), clYellow);
  ASSERT_EQ(header->ButtonCount(), 3) << "each opening makes the buttons again";
  EXPECT_EQ(f.HeaderButton(2).Caption(), u"Never");
}

TEST(DropDownStrips, AStripFirstShownWhileOpenIsMadeThen) {
  StripsFixture f;
  f.Drop->DropDownFooter()->SetVisible(false);
  f.Open();
  EXPECT_EQ(f.Popup().Footer(), nullptr);
  f.Drop->DropDownFooter()->SetVisible(true);
  ASSERT_NE(f.Popup().Footer(), nullptr);
  EXPECT_TRUE(f.Footer().Visible());
  EXPECT_EQ(f.Footer().ButtonCount(), 3);
}

// Where GX_SNAPSHOT_DIR names a folder, the screen's pixels go there too.
void KeepScreenShot(const TPixelBuffer& Pixels, const std::string& FileName) {
  const char* dir = std::getenv("GX_SNAPSHOT_DIR");
  if (!dir) return;
  const TBytes png = EncodePng(Pixels);
  std::ofstream(std::string(dir) + "/" + FileName, std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

// Within a few steps of the gradient in every channel.
bool Near(TColor A, TColor B) {
  for (int shift = 0; shift <= 16; shift += 8)
    if (std::abs(static_cast<int>((A >> shift) & 0xFF) - static_cast<int>((B >> shift) & 0xFF)) > 12) return false;
  return true;
}

TEST(DropDownStrips, PicturesOfAnOpenPopupInThreeStyles) {
  const struct {
    TZEVStyle Style;
    std::string File;
  } cases[] = {
      {tsOffice2007Luna, "dropdown-strips-luna.png"},
      {tsWindows7, "dropdown-strips-windows7.png"},
      {tsOffice2010Black, "dropdown-strips-2010black.png"},
  };
  for (const auto& c : cases) {
    StripsFixture f;
    f.Drop->SetComponentStyle(c.Style);
    f.Open();
    f.Inner->SetText(u"content");
    const TPixelBuffer shot = testsupport::RenderSnapshot(f.Popup(), c.File);
    ASSERT_EQ(shot.Width, f.Popup().Width()) << c.File;
    // The header (at 1, 1) draws its image at 4 past its border, centred, on its gradient.
    EXPECT_EQ(shot.Pixel(6 + 1, 12), TColor{clRed}) << c.File;
    EXPECT_EQ(shot.Pixel(6 + 6, 12), TColor{clBlue}) << c.File;
    EXPECT_TRUE(Near(shot.Pixel(3, 3), f.Drop->DropDownHeader()->Color())) << c.File;
    // On a real screen the window system shows what the pop-up painted.
    TPixelBuffer screen;
    if (!platform::ReadScreen(f.Input.WindowRect(f.Popup()), screen)) continue;
    KeepScreenShot(screen, "screen-" + c.File);
    ASSERT_EQ(screen.Width, shot.Width) << c.File;
    for (const TPoint p : {Point(7, 12), Point(12, 12), Point(3, 3), Point(shot.Width - 5, shot.Height - 5)})
      EXPECT_EQ(screen.Pixel(p.X, p.Y), shot.Pixel(p.X, p.Y)) << c.File << " at " << p.X << "," << p.Y;
  }
}

}  // namespace
