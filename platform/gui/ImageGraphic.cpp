#include "platform/gui/ImageGraphic.h"

namespace {
TFrames Single(TPixelBuffer b) {
  TFrames f;
  f.Frames.push_back(std::move(b));
  f.DelaysMs.push_back(0);
  return f;
}

TFrames Checked(const TBytes& data, TImageKind kind) {
  if (SniffImage(data) != kind) InvalidGraphic();
  return DecodeWithReader(data, kind);
}
}  // namespace

void TImageGraphic::SetFrames(TFrames Frames) {
  FFrames.clear();
  for (TPixelBuffer& b : Frames.Frames) {
    auto bmp = std::make_unique<TBitmap>();
    const bool alpha = b.BytesPerPixel == 4;
    bmp->SetPixels(std::move(b));
    if (alpha) bmp->SetAlphaFormat(afDefined);
    FFrames.push_back(std::move(bmp));
  }
  FDelays = std::move(Frames.DelaysMs);
  FFrameIndex = 0;
  Changed();
}

void TImageGraphic::Assign(const TPersistent& Source) {
  if (const auto* b = dynamic_cast<const TBitmap*>(&Source)) {
    Bitmap().Assign(*b);
    return;
  }
  const auto* g = dynamic_cast<const TImageGraphic*>(&Source);
  if (!g) return TGraphic::Assign(Source);
  if (g == this) return;
  FFrames.clear();
  for (const auto& f : g->FFrames) {
    FFrames.push_back(std::make_unique<TBitmap>());
    FFrames.back()->Assign(*f);
  }
  FDelays = g->FDelays;
  FFrameIndex = g->FFrameIndex;
  SetTransparent(g->Transparent());
  Changed();
}

int TImageGraphic::Width() const { return FFrames.empty() ? 0 : FFrames[FFrameIndex]->Width(); }

int TImageGraphic::Height() const { return FFrames.empty() ? 0 : FFrames[FFrameIndex]->Height(); }

void TImageGraphic::SetFrameIndex(int Value) {
  Frame(Value);
  FFrameIndex = Value;
  Changed();
}

const TBitmap& TImageGraphic::Frame(int Index) const {
  if (Index < 0 || Index >= FrameCount()) throw EInvalidGraphic(u"Frame index out of range");
  return *FFrames[static_cast<size_t>(Index)];
}

int TImageGraphic::FrameDelay(int Index) const {
  Frame(Index);
  return FDelays[static_cast<size_t>(Index)];
}

TBitmap& TImageGraphic::Bitmap() {
  if (FFrames.empty()) {
    FFrames.push_back(std::make_unique<TBitmap>());
    FDelays.push_back(0);
    FFrameIndex = 0;
  }
  return *FFrames[FFrameIndex];
}

void TImageGraphic::LoadFromBytes(const TBytes& Data) { SetFrames(Decode(Data)); }

TBytes TImageGraphic::SaveToBytes() const {
  if (Empty()) throw EInvalidGraphic(u"Could not save image");
  return Encode(FFrames[FFrameIndex]->Pixels());
}

void TImageGraphic::DrawOn(TCanvas& Canvas, const TRect& Rect) const {
  if (FFrames.empty()) return;
  TBitmap& frame = *FFrames[FFrameIndex];
  const bool keyed = Transparent() && frame.AlphaFormat() != afDefined;
  TPixelView v = frame.Pixels().View();
  v.UseAlpha = frame.AlphaFormat() == afDefined;
  v.TransparentColor = keyed ? frame.TransparentColor() : clNone;
  Canvas.DrawPixels(Rect, v);
}

TFrames TPngImage::Decode(const TBytes& Data) const { return Single(DecodePng(Data)); }

TFrames TJPEGImage::Decode(const TBytes& Data) const { return Single(DecodeJpeg(Data)); }

TFrames TGIFImage::Decode(const TBytes& Data) const { return Checked(Data, TImageKind::Gif); }

TBytes TGIFImage::Encode(const TPixelBuffer&) const { throw EInvalidGraphic(u"Could not save image"); }

void TGIFImage::Assign(const TPersistent& Source) {
  const auto* g = dynamic_cast<const TGIFImage*>(&Source);
  FSource = g && g != this ? g->FSource : g ? FSource : TBytes{};
  TImageGraphic::Assign(Source);
}

void TGIFImage::LoadFromBytes(const TBytes& Data) {
  TImageGraphic::LoadFromBytes(Data);
  FSource = Data;
}

TBytes TGIFImage::SaveToBytes() const { return FSource.empty() ? TImageGraphic::SaveToBytes() : FSource; }

TFrames TIcon::Decode(const TBytes& Data) const { return Checked(Data, TImageKind::Ico); }
