#pragma once
// Helpers to read what the drawing routines left on a recording canvas.
#include <vector>

#include "platform/gui/RecordingCanvas.h"

namespace testdraw {

inline std::vector<TRect> RectsOf(const TRecordingCanvas& c, const String& Op) {
  std::vector<TRect> out;
  for (const auto& r : c.RecordsOf(Op)) out.push_back(r.Rect);
  return out;
}

inline std::vector<TColor> BrushesOf(const TRecordingCanvas& c, const String& Op) {
  std::vector<TColor> out;
  for (const auto& r : c.RecordsOf(Op)) out.push_back(r.BrushColor);
  return out;
}

}  // namespace testdraw
