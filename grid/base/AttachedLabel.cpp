#include "grid/base/AttachedLabel.h"

TAttachedLabel::TAttachedLabel(TWinControl& Control) : FControl(Control) {
  FFont.OnChange = [this](TPersistent*) { Changed(); };
}

TAttachedLabel::~TAttachedLabel() { delete FLabel; }

void TAttachedLabel::SetCaption(const String& v) {
  if (!FLabel) {
    FLabel = new TLabel(&FControl);
    FLabel->SetParent(FControl.Parent());
    FLabel->SetFocusControl(&FControl);
    FLabel->SetFont(FFont);
    FLabel->SetParentFont(FControl.ParentFont());
  }
  FLabel->SetCaption(v);
  Changed();
}

void TAttachedLabel::Changed() {
  if (OnChange) OnChange();
}

void TAttachedLabel::Update(const TFont* LabelFont) {
  if (!FLabel) return;
  FLabel->SetTransparent(FTransparent);
  if (LabelFont) FLabel->SetFont(*LabelFont);
  Place();
}

void TAttachedLabel::Place() {
  if (!FLabel) return;
  TLabelPlacement p;
  p.Control = FControl.BoundsRect();
  p.TextWidth = FLabel->Width();
  p.LabelWidth = FLabel->Width();
  p.LabelHeight = FLabel->Height();
  p.Margin = FMargin;
  const TPoint at = PlaceLabel(FPosition, p);
  FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
  FollowVisible();
}

void TAttachedLabel::SetBold(bool Bold) {
  if (!FLabel) return;
  TFontStyles style = FLabel->Font()->Style();
  if (Bold) style += {fsBold};
  else style -= {fsBold};
  FLabel->Font()->SetStyle(style);
  // A bold caption is wider: placed again, it keeps clear of the control.
  Place();
}

void TAttachedLabel::FollowEnabled() {
  if (FLabel && !FAlwaysEnabled) FLabel->SetEnabled(FControl.Enabled());
}

void TAttachedLabel::FollowVisible() {
  if (FLabel) FLabel->SetVisible(FControl.Visible());
}

void TAttachedLabel::Forget(TComponent* Component) {
  if (Component == FLabel) FLabel = nullptr;
}
