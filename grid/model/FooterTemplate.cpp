#include "grid/model/FooterTemplate.h"

#include <climits>
#include <optional>

namespace {

// Only plain decimal digits with an optional minus; too large is no number.
std::optional<int> DecimalNumber(StringView Text) {
  const bool negative = !Text.empty() && Text.front() == u'-';
  if (negative) Text.remove_prefix(1);
  if (Text.empty()) return std::nullopt;
  long long value = 0;
  for (char16_t ch : Text) {
    if (ch < u'0' || ch > u'9') return std::nullopt;
    value = value * 10 + (ch - u'0');
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

String SubstituteFooterTemplate(StringView Template, const std::function<String(int)>& ColumnText) {
  String result;
  size_t pos = 0;
  while (pos < Template.size()) {
    const size_t open = Template.find(u"<#", pos);
    const size_t close = open == StringView::npos ? open : Template.find(u'>', open + 2);
    if (close == StringView::npos) break;
    result.append(Template.substr(pos, open - pos));
    if (const auto col = DecimalNumber(Template.substr(open + 2, close - open - 2)))
      result += ColumnText(*col);
    pos = close + 1;
  }
  result.append(Template.substr(pos));
  return result;
}
