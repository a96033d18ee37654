#pragma once
// Sizes the window system answers (scroll bars, borders, screens), the
// wheel's lines per notch, and the beep.
#include <functional>

#include "platform/sys/Types.h"

constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CXBORDER = 5,
              SM_CYBORDER = 6, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_CXEDGE = 45, SM_CYEDGE = 46;
// 0 for an index it does not know.
int GetSystemMetrics(int Index);
// Lines one notch of the wheel scrolls.
int WheelScrollLines();
// The whole screen and its work area nearest P (the screen that holds P,
// else the closest one).
TRect MonitorRectNear(TPoint P);
TRect WorkAreaNear(TPoint P);
// Type is a message-box icon flag; 0 (MB_OK) is the default sound.
bool MessageBeep(unsigned Type = 0);
// While a handler is set the beep goes to it instead of the speaker (tests
// record it); an empty one restores the sound. Answers the previous handler.
using TBeepHandler = std::function<void(unsigned Type)>;
TBeepHandler SetBeepHandler(TBeepHandler Handler);
