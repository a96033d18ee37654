#include "platform/sys/ColorNames.h"

#include "platform/sys/SysUtils.h"

namespace {

struct TColorName {
  TColor Color;
  StringView Name;
};

constexpr TColorName ColorNames[] = {
    {clBlack, u"clBlack"}, {clMaroon, u"clMaroon"}, {clGreen, u"clGreen"}, {clOlive, u"clOlive"},
    {clNavy, u"clNavy"}, {clPurple, u"clPurple"}, {clTeal, u"clTeal"}, {clGray, u"clGray"},
    {clSilver, u"clSilver"}, {clRed, u"clRed"}, {clLime, u"clLime"}, {clYellow, u"clYellow"},
    {clBlue, u"clBlue"}, {clFuchsia, u"clFuchsia"}, {clAqua, u"clAqua"}, {clWhite, u"clWhite"},
    {clMoneyGreen, u"clMoneyGreen"}, {clSkyBlue, u"clSkyBlue"}, {clCream, u"clCream"},
    {clMedGray, u"clMedGray"},
    {clScrollBar, u"clScrollBar"}, {clBackground, u"clBackground"},
    {clActiveCaption, u"clActiveCaption"}, {clInactiveCaption, u"clInactiveCaption"},
    {clMenu, u"clMenu"}, {clWindow, u"clWindow"}, {clWindowFrame, u"clWindowFrame"},
    {clMenuText, u"clMenuText"}, {clWindowText, u"clWindowText"}, {clCaptionText, u"clCaptionText"},
    {clActiveBorder, u"clActiveBorder"}, {clInactiveBorder, u"clInactiveBorder"},
    {clAppWorkSpace, u"clAppWorkSpace"}, {clHighlight, u"clHighlight"},
    {clHighlightText, u"clHighlightText"}, {clBtnFace, u"clBtnFace"}, {clBtnShadow, u"clBtnShadow"},
    {clGrayText, u"clGrayText"}, {clBtnText, u"clBtnText"},
    {clInactiveCaptionText, u"clInactiveCaptionText"}, {clBtnHighlight, u"clBtnHighlight"},
    {cl3DDkShadow, u"cl3DDkShadow"}, {cl3DLight, u"cl3DLight"}, {clInfoText, u"clInfoText"},
    {clInfoBk, u"clInfoBk"}, {clHotLight, u"clHotLight"},
    {clGradientActiveCaption, u"clGradientActiveCaption"},
    {clGradientInactiveCaption, u"clGradientInactiveCaption"},
    {clMenuHighlight, u"clMenuHighlight"}, {clMenuBar, u"clMenuBar"},
    {clNone, u"clNone"}, {clDefault, u"clDefault"},
};

}  // namespace

bool ColorToIdent(TColor Color, String& Ident) {
  for (const TColorName& c : ColorNames) {
    if (c.Color == Color) {
      Ident = String(c.Name);
      return true;
    }
  }
  return false;
}

bool IdentToColor(StringView Ident, TColor& Color) {
  for (const TColorName& c : ColorNames) {
    if (SameText(Ident, c.Name)) {
      Color = c.Color;
      return true;
    }
  }
  return false;
}
