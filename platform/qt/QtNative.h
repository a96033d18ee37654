#pragma once
// Access to a control's native widget from the backend's control files.
#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
inline QWidget* NativeWidget(const TControl& Control) {
  auto* v = static_cast<QtView*>(Control.View());
  return v ? v->Widget() : nullptr;
}

template <class W>
W* Native(const TControl& Control) {
  return qobject_cast<W*>(NativeWidget(Control));
}

// A view for Control over Widget; Widget stays reachable through the control.
template <class W>
std::unique_ptr<TControlView> ViewOf(TControl& Control, std::unique_ptr<W> Widget) {
  return std::make_unique<QtView>(Control, std::move(Widget));
}

// Connects a widget signal to a handler that runs in the application's trap.
template <class Sender, class Signal, class Handler>
void ConnectTrapped(Sender* S, Signal Sig, Handler H) {
  QObject::connect(S, Sig, S, [H](auto&&...) {
    const NativeCall call;
    TrapEvent(H);
  });
}
}  // namespace platform::qt
