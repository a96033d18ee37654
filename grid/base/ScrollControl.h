#pragma once
// The slim scroll control of the grid's ssMetro scroll type: one per
// direction, aligned to the grid's right or bottom edge. Its drawing and
// dragging come with the scrolling family.
#include "platform/gui/Controls.h"

class TScrollControl : public TCustomControl {
 public:
  explicit TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {}
  String ClassName() const override { return u"TScrollControl"; }
  // 0 vertical, 1 horizontal.
  int Direction() const { return FDirection; }
  void SetDirection(int Value) { FDirection = Value; }

 private:
  int FDirection = 0;
};
