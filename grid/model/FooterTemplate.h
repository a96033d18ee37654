#pragma once
// The custom preview's template: each "<#n>" becomes the text of column n
// (storage index) of the current row; a placeholder whose n is not a
// decimal number goes; a "<#" without its ">" keeps the rest as written.
#include <functional>

#include "platform/sys/String.h"

// ColumnText answers the text of a column, empty for one outside the grid.
String SubstituteFooterTemplate(StringView Template, const std::function<String(int)>& ColumnText);
