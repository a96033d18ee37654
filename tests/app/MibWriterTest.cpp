#include "app/MibWriter.h"

#include <gtest/gtest.h>

#include "platform/sys/Exceptions.h"
#include "tests/app/Golden.h"
#include "tests/support/TempDir.h"

namespace {

String PathOf(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

// One folder per case: SNMP_Trap.xml (absent for the default objects) and
// the module expected from it.
TEST(MibWriter, ModuleMatchesTheGoldenFiles) {
  for (const auto& folder : golden::Cases("mib")) {
    SCOPED_TRACE(folder.filename().string());
    testsupport::TempDir out;
    Write_MIB(PathOf(out / "GATEWAY.mib"), Load_MIB_Objects(PathOf(folder / "SNMP_Trap.xml")));
    golden::ExpectSameText(testsupport::ReadFile(out / "GATEWAY.mib"), folder / "expected.mib");
  }
}

TEST(MibWriter, EnabledRowsAreNumberedAmongThemselves) {
  const TMibObjects objects = Load_MIB_Objects(PathOf(golden::Data("mib") / "small" / "SNMP_Trap.xml"));
  ASSERT_EQ(objects.Read.size(), 3u);
  EXPECT_EQ(objects.Read[1].Description, u"status\u00e9");
  EXPECT_FALSE(objects.Read[1].Int);
  ASSERT_EQ(objects.Write.size(), 2u);  // "Yes" is not "Y"
  EXPECT_EQ(objects.Write[1].Description, u"level2");
}

// Only a hand-edited file holds more rows than the device tables: the
// module keeps the first 256 of a section.
TEST(MibWriter, AtMost256ObjectsPerSection) {
  testsupport::TempDir dir;
  std::string xml = "<SNMP_Trap><SNMP_Trap_Write>";
  for (int i = 0; i < 300; ++i) xml += "<row Enable=\"Y\" Type=\"Int\" Description=\"w" + std::to_string(i) + "\"/>";
  testsupport::WriteFile(dir / "SNMP_Trap.xml", xml + "</SNMP_Trap_Write></SNMP_Trap>");
  const TMibObjects objects = Load_MIB_Objects(PathOf(dir / "SNMP_Trap.xml"));
  EXPECT_TRUE(objects.Read.empty());
  ASSERT_EQ(objects.Write.size(), 256u);
  EXPECT_EQ(objects.Write.back().Description, u"w255");
}

TEST(MibWriter, DamagedTrapFileRaisesAndWritesNothing) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>");
  EXPECT_THROW(Load_MIB_Objects(PathOf(dir / "SNMP_Trap.xml")), Exception);
}

}  // namespace
