#pragma once
// The grid's window in the backend: a client surface inside a non-client
// area (frame and scroll bars) that the control paints through WM_NCPAINT
// with a canvas in window coordinates. WM_PAINT paints the client surface
// in client coordinates, clipped to the part that needs it, and child
// controls sit on it.
#include <memory>

#include "platform/gui/ControlView.h"

class TControl;

class TFramedView {
 public:
  virtual ~TFramedView() = default;
  // The client area in window coordinates.
  virtual void SetClientArea(const TRect& Area) = 0;
  // Repaints the non-client area only.
  virtual void InvalidateNonClient() = 0;
};

namespace platform {
// Framed receives the view's frame side; it lives as long as the view.
std::unique_ptr<TControlView> CreateFramedView(TControl& Control, TFramedView*& Framed);
}  // namespace platform
