#include "grid/base/ComboLook.h"

#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/FrameControls.h"

namespace {
void Frame(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush()->SetColor(Color);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.FrameRect(R);
}

void Fill(TCanvas& Canvas, const TRect& R, TColor Color) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  Canvas.Brush()->SetColor(Color);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.FillRect(R);
}

TRect Shrunk(TRect R, int By) { return Rect(R.Left + By, R.Top + By, R.Right - By, R.Bottom - By); }

// No border colours: a hot 3D frame, or the flat double frame in the
// parent's and the control's colours, and the flat bottom line.
void DrawPlainBorder(TCanvas& Canvas, const TComboLook& L, TRect R) {
  const bool hotFrame = L.FocusBorder && L.Hot;
  const TColor outer = L.Hot ? clBtnFace : L.ParentColor;
  if (hotFrame) {
    DrawBevel(Canvas, R, clBtnShadow, clBtnHighlight);
    R = Shrunk(R, 1);
    Frame(Canvas, R, outer);
    R = Shrunk(R, 1);
    Frame(Canvas, R, L.Color);
  } else {
    Frame(Canvas, R, outer);
    R = Shrunk(R, 1);
    R.Right -= L.ButtonWidth;
    Frame(Canvas, R, outer);
    R = Shrunk(R, 1);
    Frame(Canvas, R, L.Color);
    R.Right += L.ButtonWidth;
  }
  if (!L.Flat || L.FlatLineColor == clNone) return;
  Canvas.Pen()->SetColor(L.FlatLineColor);
  Canvas.Pen()->SetWidth(1);
  Canvas.MoveTo(R.Left - 2, L.Height - 1);
  Canvas.LineTo(R.Right - L.ButtonWidth - 1, L.Height - 1);
}

// The classic button's 3D edges covered in the face colour while not hot;
// the arrow's middle is left as it is.
void DrawButtonFrame(TCanvas& Canvas, const TComboLook& L) {
  if (L.Simple || (L.IsWinXP && L.StylesActive) || L.Hot) return;
  const TRect keep = Rect(L.ClientWidth - L.ButtonWidth + 4, 4, L.ClientWidth - 4, L.ClientHeight - 4);
  FillAround(Canvas, Rect(L.ClientWidth - L.ButtonWidth, 3, L.Width - 3, L.Height - 3), keep, clBtnFace);
}

int ThemedButtonState(const TComboLook& L) {
  if (!L.Enabled) return 4;
  if (L.MouseDown && L.DroppedDown) return 3;
  if (!L.MouseDown && L.ButtonHover && !L.DroppedDown) return 2;
  return 1;
}
}  // namespace

void DrawBorderRules(TCanvas& Canvas, const TComboLook& L) {
  const TRect r = Rect(0, 0, L.Width, L.Height);
  if (!L.Enabled && L.Themed && !L.DisabledBorder) return Frame(Canvas, r, DisabledThemedBorder);
  const bool focusColour = L.FocusBorderColor != clNone;
  if (L.BorderColor != clNone && !(L.HasFocus && focusColour)) return Frame(Canvas, r, L.BorderColor);
  if (focusColour) {
    if (L.HasFocus) Frame(Canvas, r, L.FocusBorderColor);
    return;
  }
  DrawPlainBorder(Canvas, L, r);
}

void FillAround(TCanvas& Canvas, const TRect& b, const TRect& keep, TColor Color) {
  Fill(Canvas, Rect(b.Left, b.Top, b.Right, keep.Top), Color);
  Fill(Canvas, Rect(b.Left, keep.Bottom, b.Right, b.Bottom), Color);
  Fill(Canvas, Rect(b.Left, keep.Top, keep.Left, keep.Bottom), Color);
  Fill(Canvas, Rect(keep.Right, keep.Top, b.Right, keep.Bottom), Color);
}

void DrawCustomDropButton(TCanvas& Canvas, const TComboLook& L, const TRect& R, int ArrowLeft) {
  const bool down = L.MouseDown && L.ButtonHover;
  const TColor face = down ? L.ButtonColorDown : L.ButtonHover ? L.ButtonColorHot : L.ButtonColor;
  Fill(Canvas, R, face);
  if (L.ButtonBorderColor != clNone) {
    Canvas.Pen()->SetColor(L.ButtonBorderColor);
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Left, R.Bottom);
  }
  const TColor arrow = L.MouseDown ? L.ButtonTextColorDown : L.ButtonTextColor;
  if (arrow == clNone) return;
  const int x = R.Left + ArrowLeft;
  const TPoint corners[] = {Point(x, R.Top + 7), Point(x + 6, R.Top + 7), Point(x + 3, R.Top + 10)};
  Canvas.Pen()->SetColor(arrow);
  Canvas.Brush()->SetColor(arrow);
  Canvas.Polygon(corners);
}

bool DrawThemedDropButton(TCanvas& Canvas, HWND Window, const TComboLook& L, const TRect& R) {
  return L.Themed && L.StylesActive && DrawThemedPart(Canvas, Window, u"combobox", 1, ThemedButtonState(L), R);
}

bool ComboBorderShown(const TComboLook& L) {
  const bool noColours = L.BorderColor == clNone && L.FocusBorderColor == clNone;
  if (L.Enabled && !L.Flat && noColours) return false;
  return !(L.IsVista && L.BorderColor == clNone);
}

void DrawComboBorder(TCanvas& Canvas, const TComboLook& Look) {
  if (!ComboBorderShown(Look)) return;
  DrawBorderRules(Canvas, Look);
  DrawButtonFrame(Canvas, Look);
}

void DrawComboDropButton(TCanvas& Canvas, HWND Window, const TComboLook& L) {
  if (L.Simple) return;
  // The native button's place, so that none of it shows beside ours.
  Fill(Canvas, Rect(L.ClientWidth - L.ButtonWidth - 4, 0, L.ClientWidth + 2, L.ClientHeight), L.Color);
  TRect r = Shrunk(Rect(L.ClientWidth - L.ButtonWidth + 2, 0, L.Width, L.Height), 1);
  if (L.ButtonColor != clNone) return DrawCustomDropButton(Canvas, L, Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1), 4);
  if (DrawThemedDropButton(Canvas, Window, L, r)) return;
  r = Rect(r.Left - 4, r.Top + 1, r.Right, r.Bottom - 1);
  DrawFrameControl(Canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (L.Enabled ? DFCS_FLAT : DFCS_INACTIVE));
}

void TakeButtonColors(TComboLook& Look, const TEditorButtonColors& Colors) {
  Look.ButtonColor = Colors.Color;
  Look.ButtonColorHot = Colors.ColorHot;
  Look.ButtonColorDown = Colors.ColorDown;
  Look.ButtonBorderColor = Colors.BorderColor;
  Look.ButtonTextColor = Colors.TextColor;
  Look.ButtonTextColorDown = Colors.TextColorDown;
}
