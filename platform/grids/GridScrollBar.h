#pragma once
// One scroll bar of the grid window: its scroll info, whether it is shown,
// which arrows are enabled, and its pixel geometry along its own axis (two
// square arrow buttons, the track between them and the thumb on it).
#include "platform/grids/GridScrollInfo.h"

class TGridScrollBar {
 public:
  static constexpr int Thickness = 17;  // and the length of each arrow button

  const TScrollInfo& Info() const { return FInfo; }
  // Takes the fields Info's mask names; the page and the position are kept
  // inside the range. Answers the position.
  int SetInfo(const TScrollInfo& Info);
  // The highest position the thumb reaches.
  int MaxPos() const;
  void SetPos(int Pos) { FInfo.nPos = Clamped(Pos); }
  void SetTrackPos(int Pos) { FInfo.nTrackPos = Clamped(Pos); }

  bool Shown() const { return FShown; }
  void SetShown(bool Value) { FShown = Value; }
  // The grid shows the bar whenever its need changes; in between, the
  // shown state is whatever was set last.
  bool Needed() const { return FNeeded; }
  // Answers whether the need changed.
  bool SetNeeded(bool Value);
  UINT DisabledArrows() const { return FDisabled; }
  void SetDisabledArrows(UINT Value) { FDisabled = Value & ESB_DISABLE_BOTH; }

  // Geometry over a bar Length pixels long.
  int ThumbSize(int Length) const;
  // From the bar's start; Tracking: where the dragged thumb is (the track position).
  int ThumbStart(int Length, bool Tracking = false) const;
  // The position whose thumb starts at Pixel.
  int PosAt(int Length, int Pixel) const;
  // Whether the bar takes presses at all (not with both arrows disabled).
  bool Active() const { return FDisabled != ESB_DISABLE_BOTH; }
  bool OnThumb(int Length, int Pixel) const;
  // The scroll code of a press at Pixel; -1 on the thumb, on a disabled
  // arrow or on a disabled bar.
  int HitCode(int Length, int Pixel) const;

 private:
  int Clamped(int Pos) const;
  int TrackLength(int Length) const;

  TScrollInfo FInfo{sizeof(TScrollInfo), SIF_ALL, 0, 127, 0, 0, 0};
  bool FShown = false;
  bool FNeeded = false;
  UINT FDisabled = ESB_ENABLE_BOTH;
};
