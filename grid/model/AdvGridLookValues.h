#pragma once
// The grid's look and scroll settings whose setters repaint or pass the
// value on (grid/model/AdvGridLookSetters.cpp). The values sit in one struct
// so that copying them is one statement.
#include "grid/base/EnumNames.h"
#include "platform/sys/Types.h"

// Which scroll bars show even when every row (column) fits.
GX_ENUM(TScrollBarAlways, saNone, saVert, saHorz, saBoth);

// How the grid's scroll bars look: the platform's, flat, or slim controls.
GX_ENUM(TScrollType, ssNormal, ssFlat, ssEncarta, ssMetro);

struct TAdvGridLookValues {
  TColor URLColor = 0xFF0000;
  bool URLShow = false;
  bool URLShowInText = false;
  bool URLEdit = false;
  bool URLFull = false;
  bool ShowDesignHelper = true;
  TColor ActiveCellColorTo = clNone;
  TColor HighlightColor = clHighlight;
  TColor HighlightTextColor = clHighlightText;
  bool Hovering = false;
  TScrollBarAlways ScrollBarAlways = saNone;
  TScrollType ScrollType = ssNormal;
  TColor ScrollColor = clNone;
  int ScrollWidth = 17;  // the platform's vertical scroll bar width
  bool ScrollProportional = false;
  TColor SelectionColorTo = clNone;
  TColor SelectionMirrorColor = clNone;
  TColor SelectionMirrorColorTo = clNone;
  TColor SelectionTextColor = 0;
  bool SelectionColorMixer = false;
  bool SelectionRectangle = false;
  bool SelectionResizer = false;
  int SelectionColorMixerFactor = 50;
  int MaxEditLength = 0;
  bool ShowSelection = true;
  bool SpreadSheet = false;
  bool Flat = false;
  bool UseHTMLHints = false;
  bool ShowNullDates = true;
  bool ExcelClipboardFormat = false;
};
