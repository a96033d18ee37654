#include "app/BankBuilder.h"

#include <cerrno>

#include "app/AddressHelpers.h"
#include "app/ProgramState.h"
#include "app/ProjectFile.h"
#include "platform/sys/Files.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SysUtils.h"

namespace PR = Parameter_Record;

namespace {

String Numbered(StringView Name, std::size_t N) { return String(Name) + IntToStr(static_cast<std::int64_t>(N)); }

bool Is_Y(const TXmlNode& Row, StringView Name) { return UpperCase(Row.Attribute(Name)) == u"Y"; }

// The window validates addresses with trimmed parts, so the bank must see
// the same octets: « 192 .168.2.16 » is 192.168.2.16 here too.
String Trim_IP_Parts(StringView Text) {
  String result;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = Text.find(u'.', start);
    result += Trim(Text.substr(start, dot == StringView::npos ? StringView::npos : dot - start));
    if (dot == StringView::npos) return result;
    result += u'.';
    start = dot + 1;
  }
}

std::uint32_t Trap_IP_Address(const String& Text) {
  std::uint8_t a = 0, b = 0, c = 0, d = 0;
  IP_To_Bytes(Trim_IP_Parts(Text), a, b, c, d);  // invalid octets read as 0
  return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}

std::uint16_t Attribute_Number(const TXmlNode& Row, StringView Name, int Default) {
  return static_cast<std::uint16_t>(StrToIntDef(Row.Attribute(Name), Default));
}

TTrapEntry Trap_Entry_Of(const TXmlNode& Row, bool Read) {
  TTrapEntry e;
  e.Community_Name = Row.Attribute(u"Community_Name");
  if (UpperCase(Row.Attribute(u"Type")) == u"INT") e.Flags |= Trap_Int;
  if (Read) {
    if (Is_Y(Row, u"On_Change")) e.Flags |= Trap_On_Change;
    if (Is_Y(Row, u"On_Command")) e.Flags |= Trap_On_Command;
    if (Is_Y(Row, u"On_Timer")) e.Flags |= Trap_On_Timer;
    e.Time = static_cast<std::uint32_t>(StrToIntDef(Row.Attribute(u"Time"), 0));
  }
  e.Position = Attribute_Number(Row, u"Position", 0);
  e.Start_Bit = Attribute_Number(Row, u"Bit", 0);
  e.Num_Bits = Attribute_Number(Row, u"NumBits", 1);
  if (!(e.Flags & Trap_Int)) e.Num_Bits = static_cast<std::uint16_t>(e.Num_Bits * 8);  // a byte count
  e.Description = Row.Attribute(u"Description");
  if (Read) e.IP_Address = Trap_IP_Address(Row.Attribute(u"IP_Address"));
  e.Conversion = Conversion_Code(Row.Attribute(u"Conversion"));
  return e;
}

TTrapEntry Default_Trap_Entry(std::size_t K, bool Read) {
  TTrapEntry e;
  e.Community_Name = u"vantor";
  e.Flags = Trap_Int;
  e.Time = Read ? 1000 : 0;
  e.Position = static_cast<std::uint16_t>(Read ? K * 8 : K);
  e.Num_Bits = 8;
  e.Description = Numbered(Read ? u"lampADV" : u"lamp", K);
  e.IP_Address = Read ? 0xC0A80210u : 0;  // 192.168.2.16
  return e;
}

using TOctets = std::array<std::uint8_t, 4>;
constexpr TOctets No_Gateway{255, 255, 255, 255};

void Put_Octets(TByteImage& Image, std::size_t Offset, const TOctets& Octets) {
  for (std::size_t i = 0; i < Octets.size(); ++i) Image.SetU8(Offset + i, Octets[i]);
}

// Creates the folder one level deep: a configuration folder that has gone
// since it was opened is not made again, so its loss is reported rather
// than default banks written into an empty look-alike.
void Ensure_Folder(const String& Dir) {
  if (DirectoryExists(Dir) || CreateDir(Dir)) return;
  throw EInOutError(FileErrorText(u"Cannot create folder", Dir, errno));
}

}  // namespace

TBankBuilder::TBankBuilder() : FBank1_Record(Bank1_Size) {}

void TBankBuilder::Build_Banks(const String& File_ParGen, const String& File_DALI_Access,
                               const String& File_SNMP_Trap) {
  FBank1_Buffer.clear();
  FBank2_Buffer.clear();
  Init_Parameter_Record();
  Clear_Trap_Tables();
  Clear_DALI_Block();
  Load_ParGen(File_ParGen);
  Load_DALI_Access(File_DALI_Access);
  Load_SNMP_Trap(File_SNMP_Trap);
  Write_Parameter_Record();
  TByteImage bank2(Bank2_Size);
  Write_Trap_Tables(bank2);
  Write_DALI_Block(bank2);
  FBank2_Buffer = bank2.Bytes();
}

