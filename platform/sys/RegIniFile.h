#pragma once
// Sections and entries kept in the registry stand-in: FileName is a key path
// below HKEY_CURRENT_USER, each section a key below it (the section "" is
// that key itself), each entry a value. Integers and booleans are integer
// values; an integer also reads from a decimal string value. Every change is
// written at once, so UpdateFile has nothing left to do; a key is created
// only when something is written into it.
#include "platform/sys/IniFiles.h"

class TRegIniFile : public TCustomIniFile {
 public:
  using TCustomIniFile::TCustomIniFile;

  String ReadString(const String& Section, const String& Ident, const String& Default) const override;
  int ReadInteger(const String& Section, const String& Ident, int Default) const override;
  bool SectionExists(const String& Section) const override;
  bool ValueExists(const String& Section, const String& Ident) const override;

  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void WriteInteger(const String& Section, const String& Ident, int Value) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  void UpdateFile() override {}

 private:
  String SectionKey(const String& Section) const;
};
