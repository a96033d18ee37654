#pragma once
// Version probes as the reference system answers them. Our platform reports
// a current system with version 6 common controls, but no visual styles
// (classic painting) and no Office installed.
#include <cstdint>

#include "platform/sys/String.h"

struct TOSVersion {
  int Major = 0;
  int Minor = 0;
  bool NT = true;  // false: the old consumer line (95/98/ME)
};
TOSVersion GetOSVersion();

constexpr std::uint32_t VS_FFI_SIGNATURE = 0xFEEF04BD;
// The fixed part of a file's version information.
struct TFixedFileInfo {
  std::uint32_t dwSignature = 0;
  std::uint32_t dwFileVersionMS = 0;  // major << 16 | minor
  std::uint32_t dwFileVersionLS = 0;
};
// False when the file has no version information. Only the system libraries
// the grid probes ("comctl32.dll", any case) have one.
bool GetFileFixedVersion(const String& FileName, TFixedFileInfo& Info);

// Whether visual styles paint the controls: never on our platform, where the
// visual-style library is not available (OptionalLibraries.h).
bool IsThemeActive();
