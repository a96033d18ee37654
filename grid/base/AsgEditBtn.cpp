#include "grid/base/AsgEditBtn.h"

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

// The native edit keeps its frame inside the bounds: the client area is
// within it, and the layout's places are relative to that area.
TEditButtonGeometry TAsgEditBtn::Geometry() const {
  const int edge = GetSystemMetrics(SM_CXEDGE);
  TEditButtonGeometry g;
  g.Width = Width();
  g.Height = Height();
  g.ClientWidth = Width() - 2 * edge;
  g.ClientHeight = Height() - 2 * edge;
  g.PartWidth = FButton->Width();
  g.UnitSize = FUnitSize;
  return g;
}

void TAsgEditBtn::Resize() {
  TMaskEdit::Resize();
  const int least = GetMinHeight();
  if (Height() < least) return SetHeight(least);
  const int edge = GetSystemMetrics(SM_CXEDGE);
  const TRect r = EditButtonPartBounds(Geometry());
  FButton->SetBounds(r.Left + edge, r.Top + edge, r.Width(), r.Height());
  SetEditRect();
}

void TAsgEditBtn::SetEditRect() {
  TRect r = EditFormatRect(kEditBtn, Geometry());
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

bool TAsgEditBtn::EditingKey(WORD Key, TShiftState Shift) const {
  return Shift.Contains(ssShift) && (Key == VK_INSERT || Key == VK_DELETE);
}

void TAsgEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  TMaskEdit::KeyDown(Key, Shift);
  // Shift+Insert pastes and Shift+Delete cuts in the native edit.
  if (EditingKey(Key, Shift) && (!FEditorEnabled || ReadOnly())) Key = 0;
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
