#pragma once
// The styled picker the date/time picker with a label builds on, and the
// class of its time part: a one-pixel outline without a 3D border, the metro
// look unless NativeBorder, and AutoTab moving on to the next field once a
// typed digit has changed the current one.
#include "grid/base/StyledDateTimePicker.h"

// The registered "DTPShiftFocus" message, posted after a digit.
UINT DTPShiftFocus();

class TCustomDateTimePicker : public TStyledDateTimePicker {
 public:
  explicit TCustomDateTimePicker(TComponent* AOwner);
  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool v) { FAutoTab = v; }
  // Leaves every border and the button to the native picker.
  virtual bool NativeBorder() const { return true; }
  bool MetroActive() const override { return MetroStyle() && !NativeBorder(); }

 protected:
  bool OutlineWanted() const override { return true; }
  int ThemedEraseInset() const override { return 4; }
  bool SecondOutline() const override { return true; }
  void KeyPress(Char& Key) override;
  void Dispatch(TMessage& Message) override;
  // After the native picker has taken a digit: on to the next field when
  // the digit changed the hour, minute or second.
  virtual void DoAutoTab();
  void PostNextField();

 private:
  bool FAutoTab = false;
  int Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};
