#pragma once
// Byte layout of the two configuration banks that the update program writes
// into the gateway: bank1.bin (the parameter record) and bank2.bin (the
// SNMP trap tables and the DALI device block). Little-endian throughout.
#include <array>
#include <cstddef>
#include <cstdint>

#include "app/ByteImage.h"

constexpr std::size_t Bank1_Size = 2048;
constexpr std::size_t Trap_Entry_Size = 48;
constexpr std::size_t Trap_Table_Entries = 256;
constexpr std::size_t Trap_Table_Size = Trap_Table_Entries * Trap_Entry_Size;  // 12288
constexpr std::size_t DALI_Device_Words = 81;
constexpr std::size_t DALI_Devices = 64;
constexpr std::size_t Bank2_Size = 2 * Trap_Table_Size + 4 + DALI_Device_Words * 2;  // 24742

// Device addresses: where the updater loads the banks, and the tables in bank 2.
constexpr std::uint32_t Bank1_Load_Address = 0x07000;
constexpr std::uint32_t Bank2_Load_Address = 0x80000;
constexpr std::uint32_t Read_Table_Address = Bank2_Load_Address;
constexpr std::uint32_t Write_Table_Address = Bank2_Load_Address + Trap_Table_Size;
constexpr std::uint32_t DALI_Block_Address = Bank2_Load_Address + 2 * Trap_Table_Size;

// Offsets in the parameter record (bank1.bin).
namespace Parameter_Record {
constexpr std::size_t Agent_IP = 40;
constexpr std::size_t Agent_Mask = 44;
constexpr std::size_t Agent_Gateway = 48;
constexpr std::size_t Console_Port = 56;
constexpr TTextField Station_Name{80, 16};
constexpr std::size_t Read_Trap_Count = 1436;
constexpr std::size_t Write_Trap_Count = 1440;
constexpr std::size_t Read_Table_Address = 1444;
constexpr std::size_t Write_Table_Address = 1448;
constexpr std::size_t SNMP_Flags = 1452;
constexpr TTextField V3_User{1456, 20};
constexpr TTextField V3_Authority{1476, 16};
constexpr TTextField V3_Privacy{1492, 16};
constexpr std::size_t DALI_Block_Address = 1532;
constexpr TTextField Contact{1856, 16};
constexpr TTextField Location{1872, 16};
constexpr std::size_t DALI_Flags = 1892;
constexpr std::size_t Checksum = 2044;
}  // namespace Parameter_Record

// Bits of the SNMP flags word.
enum : std::uint32_t {
  SNMP_V1 = 1u << 0,
  SNMP_V2 = 1u << 1,
  SNMP_V3 = 1u << 2,
  SNMP_Auth = 1u << 4,
  SNMP_Priv = 1u << 5,
  SNMP_Auth_MD5 = 1u << 6,
  SNMP_Auth_SHA = 1u << 7,
  SNMP_Priv_DES = 1u << 8,
  SNMP_Priv_AES = 1u << 9,
};

// Bits of the DALI flags word.
enum : std::uint32_t { DALI_No_Scan = 1u << 16, DALI_2 = 1u << 17 };

// Bits of a DALI device word.
enum : std::uint16_t {
  DALI_Start_Break = 1u << 0,
  DALI_Min_Max_Only = 1u << 2,
  DALI_Recall_Min_Max = 1u << 3,
  DALI_Recall_Old_Value = 1u << 4,
  DALI_Enabled = 1u << 15,
};

// Bits of a trap entry's flags byte.
enum : std::uint8_t { Trap_On_Change = 1u << 0, Trap_On_Command = 1u << 1, Trap_On_Timer = 1u << 2, Trap_Int = 1u << 3 };

// A parameter record holding its fixed device values and zeros elsewhere.
TByteImage New_Parameter_Record();
// The sum of bytes 0 to 2043, stored at 2044.
std::uint32_t Parameter_Record_Checksum(const TByteImage& Record);

struct TTrapEntry {
  std::uint16_t Position = 0;
  std::uint16_t Start_Bit = 0;
  std::uint16_t Num_Bits = 0;
  std::uint8_t Conversion = 0;
  std::uint8_t Flags = 0;
  std::uint32_t Time = 0;
  String Community_Name;
  String Description;
  std::uint32_t IP_Address = 0;  // a.b.c.d as a * 2^24 + b * 2^16 + c * 2^8 + d
};

using TTrapTable = std::array<TTrapEntry, Trap_Table_Entries>;

void Put_Trap_Entry(TByteImage& Image, std::size_t Offset, const TTrapEntry& Entry);
void Put_Trap_Table(TByteImage& Image, std::size_t Offset, const TTrapTable& Table);

// The conversion code of a trap row's conversion text (trimmed, upper-cased):
// "FLOAT" 1, "FLOAT * 10" 2, "FLOAT * 100" 3, "FLOAT / 10" 4, "FLOAT / 100" 5, else 0.
std::uint8_t Conversion_Code(StringView Text);
