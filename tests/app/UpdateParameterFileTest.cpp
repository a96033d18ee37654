#include "app/UpdateParameterFile.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/sys/Exceptions.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/Strings.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/Golden.h"
#include "tests/support/TempDir.h"

namespace {

String PathOf(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

// One folder per update option and Read Back choice: setup.txt gives the
// window's values, expected.xml the file.
TEST(UpdateParameterFile, MatchesTheGoldenFiles) {
  for (const auto& folder : golden::Cases("update")) {
    SCOPED_TRACE(folder.filename().string());
    TStringList setup;
    setup.LoadFromFile(PathOf(folder / "setup.txt"));
    TUpdateParameters p;
    p.IP_Address = setup.Values(u"IP_Address");
    p.Option_Index = StrToInt(setup.Values(u"Option_Index"));
    p.Read_Back = setup.Values(u"Read_Back") == u"1";
    p.Master_Dir = u"/gx/MASTER";
    p.Project_Path = u"/gx/PROJECTS/Plant A";
    testsupport::TempProgramDir program;
    Write_Update_Parameter_File(PathOf(program.Path()), p);
    golden::ExpectSameText(testsupport::ReadFile(program / "Ethernet_Update.xml"), folder / "expected.xml");
  }
}

TEST(UpdateParameterFile, UnwritableFileRaisesAndKeepsTheOldOne) {
  testsupport::TempProgramDir program;
  testsupport::WriteFile(program / "Ethernet_Update.xml", "old");
  SetSafeWriteFaultForTests([](std::string_view step) { return step == "create" ? EACCES : 0; });
  try {
    Write_Update_Parameter_File(PathOf(program.Path()), TUpdateParameters());
    ADD_FAILURE() << "no error raised";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(u"Ethernet_Update.xml"), String::npos) << e.what();
  }
  SetSafeWriteFaultForTests(nullptr);
  EXPECT_EQ(testsupport::ReadFile(program / "Ethernet_Update.xml"), "old");
}

}  // namespace
