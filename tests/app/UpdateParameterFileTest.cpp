#include "app/UpdateParameterFile.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "app/ProgramState.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/Files.h"
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

// Beside the program, from what the update window stored in the state.
TEST(UpdateParameterFile, FromTheProgramState) {
  testsupport::TempProgramDir program;
  TProgramState state(PathOf(program.Path()));
  state.Project_Path = Join(state.Projects_Dir, u"Plant");
  state.Last_IP_Address = u"10.0.0.7";
  state.Update_Read_Back = false;
  Write_Update_Parameter_File(state);
  const std::string xml = testsupport::ReadFile(program / "Ethernet_Update.xml");
  EXPECT_NE(xml.find("<IP_Address_Dev>10.0.0.7</IP_Address_Dev>"), std::string::npos);
  EXPECT_NE(xml.find("<Ope_FileName>" + (program / "MASTER" / "Sim4410.sim").string() + "</Ope_FileName>"),
            std::string::npos);
  EXPECT_NE(xml.find("<Ope_FileName>" + (program / "PROJECTS" / "Plant" / "bin" / "bank2.bin").string() +
                     "</Ope_FileName>"),
            std::string::npos);
  EXPECT_EQ(xml.find("<Ope_Read_Back>1"), std::string::npos);
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
