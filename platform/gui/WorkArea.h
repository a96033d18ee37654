#pragma once
// The part of the screen that windows may cover: the primary display less
// its panels; the whole screen while a test pins its size.
#include "platform/sys/Types.h"

TRect WorkAreaRect();
// R moved (not resized) to lie inside the work area as far as its size
// allows: a rectangle larger than the area keeps to its left and top edges.
TRect KeptInWorkArea(const TRect& R);
