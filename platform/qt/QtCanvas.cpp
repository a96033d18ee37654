#include "platform/qt/QtCanvas.h"

#include <cstdlib>

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gui/PixelBuffer.h"
#include "platform/gui/Region.h"

namespace {

QColor ToQColor(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// The outline of a GDI shape runs through [Left, Right - 1] x [Top, Bottom - 1].
QRect OutlineRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1); }

QPolygon ToQPolygon(std::span<const TPoint> points) {
  QPolygon poly;
  for (const TPoint& p : points) poly << QPoint(p.X, p.Y);
  return poly;
}

QPainter::CompositionMode ModeOf(TPenMode mode) {
  switch (mode) {
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

// Dash patterns of one-pixel GDI pens, in pen widths.
QList<qreal> DashesOf(TPenStyle style) {
  switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style) {
  switch (style) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::BDiagPattern;
    case bsBDiagonal: return Qt::FDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
  }
}

QImage::Format FormatOf(const TPixelView& v) {
  if (v.BytesPerPixel == 3) return QImage::Format_BGR888;
  return v.UseAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

// The picture as an image the painter can draw, the transparent colour
// turned into transparent pixels.
QImage SourceImage(const TPixelView& v, bool mustCopy) {
  QImage img(v.Bits, v.Width, v.Height, v.Stride, FormatOf(v));
  if (v.TransparentColor == clNone) return mustCopy ? img.copy() : img;
  QImage keyed = img.convertToFormat(QImage::Format_ARGB32);
  const TColor key = ColorToRGB(v.TransparentColor);
  const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key));
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if ((row[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) row[x] = 0;
  }
  return keyed;
}

}  // namespace

TQtCanvas::TQtCanvas() = default;

TQtCanvas::TQtCanvas(QPainter& Painter) { SetPainter(&Painter); }

TQtCanvas::TQtCanvas(QImage* Image) : FImage(Image) {
  if (Image) Font()->SetPixelsPerInch(PixelsPerInch());
}

TQtCanvas::~TQtCanvas() { ReleaseImage(); }

void TQtCanvas::SetPainter(QPainter* Painter) {
  FPainter = Painter;
  FFontCache.reset();
  if (Painter) Font()->SetPixelsPerInch(PixelsPerInch());
}

void TQtCanvas::ReleaseImage() {
  if (FOwnPainter && FOwnPainter->isActive()) FOwnPainter->end();
  FOwnPainter.reset();
  FFontCache.reset();
}

QPainter* TQtCanvas::Begin() {
  QPainter* p = FPainter;
  if (!p) {
    if (!FOwnPainter) {
      QImage* img = TargetImage();
      if (!img || img->isNull()) return nullptr;
      FOwnPainter = std::make_unique<QPainter>(img);
    }
    p = FOwnPainter.get();
  }
  if (!p->isActive()) return nullptr;
  ApplyCommon(*p);
  return p;
}

QPaintDevice* TQtCanvas::Device() const {
  if (FPainter) return FPainter->device();
  if (FOwnPainter) return FOwnPainter->device();
  return const_cast<TQtCanvas*>(this)->TargetImage();
}

int TQtCanvas::PixelsPerInch() const {
  QPaintDevice* d = Device();
  return d && d->logicalDpiY() > 0 ? d->logicalDpiY() : DefaultPixelsPerInch;
}

TSize TQtCanvas::Extent() const {
  QPaintDevice* d = Device();
  if (auto* img = dynamic_cast<QImage*>(d)) {
    const QSizeF size = img->deviceIndependentSize();
    return TSize{qRound(size.width()), qRound(size.height())};
  }
  return d ? TSize{d->width(), d->height()} : TSize{};
}

void TQtCanvas::ApplyCommon(QPainter& P) {
  P.setRenderHint(QPainter::Antialiasing, Smooth());
  P.setBackgroundMode(Qt::TransparentMode);
  P.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (const TClipRects* clip = CurrentClip()) {
    QRegion region;
    for (const TRect& r : clip->Rects()) region += ToQRect(r);
    P.setClipRegion(region);
  } else {
    P.setClipping(false);
  }
  if (const TRegion* region = CurrentClipRegion()) {
    QRegion q;
    for (const TRect& r : region->Rects()) q += ToQRect(r);
    P.setClipRegion(q, Qt::IntersectClip);
  }
}

