#include "app/BankLayout.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::uint8_t ByteAt(const TByteImage& I, std::size_t Offset) { return I.U8(Offset); }

TEST(ByteImage, NumbersAreLittleEndianWhateverTheHost) {
  TByteImage image(8);
  image.SetU32(0, 0x11223344u);
  image.SetU16(4, 0xA1B2u);
  EXPECT_EQ(image.Bytes(), std::string("\x44\x33\x22\x11\xB2\xA1\x00\x00", 8));
  EXPECT_EQ(image.U32(0), 0x11223344u);
  EXPECT_EQ(image.U16(4), 0xA1B2u);
}

TEST(ByteImage, TextFieldTakesLowBytesZeroFillsAndCuts) {
  struct Case {
    String Value;
    std::string Expected;  // 6-byte field followed by a guard byte
  };
  const Case cases[] = {
      {u"", std::string(6, '\0') + "G"},
      {u"abc", std::string("abc\0\0\0G", 7)},
      {u"abcdef", "abcdefG"},              // exactly the width: no terminating zero
      {u"abcdefghij", "abcdefG"},          // cut, the guard stays
      {u"\u00e9\u20ac\u4e2d", std::string("\xE9\xAC\x2D\0\0\0G", 7)},  // low byte of each unit
  };
  for (const Case& c : cases) {
    TByteImage image(7);
    image.SetU8(6, 'G');
    image.SetText({0, 6}, c.Value);
    EXPECT_EQ(image.Bytes(), c.Expected) << StringToUtf8(c.Value);
  }
}

TEST(ByteImage, NeverWritesPastItsEnd) {
  TByteImage image(4);
  EXPECT_THROW(image.SetU32(1, 1), ERangeError);
  EXPECT_THROW(image.SetU16(3, 1), ERangeError);
  EXPECT_THROW(image.SetText({2, 3}, u"x"), ERangeError);
  EXPECT_THROW(image.SetU8(SIZE_MAX, 1), ERangeError);
  EXPECT_EQ(image.Bytes(), std::string(4, '\0'));
}

TEST(BankLayout, SizesAndDeviceAddresses) {
  EXPECT_EQ(Bank2_Size, 24742u);
  EXPECT_EQ(Trap_Table_Size, 12288u);
  EXPECT_EQ(Write_Table_Address, 0x83000u);
  EXPECT_EQ(DALI_Block_Address, 0x86000u);
}

// Every fixed device value at its offset; every other byte zero.
TEST(BankLayout, NewParameterRecordHoldsTheFixedValuesOnly) {
  const TByteImage r = New_Parameter_Record();
  ASSERT_EQ(r.Size(), 2048u);
  const std::map<std::size_t, std::pair<int, std::uint32_t>> fixed = {
      {0, {4, 125000}},  {4, {4, 125000}},   {12, {4, 9600}},      {16, {2, 8}},         {52, {2, 10000}},
      {54, {2, 10001}},  {404, {4, 38400}},  {431, {1, 1}},        {460, {2, 3671}},     {468, {2, 50000}},
      {470, {2, 50001}}, {472, {2, 50002}},  {478, {2, 512}},      {1444, {4, 0x80000}}, {1448, {4, 0x83000}},
      {1532, {4, 0x86000}}, {1896, {4, 6000}}, {1900, {4, 100}},
  };
  std::string expected(2048, '\0');
  for (const auto& [offset, field] : fixed)
    for (int i = 0; i < field.first; ++i) expected[offset + i] = static_cast<char>(field.second >> (8 * i));
  for (std::size_t i = 436; i < 444; ++i) expected[i] = 8;
  EXPECT_EQ(r.Bytes(), expected);
  std::uint32_t sum = 0;
  for (const char c : expected) sum += static_cast<unsigned char>(c);
  EXPECT_EQ(Parameter_Record_Checksum(r), sum);
}

TEST(BankLayout, ChecksumAddsBytesUpTo2043Only) {
  TByteImage r(Bank1_Size);
  for (std::size_t i = 0; i < Bank1_Size; ++i) r.SetU8(i, 0xFF);
  EXPECT_EQ(Parameter_Record_Checksum(r), 2044u * 255u);
}

TEST(BankLayout, TrapEntryFieldsAtTheirOffsets) {
  TTrapEntry e;
  e.Position = 0x0102;
  e.Start_Bit = 3;
  e.Num_Bits = 32;
  e.Conversion = 4;
  e.Flags = Trap_Int | Trap_On_Timer;
  e.Time = 1000;
  e.Community_Name = u"public-community-long";
  e.Description = u"temp1";
  e.IP_Address = 0xC0A80210u;
  TByteImage image(2 * Trap_Entry_Size);
  Put_Trap_Entry(image, Trap_Entry_Size, e);
  const std::size_t o = Trap_Entry_Size;
  EXPECT_EQ(image.Bytes().substr(0, o), std::string(o, '\0'));
  EXPECT_EQ(image.U16(o + 0), 0x0102);
  EXPECT_EQ(image.U16(o + 2), 3);
  EXPECT_EQ(image.U16(o + 4), 32);
  EXPECT_EQ(ByteAt(image, o + 6), 4);
  EXPECT_EQ(ByteAt(image, o + 7), 0x0C);
  EXPECT_EQ(image.U32(o + 8), 1000u);
  EXPECT_EQ(image.Bytes().substr(o + 12, 16), "public-community");
  EXPECT_EQ(image.Bytes().substr(o + 28, 16), std::string("temp1") + std::string(11, '\0'));
  EXPECT_EQ(image.Bytes().substr(o + 44, 4), "\x10\x02\xA8\xC0");  // d, c, b, a
}

TEST(BankLayout, ConversionCodes) {
  const std::pair<String, int> cases[] = {
      {u"None", 0},        {u"Float", 1},       {u"Float * 10", 2}, {u"FLOAT * 100", 3},
      {u"  float / 10 ", 4}, {u"Float / 100", 5}, {u"Float*10", 0},   {u"", 0},
  };
  for (const auto& [text, code] : cases) EXPECT_EQ(Conversion_Code(text), code) << StringToUtf8(text);
}

}  // namespace
