#pragma once
// The flat combo box: the native combo with its own border and drop-down
// button looks, a background that follows the focus and an attached label.
// The grid's combo editors derive from TAsgComboBox.
#include "grid/base/AttachedLabel.h"
#include "grid/base/ComboLook.h"
#include "grid/base/EditorButtonColors.h"
#include "platform/gui/StdCtrls.h"

class TAsgCustomCombo : public TComboBox {
 public:
  explicit TAsgCustomCombo(TComponent* AOwner);

  // The current colour is what focus loss returns to.
  void Init() { FNormalColor = Color(); }
  // Selects the item whose text is S, when there is one.
  void SelectItem(const String& S);

  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool v) { FAutoFocus = v; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  bool Etched() const { return FEtched; }
  void SetEtched(bool v) { FEtched = v; Invalidate(); }
  int ButtonWidth() const { return FButtonWidth; }
  // Only 14..32 are taken.
  void SetButtonWidth(int v);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool v) { FFocusBorder = v; Invalidate(); }
  int DropWidth() const { return FDropWidth; }
  void SetDropWidth(int v);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool v) { FIsWinXP = v; Invalidate(); }
  bool IsVista() const { return FIsVista; }
  void SetIsVista(bool v) { FIsVista = v; Invalidate(); }
  bool ButtonHover() const { return FButtonHover; }
  bool HasFocus() const { return FHasFocus; }
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor v) { FFlatLineColor = v; Invalidate(); }
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool v) { FFlatParentColor = v; Invalidate(); }
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor v) { FFocusColor = v; }
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor v) { FFocusBorderColor = v; Invalidate(); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool v) { FDisabledBorder = v; Invalidate(); }
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool v) { FFocusLabel = v; }
  const TEditorButtonColors& ButtonColors() const { return FButtonColors; }
  void SetButtonColors(const TEditorButtonColors& v) { FButtonColors = v; Invalidate(); }

  // The label: made at the first caption, owned by the combo, in its parent.
  TLabel* ComboLabel() const { return FLabel.Label(); }
  String LabelCaption() const { return FLabel.Caption(); }
  void SetLabelCaption(const String& v) { FLabel.SetCaption(v); }
  TLabelPosition LabelPosition() const { return FLabel.Position(); }
  void SetLabelPosition(TLabelPosition v) { FLabel.SetPosition(v); }
  int LabelMargin() const { return FLabel.Margin(); }
  void SetLabelMargin(int v) { FLabel.SetMargin(v); }
  bool LabelTransparent() const { return FLabel.Transparent(); }
  void SetLabelTransparent(bool v) { FLabel.SetTransparent(v); }
  bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
  void SetLabelAlwaysEnabled(bool v) { FLabel.SetAlwaysEnabled(v); }
  TFont* LabelFont() { return FLabel.Font(); }
  void SetLabelFont(const TFont& v);

  void SetEnabled(bool v) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnDropUp;

 protected:
  void Dispatch(TMessage& Message) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  TComboLook Look() const;
  bool StylesActive() const;
  bool OwnPainting() const;
  bool NonClientBorder() const;
  void Paint(TMessage& Message);
  void NonClientPaint(TMessage& Message);
  void ListNotification(WORD Code);
  void FocusChanged(bool Focus);
  void FlatEnabledChanged();
  void UpdateLabel();

  bool FAutoFocus = false;
  bool FFlat = false;
  bool FEtched = false;
  TColor FOldColor = clWindow;
  TColor FLoadedColor = clWindow;
  bool FOldParentColor = false;
  int FButtonWidth;
  bool FFocusBorder = false;
  bool FMouseInControl = false;
  int FDropWidth = 0;
  bool FIsWinXP = false;
  bool FIsThemed;
  bool FButtonHover = false;
  TAttachedLabel FLabel{*this};
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  TColor FFocusColor = clNone;
  TColor FFocusBorderColor = clNone;
  TColor FBorderColor = clNone;
  bool FDisabledBorder = true;
  TColor FNormalColor;
  bool FHasFocus = false;
  bool FFocusLabel = false;
  TEditorButtonColors FButtonColors;
  bool FIsVista = false;
};

class TAsgComboBox : public TAsgCustomCombo {
 public:
  explicit TAsgComboBox(TComponent* AOwner) : TAsgCustomCombo(AOwner) {}
};
