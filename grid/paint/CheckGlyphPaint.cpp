// The check boxes and radio buttons of cells, printed cells and the design
// panel, in the look's control style.
#include <algorithm>

#include "grid/base/CheckGlyphs.h"
#include "grid/base/ControlLook.h"
#include "grid/base/StyleProbes.h"
#include "grid/base/VisualStyleBinding.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/SystemVersion.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/Strings.h"

namespace {

bool StylesPaint() { return IsComCtlV6() && IsThemeActive(); }

TRect CentredSquare(const TRect& R, int Size) {
  const int l = R.Left + (R.Width() - Size) / 2, t = R.Top + (R.Height() - Size) / 2;
  return TRect{l, t, l + Size, t + Size};
}

TRect Square(int X, int Y, int Size) { return TRect{X, Y, X + Size, Y + Size}; }

// In its own size, leaving out the pixels of its automatic transparent colour.
void DrawTransparent(TCanvas& Canvas, const TBitmap& Bitmap, int X, int Y) {
  if (Bitmap.Empty()) return;
  TPixelView view = Bitmap.Pixels().View();
  view.TransparentColor = Bitmap.TransparentColor();
  Canvas.DrawPixels(TRect{X, Y, X + Bitmap.Width(), Y + Bitmap.Height()}, view);
}

const TBitmap& GlyphBitmap(const TCheckGlyph& Glyph, const TBitmap* LookOn, const TBitmap* LookOff) {
  if (Glyph.Kind == gkBitmap) return BuiltInBitmap(Glyph.BitmapName);
  return Glyph.On ? *LookOn : *LookOff;
}

// Where one radio button of a group goes: At its top-left, Top the top of
// its line (vertical groups), Size its square.
struct TRadioPlace {
  TRect R;
  bool Horizontal;
  int Top;
  TPoint At;
  int Size;
};

// Draws the button and answers where its text starts.
TPoint DrawRadioButton(TCanvas& C, TCheckGlyph Glyph, const TRadioPlace& P, const TControlLook& Look,
                       HWND Window) {
  const int lineTop = P.Horizontal ? P.At.Y : P.Top;
  switch (Glyph.Kind) {
    case gkBitmap:
    case gkGlyph:
      DrawTransparent(C, GlyphBitmap(Glyph, Look.RadioOnGlyph(), Look.RadioOffGlyph()), P.At.X, P.At.Y);
      return {P.Horizontal ? P.At.X + 16 : P.R.Left + 18, lineTop + 1};
    case gkShape:
      DrawBorlandRadio(C, P.At.X, P.At.Y, Glyph.On, Look.Color());
      return {P.Horizontal ? P.At.X + 16 : P.R.Left + 20, lineTop - 2};
    case gkThemed:
      if (DrawThemedPart(C, Window, u"button", BP_RADIOBUTTON, Glyph.ThemeState, Square(P.At.X, P.At.Y, 16))) {
        return {P.Horizontal ? P.At.X + 16 : P.R.Left + 20, lineTop - 2};
      }
      Glyph = RadioGlyph(csClassic, Glyph.On, Glyph.Enabled, false);
      break;
    case gkFrameControl:
      break;
  }
  DrawFrameControl(C, Square(P.At.X, P.At.Y, P.Size), DFC_BUTTON, Glyph.FrameState);
  return {P.At.X + P.Size + 4, P.At.Y};
}

// Keeps the font colour and brush style of a canvas while radio texts are drawn.
class TKeptTextTools {
 public:
  explicit TKeptTextTools(TCanvas& Canvas)
      : C(Canvas), FColor(Canvas.Font()->Color()), FStyle(Canvas.Brush()->Style()) {}
  ~TKeptTextTools() {
    C.Font()->SetColor(FColor);
    C.Brush()->SetStyle(FStyle);
  }
  TKeptTextTools(const TKeptTextTools&) = delete;
  TKeptTextTools& operator=(const TKeptTextTools&) = delete;

 private:
  TCanvas& C;
  TColor FColor;
  TBrushStyle FStyle;
};

}  // namespace

