#pragma once
// A drawing surface with the classic GDI rules: a line leaves out its end
// point, Rectangle outlines [Left, Right) x [Top, Bottom) and fills the
// inside with the brush, text is placed by its top-left corner, and
// DrawText lays text out with the DT_* flags. Two implementations: one on
// the toolkit's painter (window, image, printer page) and one that records
// every call for tests (RecordingCanvas.h).
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/gui/ClipRects.h"
#include "platform/gui/Graphics.h"
#include "platform/sys/String.h"
#include "platform/sys/Types.h"

class TRegion;

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// DrawText formats (the Windows values).
constexpr unsigned DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                   DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20,
                   DT_EXPANDTABS = 0x40, DT_TABSTOP = 0x80, DT_NOCLIP = 0x100,
                   DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800,
                   DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000,
                   DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000, DT_RTLREADING = 0x20000,
                   DT_WORD_ELLIPSIS = 0x40000, DT_HIDEPREFIX = 0x100000;

// Pixels returns this for a point outside the surface.
constexpr TColor CLR_INVALID = static_cast<TColor>(0xFFFFFFFFu);

// Pixels handed from a graphic to a canvas: rows top-down, each pixel
// B, G, R (and A when BytesPerPixel is 4).
struct TPixelView {
  const std::uint8_t* Bits = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0;         // bytes per row
  int BytesPerPixel = 4;  // 3 or 4
  bool UseAlpha = false;  // blend by the A byte (else A is ignored)
  TColor TransparentColor = clNone;  // pixels of this RGB colour are not drawn
};

// FloodFill: fill the area of the given colour, or up to a border of it.
enum TFillStyle { fsSurface, fsBorder };

// How CopyRect puts the source on the destination (the Windows raster codes).
using TCopyMode = std::uint32_t;
constexpr TCopyMode cmSrcCopy = 0x00CC0020, cmSrcAnd = 0x008800C6, cmSrcInvert = 0x00660046,
                    cmSrcPaint = 0x00EE0086;

class TGraphic;
struct TPixelBuffer;

// How logical coordinates map to the surface: mmText one unit per pixel, y
// down; mmLoMetric one unit per 0.1 mm, y up (a page's points below its top
// edge are negative). Text stays upright either way.
enum TMapMode { mmText, mmLoMetric };

class TCanvas {
 public:
  TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas();

  TFont* Font() { return &FFont; }
  TBrush* Brush() { return &FBrush; }
  TPen* Pen() { return &FPen; }
  void SetFont(const TFont& Value) { FFont.Assign(Value); }
  void SetBrush(const TBrush& Value) { FBrush.Assign(Value); }
  void SetPen(const TPen& Value) { FPen.Assign(Value); }

  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { FPenPos = Value; }

