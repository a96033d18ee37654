#include "platform/gui/RecordingCanvas.h"

#include <cstdio>
#include <cstdlib>

namespace {

String Num(int v) { return Utf8ToString(std::to_string(v)); }

String Hex(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
  return Utf8ToString(buf);
}

String Pt(TPoint p) { return u"(" + Num(p.X) + u"," + Num(p.Y) + u")"; }

String Rc(const TRect& r) {
  return u"[" + Num(r.Left) + u"," + Num(r.Top) + u"," + Num(r.Right) + u"," + Num(r.Bottom) + u"]";
}

}  // namespace

String TCanvasRecord::ToString() const {
  String s = Op;
  for (size_t i = 0; i < Points.size(); ++i) s += (i ? u"-" : u" ") + Pt(Points[i]);
  if (!Rect.IsEmpty() || Op == u"DrawText") s += u" " + Rc(Rect);
  if (!Text.empty() || Op == u"TextOut") s += u" \"" + Text + u"\"";
  if (Format) s += u" format " + Hex(static_cast<TColor>(Format));
  if (UnderlineAt >= 0) s += u" underline " + Num(UnderlineAt);
  s += u" pen " + Hex(PenColor) + u"/" + Num(PenWidth) + u"/" + Num(PenStyle) + u"/" + Num(PenMode);
  s += u" brush " + Hex(BrushColor) + u"/" + Num(BrushStyle);
  s += u" font " + Hex(FontColor) + u"/" + Num(static_cast<int>(FontStyle.Bits()));
  if (FontOrientation) s += u"/" + Num(FontOrientation);
  if (RightToLeft) s += u" rtl";
  if (Clipped) s += u" clip " + Rc(Clip);
  if (ClipRects.size() > 1)
    for (const TRect& c : ClipRects) s += u" " + Rc(c);
  if (Color != clNone) s += u" color " + Hex(Color);
  return s;
}

TRecordingCanvas::TRecordingCanvas(int AWidth, int AHeight) : FExtent{AWidth, AHeight} {}

std::vector<TCanvasRecord> TRecordingCanvas::RecordsOf(const String& Op) const {
  std::vector<TCanvasRecord> out;
  for (const TCanvasRecord& r : FRecords)
    if (r.Op == Op) out.push_back(r);
  return out;
}

String TRecordingCanvas::Dump() const {
  String s;
  for (const TCanvasRecord& r : FRecords) s += r.ToString() + u"\n";
  return s;
}

TCanvasRecord& TRecordingCanvas::Add(const String& Op) {
  TCanvasRecord r;
  r.Op = Op;
  r.PenColor = DevicePen().Color();
  r.PenWidth = DevicePen().Width();
  r.PenStyle = DevicePen().Style();
  r.PenMode = DevicePen().Mode();
  r.BrushColor = Brush()->Color();
  r.BrushStyle = Brush()->Style();
  r.FontColor = DeviceFont().Color();
  r.FontStyle = DeviceFont().Style();
  r.FontOrientation = DeviceFont().Orientation();
  r.FontHeight = DeviceFont().Height();
  if (const TClipRects* clip = CurrentClip()) {
    r.Clipped = true;
    r.Clip = clip->Bounds();
    r.ClipRects = clip->Rects();
  }
  FRecords.push_back(std::move(r));
  return FRecords.back();
}

int TRecordingCanvas::FontSize() {
  const int size = std::abs(DeviceFont().Size());
  return size > 0 ? size : 8;
}

int TRecordingCanvas::CharWidth() { return (7 * FontSize() + 4) / 8; }

int TRecordingCanvas::DoLineHeight() { return (13 * FontSize() + 4) / 8; }

int TRecordingCanvas::DoTextWidth(const String& Text) { return static_cast<int>(Text.size()) * CharWidth(); }

void TRecordingCanvas::DoLine(TPoint From, TPoint To) { Add(u"LineTo").Points = {From, To}; }

void TRecordingCanvas::DoPolyline(std::span<const TPoint> Points) {
  Add(u"Polyline").Points.assign(Points.begin(), Points.end());
}

void TRecordingCanvas::DoPolygon(std::span<const TPoint> Points) {
  Add(u"Polygon").Points.assign(Points.begin(), Points.end());
}

void TRecordingCanvas::DoRectangle(const TRect& Rect) { Add(u"Rectangle").Rect = Rect; }

void TRecordingCanvas::DoRoundRect(const TRect& Rect, int CornerW, int CornerH) {
  TCanvasRecord& r = Add(u"RoundRect");
  r.Rect = Rect;
  r.Points = {TPoint{CornerW, CornerH}};
}

void TRecordingCanvas::DoEllipse(const TRect& Rect) { Add(u"Ellipse").Rect = Rect; }

void TRecordingCanvas::DoFillRect(const TRect& Rect) { Add(u"FillRect").Rect = Rect; }

void TRecordingCanvas::DoFrameRect(const TRect& Rect) { Add(u"FrameRect").Rect = Rect; }

void TRecordingCanvas::DoFocusRect(const TRect& Rect) { Add(u"DrawFocusRect").Rect = Rect; }

TColor TRecordingCanvas::DoGetPixel(int X, int Y) {
  auto it = FPixels.find({X, Y});
  return it == FPixels.end() ? clWhite : it->second;
}

void TRecordingCanvas::DoSetPixel(int X, int Y, TColor Color) {
  TCanvasRecord& r = Add(u"SetPixels");
  r.Points = {TPoint{X, Y}};
  r.Color = Color;
  FPixels[{X, Y}] = Color;
}

void TRecordingCanvas::DoTextOut(int X, int Y, const String& Text, int UnderlineAt, bool RightToLeft) {
  TCanvasRecord& r = Add(u"TextOut");
  r.Points = {TPoint{X, Y}};
  r.Rect = TRect{X, Y, X + DoTextWidth(Text), Y + DoLineHeight()};
  r.Text = Text;
  r.UnderlineAt = UnderlineAt;
  r.RightToLeft = RightToLeft;
}

void TRecordingCanvas::DoDrawPixels(const TRect& Dest, const TPixelView& Image) {
  TCanvasRecord& r = Add(u"Draw");
  r.Rect = Dest;
  r.Points = {TPoint{Image.Width, Image.Height}};
  r.Color = Image.TransparentColor;
}

void TRecordingCanvas::DoFloodFill(TPoint Start, TColor Color, TFillStyle FillStyle) {
  TCanvasRecord& r = Add(u"FloodFill");
  r.Points = {Start};
  r.Color = Color;
  r.Format = FillStyle;
}

void TRecordingCanvas::DoCopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) {
  TCanvasRecord& r = Add(u"CopyRect");
  r.Rect = Dest;
  r.Points = {TPoint{SourceRect.Left, SourceRect.Top}, TPoint{SourceRect.Right, SourceRect.Bottom}};
  r.Format = CopyMode();
}

void TRecordingCanvas::DoDrawTextBegin(const String& Text, const TRect& Rect, unsigned Format) {
  TCanvasRecord& r = Add(u"DrawText");
  r.Rect = Rect;
  r.Text = Text;
  r.Format = Format;
}
