#pragma once
// A visual-style library for tests: answers "active" (or not) with a chosen
// colour-scheme name and records every call, and a guard that puts a library
// into the platform's table for its own lifetime.
#include <vector>

#include "platform/gui/OptionalLibraries.h"

namespace testsupport {

class VisualStylesFake : public TVisualStyleLibrary {
 public:
  explicit VisualStylesFake(bool Active = true, String ColorName = u"NormalColor")
      : FActive(Active), FColorName(std::move(ColorName)) {}

  // One line a call: "IsThemeActive", "OpenThemeData combobox",
  // "DrawThemeBackground 1 4 (l,t,r,b)", "CloseThemeData", "GetCurrentThemeName".
  std::vector<String> Calls;

  bool IsThemeActive() override;
  HTHEME OpenThemeData(HWND Window, const String& ClassList) override;
  void CloseThemeData(HTHEME Theme) override;
  bool DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId, const TRect& Rect,
                           const TRect* Clip) override;
  bool GetCurrentThemeName(String& FileName, String& ColorName, String& SizeName) override;

 private:
  bool FActive;
  String FColorName;
};

class InstalledLibrary {
 public:
  InstalledLibrary(TOptionalLibraryKind Kind, TOptionalLibrary* Library)
      : FKind(Kind), FPrevious(platform::InstallOptionalLibrary(Kind, Library)) {}
  ~InstalledLibrary() { platform::InstallOptionalLibrary(FKind, FPrevious); }
  InstalledLibrary(const InstalledLibrary&) = delete;
  InstalledLibrary& operator=(const InstalledLibrary&) = delete;

 private:
  TOptionalLibraryKind FKind;
  TOptionalLibrary* FPrevious;
};

}  // namespace testsupport
