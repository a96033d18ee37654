#pragma once
// A string list used like a text file: the exchange code writes pieces of a
// line and ends it, or reads the loaded lines back one by one.
#include "platform/sys/Strings.h"

class TFileStringList : public TStringList {
 public:
  void Reset();
  bool Eof() const { return fp >= Count(); }
  void ReadLn(String& S);
  void Write(const String& S) { cache += S; }
  void WriteLn(const String& S);

 private:
  int fp = 0;
  String cache;
};
