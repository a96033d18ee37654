// The application's hints: the pause on the virtual or real clock, the
// request to the control (CM_HINTSHOW, OnShowHint) and the hint window.
#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/Timers.h"

namespace {
// The hint goes below the arrow cursor.
constexpr int CursorHeightMargin = 20;

// The control whose hint shows over Control: itself or the nearest parent with ShowHint on.
TControl* GetHintControl(TControl* Control) {
  TControl* c = Control;
  while (c && !c->EffectiveShowHint()) c = c->Parent();
  return c;
}
}  // namespace

void TApplication::SetShowHint(bool v) {
  FShowHint = v;
  if (!v) CancelHint();
}

void TApplication::HintMouseMessage(TControl* Control, TPoint CursorPos) {
  FHintCursorPos = CursorPos;
  TControl* hintControl = FShowHint ? GetHintControl(Control) : nullptr;
  if (!hintControl) return CancelHint();
  if (hintControl == FHintControl && FHintCursorRect.Contains(CursorPos)) return;
  // The shown hint stays until the new one replaces it.
  StartHintTimer(FHintActive ? FHintShortPause : FHintPause, THintTimerMode::Show);
  FHintControl = hintControl;
  FHintCursorRect = TRect();
}

void TApplication::ActivateHint(TPoint CursorPos) {
  StopHintTimer();
  TControl* control = FHintControl;
  if (!control) return;
  THintInfo info;
  info.HintControl = control;
  info.HintWindowClass = HintWindowClass;
  info.HintPos = Point(CursorPos.X, CursorPos.Y + CursorHeightMargin);
  info.HintMaxWidth = Screen->Width();
  info.HintColor = FHintColor;
  info.CursorRect = control->ClientRect();
  info.CursorPos = control->ScreenToClient(CursorPos);
  info.HintStr = control->Hint();
  info.HideTimeout = FHintHidePause;
  bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  // The handler may have cancelled the hint or freed the control.
  if (FHintControl != control) return;
  if (canShow && OnShowHint) {
    OnShowHint(info.HintStr, canShow, info);
    if (FHintControl != control) return;
  }
  if (canShow && !info.HintStr.empty()) return ShowHintWindow(info);
  if (canShow && info.ReshowTimeout > 0) {
    HideHint();
    StartHintTimer(info.ReshowTimeout, THintTimerMode::Reshow);
    return;
  }
  CancelHint();
}

void TApplication::ShowHintWindow(THintInfo& Info) {
  THintWindow* (*make)(TComponent*) = Info.HintWindowClass ? Info.HintWindowClass : HintWindowClass;
  if (!FHintWindow || FHintWindowClass != make) {
    delete FHintWindow;
    FHintWindow = make(this);
    FHintWindowClass = make;
  }
  TRect r = FHintWindow->CalcHintRect(Info.HintMaxWidth, Info.HintStr, Info.HintData);
  OffsetRect(r, Info.HintPos.X, Info.HintPos.Y);
  const TPoint topLeft = FHintControl->ClientToScreen(Point(Info.CursorRect.Left, Info.CursorRect.Top));
  const TPoint bottomRight = FHintControl->ClientToScreen(Point(Info.CursorRect.Right, Info.CursorRect.Bottom));
  FHintCursorRect = Rect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y);
  FHintWindow->SetColor(Info.HintColor);
  FHintWindow->ActivateHintData(r, Info.HintStr, Info.HintData);
  FHintActive = true;
  if (Info.ReshowTimeout > 0) StartHintTimer(Info.ReshowTimeout, THintTimerMode::Reshow);
  else if (Info.HideTimeout > 0) StartHintTimer(Info.HideTimeout, THintTimerMode::Hide);
}

void TApplication::HideHint() {
  StopHintTimer();
  FHintActive = false;
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
  if (FHintControl) HideHint();
  FHintControl = nullptr;
  FHintActive = false;
  FHintCursorRect = TRect();
  StopHintTimer();
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (Control == FHintWindow) {
    FHintWindow = nullptr;
    FHintWindowClass = nullptr;
  }
  if (Control == FHintControl) CancelHint();
}

void TApplication::StartHintTimer(int Ms, THintTimerMode Mode) {
  StopHintTimer();
  FHintTimerMode = Mode;
  FHintTimer = TimerService().StartTimer(static_cast<unsigned>(Ms > 0 ? Ms : 1), [this] { HintTimerExpired(); });
}

void TApplication::StopHintTimer() {
  if (FHintTimer) TimerService().StopTimer(FHintTimer);
  FHintTimer = 0;
}

void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (FHintTimerMode == THintTimerMode::Hide) HideHint();
  else ActivateHint(FHintCursorPos);
}
