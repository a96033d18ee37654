#pragma once
// Our cursor numbers and the toolkit's cursor shapes, both ways.
#include <Qt>

#include "platform/gui/ControlTypes.h"

namespace platform::qt {
// False for crDefault and for cursors the toolkit has no shape for.
bool ToQtCursor(TCursor Cursor, Qt::CursorShape& Shape);
// crDefault for shapes we have no number for.
TCursor FromQtCursor(Qt::CursorShape Shape);
}  // namespace platform::qt
