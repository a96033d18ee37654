#pragma once
// Named resources compiled into the program: pictures, glyphs and cursors that
// code asks for by name ("RES://" in cell texts, the grid's glyph bitmaps,
// numbered cursors as "#n"). The bytes are the encoded file (PNG, BMP, ICO,
// CUR); decoding is the caller's business.
#include <string_view>

#include "platform/sys/String.h"

namespace platform {

// The bytes registered under Name, compared without regard to ASCII case;
// an empty view when nothing is registered under it.
std::string_view FindResource(StringView Name);

// Registers Bytes under Name, replacing an earlier registration of that name.
// Bytes must stay valid for the life of the program (static data).
void RegisterResource(StringView Name, std::string_view Bytes);

}  // namespace platform
