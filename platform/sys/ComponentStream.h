#pragma once
// Component records in their binary form: "TPF0", the class name and an
// empty instance name as short strings, the properties (a name, dotted for a
// nested object, then a tag byte and the tag's data), a zero ending the
// properties and a zero ending the children, which are never written.
// Records follow each other with no count, length or end marker.
//
// Every length and count read is checked against the bytes left before
// anything is allocated, so a short input cannot ask for gigabytes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/sys/String.h"

class TStream;

enum TValueType : std::uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue,
  vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString,
  vaInt64, vaUTF8String
};

struct TStreamProperty;

// One value as read or to be written; Type says which fields hold it.
struct TStreamValue {
  TValueType Type = vaNull;
  std::int64_t Int = 0;                 // vaInt8 .. vaInt32, vaInt64
  double Float = 0;                     // vaExtended, vaSingle, vaCurrency, vaDate
  String Text;                          // texts and vaIdent
  std::vector<String> Names;            // vaSet elements
  std::string Bytes;                    // vaBinary
  std::vector<TStreamValue> List;       // vaList items
  std::vector<std::vector<TStreamProperty>> Items;  // vaCollection items

  bool IsInteger() const { return Type == vaInt8 || Type == vaInt16 || Type == vaInt32 || Type == vaInt64; }
  bool IsText() const {
    return Type == vaString || Type == vaLString || Type == vaWString || Type == vaUTF8String;
  }
  bool IsBoolean() const { return Type == vaFalse || Type == vaTrue; }
};

struct TStreamProperty {
  String Name;
  TStreamValue Value;
};

// 80-bit extended precision, little-endian: 64-bit significand with its
// integer bit, then sign and 15-bit exponent. Exact from a double; back to
// a double rounded to nearest even. NaN and infinities are kept.
void DoubleToExtended(double Value, std::uint8_t (&Bytes)[10]);
double ExtendedToDouble(const std::uint8_t (&Bytes)[10]);

// Bytes reach the stream record by record, at EndRecord.
class TComponentWriter {
 public:
  explicit TComponentWriter(TStream& Stream) : FStream(Stream) {}

  void BeginRecord(StringView ClassName);
  void EndRecord();  // ends the properties and the (empty) children

  // A property is its name followed by one value.
  void Name(StringView Path) { ShortString(Path); }
  // The smallest of tags 2, 3, 4 (19 beyond 32 bits) that holds Value.
  void Integer(std::int64_t Value);
  void Int32(std::int32_t Value);  // always tag 4
  void Boolean(bool Value) { Byte(Value ? vaTrue : vaFalse); }
  void Ident(StringView Value);
  // Tag 18 when the UTF-8 form takes at least two bytes a character, else
  // tag 20 beyond ASCII, else tag 6 below 256 bytes and tag 12 from there.
  void Text(StringView Value);
  void WideText(StringView Value);  // always tag 18
  void Extended(double Value);
  void Binary(std::string_view Bytes);
  void Set(std::span<const StringView> Names, unsigned Bits);
  void BeginList() { Byte(vaList); }
  void BeginCollection() { Byte(vaCollection); }
  void BeginItem() { Byte(vaList); }
  void End() { Byte(vaNull); }  // of a list, an item or a collection

  // The value as its Type says (integers in their own tag, not the smallest).
  void Value(const TStreamValue& Value);

 private:
  void Byte(std::uint8_t b);
  void Int32Bytes(std::int32_t Value);
  void ShortString(StringView Value);
  void Bytes(std::string_view Data);
  bool AsciiInto(StringView Value, size_t Limit);

  TStream& FStream;
  std::string FBuffer;
};

class TComponentReader {
 public:
  // Reads from the stream's position; its size is the end.
  explicit TComponentReader(TStream& Stream) : FStream(Stream) {}

  // "TPF0", the class name (answered) and the instance name. EReadError
  // "Invalid stream format" without the signature.
  String BeginRecord();
  // The next property of the record into Path() and Value(); false after
  // the end of the properties and of the children. A value that cannot be
  // read raises "Error reading Class.Path: reason".
  bool NextProperty();
  const String& Path() const { return FPath; }
  const TStreamValue& Value() const { return FValue; }

  // EReadError "Error reading Class.Path: Message" for the property just read.
  [[noreturn]] void PropertyError(const String& Message) const;
  // "Property X does not exist", X the last part of the path.
  [[noreturn]] void UnknownProperty() const;
  [[noreturn]] void InvalidValue() const;  // "Invalid property value"

  std::int64_t Remaining();

 private:
  std::uint8_t Byte();
  std::int32_t Int32();
  void Read(void* Buffer, std::int64_t Count);
  String ShortString();
  std::string Bytes(std::int64_t Count);
  void AnsiInto(std::int64_t Count, String& Out);
  void ReadValue(TStreamValue& Value, int Depth);
  void ReadItems(TStreamValue& Value, int Depth);

  TStream& FStream;
  String FClassName;
  String FPath;
  TStreamValue FValue;
  std::string FScratch;
};
