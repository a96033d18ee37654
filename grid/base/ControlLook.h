#pragma once
// The look of in-cell controls (check boxes, radio buttons, progress bars,
// drop-down and spin buttons) and the fixed-cell gradient colours, owned by
// a grid. Setters repaint the grid; the fixed-gradient setters also hand the
// colour to the grid. Assign copies quietly.
#include <array>
#include <memory>

#include "grid/base/LookOwner.h"
#include "grid/base/LookTypes.h"
#include "platform/sys/Component.h"

class TBitmap;
class THeaderAppearance;
class TFooterAppearance;

#define GX_FIXED_GRADIENT(Name, Part)                                  \
  TColor Name() const { return FFixedGradient[Part]; }                \
  void Set##Name(TColor Value) { SetFixedGradient(Part, Value); }

class TControlLook : public TPersistent {
 public:
  explicit TControlLook(TLookOwner* AOwner);
  ~TControlLook() override;
  String ClassName() const override { return u"TControlLook"; }
  // Copies from another TControlLook only; FlatButton, ProgressXP, the two
  // no-disabled-look flags and FixedDropDownButton stay.
  void Assign(const TPersistent& Source) override;
  // Colours and fixed gradients back to their defaults.
  void Init();

  int CheckSize() const { return FCheckSize; }
  void SetCheckSize(int Value) { Store(FCheckSize, Value); }
  int RadioSize() const { return FRadioSize; }
  void SetRadioSize(int Value) { Store(FRadioSize, Value); }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { Store(FControlStyle, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  TColor CommentColor() const { return FCommentColor; }
  void SetCommentColor(TColor Value) { Store(FCommentColor, Value); }
  bool FlatButton() const { return FFlatButton; }
  void SetFlatButton(bool Value) { Store(FFlatButton, Value); }
  bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
  void SetDropDownAlwaysVisible(bool Value) { Store(FDropDownAlwaysVisible, Value); }
  bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
  void SetSpinButtonsAlwaysVisible(bool Value) { Store(FSpinButtonsAlwaysVisible, Value); }
  bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
  void SetNoDisabledCheckRadioLook(bool Value) { Store(FNoDisabledCheckRadioLook, Value); }
  bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
  void SetNoDisabledButtonLook(bool Value) { Store(FNoDisabledButtonLook, Value); }
  bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
  void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
  bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
  void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
  int ProgressMarginX() const { return FProgressMarginX; }
  void SetProgressMarginX(int Value) { Store(FProgressMarginX, Value); }
  int ProgressMarginY() const { return FProgressMarginY; }
  void SetProgressMarginY(int Value) { Store(FProgressMarginY, Value); }
  bool ProgressXP() const { return FProgressXP; }
  void SetProgressXP(bool Value) { Store(FProgressXP, Value); }
  TColor ProgressBorderColor() const { return FProgressBorderColor; }
  void SetProgressBorderColor(TColor Value) { FProgressBorderColor = Value; }
  bool FixedDropDownButton() const { return FFixedDropDownButton; }
  void SetFixedDropDownButton(bool Value) { FFixedDropDownButton = Value; }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int HintMaxWidth() const { return FHintMaxWidth; }
  void SetHintMaxWidth(int Value) { FHintMaxWidth = Value; }
  // What the grid's drop-down editors take for their pop-ups' strips;
  // assigning copies and repaints nothing.
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(const THeaderAppearance& Value);
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(const TFooterAppearance& Value);

  // The glyphs are copied in; an empty glyph means the built-in drawing.
  TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
  void SetCheckedGlyph(const TBitmap& Value) { SetGlyph(*FCheckedGlyph, Value); }
  TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
  void SetUnCheckedGlyph(const TBitmap& Value) { SetGlyph(*FUnCheckedGlyph, Value); }
  TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
  void SetRadioOnGlyph(const TBitmap& Value) { SetGlyph(*FRadioOnGlyph, Value); }
  TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
  void SetRadioOffGlyph(const TBitmap& Value) { SetGlyph(*FRadioOffGlyph, Value); }

  TColor FixedGradient(TFixedGradientPart Part) const { return FFixedGradient[Part]; }
  // Stores the colour and hands it to the grid (mirror colours always,
  // the others only when not clNone).
  void SetFixedGradient(TFixedGradientPart Part, TColor Value);
  GX_FIXED_GRADIENT(FixedGradientFrom, fgFrom)
  GX_FIXED_GRADIENT(FixedGradientTo, fgTo)
  GX_FIXED_GRADIENT(FixedGradientMirrorFrom, fgMirrorFrom)
  GX_FIXED_GRADIENT(FixedGradientMirrorTo, fgMirrorTo)
  GX_FIXED_GRADIENT(FixedGradientHoverFrom, fgHoverFrom)
  GX_FIXED_GRADIENT(FixedGradientHoverTo, fgHoverTo)
  GX_FIXED_GRADIENT(FixedGradientHoverMirrorFrom, fgHoverMirrorFrom)
  GX_FIXED_GRADIENT(FixedGradientHoverMirrorTo, fgHoverMirrorTo)
  GX_FIXED_GRADIENT(FixedGradientHoverBorder, fgHoverBorder)
  GX_FIXED_GRADIENT(FixedGradientDownFrom, fgDownFrom)
  GX_FIXED_GRADIENT(FixedGradientDownTo, fgDownTo)
  GX_FIXED_GRADIENT(FixedGradientDownMirrorFrom, fgDownMirrorFrom)
  GX_FIXED_GRADIENT(FixedGradientDownMirrorTo, fgDownMirrorTo)
  GX_FIXED_GRADIENT(FixedGradientDownBorder, fgDownBorder)

 private:
  template <class T>
  void Store(T& Field, T Value) {
    Field = Value;
    FOwner->LookChanged();
  }
  void SetGlyph(TBitmap& Glyph, const TBitmap& Value);

  TLookOwner* FOwner;
  int FCheckSize = 15;
  std::unique_ptr<TBitmap> FUnCheckedGlyph;
  std::unique_ptr<TBitmap> FCheckedGlyph;
  TControlStyle FControlStyle = csTheme;
  TColor FColor = clBlack;
  int FRadioSize = 10;
  std::unique_ptr<TBitmap> FRadioOffGlyph;
  std::unique_ptr<TBitmap> FRadioOnGlyph;
  bool FFlatButton = false;
  int FProgressMarginY = 2;
  int FProgressMarginX = 2;
  bool FProgressXP = false;
  bool FDropDownAlwaysVisible = false;
  bool FSpinButtonsAlwaysVisible = false;
  bool FNoDisabledCheckRadioLook = false;
  bool FNoDisabledButtonLook = false;
  TColor FCommentColor = clRed;
  TColor FProgressBorderColor = clGray;
  std::array<TColor, FixedGradientPartCount> FFixedGradient{};
  bool FFixedDropDownButton = false;
  bool FCheckAlwaysActive = false;
  bool FRadioAlwaysActive = false;
  int FDropDownCount = 8;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
  int FHintMaxWidth = 0;
};

#undef GX_FIXED_GRADIENT
