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

// A settings store of sections and named entries, whatever holds it.
class TCustomIniFile {
 public:
  explicit TCustomIniFile(const String& FileName) : FFileName(FileName) {}
  virtual ~TCustomIniFile() = default;
  TCustomIniFile(const TCustomIniFile&) = delete;
  TCustomIniFile& operator=(const TCustomIniFile&) = delete;

  const String& FileName() const { return FFileName; }

  virtual String ReadString(const String& Section, const String& Ident, const String& Default) const = 0;
  // The value as a decimal integer, or Default when it is not one.
  virtual int ReadInteger(const String& Section, const String& Ident, int Default) const = 0;
  // Any integer other than 0 is true; a value that is no integer gives Default.
  bool ReadBool(const String& Section, const String& Ident, bool Default) const {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
  }
  virtual bool SectionExists(const String& Section) const = 0;
  virtual bool ValueExists(const String& Section, const String& Ident) const = 0;

  virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
  virtual void WriteInteger(const String& Section, const String& Ident, int Value) = 0;
  void WriteBool(const String& Section, const String& Ident, bool Value) {  // 1 / 0
    WriteInteger(Section, Ident, Value ? 1 : 0);
  }
  virtual void EraseSection(const String& Section) = 0;
  virtual void DeleteKey(const String& Section, const String& Ident) = 0;

  // Makes the changes lasting where the store holds them back.
  virtual void UpdateFile() = 0;

 private:
  String FFileName;
};

class TMemIniFile : public TCustomIniFile {
 public:
  // A missing file reads as empty.
  explicit TMemIniFile(const String& FileName);

  String ReadString(const String& Section, const String& Ident, const String& Default) const override;
  int ReadInteger(const String& Section, const String& Ident, int Default) const override;
  bool SectionExists(const String& Section) const override;
  bool ValueExists(const String& Section, const String& Ident) const override;

  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void WriteInteger(const String& Section, const String& Ident, int Value) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;

  // Writes the whole file (CR LF line ends).
  void UpdateFile() override;

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

  std::vector<TSection> FSections;  // the first may be the head of the file
};

class TIniFile : public TMemIniFile {
 public:
  using TMemIniFile::TMemIniFile;

 protected:
  void Changed() override { UpdateFile(); }
};
