#pragma once
// The small push button of a pop-up's header and footer strips. It shows
// what the strip paints beneath it, then a face in the colours of the
// drop-down's shared button appearance; a footer button closes the pop-up
// by its modal result before its click event fires.
#include "grid/base/DropDownAppearances.h"
#include "platform/gui/Controls.h"

class TAdvCustomDropDown;
class TImageList;
class TTimer;

enum TAdvButtonStyle { tasButton, tasCheck };
enum TAdvButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// What a button's modal result does to an open pop-up.
enum TModalClose { mcStayOpen, mcCloseKeep, mcCloseCancel };
TModalClose ModalResultClose(TModalResult Value);

// The face of a button in one state: the first that applies of disabled,
// pressed (the mouse went down inside and is inside), down, hot (or
// focused), normal. Pressed, down and hot faces are solid.
struct TAdvButtonLook {
  bool Enabled = true;
  bool Pressed = false;
  bool Down = false;
  bool Hot = false;
};
struct TAdvButtonFace {
  TColor Color, ColorTo, BorderColor;
  friend bool operator==(const TAdvButtonFace&, const TAdvButtonFace&) = default;
};
TAdvButtonFace AdvButtonFace(const TAdvButtonAppearance& A, const TAdvButtonLook& L);

class TAdvButton : public TCustomControl {
 public:
  explicit TAdvButton(TComponent* AOwner);
  ~TAdvButton() override;
  String ClassName() const override { return u"TAdvButton"; }

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v) { FGroupIndex = v; }
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v) { FAllowAllUp = v; }
  TAdvButtonStyle Style() const { return FStyle; }
  void SetStyle(TAdvButtonStyle v) { FStyle = v; }
  TAdvButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  bool MouseDownInControl() const { return FMouseDownInControl; }
  bool Dragging() const { return FDragging; }
  // Not owned: the drop-down's, shared by all its strips' buttons.
  TAdvButtonAppearance* Appearance() const { return FAppearance; }
  void SetAppearance(TAdvButtonAppearance* v);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* v);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v) { FModalResult = v; }
  // Set on footer buttons: the drop-down their modal result closes.
  TAdvCustomDropDown* AdvDropDown() const { return FAdvDropDown; }
  void SetAdvDropDown(TAdvCustomDropDown* v) { FAdvDropDown = v; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v) { FAutoSize = v; }
  // Clears the hot look once the pointer is gone without a leave notice.
  TTimer* UnHotTimer() const { return FUnHotTimer; }

  // The caption's (or image's, when larger) size plus 8 x 4.
  void AutoSizeButton();
  // The face DrawButton paints now.
  TAdvButtonFace Face() const;
  // The form's modal result, the pop-up closed by it, then OnClick (not
  // for a click by key).
  void Click() override;

 protected:
  virtual void DrawButton(TCanvas& Canvas);
  void Paint() override;
  void Loaded() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void Press();
  void ReleaseAfterKey();
  void SyncHover();
  void UnHotTick();
  void OtherButtonPressed(const TMessage& Message);
  void SetMouseInControl(bool v);
  bool PointerInside() const;

  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FMouseInControl = false;
  TAdvButtonStyle FStyle = tasButton;
  TAdvButtonState FState = absUp;
  bool FMouseDownInControl = false;
  bool FDragging = false;
  TTimer* FUnHotTimer;  // owned as a component
  bool FInitialDown = false;
  bool FInternalClick = false;
  bool FAutoSize = false;
  TAdvButtonAppearance* FAppearance = nullptr;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  TModalResult FModalResult = 0;
  TAdvCustomDropDown* FAdvDropDown = nullptr;
};
