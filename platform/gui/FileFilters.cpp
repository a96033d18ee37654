#include "platform/gui/FileFilters.h"

#include <algorithm>

std::vector<String> FileFilterNames(const String& Filter) {
  std::vector<String> Parts;
  for (size_t at = 0; at <= Filter.size();) {
    const size_t bar = std::min(Filter.find(u'|', at), Filter.size());
    Parts.push_back(Filter.substr(at, bar - at));
    at = bar + 1;
  }
  std::vector<String> Names;
  for (size_t i = 0; i + 1 < Parts.size(); i += 2) {
    String Patterns = Parts[i + 1];
    for (char16_t& c : Patterns)
      if (c == u';') c = u' ';
    // A name that shows its patterns already keeps them once.
    const String Shown = u"(" + Patterns + u")";
    const String& Name = Parts[i];
    const bool Has = Name.size() >= Shown.size() && Name.compare(Name.size() - Shown.size(), Shown.size(), Shown) == 0;
    Names.push_back(Has ? Name : Name + u" " + Shown);
  }
  return Names;
}
