#pragma once
// Line layout of DrawText: prefix "&", tabs, line breaks, word wrap,
// ellipses and alignment, measured by the caller's font. Shared by every
// canvas so that the recording canvas lays text out as the painter does.
#include <functional>
#include <vector>

#include "platform/sys/String.h"
#include "platform/sys/Types.h"

struct TTextLine {
  String Text;
  int X = 0;
  int Y = 0;
  int Width = 0;  // measured only for alignment, ellipses and DT_CALCRECT; else 0
  int UnderlineAt = -1;  // 0-based index into Text, -1 for none
};

struct TTextLayout {
  std::vector<TTextLine> Lines;
  TRect Box;       // Rect's Left/Top with the widest line (as measured) and all lines' height
  int Result = 0;  // what DrawText returns
};

struct TTextMeasure {
  std::function<int(const String&)> Width;
  int LineHeight = 0;
  int TabWidth = 0;  // distance of tab stops with DT_EXPANDTABS
};

TTextLayout LayoutText(const String& Text, const TRect& Rect, unsigned Format, const TTextMeasure& M);
