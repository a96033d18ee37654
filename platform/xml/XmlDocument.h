#pragma once
// The XML DOM. Documents keep their declaration, comments and processing
// instructions, so the document's first node is the first node of any kind.
// Nodes are small handles into their document (valid while it lives and
// the node is not removed); a missing node is a null handle.
#include <memory>

#include "platform/sys/Exceptions.h"
#include "platform/sys/String.h"

namespace pugi {
struct xml_node_struct;
}

// A parse error: the message has the file (when any), the parser's reason
// and the position (offset, line, column).
class EXmlParseError : public Exception {
 public:
  EXmlParseError(String Message, long Offset, int Line, int Column)
      : Exception(std::move(Message)), FOffset(Offset), FLine(Line), FColumn(Column) {}
  long Offset() const { return FOffset; }
  int Line() const { return FLine; }
  int Column() const { return FColumn; }

 private:
  long FOffset;
  int FLine;
  int FColumn;
};

// An element whose children are not just text has no readable text.
class EXmlNoText : public Exception {
 public:
  using Exception::Exception;
};

enum TXmlNodeType { ntNull, ntElement, ntText, ntCData, ntComment, ntDeclaration, ntProcessingInstr, ntDocType, ntDocument };

class TXmlNode {
 public:
  TXmlNode() = default;
  explicit TXmlNode(pugi::xml_node_struct* Node) : FNode(Node) {}

  bool IsNull() const { return FNode == nullptr; }
  explicit operator bool() const { return FNode != nullptr; }
  friend bool operator==(const TXmlNode&, const TXmlNode&) = default;

  TXmlNodeType NodeType() const;
  String NodeName() const;  // element or PI name; "" for others
  String NodeValue() const;  // comment, text, PI contents

  // Direct children only; null when missing or out of range.
  TXmlNode ChildNodes(StringView Name) const;
  TXmlNode ChildNodes(int Index) const;
  int ChildCount() const;
  TXmlNode FirstChild() const;
  TXmlNode NextSibling() const;
  TXmlNode ParentNode() const;

  // Appends an element / a comment as the last child.
  TXmlNode AddChild(StringView Name) const;
  TXmlNode AddComment(StringView Text) const;
  // Removes a direct child (and everything under it).
  bool RemoveChild(const TXmlNode& Child) const;

  // An element's text: "" when it has no children, the text when it has only
  // text; any other child makes it unreadable: TryGetText answers false,
  // Text raises EXmlNoText. Other node kinds answer their value.
  bool TryGetText(String& Text) const;
  String Text() const;
  // Replaces the children by one text node.
  void SetText(StringView Text) const;

  bool HasAttribute(StringView Name) const;
  String Attribute(StringView Name) const;  // "" when missing
  void SetAttribute(StringView Name, StringView Value) const;
  int AttributeCount() const;

  pugi::xml_node_struct* Handle() const { return FNode; }

 private:
  pugi::xml_node_struct* FNode = nullptr;
};

enum TXmlEncoding { xeUtf8, xeUtf16LE, xeLatin1 };

class TXMLDocument {
 public:
  TXMLDocument();
  ~TXMLDocument();
  TXMLDocument(const TXMLDocument&) = delete;
  TXMLDocument& operator=(const TXMLDocument&) = delete;

  // Replaces the content; raises EXmlParseError (EInOutError when the file
  // cannot be read, is not a regular file or is larger than
  // Document_Size_Limit). The document is empty after a failed load.
  // Entities other than the five predefined ones stay as written: nothing
  // is expanded and no external file is ever read.
  void LoadFromFile(const String& FileName);
  void LoadFromString(StringView Xml);
  void LoadFromBytes(std::string_view Bytes, const String& SourceName = String());
  void Clear();

  TXmlNode Node() const;             // the document node itself
  TXmlNode FirstChild() const;       // first node of any kind
  TXmlNode DocumentElement() const;  // first element
  int ChildCount() const { return Node().ChildCount(); }
  TXmlNode ChildNodes(int Index) const { return Node().ChildNodes(Index); }
  TXmlNode ChildNodes(StringView Name) const { return Node().ChildNodes(Name); }
  // Document-level element / comment, appended after what is there.
  TXmlNode AddChild(StringView Name) { return Node().AddChild(Name); }
  TXmlNode AddComment(StringView Text) { return Node().AddComment(Text); }

  // Saving adds no declaration. Indent "" (the default) writes everything
  // on one line; otherwise each element on its own LF-ended line, indented
  // by Indent per level.
  const String& Indent() const { return FIndent; }
  void SetIndent(const String& Value) { FIndent = Value; }
  std::string SaveToBytes(TXmlEncoding Encoding = xeUtf8) const;
  String SaveToString() const;
  // Through the safe writer.
  void SaveToFile(const String& FileName, TXmlEncoding Encoding = xeUtf8) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> FImpl;
  String FIndent;
};
