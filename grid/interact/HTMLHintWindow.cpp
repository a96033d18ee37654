#include "grid/interact/HTMLHintWindow.h"

#include <algorithm>

#include "grid/base/HTMLRender.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Forms.h"
#include "platform/gui/FrameControls.h"

namespace {
constexpr int MeasureWidth = 1008;  // the widest a shown hint gets
constexpr int MarginX = 16, MarginY = 4;
constexpr int TextInset = 4;   // the text's distance from the left and right edges
constexpr int ScreenGap = 2;   // kept between the hint and the screen's right and bottom edges
}  // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

TPoint THTMLHintWindow::MeasureText(const String& AHint, int MaxWidth) {
  THTMLRenderInputs in;
  in.CheckHeight = true;
  in.Images = FImages;
  in.PictureContainer = FPictureContainer;
  THTMLRenderResults out;
  TCanvas& c = MeasureCanvas();
  RenderMiniHTML(c, AHint, Rect(0, 0, std::max(1, MaxWidth), 0), in, out);
  return Point(out.XSize, out.YSize);
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const String& AHint, TObject*) {
  const TPoint size = MeasureText(AHint, MaxWidth);
  return Rect(0, 0, size.X, size.Y);
}

void THTMLHintWindow::ActivateHint(TRect Rect, const String& AHint) {
  SetCaption(AHint);
  const TPoint size = MeasureText(AHint, MeasureWidth);
  FTextHeight = size.Y;
  const int w = size.X + MarginX, h = size.Y + MarginY;
  int left = Rect.Left, top = Rect.Top;
  if (left + w > Screen->Width()) left = Screen->Width() - w - ScreenGap;
  if (top + h > Screen->Height()) top = Screen->Height() - h - ScreenGap;
  SetBounds(left, top, w, h);
  Show();
  Invalidate();
}

void THTMLHintWindow::ActivateHintData(TRect Rect, const String& AHint, TObject* AData) {
  if (auto* grid = dynamic_cast<TAdvStringGrid*>(AData)) {
    FImages = grid->GridImages();
    FPictureContainer = grid->Container();
    FURLColor = grid->URLColor();
  }
  ActivateHint(Rect, AHint);
}

void THTMLHintWindow::Paint() {
  TCanvas& c = *Canvas();
  const TRect r = ClientRect();
  c.Brush()->SetColor(Color());
  c.Brush()->SetStyle(bsSolid);
  c.FillRect(r);
  DrawBevel(c, r, cl3DLight, cl3DDkShadow);
  c.SetFont(*Font());
  const int top = r.Top + (r.Height() - FTextHeight) / 2;
  THTMLRenderInputs in;
  in.Images = FImages;
  in.PictureContainer = FPictureContainer;
  in.URLColor = FURLColor;
  THTMLRenderResults out;
  RenderMiniHTML(c, Caption(), Rect(r.Left + TextInset, top, r.Right - TextInset, r.Bottom), in, out);
}
