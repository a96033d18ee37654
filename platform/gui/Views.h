#pragma once
// Views the backend makes for the generic control kinds. The standard
// controls make their own views inside the backend.
#include <memory>

#include "platform/gui/ControlView.h"

class TControl;
class TCustomForm;

namespace platform {
// A top-level window.
std::unique_ptr<TControlView> CreateFormView(TCustomForm& Form);
// A plain surface that paints through WM_PAINT (custom and graphic
// controls, panels): paint, mouse and keys come back as messages.
std::unique_ptr<TControlView> CreatePaintView(TControl& Control);
// A top-level paint surface without frame that never takes the focus or
// the mouse (hint windows); bounds are screen coordinates.
std::unique_ptr<TControlView> CreatePopupView(TControl& Control);
}  // namespace platform