void TQtCanvas::ApplyPen(QPainter& P, bool WithPen) {
  const TPen& pen = DevicePen();
  if (!WithPen || pen.Style() == psClear || pen.Mode() == pmNop) {
    P.setPen(Qt::NoPen);
    return;
  }
  QColor c = ToQColor(pen.Color());
  if (pen.Mode() == pmBlack) c = Qt::black;
  if (pen.Mode() == pmWhite) c = Qt::white;
  QPen q(c, std::max(1, pen.Width()));
  q.setCapStyle(Qt::FlatCap);
  q.setJoinStyle(Qt::MiterJoin);
  if (QList<qreal> dashes = DashesOf(pen.Style()); !dashes.isEmpty()) q.setDashPattern(dashes);
  P.setPen(q);
  P.setCompositionMode(ModeOf(pen.Mode()));
}

void TQtCanvas::ApplyBrush(QPainter& P, bool WithBrush) {
  TBrush& brush = *Brush();
  if (!WithBrush || brush.Style() == bsClear) {
    P.setBrush(Qt::NoBrush);
    return;
  }
  P.setBrush(QBrush(ToQColor(brush.Color()), QtBrushStyle(brush.Style())));
}

namespace {
// The pixels of a one-pixel line from a to b without b (Bresenham), with
// the pen's dash pattern counted along the line.
QPolygon LinePixels(TPoint a, TPoint b, TPenStyle style) {
  const QList<qreal> dashes = DashesOf(style);
  qreal period = 0;
  for (qreal d : dashes) period += d;
  auto visible = [&](int i) {
    if (dashes.isEmpty()) return true;
    qreal at = i - period * static_cast<int>(i / period);
    for (int k = 0; k < dashes.size(); ++k) {
      if (at < dashes[k]) return k % 2 == 0;
      at -= dashes[k];
    }
    return true;
  };
  QPolygon out;
  const int dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
  const int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
  int err = dx + dy, x = a.X, y = a.Y;
  for (int i = 0; x != b.X || y != b.Y; ++i) {
    if (visible(i)) out << QPoint(x, y);
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x += sx;
    if (e2 <= dx) err += dx, y += sy;
  }
  return out;
}
}  // namespace

// One-pixel lines are set pixel by pixel, so that the end point is left
// out in every direction and raster modes touch each pixel once.
void TQtCanvas::DoLine(TPoint From, TPoint To) {
  if (From == To) return;
  QPainter* p = Begin();
  if (!p) return;
  ApplyPen(*p, true);
  if (DevicePen().Width() > 1 || Smooth()) {
    p->drawLine(From.X, From.Y, To.X, To.Y);
    return;
  }
  const bool straight = From.X == To.X || From.Y == To.Y;
  if (straight && DevicePen().Style() == psSolid && DevicePen().Mode() == pmCopy) {
    // A solid level or upright line is a one-pixel fill, its end left out.
    const int left = std::min(From.X, To.X + (To.X < From.X ? 1 : 0));
    const int top = std::min(From.Y, To.Y + (To.Y < From.Y ? 1 : 0));
    const int w = From.Y == To.Y ? std::abs(To.X - From.X) : 1;
    const int h = From.X == To.X ? std::abs(To.Y - From.Y) : 1;
    p->fillRect(QRect(left, top, w, h), p->pen().color());
    return;
  }
  QPen pen = p->pen();
  pen.setStyle(pen.style() == Qt::NoPen ? Qt::NoPen : Qt::SolidLine);
  p->setPen(pen);
  p->drawPoints(LinePixels(From, To, DevicePen().Style()));
}

void TQtCanvas::DoPolyline(std::span<const TPoint> Points) {
  for (size_t i = 1; i < Points.size(); ++i) DoLine(Points[i - 1], Points[i]);
}

void TQtCanvas::DoPolygon(std::span<const TPoint> Points) {
  if (QPainter* p = Begin()) {
    ApplyPen(*p, true);
    ApplyBrush(*p, true);
    p->drawPolygon(ToQPolygon(Points), Qt::OddEvenFill);
  }
}

