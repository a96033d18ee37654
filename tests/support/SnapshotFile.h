#pragma once
// Renders a control to a PNG and reads its pixels back. The file goes to a
// temporary folder, or to GX_SNAPSHOT_DIR when that is set, to be looked at.
#include <string>

#include "platform/gui/Controls.h"
#include "platform/gui/PixelBuffer.h"

namespace testsupport {
// Empty pixels (and a test failure) when the control cannot be rendered.
TPixelBuffer RenderSnapshot(TControl& Control, const std::string& FileName);
}  // namespace testsupport
