#include "app/BankLayout.h"

#include "platform/sys/SysUtils.h"

namespace {

// Device parameters that the configurator does not edit.
void Put_Fixed_Values(TByteImage& R) {
  R.SetU32(0, 125000);
  R.SetU32(4, 125000);
  R.SetU32(12, 9600);
  R.SetU16(16, 8);
  R.SetU16(52, 10000);
  R.SetU16(54, 10001);
  R.SetU32(404, 38400);
  R.SetU8(431, 1);
  for (std::size_t i = 436; i < 444; ++i) R.SetU8(i, 8);
  R.SetU16(460, 3671);
  R.SetU16(468, 50000);
  R.SetU16(470, 50001);
  R.SetU16(472, 50002);
  R.SetU16(478, 512);
  R.SetU32(Parameter_Record::Read_Table_Address, Read_Table_Address);
  R.SetU32(Parameter_Record::Write_Table_Address, Write_Table_Address);
  R.SetU32(Parameter_Record::DALI_Block_Address, DALI_Block_Address);
  R.SetU32(1896, 6000);
  R.SetU32(1900, 100);
}

}  // namespace

TByteImage New_Parameter_Record() {
  TByteImage record(Bank1_Size);
  Put_Fixed_Values(record);
  return record;
}

std::uint32_t Parameter_Record_Checksum(const TByteImage& Record) {
  return Record.ByteSum(0, Parameter_Record::Checksum);
}

void Put_Trap_Entry(TByteImage& Image, std::size_t Offset, const TTrapEntry& Entry) {
  Image.SetU16(Offset + 0, Entry.Position);
  Image.SetU16(Offset + 2, Entry.Start_Bit);
  Image.SetU16(Offset + 4, Entry.Num_Bits);
  Image.SetU8(Offset + 6, Entry.Conversion);
  Image.SetU8(Offset + 7, Entry.Flags);
  Image.SetU32(Offset + 8, Entry.Time);
  Image.SetText({Offset + 12, 16}, Entry.Community_Name);
  Image.SetText({Offset + 28, 16}, Entry.Description);
  Image.SetU32(Offset + 44, Entry.IP_Address);
}

void Put_Trap_Table(TByteImage& Image, std::size_t Offset, const TTrapTable& Table) {
  for (std::size_t k = 0; k < Table.size(); ++k) Put_Trap_Entry(Image, Offset + k * Trap_Entry_Size, Table[k]);
}

std::uint8_t Conversion_Code(StringView Text) {
  static constexpr StringView Codes[] = {u"FLOAT", u"FLOAT * 10", u"FLOAT * 100", u"FLOAT / 10", u"FLOAT / 100"};
  const String key = UpperCase(Trim(Text));
  for (std::size_t i = 0; i < std::size(Codes); ++i)
    if (key == Codes[i]) return static_cast<std::uint8_t>(i + 1);
  return 0;
}