void TAdvStringGrid::DrawCellCheckBox(TCanvas& ACanvas, const TRect& R, bool Checked,
                                      TCheckBoxState State, bool UseState, TControlStyle Style,
                                      bool Grayed, bool Enabled) {
  if (UseState) {
    Checked = State == cbChecked;
    Grayed = State == cbGrayed;
  }
  const TControlLook& look = *ControlLook();
  Enabled = Enabled || look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive();
  TCheckGlyph glyph = CheckBoxGlyph(Style, Checked, Grayed, Enabled, StylesPaint());
  const bool rtl = DrawsMirrored(ACanvas);
  TMirrorLayout upright(ACanvas, 0);
  auto mirrored = [&](const TRect& Box) {
    return rtl ? TRect{ClientWidth() - Box.Right, Box.Top, ClientWidth() - Box.Left, Box.Bottom} : Box;
  };
  const TRect box = mirrored(R);
  const int size = look.CheckSize();
  switch (glyph.Kind) {
    case gkBitmap:
    case gkGlyph: {
      const TBitmap& b = GlyphBitmap(glyph, look.CheckedGlyph(), look.UnCheckedGlyph());
      DrawTransparent(ACanvas, b, rtl ? ClientWidth() - R.Left - b.Width() : R.Left, R.Top);
      return;
    }
    case gkShape:
      DrawBorlandCheckBox(ACanvas, box, Checked, Enabled, look.Color());
      return;
    case gkThemed: {
      const HWND window = HandleAllocated() ? Handle() : HWND{};
      if (DrawThemedPart(ACanvas, window, u"button", BP_CHECKBOX, glyph.ThemeState,
                         mirrored(Square(R.Left, R.Top, size)))) {
        return;
      }
      glyph = CheckBoxGlyph(csClassic, Checked, Grayed, Enabled, false);
      break;
    }
    case gkFrameControl:
      break;
  }
  DrawFrameControl(ACanvas, mirrored(CentredSquare(R, size)), DFC_BUTTON, glyph.FrameState);
}

void TAdvStringGrid::DrawRadioButtons(TCanvas& ACanvas, const TRect& R, bool Upward, double Scale,
                                      TControlStyle Style, int ARow, int ACol, bool Selected,
                                      const TStrings* Items, bool Disabled, bool Horizontal,
                                      int Index, int Count) {
  const TControlLook& look = *ControlLook();
  const bool enabled = !Disabled || look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive();
  const bool themed = StylesPaint();
  const HWND window = HandleAllocated() ? Handle() : HWND{};
  const int gh = ACanvas.TextHeight(u"gh");
  const int itemCount = Items ? Items->Count() : 0;
  const String cellText = itemCount > 0 && Index == -1 ? Cells(ACol, ARow) : String();
  TKeptTextTools kept(ACanvas);
  if (Selected && ShowSelection() && SelectionTextColor() != clNone) {
    ACanvas.Font()->SetColor(SelectionTextColor());
  }
  int x = R.Left + 2;  // where the next horizontal item starts
  for (int r = 1; r <= Count; ++r) {
    const String text = r <= itemCount ? Items->Strings(r - 1) : String();
    const bool on = r == Index + 1 || (Index == -1 && itemCount > 0 && text == cellText);
    TRadioPlace place{R, Horizontal, 0, {}, 16};
    const TCheckGlyph glyph = RadioGlyph(Style, on, enabled, themed);
    const bool frame = IsFrameStyle(glyph);
    if (frame) place.Size = static_cast<int>(Round((look.RadioSize() + (Style == csFlat ? 2 : 0)) * Scale));
    const int offset = 2 + (r - 1) * (frame ? gh : std::max(16, gh));
    place.Top = Upward ? R.Top - offset : R.Top + offset;
    place.At = Horizontal ? TPoint{x, R.Top + (R.Height() - place.Size) / 2} : TPoint{R.Left + 2, place.Top};
    if (frame && text.empty() && !Horizontal) place.At.X = R.Left + (R.Width() - place.Size) / 2;
    const TPoint textAt = DrawRadioButton(ACanvas, glyph, place, look, window);
    if (!text.empty()) {
      ACanvas.Brush()->SetStyle(bsClear);
      ACanvas.TextOut(textAt.X, textAt.Y, text);
    }
    if (Horizontal) x += (frame ? look.RadioSize() : 16) + ACanvas.TextWidth(text);
  }
}
