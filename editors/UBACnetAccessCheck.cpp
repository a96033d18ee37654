// The checks OK runs over both BACnet tables before anything is written,
// and the code tables they read.
#include <cstdint>

#include "app/AddressHelpers.h"
#include "app/ProgramState.h"
#include "editors/UBACnetAccess.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Present_Value = 100;
constexpr int Any_Property = 1000;

struct TObjectCode {
  StringView Name;
  int Code;
  bool Writable;
};

constexpr TObjectCode Object_Codes[] = {
    {u"ACCUMULATOR", 1, false},          {u"MULTI-STATE INPUT", 2, false},   {u"MULTI-STATE OUTPUT", 3, true},
    {u"ANALOG INPUT", 4, false},         {u"ANALOG OUTPUT", 5, true},        {u"BINARY INPUT", 6, false},
    {u"BINARY OUTPUT", 7, true},         {u"INTEGER VALUE", 8, true},        {u"LARGE ANALOG VALUE", 9, true},
    {u"POSITIVE INTEGER VALUE", 10, true}, {u"MULTI-STATE VALUE", 11, true}, {u"ANALOG VALUE", 12, true},
    {u"BINARY VALUE", 13, true},         {u"LIFE SAFETY POINT", 14, true},   {u"LIFE SAFETY ZONE", 15, true},
};

// A property of the read table: its byte count for the object codes it
// fits (all when Codes is empty), else an error.
struct TReadProperty {
  StringView Name;
  int Bytes;
  std::initializer_list<int> Codes;
  bool Codes_Refused;  // Codes lists the objects that lack it
};

const TReadProperty Read_Properties[] = {
    {u"OBJECT IDENTIFIER (75)", 4, {}, false},  {u"UNITS (117)", 4, {2, 3, 6, 7, 11, 13}, true},
    {u"SCALE (187)", 1, {1}, false},            {u"PRESCALE (185)", 5, {1}, false},
    {u"POLARITY (84)", 1, {6, 7, 13}, false},   {u"EVENT STATE (36)", 4, {}, false},
    {u"STATUS FLAGS (111)", 1, {}, false},      {u"OBJECT TYPE (79)", 2, {}, false},
    {u"NUMBER OF STATES (74)", 4, {2, 3, 11}, false},
};

// The present value's data type of each object code.
struct TValueType {
  StringView Name;
  int Bytes;
  std::initializer_list<int> Codes;
};

const TValueType Value_Types[] = {
    {u"Unsigned Int", 4, {3, 10, 11}}, {u"Signed Int", 4, {8}}, {u"Real", 4, {5, 12}},
    {u"Double", 8, {9}},               {u"Enumerated", 1, {7, 13}},
};

bool Contains(std::initializer_list<int> Codes, int Code) {
  for (int C : Codes)
    if (C == Code) return true;
  return false;
}

String Key(StringView Text) { return UpperCase(Trim(Text)); }

bool Is_Proprietary(int Code) { return Code >= 128 && Code <= 1023; }

bool In_Range(StringView Text, int Low, int High) {
  int Value = 0;
  return TryStrToInt(Text, Value) && Value >= Low && Value <= High;
}

// Where a table keeps the destination cells and the first of its texts
// (network, length, address for 1, 2 and 6 bytes, then the "M" length).
struct TDestCols {
  int Enable, Net, Len, Add;
  int First_Text, Length_Text;
  bool In_Read;
};

constexpr TDestCols Read_Dest{7, 8, 9, 10, 1470, 1486, true};
constexpr TDestCols Write_Dest{9, 10, 11, 12, 1475, 1487, false};

