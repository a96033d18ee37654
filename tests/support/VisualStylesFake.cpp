#include "tests/support/VisualStylesFake.h"

#include "platform/sys/SysUtils.h"

namespace testsupport {

bool VisualStylesFake::IsThemeActive() {
  Calls.push_back(u"IsThemeActive");
  return FActive;
}

HTHEME VisualStylesFake::OpenThemeData(HWND Window, const String& ClassList) {
  Calls.push_back(u"OpenThemeData " + ClassList);
  return 1;
}

void VisualStylesFake::CloseThemeData(HTHEME Theme) { Calls.push_back(u"CloseThemeData"); }

bool VisualStylesFake::DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId,
                                           const TRect& Rect, const TRect* Clip) {
  Calls.push_back(u"DrawThemeBackground " + IntToStr(PartId) + u" " + IntToStr(StateId) + u" (" +
                  IntToStr(Rect.Left) + u"," + IntToStr(Rect.Top) + u"," + IntToStr(Rect.Right) + u"," +
                  IntToStr(Rect.Bottom) + u")");
  return true;
}

bool VisualStylesFake::GetCurrentThemeName(String& FileName, String& ColorName, String& SizeName) {
  Calls.push_back(u"GetCurrentThemeName");
  FileName = u"Luna.msstyles";
  ColorName = FColorName;
  SizeName = u"NormalSize";
  return true;
}

}  // namespace testsupport
