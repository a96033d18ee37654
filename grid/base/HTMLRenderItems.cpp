// Pictures and in-text controls on a mini-HTML line.
#include <algorithm>
#include <cmath>

#include "grid/base/HTMLControls.h"
#include "grid/base/HTMLLayout.h"
#include "grid/base/PictureContainer.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/ImageList.h"

namespace {

int Bounded(std::int64_t Value) { return static_cast<int>(std::clamp<std::int64_t>(Value, 0, MaxHTMLPictureSize)); }

int ScaledBy(int Value, int Ppi) { return Bounded(static_cast<std::int64_t>(Value) * Ppi / 96); }

// A picture's size from WIDTH and HEIGHT (0: not given) and its own size.
TSize PictureSize(int W, int H, int OwnW, int OwnH) {
  if (W > 0 && H > 0) return {W, H};
  if (W > 0) return {W, OwnW > 0 ? Bounded(std::llround(static_cast<double>(OwnH) * W / OwnW)) : 0};
  if (H > 0) return {OwnH > 0 ? Bounded(std::llround(static_cast<double>(OwnW) * H / OwnH)) : 0, H};
  return {OwnW, OwnH};
}

int SizeAttribute(const THTMLTag& Tag, StringView Name) {
  if (!HasHTMLAttribute(Tag, Name)) return 0;
  return Bounded(StrToIntPartial(HTMLAttribute(Tag, Name)));
}

struct TPicture {
  THTMLPictureKind Kind = THTMLPictureKind::None;
  THTMLPicture* Picture = nullptr;
  int Index = 0;
  bool Folder = false;
  int W = 0, H = 0;
  bool Stretch = false;
};

bool IsInteger(const String& S) {
  int v = 0;
  return TryStrToInt(S, v);
}

}  // namespace

void DrawShellPicture(TCanvas& Canvas, int X, int Y, int Size, bool Folder) {
  const int u = Size / 16;
  Canvas.Pen()->SetColor(clBlack);
  Canvas.Pen()->SetWidth(1);
  Canvas.Brush()->SetColor(Folder ? TColor(0x4CC8F0) : clWhite);
  if (Folder) {
    const TPoint points[] = {{X + u, Y + 3 * u},     {X + 6 * u, Y + 3 * u},  {X + 7 * u, Y + 4 * u},
                             {X + 15 * u, Y + 4 * u}, {X + 15 * u, Y + 14 * u}, {X + u, Y + 14 * u}};
    Canvas.Polygon(points);
  } else {
    const TPoint points[] = {{X + 3 * u, Y + u},      {X + 10 * u, Y + u},      {X + 13 * u, Y + 4 * u},
                             {X + 13 * u, Y + 15 * u}, {X + 3 * u, Y + 15 * u}};
    Canvas.Polygon(points);
  }
}

THTMLPicture* THTMLLayout::FindPicture(const THTMLPictureSource& Source) {
  if (Source.Kind == THTMLPictureKind::Container)
    return In.PictureContainer ? In.PictureContainer->FindPicture(Source.Name) : nullptr;
  if (Source.Kind != THTMLPictureKind::Cache || !In.PictureCache) return nullptr;
  THTMLPicture* picture = In.PictureCache->FindPicture(Source.Name);
  if (!picture) {
    picture = In.PictureCache->AddPicture();
    picture->SetAsynch(false);
    picture->LoadFromURL(Source.Name);
  }
  return picture;
}

// Tiles from Area's top-left corner: one row of tiles is built by doubling
// in a bitmap, then drawn once per row.
void TileBackground(TCanvas& Canvas, const TRect& Area, const THTMLPicture& Picture) {
  const int w = std::min(Picture.GetWidth(), MaxHTMLPictureSize), h = std::min(Picture.GetHeight(), MaxHTMLPictureSize);
  if (w <= 0 || h <= 0 || Area.IsEmpty()) return;
  TBitmap row(w, h);
  Picture.Draw(*row.Canvas(), TRect{0, 0, w, h});
  for (int filled = w; filled < Area.Width();) {
    const int wider = std::min(2 * filled, Area.Width() + w);
    TBitmap next(wider, h);
    next.Canvas()->Draw(0, 0, row);
    next.Canvas()->Draw(filled, 0, row);
    row.Assign(next);
    filled = wider;
  }
  const int saved = Canvas.SaveDC();
  Canvas.IntersectClipRect(Area);
  for (int y = Area.Top; y < Area.Bottom; y += h) Canvas.Draw(Area.Left, y, row);
  Canvas.RestoreDC(saved);
}

bool THTMLLayout::FitsItem(int W, const TPass& Pass, THTMLLine& Line) {
  if (Pass.Measure && Line.HasContent && Line.Width + W > FRect.Width() && W < FRect.Width()) {
    Line.Full = true;
    return false;
  }
  return true;
}

void THTMLLayout::AdvanceItem(int W, TPass& Pass, THTMLLine& Line) {
  Line.Width += W;
  Pass.X += W;
  Line.HasContent = true;
  Line.EndsInBlank = false;
  Line.TrailingBlank = 0;
}

