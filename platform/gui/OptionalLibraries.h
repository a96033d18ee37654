#pragma once
// System libraries a painter looks up at run time: the visual-style
// (theme) library and the flat scroll bars of the common controls. Neither
// exists on this platform, so both look-ups answer "not available" from one
// table and every painter takes its classic path. Tests may install a
// library of their own in the table.
#include <cstdint>

#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

struct TScrollInfo;

using HTHEME = std::uintptr_t;  // 0 is "no theme data"

class TOptionalLibrary {
 public:
  virtual ~TOptionalLibrary() = default;
};

// The visual-style operations the painters use.
class TVisualStyleLibrary : public TOptionalLibrary {
 public:
  virtual bool IsThemeActive() = 0;
  virtual HTHEME OpenThemeData(HWND Window, const String& ClassList) = 0;
  virtual void CloseThemeData(HTHEME Theme) = 0;
  // Clip may be null.
  virtual bool DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId,
                                   const TRect& Rect, const TRect* Clip) = 0;
  virtual bool GetCurrentThemeName(String& FileName, String& ColorName, String& SizeName) = 0;
};

// The flat scroll bar entries of the common controls.
class TFlatScrollBarLibrary : public TOptionalLibrary {
 public:
  virtual bool InitializeFlatSB(HWND Window) = 0;
  virtual void UninitializeFlatSB(HWND Window) = 0;
  virtual int FlatSB_SetScrollInfo(HWND Window, int Bar, const TScrollInfo& Info, bool Redraw) = 0;
  virtual bool FlatSB_SetScrollProp(HWND Window, int Index, std::intptr_t Value, bool Redraw) = 0;
  virtual bool FlatSB_ShowScrollBar(HWND Window, int Bar, bool Show) = 0;
};

enum TOptionalLibraryKind { olVisualStyles, olFlatScrollBars };

// The library of that kind, or null when it is not available (always, unless
// a test installed one). The table does not own what it holds.
TOptionalLibrary* FindOptionalLibrary(TOptionalLibraryKind Kind);
TVisualStyleLibrary* FindVisualStyleLibrary();
TFlatScrollBarLibrary* FindFlatScrollBarLibrary();

namespace platform {
// Puts Library (null: "not available") in the table; answers what was there.
TOptionalLibrary* InstallOptionalLibrary(TOptionalLibraryKind Kind, TOptionalLibrary* Library);
}  // namespace platform
