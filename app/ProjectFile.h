#pragma once
// The one way the project files (ParGen.xml, DALI_Access.xml, SNMP_Trap.xml)
// are read. Ours carry no declaration, but other editors put one (or a
// comment or DOCTYPE) before the root: the root is the first element. Every
// wanted element is looked up among the root's children on its own, so a
// missing or unreadable element gives only that element its default and
// never spoils the others.
#include "platform/xml/XmlDocument.h"

class TProjectFile {
 public:
  // A missing file is no error: Exists() is false and every lookup answers
  // its default. A file that cannot be read or parsed raises, and the
  // message names the file and the reason; so does a folder, pipe or
  // device under the name, and a file above Document_Size_Limit.
  explicit TProjectFile(const String& FileName);
  TProjectFile(const TProjectFile&) = delete;
  TProjectFile& operator=(const TProjectFile&) = delete;

  bool Exists() const { return FExists; }
  const String& FileName() const { return FFileName; }

  // Null when the file is missing.
  TXmlNode Root() const { return FRoot; }
  TXmlNode Child(StringView Name) const;

  // The element's text; Default when it is missing or has no plain text.
  String Text(StringView Name, StringView Default) const;
  // The text as a decimal integer (untrimmed); Default when it is not one.
  int Integer(StringView Name, int Default) const;
  // Set exactly when the text is "1".
  bool Flag(StringView Name) const;

 private:
  String FFileName;
  TXMLDocument FDocument;
  TXmlNode FRoot;
  bool FExists = false;
};

// The text of any node; Default when the node is null or has no plain text.
String NodeText(const TXmlNode& Node, StringView Default);