void TBankBuilder::Save_Banks(const String& Project_Path) const {
  if (FBank1_Buffer.size() != Bank1_Size || FBank2_Buffer.size() != Bank2_Size)
    throw Exception(u"The configuration banks have not been built");
  const String bin = Join(Project_Path, u"bin");
  Ensure_Folder(bin);
  SafeWriteFilePair(Join(bin, u"bank1.bin"), FBank1_Buffer, Join(bin, u"bank2.bin"), FBank2_Buffer);
}

void TBankBuilder::Build_Banks(const TProgramState& State) {
  Build_Banks(State.File_ParGen, State.File_DALI_Access, State.File_SNMP_Trap);
}

void TBankBuilder::Save_Banks(const TProgramState& State) const { Save_Banks(State.Project_Path); }

void TBankBuilder::Init_Parameter_Record() {
  FBank1_Record = New_Parameter_Record();
  Put_Octets(FBank1_Record, PR::Agent_IP, {192, 168, 2, 205});
  Put_Octets(FBank1_Record, PR::Agent_Mask, {255, 255, 255, 0});
  Put_Octets(FBank1_Record, PR::Agent_Gateway, No_Gateway);
  FBank1_Record.SetU16(PR::Console_Port, 10001);
}

void TBankBuilder::Clear_Trap_Tables() {
  FRead_Table.fill(TTrapEntry());
  FWrite_Table.fill(TTrapEntry());
}

void TBankBuilder::Clear_DALI_Block() {
  FDALI_Block_Head = 0;
  FDALI_Device_Flags.fill(0);
}

void TBankBuilder::Load_ParGen(const String& FileName) {
  FBank1_Record.SetU32(PR::DALI_Block_Address, DALI_Block_Address);
  const TProjectFile file(FileName);
  if (!file.Exists()) return;
  static constexpr int Default_IP[] = {192, 168, 0, 5}, Default_SM[] = {255, 255, 255, 0},
                       Default_GAT[] = {192, 168, 0, 1};
  for (std::size_t i = 0; i < 4; ++i) {
    const auto octet = [&](StringView Name, const int* Defaults) {
      return static_cast<std::uint8_t>(file.Integer(Numbered(Name, i + 1), Defaults[i]));
    };
    FBank1_Record.SetU8(PR::Agent_IP + i, octet(u"SNMP_Agent_IP", Default_IP));
    FBank1_Record.SetU8(PR::Agent_Mask + i, octet(u"SNMP_Agent_SM", Default_SM));
    FBank1_Record.SetU8(PR::Agent_Gateway + i, octet(u"SNMP_Agent_GAT", Default_GAT));
  }
  if (!file.Flag(u"SNMP_Agent_EN_GAT")) Put_Octets(FBank1_Record, PR::Agent_Gateway, No_Gateway);
  FBank1_Record.SetText(PR::Station_Name, file.Text(u"SNMP_Agent_Name_of_Station", u"devicename1"));
  FBank1_Record.SetText(PR::Contact, file.Text(u"SNMP_Agent_Contact", u""));
  FBank1_Record.SetText(PR::Location, file.Text(u"SNMP_Agent_Location", u""));
  Load_SNMP_Settings(file);
  FBank1_Record.SetU16(PR::Console_Port, static_cast<std::uint16_t>(file.Integer(u"DALI_CONSOLE_PORT", 10001)));
  std::uint32_t dali = 0;
  if (file.Flag(u"DALI_DISABLE_SCAN")) dali |= DALI_No_Scan;
  if (file.Flag(u"DALI_ENABLE_DALI_2")) dali |= DALI_2;
  FBank1_Record.SetU32(PR::DALI_Flags, dali);
}

// Version-3 settings reach the bank only with version 3 on; the pass
// phrases only with the security level that uses them.
void TBankBuilder::Load_SNMP_Settings(const TProjectFile& File) {
  std::uint32_t flags = 0;
  if (File.Flag(u"SNMP_Agent_VERSION1")) flags |= SNMP_V1;
  if (File.Flag(u"SNMP_Agent_VERSION2")) flags |= SNMP_V2;
  if (File.Flag(u"SNMP_Agent_VERSION3")) {
    flags |= SNMP_V3;
    FBank1_Record.SetText(PR::V3_User, File.Text(u"SNMP_Agent_VER3_USER", u""));
    const int level = SNMP_Security_Level_Index(File.Text(u"SNMP_Agent_VER3_SECURITY_LEVEL", u""));
    if (level >= 1) {
      flags |= SNMP_Auth;
      FBank1_Record.SetText(PR::V3_Authority, File.Text(u"SNMP_Agent_VER3_AUTHORITY", u""));
      flags |= SNMP_Auth_Mode_Index(File.Text(u"SNMP_Agent_VER3_AUTHORITY_MODE", u"")) == 1 ? SNMP_Auth_SHA
                                                                                            : SNMP_Auth_MD5;
    }
    if (level == 2) {
      flags |= SNMP_Priv;
      FBank1_Record.SetText(PR::V3_Privacy, File.Text(u"SNMP_Agent_VER3_PRIVACY", u""));
      flags |= SNMP_Priv_Mode_Index(File.Text(u"SNMP_Agent_VER3_PRIVACY_MODE", u"")) == 1 ? SNMP_Priv_AES
                                                                                          : SNMP_Priv_DES;
    }
  }
  FBank1_Record.SetU32(PR::SNMP_Flags, flags);
}

