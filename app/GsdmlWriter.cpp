#include "app/GsdmlWriter.h"

#include "app/ProjectFile.h"
#include "platform/sys/SysUtils.h"
#include "platform/sys/TextFile.h"

namespace {

// {STATION}, {INPUT} and {OUTPUT} are filled in; indentation is not significant.
constexpr StringView Template[] = {
    u"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>",
    u"<!--A fieldbus integration example.-->",
    u"<ISO15745Profile xmlns=\"http://www.profibus.com/GSDML/2003/11/DeviceProfile\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\"http://www.profibus.com/GSDML/2003/11/DeviceProfile ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd\">",
    u"\t<ProfileHeader>",
    u"\t\t<ProfileIdentification>PROFINET Device Profile</ProfileIdentification>",
    u"\t\t<ProfileRevision>1.00</ProfileRevision>",
    u"\t\t<ProfileName>Device Profile for PROFINET Devices</ProfileName>",
    u"\t\t<ProfileSource>PROFIBUS Nutzerorganisation e. V. (PNO)</ProfileSource>",
    u"\t\t<ProfileClassID>Device</ProfileClassID>",
    u"\t\t<ISO15745Reference>",
    u"\t\t\t<ISO15745Part>4</ISO15745Part>",
    u"\t\t\t<ISO15745Edition>1</ISO15745Edition>",
    u"\t\t\t<ProfileTechnology>GSDML</ProfileTechnology>",
    u"\t\t</ISO15745Reference>",
    u"\t</ProfileHeader>",
    u"\t<ProfileBody>",
    u"\t\t<DeviceIdentity VendorID=\"0x02E7\" DeviceID=\"0x0C4B\">",
    u"\t\t\t<InfoText TextId=\"IDT_INFO_Device\"/>",
    u"\t\t\t<VendorName Value=\"Ostrel\"/>",
    u"\t\t</DeviceIdentity>",
    u"\t\t<DeviceFunction>",
    u"\t\t\t<Family MainFamily=\"Gateway\" ProductFamily=\"GX3380\"/>",
    u"\t\t</DeviceFunction>",
    u"\t\t<ApplicationProcess>",
    u"\t\t\t<DeviceAccessPointList>",
    u"\t\t\t\t<DeviceAccessPointItem PNIO_Version=\"V2.3\" RequiredSchemaVersion=\"V2.25\" ID=\"IDD_1\" PhysicalSlots=\"0..4\" ModuleIdentNumber=\"0x00000001\" MinDeviceInterval=\"64\" ImplementationType=\"{STATION}\" DNS_CompatibleName=\"{STATION}\" FixedInSlots=\"0\" ObjectUUID_LocalIndex=\"1\" MultipleWriteSupported=\"true\" MaxSupportedRecordSize=\"8192\" ParameterizationSpeedupSupported=\"true\" PowerOnToCommReady=\"350\" DeviceAccessSupported=\"true\" SharedDeviceSupported=\"true\" CheckDeviceID_Allowed=\"false\" NameOfStationNotTransferable=\"true\">",
    u"\t\t\t\t\t<ModuleInfo>",
    u"\t\t\t\t\t\t<Name TextId=\"IDT_NAME_DAP1\"/>",
    u"\t\t\t\t\t\t<InfoText TextId=\"IDT_INFO_DAP1\"/>",
    u"\t\t\t\t\t\t<VendorName Value=\"Ostrel\"/>",
    u"\t\t\t\t\t\t<OrderNumber Value=\"GX3380-A1\"/>",
    u"\t\t\t\t\t</ModuleInfo>",
    u"\t\t\t\t\t<SubslotList>",
    u"\t\t\t\t\t\t<SubslotItem SubslotNumber=\"0\" TextId=\"IDT_SUBSLOT_1\"/>",
    u"\t\t\t\t\t\t<SubslotItem SubslotNumber=\"32768\" TextId=\"IDT_SUBSLOT_Interface\"/>",
    u"\t\t\t\t\t\t<SubslotItem SubslotNumber=\"32769\" TextId=\"IDT_SUBSLOT_Port1\"/>",
    u"\t\t\t\t\t\t<SubslotItem SubslotNumber=\"32770\" TextId=\"IDT_SUBSLOT_Port2\"/>",
    u"\t\t\t\t\t</SubslotList>",
    u"\t\t\t\t\t<IOConfigData MaxInputLength=\"1440\" MaxOutputLength=\"1440\" MaxDataLength=\"2880\"/>",
    u"\t\t\t\t\t<UseableModules>",
    u"\t\t\t\t\t\t<ModuleItemRef ModuleItemTarget=\"IDM_1\" FixedInSlots=\"1\"/>",
    u"\t\t\t\t\t</UseableModules>",
    u"\t\t\t\t\t<VirtualSubmoduleList>",
    u"\t\t\t\t\t\t<VirtualSubmoduleItem ID=\"IDS_V1\" SubmoduleIdentNumber=\"0x00000000\">",
    u"\t\t\t\t\t\t\t<IOData IOPS_Length=\"1\" IOCS_Length=\"1\"/>",
    u"\t\t\t\t\t\t\t<ModuleInfo>",
    u"\t\t\t\t\t\t\t\t<Name TextId=\"IDT_NAME_VS1\"/>",
    u"\t\t\t\t\t\t\t\t<InfoText TextId=\"IDT_INFO_VS1\"/>",
    u"\t\t\t\t\t\t\t</ModuleInfo>",
    u"\t\t\t\t\t\t</VirtualSubmoduleItem>",
    u"\t\t\t\t\t</VirtualSubmoduleList>",
    u"\t\t\t\t\t<SystemDefinedSubmoduleList>",
    u"\t\t\t\t\t\t<InterfaceSubmoduleItem ID=\"IDS_I\" SubmoduleIdentNumber=\"0x00000001\" SubslotNumber=\"32768\" TextId=\"IDT_NAME_IS\" SupportedRT_Classes=\"RT_CLASS_1\" SupportedProtocols=\"SNMP;LLDP\" SupportedMibs=\"MIB2\">",
    u"\t\t\t\t\t\t\t<ApplicationRelations>",
    u"\t\t\t\t\t\t\t\t<TimingProperties SendClock=\"32\" ReductionRatio=\"1 2 4 8 16 32 64 128 256 512\"/>",
    u"\t\t\t\t\t\t\t</ApplicationRelations>",
    u"\t\t\t\t\t\t</InterfaceSubmoduleItem>",
    u"\t\t\t\t\t\t<PortSubmoduleItem ID=\"IDS_P1\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32769\" TextId=\"IDT_NAME_PS1\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>",
    u"\t\t\t\t\t\t<PortSubmoduleItem ID=\"IDS_P2\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32770\" TextId=\"IDT_NAME_PS2\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>",
    u"\t\t\t\t\t</SystemDefinedSubmoduleList>",
    u"\t\t\t\t\t<!--Slots of a fieldbus integration would follow here;-->",
    u"\t\t\t\t\t<!--this device has none.-->",
    u"\t\t\t\t</DeviceAccessPointItem>",
    u"\t\t\t</DeviceAccessPointList>",
    u"\t\t\t<!--Modules of the device-->",
    u"\t\t\t<ModuleList>",
    u"\t\t\t\t<ModuleItem ID=\"IDM_1\" ModuleIdentNumber=\"0x00000001\">",
    u"\t\t\t\t\t<ModuleInfo>",
    u"\t\t\t\t\t\t<Name TextId=\"IDT_NAME_M1\"/>",
    u"\t\t\t\t\t\t<InfoText TextId=\"IDT_INFO_M1\"/>",
    u"\t\t\t\t\t\t<OrderNumber Value=\"12345-0040-M\"/>",
    u"\t\t\t\t\t</ModuleInfo>",
    u"\t\t\t\t\t<VirtualSubmoduleList>",
    u"\t\t\t\t\t\t<VirtualSubmoduleItem ID=\"IDM_1\" SubmoduleIdentNumber=\"0x00000001\">",
    u"\t\t\t\t\t\t\t<IOData IOPS_Length=\"1\" IOCS_Length=\"1\">",
    u"\t\t\t\t\t\t\t\t<Input>",
    u"\t\t\t\t\t\t\t\t\t<DataItem DataType=\"OctetString\" Length=\"{INPUT}\" TextId=\"IDT_Input_1\"/>",
    u"\t\t\t\t\t\t\t\t</Input>",
    u"\t\t\t\t\t\t\t\t<Output>",
    u"\t\t\t\t\t\t\t\t\t<DataItem DataType=\"OctetString\" Length=\"{OUTPUT}\" TextId=\"IDT_Output_1\"/>",
    u"\t\t\t\t\t\t\t\t</Output>",
    u"\t\t\t\t\t\t\t</IOData>",
    u"\t\t\t\t\t\t\t<RecordDataList>",
    u"\t\t\t\t\t\t\t\t<ParameterRecordDataItem Index=\"128\" Length=\"2\">",
    u"\t\t\t\t\t\t\t\t\t<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>",
    u"\t\t\t\t\t\t\t\t\t<Const ByteOffset=\"0\" Data=\"0x00,0x00\"/>",
    u"\t\t\t\t\t\t\t\t\t<Ref TextId=\"IDT_REF_reaction_to_cpu_stop\" ID=\"IDT_REF_reaction_to_cpu_stop\" Visible=\"true\" DataType=\"BitArea\" ByteOffset=\"0\" BitOffset=\"0\" BitLength=\"2\" DefaultValue=\"2\" AllowedValues=\"0..2\" ValueItemTarget=\"IDV_reaction_to_cpu_stop\"/>",
    u"\t\t\t\t\t\t\t\t\t<MenuList>",
    u"\t\t\t\t\t\t\t\t\t\t<MenuItem ID=\"IDT_NAME_M1_IDT_REF_channel\">",
    u"\t\t\t\t\t\t\t\t\t\t\t<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>",
    u"\t\t\t\t\t\t\t\t\t\t\t<MenuRef MenuTarget=\"IDT_NAME_M1_Base_Parameters\"/>",
    u"\t\t\t\t\t\t\t\t\t\t</MenuItem>",
    u"\t\t\t\t\t\t\t\t\t\t<MenuItem ID=\"IDT_NAME_M1_Base_Parameters\">",
    u"\t\t\t\t\t\t\t\t\t\t\t<Name TextId=\"IDT_NAME_M1_Base_Parameters\"/>",
    u"\t\t\t\t\t\t\t\t\t\t\t<ParameterRef ParameterTarget=\"IDT_REF_reaction_to_cpu_stop\"/>",
    u"\t\t\t\t\t\t\t\t\t\t</MenuItem>",
    u"\t\t\t\t\t\t\t\t\t</MenuList>",
    u"\t\t\t\t\t\t\t\t</ParameterRecordDataItem>",
    u"\t\t\t\t\t\t\t</RecordDataList>",
    u"\t\t\t\t\t\t\t<ModuleInfo>",
    u"\t\t\t\t\t\t\t\t<Name TextId=\"IDT_NAME_M1\"/>",
    u"\t\t\t\t\t\t\t\t<InfoText TextId=\"IDT_INFO_M1\"/>",
    u"\t\t\t\t\t\t\t</ModuleInfo>",
    u"\t\t\t\t\t\t</VirtualSubmoduleItem>",
    u"\t\t\t\t\t</VirtualSubmoduleList>",
    u"\t\t\t\t</ModuleItem>",
    u"\t\t\t</ModuleList>",
    u"\t\t\t<ValueList>",
    u"\t\t\t\t<ValueItem ID=\"IDV_reaction_to_cpu_stop\">",
    u"\t\t\t\t\t<Assignments>",
    u"\t\t\t\t\t\t<Assign Content=\"0\" TextId=\"IDT_ASSIGN_do_set_substitude_values\"/>",
    u"\t\t\t\t\t\t<Assign Content=\"1\" TextId=\"IDT_ASSIGN_do_values_will_hold\"/>",
    u"\t\t\t\t\t\t<Assign Content=\"2\" TextId=\"IDT_ASSIGN_do_continue_counting\"/>",
    u"\t\t\t\t\t</Assignments>",
    u"\t\t\t\t</ValueItem>",
    u"\t\t\t</ValueList>",
    u"\t\t\t<CategoryList>",
    u"\t\t\t\t<CategoryItem ID=\"IDC_DI\" TextId=\"IDT_CATEGORY_DI\">",
    u"\t\t\t\t\t<InfoText TextId=\"IDT_INFO_DI\"/>",
    u"\t\t\t\t</CategoryItem>",
    u"\t\t\t\t<CategoryItem ID=\"IDC_DO\" TextId=\"IDT_CATEGORY_DO\">",
    u"\t\t\t\t\t<InfoText TextId=\"IDT_INFO_DO\"/>",
    u"\t\t\t\t</CategoryItem>",
    u"\t\t\t</CategoryList>",
    u"\t\t\t<ExternalTextList>",
    u"\t\t\t\t<PrimaryLanguage>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_Device\" Value=\"Ostrel Gateways\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_DAP1\" Value=\"DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_DAP1\" Value=\"DALI Adapter\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_1\" Value=\"Subslot 1\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_Interface\" Value=\"Interface\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_Port1\" Value=\"Port 1\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_Port2\" Value=\"Port 2\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_RECORD_NAME_Head\" Value=\"Parameters of head module\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_REF_Power\" Value=\"Percent power\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_VS1\" Value=\"Submodule V1\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_VS1\" Value=\"Description of submodule V1\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_IS\" Value=\"I\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_PS1\" Value=\"P1\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_PS2\" Value=\"P2\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_M1\" Value=\"Module\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_M1\" Value=\"device DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_FAP\" Value=\"FAP for DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_FAP\" Value=\"Description of FAP for DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_RECORD_NAME_SlotCluster\" Value=\"Parameters of the FAP\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_REF_SlotClusterBegin\" Value=\"Beginning of slot cluster\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_M_PB1\" Value=\"DALISlave \"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_M_PB1\" Value=\"Description of DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_S_PB1\" Value=\"Module of a DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_S_PB1\" Value=\"Description of module of a DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_PB_Input\" Value=\"Digital input DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_PB_InputBit0\" Value=\"Digital input bit DALISlave\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_S1\" Value=\"Submodule 1\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_S1\" Value=\"Description of submodule 1\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_Input_1\" Value=\"Input byte\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_Output_1\" Value=\"Output word\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_CATEGORY_DI\" Value=\"Digital Input\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_DI\" Value=\"Description of digital input\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_CATEGORY_DO\" Value=\"Digital output\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_INFO_DO\" Value=\"Description of digital output\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_M1_IDT_REF_channel\" Value=\"Canale x\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_REF_reaction_to_cpu_stop\" Value=\"Reaction to CPU STOP\"/>",
    u"\t\t\t\t\t<Text TextId=\"IDT_NAME_M1_Base_Parameters\" Value=\"Base Parameters\"/>",
    u"\t\t\t\t\t<Text Value=\"Output substitute value\" TextId=\"IDT_ASSIGN_do_set_substitude_values\"/>",
    u"\t\t\t\t\t<Text Value=\"Keep last value\" TextId=\"IDT_ASSIGN_do_values_will_hold\"/>",
    u"\t\t\t\t\t<Text Value=\"Continue operation\" TextId=\"IDT_ASSIGN_do_continue_counting\"/>",
    u"\t\t\t\t</PrimaryLanguage>",
    u"\t\t\t</ExternalTextList>",
    u"\t\t</ApplicationProcess>",
    u"\t</ProfileBody>",
    u"</ISO15745Profile>",
};

// A character reference for a code point outside ASCII; '?' for what XML
// cannot hold at all (control characters, unpaired surrogates).
String Reference(char32_t C) {
  const bool allowed = C == 9 || C == 10 || C == 13 || (C >= 0x20 && !(C >= 0xD800 && C <= 0xDFFF) && C != 0xFFFE && C != 0xFFFF);
  return allowed ? u"&#" + IntToStr(C) + u";" : String(u"?");
}

// For an attribute value: the XML specials as entities and everything
// outside ASCII as a character reference, so the file is well-formed and
// plain ASCII under its iso-8859-1 declaration whatever the name holds.
String Escape_Attribute(StringView Text) {
  String out;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const Char c = Text[i];
    switch (c) {
      case u'&': out += u"&amp;"; continue;
      case u'<': out += u"&lt;"; continue;
      case u'>': out += u"&gt;"; continue;
      case u'"': out += u"&quot;"; continue;
      case u'\'': out += u"&apos;"; continue;
      default: break;
    }
    if (c >= 0x20 && c < 0x7F) {
      out += c;
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < Text.size() && Text[i + 1] >= 0xDC00 && Text[i + 1] <= 0xDFFF) {
      out += Reference(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(Text[i + 1]) - 0xDC00));
      ++i;
    } else {
      out += Reference(c);
    }
  }
  return out;
}

}  // namespace

