// The BACnet check routines on their own: object codes, property sizes,
// data types and byte limits, and the "M" destination addresses.
#include <gtest/gtest.h>

#include "editors/UBACnetAccess.h"

namespace {
TEST(BACnetAccessCheck, ObjectTypes) {
  const struct {
    const char* Text;
    int Read, Write;
  } Cases[] = {
      {"Accumulator", 1, -1},        {" multi-state input ", 2, -1}, {"Multi-State Output", 3, 3},
      {"ANALOG INPUT", 4, -1},       {"Analog Output", 5, 5},        {"Binary Input", 6, -1},
      {"Binary Output", 7, 7},       {"Integer Value", 8, 8},        {"Large Analog Value", 9, 9},
      {"Positive Integer Value", 10, 10}, {"Multi-State Value", 11, 11}, {"Analog Value", 12, 12},
      {"Binary Value", 13, 13},      {"Life Safety Point", 14, 14},  {"Life Safety Zone", 15, 15},
      {"130", 130, 130},             {"128", 128, 128},              {"1023", 1023, 1023},
      {"127", -1, -1},               {"1024", -1, -1},               {"", -1, -1},
      {"Analog", -1, -1},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Text);
    EXPECT_EQ(Check_Object_Type(S(C.Text), 0), C.Read);
    EXPECT_EQ(Check_Object_Type(S(C.Text), 1), C.Write);
  }
}

TEST(BACnetAccessCheck, PropertiesByObjectCode) {
  const struct {
    const char* Text;
    int Read_Write, Object, Bytes;
  } Cases[] = {
      {"Present Value (85)", 0, 4, 100},    {"present value (85)", 1, 5, 100},
      {"Object Identifier (75)", 0, 4, 4},  {"Object Identifier (75)", 1, 5, -1},
      {"Units (117)", 0, 4, 4},             {"Units (117)", 0, 2, -1},
      {"Units (117)", 0, 13, -1},           {"Units (117)", 0, 1, 4},
      {"Scale (187)", 0, 1, 1},             {"Scale (187)", 0, 4, -1},
      {"PreScale (185)", 0, 1, 5},          {"PreScale (185)", 0, 2, -1},
      {"Polarity (84)", 0, 6, 1},           {"Polarity (84)", 0, 13, 1},
      {"Polarity (84)", 0, 4, -1},          {"Event State (36)", 0, 15, 4},
      {"Status Flags (111)", 0, 3, 1},      {"Object Type (79)", 0, 3, 2},
      {"Number of States (74)", 0, 11, 4},  {"Number of States (74)", 0, 4, -1},
      {"600", 0, 4, 200},                   {"600", 1, 5, 200},
      {"512", 0, 4, 200},                   {"4184303", 0, 4, 200},
      {"4184304", 0, 4, -1},                {"511", 0, 4, -1},
      {"Present Value", 0, 4, -1},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::string(C.Text) + " " + std::to_string(C.Read_Write) + " " + std::to_string(C.Object));
    EXPECT_EQ(Check_Property(S(C.Text), C.Read_Write, C.Object), C.Bytes);
  }
}

TEST(BACnetAccessCheck, DataTypesOfThePresentValue) {
  const struct {
    const char* Text;
    int Object, Property, Result;
    const char* Expected;
  } Cases[] = {
      {"Unsigned Int", 10, 100, 4, "Unsigned Int"}, {"Real", 10, 100, -1, "Unsigned Int"},
      {"Signed Int", 8, 100, 4, "Signed Int"},      {"real", 5, 100, 4, "Real"},
      {"Real", 12, 100, 4, "Real"},                 {"Double", 9, 100, 8, "Double"},
      {"Enumerated", 7, 100, 1, "Enumerated"},      {"Enumerated", 13, 100, 1, "Enumerated"},
      {"Boolean", 130, 100, 1, ""},                 {"", 130, 100, 1, ""},
      {"Boolean", 5, 200, 1000, ""},                {"Real", 14, 100, -1, ""},
      {"Unsigned Int", 3, 100, 4, "Unsigned Int"},  {"Unsigned Int", 11, 100, 4, "Unsigned Int"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::string(C.Text) + " " + std::to_string(C.Object));
    EXPECT_EQ(Check_Data_Type(S(C.Text), C.Object, C.Property), C.Result);
    EXPECT_EQ(StringToUtf8(Aspected_Data_Type_Value(C.Object, C.Property)), C.Expected);
  }
}

TEST(BACnetAccessCheck, ByteMaximaOfTheDataTypes) {
  const std::pair<const char*, int> Cases[] = {
      {"Null", 0},         {"Boolean", 1},      {"Unsigned Int", 4}, {"Signed Int", 4},  {"Real", 4},
      {"Enumerated", 4},   {"Date", 4},         {"Time", 4},         {"Object ID", 4},   {"Double", 8},
      {" bit string ", 120}, {"Octet String", 255}, {"Character String", 255}, {"", 255},
  };
  for (const auto& [Text, Max] : Cases) EXPECT_EQ(Check_Num_Byte_Max(S(Text)), Max) << Text;
}

TEST(BACnetAccessCheck, DestinationAddressBytes) {
  const struct {
    const char* Values;
    int Read, Write;
  } Cases[] = {
      {"1,2,3", 0, 0},    {"0, 255, 7", 0, 0}, {"1,2", 1488, 1489}, {"1,2,3,4", 1484, 1485},
      {"1,256,3", 1482, 1483}, {"", 1488, 1489}, {"  ", 1488, 1489}, {"1,,3", 1482, 1483},
      {"a,b,c", 1482, 1483},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Values);
    EXPECT_EQ(Check_Dest_Add(S(C.Values), 3, true), C.Read);
    EXPECT_EQ(Check_Dest_Add(S(C.Values), 3, false), C.Write);
  }
}

TEST(BACnetAccessCheck, TheReadHintIsTheByteCountOfObjectAndProperty) {
  const struct {
    const char* Object;
    const char* Property;
    const char* Hint;
  } Cases[] = {
      {"Analog Input", "Present Value (85)", "4"}, {"Binary Input", "Present Value (85)", "1"},
      {"Large Analog Value", "Present Value (85)", "8"}, {"Binary Value", "Present Value (85)", ""},
      {"Accumulator", "PreScale (185)", "5"},      {"Analog Input", "Object Type (79)", "2"},
      {"Analog Input", "600", ""},                 {"", "", ""},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(StringToUtf8(Str_Hint_Read(S(C.Object), S(C.Property))), C.Hint) << C.Object << " " << C.Property;
}
}  // namespace
