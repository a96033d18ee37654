#include "editors/UModbus_TCP_Master_Set_Access.h"

#include "editors/ModbusTables.h"

namespace {
using namespace modbus_columns;

constexpr TAccessColumn Read_Columns[] = {
    {u"Enable", 1109, 0, 50, edDataCheckBox, nullptr, Enable, 0, u"Y"},
    {u"IP_Address", 1110, 0, 101, edNormal, nullptr, Slave, 0, u"", true},
    {u"Port", 1111, 0, 45, edNormal, nullptr, Slave, 0, u"", true},
    {u"Slave_ID", 1112, 0, 55, edNormal, nullptr, Slave, 0, u"", true},
    {u"Type", 1113, 0, 100, edComboList, Read_Type_Items, Slave, 0, u"", true},
    {u"Address", 1114, 0, 55, edNormal, nullptr, Slave, 0, u"", true},
    {u"NPoint", 1115, 0, 45, edNormal, nullptr, Slave, 0, u"", true},
    {u"PollTime", 1116, 0, 60, edNormal, nullptr, Timing, 0, u"", true},
    {u"MaxError", 1117, 0, 64, edNormal, nullptr, Timing, 0, u"", true},
    {u"Position", 1118, 0, 60, edComboList, nullptr, Position, 0, u"", true},
    {u"Bit", 1119, 0, 60, edComboList, Bit_Items, Position, 0, u"", true},
    {u"Swap", 1120, 0, 40, edDataCheckBox, nullptr, Swapped, 0, u"N"},
    {u"Mnemonic", 1121, 0, 200, edNormal, nullptr, clWhite, 0, u"", true},
};

constexpr TAccessColumn Write_Columns[] = {
    {u"Enable", 1123, 0, 50, edDataCheckBox, nullptr, Enable, 0, u"Y"},
    {u"IP_Address", 1124, 0, 101, edNormal, nullptr, Slave, 0, u"", true},
    {u"Port", 1125, 0, 45, edNormal, nullptr, Slave, 0, u"", true},
    {u"Slave_ID", 1126, 0, 55, edNormal, nullptr, Slave, 0, u"", true},
    {u"Type", 1127, 0, 100, edComboList, Write_Type_Items, Slave, 0, u"", true},
    {u"Address", 1128, 0, 55, edNormal, nullptr, Slave, 0, u"", true},
    {u"NPoint", 1129, 0, 45, edNormal, nullptr, Slave, 0, u"", true},
    {u"PollTime", 1130, 0, 60, edNormal, nullptr, Timing, 0, u"", true},
    {u"OnChange", 1131, 0, 66, edDataCheckBox, nullptr, Timing, 0, u"", true},
    {u"OnCMD", 1132, 0, 56, edDataCheckBox, nullptr, Timing, 0, u"N"},
    {u"MaxError", 1133, 0, 62, edNormal, nullptr, Timing, 0, u"", true},
    {u"Position", 1134, 0, 55, edComboList, nullptr, Position, 0, u"", true},
    {u"Bit", 1135, 0, 55, edComboList, Bit_Items, Position, 0, u"", true},
    {u"Swap", 1136, 0, 40, edDataCheckBox, nullptr, Swapped, 0, u"N"},
    {u"Mnemonic", 1137, 0, 212, edNormal, nullptr, clWhite, 0, u"", true},
};

// The gateway takes no write on change or on command from this table: the
// two flags are written off whatever their hidden cells hold.
String Saved_Text(const TAccessColumn& Column, const String& Text) {
  if (Column.Attribute == u"OnChange" || Column.Attribute == u"OnCMD") return u"N";
  return Text;
}

const TModbusWindowLook Look{
    {u"FModbus_TCP_Master_Set_Access", 1100, 1101, 1007, 337, bsSizeable},
    1102, 0, 1106, 1108, 1122, Read_Columns, Write_Columns, 10, 12, 9, 1161,
    &TProgramState::File_ModbusTCPM_SetAccess, u"PROFINET_Master_to_Modbus_TCP_Master", u"", Saved_Text};
}  // namespace

std::span<const TAccessColumn> Modbus_TCP_Read_Columns() { return Read_Columns; }
std::span<const TAccessColumn> Modbus_TCP_Write_Columns() { return Write_Columns; }

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner, TProgramState& AState)
    : TFModbusAccess(AOwner, AState, Look) {
  EndLoading();
}
