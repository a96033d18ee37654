#include "grid/base/AsgDateTimePicker.h"

namespace {
bool Designing(const TComponent& C) { return (C.ComponentState() & csDesigning) != 0; }
}  // namespace

TAsgDateTimePicker::TAsgDateTimePicker(TComponent* AOwner) : TStyledDateTimePicker(AOwner, true, clNone) {}

bool TAsgDateTimePicker::MetroActive() const { return MetroStyle() && !Designing(*this); }

// While designing the pointer changes nothing.
void TAsgDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  if (Designing(*this)) return TDateTimePicker::MouseMove(Shift, X, Y);
  TStyledDateTimePicker::MouseMove(Shift, X, Y);
}

void TAsgDateTimePicker::MouseEnter() {
  if (Designing(*this)) return TDateTimePicker::MouseEnter();
  TStyledDateTimePicker::MouseEnter();
}

void TAsgDateTimePicker::MouseLeave() {
  if (Designing(*this)) return TDateTimePicker::MouseLeave();
  TStyledDateTimePicker::MouseLeave();
}
