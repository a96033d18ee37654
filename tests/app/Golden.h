#pragma once
// Golden-file checks for the generated texts: compared line by line so a
// failure names the first differing line, then byte for byte (line ends).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace golden {

inline std::filesystem::path Data(std::string_view Topic) { return std::filesystem::path(GX_TEST_DATA) / Topic; }

// The case folders of a topic, sorted by name.
inline std::vector<std::filesystem::path> Cases(std::string_view Topic) {
  std::vector<std::filesystem::path> cases;
  for (const auto& e : std::filesystem::directory_iterator(Data(Topic)))
    if (e.is_directory()) cases.push_back(e.path());
  std::sort(cases.begin(), cases.end());
  return cases;
}

inline std::vector<std::string> Lines(const std::string& Text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = Text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(Text.substr(start, nl - start));
  if (start < Text.size()) lines.push_back(Text.substr(start));
  return lines;
}

inline void ExpectSameText(const std::string& Actual, const std::filesystem::path& ExpectedFile) {
  const std::string expected = testsupport::ReadFile(ExpectedFile);
  const auto a = Lines(Actual), e = Lines(expected);
  for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i)
    if (a[i] != e[i]) {
      ADD_FAILURE() << ExpectedFile << " line " << i + 1 << "\n  actual:   " << a[i] << "\n  expected: " << e[i];
      return;
    }
  EXPECT_EQ(a.size(), e.size()) << ExpectedFile << ": line count";
  EXPECT_TRUE(Actual == expected) << ExpectedFile << ": bytes differ";
}

}  // namespace golden
