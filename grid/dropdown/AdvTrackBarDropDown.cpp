#include "grid/dropdown/AdvTrackBarDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Input.h"
#include "platform/sys/SysUtils.h"

TAdvTrackBarDropDown::TAdvTrackBarDropDown(TComponent* AOwner) : TAdvCustomDropDown(AOwner) {
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetEditType(etNumeric);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetForceShadow(true);
  CreateDropDownForm();
}

void TAdvTrackBarDropDown::CreateDropDownForm() {
  TAdvCustomDropDown::CreateDropDownForm();
  if (!FTrackBar) {
    FTrackBar = new TTrackBar(this);
    FTrackBar->SetParent(DropDownForm());
    FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
  }
  FTrackBar->OnChange = [this](TObject*) { TrackChanged(); };
}

void TAdvTrackBarDropDown::DoBeforeDropDown() {
  TAdvCustomDropDown::DoBeforeDropDown();
  if (!DropDownForm() || !FTrackBar) return;
  DropDownForm()->CancelOnDeActivate = false;
  FTrackBar->SetMin(FMin);
  FTrackBar->SetMax(FMax);
  FTrackBar->SetPosition(FPosition);
  FTrackBar->SetPageSize(FPageSize);
  FTrackBar->SetFrequency(FFrequency);
  FTrackBar->SetWidth(Width());
  SetControl(FTrackBar);
  // The keys of the pop-up (Page Up and Down) move the slider.
  SetFocusControl(FTrackBar);
}

// A new end may move the other: the range read back is the track bar's whole.
int TAdvTrackBarDropDown::Kept(int v, void (TTrackBar::*Set)(int), int (TTrackBar::*Get)() const) {
  if (!FTrackBar) return v;
  (FTrackBar->*Set)(v);
  FMin = FTrackBar->Min();
  FMax = FTrackBar->Max();
  return (FTrackBar->*Get)();
}

void TAdvTrackBarDropDown::SetMin(int v) { FMin = Kept(v, &TTrackBar::SetMin, &TTrackBar::Min); }

void TAdvTrackBarDropDown::SetMax(int v) { FMax = Kept(v, &TTrackBar::SetMax, &TTrackBar::Max); }

// The track bar's change report has set the position already.
void TAdvTrackBarDropDown::SetPosition(int v) { FPosition = Kept(v, &TTrackBar::SetPosition, &TTrackBar::Position); }

void TAdvTrackBarDropDown::SetFrequency(int v) {
  FFrequency = v;
  if (FTrackBar) FTrackBar->SetFrequency(v);
}

void TAdvTrackBarDropDown::SetPageSize(int v) {
  FPageSize = v;
  if (FTrackBar) FTrackBar->SetPageSize(v);
}

void TAdvTrackBarDropDown::TrackChanged() {
  FPosition = FTrackBar->Position();
  const TFreeWatch watch(*this);
  SetPlainText(IntToStr(FPosition));
  if (!watch.Freed()) FireEvent(OnTrackChange, this);
}

void TAdvTrackBarDropDown::Change() {
  const TFreeWatch watch(*this);
  TAdvCustomDropDown::Change();
  if (watch.Freed()) return;
  // Typing passes through texts that are no number ("", "-"): they wait for the next key.
  int v = 0;
  if (TryStrToInt(Text(), v)) SetPosition(v);
}

void TAdvTrackBarDropDown::Dispatch(TMessage& Message) {
  const bool keyDown = Message.Msg == WM_KEYDOWN;
  const WPARAM key = Message.WParam;
  const TFreeWatch watch(*this);
  TAdvCustomDropDown::Dispatch(Message);
  if (keyDown && !watch.Freed()) StepKey(key);
}

// Up lowers and Down raises, by whole steps that stay in the range. An
// open pop-up's track bar steps by itself: the keys it sends on are not stepped twice.
void TAdvTrackBarDropDown::StepKey(WPARAM Key) {
  if (EditorEnabled() || GetKeyState(VK_MENU) < 0 || DroppedDown()) return;
  if (Key == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
  if (Key == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TAdvTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TAdvCustomDropDown::MouseDown(Button, Shift, X, Y);
  if (!DropDownEnabled() || EditorEnabled()) return;
  FLastX = X;
  FDragging = true;
}

void TAdvTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
  TAdvCustomDropDown::MouseMove(Shift, X, Y);
  if (!FDragging || !DropDownEnabled() || EditorEnabled()) return;
  // A page size of none moves a position per pixel.
  const int step = FPageSize > 0 ? FPageSize : 1;
  const int moved = (X - FLastX) / step;
  FLastX = X;
  if (moved != 0) SetPosition(FPosition + moved);
}

void TAdvTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TAdvCustomDropDown::MouseUp(Button, Shift, X, Y);
  FDragging = false;
}
