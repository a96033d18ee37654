#pragma once
// The serial ports of the machine: the ttyS, ttyUSB and ttyACM devices in a
// device folder that can be opened, or that exist but are busy or not ours
// to open. A ttyS node without a UART behind it fails to open and is left out.
#include <vector>

#include "platform/sys/String.h"

// Device names ("ttyUSB0"), ascending by number; the same number orders
// ttyS before ttyUSB before ttyACM.
std::vector<String> ListSerialDevices(const String& DeviceDir);
