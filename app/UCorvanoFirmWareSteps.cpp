// The steps that produce the device's files: the banks and the update
// hand-off, the MIB module and the GSDML file. Their bodies come with the
// update window, the MIB save dialog and the PROFINET file-name window.
#include "app/UCorvanoFirmWare.h"

void TFCorvanoFirmWare::Update_Device() {}

void TFCorvanoFirmWare::Save_MIB() {}

void TFCorvanoFirmWare::PROFINET_XML() {}
