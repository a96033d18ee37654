#pragma once
// The flat, owner-drawn speed button of the grid's search panel: hot, down
// and checked colours with optional gradients, rounded corners, a drop-down
// zone at the right edge and four glyphs. A tasCheck button keeps its Down
// state between clicks; grouped buttons release one another.
#include <functional>

#include "grid/base/GridTypes.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Menus.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TAdvGridButton : public TGraphicControl {
 public:
  explicit TAdvGridButton(TComponent* AOwner);
  ~TAdvGridButton() override;
  String ClassName() const override { return u"TAdvGridButton"; }

  void Click() override;
  // Only a button that is down tells of a double click.
  void DblClick() override {
    if (FDown) TGraphicControl::DblClick();
  }
  void Loaded() override;

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  TAdvGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TAdvGridButtonStyle Value);
  TButtonState State() const { return FState; }

  TBitmap* Glyph() { return &FGlyph; }
  // A glyph set while GlyphDisabled is empty gives it a grey copy.
  void SetGlyph(const TBitmap& Value);
  TBitmap* GlyphDisabled() { return &FGlyphDisabled; }
  void SetGlyphDisabled(const TBitmap& Value);
  TBitmap* GlyphHot() { return &FGlyphHot; }
  void SetGlyphHot(const TBitmap& Value);
  TBitmap* GlyphDown() { return &FGlyphDown; }
  void SetGlyphDown(const TBitmap& Value);
  const TBitmap& GlyphShade() const { return FGlyphShade; }
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);

  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);  // below -1 is refused
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool Value) { FAutoXPStyle = Value; }
  // Preset colours 0..6; other values apply nothing but are kept.
  int Look() const { return FLook; }
  void SetLook(int Value);

  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { SetFaceColor(FColorTo, Value); }
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value) { SetFaceColor(FColorHot, Value); }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value) { SetFaceColor(FColorHotTo, Value); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value) { SetFaceColor(FColorDown, Value); }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value) { SetFaceColor(FColorDownTo, Value); }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value) { SetFaceColor(FColorChecked, Value); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value) { SetFaceColor(FColorCheckedTo, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { SetFaceColor(FBorderColor, Value); }
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor Value) { SetFaceColor(FBorderDownColor, Value); }
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor Value) { SetFaceColor(FBorderHotColor, Value); }

  TNotifyEvent OnDropDown;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetFaceColor(TColor& Field, TColor Value);
  bool Inside(int X, int Y) const;
  // Down went on: the others of the group go up and take AllowAllUp.
  void UpdateExclusive();
  void ButtonPressed(const TAdvGridButton& Sender);
  void StateAtPaint();
  void ApplyThemeLook();
  void BuildShade();
  // Painting steps (AdvGridButtonPaint.cpp).
  void PaintFlatFace(TCanvas& C, const TRect& Client, bool Hot);
  void PaintContent(TCanvas& C, TRect R, bool Hot);
  const TBitmap& GlyphToDraw(bool Hot, bool Pressed) const;

  int FGroupIndex = 0;
  TBitmap FGlyph;
  bool FDown = false;
  bool FDragging = false;
  bool FAllowAllUp = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FSpacing = 4;
  int FMargin = -1;
  bool FFlat = true;
  bool FMouseInControl = false;
  TColor FColorTo = clNone;
  TColor FColorHot = 0xCAC7C7;
  TColor FColorHotTo = clNone;
  TColor FColorDown = 0xD8D3D2;
  TColor FColorDownTo = clNone;
  TColor FBorderColor = clNone;
  TColor FBorderDownColor = clNone;
  TColor FBorderHotColor = clNone;
  TBitmap FGlyphDisabled;
  TBitmap FGlyphHot;
  TBitmap FGlyphDown;
  TBitmap FGlyphShade;
  bool FShaded = true;
  TColor FColorChecked = 0x808080;
  TColor FColorCheckedTo = clNone;
  TAdvGridButtonStyle FStyle = tasButton;
  int FLook = 0;
  bool FRounded = false;
  bool FDropDownButton = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  TPopupMenu* FDropDownMenu = nullptr;
  bool FShowCaption = true;
  TButtonState FState = bsUp;
};

// Where glyph and caption go in a client area of Client (a size): the
// glyph's top-left and the caption's box.
struct TGridButtonLayout {
  TPoint GlyphPos;
  TRect TextBounds;
};
TGridButtonLayout LayoutGridButton(TPoint Client, TPoint GlyphSize, TPoint TextSize,
                                   TButtonLayout Layout, int Margin, int Spacing,
                                   bool RightToLeft);

// Steps vertical bands from A to B over R (at least one), then a frame in
// Frame when that is not clNone. Solid when B is clNone.
void FillGridButtonFace(TCanvas& C, TColor A, TColor B, int Steps, const TRect& R, TColor Frame);

// The grey copy of a glyph: each pixel's level round((R + G + B) / 3) div 2 + 96.
void MakeDisabledGlyph(const TBitmap& Glyph, TBitmap& Out);
// The glyph's shadow: its opaque pixels in 0x808080 on its transparent colour.
void MakeGlyphShade(const TBitmap& Glyph, TBitmap& Out);
