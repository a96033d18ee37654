#pragma once
// A bitmap in memory with its own canvas. pf24bit rows hold B, G, R per
// pixel, pf32bit rows B, G, R, A; rows are 4-byte aligned, top row first.
// Drawn transparently, pixels of TransparentColor are left out; with
// tmAuto that colour is the bottom-left pixel's.
#include <memory>

#include "platform/gui/Canvas.h"
#include "platform/gui/Graphic.h"
#include "platform/gui/PixelBuffer.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
// afDefined: the A byte of pf32bit pixels blends them when drawn.
enum TAlphaFormat { afIgnored, afDefined };

class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int AWidth, int AHeight);
  ~TBitmap() override;
  String ClassName() const override { return u"TBitmap"; }
  void Assign(const TPersistent& Source) override;

  int Width() const override { return FPixels.Width; }
  int Height() const override { return FPixels.Height; }
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  // Keeps the pixels that stay inside; new ones are white.
  void SetSize(int AWidth, int AHeight);

  // pfDevice is kept as 32 bits per pixel; formats below 24 bits are
  // widened to 24 bits (their rows are never handed out narrower).
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);
  TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
  void SetAlphaFormat(TAlphaFormat Value) { FAlphaFormat = Value; }

  // Row Row's first byte (0-based from the top); raises on a bad row.
  std::uint8_t* ScanLine(int Row);
  const std::uint8_t* ScanLine(int Row) const;

  TCanvas* Canvas();

  TColor TransparentColor() const;
  void SetTransparentColor(TColor Value);  // also sets tmFixed
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value) { FTransparentMode = Value; }

  void LoadFromBytes(const TBytes& Data) override;  // BMP data
  // The program's bitmap resource of that name; EResNotFound when it has none.
  void LoadFromResourceName(const String& Name);
  TBytes SaveToBytes() const override;              // BMP data
  void DrawOn(TCanvas& Canvas, const TRect& Rect) const override;

  // The pixels, for codecs and image lists.
  const TPixelBuffer& Pixels() const { return FPixels; }
  // Takes Buffer's pixels (3 or 4 bytes per pixel) as this bitmap's.
  void SetPixels(TPixelBuffer Buffer);

 private:
  void ReleaseCanvas();
  int BytesPerPixel() const { return FPixelFormat == pf24bit ? 3 : 4; }

  TPixelBuffer FPixels;
  TPixelFormat FPixelFormat = pfDevice;
  TAlphaFormat FAlphaFormat = afIgnored;
  TTransparentMode FTransparentMode = tmAuto;
  TColor FTransparentColor = clNone;
  std::unique_ptr<TCanvas> FCanvas;
};
