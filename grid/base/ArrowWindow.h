#pragma once
// The small arrow-shaped pop-up that shows where a moved column or row will
// land; the grid holds one per direction.
#include <array>

#include "grid/base/GridTypes.h"
#include "platform/gui/ExtCtrls.h"

class TArrowWindow : public TPanel {
 public:
  explicit TArrowWindow(TComponent* AOwner) : TPanel(AOwner) {}
  String ClassName() const override { return u"TArrowWindow"; }
  // Parented to AOwner (none yet when null), lime, hidden, shaped for Direction.
  void Init(TWinControl* AOwner, TArrowDirection Direction);
  TArrowDirection Dir() const { return FDir; }
  const std::array<TPoint, 7>& Arrow() const { return FArrow; }
  void CreateParams(TCreateParams& Params) override;

 protected:
  void CreateWnd() override;
  void Paint() override;

 private:
  TArrowDirection FDir = arrUp;
  std::array<TPoint, 7> FArrow{};
};
