#pragma once
// The owner-drawn check box of the grid's search panel: a classic box at
// the aligned side, its caption, a focus rectangle, keyboard handling and a
// transparent background copied from the parent (optionally cached).
#include "grid/base/GridTypes.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Controls.h"
#include "platform/gui/StdCtrls.h"

class TAdvCheckBox : public TCustomControl {
 public:
  explicit TAdvCheckBox(TComponent* AOwner);
  String ClassName() const override { return u"TAdvCheckBox"; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Checked becomes unchecked, anything else checked.
  virtual void Toggle();

  TCheckBoxState State() const { return FState; }
  // Repaints the box only.
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value);
  bool Down() const { return FDown; }
  String Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TAlignment Alignment() const { return FAlignment; }  // the box's side: left or right
  void SetAlignment(TAlignment Value);
  TVAlignment ButtonVertAlign() const { return FBtnVAlign; }
  void SetButtonVertAlign(TVAlignment Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool TransparentChaching() const { return FTransparentCaching; }
  void SetTransparentChaching(bool Value) { FTransparentCaching = Value; }

  // Where the classic box is drawn.
  TRect BoxRect() const;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

 private:
  void PaintBackground(TCanvas& C);
  void PaintCaption(TCanvas& C);
  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FReturnIsTab = false;
  TVAlignment FBtnVAlign = vtaTop;
  TAlignment FAlignment = taLeftJustify;
  bool FEllipsis = false;
  String FCaption = u"TAdvCheckBox";
  bool FReadOnly = false;
  bool FMouseDown = false;
  TBitmap FBkgBmp;
  bool FBkgCache = false;
  bool FTransparentCaching = false;
  bool FTransparent = false;
};
