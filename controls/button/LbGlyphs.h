#pragma once
// The button's own pictures, looked up by resource name: the stock glyph
// strips ("LBOK", "LBCANCEL", ...: a normal and a disabled cell) and the
// drop-down arrow "LBARROW". Their bottom-left pixel is the transparent colour.
#include <memory>

#include "platform/gui/Bitmap.h"

// Null for a name that is not one of ours.
std::unique_ptr<TBitmap> LoadLbBitmap(const String& Name);
