#include "grid/base/HTMLPicture.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"
#include "platform/gui/Resources.h"
#include "platform/gui/codecs/Codecs.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"

namespace {

constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{64} << 20;

// The file's bytes when it is a regular file within the limit; nothing for
// a device, a pipe, a folder or a missing file, without opening it.
bool ReadPictureFile(const String& FileName, TBytes& Data) {
  std::error_code error;
  const std::filesystem::path path(StringToUtf8(FileName));
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxFileBytes) return false;
  std::ifstream in(path, std::ios::binary);
  Data.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(Data.data()), static_cast<std::streamsize>(size));
  return in.gcount() == static_cast<std::streamsize>(size);
}

bool StartsNoCase(const String& Text, StringView Prefix) {
  return Text.size() >= Prefix.size() && UpperCase(StringView(Text).substr(0, Prefix.size())) == Prefix;
}

// The frame's own rectangle out of a picture of the whole logical screen;
// a picture of another size is the frame already.
TPixelBuffer FrameRectangle(TPixelBuffer Screen, const TGIFFrameInfo& F, int ScreenW, int ScreenH) {
  const bool whole = Screen.Width == ScreenW && Screen.Height == ScreenH;
  if (!whole || F.Width == 0 || F.Height == 0 || F.Left + F.Width > ScreenW || F.Top + F.Height > ScreenH)
    return Screen;
  TPixelBuffer out;
  out.Resize(F.Width, F.Height, Screen.BytesPerPixel);
  for (int y = 0; y < F.Height; ++y)
    std::memcpy(out.Row(y), Screen.Row(F.Top + y) + static_cast<std::size_t>(F.Left) * Screen.BytesPerPixel,
                static_cast<std::size_t>(F.Width) * Screen.BytesPerPixel);
  return out;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::MakeEmpty() {
  FPicture.reset();
  FIsEmpty = true;
  FFrameInfo.reset();
  FNextCount = FTimerCount = -1;
  FFrame = 1;
  FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = FAnimMaxX = FAnimMaxY = 0;
}

void THTMLPicture::Assign(const TPersistent& Source) {
  if (const auto* picture = dynamic_cast<const THTMLPicture*>(&Source)) return Assign(picture);
  TGraphic::Assign(Source);
}

void THTMLPicture::Assign(const THTMLPicture* Source) {
  MakeEmpty();
  if (!Source) {
    FData.clear();
    return;
  }
  if (Source == this) return Load(TBytes(FData));
  if (Source->FData.empty()) {
    FData.clear();
    return;
  }
  Load(Source->FData);
}

void THTMLPicture::Load(TBytes Data) {
  MakeEmpty();
  FData = std::move(Data);
  ShowFrame(1);
  FIsEmpty = false;
  Changed();
}

void THTMLPicture::LoadFromBytes(const TBytes& Data) { Load(Data); }

void THTMLPicture::LoadFromFile(const String& FileName) {
  TBytes data;
  try {
    if (ReadPictureFile(FileName, data)) return Load(std::move(data));
  } catch (const std::exception&) {
  }
  MakeEmpty();
  FData.clear();
}

void THTMLPicture::LoadFromStream(TStream* Stream) {
  if (Stream) Load(ReadRestOfStream(*Stream));
}

void THTMLPicture::SaveToStream(TStream& Stream) const { WriteBytesToStream(Stream, FData); }

void THTMLPicture::LoadFromResourceName(const String& Name) {
  const std::string_view bytes = platform::FindResource(Name);
  if (!bytes.empty()) Load(TBytes(bytes.begin(), bytes.end()));
}

void THTMLPicture::LoadFromResourceID(int ID) {
  const std::string_view bytes = platform::FindResource(u"#" + IntToStr(ID));
  if (bytes.empty()) throw Exception(u"Resource " + IntToStr(ID) + u" not found");
  Load(TBytes(bytes.begin(), bytes.end()));
}

void THTMLPicture::LoadFromURL(const String& URL) {
  if (StartsNoCase(URL, u"RES://")) {
    FID = URL;
    if (URL.size() > 6) LoadFromResourceName(URL.substr(6));
  } else if (StartsNoCase(URL, u"FILE://")) {
    FID = URL;
    LoadFromFile(URL.substr(7));
  } else if (!FAsynch) {
    FURL = FID = URL;
  } else if (!FThreadBusy) {
    FURL = URL;  // no download worker: nothing is fetched
    FThreadBusy = true;
  }
}

const std::vector<TGIFFrameInfo>& THTMLPicture::Frames() const {
  if (!FFrameInfo) FFrameInfo = std::make_unique<std::vector<TGIFFrameInfo>>(ScanGIFFrames(FData));
  return *FFrameInfo;
}

std::unique_ptr<TGraphic> THTMLPicture::Decode(int Frame) {
  if (FData.empty()) throw EInvalidGraphic(u"Empty image stream created");
  const auto& frames = Frames();
  if (frames.empty()) {
    std::unique_ptr<TGraphic> picture = NewGraphicFor(FData);
    picture->LoadFromBytes(FData);
    return picture;
  }
  const TGIFFrameInfo info = Frame >= 1 && static_cast<std::size_t>(Frame) <= frames.size() ? frames[Frame - 1]
                                                                                          : TGIFFrameInfo{};
  TFrames decoded = DecodeWithReader(SpliceGIFFrame(FData, frames, Frame), TImageKind::Gif);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixels(FrameRectangle(std::move(decoded.Frames.front()), info, GIFScreenWidth(FData),
                                   GIFScreenHeight(FData)));
  return bitmap;
}

void THTMLPicture::ShowFrame(int Frame) {
  std::unique_ptr<TGraphic> picture = Decode(Frame);
  FPicture = std::move(picture);
  FFrame = Frame;
  FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = FAnimMaxX = FAnimMaxY = 0;
  const auto& frames = Frames();
  if (frames.empty()) return;
  FAnimMaxX = GIFScreenWidth(FData);
  FAnimMaxY = GIFScreenHeight(FData);
  if (Frame < 1 || static_cast<std::size_t>(Frame) > frames.size()) return;
  const TGIFFrameInfo& info = frames[Frame - 1];
  FFrameXPos = info.Left;
  FFrameYPos = info.Top;
  FFrameXSize = info.Width;
  FFrameYSize = info.Height;
}

int THTMLPicture::GetWidth() const { return FPicture ? FPicture->Width() : 0; }
int THTMLPicture::GetHeight() const { return FPicture ? FPicture->Height() : 0; }

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& Rect) const {
  if (FIsEmpty || !FPicture) return;
  if (FStretched) return Canvas.StretchDraw(Rect, *FPicture);
  const int ppi = Canvas.PixelsPerInch();
  const int w = GetWidth() * ppi / DefaultPixelsPerInch, h = GetHeight() * ppi / DefaultPixelsPerInch;
  Canvas.StretchDraw(TRect{Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h}, *FPicture);
}

