#pragma once
// The canvas on the toolkit's painter. A widget's paint event binds its
// painter (MakeQtCanvas, or SetPainter on a canvas kept by the control); a
// bitmap binds its image. Painter state (pen, brush, font, clip, raster
// mode) is set from the canvas before every drawing call, so the painter
// may be shared with other drawing code.
#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/gui/Canvas.h"

class TQtCanvas : public TCanvas {
 public:
  // Unbound: measures text for the screen, draws nothing until bound.
  TQtCanvas();
  explicit TQtCanvas(QPainter& Painter);
  // Draws into Image, opening a painter on it only while drawing.
  explicit TQtCanvas(QImage* Image);
  ~TQtCanvas() override;

  // Binds a painter that is active on its device (nullptr unbinds).
  void SetPainter(QPainter* Painter);
  // Ends the painter opened on the bound image (before the image changes
  // size or is read directly); the next drawing call opens it again.
  void ReleaseImage();

  int PixelsPerInch() const override;
  TSize Extent() const override;

 protected:
  // The image drawn into when no painter is bound (nullptr: none).
  virtual QImage* TargetImage() { return FImage; }

  void DoLine(TPoint From, TPoint To) override;
  void DoPolyline(std::span<const TPoint> Points) override;
  void DoPolygon(std::span<const TPoint> Points) override;
  void DoRectangle(const TRect& Rect) override;
  void DoRoundRect(const TRect& Rect, int CornerW, int CornerH) override;
  void DoEllipse(const TRect& Rect) override;
  void DoFillRect(const TRect& Rect) override;
  void DoFrameRect(const TRect& Rect) override;
  void DoFocusRect(const TRect& Rect) override;
  TColor DoGetPixel(int X, int Y) override;
  void DoSetPixel(int X, int Y, TColor Color) override;
  void DoTextOut(int X, int Y, const String& Text, int UnderlineAt, bool RightToLeft) override;
  int DoTextWidth(const String& Text) override;
  int DoLineHeight() override;
  void DoDrawPixels(const TRect& Dest, const TPixelView& Image) override;
  bool DoReadPixels(const TRect& Rect, TPixelBuffer& Out) override;

 private:
  QPainter* Begin();
  void ApplyCommon(QPainter& P);
  void ApplyPen(QPainter& P, bool WithPen);
  void ApplyBrush(QPainter& P, bool WithBrush);
  // The toolkit font with its metrics on the device: made again only when
  // the font or the device changes, as text is drawn cell by cell.
  struct TFontCache;
  const TFontCache& CurrentFont();
  QPaintDevice* Device() const;

  QPainter* FPainter = nullptr;  // bound from outside, or FOwnPainter
  QImage* FImage = nullptr;
  std::unique_ptr<QPainter> FOwnPainter;
  std::unique_ptr<TFontCache> FFontCache;
};

// The toolkit font for a font of ours (also what widgets show their text in).
QFont ToQFont(const TFont& Font);

// A canvas bound to a painter that is active on a widget, image or printer.
std::unique_ptr<TQtCanvas> MakeQtCanvas(QPainter& Painter);
