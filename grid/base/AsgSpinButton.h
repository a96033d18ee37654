#pragma once
// The spin button pair: an up and a down arrow (right and left when
// horizontal) that fire OnUpClick and OnDownClick once per click and again
// while held. A press hands the focus to FocusControl; with the focus
// itself the pair answers Space, Up and Down.
#include "grid/base/AdvTimerSpeedButton.h"
#include "platform/gui/Controls.h"

enum TSpinDirection { spVertical, spHorizontal };

class TAsgSpinButton : public TCustomControl {
 public:
  explicit TAsgSpinButton(TComponent* AOwner);

  TAdvTimerSpeedButton* UpButton() const { return FUpButton; }
  TAdvTimerSpeedButton* DownButton() const { return FDownButton; }
  TAdvTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection v);
  TBitmap* UpGlyph() { return FUpButton->Glyph(); }
  TBitmap* DownGlyph() { return FDownButton->Glyph(); }
  // Null brings back the built-in arrow, with a glyph count of 1.
  void SetUpGlyph(const TBitmap* v) { SetGlyphOf(*FUpButton, v, u"AsgSpinUp"); }
  void SetDownGlyph(const TBitmap* v) { SetGlyphOf(*FDownButton, v, u"AsgSpinDown"); }
  int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(int v) { FUpButton->SetNumGlyphs(v); }
  int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(int v) { FDownButton->SetNumGlyphs(v); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* v);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool v);
  // The custom look: a ButtonColor other than clNone selects it.
  const TEditorButtonColors& ButtonColors() const { return FColors; }
  void SetButtonColors(const TEditorButtonColors& v);
  TColor ButtonColor() const { return FColors.Color; }
  void SetButtonColor(TColor v) { SetColorField(&TEditorButtonColors::Color, v); }
  TColor ButtonColorHot() const { return FColors.ColorHot; }
  void SetButtonColorHot(TColor v) { SetColorField(&TEditorButtonColors::ColorHot, v); }
  TColor ButtonColorDown() const { return FColors.ColorDown; }
  void SetButtonColorDown(TColor v) { SetColorField(&TEditorButtonColors::ColorDown, v); }
  TColor ButtonBorderColor() const { return FColors.BorderColor; }
  void SetButtonBorderColor(TColor v) { SetColorField(&TEditorButtonColors::BorderColor, v); }
  TColor ButtonTextColor() const { return FColors.TextColor; }
  void SetButtonTextColor(TColor v) { SetColorField(&TEditorButtonColors::TextColor, v); }
  TColor ButtonTextColorHot() const { return FColors.TextColorHot; }
  void SetButtonTextColorHot(TColor v) { SetColorField(&TEditorButtonColors::TextColorHot, v); }
  TColor ButtonTextColorDown() const { return FColors.TextColorDown; }
  void SetButtonTextColorDown(TColor v) { SetColorField(&TEditorButtonColors::TextColorDown, v); }
  // The size is adjusted first: at least 15 wide upright, 20 lying.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Paint() override;
  void Resize() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TAdvTimerSpeedButton* MakeButton(TButtonDirection Direction, const String& Glyph);
  void SetGlyphOf(TAdvTimerSpeedButton& Button, const TBitmap* v, const String& BuiltIn);
  void SetColorField(TColor TEditorButtonColors::*Field, TColor v);
  // Places the arrows for W x H, widening W to the least the direction needs.
  void AdjustSize(int& W, int& H);
  void Readjust();
  void ButtonClick(TObject* Sender);
  void ButtonPressed(TObject* Sender, TMouseButton Button);
  void SetFocusBtn(TAdvTimerSpeedButton* Button);
  void ShowFocus(bool Focused);
  TAdvTimerSpeedButton* FUpButton = nullptr;    // children, owned as components
  TAdvTimerSpeedButton* FDownButton = nullptr;
  TAdvTimerSpeedButton* FFocusedButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
  TEditorButtonColors FColors;
};
