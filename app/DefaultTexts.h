#pragma once
// The built-in English texts. The source is resources/texts/DefaultTexts.txt
// (one "index TAB text" line per non-blank entry, UTF-8), compiled into the
// program by the build as Default_Texts_Source.
#include <string_view>
#include <vector>

#include "platform/sys/String.h"

constexpr int Default_Text_Count = 2000;

// The compiled data file, defined in a generated source.
std::string_view Default_Texts_Source();

// All Default_Text_Count entries in index order; an index the data leaves
// out holds a single blank. Raises Exception on a malformed data line.
const std::vector<String>& Default_Texts();

// Parses data in the format of the data file (exposed for tests).
std::vector<String> Parse_Default_Texts(std::string_view Source);
