#pragma once
// Paints one cell of a string grid's content on a recording canvas.
#include <algorithm>
#include <memory>
#include <vector>

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Messages.h"
#include "platform/gui/RecordingCanvas.h"

namespace paint_test {

inline const TRect kCell{10, 20, 110, 40};

inline std::vector<TCanvasRecord> PaintCell(TAdvStringGrid& g, int ACol, int ARow,
                                            TGridDrawState State = {}, TRect Rect = kCell) {
  TRecordingCanvas canvas;
  g.DrawCellContent(canvas, ACol, ARow, Rect, State);
  return canvas.Records();
}

// The whole grid painted on its own surface, where a right-to-left layout
// shows the cells mirrored.
inline std::vector<TCanvasRecord> PaintSurface(TAdvStringGrid& g) {
  TRecordingCanvas canvas(g.Width(), g.Height());
  g.Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)), 0);
  return canvas.Records();
}

inline std::vector<TCanvasRecord> Only(const std::vector<TCanvasRecord>& All, const String& Op) {
  std::vector<TCanvasRecord> out;
  std::copy_if(All.begin(), All.end(), std::back_inserter(out),
               [&](const TCanvasRecord& r) { return r.Op == Op; });
  return out;
}

// The one DrawText call of a plain cell, or an empty record.
inline TCanvasRecord DrawnText(const std::vector<TCanvasRecord>& All) {
  const auto texts = Only(All, u"DrawText");
  return texts.size() == 1 ? texts[0] : TCanvasRecord{};
}

inline bool HasLine(const std::vector<TCanvasRecord>& All, TPoint From, TPoint To) {
  return std::any_of(All.begin(), All.end(), [&](const TCanvasRecord& r) {
    return r.Op == u"LineTo" && r.Points.size() == 2 && r.Points[0] == From && r.Points[1] == To;
  });
}

inline std::unique_ptr<TBitmap> Glyph(int W, int H) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(W, H);
  return b;
}

}  // namespace paint_test
