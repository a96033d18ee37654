#include "app/GsdmlWriter.h"

#include <gtest/gtest.h>

#include "platform/xml/XmlDocument.h"
#include "tests/app/Golden.h"
#include "tests/support/TempDir.h"

namespace {

String PathOf(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

TProfinetParams ParamsOf(const std::filesystem::path& Folder) {
  return Load_Profinet_Params(PathOf(Folder / "ParGen.xml"), PathOf(Folder / "DALI_Access.xml"));
}

// One folder per case: the project files (either may be absent) and the
// description expected from them.
TEST(GsdmlWriter, DescriptionMatchesTheGoldenFiles) {
  for (const auto& folder : golden::Cases("gsdml")) {
    SCOPED_TRACE(folder.filename().string());
    testsupport::TempDir out;
    Write_GSDML(PathOf(out / "device.xml"), ParamsOf(folder));
    golden::ExpectSameText(testsupport::ReadFile(out / "device.xml"), folder / "expected.xml");
  }
}

TEST(GsdmlWriter, ParametersFromTheProjectFiles) {
  const TProfinetParams p = ParamsOf(golden::Data("gsdml") / "station-name");
  EXPECT_EQ(p.Station_Name, u"line-3.plant");
  EXPECT_EQ(p.Input_Length, 24);  // devices 0, 3 and 7
  EXPECT_EQ(p.Output_Length, 132);
  EXPECT_EQ(ParamsOf(golden::Data("gsdml") / "no-pargen").Input_Length, 0);
}

// The station name goes into two attributes: whatever it holds, the file
// stays well-formed and gives the name back.
TEST(GsdmlWriter, EscapedStationNameParsesBack) {
  for (const String& name : {String(u"A&B <\"x\"> 'caf\u00e9' \u4e2d\U0001F600"), String(u"{INPUT}-{OUTPUT}")}) {
    SCOPED_TRACE(StringToUtf8(name));
    TProfinetParams p;
    p.Station_Name = name;
    p.Input_Length = 24;
    testsupport::TempDir out;
    Write_GSDML(PathOf(out / "device.xml"), p);
    TXMLDocument doc;
    doc.LoadFromFile(PathOf(out / "device.xml"));
    const TXmlNode process = doc.DocumentElement().ChildNodes(u"ProfileBody").ChildNodes(u"ApplicationProcess");
    const TXmlNode dap = process.ChildNodes(u"DeviceAccessPointList").ChildNodes(u"DeviceAccessPointItem");
    ASSERT_TRUE(dap);
    EXPECT_EQ(dap.Attribute(u"ImplementationType"), name);
    EXPECT_EQ(dap.Attribute(u"DNS_CompatibleName"), name);
    const TXmlNode io = process.ChildNodes(u"ModuleList")
                            .ChildNodes(u"ModuleItem")
                            .ChildNodes(u"VirtualSubmoduleList")
                            .ChildNodes(u"VirtualSubmoduleItem")
                            .ChildNodes(u"IOData");
    EXPECT_EQ(io.ChildNodes(u"Input").ChildNodes(u"DataItem").Attribute(u"Length"), u"24");
    EXPECT_EQ(io.ChildNodes(u"Output").ChildNodes(u"DataItem").Attribute(u"Length"), u"132");
  }
}

TEST(GsdmlWriter, FileNameFromTheFixedPartsAndTheUsersPart) {
  const String fix2 = GSDML_Name_Fix2(EncodeDate(2017, 1, 31));
  EXPECT_EQ(fix2, u"-20170131.xml");
  const std::pair<String, String> cases[] = {
      {u"", u"GSDML-V2.31-Ostrel-GX3380-20170131.xml"},
      {u"   ", u"GSDML-V2.31-Ostrel-GX3380-20170131.xml"},
      {u"plant", u"GSDML-V2.31-Ostrel-GX3380_plant-20170131.xml"},
      {u"_plant", u"GSDML-V2.31-Ostrel-GX3380_plant-20170131.xml"},
      {u" plant ", u"GSDML-V2.31-Ostrel-GX3380_ plant -20170131.xml"},  // taken as typed
  };
  for (const auto& [user, name] : cases) EXPECT_EQ(GSDML_File_Name(GSDML_Name_Fix1, user, fix2), name);
}

}  // namespace
