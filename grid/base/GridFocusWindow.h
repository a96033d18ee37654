#pragma once
// The window of the focus glow: a disabled child of the grid's form, above
// its other children, that shows a layered picture around the focused cell
// and never takes the focus or input. The toolkit blends a child itself, so
// the glow needs no compositing window manager and never floats over other
// programs.
#include "platform/gui/Controls.h"

class TGridFocusWindow : public TCustomControl {
 public:
  explicit TGridFocusWindow(TComponent* AOwner);
  String ClassName() const override { return u"TGridFocusWindow"; }
  bool CanFocus() const override { return false; }
  void CreateParams(TCreateParams& Params) override;
};
