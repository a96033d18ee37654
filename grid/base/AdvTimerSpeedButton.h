#pragma once
// One arrow of the spin button pair: a speed button that clicks again and
// again while it is held (after 400 ms, then every 100 ms), painted in the
// pair's custom colours, the themed spin parts or the classic look.
#include "grid/base/EditorButtonColors.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/Timers.h"

enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };

// TTimeBtnState flags.
constexpr unsigned tbFocusRect = 1;   // the arrow that has the focus
constexpr unsigned tbAllowTimer = 2;  // auto-repeat while held

class TAdvTimerSpeedButton : public TSpeedButton {
 public:
  explicit TAdvTimerSpeedButton(TComponent* AOwner);
  unsigned TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(unsigned v) { FTimeBtnState = v; }
  TButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TButtonDirection v);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool v);
  bool HasMouse() const { return FHasMouse; }
  // The colours of the pair that holds the arrow.
  void SetColors(const TEditorButtonColors* v) { FColors = v; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  bool IsDown() const { return State() == bsDown || State() == bsExclusive; }
  void Repeat();
  void InvalidateParent();
  void PaintCustom(TCanvas& C, const TRect& R);
  bool PaintThemed(TCanvas& C, const TRect& R);
  TTimer* FRepeatTimer = nullptr;  // owned as a component, made on the first press
  unsigned FTimeBtnState = 0;
  TButtonDirection FButtonDirection = bdLeft;
  bool FIsWinXP = false;
  bool FHasMouse = false;
  const TEditorButtonColors* FColors = nullptr;
};
