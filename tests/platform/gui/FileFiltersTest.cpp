#include <gtest/gtest.h>

#include "platform/gui/FileFilters.h"

namespace {
TEST(FileFilters, EachFilterShowsItsPatternsOnceInItsName) {
  const struct {
    String Filter;
    std::vector<String> Names;
  } Cases[] = {
      {u"Management Information Base (*.mib)|*.mib", {u"Management Information Base (*.mib)"}},
      {u"Text|*.txt;*.csv|All (*.*)|*.*", {u"Text (*.txt *.csv)", u"All (*.*)"}},
      {u"PROFINET XML (*.xml)|GSDML-V2.3-Plant.xml", {u"PROFINET XML (*.xml) (GSDML-V2.3-Plant.xml)"}},
      {u"", {}},
      {u"Name without patterns", {}},
  };
  for (const auto& Case : Cases) EXPECT_EQ(FileFilterNames(Case.Filter), Case.Names) << StringToUtf8(Case.Filter);
}
}  // namespace
