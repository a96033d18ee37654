#pragma once
// The window of the focus glow: a top-most, non-activating, disabled pop-up
// that shows a layered picture over the focused cell and never takes the
// focus or input.
#include "platform/gui/Controls.h"

class TGridFocusWindow : public TCustomControl {
 public:
  explicit TGridFocusWindow(TComponent* AOwner);
  String ClassName() const override { return u"TGridFocusWindow"; }
  bool CanFocus() const override { return false; }
  void CreateParams(TCreateParams& Params) override;
};
