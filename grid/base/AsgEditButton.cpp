#include "grid/base/AsgEditButton.h"

#include "platform/gui/Views.h"

TAsgEditButton::TAsgEditButton(TComponent* AOwner)
    : TCustomControl(AOwner), FButton(new TAdvSpeedButton(this)) {
  SetView(platform::CreatePaintView(*this));
  SetControlStyle((ControlStyle() & ~(csAcceptsControls | csSetCaption)) | csOpaque);
  SetColor(clBtnFace);
  FButton->SetParent(this);
  FButton->SetColors(&FColors);
  FButton->OnReleased = [this] { Released(); };
  SetBounds(0, 0, 20, 25);
}

void TAsgEditButton::SetFlat(bool v) {
  FFlat = v;
  FButton->SetFlat(v);
}

void TAsgEditButton::SetColors(const TEditorButtonColors& v) {
  FColors = v;
  FButton->Invalidate();
}

void TAsgEditButton::Resize() {
  TCustomControl::Resize();
  FButton->SetBounds(0, 0, Width(), Height());
}

void TAsgEditButton::Released() {
  const TFreeWatch watch(*this);  // the handler may free the edit
  FireEvent(OnClick, this);
  if (watch.Freed()) return;
  TWinControl* focus = FFocusControl;
  if (focus && focus->TabStop() && focus->CanFocus() && !focus->Focused()) return focus->SetFocus();
  if (TabStop() && !Focused() && CanFocus()) SetFocus();
}
