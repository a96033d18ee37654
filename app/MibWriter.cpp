#include "app/MibWriter.h"

#include "app/Maker.h"
#include "app/ProjectFile.h"
#include "platform/sys/SysUtils.h"
#include "platform/sys/TextFile.h"

namespace {

constexpr std::size_t Max_Objects = 256;
constexpr int Default_Objects = 64;
constexpr Char Q = u'"';

String Num(std::size_t N) { return IntToStr(static_cast<std::int64_t>(N)); }

std::vector<TMibObject> Enabled_Rows(const TXmlNode& Section) {
  std::vector<TMibObject> objects;
  for (TXmlNode row = Section ? Section.FirstChild() : TXmlNode(); row && objects.size() < Max_Objects;
       row = row.NextSibling()) {
    if (UpperCase(row.Attribute(u"Enable")) != u"Y") continue;
    objects.push_back({row.Attribute(u"Description"), UpperCase(row.Attribute(u"Type")) == u"INT"});
  }
  return objects;
}

String Syntax(const TMibObject& Object) { return Object.Int ? u"INTEGER" : u"OCTET STRING"; }

// name OBJECT-TYPE ... DESCRIPTION "description" ::= { parent i }
String Object_Line(const TMibObject& Object, std::size_t I, StringView Unnamed, StringView Access,
                   StringView Parent) {
  const String name = Object.Description.empty() ? String(Unnamed) + Num(I) : Object.Description;
  return name + u" OBJECT-TYPE SYNTAX " + Syntax(Object) + u" MAX-ACCESS " + String(Access) +
         u" STATUS current DESCRIPTION \"" + Object.Description + u"\" ::= { " + String(Parent) + u" " + Num(I) +
         u" }";
}

String Notification_Line(const TMibObject& Object, std::size_t I) {
  return u"trapval" + Num(I) + u" NOTIFICATION-TYPE SYNTAX " + Syntax(Object) +
         u" MAX-ACCESS read-only STATUS current DESCRIPTION \"" + Object.Description + u"\" ::= { trapsval " +
         Num(I) + u" }";
}

void Add_Header(std::vector<String>& L) {
  L.insert(L.end(), {
      u"GATEWAY DEFINITIONS ::= BEGIN",
      u"IMPORTS",
      u"       MODULE-IDENTITY,OBJECT-TYPE",
      u"         FROM SNMPv2-SMI",
      u"         DisplayString, TimeStamp",
      u"         FROM SNMPv2-TC",
      u"         enterprises",
      u"         FROM RFC1155-SMI;",
      u"",
      u"identity MODULE-IDENTITY",
      u"    LAST-UPDATED \"201701310000Z\"",
      u"    ORGANIZATION " + (Q + String(Maker_Web_Address) + Q),
      u"    CONTACT-INFO",
      u"\t \"" + String(Maker_Street),
      u"    " + String(Maker_Town),
      u"    " + String(Maker_Country),
      u"    email:    " + String(Maker_Email) + Q,
      u"    DESCRIPTION",
      u"\t\"MIB objects for agent module \"",
      u"    REVISION     \"201701310000Z\"",
      u"    DESCRIPTION",
      u"\t\"Corrected notification \"",
      u"    REVISION     \"200202060000Z\"",
      u"    DESCRIPTION",
      u"\t\"First draft\"",
      u"    ::= { ostrel 2 }",
      u"ostrel          OBJECT IDENTIFIER ::= { enterprises 60417 }",
      u"gateway OBJECT IDENTIFIER::= { ostrel 1 }",
      u"application OBJECT IDENTIFIER::= { gateway 1 }",
      u"data OBJECT IDENTIFIER::= { application 1 }",
      u"hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 1}",
      u"countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 2}",
      u"countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" ::= { data 3}",
  });
}

// The buffer node (bufferin / bufferout), its eight data blocks, its value
// node and one object per row.
void Add_Buffer(std::vector<String>& L, StringView Buffer, int Data_Index, StringView Access,
                const std::vector<TMibObject>& Objects) {
  const String buffer(Buffer);
  L.push_back(buffer + u" OBJECT IDENTIFIER::= { data " + Num(Data_Index) + u" }");
  for (std::size_t k = 1; k <= 8; ++k)
    L.push_back(buffer + u"blk" + Num(k) + u" OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS " + String(Access) +
                u" STATUS current DESCRIPTION \"data block n." + Num(k) + u"\" ::= { " + buffer + u" " + Num(k) +
                u" }");
  L.push_back(u" " + buffer + u"val OBJECT IDENTIFIER::= { " + buffer + u" 9 }");
  for (std::size_t i = 0; i < Objects.size(); ++i)
    L.push_back(Object_Line(Objects[i], i + 1, buffer + u"val", Access, buffer + u"val"));
}

}  // namespace

TMibObjects Load_MIB_Objects(const String& File_SNMP_Trap) {
  TMibObjects objects;
  const TProjectFile file(File_SNMP_Trap);
  if (file.Exists()) {
    objects.Read = Enabled_Rows(file.Child(u"SNMP_Trap_Read"));
    objects.Write = Enabled_Rows(file.Child(u"SNMP_Trap_Write"));
    return objects;
  }
  for (int i = 0; i < Default_Objects; ++i) {
    objects.Read.push_back({u"lampADV" + IntToStr(i), true});
    objects.Write.push_back({u"lamp" + IntToStr(i), true});
  }
  return objects;
}

std::vector<String> MIB_Lines(const TMibObjects& Objects) {
  std::vector<String> lines;
  Add_Header(lines);
  Add_Buffer(lines, u"bufferin", 4, u"read-only", Objects.Read);
  Add_Buffer(lines, u"bufferout", 5, u"read-write", Objects.Write);
  lines.push_back(u"traps OBJECT IDENTIFIER::= { application 2 }");
  lines.push_back(u" trapsval OBJECT IDENTIFIER::= { traps 1 }");
  for (std::size_t i = 0; i < Objects.Read.size(); ++i) lines.push_back(Notification_Line(Objects.Read[i], i + 1));
  lines.push_back(u"END");
  return lines;
}

void Write_MIB(const String& FileName, const TMibObjects& Objects) {
  String text;
  for (const String& line : MIB_Lines(Objects)) text += line + u"\r\n";
  WriteTextFile(FileName, text, teAnsi);
}
