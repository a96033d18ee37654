#include "platform/gui/SystemVersion.h"

#include "platform/gui/OptionalLibraries.h"
#include "platform/sys/SysUtils.h"

TOSVersion GetOSVersion() { return TOSVersion{6, 1, true}; }

bool GetFileFixedVersion(const String& FileName, TFixedFileInfo& Info) {
  if (!SameText(FileName, u"comctl32.dll")) return false;
  Info = TFixedFileInfo{VS_FFI_SIGNATURE, 0x00060000, 0};
  return true;
}

bool IsThemeActive() {
  TVisualStyleLibrary* styles = FindVisualStyleLibrary();
  return styles && styles->IsThemeActive();
}
