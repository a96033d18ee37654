#include "platform/gui/WorkArea.h"

#include <algorithm>

#include "platform/gui/Forms.h"
#include "platform/gui/Toolkit.h"

TRect WorkAreaRect() {
  const TRect whole = Rect(0, 0, Screen->Width(), Screen->Height());
  int width = 0, height = 0;
  TRect area;
  // The display's own panels count only while the screen is the display (not a pinned size).
  const bool real = platform::PrimaryScreenSize(width, height) && width == whole.Right && height == whole.Bottom;
  if (real && platform::PrimaryWorkArea(area) && area.Width() > 0 && area.Height() > 0) return area;
  return whole;
}

TRect KeptInWorkArea(const TRect& R) {
  const TRect area = WorkAreaRect();
  const int left = std::max(area.Left, std::min(R.Left, area.Right - R.Width()));
  const int top = std::max(area.Top, std::min(R.Top, area.Bottom - R.Height()));
  return Rect(left, top, left + R.Width(), top + R.Height());
}
