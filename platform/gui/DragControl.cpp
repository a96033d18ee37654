// The framework's in-program drag: source, threshold, the control under
// the pointer and whether it accepts.
#include "platform/gui/DragControl.h"

#include <cstdlib>

#include "platform/gui/Controls.h"
#include "platform/gui/Forms.h"

namespace {
constexpr int DefaultThreshold = 5;

struct TDrag {
  TControl* Source = nullptr;
  TDragObject* Object = nullptr;  // what the start handler handed out, if anything
  bool Pending = false;           // the threshold is not passed yet
  TPoint Start;
  int Threshold = 0;
  TControl* Target = nullptr;
  bool Accepted = false;
  TPoint Last;
};

// Where the pointer was at the last mouse message.
TPoint& LastPointer() {
  static TPoint p;
  return p;
}

TDrag& Current() {
  static TDrag d;
  return d;
}

TObject* SourceObject(const TDrag& d) { return d.Object ? static_cast<TObject*>(d.Object) : d.Source; }

// The deepest visible control at a screen point: the active form first, then the others.
TControl* ControlAtScreen(TPoint P) {
  TCustomForm* form = nullptr;
  if (Screen->ActiveForm() && Screen->ActiveForm()->BoundsRect().Contains(P)) form = Screen->ActiveForm();
  for (int i = 0; !form && i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->Visible() && Screen->Forms(i)->BoundsRect().Contains(P)) form = Screen->Forms(i);
  if (!form || !form->ClientRect().Contains(form->ScreenToClient(P))) return nullptr;
  TControl* at = form;
  while (auto* w = dynamic_cast<TWinControl*>(at)) {
    TControl* child = w->ControlAtPos(w->ScreenToClient(P), true);
    if (!child) break;
    at = child;
  }
  return at;
}

void Over(TDrag& d, TControl* Target, TDragState State, TPoint Screen) {
  const TPoint p = Target->ScreenToClient(Screen);
  bool accept = false;
  Target->DragOver(SourceObject(d), p.X, p.Y, State, accept);
  if (State != dsDragLeave) d.Accepted = accept;
}

void Finish(bool Drop, TPoint Screen) {
  TDrag d = Current();
  Current() = {};
  if (!d.Source || d.Pending) return;
  TControl* target = Drop && d.Accepted ? d.Target : nullptr;
  if (d.Target && !target) Over(d, d.Target, dsDragLeave, Screen);
  TPoint p = target ? target->ScreenToClient(Screen) : TPoint{};
  if (target) target->DragDrop(SourceObject(d), p.X, p.Y);
  d.Source->DoEndDrag(target, p.X, p.Y);
}

void Start(TDrag& d) {
  d.Pending = false;
  TDragObject* object = nullptr;
  d.Source->DoStartDrag(object);
  d.Object = object;
}
}  // namespace

void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (Dragging()) return;
  TDrag& d = Current();
  if (d.Source) platform::DragControlGone(d.Source);
  d = {};
  d.Source = this;
  d.Pending = !Immediate;
  d.Threshold = Threshold < 0 ? DefaultThreshold : Threshold;
  d.Start = d.Last = LastPointer();
  SetCaptureControl(nullptr);
  if (Immediate) Start(d);
}

bool TControl::Dragging() const { return Current().Source == this; }

void TControl::EndDrag(bool Drop) {
  if (Dragging()) Finish(Drop, Current().Last);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

namespace platform {
bool TrackDrag(UINT Msg, TPoint ScreenPos) {
  LastPointer() = ScreenPos;
  TDrag& d = Current();
  if (!d.Source) return false;
  if (Msg == WM_LBUTTONUP) {
    const bool pending = d.Pending;
    Finish(true, ScreenPos);
    // Released before the threshold: an ordinary click.
    return !pending;
  }
  if (Msg != WM_MOUSEMOVE) return true;
  d.Last = ScreenPos;
  if (d.Pending) {
    if (std::abs(ScreenPos.X - d.Start.X) < d.Threshold && std::abs(ScreenPos.Y - d.Start.Y) < d.Threshold) return true;
    Start(d);
    if (!Current().Source) return true;
  }
  TControl* target = ControlAtScreen(ScreenPos);
  if (target != d.Target) {
    if (d.Target) Over(d, d.Target, dsDragLeave, ScreenPos);
    d.Target = target;
    d.Accepted = false;
    if (target) Over(d, target, dsDragEnter, ScreenPos);
  } else if (target) {
    Over(d, target, dsDragMove, ScreenPos);
  }
  return true;
}

void DragControlGone(const TControl* Control) {
  TDrag& d = Current();
  if (d.Source == Control) d = {};
  else if (d.Target == Control) d.Target = nullptr, d.Accepted = false;
}
}  // namespace platform
