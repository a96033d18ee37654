// The checks OK runs over both SNMP tables before anything is written.
#include "app/AddressHelpers.h"
#include "app/ProgramState.h"
#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int No_Col = -1;
constexpr int Row_Error_Text = 1960;
constexpr int Duplicate_Text = 1980;

// Where a table keeps each checked value and the message of each failure.
struct TRowCheck {
  int Type_Col, Timer_Col, Time_Col, Position_Col, Bit_Col, NumBits_Col, Desc_Col, IP_Col, Conversion_Col;
  int Name_Msg, Type_Msg, Time_Msg, Position_Msg, Bit_Msg, String_Bit_Msg, Int_Bits_Msg, String_Bytes_Msg,
      Desc_Msg, IP_Msg, Conversion_Msg;
};

constexpr TRowCheck Read_Check{3, 6, 7, 8, 9, 10, 11, 12, 13,
                               1976, 1961, 1962, 1963, 1964, 1965, 1966, 1967, 1977, 1968, 1985};
constexpr TRowCheck Write_Check{3, No_Col, No_Col, 4, 5, 6, 7, No_Col, 8,
                                1978, 1969, 0, 1970, 1971, 1972, 1973, 1974, 1979, 0, 1986};

bool Is_Letter_Or_Digit(Char C) { return (C >= u'0' && C <= u'9') || (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z'); }

// The integer as the bank builder reads it; Invalid when it is none.
int Number(const String& Text, int Invalid = -1) { return StrToIntDef(Text, Invalid); }

bool In_Range(const String& Text, int Low, int High) {
  int Value = 0;
  return TryStrToInt(Text, Value) && Value >= Low && Value <= High;
}

bool Is_Conversion(const String& Text) {
  const String Wanted = UpperCase(Trim(Text));
  for (StringView Conversion : SNMP_Conversions)
    if (UpperCase(String(Conversion)) == Wanted) return true;
  return false;
}

bool Is_IP_Address(const String& Text) {
  String A, B, C, D;
  return Split_IP_Address(Text, A, B, C, D);
}

// The message text of the row's first failure, 0 when it passes; the
// description of a row that gets that far joins Descriptions.
int Row_Failure(TAdvColumnGrid& Grid, const TRowCheck& Check, int Positions, int Row, TStringList& Descriptions) {
  const auto Cell = [&](int Col) { return Grid.GetCellEx(Col, Row); };
  if (Check_Error_CommName_Desc(Cell(2), 0)) return Check.Name_Msg;
  if (Trim(Cell(Check.Type_Col)).empty()) return Check.Type_Msg;
  const bool Is_Int = UpperCase(Cell(Check.Type_Col)) == u"INT";
  if (Check.Timer_Col != No_Col && UpperCase(Cell(Check.Timer_Col)) == u"Y") {
    const int Time = Number(Cell(Check.Time_Col));
    if (Time < 1 || Time > 1000000000) return Check.Time_Msg;
  }
  if (!In_Range(Cell(Check.Position_Col), 0, Positions - 1)) return Check.Position_Msg;
  if (!In_Range(Cell(Check.Bit_Col), 0, 7)) return Check.Bit_Msg;
  if (!Is_Int && Trim(Cell(Check.Bit_Col)) != u"0") return Check.String_Bit_Msg;
  const int Size = Number(Cell(Check.NumBits_Col));
  if (Is_Int && (Size < 1 || Size > 64)) return Check.Int_Bits_Msg;
  if (!Is_Int && (Size < 1 || Size > 16)) return Check.String_Bytes_Msg;
  if (Check_Error_CommName_Desc(Cell(Check.Desc_Col), 1)) return Check.Desc_Msg;
  Descriptions.Add(Cell(Check.Desc_Col));
  if (Check.IP_Col != No_Col && !Is_IP_Address(Cell(Check.IP_Col))) return Check.IP_Msg;
  if (!Grid.IsHiddenColumn(Check.Conversion_Col) && !Is_Conversion(Cell(Check.Conversion_Col)))
    return Check.Conversion_Msg;
  return 0;
}

bool Has_Duplicates(const TStringList& Descriptions) {
  for (int i = 0; i < Descriptions.Count(); ++i)
    for (int j = i + 1; j < Descriptions.Count(); ++j)
      if (Descriptions.Strings(i) == Descriptions.Strings(j)) return true;
  return false;
}
}  // namespace

bool Check_Error_CommName_Desc(StringView Text, int Check_Type) {
  for (Char C : Text)
    if (!Is_Letter_Or_Digit(C)) return true;
  return Check_Type == 1 && !Text.empty() && !(Text.front() >= u'a' && Text.front() <= u'z');
}

bool TFSNMP_Trap_Access::Controllo_dati() {
  SL_Check_Desc.Clear();
  const struct {
    TAdvColumnGrid* Grid;
    const TRowCheck* Check;
    int Positions;
  } Tables[] = {{ACG_SNMP_Read, &Read_Check, NByte_IN}, {ACG_SNMP_Write, &Write_Check, NByte_OUT}};
  for (const auto& Table : Tables) {
    for (int Row = 1; Row < Table.Grid->RowCount(); ++Row) {
      // A row without a Community Name is no table row; the rows below it are.
      if (Trim(Table.Grid->GetCellEx(2, Row)).empty()) continue;
      if (UpperCase(Table.Grid->GetCellEx(1, Row)) != u"Y") continue;
      if (const int Failure = Row_Failure(*Table.Grid, *Table.Check, Table.Positions, Row, SL_Check_Desc)) {
        MessageDlg(State.Text(Row_Error_Text) + IntToStr(Row) + State.Text(Failure), mtError, mbOK);
        return false;
      }
    }
  }
  if (Has_Duplicates(SL_Check_Desc)) {
    MessageDlg(State.Text(Duplicate_Text), mtError, mbOK);
    return false;
  }
  return true;
}