int Count_Input_Bytes(const String& File_DALI_Access) {
  const TProjectFile file(File_DALI_Access);
  int enabled = 0;
  for (TXmlNode n = file.Root() ? file.Root().FirstChild() : TXmlNode(); n; n = n.NextSibling())
    if (n.NodeType() == ntElement && NodeText(n, u"") == u"1") ++enabled;
  return 8 * enabled;
}

TProfinetParams Load_Profinet_Params(const String& File_ParGen, const String& File_DALI_Access) {
  TProfinetParams params;
  const TProjectFile pargen(File_ParGen);
  if (!pargen.Exists()) return params;
  const String name = Trim(pargen.Text(u"PROFINET_NAME_STA", u""));
  if (!name.empty()) params.Station_Name = name;
  params.Input_Length = Count_Input_Bytes(File_DALI_Access);
  return params;
}

std::vector<String> GSDML_Lines(const TProfinetParams& Params) {
  const String station = Escape_Attribute(Params.Station_Name);
  std::vector<String> lines;
  // The name last: its text is never searched for the other fields.
  for (const StringView line : Template) {
    String l = StringReplace(line, u"{INPUT}", IntToStr(Params.Input_Length), rfReplaceAll);
    l = StringReplace(l, u"{OUTPUT}", IntToStr(Params.Output_Length), rfReplaceAll);
    lines.push_back(StringReplace(l, u"{STATION}", station, rfReplaceAll));
  }
  return lines;
}

void Write_GSDML(const String& Path, const TProfinetParams& Params) {
  String text;
  for (const String& line : GSDML_Lines(Params)) text += line + u"\r\n";
  WriteTextFile(Path, text, teAnsi);
}

String GSDML_Name_Fix2(TDateTime Date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date, year, month, day);
  return Format(u"-%.4d%.2d%.2d.xml", {year, month, day});
}

String GSDML_File_Name(StringView Fix1, StringView User, StringView Fix2) {
  if (Trim(User).empty()) return String(Fix1) + String(Fix2);
  const StringView joint = User.starts_with(u'_') ? u"" : u"_";
  return String(Fix1) + String(joint) + String(User) + String(Fix2);
}
