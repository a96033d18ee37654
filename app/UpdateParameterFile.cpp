#include "app/UpdateParameterFile.h"

#include "app/ProgramState.h"
#include "platform/sys/Files.h"
#include "platform/xml/XmlDocument.h"

namespace {

struct TOperation {
  String FileName;
  StringView Start_Address;
  StringView Bank_Type;
  StringView Write_CSS;
  bool GoToApp_After;
};

void Add(const TXmlNode& Parent, StringView Name, StringView Text) { Parent.AddChild(Name).SetText(Text); }

void Add_Operation(const TXmlNode& Operations, const TOperation& Op, bool Read_Back) {
  const TXmlNode o = Operations.AddChild(u"Operation");
  Add(o, u"Ope_Protection_Enabled", u"");
  Add(o, u"Ope_GoToBoot_Before", u"0");
  Add(o, u"Ope_GoToApp_Before", u"0");
  Add(o, u"Ope_IP_Address", u"");
  Add(o, u"Ope_Port", u"2008");
  Add(o, u"Ope_Port_Sec", u"2007");
  Add(o, u"Ope_Erase_Memory", u"0");
  Add(o, u"Ope_FileName", Op.FileName);
  Add(o, u"Ope_Start_Address", Op.Start_Address);
  Add(o, u"Ope_Memory_Type", u"0");
  Add(o, u"Ope_Bank_Type", Op.Bank_Type);
  Add(o, u"Ope_Read_Back", Read_Back ? u"1" : u"0");
  Add(o, u"Ope_Write_CSS", Op.Write_CSS);
  Add(o, u"Ope_Address_CSS", u"0x07A00");
  Add(o, u"Ope_Command_CSS", u"0x02");
  Add(o, u"Ope_Write_Internal_Data", u"0");
  Add(o, u"Ope_WID_Address", u"0x07810");
  Add(o, u"Ope_WID_Command", u"0x02");
  Add(o, u"Ope_WID_Data", u"0x00, 0x00, 0x00, 0x01");
  Add(o, u"Ope_GoToApp_After", Op.GoToApp_After ? u"1" : u"0");
}

// The last operation sends the gateway back to its application.
void Add_Operations(const TXmlNode& Root, const TUpdateParameters& P) {
  const TXmlNode ops = Root.AddChild(u"Operations");
  const String bin = Join(P.Project_Path, u"bin");
  if (P.Option_Index != Update_Configuration)
    Add_Operation(ops, {Join(P.Master_Dir, u"Sim4410.sim"), u"0x8000", u"1", u"1", P.Option_Index == Update_Firmware},
                  P.Read_Back);
  if (P.Option_Index != Update_Firmware) {
    Add_Operation(ops, {Join(bin, u"bank1.bin"), u"0x07000", u"2", u"0", false}, P.Read_Back);
    Add_Operation(ops, {Join(bin, u"bank2.bin"), u"0x80000", u"2", u"0", true}, P.Read_Back);
  }
}

}  // namespace

void Build_Update_Parameters(TXMLDocument& Doc, const TUpdateParameters& P) {
  Doc.Clear();
  const TXmlNode root = Doc.AddChild(u"Ethernet_Update");
  Add(root, u"Version", u"1000");
  Add(root, u"Title", u"Ostrel - QX4410 Ethernet Update");
  Add(root, u"IP_Address_Dev", P.IP_Address);
  Add(root, u"Application_Port", u"10000");
  Add(root, u"Boot_Port", u"2008");
  Add(root, u"Boot_Port_Sec", u"2007");
  Add(root, u"Address_Protection", u"0x07800");
  Add(root.AddChild(u"Protections"), u"Protection", u"0x2B9");
  Add_Operations(root, P);
}

void Write_Update_Parameter_File(const String& Program_Dir, const TUpdateParameters& Parameters) {
  TXMLDocument doc;
  Build_Update_Parameters(doc, Parameters);
  doc.SaveToFile(Join(Program_Dir, u"Ethernet_Update.xml"));
}

void Write_Update_Parameter_File(const TProgramState& State) {
  Write_Update_Parameter_File(State.Program_Dir, {State.Last_IP_Address, State.Update_Option_Index,
                                                  State.Update_Read_Back, State.Master_Dir, State.Project_Path});
}
