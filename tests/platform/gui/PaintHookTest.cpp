// Paint hooks over native controls: a control draws before or after its
// native look, and a frame of its own on WM_NCPAINT, seen on the picture.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/gui/Bitmap.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/SnapshotFile.h"

namespace {
constexpr int kWidth = 150, kHeight = 24, kButton = 20;

// A control whose paint messages run the test's drawing.
template <class Base>
class Hooked : public Base {
 public:
  explicit Hooked(TComponent* AOwner) : Base(AOwner) { this->SetPaintHooks(true); }
  std::function<void(TCanvas&, TMessage&)> OnPaintMessage, OnNcPaintMessage;
  void Native(TMessage& m) { Base::Dispatch(m); }

 protected:
  void Dispatch(TMessage& m) override {
    auto& hook = m.Msg == WM_PAINT ? OnPaintMessage : OnNcPaintMessage;
    if ((m.Msg != WM_PAINT && m.Msg != WM_NCPAINT) || !hook) return Base::Dispatch(m);
    hook(*reinterpret_cast<TCanvas*>(m.WParam), m);
  }
};
using HookedCombo = Hooked<TComboBox>;

struct HookForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TComboBox* Plain = Place(new TComboBox(Form.get()), 10);
  HookedCombo* Hooked = Place(new HookedCombo(Form.get()), 50);

  HookForm() {
    Form->SetBorderStyle(bsDialog);
    Form->SetClientWidth(200);
    Form->SetClientHeight(90);
  }
  template <class T>
  T* Place(T* c, int top) {
    c->SetParent(Form.get());
    c->SetBounds(10, top, kWidth, kHeight);
    c->SetStyle(csDropDownList);
    c->Items().Assign({u"Alpha", u"Beta"});
    c->SetItemIndex(0);
    return c;
  }
  // The form's picture; GX_SNAPSHOT_DIR keeps a copy to look at.
  TPixelBuffer Render(const char* Name) { return testsupport::RenderSnapshot(*Form, Name); }
};

// The hooked combo's pixel at (x, y) of its own, and the plain one's there.
struct Pair {
  const TPixelBuffer& Picture;
  TColor Hooked(int x, int y) const { return Picture.Pixel(10 + x, 50 + y); }
  TColor Plain(int x, int y) const { return Picture.Pixel(10 + x, 10 + y); }
};

TEST(PaintHook, DrawnAfterTheNativeLookItShowsOverIt) {
  HookForm f;
  f.Hooked->OnPaintMessage = [&](TCanvas& c, TMessage& m) {
    f.Hooked->Native(m);
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(kWidth - 14, 6, kWidth - 6, 14));
  };
  f.Hooked->OnNcPaintMessage = [&](TCanvas& c, TMessage&) {
    c.Brush()->SetColor(clLime);
    c.FrameRect(Rect(0, 0, kWidth, kHeight));
  };
  const TPixelBuffer picture = f.Render("after.png");
  const Pair p{picture};
  EXPECT_EQ(p.Hooked(kWidth - 10, 10), clRed);
  EXPECT_EQ(p.Hooked(0, 0), clLime);
  EXPECT_EQ(p.Hooked(kWidth - 1, kHeight / 2), clLime);
  EXPECT_EQ(p.Hooked(kWidth / 2, kHeight - 1), clLime);
  int differ = 0, text = 0;
  for (int y = 1; y < kHeight - 1; ++y)
    for (int x = 1; x < kWidth - 14; ++x) {
      differ += p.Hooked(x, y) != p.Plain(x, y);
      text += p.Plain(x, y) != p.Plain(kWidth / 2, kHeight / 2);
    }
  EXPECT_EQ(differ, 0) << "the native look is there, untouched";
  EXPECT_GT(text, 10) << "the native look shows its text";
}

TEST(PaintHook, DrawnBeforeTheNativeLookTheClipKeepsItsPart) {
  HookForm f;
  f.Hooked->OnPaintMessage = [&](TCanvas& c, TMessage& m) {
    c.Brush()->SetColor(clBlue);
    c.FillRect(Rect(0, 0, kWidth, kHeight));
    c.IntersectClipRect(Rect(0, 0, kWidth - kButton, kHeight));
    f.Hooked->Native(m);
  };
  const TPixelBuffer picture = f.Render("before.png");
  const Pair p{picture};
  for (int y = 0; y < kHeight; ++y) {
    EXPECT_EQ(p.Hooked(kWidth - kButton, y), clBlue);
    EXPECT_EQ(p.Hooked(kWidth - 1, y), clBlue);
  }
  // Away from the rounded corners, which let the blue through.
  for (int y = 2; y < kHeight - 2; ++y)
    for (int x = 2; x < kWidth - kButton; ++x) ASSERT_EQ(p.Hooked(x, y), p.Plain(x, y)) << x << "," << y;
}