// Without a pen GDI fills one pixel less to the right and bottom.
void TQtCanvas::DoRectangle(const TRect& Rect) {
  QPainter* p = Begin();
  if (!p) return;
  const bool noPen = DevicePen().Style() == psClear || DevicePen().Mode() == pmNop;
  if (noPen) {
    if (Brush()->Style() != bsClear)
      p->fillRect(OutlineRect(Rect), QBrush(ToQColor(Brush()->Color()), QtBrushStyle(Brush()->Style())));
    return;
  }
  const TBrushStyle brush = Brush()->Style();
  const TPen& devPen = DevicePen();
  if (devPen.Style() == psSolid && devPen.Width() <= 1 && devPen.Mode() == pmCopy && !Smooth() &&
      (brush == bsSolid || brush == bsClear) && Rect.Width() > 0 && Rect.Height() > 0) {
    // A one-pixel outline and a solid inside are plain fills, far cheaper
    // than stroking the outline.
    const QRect r = ToQRect(Rect);
    p->setCompositionMode(ModeOf(pmCopy));
    if (brush == bsSolid) p->fillRect(r.adjusted(1, 1, -1, -1), ToQColor(Brush()->Color()));
    const QColor pen = ToQColor(DevicePen().Color());
    p->fillRect(QRect(r.left(), r.top(), r.width(), 1), pen);
    p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), pen);
    p->fillRect(QRect(r.left(), r.top(), 1, r.height()), pen);
    p->fillRect(QRect(r.right(), r.top(), 1, r.height()), pen);
    return;
  }
  ApplyPen(*p, true);
  ApplyBrush(*p, true);
  p->drawRect(OutlineRect(Rect));
}

void TQtCanvas::DoRoundRect(const TRect& Rect, int CornerW, int CornerH) {
  if (QPainter* p = Begin()) {
    ApplyPen(*p, true);
    ApplyBrush(*p, true);
    p->drawRoundedRect(OutlineRect(Rect), CornerW / 2.0, CornerH / 2.0);
  }
}

void TQtCanvas::DoEllipse(const TRect& Rect) {
  if (QPainter* p = Begin()) {
    ApplyPen(*p, true);
    ApplyBrush(*p, true);
    p->drawEllipse(OutlineRect(Rect));
  }
}

void TQtCanvas::DoFillRect(const TRect& Rect) {
  if (Brush()->Style() == bsClear) return;
  if (QPainter* p = Begin())
    p->fillRect(ToQRect(Rect), QBrush(ToQColor(Brush()->Color()), QtBrushStyle(Brush()->Style())));
}

