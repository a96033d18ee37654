#pragma once
// The settings and the pointer state the cell painter reads. The pointer
// handling sets the run-time fields later; until then tests set them.
#include "grid/base/EnumNames.h"
#include "platform/sys/Types.h"

// How fixed cells are framed and which fixed-cell gradient applies.
GX_ENUM(TGridLook, glStandard, glSoft, glClassic, glZEV, glXP, glListView, glVista, glWin7,
        glOffice2007, glCustom);

// Style presets, in the order of TZEVStyle (passed through by ordinal).
GX_ENUM(TAdvGridStyle, gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic,
        gsOffice2007Luna, gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom,
        gsOffice2007Silver, gsWindowsVista, gsWindows7, gsTerminal, gsOffice2010Blue,
        gsOffice2010Silver, gsOffice2010Black);
constexpr int AdvGridStyleCount = gsOffice2010Black + 1;

// Colour schemes of the fixed-cell gradient (SetTheme).
GX_ENUM(TXPColorScheme, xpNone, xpBlue, xpGreen, xpGray, vistaAero);

// The drop-down cell editors a grid passes its style and tones on to.
enum TDropDownEditorSlot {
  ddeColorPicker, ddeImagePicker, ddeGridPicker, ddeDetailPicker, ddeTimePicker, ddeCalculator,
  ddeMemo, ddeTrackBar, ddeAdvGridPicker,
};
constexpr int DropDownEditorSlotCount = ddeAdvGridPicker + 1;

// The looks whose fixed cells have gradient faces, and with them the hover
// face and the fixed drop-down button.
constexpr bool HasGradientFixedFace(TGridLook Look) {
  return Look == glZEV || Look == glXP || Look == glVista || Look == glWin7 || Look == glOffice2007;
}

// Which fixed cells show the hover face under the pointer.
GX_ENUM(THoverFixedCells, hfNone, hfAll, hfFixedRows, hfFixedColumns);

struct TAdvGridPaintValues {
  TGridLook Look = glXP;
  bool UseDisabledFont = true;
  TColor DisabledFontColor = 0xC0C0C0;
  bool HideFocusRect = false;
  THoverFixedCells HoverFixedCells = hfNone;
  bool NoImageAndText = false;
  bool NoDefaultDraw = false;
  bool EnableHTML = true;
  Char PasswordChar = u'*';
  bool EnhTextSize = false;
  bool URLUnderlineOnHover = false;
  bool SelectionRTFKeep = false;
  TColor SelectionRectangleColor = 0;
  bool FixedAsButtons = false;

  // run-time pointer state
  TPoint HoverFixedCell{-1, -1};
  bool HoverFixedPressed = false;
  bool FixedDropDownOpen = false;
  TPoint PushedFixedCell{-1, -1};  // a fixed cell drawn as a button, held down
  bool MouseDown = false;  // the left button held on the grid
  TPoint HoverCell{-1, -1};
  int HoverAnchor = -1;
  bool CtrlDown = false;   // a button control of a mini-HTML cell held down
  TPoint CtrlCell{-1, -1};  // its cell
  TPoint CtrlXY{-1, -1};    // the press point on it
  TPoint PointerXY{-1, -1};  // the pointer over the grid (client pixels), -1 when away
  bool GridBlink = false;  // the blink phase of text in BLINK tags; the grid timer flips it
};