int Destination_Failure(TAdvColumnGrid& Grid, const TDestCols& D, int Row) {
  const auto Cell = [&](int Col) { return Grid.GetCellEx(Col, Row); };
  if (Key(Cell(D.Enable)) != u"Y") return 0;
  if (!In_Range(Cell(D.Net), 1, 65535)) return D.First_Text;
  const String Add = Cell(D.Add);
  int Length = 0;
  if (TryStrToInt(Cell(D.Len), Length)) {
    switch (Length) {
      case 1: return In_Range(Add, 0, 255) ? 0 : D.First_Text + 2;
      case 2: return In_Range(Add, 1, 65535) ? 0 : D.First_Text + 3;
      case 6: {
        std::uint8_t B1, B2, B3, B4;
        std::uint16_t Port;
        return Parse_IP_Port(Trim(Add), B1, B2, B3, B4, Port) ? 0 : D.First_Text + 4;
      }
      default: return D.First_Text + 1;
    }
  }
  const String Len = Key(Cell(D.Len));
  if (Len.size() != 2 || Len[0] != u'M' || Len[1] < u'1' || Len[1] > u'8') return D.Length_Text;
  return Check_Dest_Add(Add, Len[1] - u'0', D.In_Read);
}

// The address rule of the type: 0 an IP address, 1 a slave ID, else none.
int Address_Failure(int Type, const String& Address, int IP_Text) {
  if (Type == 0) {
    std::uint8_t B1, B2, B3, B4;
    return IP_To_Bytes(Trim(Address), B1, B2, B3, B4) ? IP_Text : 0;
  }
  if (Type == 1) return In_Range(Address, 0, 254) ? 0 : IP_Text + 1;
  return 0;
}

bool Instance_Fails(const String& Text) {
  const std::int64_t Instance = StrToInt64Def(Text, -1);
  return Instance < 0 || Instance > 4294967295LL;
}
}  // namespace

int Check_Object_Type(StringView Text, int read_write) {
  const String Name = Key(Text);
  for (const TObjectCode& Object : Object_Codes)
    if (Name == Object.Name) return read_write == 0 || Object.Writable ? Object.Code : -1;
  int Code = 0;
  return TryStrToInt(Name, Code) && Is_Proprietary(Code) ? Code : -1;
}

int Check_Property(StringView Text, int read_write, int Obj_Type) {
  const String Name = Key(Text);
  if (Name == u"PRESENT VALUE (85)") return Present_Value;
  for (const TReadProperty& Property : Read_Properties) {
    if (Name != Property.Name) continue;
    if (read_write != 0) return -1;
    if (Property.Codes.size() == 0 || Contains(Property.Codes, Obj_Type) != Property.Codes_Refused)
      return Property.Bytes;
    return -1;
  }
  int Number = 0;
  return TryStrToInt(Name, Number) && Number >= 512 && Number <= 4184303 ? 200 : -1;
}

int Check_Data_Type(StringView Text, int Obj_Type, int Property_val) {
  if (Property_val != Present_Value) return Any_Property;
  if (Is_Proprietary(Obj_Type)) return 1;
  const String Name = Key(Text);
  for (const TValueType& Type : Value_Types)
    if (Name == UpperCase(String(Type.Name)) && Contains(Type.Codes, Obj_Type)) return Type.Bytes;
  return -1;
}

String Aspected_Data_Type_Value(int Obj_Type, int Property_val) {
  if (Property_val != Present_Value) return String();
  for (const TValueType& Type : Value_Types)
    if (Contains(Type.Codes, Obj_Type)) return String(Type.Name);
  return String();
}

int Check_Num_Byte_Max(StringView Text) {
  const String Name = Key(Text);
  if (Name == u"NULL") return 0;
  if (Name == u"BOOLEAN") return 1;
  if (Name == u"DOUBLE") return 8;
  if (Name == u"BIT STRING") return 120;
  for (StringView Four : {u"UNSIGNED INT", u"SIGNED INT", u"REAL", u"ENUMERATED", u"DATE", u"TIME", u"OBJECT ID"})
    if (Name == Four) return 4;
  return 255;
}

int Check_Dest_Add(StringView Values, int NumByte, bool InRead) {
  const int Side = InRead ? 0 : 1;
  if (Trim(Values).empty()) return 1488 + Side;
  int Count = 0;
  std::size_t Start = 0;
  for (;;) {
    const std::size_t Comma = Values.find(u',', Start);
    const StringView Part = Values.substr(Start, Comma == StringView::npos ? StringView::npos : Comma - Start);
    if (++Count > NumByte) return 1484 + Side;
    if (!In_Range(Trim(Part), 0, 255)) return 1482 + Side;
    if (Comma == StringView::npos) break;
    Start = Comma + 1;
  }
  return Count < NumByte ? 1488 + Side : 0;
}

