#pragma once
// The drag in progress (TControl::BeginDrag): the input entry hands it the
// pointer while it runs.
#include "platform/gui/Messages.h"
#include "platform/sys/Types.h"

class TControl;

namespace platform {
// A mouse message while a drag runs or waits for its threshold: true when
// the drag took it.
bool TrackDrag(UINT Msg, TPoint ScreenPos);
// A control that goes ends a drag it takes part in, without events to it.
void DragControlGone(const TControl* Control);
}  // namespace platform
