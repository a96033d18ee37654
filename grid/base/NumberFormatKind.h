#pragma once
// Which value an application's number format takes, read from its
// conversion character before the format is applied.
#include "platform/sys/String.h"

enum TNumberFormatKind { nfNone, nfInteger, nfFloat };
// d, u, x: integer; e, f, g, n, m: float; nfNone for any other conversion,
// for none and for more than one ("%%" is no conversion).
TNumberFormatKind NumberFormatKind(StringView Fmt);
