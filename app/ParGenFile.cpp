#include "app/ParGenFile.h"

#include "app/AddressHelpers.h"
#include "app/ProjectFile.h"

namespace {
constexpr StringView Root_Name = u"Par_Gen";
constexpr StringView Version_Comment = u"SW_VERSION = 1.000";

constexpr StringView Security_Levels[] = {u"NoAuth NoPriv", u"Auth NoPriv", u"Auth Priv"};
constexpr StringView Auth_Modes[] = {u"MD5", u"SHA"};
constexpr StringView Priv_Modes[] = {u"DES", u"AES"};

String Read_Element(const TProjectFile& File, const TParGenElement& E) {
  switch (E.Kind) {
    case pgText: return File.Text(E.Name, E.Default);
    case pgFlag: return File.Flag(E.Name) ? u"1" : u"0";
    default: break;
  }
  const int Index = ParGen_List_Index(E.Kind, File.Text(E.Name, u""));
  return String(ParGen_List_Items(E.Kind)[static_cast<std::size_t>(Index)]);
}
}  // namespace

const std::array<TParGenElement, ParGen_Element_Count> ParGen_Elements{{
    {u"SNMP_Agent_IP1", pgText, u"192"},
    {u"SNMP_Agent_IP2", pgText, u"168"},
    {u"SNMP_Agent_IP3", pgText, u"0"},
    {u"SNMP_Agent_IP4", pgText, u"5"},
    {u"SNMP_Agent_SM1", pgText, u"255"},
    {u"SNMP_Agent_SM2", pgText, u"255"},
    {u"SNMP_Agent_SM3", pgText, u"255"},
    {u"SNMP_Agent_SM4", pgText, u"0"},
    {u"SNMP_Agent_GAT1", pgText, u"192"},
    {u"SNMP_Agent_GAT2", pgText, u"168"},
    {u"SNMP_Agent_GAT3", pgText, u"0"},
    {u"SNMP_Agent_GAT4", pgText, u"1"},
    {u"SNMP_Agent_EN_GAT", pgFlag, u"0"},
    {u"SNMP_Agent_Name_of_Station", pgText, u"devicename1"},
    {u"SNMP_Agent_Contact", pgText, u""},
    {u"SNMP_Agent_Location", pgText, u""},
    {u"SNMP_Agent_VERSION1", pgFlag, u"0"},
    {u"SNMP_Agent_VERSION2", pgFlag, u"0"},
    {u"SNMP_Agent_VERSION3", pgFlag, u"0"},
    {u"SNMP_Agent_VER3_USER", pgText, u""},
    {u"SNMP_Agent_VER3_SECURITY_LEVEL", pgSecurityLevel, u"NoAuth NoPriv"},
    {u"SNMP_Agent_VER3_AUTHORITY", pgText, u""},
    {u"SNMP_Agent_VER3_AUTHORITY_MODE", pgAuthMode, u"MD5"},
    {u"SNMP_Agent_VER3_PRIVACY", pgText, u""},
    {u"SNMP_Agent_VER3_PRIVACY_MODE", pgPrivMode, u"DES"},
    {u"DALI_CONSOLE_PORT", pgText, u"10001"},
    {u"DALI_SWITCH_OFF", pgFlag, u"0"},
    {u"DALI_TIMEOUT", pgText, u"0"},
    {u"DALI_DISABLE_SCAN", pgFlag, u"0"},
    {u"DALI_ENABLE_DALI_2", pgFlag, u"0"},
}};

std::span<const StringView> ParGen_List_Items(TParGenKind Kind) {
  switch (Kind) {
    case pgSecurityLevel: return Security_Levels;
    case pgAuthMode: return Auth_Modes;
    case pgPrivMode: return Priv_Modes;
    default: return {};
  }
}

int ParGen_List_Index(TParGenKind Kind, StringView Text) {
  switch (Kind) {
    case pgSecurityLevel: return SNMP_Security_Level_Index(Text);
    case pgAuthMode: return SNMP_Auth_Mode_Index(Text);
    case pgPrivMode: return SNMP_Priv_Mode_Index(Text);
    default: return 0;
  }
}

TParGenValues Default_ParGen_Values() {
  TParGenValues Values;
  for (std::size_t i = 0; i < ParGen_Element_Count; ++i) Values[i] = String(ParGen_Elements[i].Default);
  return Values;
}

TParGenValues Read_ParGen(const String& FileName) {
  const TProjectFile File(FileName);
  if (!File.Exists()) return Default_ParGen_Values();
  TParGenValues Values;
  for (std::size_t i = 0; i < ParGen_Element_Count; ++i) Values[i] = Read_Element(File, ParGen_Elements[i]);
  return Values;
}

void Write_ParGen(const TParGenValues& Values, const String& FileName) {
  TXMLDocument Document;
  const TXmlNode Root = Document.AddChild(Root_Name);
  Document.AddComment(Version_Comment);
  for (std::size_t i = 0; i < ParGen_Element_Count; ++i) Root.AddChild(ParGen_Elements[i].Name).SetText(Values[i]);
  Document.SaveToFile(FileName);
}
