#include "grid/interact/TextCompletion.h"

#include "platform/sys/SysUtils.h"

TCompletion CompletePrefix(const TStrings& Items, const String& Prefix, bool CaseSensitive) {
  const String p = CaseSensitive ? Prefix : AnsiUpperCase(Prefix);
  for (int i = 0; i < Items.Count(); ++i) {
    const String item = Items.Strings(i);
    if (item.size() < p.size()) continue;
    const String head = item.substr(0, p.size());
    if ((CaseSensitive ? head : AnsiUpperCase(head)) != p) continue;
    return {i, Prefix + item.substr(p.size(), 255)};
  }
  return {};
}
