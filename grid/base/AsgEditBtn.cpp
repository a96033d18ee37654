#include "grid/base/AsgEditBtn.h"

#include "grid/base/EditKeys.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"

namespace {
const TEditButtonConstants kEditBtn{0, false, 3, 1, 5, 3};
}

TAsgEditBtn::TAsgEditBtn(TComponent* AOwner) : TMaskEdit(AOwner), FButton(new TAsgEditButton(this)) {
  SetText(u"0");
  SetControlStyle(ControlStyle() & ~csSetCaption);
  FButton->SetParent(this);
  FButton->SetBounds(0, 0, 18, 18);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](TObject* Sender) { ButtonClicked(Sender); };
}

TAsgEditBtn::~TAsgEditBtn() {
  FButton->OnClick = nullptr;
}

void TAsgEditBtn::ButtonClicked(TObject* Sender) { FireEvent(OnClickBtn, Sender); }

void TAsgEditBtn::SetButtonWidth(int v) {
  FButtonWidth = v;
  FButton->SetWidth(v);
  Resize();
}

void TAsgEditBtn::SetIsWinXP(bool v) {
  FIsWinXP = v;
  FButton->Button()->SetIsWinXP(v);
}

void TAsgEditBtn::SetRightAlign(bool v) {
  if (v == FRightAlign) return;
  FRightAlign = v;
  RecreateWnd();
}

void TAsgEditBtn::CreateParams(TCreateParams& Params) {
  TMaskEdit::CreateParams(Params);
  if (FRightAlign) Params.Style |= ES_RIGHT;
}

void TAsgEditBtn::NativeMade() {
  TMaskEdit::NativeMade();
  SetEditRect();
}

int TAsgEditBtn::GetMinHeight() const {
  return EditMinHeight(kEditBtn, FontTextHeight(*Font()), SystemFontTextHeight(), true);
}

TEditButtonGeometry TAsgEditBtn::Geometry() const { return NativeEditGeometry(*this, FButton->Width(), FUnitSize); }

void TAsgEditBtn::Resize() {
  TMaskEdit::Resize();
  LayoutEditButton(*this, *FButton, kEditBtn, GetMinHeight(), FUnitSize);
}

void TAsgEditBtn::SetEditRect() { SetEditButtonRect(*this, kEditBtn, Geometry()); }

void TAsgEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  TMaskEdit::KeyDown(Key, Shift);
  if (CutOrPasteKey(Key, Shift) && (!FEditorEnabled || ReadOnly())) Key = 0;
  if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) ButtonClicked(this);
}

void TAsgEditBtn::DoEnter() {
  if (AutoSelect() && GetAsyncKeyState(VK_LBUTTON) >= 0) SelectAll();
  TMaskEdit::DoEnter();
}

void TAsgEditBtn::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR:
      if (!FEditorEnabled) return;
      break;
    case WM_CUT: case WM_PASTE:
      if (!FEditorEnabled || ReadOnly()) return;
      break;
    default: break;
  }
  TMaskEdit::Dispatch(Message);
}
