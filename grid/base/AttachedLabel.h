#pragma once
// The label an editor control may carry beside it: made at the first
// caption, owned by the control, living in the control's parent and placed
// around the control by one of the label positions.
#include "grid/base/LabelPlacement.h"
#include <functional>

#include "platform/gui/StdCtrls.h"

class TAttachedLabel {
 public:
  explicit TAttachedLabel(TWinControl& Control);
  // The label goes with the control, while the control is whole.
  ~TAttachedLabel();
  TAttachedLabel(const TAttachedLabel&) = delete;
  TAttachedLabel& operator=(const TAttachedLabel&) = delete;

  TLabel* Label() const { return FLabel; }
  String Caption() const { return FLabel ? FLabel->Caption() : String(); }
  // Makes the label when there is none: its font from Font(), ParentFont as the control's.
  void SetCaption(const String& v);
  TLabelPosition Position() const { return FPosition; }
  void SetPosition(TLabelPosition v) { FPosition = v; Changed(); }
  int Margin() const { return FMargin; }
  void SetMargin(int v) { FMargin = v; Changed(); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v) { FTransparent = v; Changed(); }
  bool AlwaysEnabled() const { return FAlwaysEnabled; }
  void SetAlwaysEnabled(bool v) { FAlwaysEnabled = v; Changed(); }
  // The label's own font; a change places the label again.
  TFont* Font() { return &FFont; }

  // Called for every change of the label's settings; the control brings
  // the label up to date there.
  std::function<void()> OnChange;
  // Transparency, then the font (when given), then the place.
  void Update(const TFont* LabelFont);
  // Beside the control's bounds, and as visible as the control.
  void Place();
  void SetBold(bool Bold);
  // The control's Enabled, unless the label is always enabled.
  void FollowEnabled();
  void FollowVisible();
  // The label freed by someone else (its parent) is forgotten.
  void Forget(TComponent* Component);

 private:
  void Changed();
  TWinControl& FControl;
  TLabel* FLabel = nullptr;  // owned as a component of the control
  TFont FFont;
  TLabelPosition FPosition = lpLeftTop;
  int FMargin = 4;
  bool FTransparent = false;
  bool FAlwaysEnabled = false;
};
