#include "platform/xml/XmlDocument.h"

#include <pugixml.hpp>

#include <algorithm>
#include <string>

#include "platform/sys/SafeWrite.h"
#include "platform/sys/Streams.h"

namespace {

pugi::xml_node N(const TXmlNode& n) { return pugi::xml_node(n.Handle()); }
TXmlNode H(pugi::xml_node n) { return TXmlNode(n.internal_object()); }
std::string U8(StringView s) { return StringToUtf8(s); }
String U16(const char* s) { return Utf8ToString(s ? s : ""); }

bool IsTextKind(pugi::xml_node_type t) { return t == pugi::node_pcdata || t == pugi::node_cdata; }

String ParseErrorText(const String& source, const String& description, size_t offset, int line, int column) {
  String msg = source.empty() ? String() : source + u": ";
  msg += description;
  msg += Utf8ToString(" at offset " + std::to_string(offset) + " (line " + std::to_string(line) +
                      ", column " + std::to_string(column) + ")");
  return msg;
}

// Empties the document and raises the parse error for the byte at Offset.
[[noreturn]] void Refuse(pugi::xml_document& Doc, std::string_view Bytes, const String& SourceName, const String& Description,
                         size_t Offset) {
  Doc.reset();
  const auto upto = Bytes.substr(0, std::min(Bytes.size(), Offset));
  const int line = 1 + static_cast<int>(std::count(upto.begin(), upto.end(), '\n'));
  const size_t lastNl = upto.rfind('\n');
  const int column = 1 + static_cast<int>(lastNl == std::string_view::npos ? upto.size() : upto.size() - lastNl - 1);
  throw EXmlParseError(ParseErrorText(SourceName, Description, Offset, line, column), static_cast<long>(Offset),
                       line, column);
}

// Reading turns every CR into LF, as XML wants, so a CR in a text must be
// written as a reference to come back; the parser writes it bare. Only
// CR itself is changed, in whatever encoding the output is.
class StringWriter : public pugi::xml_writer {
 public:
  explicit StringWriter(bool Utf16) : utf16_(Utf16) {}
  void write(const void* data, size_t size) override {
    const auto* bytes = static_cast<const char*>(data);
    for (size_t i = 0; i < size; ++i) {
      if (!utf16_) {
        if (bytes[i] == '\r') out.append("&#13;");
        else out.push_back(bytes[i]);
        continue;
      }
      out.push_back(bytes[i]);
      if (out.size() % 2 == 0 && out[out.size() - 2] == '\r' && out.back() == '\0') {
        out.resize(out.size() - 2);
        for (const char c : std::string_view("&#13;")) out.append({c, '\0'});
      }
    }
  }
  std::string out;

 private:
  bool utf16_;
};

}  // namespace

// ---- TXmlNode ----

TXmlNodeType TXmlNode::NodeType() const {
  switch (N(*this).type()) {
    case pugi::node_element: return ntElement;
    case pugi::node_pcdata: return ntText;
    case pugi::node_cdata: return ntCData;
    case pugi::node_comment: return ntComment;
    case pugi::node_declaration: return ntDeclaration;
    case pugi::node_pi: return ntProcessingInstr;
    case pugi::node_doctype: return ntDocType;
    case pugi::node_document: return ntDocument;
    case pugi::node_null: break;
  }
  return ntNull;
}

String TXmlNode::NodeName() const { return U16(N(*this).name()); }
String TXmlNode::NodeValue() const { return U16(N(*this).value()); }

TXmlNode TXmlNode::ChildNodes(StringView Name) const { return H(N(*this).child(U8(Name).c_str())); }

TXmlNode TXmlNode::ChildNodes(int Index) const {
  if (Index < 0) return {};
  pugi::xml_node c = N(*this).first_child();
  for (int i = 0; c && i < Index; ++i) c = c.next_sibling();
  return H(c);
}

int TXmlNode::ChildCount() const {
  const auto children = N(*this).children();
  return static_cast<int>(std::distance(children.begin(), children.end()));
}

TXmlNode TXmlNode::FirstChild() const { return H(N(*this).first_child()); }
TXmlNode TXmlNode::NextSibling() const { return H(N(*this).next_sibling()); }
TXmlNode TXmlNode::ParentNode() const { return H(N(*this).parent()); }

TXmlNode TXmlNode::AddChild(StringView Name) const {
  pugi::xml_node c = N(*this).append_child(pugi::node_element);
  c.set_name(U8(Name).c_str());
  return H(c);
}

TXmlNode TXmlNode::AddComment(StringView Text) const {
  pugi::xml_node c = N(*this).append_child(pugi::node_comment);
  c.set_value(U8(Text).c_str());
  return H(c);
}

