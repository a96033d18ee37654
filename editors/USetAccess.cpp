#include "editors/USetAccess.h"

#include "editors/ModbusTables.h"

namespace {
using namespace modbus_columns;

constexpr TAccessColumn Read_Columns[] = {
    {u"Enable", 1711, 0, 50, edDataCheckBox, nullptr, Enable, 0, u"Y"},
    {u"Slave_ID", 1712, 0, 60, edNormal, nullptr, Slave, 0, u"", true},
    {u"Type", 1713, 0, 115, edComboList, Read_Type_Items, Slave, 0, u"", true},
    {u"Address", 1714, 0, 60, edNormal, nullptr, Slave, 0, u"", true},
    {u"NPoint", 1715, 0, 64, edNormal, nullptr, Slave, 0, u"", true},
    {u"PollTime", 1716, 0, 64, edNormal, nullptr, Timing, 0, u"", true},
    {u"MaxError", 1717, 0, 64, edNormal, nullptr, Timing, 0, u"", true},
    {u"Position", 1718, 0, 61, edComboList, nullptr, Position, 0, u"", true},
    {u"Bit", 1719, 0, 64, edComboList, Bit_Items, Position, 0, u"", true},
    {u"Swap", 1720, 0, 40, edDataCheckBox, nullptr, Swapped, 0, u"N"},
    {u"Mnemonic", 1721, 0, 240, edNormal, nullptr, clWhite, 0, u"", true},
};

constexpr TAccessColumn Write_Columns[] = {
    {u"Enable", 1723, 0, 50, edDataCheckBox, nullptr, Enable, 0, u"Y"},
    {u"Slave_ID", 1724, 0, 60, edNormal, nullptr, Slave, 0, u"", true},
    {u"Type", 1725, 0, 115, edComboList, Write_Type_Items, Slave, 0, u"", true},
    {u"Address", 1726, 0, 60, edNormal, nullptr, Slave, 0, u"", true},
    {u"NPoint", 1727, 0, 64, edNormal, nullptr, Slave, 0, u"", true},
    {u"PollTime", 1728, 0, 64, edNormal, nullptr, Timing, 0, u"", true},
    {u"OnChange", 1729, 0, 68, edDataCheckBox, nullptr, Timing, 0, u"", true},
    {u"OnCMD", 1730, 0, 56, edDataCheckBox, nullptr, Timing, 0, u"N"},
    {u"MaxError", 1731, 0, 64, edNormal, nullptr, Timing, 0, u"", true},
    {u"Position", 1732, 0, 64, edComboList, nullptr, Position, 0, u"", true},
    {u"Bit", 1733, 0, 64, edComboList, Bit_Items, Position, 0, u"", true},
    {u"Swap", 1734, 0, 40, edDataCheckBox, nullptr, Swapped, 0, u"N"},
    {u"Mnemonic", 1735, 0, 237, edNormal, nullptr, clWhite, 0, u"", true},
};

const TModbusWindowLook Look{{u"FSetAccess", 1700, 1701, 956, 337, bsSizeable},
                             1702,
                             1706,
                             1708,
                             1710,
                             1722,
                             Read_Columns,
                             Write_Columns,
                             8,
                             10,
                             7,
                             1755,
                             &TProgramState::File_ModbusM_SetAccess,
                             u"EtherNetIP_to_Modbus",
                             u"SW_VERSION = 1.100",
                             nullptr};
}  // namespace

std::span<const TAccessColumn> Modbus_Serial_Read_Columns() { return Read_Columns; }
std::span<const TAccessColumn> Modbus_Serial_Write_Columns() { return Write_Columns; }

TFSetAccess::TFSetAccess(TComponent* AOwner, TProgramState& AState) : TFModbusAccess(AOwner, AState, Look) {
  EndLoading();
}
