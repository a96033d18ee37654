#include "platform/gui/Picture.h"

#include "platform/gui/ImageGraphic.h"
#include "platform/gui/KeptGraphic.h"

std::unique_ptr<TGraphic> NewGraphicFor(const TBytes& Data) {
  switch (SniffImage(Data)) {
    case TImageKind::Bmp: return std::make_unique<TBitmap>();
    case TImageKind::Png: return std::make_unique<TPngImage>();
    case TImageKind::Jpeg: return std::make_unique<TJPEGImage>();
    case TImageKind::Gif: return std::make_unique<TGIFImage>();
    case TImageKind::Ico: return std::make_unique<TIcon>();
    default: InvalidGraphic();
  }
}

namespace {
// A new object of Source's class holding a copy of it.
std::unique_ptr<TGraphic> CopyOf(const TGraphic& Source) {
  std::unique_ptr<TGraphic> g;
  if (dynamic_cast<const TPngImage*>(&Source)) g = std::make_unique<TPngImage>();
  else if (dynamic_cast<const TJPEGImage*>(&Source)) g = std::make_unique<TJPEGImage>();
  else if (dynamic_cast<const TGIFImage*>(&Source)) g = std::make_unique<TGIFImage>();
  else if (dynamic_cast<const TIcon*>(&Source)) g = std::make_unique<TIcon>();
  else if (dynamic_cast<const TKeptGraphic*>(&Source)) g = std::make_unique<TKeptGraphic>();
  else g = std::make_unique<TBitmap>();
  g->Assign(Source);
  return g;
}
}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> Value) {
  FGraphic = std::move(Value);
  if (OnChange) OnChange(this);
}

void TPicture::Assign(const TPersistent& Source) {
  if (const auto* p = dynamic_cast<const TPicture*>(&Source)) return SetGraphic(p->Graphic());
  if (const auto* g = dynamic_cast<const TGraphic*>(&Source)) return SetGraphic(g);
  TPersistent::Assign(Source);
}

void TPicture::SetGraphic(const TGraphic* Value) { Take(Value ? CopyOf(*Value) : nullptr); }

TBitmap* TPicture::Bitmap() {
  if (auto* b = dynamic_cast<TBitmap*>(FGraphic.get())) return b;
  auto bmp = std::make_unique<TBitmap>();
  if (auto* img = dynamic_cast<TImageGraphic*>(FGraphic.get())) bmp->Assign(img->Bitmap());
  TBitmap* result = bmp.get();
  Take(std::move(bmp));
  return result;
}

void TPicture::LoadFromFile(const String& FileName) { LoadFromBytes(ReadFileBytes(FileName)); }

void TPicture::SaveToFile(const String& FileName) const { WriteFileBytes(FileName, SaveToBytes()); }

void TPicture::LoadFromStream(TStream& Stream) { LoadFromBytes(ReadRestOfStream(Stream)); }

void TPicture::SaveToStream(TStream& Stream) const { WriteBytesToStream(Stream, SaveToBytes()); }

void TPicture::LoadFromBytes(const TBytes& Data) {
  std::unique_ptr<TGraphic> g = NewGraphicFor(Data);
  g->LoadFromBytes(Data);
  Take(std::move(g));
}

TBytes TPicture::SaveToBytes() const { return FGraphic ? FGraphic->SaveToBytes() : TBytes{}; }
