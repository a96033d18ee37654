#include "platform/gui/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/gui/BitmapCanvas.h"
#include "platform/gui/Resources.h"
#include "platform/gui/codecs/Codecs.h"

namespace {
void FillWhite(TPixelBuffer& b) {
  std::fill(b.Bits.begin(), b.Bits.end(), std::uint8_t{255});
}
}  // namespace

TBitmap::TBitmap() { FPixels.Resize(0, 0, BytesPerPixel()); }

TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap() { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() { ReleaseCanvas(); }

void TBitmap::ReleaseCanvas() {
  if (FCanvas) ReleaseBufferCanvas(*FCanvas);
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) FCanvas = MakeBufferCanvas(FPixels);
  return FCanvas.get();
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  if (AWidth == Width() && AHeight == Height()) return;
  ReleaseCanvas();
  TPixelBuffer next;
  next.Resize(AWidth, AHeight, BytesPerPixel());
  FillWhite(next);
  const size_t rowBytes = static_cast<size_t>(std::min(AWidth, Width())) * BytesPerPixel();
  for (int y = 0; y < std::min(AHeight, Height()); ++y)
    if (rowBytes) std::memcpy(next.Row(y), FPixels.Row(y), rowBytes);
  FPixels = std::move(next);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value < pf24bit && Value != pfDevice) Value = pf24bit;
  if (Value == pfCustom) Value = pf32bit;
  if (Value == FPixelFormat) return;
  ReleaseCanvas();
  FPixelFormat = Value;
  FPixels = FPixels.Converted(BytesPerPixel());
  Changed();
}

std::uint8_t* TBitmap::ScanLine(int Row) {
  return const_cast<std::uint8_t*>(static_cast<const TBitmap&>(*this).ScanLine(Row));
}

const std::uint8_t* TBitmap::ScanLine(int Row) const {
  if (Row < 0 || Row >= Height()) throw EInvalidGraphic(u"Scan line index out of range");
  return FPixels.Row(Row);
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (Empty()) return clNone;
  return FPixels.Pixel(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor Value) {
  FTransparentColor = Value;
  FTransparentMode = tmFixed;
  Changed();
}

void TBitmap::SetPixels(TPixelBuffer Buffer) {
  ReleaseCanvas();
  if (Buffer.BytesPerPixel == 3) {
    FPixelFormat = pf24bit;
  } else if (FPixelFormat == pf24bit) {
    FPixelFormat = pf32bit;
  }
  FPixels = std::move(Buffer);
  Changed();
}

void TBitmap::Assign(const TPersistent& Source) {
  const auto* b = dynamic_cast<const TBitmap*>(&Source);
  if (!b) return TGraphic::Assign(Source);
  if (b == this) return;
  ReleaseCanvas();
  FPixels = b->FPixels;
  FPixelFormat = b->FPixelFormat;
  FAlphaFormat = b->FAlphaFormat;
  FTransparentMode = b->FTransparentMode;
  FTransparentColor = b->FTransparentColor;
  SetTransparent(b->Transparent());
  Changed();
}

void TBitmap::LoadFromBytes(const TBytes& Data) {
  if (SniffImage(Data) != TImageKind::Bmp) InvalidGraphic();
  TFrames f = DecodeWithReader(Data, TImageKind::Bmp);
  SetPixels(std::move(f.Frames.front()));
}

void TBitmap::LoadFromResourceName(const String& Name) {
  const std::string_view bytes = platform::FindResource(Name);
  if (bytes.empty()) throw EResNotFound(u"Resource " + Name + u" not found");
  LoadFromBytes(TBytes(bytes.begin(), bytes.end()));
}

TBytes TBitmap::SaveToBytes() const { return EncodeWithWriter(FPixels, TImageKind::Bmp); }

void TBitmap::DrawOn(TCanvas& Canvas, const TRect& Rect) const {
  TPixelView v = FPixels.View();
  v.UseAlpha = BytesPerPixel() == 4 && FAlphaFormat == afDefined;
  v.TransparentColor = Transparent() ? TransparentColor() : clNone;
  Canvas.DrawPixels(Rect, v);
}
