#pragma once
// A drop-down edit's drop button: a small window at the edit's right edge
// holding one speed button that paints the arrow; a left-button release
// over it clicks the window (the edit opens its pop-up then).
#include "grid/base/EditorButtonColors.h"
#include "grid/dropdown/DropDownArrow.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/Controls.h"

enum TButtonStyle { bsButton, bsDropDown };

class TDropDownEditButton;

class TAdvDropDownSpeedButton : public TSpeedButton {
 public:
  TAdvDropDownSpeedButton(TComponent* AOwner, TDropDownEditButton& Holder);
  String ClassName() const override { return u"TAdvDropDownSpeedButton"; }
  // Drawn unpressed even while pressed.
  void SetUp(bool v) { FUp = v; }
  bool Up() const { return FUp; }
  bool Hot() const { return FHot; }
  bool Etched() const { return FEtched; }
  void SetEtched(bool v) { FEtched = v; Invalidate(); }
  bool Focused() const { return FFocused; }
  void SetFocused(bool v);
  TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TButtonStyle v) { FButtonStyle = v; Invalidate(); }
  bool IsWinXP() const { return FIsWinXP; }
  // What its Paint would draw now.
  TDropArrowLook ArrowLook() const;
  TDropPushLook PushLook() const;
  void Click() override {}

 protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  bool Pressed() const;
  TDropDownEditButton& FHolder;
  bool FEtched = false;
  bool FFocused = false;
  bool FHot = false;
  bool FUp = false;
  bool FIsWinXP;
  TButtonStyle FButtonStyle = bsDropDown;
};

class TDropDownEditButton : public TCustomControl {
 public:
  explicit TDropDownEditButton(TComponent* AOwner);
  String ClassName() const override { return u"TDropDownEditButton"; }
  TAdvDropDownSpeedButton* Button() const { return FButton; }
  TBitmap* Glyph() { return FButton->Glyph(); }
  void SetGlyph(const TBitmap& v) { FButton->SetGlyph(v); }
  String ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const String& v) { FButton->SetCaption(v); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int v) { FButton->SetNumGlyphs(v); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* v) { FFocusControl = v; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int v);
  // The custom look; Color clNone leaves it off.
  TEditorButtonColors& Colors() { return FColors; }
  const TEditorButtonColors& Colors() const { return FColors; }
  void SetEnabled(bool v) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnClick;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TAdvDropDownSpeedButton;
  void Released();
  TAdvDropDownSpeedButton* FButton;  // a child, owned as a component
  TWinControl* FFocusControl = nullptr;
  int FButtonWidth = 16;
  TEditorButtonColors FColors;
};