TEST(PaintHook, OutsideAPaintTheNativeLookGoesIntoAnyCanvas) {
  HookForm f;
  f.Render("shown.png");
  TBitmap bitmap(kWidth, kHeight);
  bitmap.Canvas()->Brush()->SetColor(clFuchsia);
  bitmap.Canvas()->FillRect(Rect(0, 0, kWidth, kHeight));
  f.Hooked->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas()), 0);
  int native = 0;
  for (int x = 0; x < kWidth; ++x) native += bitmap.Canvas()->Pixels(x, kHeight / 2) != clFuchsia;
  EXPECT_GT(native, kWidth / 2);
}

TEST(PaintHook, TheDatePickersButtonCanBePaintedOver) {
  HookForm f;
  auto* plain = new TDateTimePicker(f.Form.get());
  auto* hooked = new Hooked<TDateTimePicker>(f.Form.get());
  for (TDateTimePicker* p : {plain, static_cast<TDateTimePicker*>(hooked)}) {
    p->SetParent(f.Form.get());
    p->SetDate(EncodeDate(2024, 5, 17));
  }
  f.Plain->Hide();
  f.Hooked->Hide();
  plain->SetBounds(10, 10, kWidth, kHeight);
  hooked->SetBounds(10, 50, kWidth, kHeight);
  hooked->OnPaintMessage = [&](TCanvas& c, TMessage& m) {
    hooked->Native(m);
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(kWidth - kButton, 1, kWidth - 1, kHeight - 1));
  };
  const TPixelBuffer picture = f.Render("picker.png");
  const Pair p{picture};
  EXPECT_EQ(p.Hooked(kWidth - kButton / 2, kHeight / 2), clRed);
  EXPECT_NE(p.Plain(kWidth - kButton / 2, kHeight / 2), clRed);
  int differ = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth - kButton; ++x) differ += p.Hooked(x, y) != p.Plain(x, y);
  EXPECT_EQ(differ, 0) << "the native look with its fields";
}

// A flat combo as the grid's editors draw it: the native text field, then a
// button in its own colours and a two-colour frame.
constexpr TColor kBorder = 0x00B99D7F, kFace = 0x00F0D0A0, kFaceLine = 0x00806040, kArrow = clBlack;

void PaintFlat(HookedCombo& Combo, TCanvas& c, TMessage& m) {
  const int w = Combo.Width(), h = Combo.Height();
  const int save = c.SaveDC();
  c.IntersectClipRect(Rect(0, 0, w - kButton, h));
  Combo.Native(m);
  c.RestoreDC(save);
  const TRect button = Rect(w - kButton, 1, w - 1, h - 1);
  c.Brush()->SetColor(kFace);
  c.FillRect(button);
  c.Pen()->SetColor(kFaceLine);
  c.MoveTo(button.Left, button.Top);
  c.LineTo(button.Left, button.Bottom);
  c.Brush()->SetColor(kArrow);
  c.Pen()->SetColor(kArrow);
  const TPoint arrow[] = {Point(button.Left + 5, button.Top + 9), Point(button.Left + 13, button.Top + 9),
                          Point(button.Left + 9, button.Top + 13)};
  c.Polygon(arrow);
}

void FrameFlat(HookedCombo& Combo, TCanvas& c) {
  c.Brush()->SetColor(kBorder);
  c.FrameRect(Rect(0, 0, Combo.Width(), Combo.Height()));
  c.Brush()->SetColor(clWindow);
  c.FrameRect(Rect(1, 1, Combo.Width() - kButton, Combo.Height() - 1));
}

TEST(PaintHook, SnapshotOfAFlatComboOverTheNativeOne) {
  HookForm f;
  f.Hooked->OnPaintMessage = [&](TCanvas& c, TMessage& m) { PaintFlat(*f.Hooked, c, m); };
  f.Hooked->OnNcPaintMessage = [&](TCanvas& c, TMessage&) { FrameFlat(*f.Hooked, c); };
  const TPixelBuffer picture = f.Render("flat-combo.png");
  const Pair p{picture};
  EXPECT_EQ(p.Hooked(0, 0), kBorder);
  EXPECT_EQ(p.Hooked(kWidth - 1, kHeight - 1), kBorder);
  EXPECT_EQ(p.Hooked(1, kHeight / 2), ColorToRGB(clWindow));
  EXPECT_EQ(p.Hooked(kWidth - 3, 4), kFace);
  EXPECT_EQ(p.Hooked(kWidth - kButton, kHeight / 2), kFaceLine);
  EXPECT_EQ(p.Hooked(kWidth - kButton + 9, 11), kArrow);
  // The text of the selected item is the native one's, where it stands.
  int same = 0, text = 0;
  for (int y = 2; y < kHeight - 2; ++y)
    for (int x = 2; x < 60; ++x) {
      same += p.Hooked(x, y) == p.Plain(x, y);
      text += p.Plain(x, y) != p.Plain(3, 3);
    }
  EXPECT_GT(text, 10);
  EXPECT_EQ(same, (kHeight - 4) * 58);
}
}  // namespace
