#pragma once
// What a window's scroll bar holds, as the window system keeps it per bar:
// the range, the page, the position and the position while the thumb is
// dragged. The thumb moves over Min..Max - max(Page - 1, 0); a page of 0
// gives the thumb its plain square size, a larger page a proportional one.
#include "platform/gui/Messages.h"

constexpr int SB_HORZ = 0, SB_VERT = 1;
constexpr UINT SIF_RANGE = 0x0001, SIF_PAGE = 0x0002, SIF_POS = 0x0004, SIF_DISABLENOSCROLL = 0x0008,
               SIF_TRACKPOS = 0x0010, SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
// The arrows of EnableScrollBar: left or up, right or down.
constexpr UINT ESB_ENABLE_BOTH = 0x0000, ESB_DISABLE_LTUP = 0x0001, ESB_DISABLE_RTDN = 0x0002,
               ESB_DISABLE_BOTH = 0x0003;

struct TScrollInfo {
  UINT cbSize = sizeof(TScrollInfo);
  UINT fMask = SIF_ALL;  // the fields read or written
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};