void THTMLPicture::DrawOn(TCanvas& Canvas, const TRect& Rect) const {
  if (!FIsEmpty && FPicture) Canvas.StretchDraw(Rect, *FPicture);
}

int THTMLPicture::FrameCount() const { return IsGIF() ? static_cast<int>(Frames().size()) : -1; }

int THTMLPicture::FrameTime(int I) const {
  if (!IsGIF() || I < 1 || static_cast<std::size_t>(I) > Frames().size()) return -1;
  return Frames()[I - 1].Delay;
}

void THTMLPicture::SetFrame(int Value) {
  if (FIsEmpty) {
    FFrame = Value;
    return;
  }
  ShowFrame(Value);
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() { FFrame = FFrame >= FrameCount() ? 1 : FFrame + 1; }

void THTMLPicture::FramePrev() {
  const int count = FrameCount();
  FFrame = FFrame <= 1 ? (count >= 1 ? count : 1) : FFrame - 1;
}

bool THTMLPicture::Step() {
  if (FIsEmpty || FrameCount() < 2) return false;
  if (FNextCount == -1) FNextCount = FrameTime(FFrame);
  bool stepped = false;
  if (FTimerCount * 10 >= FNextCount) {
    const int from = FFrame;
    FrameNext();
    try {
      ShowFrame(FFrame);
      FNextCount += FrameTime(FFrame);
      stepped = true;
    } catch (const std::exception&) {
      FFrame = from;
    }
  }
  ++FTimerCount;
  return stepped;
}
