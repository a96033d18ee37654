#pragma once
// The grid family's one binding to the platform's visual-style library,
// serving the grid, its editors, the mini-HTML renderer and the drop-downs.
// Bound on first use (or by LoadThemeAPI); while the library is missing it
// stays unbound and every painter takes its classic path.
#include <cstdint>

#include "platform/gui/Canvas.h"
#include "platform/gui/LayeredWindow.h"
#include "platform/gui/Messages.h"
#include "platform/gui/OptionalLibraries.h"

// Binds the library when it is available; does nothing when already bound.
void LoadThemeAPI();
// Lets the library go; the next use binds again.
void FreeThemeAPI();
bool ThemeAPIBound();
// The bound library, or null.
TVisualStyleLibrary* ThemeAPI();

// Draws the part in the state from the class's theme data for Window and
// answers true; false, drawing nothing, while visual styles are off.
bool DrawThemedPart(TCanvas& Canvas, HWND Window, const String& ClassName, int PartId, int StateId,
                    const TRect& Rect);

// The platform's layered-window calls with the arguments unchanged; the
// answer is theirs.
bool CallUpdateLayeredWindow(HWND Wnd, const TPoint* DstPos, const TSize* Size, const TBitmap* Src,
                             const TPoint* SrcPos, TColor Key, const BLENDFUNCTION* Blend, unsigned Flags);
bool CallSetLayeredWindowAttributes(HWND Wnd, TColor Key, std::uint8_t Alpha, unsigned Flags);
