#pragma once
// The flat push button of every window: a focusable self-painting control
// with a caption, an optional glyph strip, six styles, colour presets, stock
// kinds (caption, glyph and modal result), a hot-track colour while the
// pointer is over it and an optional slow fade of that colour.
#include <memory>

#include "controls/button/LbButtonDraw.h"
#include "platform/gui/Controls.h"

class TLbButtonThread;

class TLbButton : public TCustomControl {
 public:
  explicit TLbButton(TComponent* AOwner);
  ~TLbButton() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // Always reads lcsCustom: a preset only sets the colours and the style.
  TLbColorStyle ColorStyle() const { return FDummyStyle; }
  void SetColorStyle(TLbColorStyle Value);
  TColor ColorWhenDown() const { return FColorWhenDown; }
  void SetColorWhenDown(TColor Value) { FColorWhenDown = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  void SetEnabled(bool Value) override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The strip of NumGlyphs cells: normal, disabled, pressed, hot.
  const TBitmap* Glyph() const { return FGlyph.get(); }
  // Copies Value (null empties the glyph); NumGlyphs := width div height.
  void SetGlyph(const TBitmap* Value);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor Value) { FHotTrackColor = Value; }
  TFont* HotTrackFont() { return FHTFont.get(); }
  void SetHotTrackFont(const TFont& Value);
  bool UseHotTrackFont() const { return FUseHTFont; }
  void SetUseHotTrackFont(bool Value) { FUseHTFont = Value; }
  TLbButtonKind Kind() const { return FKind; }
  void SetKind(TLbButtonKind Value);
  TLbButtonLayout Layout() const { return FLayout; }
  void SetLayout(TLbButtonLayout Value);
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value);
  bool SlowDecease() const { return FSlowDecease; }
  void SetSlowDecease(bool Value);
  TLbButtonStyle Style() const { return FStyle; }
  void SetStyle(TLbButtonStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  // OnClick, OnMouseEnter come from TControl; OnMouseExit is the button's own.
  TNotifyEvent OnMouseExit;

  void Click() override;

 protected:
  virtual void DoClick();
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;

 private:
  void FadeStep(TLbButtonThread* Sender);
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  bool ShowingAndEnabled() const;
  bool FocusedIsAButton() const;
  TLbButtonFace Face(int W, int H, bool Hot) const;
  void PaintOld(TCanvas& Target, const TLbButtonFace& Face);
  void CreateThread();
  void EndThread();

  TAlignment FAlignment = taCenter;
  TColor FShadowColor = RGB(128, 128, 128);
  TColor FColorWhenDown = clNone;
  bool FFlat = false;
  bool FWordWrap = false;
  std::unique_ptr<TBitmap> FGlyph;
  TColor FHotTrackColor = clNone;
  std::unique_ptr<TFont> FHTFont;
  TLbButtonKind FKind = bkCustom;
  TLbButtonLayout FLayout = blGlyphLeft;
  TColor FLightColor = clWhite;
  TModalResult FModalResult = mrNone;
  int FNumGlyphs = 0;
  bool FUseHTFont = false;
  TLbColorStyle FDummyStyle = lcsCustom;
  TLbButtonStyle FStyle = bsNormal;
  bool FDefault = false;
  bool FCancel = false;
  bool FSlowDecease = false;
  bool bDown = false;
  bool bCursorOnButton = false;
  std::unique_ptr<TLbButtonThread> FThread;
  int FHotTrackStep = 0;
};
