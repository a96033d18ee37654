#pragma once
// The button part of an edit with a button: a small window holding one
// speed button. A left-button release over the speed button clicks it,
// and the focus goes back to its FocusControl.
#include "grid/base/AdvSpeedButton.h"
#include "platform/gui/Controls.h"

class TAsgEditButton : public TCustomControl {
 public:
  explicit TAsgEditButton(TComponent* AOwner);
  TAdvSpeedButton* Button() const { return FButton; }
  TBitmap* Glyph() { return FButton->Glyph(); }
  void SetGlyph(const TBitmap& v) { FButton->SetGlyph(v); }
  String ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const String& v) { FButton->SetCaption(v); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int v) { FButton->SetNumGlyphs(v); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* v) { FFocusControl = v; }
  const TEditorButtonColors& Colors() const { return FColors; }
  void SetColors(const TEditorButtonColors& v);
  TNotifyEvent OnClick;

 protected:
  void Resize() override;

 private:
  void Released();
  TAdvSpeedButton* FButton;  // a child, owned as a component
  TWinControl* FFocusControl = nullptr;
  bool FFlat = false;
  TEditorButtonColors FColors;
};