String Str_Hint_Read(StringView Object_Type, StringView Property) {
  const int Code = Check_Object_Type(Object_Type, 0);
  const int Bytes = Check_Property(Property, 0, Code);
  if (Bytes >= 1 && Bytes <= 49) return IntToStr(Bytes);
  if (Bytes != Present_Value) return String();
  if (Contains({1, 2, 3, 4, 5, 8, 10}, Code)) return u"4";
  if (Contains({6, 7}, Code)) return u"1";
  if (Code == 9) return u"8";
  return String();
}

// The reason of the row's first failure as its text; false when it passes.
bool TFBACnetAccess::Row_Failure(bool In_Read, int Row, String& Reason) const {
  TAdvColumnGrid& Grid = In_Read ? *ACG1 : *ACG2;
  const auto Cell = [&](int Col) { return Grid.GetCellEx(Col, Row); };
  const auto Fail = [&](int Text) {
    Reason = State.Text(Text);
    return Text != 0;
  };
  if (In_Read) {
    if (Fail(Address_Failure(App_BACnet_Type, Cell(2), 1438))) return true;
    const int Object = Check_Object_Type(Cell(3), 0);
    if (Object < 0) return Fail(1440);
    if (Instance_Fails(Cell(4))) return Fail(1441);
    if (Check_Property(Cell(5), 0, Object) < 0) return Fail(1442);
    if (!In_Range(Cell(6), 0, 255)) return Fail(1443);
    if (Fail(Destination_Failure(Grid, Read_Dest, Row))) return true;
    if (!In_Range(Cell(11), 0, 100000000)) return Fail(1444);
    if (!In_Range(Cell(12), 0, 65535)) return Fail(1445);
    return false;
  }
  if (Fail(Address_Failure(App_BACnet_Type, Cell(2), 1447))) return true;
  const int Object = Check_Object_Type(Cell(3), 1);
  if (Object < 0) return Fail(1449);
  if (Instance_Fails(Cell(5))) return Fail(1450);
  const int Property = Check_Property(Cell(6), 1, Object);
  if (Property < 0) return Fail(1451);
  if (Check_Data_Type(Cell(4), Object, Property) < 0) {
    const String Expected = Aspected_Data_Type_Value(Object, Property);
    if (Expected.empty()) return Fail(1452);
    Reason = State.Text(1458) + Expected;
    return true;
  }
  if (!In_Range(Cell(7), 0, 16)) return Fail(1453);
  const int Max = Check_Num_Byte_Max(Cell(4));
  if (!In_Range(Cell(8), 0, Max)) {
    Reason = State.Text(1454) + IntToStr(Max);
    return true;
  }
  if (Fail(Destination_Failure(Grid, Write_Dest, Row))) return true;
  if (Key(Cell(14)) == u"Y" && !In_Range(Cell(15), 0, 100000000)) return Fail(1455);
  if (!In_Range(Cell(16), 0, 65535)) return Fail(1456);
  return false;
}

bool TFBACnetAccess::Controllo_dati() {
  for (const bool In_Read : {true, false}) {
    TAdvColumnGrid& Grid = In_Read ? *ACG1 : *ACG2;
    for (int Row = 1; Row < Grid.RowCount(); ++Row) {
      // A row without a key is no table row; the rows below it are.
      if (!Has_Access_Key(Grid, Row, Key_Col())) continue;
      if (Grid.GetCellEx(1, Row) != u"Y") continue;
      String Reason;
      if (Row_Failure(In_Read, Row, Reason)) {
        MessageDlg(State.Text(In_Read ? 1437 : 1446) + IntToStr(Row) + Reason, mtError, mbOK);
        return false;
      }
    }
  }
  return true;
}
