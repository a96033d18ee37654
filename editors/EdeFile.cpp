#include "editors/EdeFile.h"

#include <array>

#include "platform/sys/CodePage.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"
#include "platform/sys/TextFile.h"

namespace {
constexpr int Field_Count = 16;
constexpr std::size_t Header_Line = 6;  // where the exporters put it

struct TEdeType {
  int Object_Type;
  StringView Name;
  StringView Data_Type;
  int Bytes;
};

constexpr TEdeType Accepted_Types[] = {
    {0, u"Analog Input", u"Real", 4},
    {1, u"Analog Output", u"Real", 4},
    {2, u"Analog Value", u"Real", 4},
    {3, u"Binary Input", u"Enumerated", 1},
    {4, u"Binary Output", u"Enumerated", 1},
    {5, u"Binary Value", u"Enumerated", 1},
    {13, u"Multi-State Input", u"Unsigned Int", 4},
    {14, u"Multi-State Output", u"Unsigned Int", 4},
    {19, u"Multi-State Value", u"Unsigned Int", 4},
    {21, u"Life Safety Point", u"Enumerated", 2},
    {22, u"Life Safety Zone", u"Enumerated", 2},
    {23, u"Accumulator", u"Unsigned Int", 4},
    {45, u"Integer Value", u"Signed Int", 4},
    {46, u"Large Analog Value", u"Double", 8},
    {48, u"Positive Integer Value", u"Unsigned Int", 4},
};

const TEdeType* Find_Type(int Object_Type) {
  for (const TEdeType& Type : Accepted_Types)
    if (Type.Object_Type == Object_Type) return &Type;
  return nullptr;
}

bool Is_Header(const String& Line) {
  const String Text = Trim(Line);
  return Text.starts_with(u"#") && Trim(Text.substr(1)).starts_with(u"mandatory");
}

// The first data line's index; the line count when there is no header.
std::size_t First_Data_Line(const std::vector<String>& Lines) {
  if (Lines.size() > Header_Line && Is_Header(Lines[Header_Line])) return Header_Line + 2;
  std::size_t First = Lines.size();
  for (std::size_t i = 0; i < Lines.size(); ++i)
    if (Is_Header(Lines[i])) First = i + 2;
  return First;
}

// Fields 1 to 15 between the semicolons, field 16 the rest of the line;
// the text after the last of fewer than fifteen semicolons is field 16.
std::array<String, Field_Count> Split_Fields(const String& Line) {
  std::array<String, Field_Count> Fields;
  std::size_t Start = 0;
  for (int k = 0; k < Field_Count - 1; ++k) {
    const std::size_t Semicolon = Line.find(u';', Start);
    if (Semicolon == String::npos) break;
    Fields[k] = Trim(Line.substr(Start, Semicolon - Start));
    Start = Semicolon + 1;
  }
  String Rest = Line.substr(Start);
  if (Rest.ends_with(u";")) Rest.pop_back();
  Fields[Field_Count - 1] = Trim(Rest);
  return Fields;
}

int Number(const String& Text) { return StrToIntDef(Text, -1); }

bool Is_Yes(const String& Text) { return UpperCase(Text) == u"Y"; }

TBACnet_Var Make_Var(const std::array<String, Field_Count>& F) {
  TBACnet_Var Var;
  Var.keyname = F[0];
  Var.device_obj_instance = Number(F[1]);
  Var.object_name = F[2];
  Var.object_type = Number(F[3]);
  Var.object_instance = Number(F[4]);
  Var.description = F[5];
  Var.present_value_default = F[6];
  Var.min_present_value = F[7];
  Var.max_present_value = F[8];
  Var.commandable = Is_Yes(F[9]);
  Var.support_COV = Is_Yes(F[10]);
  Var.hi_limit = F[11];
  Var.low_limit = F[12];
  Var.stete_text_reference = F[13];
  Var.unit_code = F[14];
  Var.vendor_specific_address = F[15];
  Var.import = true;
  Var.read = true;
  Var.write = Var.commandable;
  return Var;
}
}  // namespace

String Decode_EDE_Text(std::string_view Bytes) {
  const bool Marked = Bytes.starts_with("\xEF\xBB\xBF") || Bytes.starts_with("\xFF\xFE") ||
                      Bytes.starts_with("\xFE\xFF");
  if (!Marked && FindInvalidUtf8(Bytes) == std::string_view::npos) return Utf8ToString(Bytes);
  return DecodeText(Bytes);
}

std::vector<TBACnet_Var> Parse_EDE_Lines(const std::vector<String>& Lines) {
  std::vector<TBACnet_Var> Vars;
  for (std::size_t i = First_Data_Line(Lines); i < Lines.size(); ++i) {
    const String Line = Trim(Lines[i]);
    if (Line.empty()) continue;
    TBACnet_Var Var = Make_Var(Split_Fields(Line));
    if (Is_Accepted_EDE_Type(Var.object_type)) Vars.push_back(std::move(Var));
  }
  return Vars;
}

std::vector<TBACnet_Var> Load_EDE_File(const String& FileName) {
  return Parse_EDE_Lines(SplitLines(Decode_EDE_Text(ReadWholeFile(FileName, Document_Size_Limit))));
}

String Get_ObjType_EDE(int Object_Type) {
  const TEdeType* Type = Find_Type(Object_Type);
  return Type ? String(Type->Name) : String();
}

String Get_DataType_EDE(int Object_Type) {
  const TEdeType* Type = Find_Type(Object_Type);
  return Type ? String(Type->Data_Type) : String(u"Null");
}

int Get_NumByte_EDE(int Object_Type) {
  const TEdeType* Type = Find_Type(Object_Type);
  return Type ? Type->Bytes : 4;
}

bool Is_Accepted_EDE_Type(int Object_Type) { return Find_Type(Object_Type) != nullptr; }
