#pragma once
// What the animation needs of GIF data without decoding it: where each frame
// (a graphic control extension followed by an image descriptor) begins, its
// delay and rectangle, the logical screen size, and the data cut so that a
// given frame comes first. Bytes beyond the data read as 0.
#include <cstdint>
#include <vector>

#include "platform/gui/Graphic.h"

struct TGIFFrameInfo {
  std::size_t Start = 0;  // the extension's 0x21
  int Delay = 0;          // hundredths of a second
  std::uint16_t Left = 0, Top = 0, Width = 0, Height = 0;
};

// At least 5 bytes beginning "GIF8".
bool IsGIFData(const TBytes& Data);
// The frames in data order; none for data that is no GIF.
std::vector<TGIFFrameInfo> ScanGIFFrames(const TBytes& Data);
// Logical screen width and height.
std::uint16_t GIFScreenWidth(const TBytes& Data);
std::uint16_t GIFScreenHeight(const TBytes& Data);
// Everything before the first frame, then frame Frame (1-based) and all
// later ones. Frame out of range leaves the header alone.
TBytes SpliceGIFFrame(const TBytes& Data, const std::vector<TGIFFrameInfo>& Frames, int Frame);
