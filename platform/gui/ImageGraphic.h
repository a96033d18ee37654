#pragma once
// Pictures read by a codec into one or more bitmap frames: PNG (with
// alpha), JPEG, GIF (animated: one frame per image) and icons. They draw
// their current frame.
#include <memory>
#include <vector>

#include "platform/gui/Bitmap.h"
#include "platform/gui/codecs/Codecs.h"

class TImageGraphic : public TGraphic {
 public:
  void Assign(const TPersistent& Source) override;
  int Width() const override;
  int Height() const override;
  int FrameCount() const override { return static_cast<int>(FFrames.size()); }
  int FrameIndex() const { return FFrameIndex; }
  void SetFrameIndex(int Value);
  // Frames count from 0; raises EInvalidGraphic out of range.
  const TBitmap& Frame(int Index) const;
  int FrameDelay(int Index) const;  // milliseconds
  // The current frame (created empty when there is none).
  TBitmap& Bitmap();

  void LoadFromBytes(const TBytes& Data) override;
  TBytes SaveToBytes() const override;
  void DrawOn(TCanvas& Canvas, const TRect& Rect) const override;

 protected:
  virtual TFrames Decode(const TBytes& Data) const = 0;
  virtual TBytes Encode(const TPixelBuffer& Pixels) const = 0;

 private:
  void SetFrames(TFrames Frames);
  std::vector<std::unique_ptr<TBitmap>> FFrames;
  std::vector<int> FDelays;
  int FFrameIndex = 0;
};

class TPngImage : public TImageGraphic {
 public:
  String ClassName() const override { return u"TPngImage"; }

 protected:
  TFrames Decode(const TBytes& Data) const override;
  TBytes Encode(const TPixelBuffer& Pixels) const override { return EncodePng(Pixels); }
};

class TJPEGImage : public TImageGraphic {
 public:
  String ClassName() const override { return u"TJPEGImage"; }
  int CompressionQuality() const { return FQuality; }
  void SetCompressionQuality(int Value) { FQuality = Value < 1 ? 1 : Value > 100 ? 100 : Value; }

 protected:
  TFrames Decode(const TBytes& Data) const override;
  TBytes Encode(const TPixelBuffer& Pixels) const override { return EncodeJpeg(Pixels, FQuality); }

 private:
  int FQuality = 90;
};

class TGIFImage : public TImageGraphic {
 public:
  String ClassName() const override { return u"TGIFImage"; }
  void Assign(const TPersistent& Source) override;
  void LoadFromBytes(const TBytes& Data) override;
  // No GIF writer is available: a GIF read from bytes is saved as those
  // bytes; any other raises EInvalidGraphic.
  TBytes SaveToBytes() const override;

 protected:
  TFrames Decode(const TBytes& Data) const override;
  TBytes Encode(const TPixelBuffer& Pixels) const override;

 private:
  TBytes FSource;
};

class TIcon : public TImageGraphic {
 public:
  String ClassName() const override { return u"TIcon"; }

 protected:
  TFrames Decode(const TBytes& Data) const override;
  TBytes Encode(const TPixelBuffer& Pixels) const override { return EncodeWithWriter(Pixels, TImageKind::Ico); }
};
