#pragma once
// The count a group's node row shows after its text.
#include "platform/sys/String.h"

// Format applied to Count; an empty format, or one that does not take an
// integer, gives " (" Count ")".
String GroupCountText(StringView Format, int Count);
