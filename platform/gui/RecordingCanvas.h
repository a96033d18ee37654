#pragma once
// A canvas that draws nothing and records every call with its arguments
// and the tools in force, for layout tests. Its font has fixed metrics:
// every character is CharWidth() wide and each line LineHeight() high
// (7 x 13 pixels at 8 points, scaled by the size), on every machine.
#include <map>
#include <utility>
#include <vector>

#include "platform/gui/Canvas.h"

struct TCanvasRecord {
  String Op;                   // "LineTo", "Rectangle", "TextOut", "DrawText", ...
  std::vector<TPoint> Points;  // line ends, polygon points, text origin, copied rectangle
  TRect Rect;                  // shape, fill, text box or picture rectangle
  String Text;
  unsigned Format = 0;         // DrawText's flags, FloodFill's style, CopyRect's mode
  int UnderlineAt = -1;        // TextOut of a line with an "&" prefix
  TColor PenColor = clBlack;
  int PenWidth = 1;
  TPenStyle PenStyle = psSolid;
  TPenMode PenMode = pmCopy;
  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = bsSolid;
  TColor FontColor = clBlack;
  TFontStyles FontStyle;
  int FontOrientation = 0;
  int FontHeight = 0;          // in pixels (negative: character height)
  bool RightToLeft = false;
  bool Clipped = false;        // a clip was in force
  TRect Clip;                  // the box around it
  std::vector<TRect> ClipRects;  // its rectangles
  TColor Color = clNone;       // SetPixels' colour

  // One readable line, e.g. "LineTo (0,0)-(10,0) pen $000000/1".
  String ToString() const;
};

class TRecordingCanvas : public TCanvas {
 public:
  explicit TRecordingCanvas(int AWidth = 1000, int AHeight = 1000);

  const std::vector<TCanvasRecord>& Records() const { return FRecords; }
  // Only the records of one operation.
  std::vector<TCanvasRecord> RecordsOf(const String& Op) const;
  void Clear() { FRecords.clear(); }
  // All records, one per line.
  String Dump() const;

  int CharWidth();
  int LineHeight() { return DoLineHeight(); }
  TSize Extent() const override { return FExtent; }
  // The resolution a mapped mode converts by (96 at first).
  int PixelsPerInch() const override { return FPixelsPerInch; }
  // Its font takes the resolution too, as a device's canvas font does.
  void SetPixelsPerInch(int Value) {
    FPixelsPerInch = Value > 0 ? Value : DefaultPixelsPerInch;
    Font()->SetPixelsPerInch(FPixelsPerInch);
  }

 protected:
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
  void DoDrawTextBegin(const String& Text, const TRect& Rect, unsigned Format) override;
  void DoFloodFill(TPoint Start, TColor Color, TFillStyle FillStyle) override;
  void DoCopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) override;

 private:
  TCanvasRecord& Add(const String& Op);
  int FontSize();

  TSize FExtent;
  int FPixelsPerInch = DefaultPixelsPerInch;
  std::vector<TCanvasRecord> FRecords;
  std::map<std::pair<int, int>, TColor> FPixels;  // what SetPixels left
};