void TBankBuilder::Load_DALI_Access(const String& FileName) {
  const TProjectFile file(FileName);
  if (!file.Exists()) return;
  struct TBitRule {
    StringView Suffix;
    StringView Text;
    std::uint16_t Bit;
  };
  static constexpr TBitRule Rules[] = {
      {u"", u"1", DALI_Enabled},
      {u"_DIMMING_MODE", u"Start Break", DALI_Start_Break},
      {u"_MIN_MAN_VALUE", u"1", DALI_Min_Max_Only},
      {u"_RECALL_LEVEL", u"Recall Min-Max Level for Switch", DALI_Recall_Min_Max},
      {u"_RECALL_LEVEL", u"Recall Old Value Level for Switch", DALI_Recall_Old_Value},
  };
  for (std::size_t n = 0; n < DALI_Devices; ++n) {
    const String device = Numbered(u"DALI_ID_DEVICE_", n);
    for (const TBitRule& rule : Rules)
      if (file.Text(device + String(rule.Suffix), u"") == rule.Text) FDALI_Device_Flags[n] |= rule.Bit;
  }
}

void TBankBuilder::Load_SNMP_Trap(const String& FileName) {
  FBank1_Record.SetU32(PR::Read_Trap_Count, 0);
  FBank1_Record.SetU32(PR::Write_Trap_Count, 0);
  FBank1_Record.SetU32(PR::Read_Table_Address, Read_Table_Address);
  FBank1_Record.SetU32(PR::Write_Table_Address, Write_Table_Address);
  const TProjectFile file(FileName);
  if (!file.Exists()) return Load_Default_Traps();
  Load_Trap_Section(file.Child(u"SNMP_Trap_Read"), true, FRead_Table, PR::Read_Trap_Count);
  Load_Trap_Section(file.Child(u"SNMP_Trap_Write"), false, FWrite_Table, PR::Write_Trap_Count);
}

void TBankBuilder::Load_Default_Traps() {
  constexpr std::size_t Default_Rows = 64;
  for (std::size_t k = 0; k < Default_Rows; ++k) {
    FRead_Table[k] = Default_Trap_Entry(k, true);
    FWrite_Table[k] = Default_Trap_Entry(k, false);
  }
  FBank1_Record.SetU32(PR::Read_Trap_Count, Default_Rows);
  FBank1_Record.SetU32(PR::Write_Trap_Count, Default_Rows);
}

// Enabled rows fill the table from entry 0 in file order; a hand-edited file
// with more enabled rows than the table holds keeps the first 256.
void TBankBuilder::Load_Trap_Section(const TXmlNode& Section, bool Read, TTrapTable& Table,
                                     std::size_t Count_Offset) {
  std::uint32_t count = 0;
  for (TXmlNode row = Section ? Section.FirstChild() : TXmlNode(); row && count < Table.size();
       row = row.NextSibling()) {
    if (!Is_Y(row, u"Enable")) continue;
    Table[count++] = Trap_Entry_Of(row, Read);
  }
  FBank1_Record.SetU32(Count_Offset, count);
}

void TBankBuilder::Write_Parameter_Record() {
  FBank1_Record.SetU32(PR::Checksum, Parameter_Record_Checksum(FBank1_Record));
  FBank1_Buffer = FBank1_Record.Bytes();
}

void TBankBuilder::Write_Trap_Tables(TByteImage& Bank2) const {
  Put_Trap_Table(Bank2, 0, FRead_Table);
  Put_Trap_Table(Bank2, Trap_Table_Size, FWrite_Table);
}

void TBankBuilder::Write_DALI_Block(TByteImage& Bank2) const {
  std::size_t offset = 2 * Trap_Table_Size;
  Bank2.SetU32(offset, FDALI_Block_Head);
  offset += 4;
  for (const std::uint16_t word : FDALI_Device_Flags) {
    Bank2.SetU16(offset, word);
    offset += 2;
  }
}