void TQtCanvas::DoFrameRect(const TRect& Rect) {
  QPainter* p = Begin();
  if (!p) return;
  const QColor c = ToQColor(Brush()->Color());
  const TRect& r = Rect;
  p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

// Inverts every other pixel of the border, so a second call restores it.
void TQtCanvas::DoFocusRect(const TRect& Rect) {
  QPainter* p = Begin();
  if (!p) return;
  QPolygon points;
  const TRect& r = Rect;
  auto add = [&](int x, int y) {
    if ((x + y) % 2 == 0) points << QPoint(x, y);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    add(x, r.Top);
    if (r.Bottom - 1 > r.Top) add(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    add(r.Left, y);
    if (r.Right - 1 > r.Left) add(r.Right - 1, y);
  }
  QPen pen(Qt::white, 1);
  p->setPen(pen);
  p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p->drawPoints(points);
}

// An image with a device pixel ratio (a window's back buffer) holds each
// canvas pixel as a block; the block's top-left pixel stands for it.
TColor TQtCanvas::DoGetPixel(int X, int Y) {
  auto* img = dynamic_cast<QImage*>(Device());
  if (!img) return CLR_INVALID;
  const qreal ratio = img->devicePixelRatio();
  const QRgb c = img->pixel(qRound(X * ratio), qRound(Y * ratio));
  return RGB(qRed(c), qGreen(c), qBlue(c));
}

void TQtCanvas::DoSetPixel(int X, int Y, TColor Color) {
  auto* img = dynamic_cast<QImage*>(Device());
  if (img && img->devicePixelRatio() == 1.0) {
    img->setPixel(X, Y, qRgb(GetRValue(Color), GetGValue(Color), GetBValue(Color)));
    return;
  }
  if (QPainter* p = Begin()) {
    p->setPen(QPen(ToQColor(Color), 1));
    p->drawPoint(X, Y);
  }
}

struct TQtCanvas::TFontCache {
  String Name;
  int Height;
  TFontStyles Style;
  TFontPitch Pitch;
  const QPaintDevice* Device;
  QFont Font;
  QFontMetrics Metrics;

  bool Matches(const TFont& F, const QPaintDevice* D) const {
    return Height == F.Height() && Style == F.Style() && Pitch == F.Pitch() && Device == D && Name == F.Name();
  }
};

const TQtCanvas::TFontCache& TQtCanvas::CurrentFont() {
  const TFont& f = DeviceFont();
  QPaintDevice* d = Device();
  if (!FFontCache || !FFontCache->Matches(f, d)) {
    QFont font = ToQFont(f);
    QFontMetrics metrics = d ? QFontMetrics(font, d) : QFontMetrics(font);
    FFontCache = std::make_unique<TFontCache>(TFontCache{f.Name(), f.Height(), f.Style(), f.Pitch(), d, font, metrics});
  }
  return *FFontCache;
}

QFont ToQFont(const TFont& f) {
  QFont q(QString::fromStdU16String(f.Name()));
  // A negative height is the character height, a positive one the cell
  // height, of which the characters take about 85 percent.
  const int h = f.Height();
  q.setPixelSize(std::max(1, h < 0 ? -h : MulDiv(h, 85, 100)));
  q.setBold(f.Style().Contains(fsBold));
  q.setItalic(f.Style().Contains(fsItalic));
  q.setUnderline(f.Style().Contains(fsUnderline));
  q.setStrikeOut(f.Style().Contains(fsStrikeOut));
  if (f.Pitch() == fpFixed) q.setStyleHint(QFont::TypeWriter);
  return q;
}

int TQtCanvas::DoTextWidth(const String& Text) {
  return CurrentFont().Metrics.horizontalAdvance(QString::fromStdU16String(Text));
}

int TQtCanvas::DoLineHeight() { return CurrentFont().Metrics.height(); }

void TQtCanvas::DoTextOut(int X, int Y, const String& Text, int UnderlineAt, bool RightToLeft) {
  QPainter* p = Begin();
  if (!p) return;
  const TFontCache& cached = CurrentFont();
  p->setFont(cached.Font);
  const QFontMetrics& fm = cached.Metrics;
  const QString s = QString::fromStdU16String(Text);
  p->save();
  p->translate(X, Y);
  p->rotate(-DeviceFont().Orientation() / 10.0);
  // Measuring costs a second text layout: only the filled box needs it.
  if (Brush()->Style() != bsClear)
    p->fillRect(QRect(0, 0, fm.horizontalAdvance(s), fm.height()), ToQColor(Brush()->Color()));
  const QColor color = ToQColor(DeviceFont().Color());
  p->setPen(color);
  p->setLayoutDirection(RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  p->drawText(QPointF(0, fm.ascent()), s);
  if (UnderlineAt >= 0 && UnderlineAt < s.size()) {
    const int x0 = fm.horizontalAdvance(s.left(UnderlineAt));
    const int cw = fm.horizontalAdvance(s.mid(UnderlineAt, 1));
    p->fillRect(QRect(x0, fm.ascent() + fm.underlinePos(), cw, std::max(1, fm.lineWidth())), color);
  }
  p->restore();
}

void TQtCanvas::DoDrawPixels(const TRect& Dest, const TPixelView& Image) {
  QPainter* p = Begin();
  if (!p) return;
  // Drawing a bitmap onto itself reads what it writes: draw from a copy.
  const QImage* target = dynamic_cast<QImage*>(Device());
  const bool same = target && target->constBits() == Image.Bits;
  p->drawImage(ToQRect(Dest), SourceImage(Image, same));
}

bool TQtCanvas::DoReadPixels(const TRect& Rect, TPixelBuffer& Out) {
  auto* img = dynamic_cast<QImage*>(Device());
  if (!img) return false;
  const qreal ratio = img->devicePixelRatio();
  const QRect area(qRound(Rect.Left * ratio), qRound(Rect.Top * ratio), qRound(Rect.Width() * ratio),
                   qRound(Rect.Height() * ratio));
  QImage part = img->copy(area).convertToFormat(QImage::Format_ARGB32);
  if (part.size() != QSize(Rect.Width(), Rect.Height())) part = part.scaled(Rect.Width(), Rect.Height());
  Out.Resize(Rect.Width(), Rect.Height(), 4);
  for (int y = 0; y < Out.Height; ++y) std::memcpy(Out.Row(y), part.constScanLine(y), static_cast<size_t>(Out.Width) * 4);
  return true;
}

std::unique_ptr<TQtCanvas> MakeQtCanvas(QPainter& Painter) { return std::make_unique<TQtCanvas>(Painter); }
