#include "app/ProjectFile.h"

#include "platform/sys/Files.h"
#include "platform/sys/SysUtils.h"

TProjectFile::TProjectFile(const String& FileName) : FFileName(FileName), FExists(PathExists(FileName)) {
  if (!FExists) return;
  FDocument.LoadFromFile(FileName);
  FRoot = FDocument.DocumentElement();
}

TXmlNode TProjectFile::Child(StringView Name) const { return FRoot ? FRoot.ChildNodes(Name) : TXmlNode(); }

String TProjectFile::Text(StringView Name, StringView Default) const { return NodeText(Child(Name), Default); }

int TProjectFile::Integer(StringView Name, int Default) const {
  return StrToIntDef(Text(Name, u""), Default);
}

bool TProjectFile::Flag(StringView Name) const { return Text(Name, u"") == u"1"; }

String NodeText(const TXmlNode& Node, StringView Default) {
  String text;
  if (Node && Node.TryGetText(text)) return text;
  return String(Default);
}
