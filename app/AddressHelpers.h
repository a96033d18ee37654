#pragma once
// Dotted IPv4 texts (three variants with different rules, each kept for its
// callers), the serial-port list and the SNMP v3 security codes.
#include <cstdint>
#include <memory>

#include "platform/sys/String.h"
#include "platform/sys/Strings.h"

// Four trimmed parts, each 0-255. When the text has too few dots the result
// is false and the parts split so far are kept; further dots stay in D.
bool Split_IP_Address(StringView Text, String& A, String& B, String& C, String& D);
// True means error. Parts are not trimmed; an invalid part becomes 0. An
// empty text leaves the bytes as they are.
bool IP_To_Bytes(StringView Text, std::uint8_t& B1, std::uint8_t& B2, std::uint8_t& B3, std::uint8_t& B4);
// "a.b.c.d:port"; true when valid. The outputs are written only then and
// are 0 otherwise.
bool Parse_IP_Port(StringView Text, std::uint8_t& B1, std::uint8_t& B2, std::uint8_t& B3, std::uint8_t& B4,
                   std::uint16_t& Port);

// The serial devices that exist (names such as "ttyUSB0"), by number
// ascending; DeviceDir is the device folder.
std::unique_ptr<TStringList> List_COM_Ports(const String& DeviceDir = u"/dev");

// 0 no authentication, 1 "AUTH NOPRIV", 2 "AUTH PRIV" (blanks and case ignored).
int SNMP_Security_Level_Index(StringView Text);
int SNMP_Auth_Mode_Index(StringView Text);  // 1 "SHA", else 0 (MD5)
int SNMP_Priv_Mode_Index(StringView Text);  // 1 "AES", else 0 (DES)
