#pragma once
// The date/time picker the grid's date editors derive from: the native
// picker with a 3D border, or with the metro look its own button and border.
#include "grid/base/StyledDateTimePicker.h"

class TAsgDateTimePicker : public TStyledDateTimePicker {
 public:
  explicit TAsgDateTimePicker(TComponent* AOwner);
  String Version() const { return u"1.0.0.0"; }
  bool MetroActive() const override;

 protected:
  bool OutlineWanted() const override { return BorderColor() != clNone; }
  int ThemedEraseInset() const override { return 15; }
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
};
