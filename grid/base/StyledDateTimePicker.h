#pragma once
// What the two styled date/time pickers share over the native picker: the
// metro look (an own drop button and border colours), the outline drawn
// without a 3D border, and the hover and focus state they paint from.
#include "grid/base/EditorButtonColors.h"
#include "grid/base/PickerLook.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"

class TStyledDateTimePicker : public TDateTimePicker {
 public:
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TBorderStyle v);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor v) { FFocusBorderColor = v; Invalidate(); }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool v) { FDisabledBorder = v; Invalidate(); }
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool v) { FFocusBorder = v; Invalidate(); }
  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool v);
  const TEditorButtonColors& ButtonColors() const { return FButtonColors; }
  void SetButtonColors(const TEditorButtonColors& v) { FButtonColors = v; Invalidate(); }
  int ButtonWidth() const { return FButtonWidth; }
  bool ButtonHover() const { return FButtonHover; }
  bool HasFocus() const { return FHasFocus; }
  // The own button and borders are painted now.
  virtual bool MetroActive() const = 0;

 protected:
  TStyledDateTimePicker(TComponent* AOwner, bool Ctl3D, TColor BorderColor);
  // Whether a picker without a 3D border gets the outline.
  virtual bool OutlineWanted() const = 0;
  // How far left of the button the themed erase reaches.
  virtual int ThemedEraseInset() const = 0;
  // A second outline one pixel inside, without visual styles.
  virtual bool SecondOutline() const { return false; }

  void Dispatch(TMessage& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  bool StylesActive() const;
  TComboLook Look() const;
  void Paint(TMessage& Message);
  void NonClientPaint(TMessage& Message);
  void RedrawBorders(TCanvas& Canvas) const;
  void DrawOutline(TCanvas& Canvas) const;
  void FocusChanged(bool Focus);

  bool FCtl3D;
  TBorderStyle FBorderStyle = bsNone;
  TColor FBorderColor;
  bool FIsThemed;
  TEditorButtonColors FButtonColors;
  int FButtonWidth;
  bool FButtonHover = false;
  bool FMouseInControl = false;
  bool FIsWinXP;
  bool FMetroStyle = false;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = false;
  bool FHasFocus = false;
  bool FFocusBorder = false;
};
