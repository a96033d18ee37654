#pragma once
// The pop-up of a drop-down edit: a borderless, topmost window owned by
// the edit's form. It paints its background and border, closes when the
// activation leaves it for a window outside it, and may be sized by its
// bottom-right corner.
#include <cstdint>

#include "platform/gui/Canvas.h"
#include "platform/gui/Forms.h"

class TAdvCustomDropDown;
class TAdvFooter;
class TAdvHeader;
class TScrollBox;

class TDropDownForm : public TSelfPaintingControl<TForm> {
 public:
  explicit TDropDownForm(TComponent* AOwner);
  ~TDropDownForm() override;
  String ClassName() const override { return u"TDropDownForm"; }

  // The tick count of the last deactivation while shown.
  std::uint64_t DeActivate = 0;
  // Shadow wanted: the drop-down copies its DropDownShadow here at each opening.
  bool Shadow = true;
  TAdvCustomDropDown* AdvDropDown = nullptr;
  TScrollBox* ScrollBox = nullptr;
  // The corner answers to the sizing hit test.
  bool Sizeable = false;
  // A deactivation closes the pop-up cancelled; editors that commit then clear it.
  bool CancelOnDeActivate = true;
  // Set around actions that activate other windows: deactivation then does nothing.
  bool BlockActivate = false;
  // While the user sizes the form.
  TNotifyEvent OnSizing;
  // The least size the corner sizes it to.
  TSize MinSize{0, 0};

  // The header and footer strips: none until first shown; hidden later, they stay.
  TAdvHeader* Header() const { return FHeader; }
  TAdvFooter* Footer() const { return FFooter; }
  // Builds or refreshes the strips from the drop-down's settings.
  virtual void InitializeAndUpdate();
  virtual void UpdateSize() {}

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) const override;
  void Paint() override;
  void Resize() override;
  void WndProc(TMessage& Message) override;

 private:
  void Activation(const TMessage& Message);
  // Through the drop-down when there is one.
  void CloseAsDeactivated(bool Cancelled);
  LRESULT HitTest(const TMessage& Message);
  void Sizing(TMessage& Message);
  TAdvHeader* FHeader = nullptr;  // owned as components
  TAdvFooter* FFooter = nullptr;
};
