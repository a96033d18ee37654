#include "grid/base/NumberFormatKind.h"

namespace {

TNumberFormatKind KindOf(Char Conversion) {
  switch (Conversion) {
    case u'd': case u'u': case u'x': case u'D': case u'U': case u'X':
      return nfInteger;
    case u'e': case u'f': case u'g': case u'n': case u'm':
    case u'E': case u'F': case u'G': case u'N': case u'M':
      return nfFloat;
    default:
      return nfNone;
  }
}

bool IsSpecChar(Char Ch) { return Ch == u'-' || Ch == u'.' || (Ch >= u'0' && Ch <= u'9'); }

}  // namespace

TNumberFormatKind NumberFormatKind(StringView Fmt) {
  TNumberFormatKind kind = nfNone;
  int conversions = 0;
  for (size_t i = 0; i < Fmt.size(); ++i) {
    if (Fmt[i] != u'%') continue;
    if (i + 1 < Fmt.size() && Fmt[i + 1] == u'%') {
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < Fmt.size() && IsSpecChar(Fmt[j])) ++j;
    kind = j < Fmt.size() ? KindOf(Fmt[j]) : nfNone;
    ++conversions;
    i = j;
  }
  return conversions == 1 ? kind : nfNone;
}
