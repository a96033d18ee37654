#include "app/Settings.h"

#include "app/ProgramState.h"
#include "platform/sys/Files.h"

namespace {

// The element text of Group/Name under Root, or Default when either node is
// missing or the element holds more than text.
String ReadValue(const TXmlNode& Root, StringView Group, StringView Name, const String& Default) {
  const TXmlNode Node = Root.ChildNodes(Group).ChildNodes(Name);
  String Text;
  if (Node.IsNull() || !Node.TryGetText(Text)) return Default;
  return Text;
}

bool ReadFlag(const TXmlNode& Root, StringView Name) {
  return ReadValue(Root, u"lastinternet", Name, String()) == u"1";
}

void SetDefaults(TProgramState& State) {
  State.Project_Name.clear();
  State.Last_IP_Address = Default_IP_Address;
  State.Language = Default_Language;
  State.Enable_Internet = false;
  State.Enable_Update = false;
  State.Enable_Jump = false;
  State.Enable_Auto_Size = false;
}

constexpr StringView Groups[] = {u"lastproj", u"lastipadd", u"lastlang", u"lastinternet"};

// Any root name is taken, as long as the root is ours by name or holds one
// of our groups: anything else is someone else's file, not settings.
bool Is_Settings_Root(const TXmlNode& Root) {
  if (!Root) return false;
  if (Root.NodeName() == u"Conf_Settings") return true;
  for (StringView Group : Groups)
    if (Root.ChildNodes(Group)) return true;
  return false;
}

// The file that cannot serve goes aside before anything can overwrite it.
[[noreturn]] void Refuse_Settings(const String& FileName, const String& Reason) {
  const String Aside = KeepAside(FileName);
  String Text = u"The settings file \"" + FileName + u"\" cannot be used: " + Reason + u".\n";
  Text += Aside.empty() ? u"It could not be moved aside and will be replaced when the settings are saved."
                        : u"It was kept as \"" + Aside + u"\"; the default settings are used.";
  throw EInOutError(Text);
}

// False when the file is missing; raises when it exists but cannot be used.
bool LoadDocument(TProgramState& State) {
  const String FileName = Settings_File_Name(State);
  if (!PathExists(FileName)) return false;
  String Reason = u"It holds no settings";
  try {
    State.XML1.LoadFromFile(FileName);
    if (Is_Settings_Root(State.XML1.DocumentElement())) return true;
  } catch (const Exception& E) {
    Reason = E.Message();
  }
  State.XML1.Clear();
  Refuse_Settings(FileName, Reason);
}

void AddValue(const TXmlNode& Group, StringView Name, StringView Text) { Group.AddChild(Name).SetText(Text); }

StringView FlagText(bool Flag) { return Flag ? u"1" : u"0"; }

}  // namespace

String Settings_File_Name(const TProgramState& State) { return Join(State.Program_Dir, u"Corvan.xml"); }

void Load_Setting(TProgramState& State) {
  SetDefaults(State);
  if (!LoadDocument(State)) return;
  const TXmlNode Root = State.XML1.DocumentElement();
  State.Project_Name = ReadValue(Root, u"lastproj", u"projectname", State.Project_Name);
  State.Last_IP_Address = ReadValue(Root, u"lastipadd", u"ipaddress", State.Last_IP_Address);
  State.Language = ReadValue(Root, u"lastlang", u"language", State.Language);
  State.Enable_Internet = ReadFlag(Root, u"enable_internet");
  State.Enable_Update = ReadFlag(Root, u"enable_update");
  State.Enable_Jump = ReadFlag(Root, u"enable_jump_field_tables");
  State.Enable_Auto_Size = ReadFlag(Root, u"Double_Click_Auto_Size");
}

void Save_Setting(TProgramState& State) {
  TXMLDocument& Doc = State.XML1;
  Doc.Clear();
  const TXmlNode Root = Doc.AddChild(u"Conf_Settings");
  AddValue(Root.AddChild(u"lastproj"), u"projectname", State.Project_Name);
  AddValue(Root.AddChild(u"lastipadd"), u"ipaddress", State.Last_IP_Address);
  AddValue(Root.AddChild(u"lastlang"), u"language", State.Language);
  const TXmlNode Options = Root.AddChild(u"lastinternet");
  AddValue(Options, u"enable_internet", FlagText(State.Enable_Internet));
  AddValue(Options, u"enable_update", FlagText(State.Enable_Update));
  AddValue(Options, u"enable_jump_field_tables", FlagText(State.Enable_Jump));
  AddValue(Options, u"Double_Click_Auto_Size", FlagText(State.Enable_Auto_Size));
  Doc.SaveToFile(Settings_File_Name(State), xeUtf8);
}
