#pragma once
// Colour identifiers: the sixteen basic colours, four extra ones, the system
// colours by index, clNone and clDefault. Where two names share a value the
// first in the table is the one written.
#include "platform/sys/String.h"
#include "platform/sys/Types.h"

// False when the colour has no name.
bool ColorToIdent(TColor Color, String& Ident);
// Names are read without regard to ASCII case.
bool IdentToColor(StringView Ident, TColor& Color);
