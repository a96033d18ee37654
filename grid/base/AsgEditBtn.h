#pragma once
// A single-line edit with a push button inside its right edge: the button
// or F4 fires OnClickBtn. The grid's button editors derive from it.
#include "grid/base/AsgEditButton.h"
#include "grid/base/EditButtonLayout.h"
#include "platform/gui/Mask.h"

class TAsgEditBtn : public TMaskEdit {
 public:
  explicit TAsgEditBtn(TComponent* AOwner);
  ~TAsgEditBtn() override;

  TAsgEditButton* Button() const { return FButton; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int v);
  String ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const String& v) { FButton->SetButtonCaption(v); }
  TBitmap* Glyph() { return FButton->Glyph(); }
  void SetGlyph(const TBitmap& v) { FButton->SetGlyph(v); }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool v) { FEditorEnabled = v; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool v);
  bool RightAlign() const { return FRightAlign; }
  // A window style: the window is made again.
  void SetRightAlign(bool v);
  // The lowest height the edit takes for its font.
  int GetMinHeight() const;

  TNotifyEvent OnClickBtn;

  // The button part or F4 (Sender the edit) was pressed.
  virtual void ButtonClicked(TObject* Sender);

 protected:
  void Dispatch(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void NativeMade() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoEnter() override;
  void Resize() override;
  // The text runs left of the unit space and the button part.
  void SetEditRect();
  TEditButtonGeometry Geometry() const;
  int FUnitSize = 0;

 private:
  TAsgEditButton* FButton;  // a child, owned as a component
  bool FRightAlign = false;
  bool FEditorEnabled = true;
  int FButtonWidth = 0;
  bool FIsWinXP = false;
};
