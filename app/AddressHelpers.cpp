#include "app/AddressHelpers.h"

#include "platform/os/SerialPorts.h"
#include "platform/sys/SysUtils.h"

namespace {

// N := Text read as an integer (Default when it is not one); true when 0-Max.
bool ReadInRange(StringView Text, int Default, int Max, int& N) {
  N = StrToIntDef(Text, Default);
  return N >= 0 && N <= Max;
}

// Splits S at its first Sep: Part := the text before it, trimmed; S := the
// rest after it, trimmed. False (nothing changed) when S has no Sep.
bool SplitAt(String& S, StringView Sep, String& Part) {
  const int P = Pos(Sep, S);
  if (P == 0) return false;
  Part = Trim(Copy(S, 1, P - 1));
  S = Trim(Copy(S, P + static_cast<int>(Sep.size())));
  return true;
}

// The first three parts of a trimmed dotted text; S keeps the remainder.
bool SplitThreeOctets(String& S, String& A, String& B, String& C) {
  return SplitAt(S, u".", A) && Pos(u".", S) > 0 && SplitAt(S, u".", B) && Pos(u".", S) > 0 &&
         SplitAt(S, u".", C);
}

// One part of IP_To_Bytes: false when it is not a number within 0-255.
bool ToByte(StringView Part, std::uint8_t& B) {
  int N;
  const bool Valid = ReadInRange(Part, -1, 255, N);
  B = Valid ? static_cast<std::uint8_t>(N) : 0;
  return Valid;
}

String Normal(StringView Text) { return UpperCase(Trim(Text)); }

}  // namespace

bool Split_IP_Address(StringView Text, String& A, String& B, String& C, String& D) {
  String S = Trim(Text);
  if (!SplitThreeOctets(S, A, B, C)) return false;
  D = S;
  int N;
  return ReadInRange(A, 1000, 255, N) && ReadInRange(B, 1000, 255, N) && ReadInRange(C, 1000, 255, N) &&
         ReadInRange(D, 1000, 255, N);
}

bool IP_To_Bytes(StringView Text, std::uint8_t& B1, std::uint8_t& B2, std::uint8_t& B3, std::uint8_t& B4) {
  if (Text.empty()) return true;
  String Rest(Text);
  bool Error = false;
  std::uint8_t* Bytes[] = {&B1, &B2, &B3, &B4};
  for (int K = 0; K < 4; ++K) {
    const int Dot = Pos(u".", Rest);
    const String Part = K == 3 ? Rest : Copy(Rest, 1, Dot - 1);
    if (!ToByte(Part, *Bytes[K])) Error = true;
    if (Dot > 0) Rest = Copy(Rest, Dot + 1);
  }
  return Error;
}

bool Parse_IP_Port(StringView Text, std::uint8_t& B1, std::uint8_t& B2, std::uint8_t& B3, std::uint8_t& B4,
                   std::uint16_t& Port) {
  B1 = B2 = B3 = B4 = 0;
  Port = 0;
  String S = Trim(Text);
  String A, B, C, D;
  if (!SplitThreeOctets(S, A, B, C) || !SplitAt(S, u":", D)) return false;
  int N1, N2, N3, N4, P;
  if (!ReadInRange(A, -1, 255, N1) || !ReadInRange(B, -1, 255, N2) || !ReadInRange(C, -1, 255, N3) ||
      !ReadInRange(D, -1, 255, N4) || !ReadInRange(S, -1, 65535, P))
    return false;
  B1 = static_cast<std::uint8_t>(N1);
  B2 = static_cast<std::uint8_t>(N2);
  B3 = static_cast<std::uint8_t>(N3);
  B4 = static_cast<std::uint8_t>(N4);
  Port = static_cast<std::uint16_t>(P);
  return true;
}

std::unique_ptr<TStringList> List_COM_Ports(const String& DeviceDir) {
  auto Result = std::make_unique<TStringList>();
  for (const String& Name : ListSerialDevices(DeviceDir)) Result->Add(Name);
  return Result;
}

int SNMP_Security_Level_Index(StringView Text) {
  const String S = Normal(Text);
  if (S == u"AUTH NOPRIV") return 1;
  if (S == u"AUTH PRIV") return 2;
  return 0;
}

int SNMP_Auth_Mode_Index(StringView Text) { return Normal(Text) == u"SHA" ? 1 : 0; }

int SNMP_Priv_Mode_Index(StringView Text) { return Normal(Text) == u"AES" ? 1 : 0; }