  // Lines and shapes: the pen draws outlines, the brush fills.
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);  // from PenPos, end point left out; PenPos := (X, Y)
  void Polyline(std::span<const TPoint> Points);
  void Polygon(std::span<const TPoint> Points);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  // Brush only: fills [Left, Right) x [Top, Bottom); FrameRect draws its
  // one-pixel border with the brush colour.
  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  // The dotted focus rectangle; drawing it twice removes it.
  void DrawFocusRect(const TRect& Rect);

  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Color);
  // Fills with the brush, from (X, Y), the pixels joined to it that have
  // Color (fsSurface) or, with fsBorder, that do not have it. Needs a surface
  // whose pixels can be read; nothing happens where they cannot.
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);
  // Source of Canvas (which may be this one) onto Dest, stretched to fit,
  // combined with what is there by CopyMode.
  void CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source);
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }

  // Text. TextOut fills the text's box with the brush unless the brush is
  // clear, and moves PenPos to the text's end.
  void TextOut(int X, int Y, const String& Text);
  // TextOut clipped to Rect (filled with the brush first unless clear).
  void TextRect(const TRect& Rect, int X, int Y, const String& Text);
  int TextWidth(const String& Text);
  int TextHeight(const String& Text);
  TSize TextExtent(const String& Text);
  // Lays Text out in Rect by the DT_* Format; returns the text's height.
  // With DT_CALCRECT nothing is drawn and Rect's Right and Bottom receive the
  // box the text needs.
  int DrawText(const String& Text, TRect& Rect, unsigned Format);

  // Pictures: at (X, Y) in their own size, or stretched into Rect.
  void Draw(int X, int Y, const TGraphic& Graphic);
  void StretchDraw(const TRect& Rect, const TGraphic& Graphic);
  // The primitive graphics call to put their pixels on a canvas.
  void DrawPixels(const TRect& Dest, const TPixelView& Image);

  // Clipping by rectangles. ClipRect is the box around the clip, the whole
  // surface when none is set.
  TRect ClipRect();
  void SetClipRect(const TRect& Rect);
  void IntersectClipRect(const TRect& Rect);
  void ExcludeClipRect(const TRect& Rect);
  void ResetClip();

  // Coordinates given to the canvas are logical: a point P lands on the
  // surface at P - WindowOrg + ViewportOrg. Both are (0, 0) at first.
  TPoint WindowOrg() const { return FWindowOrg; }
  void SetWindowOrg(TPoint Value) { FWindowOrg = Value; }
  TPoint ViewportOrg() const { return FViewportOrg; }
  void SetViewportOrg(TPoint Value) { FViewportOrg = Value; }
  // A mirrored layout of the given width (0: none), as a right-to-left
  // window has: after the origins, x lands at Width - x and [Left, Right)
  // at [Width - Right, Width - Left). Text and pictures keep their own
  // orientation; only where they go is mirrored.
  int MirrorWidth() const { return FMirrorWidth; }
  void SetMirrorWidth(int Value) { FMirrorWidth = Value > 0 ? Value : 0; }
  bool Mirrored() const { return FMirrorWidth > 0; }
  // With mmLoMetric, points, rectangles, pen widths, corner sizes and font
  // heights given to the canvas are in 0.1 mm, and measured texts and the
  // clip box answer in them; the pixels are those of PixelsPerInch.
  TMapMode MapMode() const { return FMapMode; }
  void SetMapMode(TMapMode Value) { FMapMode = Value; }
  TPoint LPtoDP(TPoint P) const { return Dev(P); }
  TPoint DPtoLP(TPoint P) const;

  // Narrows the clip to a region (logical coordinates) too; SetClipRect and
  // ResetClip drop it.
  void IntersectClipRegion(const TRegion& Region);
  // Saves the clip, the origins and the pen position; RestoreDC(-1) restores the last
  // saved state, RestoreDC(n) the one SaveDC returned n for (and drops
  // those saved after it).
  int SaveDC();
  void RestoreDC(int Index);

  virtual int PixelsPerInch() const { return DefaultPixelsPerInch; }
  // Size of the surface in pixels.
  virtual TSize Extent() const = 0;
  // Anti-aliased drawing, off by default.
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool Value) { FSmooth = Value; }

 protected:
  // The clip in force (surface coordinates), or nullptr for none.
  const TClipRects* CurrentClip() const { return FHasClip ? &FClip : nullptr; }
  const TRegion* CurrentClipRegion() const { return FClipRegion.get(); }
  // The font and pen as the surface takes them: the canvas's own ones in
  // mmText, converted to pixels in mmLoMetric. Implementations draw with these.
  const TFont& DeviceFont();
  const TPen& DevicePen();

  virtual void DoLine(TPoint From, TPoint To) = 0;
  virtual void DoPolyline(std::span<const TPoint> Points) = 0;
  virtual void DoPolygon(std::span<const TPoint> Points) = 0;
  virtual void DoRectangle(const TRect& Rect) = 0;
  virtual void DoRoundRect(const TRect& Rect, int CornerW, int CornerH) = 0;
  virtual void DoEllipse(const TRect& Rect) = 0;
  virtual void DoFillRect(const TRect& Rect) = 0;
  virtual void DoFrameRect(const TRect& Rect) = 0;
  virtual void DoFocusRect(const TRect& Rect) = 0;
  virtual TColor DoGetPixel(int X, int Y) = 0;
  virtual void DoSetPixel(int X, int Y, TColor Color) = 0;
  // One line of text at (X, Y), top-left; UnderlineAt is the 0-based index
  // of a character to underline (the "&" prefix), or -1.
  virtual void DoTextOut(int X, int Y, const String& Text, int UnderlineAt, bool RightToLeft) = 0;
  virtual int DoTextWidth(const String& Text) = 0;
  virtual int DoLineHeight() = 0;
  virtual void DoDrawPixels(const TRect& Dest, const TPixelView& Image) = 0;
  // Told of the call before DrawText lays its lines out.
  virtual void DoDrawTextBegin(const String& Text, const TRect& Rect, unsigned Format) {}
  // Rect's pixels (4 bytes each, outside the surface black); false where the
  // surface cannot be read.
  virtual bool DoReadPixels(const TRect& Rect, TPixelBuffer& Out) { return false; }
  // By default on the pixels DoReadPixels gives.
  virtual void DoFloodFill(TPoint Start, TColor Color, TFillStyle FillStyle);
  virtual void DoCopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect);

 private:
  struct TSavedState {
    bool HasClip;
    TClipRects Clip;
    std::shared_ptr<const TRegion> ClipRegion;
    TPoint PenPos;
    TPoint WindowOrg;
    TPoint ViewportOrg;
    int MirrorWidth;
    TMapMode MapMode;
  };

  // Lengths between logical units and pixels.
  int DevLength(int Units) const;
  int LogLength(int Pixels) const;
  int DrawTextMapped(const String& Text, TRect& Rect, unsigned Format);

  // Logical to surface coordinates.
  TPoint Dev(TPoint P) const;
  TRect Dev(const TRect& R) const;
  // Where a text Width wide placed at logical (X, Y) starts on the surface.
  TPoint DevText(int X, int Y, int Width) const;
  // The surface pixel of the logical pixel (X, Y).
  TPoint DevPixel(int X, int Y) const;
  std::vector<TPoint> DevPoints(std::span<const TPoint> Points) const;

  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  TPoint FPenPos;
  bool FHasClip = false;
  TClipRects FClip;
  std::shared_ptr<const TRegion> FClipRegion;  // surface coordinates
  TPoint FWindowOrg;
  TPoint FViewportOrg;
  int FMirrorWidth = 0;
  TMapMode FMapMode = mmText;
  TFont FDeviceFont;
  TPen FDevicePen;
  TCopyMode FCopyMode = cmSrcCopy;
  bool FSmooth = false;
  std::vector<TSavedState> FSaved;
};

// A canvas's mirrored layout set for a scope; the one before comes back after.
class TMirrorLayout {
 public:
  TMirrorLayout(TCanvas& Canvas, int Width) : FCanvas(Canvas), FSaved(Canvas.MirrorWidth()) {
    Canvas.SetMirrorWidth(Width);
  }
  ~TMirrorLayout() { FCanvas.SetMirrorWidth(FSaved); }
  TMirrorLayout(const TMirrorLayout&) = delete;
  TMirrorLayout& operator=(const TMirrorLayout&) = delete;

 private:
  TCanvas& FCanvas;
  int FSaved;
};
