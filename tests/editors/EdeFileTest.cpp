// The EDE parser: where the data starts, how a line splits into fields,
// which objects are kept, the type mappings and the text encodings.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "editors/EdeFile.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/Golden.h"
#include "tests/support/TempDir.h"

namespace {
std::string Dump(const TBACnet_Var& V) {
  const auto Flag = [](bool B) { return B ? "Y" : "N"; };
  std::string Line;
  for (const String& Text : {V.keyname, IntToStr(V.device_obj_instance), V.object_name, IntToStr(V.object_type),
                             IntToStr(V.object_instance), V.description, V.present_value_default,
                             V.min_present_value, V.max_present_value, String(S(Flag(V.commandable))),
                             String(S(Flag(V.support_COV))), V.hi_limit, V.low_limit, V.stete_text_reference,
                             V.unit_code, V.vendor_specific_address})
    Line += StringToUtf8(Text) + "|";
  return Line + Flag(V.import) + Flag(V.read) + Flag(V.write);
}

std::string Dump(const std::vector<TBACnet_Var>& Vars) {
  std::string Text;
  for (const TBACnet_Var& V : Vars) Text += Dump(V) + "\n";
  return Text;
}

// Each case folder: input.csv and the objects read from it (expected.txt).
TEST(EdeFile, GoldenFiles) {
  for (const auto& Case : golden::Cases("ede")) {
    SCOPED_TRACE(Case.filename().string());
    const std::string Actual = Dump(Load_EDE_File(S((Case / "input.csv").string())));
    golden::ExpectSameText(Actual, Case / "expected.txt");
  }
}

std::vector<TBACnet_Var> Parse(std::initializer_list<const char*> Lines) {
  std::vector<String> Text;
  for (const char* Line : Lines) Text.push_back(S(Line));
  return Parse_EDE_Lines(Text);
}

TEST(EdeFile, FieldsSplitAtSemicolonsAndTheSixteenthTakesTheRest) {
  const struct {
    const char* Line;
    const char* Dumped;
  } Cases[] = {
      {"k;1;n;0;5;d;p;mi;ma;Y;y;hi;lo;st;u;v;w;", "k|1|n|0|5|d|p|mi|ma|Y|Y|hi|lo|st|u|v;w|YYY"},
      {"k;1;n;0;5;d;p;mi;ma;N;N;hi;lo;st;u;v;;", "k|1|n|0|5|d|p|mi|ma|N|N|hi|lo|st|u|v;|YYN"},
      {" k ; 1 ; n ; 0 ; 5 ; d ", "k|1|n|0|5|||||N|N|||||d|YYN"},
      {"k;-;n;0;x", "k|-1|n|0|-1|||||N|N|||||x|YYN"},
      {"k;1;n;0;5;d;p;mi;ma;Y", "k|1|n|0|5|d|p|mi|ma|N|N|||||Y|YYN"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Line);
    const auto Vars = Parse({"#mandatory", "names", C.Line});
    ASSERT_EQ(Vars.size(), 1u);
    EXPECT_EQ(Dump(Vars[0]), C.Dumped);
  }
}

TEST(EdeFile, OnlyTheAcceptedTypesAreKept) {
  EXPECT_TRUE(Parse({"#mandatory", "names", "a;1;n;8;1;device", "# a comment line", "b;1;n;x;1", "c;1;n;-1;1",
                     "d;1;n;49;1"})
                  .empty());
  EXPECT_TRUE(Parse({"a;1;n;0;1;no header line at all"}).empty());
  EXPECT_TRUE(Parse({}).empty());
  // Line 7 is the header: data from line 9, the line after the header skipped.
  const auto Vars = Parse({"", "", "", "", "", "", " # mandatory", "a;1;n;0;1", "b;1;n;0;2", "#mandatory", "",
                           "c;1;n;0;3"});
  ASSERT_EQ(Vars.size(), 2u);
  EXPECT_EQ(Vars[0].keyname, u"b");
  EXPECT_EQ(Vars[1].keyname, u"c");
}

TEST(EdeFile, EachAcceptedTypeMapsToItsRow) {
  const struct {
    int Type;
    const char* Name;
    const char* Data_Type;
    int Bytes;
  } Cases[] = {
      {0, "Analog Input", "Real", 4},        {1, "Analog Output", "Real", 4},
      {2, "Analog Value", "Real", 4},        {3, "Binary Input", "Enumerated", 1},
      {4, "Binary Output", "Enumerated", 1}, {5, "Binary Value", "Enumerated", 1},
      {13, "Multi-State Input", "Unsigned Int", 4}, {14, "Multi-State Output", "Unsigned Int", 4},
      {19, "Multi-State Value", "Unsigned Int", 4}, {21, "Life Safety Point", "Enumerated", 2},
      {22, "Life Safety Zone", "Enumerated", 2},    {23, "Accumulator", "Unsigned Int", 4},
      {45, "Integer Value", "Signed Int", 4},       {46, "Large Analog Value", "Double", 8},
      {48, "Positive Integer Value", "Unsigned Int", 4}, {8, "", "Null", 4},
      {-1, "", "Null", 4},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Type);
    EXPECT_EQ(StringToUtf8(Get_ObjType_EDE(C.Type)), C.Name);
    EXPECT_EQ(StringToUtf8(Get_DataType_EDE(C.Type)), C.Data_Type);
    EXPECT_EQ(Get_NumByte_EDE(C.Type), C.Bytes);
    EXPECT_EQ(Is_Accepted_EDE_Type(C.Type), *C.Name != 0);
  }
}

TEST(EdeFile, AMarkDecidesTheEncodingElseValidUtf8ElseWindows1252) {
  EXPECT_EQ(Decode_EDE_Text("Caf\xc3\xa9"), u"Café");
  EXPECT_EQ(Decode_EDE_Text("\xEF\xBB\xBF" "Caf\xc3\xa9"), u"Café");
  EXPECT_EQ(Decode_EDE_Text("Caf\xe9 \x80"), u"Café €");
  EXPECT_EQ(Decode_EDE_Text(std::string("\xFF\xFE" "C\0\xe9\0", 6)), u"Cé");
  EXPECT_EQ(Decode_EDE_Text(std::string("\xFE\xFF\0C\0\xe9", 6)), u"Cé");
  EXPECT_EQ(Decode_EDE_Text(""), u"");
}

TEST(EdeFile, AFileThatCannotBeReadRaisesNamingIt) {
  testsupport::TempDir Dir;
  const String Missing = S((Dir.Path() / "gone.csv").string());
  try {
    Load_EDE_File(Missing);
    FAIL() << "no error";
  } catch (const Exception& E) {
    EXPECT_NE(E.Message().find(u"gone.csv"), String::npos);
  }
  EXPECT_THROW(Load_EDE_File(S(Dir.Path().string())), Exception);
  const auto Pipe = Dir.Path() / "pipe.csv";
  ASSERT_EQ(mkfifo(Pipe.c_str(), 0600), 0);
  EXPECT_THROW(Load_EDE_File(S(Pipe.string())), Exception);  // never waits for a writer
}
}  // namespace
