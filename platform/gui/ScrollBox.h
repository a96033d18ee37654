#pragma once
// A windowed control with scroll bars of its own over a content larger than
// itself. Scrolling moves the children that are not aligned, as the content
// does; aligned children stay where the client area puts them. With
// AutoScroll the ranges reach to the farthest such child; a child moved
// later is counted at the next Realign.
#include <memory>

#include "platform/gui/Controls.h"

class TScrollBox;

class TControlScrollBar {
 public:
  // The content's extent along the bar (0: nothing to scroll).
  int Range() const { return FRange; }
  void SetRange(int v);
  // How far the content is scrolled, within 0 .. Range less the client extent.
  int Position() const { return FPosition; }
  void SetPosition(int v);
  // The step of the bar's arrows.
  int Increment() const { return FIncrement; }
  void SetIncrement(int v);
  // Whether the bar may show; it shows only while the range exceeds the client area.
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  bool IsScrollBarVisible() const { return FShown; }

 private:
  friend class TScrollBox;
  TControlScrollBar(TScrollBox& Box, bool Vertical) : FBox(Box), FVertical(Vertical) {}

  TScrollBox& FBox;
  bool FVertical;
  int FRange = 0;
  int FPosition = 0;
  int FIncrement = 8;
  bool FVisible = true;
  bool FShown = false;
};

class TScrollBox : public TWinControl {
 public:
  explicit TScrollBox(TComponent* AOwner);
  ~TScrollBox() override;

  TControlScrollBar& HorzScrollBar() { return FHorz; }
  TControlScrollBar& VertScrollBar() { return FVert; }
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool v);
  // Without the room the shown scroll bars take.
  int ClientWidth() const override;
  int ClientHeight() const override;
  // Moves the content by DeltaX, DeltaY (positive: right and down).
  void ScrollBy(int DeltaX, int DeltaY);

 protected:
  void AlignControls() override;

 private:
  friend class TControlScrollBar;
  struct TNativeBars;
  // Ranges, which bars show, positions kept in range; then the native bars.
  void UpdateScrollBars();
  void ApplyBars();  // backend
  void MoveTo(TControlScrollBar& Bar, int Position);

  TControlScrollBar FHorz{*this, false};
  TControlScrollBar FVert{*this, true};
  bool FAutoScroll = true;
  bool FUpdating = false;
  std::unique_ptr<TNativeBars> FBars;
};
