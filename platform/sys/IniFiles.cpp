#include "platform/sys/IniFiles.h"

#include <algorithm>
#include <utility>

#include "platform/sys/Files.h"
#include "platform/sys/SysUtils.h"
#include "platform/sys/TextFile.h"

TMemIniFile::TMemIniFile(const String& FileName) : TCustomIniFile(FileName) { Load(); }

void TMemIniFile::Load() {
  if (!FileExists(FileName())) return;
  FSections.push_back({String(), {}, true});
  for (const String& raw : SplitLines(ReadTextFile(FileName()))) {
    const String line = Trim(raw);
    if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
      FSections.push_back({Trim(StringView(line).substr(1, line.size() - 2)), {}});
      continue;
    }
    const int eq = Pos(u"=", line);
    const bool comment = line.empty() || line.front() == u';';
    if (eq > 1 && !comment) {
      FSections.back().Lines.push_back({Trim(Copy(line, 1, eq - 1)), Trim(Copy(line, eq + 1))});
    } else {
      FSections.back().Lines.push_back({String(), raw});
    }
  }
}

const TMemIniFile::TSection* TMemIniFile::FindSection(const String& Section) const {
  for (const TSection& s : FSections) {
    if (!s.Head && SameText(s.Name, Section)) return &s;
  }
  return nullptr;
}

TMemIniFile::TSection* TMemIniFile::FindSection(const String& Section) {
  return const_cast<TSection*>(std::as_const(*this).FindSection(Section));
}

const TMemIniFile::TLine* TMemIniFile::FindLine(const String& Section, const String& Ident) const {
  const TSection* s = FindSection(Section);
  if (!s) return nullptr;
  for (const TLine& l : s->Lines) {
    if (!l.Name.empty() && SameText(l.Name, Ident)) return &l;
  }
  return nullptr;
}

String TMemIniFile::ReadString(const String& Section, const String& Ident,
                               const String& Default) const {
  const TLine* l = FindLine(Section, Ident);
  return l ? l->Value : Default;
}

int TMemIniFile::ReadInteger(const String& Section, const String& Ident, int Default) const {
  const TLine* l = FindLine(Section, Ident);
  return l ? StrToIntDef(l->Value, Default) : Default;
}

bool TMemIniFile::SectionExists(const String& Section) const {
  return FindSection(Section) != nullptr;
}

bool TMemIniFile::ValueExists(const String& Section, const String& Ident) const {
  return FindLine(Section, Ident) != nullptr;
}

void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  TSection* s = FindSection(Section);
  if (!s) {
    FSections.push_back({Section, {}});
    s = &FSections.back();
  }
  auto it = std::find_if(s->Lines.begin(), s->Lines.end(), [&](const TLine& l) {
    return !l.Name.empty() && SameText(l.Name, Ident);
  });
  if (it != s->Lines.end()) {
    it->Value = Value;
  } else {
    s->Lines.push_back({Ident, Value});
  }
  Changed();
}

void TMemIniFile::WriteInteger(const String& Section, const String& Ident, int Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

void TMemIniFile::EraseSection(const String& Section) {
  const auto before = FSections.size();
  std::erase_if(FSections, [&](const TSection& s) {
    return !s.Head && SameText(s.Name, Section);
  });
  if (FSections.size() != before) Changed();
}

void TMemIniFile::DeleteKey(const String& Section, const String& Ident) {
  TSection* s = FindSection(Section);
  if (!s) return;
  const auto n = std::erase_if(s->Lines, [&](const TLine& l) {
    return !l.Name.empty() && SameText(l.Name, Ident);
  });
  if (n > 0) Changed();
}

String TMemIniFile::Text() const {
  String text;
  for (const TSection& s : FSections) {
    if (!s.Head) text += u"[" + s.Name + u"]\r\n";
    for (const TLine& l : s.Lines) {
      text += l.Name.empty() ? l.Value : l.Name + u"=" + l.Value;
      text += u"\r\n";
    }
  }
  return text;
}

void TMemIniFile::UpdateFile() {
  const String text = Text();
  WriteTextFile(FileName(), text, ReadBackEncoding(text, teAnsi));
}