bool TXmlNode::RemoveChild(const TXmlNode& Child) const { return N(*this).remove_child(N(Child)); }

bool TXmlNode::TryGetText(String& Text) const {
  const pugi::xml_node n = N(*this);
  Text.clear();
  if (!n) return false;
  if (n.type() != pugi::node_element) {
    Text = U16(n.value());
    return true;
  }
  for (pugi::xml_node c : n.children()) {
    if (!IsTextKind(c.type())) {
      Text.clear();
      return false;
    }
    Text += U16(c.value());
  }
  return true;
}

String TXmlNode::Text() const {
  String t;
  if (!TryGetText(t)) throw EXmlNoText(u"Element \"" + NodeName() + u"\" does not contain a single text node");
  return t;
}

void TXmlNode::SetText(StringView Text) const {
  pugi::xml_node n = N(*this);
  if (n.type() != pugi::node_element) {
    n.set_value(U8(Text).c_str());
    return;
  }
  while (n.first_child()) n.remove_child(n.first_child());
  if (!Text.empty()) n.append_child(pugi::node_pcdata).set_value(U8(Text).c_str());
}

bool TXmlNode::HasAttribute(StringView Name) const { return bool(N(*this).attribute(U8(Name).c_str())); }
String TXmlNode::Attribute(StringView Name) const { return U16(N(*this).attribute(U8(Name).c_str()).value()); }

void TXmlNode::SetAttribute(StringView Name, StringView Value) const {
  pugi::xml_node n = N(*this);
  const std::string name = U8(Name);
  pugi::xml_attribute a = n.attribute(name.c_str());
  if (!a) a = n.append_attribute(name.c_str());
  a.set_value(U8(Value).c_str());
}

int TXmlNode::AttributeCount() const {
  const auto attrs = N(*this).attributes();
  return static_cast<int>(std::distance(attrs.begin(), attrs.end()));
}

// ---- TXMLDocument ----

struct TXMLDocument::Impl {
  pugi::xml_document doc;
};

TXMLDocument::TXMLDocument() : FImpl(std::make_unique<Impl>()) {}
TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::LoadFromFile(const String& FileName) {
  LoadFromBytes(ReadWholeFile(FileName, Document_Size_Limit), FileName);
}

void TXMLDocument::LoadFromString(StringView Xml) {
  const std::string utf8 = StringToUtf8(Xml);
  LoadFromBytes(utf8);
}

void TXMLDocument::LoadFromBytes(std::string_view Bytes, const String& SourceName) {
  // A text of blanks alone is kept when it is the element's only child: it
  // is a value as typed, not layout between elements.
  constexpr unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                               pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata_single;
  const pugi::xml_parse_result r = FImpl->doc.load_buffer(Bytes.data(), Bytes.size(), options);
  if (!r) Refuse(FImpl->doc, Bytes, SourceName, U16(r.description()), static_cast<size_t>(std::max<ptrdiff_t>(r.offset, 0)));
  // The parser takes any bytes as UTF-8: text that is not would reach the
  // program as U+FFFD and be saved so, losing what the file held.
  const size_t bad = r.encoding == pugi::encoding_utf8 ? FindInvalidUtf8(Bytes) : std::string_view::npos;
  if (bad != std::string_view::npos) Refuse(FImpl->doc, Bytes, SourceName, u"Invalid UTF-8 text", bad);
}

void TXMLDocument::Clear() { FImpl->doc.reset(); }

TXmlNode TXMLDocument::Node() const { return H(FImpl->doc); }
TXmlNode TXMLDocument::FirstChild() const { return H(FImpl->doc.first_child()); }
TXmlNode TXMLDocument::DocumentElement() const { return H(FImpl->doc.document_element()); }

std::string TXMLDocument::SaveToBytes(TXmlEncoding Encoding) const {
  unsigned flags = pugi::format_no_declaration;
  flags |= FIndent.empty() ? pugi::format_raw : pugi::format_indent;
  if (Encoding == xeUtf16LE) flags |= pugi::format_write_bom;  // unreadable without it
  const pugi::xml_encoding enc = Encoding == xeUtf16LE  ? pugi::encoding_utf16_le
                                 : Encoding == xeLatin1 ? pugi::encoding_latin1
                                                        : pugi::encoding_utf8;
  StringWriter w(Encoding == xeUtf16LE);
  FImpl->doc.save(w, U8(FIndent).c_str(), flags, enc);
  return w.out;
}

String TXMLDocument::SaveToString() const { return Utf8ToString(SaveToBytes(xeUtf8)); }

void TXMLDocument::SaveToFile(const String& FileName, TXmlEncoding Encoding) const {
  SafeWriteFile(FileName, SaveToBytes(Encoding));
}
