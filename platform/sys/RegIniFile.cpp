#include "platform/sys/RegIniFile.h"

#include "platform/sys/Registry.h"
#include "platform/sys/SysUtils.h"

String TRegIniFile::SectionKey(const String& Section) const {
  return u"\\" + FileName() + (Section.empty() ? u"" : u"\\" + Section);
}

String TRegIniFile::ReadString(const String& Section, const String& Ident, const String& Default) const {
  TRegistry reg;
  if (!reg.OpenKeyReadOnly(SectionKey(Section))) return Default;
  switch (reg.GetDataType(Ident)) {
    case rdString: return reg.ReadString(Ident);
    case rdInteger: return IntToStr(reg.ReadInteger(Ident));
    default: return Default;
  }
}

int TRegIniFile::ReadInteger(const String& Section, const String& Ident, int Default) const {
  TRegistry reg;
  if (!reg.OpenKeyReadOnly(SectionKey(Section))) return Default;
  switch (reg.GetDataType(Ident)) {
    case rdInteger: return reg.ReadInteger(Ident);
    case rdString: return StrToIntDef(reg.ReadString(Ident), Default);
    default: return Default;
  }
}

bool TRegIniFile::SectionExists(const String& Section) const {
  return TRegistry().KeyExists(SectionKey(Section));
}

bool TRegIniFile::ValueExists(const String& Section, const String& Ident) const {
  TRegistry reg;
  return reg.OpenKeyReadOnly(SectionKey(Section)) && reg.ValueExists(Ident);
}

void TRegIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  TRegistry reg;
  reg.OpenKey(SectionKey(Section), true);
  reg.WriteString(Ident, Value);
}

void TRegIniFile::WriteInteger(const String& Section, const String& Ident, int Value) {
  TRegistry reg;
  reg.OpenKey(SectionKey(Section), true);
  reg.WriteInteger(Ident, Value);
}

void TRegIniFile::EraseSection(const String& Section) { TRegistry().DeleteKey(SectionKey(Section)); }

void TRegIniFile::DeleteKey(const String& Section, const String& Ident) {
  TRegistry reg;
  if (reg.OpenKey(SectionKey(Section), false)) reg.DeleteValue(Ident);
}
