#pragma once
// The grid family's look presets and colour tones, and the two interfaces
// through which a style or a tone set is pushed into a component. A caller
// finds them on a component with dynamic_cast.
#include "grid/base/EnumNames.h"
#include "platform/sys/Types.h"

GX_ENUM(TZEVStyle, tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
        tsOffice2007Luna, tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom,
        tsOffice2007Silver, tsWindowsVista, tsWindows7, tsTerminal, tsOffice2010Blue,
        tsOffice2010Silver, tsOffice2010Black);

GX_ENUM(TOfficeTheme, ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue,
        ot2007Silver, ot2007Black, ot2010Blue, ot2010Silver, ot2010Black, otUnknown);

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
  friend bool operator==(const TColorTone&, const TColorTone&) = default;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
  friend bool operator==(const TColorTones&, const TColorTones&) = default;
};

class IZEVStyle {
 public:
  virtual void SetComponentStyle(TZEVStyle AStyle) = 0;

 protected:
  virtual ~IZEVStyle() = default;
};

class IZEVTones {
 public:
  virtual void SetColorTones(const TColorTones& ATones) = 0;

 protected:
  virtual ~IZEVTones() = default;
};
