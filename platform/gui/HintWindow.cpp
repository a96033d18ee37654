#include "platform/gui/HintWindow.h"

#include <algorithm>

#include "platform/gui/Canvas.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Views.h"

THintWindowClass HintWindowClass = &CreateHintWindowOf<THintWindow>;

namespace {
constexpr unsigned TextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
// The frame, and the room around the text inside it.
constexpr int PadX = 4, PadY = 2;
}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  TControl::SetVisible(false);
  SetView(platform::CreatePopupView(*this));
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

TCanvas& THintWindow::MeasureCanvas() {
  TCanvas& c = *FMeasure.Canvas();
  c.SetFont(*Font());
  return c;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, TObject*) {
  TRect r = Rect(0, 0, std::max(1, MaxWidth), 0);
  MeasureCanvas().DrawText(AHint, r, TextFormat | DT_CALCRECT);
  return Rect(0, 0, r.Width() + 2 * PadX, r.Height() + 2 * PadY);
}

void THintWindow::ActivateHint(TRect Rect, const String& AHint) {
  const int w = Rect.Width(), h = Rect.Height();
  const int left = std::max(0, std::min(Rect.Left, Screen->Width() - w));
  const int top = std::max(0, std::min(Rect.Top, Screen->Height() - h));
  SetCaption(AHint);
  SetBounds(left, top, w, h);
  Show();
  Invalidate();
}

void THintWindow::ActivateHintData(TRect Rect, const String& AHint, TObject*) { ActivateHint(Rect, AHint); }

void THintWindow::ReleaseHandle() { Hide(); }

void THintWindow::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetColor(clInfoText);
  c.FrameRect(ClientRect());
  TRect r = Rect(PadX, PadY, Width() - PadX, Height() - PadY);
  c.Brush()->SetStyle(bsClear);
  c.DrawText(Caption(), r, TextFormat);
}