bool THTMLLayout::ProcessPicture(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line) {
  const bool hoveredHere = FHoverPicture == FState.Images + 1 && FState.InAnchor;
  String src = HTMLAttribute(Tag, u"SRC");
  if (hoveredHere && HasHTMLAttribute(Tag, u"ALT")) src = HTMLAttribute(Tag, u"ALT");
  const THTMLPictureSource source = HTMLPictureSource(src);
  const int ppi = FCanvas.PixelsPerInch();
  TPicture p;
  switch (source.Kind) {
    case THTMLPictureKind::ImageList:
      if (In.Images && source.Index >= 0 && source.Index < In.Images->Count()) {
        p.Kind = source.Kind;
        p.Index = source.Index;
        const double f = In.Print ? In.ResFactor : 1.0;
        p.W = Bounded(std::llround(ScaledBy(In.Images->Width(), ppi) * f));
        p.H = Bounded(std::llround(ScaledBy(In.Images->Height(), ppi) * f));
      }
      break;
    case THTMLPictureKind::SmallSystemIcon:
    case THTMLPictureKind::LargeSystemIcon:
      if (!IsInteger(source.Name)) {
        p.Kind = source.Kind;
        p.Folder = IsDirectoryPath(source.Name);
        const int size = source.Kind == THTMLPictureKind::SmallSystemIcon ? 16 : 32;
        p.W = p.H = In.Print ? Bounded(std::llround(size * In.ResFactor)) : size;
      }
      break;
    case THTMLPictureKind::Container:
    case THTMLPictureKind::Cache: p.Picture = FindPicture(source); break;
    case THTMLPictureKind::None: break;
  }
  if (p.Picture && !p.Picture->IsEmpty()) {
    p.Kind = THTMLPictureKind::Container;
    const int w = SizeAttribute(Tag, u"WIDTH"), h = SizeAttribute(Tag, u"HEIGHT");
    p.Stretch = w > 0 || h > 0;
    const TSize size = p.Stretch ? PictureSize(w, h, Bounded(p.Picture->GetWidth()), Bounded(p.Picture->GetHeight()))
                                 : TSize{Bounded(p.Picture->MaxWidth()), Bounded(p.Picture->MaxHeight())};
    p.W = ScaledBy(size.cx, ppi);
    p.H = ScaledBy(size.cy, ppi);
  }
  if (p.Kind == THTMLPictureKind::None) {
    ++FState.Images;
    return true;
  }
  if (!FitsItem(p.W, Pass, Line)) return false;
  ++FState.Images;
  const int before = Line.Width;
  const int rel = In.XPos - Pass.Line.Left;
  if (FState.InAnchor && rel > before && rel < before + p.W && In.YPos > Pass.Line.Top &&
      In.YPos < Pass.Line.Top + p.H) {
    Out.AnchorVal = FState.Ref;
    Out.AnchorTitle = FState.Title;
    FHoverPicture = FState.Images;
    Line.ItemHit = true;
  }
  if (Pass.Paint) {
    const int y = TextBottom(Pass) - p.H;
    if (p.Kind == THTMLPictureKind::ImageList && In.Print) {
      TBitmap image(In.Images->Width(), In.Images->Height());
      In.Images->Draw(*image.Canvas(), 0, 0, p.Index);
      FCanvas.StretchDraw(TRect{Pass.X, y, Pass.X + p.W, y + p.H}, image);
    } else if (p.Kind == THTMLPictureKind::ImageList) {
      In.Images->Draw(FCanvas, Pass.X, y, p.Index);
    } else if (p.Kind != THTMLPictureKind::Container) {
      DrawShellPicture(FCanvas, Pass.X, y, p.W, p.Folder);
    } else if (p.Stretch) {
      const bool stretched = p.Picture->Stretch();
      p.Picture->SetStretch(true);
      const int saved = FCanvas.SaveDC();
      FCanvas.IntersectClipRect(FRect);
      p.Picture->Draw(FCanvas, TRect{Pass.X, y, Pass.X + p.W, y + p.H});
      FCanvas.RestoreDC(saved);
      p.Picture->SetStretch(stretched);
    } else {
      if (p.Picture->FrameCount() > 1) {
        FCanvas.Pen()->SetColor(FBackground);
        const TColor brush = SavedBrush(FCanvas);
        FCanvas.Brush()->SetColor(FBackground);
        FCanvas.Rectangle(Pass.X, y, Pass.X + p.W, y + p.H);
        RestoreBrush(FCanvas, brush);
      }
      const int fx = Pass.X + p.Picture->FrameXPos(), fy = y + p.Picture->FrameYPos();
      p.Picture->Draw(FCanvas, TRect{fx, fy, fx + p.W, fy + p.H});
    }
  }
  AdvanceItem(p.W, Pass, Line);
  Line.Height = std::max(Line.Height, p.H);
  const THTMLImageAlign align = HTMLImageAlign(Tag);
  if (align == THTMLImageAlign::Top) Line.Raise = Line.Height - GHHeight();
  if (align == THTMLImageAlign::Middle) Line.Raise = (Line.Height - GHHeight()) / 2;
  return true;
}
