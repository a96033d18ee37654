#pragma once
// The speed button inside an editor's button part: a custom-colour,
// themed, classic or flat face, then its glyph and caption. The part is
// told of a left-button release over it; its own click does nothing.
#include <functional>

#include "grid/base/EditorButtonColors.h"
#include "platform/gui/Buttons.h"

class TAdvSpeedButton : public TSpeedButton {
 public:
  explicit TAdvSpeedButton(TComponent* AOwner);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool v) { FIsWinXP = v; Invalidate(); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v) { FFlat = v; Invalidate(); }
  bool Hot() const { return FHot; }
  // The colours of the part that holds the button.
  void SetColors(const TEditorButtonColors* v) { FColors = v; }
  void Click() override {}
  // A left-button release over the button.
  std::function<void()> OnReleased;

 protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  bool IsDown() const { return State() == bsDown || State() == bsExclusive; }
  // Draws the face and answers the rectangle left for glyph and caption.
  TRect PaintFace(TCanvas& C);
  void PaintContent(TCanvas& C, const TRect& R);
  bool FIsWinXP = false;
  bool FFlat = false;
  bool FHot = false;
  const TEditorButtonColors* FColors = nullptr;
};
