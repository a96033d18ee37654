#pragma once
// INI files in the classic format: "[Section]" lines, "Name=Value" entries,
// names of sections and entries compared without ASCII case, values trimmed,
// comment and other lines kept as they are. The text is Windows-1252 (a
// byte-order mark is honoured on reading; a text whose first bytes would
// pass for one is written as UTF-8 with its mark). TMemIniFile keeps changes until
// UpdateFile; TIniFile writes the file after every change, as the platform's
// profile functions do. Writing goes through the safe writer.
#include <vector>

#include "platform/sys/String.h"

class TMemIniFile {
 public:
  // A missing file reads as empty.
  explicit TMemIniFile(const String& FileName);
  virtual ~TMemIniFile() = default;
  TMemIniFile(const TMemIniFile&) = delete;
  TMemIniFile& operator=(const TMemIniFile&) = delete;

  const String& FileName() const { return FFileName; }

  String ReadString(const String& Section, const String& Ident, const String& Default) const;
  // The value as a decimal integer, or Default when it is not one.
  int ReadInteger(const String& Section, const String& Ident, int Default) const;
  // Any integer other than 0 is true; a value that is no integer gives Default.
  bool ReadBool(const String& Section, const String& Ident, bool Default) const;
  bool SectionExists(const String& Section) const;
  bool ValueExists(const String& Section, const String& Ident) const;

  void WriteString(const String& Section, const String& Ident, const String& Value);
  void WriteInteger(const String& Section, const String& Ident, int Value);
  void WriteBool(const String& Section, const String& Ident, bool Value);  // "1" / "0"
  void EraseSection(const String& Section);
  void DeleteKey(const String& Section, const String& Ident);

  // Writes the whole file (CR LF line ends).
  void UpdateFile();

 protected:
  virtual void Changed() {}

 private:
  struct TLine {
    String Name;   // empty for a comment or other kept line
    String Value;  // the value, or the kept line's text
  };
  struct TSection {
    String Name;
    std::vector<TLine> Lines;
    bool Head = false;  // the lines before the first section, apart from a section named ""
  };

  void Load();
  const TSection* FindSection(const String& Section) const;
  TSection* FindSection(const String& Section);
  const TLine* FindLine(const String& Section, const String& Ident) const;
  String Text() const;

  String FFileName;
  std::vector<TSection> FSections;  // the first may be the head of the file
};

class TIniFile : public TMemIniFile {
 public:
  using TMemIniFile::TMemIniFile;

 protected:
  void Changed() override { UpdateFile(); }
};
