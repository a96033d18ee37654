#pragma once
// String lists: TStrings is the abstract list of texts with an object per
// entry; TStringList stores them in a vector, optionally sorted.
// Indexes are 0-based; a bad index raises EListError.
#include <functional>
#include <vector>

#include "platform/sys/Component.h"
#include "platform/sys/String.h"
#include "platform/sys/TextFile.h"

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
 public:
  TStrings() = default;

  virtual int Count() const = 0;
  virtual String Strings(int Index) const = 0;
  virtual void SetStrings(int Index, const String& S);
  virtual TObject* Objects(int Index) const;
  virtual void SetObjects(int Index, TObject* AObject);

  virtual int Add(const String& S);
  virtual int AddObject(const String& S, TObject* AObject);
  virtual void Insert(int Index, const String& S);
  virtual void InsertObject(int Index, const String& S, TObject* AObject) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);
  virtual int IndexOf(const String& S) const;
  int IndexOfName(const String& Name) const;
  int IndexOfObject(const TObject* AObject) const;
  void AddStrings(const TStrings& Strings);

  // Name=Value entries (separator NameValueSeparator, '=' by default).
  // Names answers "" for an entry without the separator.
  String Names(int Index) const;
  String Values(const String& Name) const;
  // An empty Value deletes the entry; a new name is added.
  void SetValues(const String& Name, const String& Value);
  String ValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const String& Value);
  Char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(Char Value) { FNameValueSeparator = Value; }

  // Delimited forms. Writing quotes an item containing the delimiter, the
  // quote character or (unless StrictDelimiter) blanks and control
  // characters, doubling embedded quotes. Reading takes quoted items and,
  // unless StrictDelimiter, treats blanks as separators too.
  String CommaText() const;
  void SetCommaText(const String& Value);
  String DelimitedText() const;
  void SetDelimitedText(const String& Value);
  Char Delimiter() const { return FDelimiter; }
  void SetDelimiter(Char Value) { FDelimiter = Value; }
  Char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(Char Value) { FQuoteChar = Value; }
  bool StrictDelimiter() const { return FStrictDelimiter; }
  void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }

  // Every line followed by CR LF; reading splits at CR LF, LF or CR.
  String Text() const;
  void SetText(const String& Value);

  // Changes in between fire OnChanging/OnChange once: at the outer bracket.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Text files and streams: reading detects a byte-order mark (UTF-8,
  // UTF-16), else Windows-1252; writing goes through the safe writer, in
  // the encoding asked for unless the reader would take it for another
  // (ReadBackEncoding).
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName, TTextEncoding Encoding = teAnsi) const;
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream, TTextEncoding Encoding = teAnsi) const;

  // Copies texts and objects (objects are shared, not duplicated).
  void Assign(const TPersistent& Source) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Compares two entries the way this list does (IndexOf, names, sorting).
  virtual int CompareStrings(const String& S1, const String& S2) const;
  virtual void SetUpdateState(bool Updating) {}

 private:
  String GetDelimited(Char Delim, Char Quote, bool Strict) const;
  void SetDelimited(const String& Value, Char Delim, Char Quote, bool Strict);

  int FUpdateCount = 0;
  Char FNameValueSeparator = u'=';
  Char FDelimiter = u',';
  Char FQuoteChar = u'"';
  bool FStrictDelimiter = false;
};

class TStringList;
using TStringListSortCompare = std::function<int(TStringList& List, int Index1, int Index2)>;

class TStringList : public TStrings {
 public:
  TStringList() = default;
  // OwnsObjects: the list frees an entry's object when the entry is deleted,
  // the list cleared or freed (not when an object is replaced).
  explicit TStringList(bool OwnsObjects) : FOwnsObjects(OwnsObjects) {}
  ~TStringList() override;

  int Count() const override { return static_cast<int>(FItems.size()); }
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;

  int AddObject(const String& S, TObject* AObject) override;
  void InsertObject(int Index, const String& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  // Raises on a sorted list before changing anything.
  void Move(int CurIndex, int NewIndex) override;
  int IndexOf(const String& S) const override;

  // Binary search of a sorted list: true when found; Index is the first
  // match or where S would go.
  bool Find(const String& S, int& Index) const;
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& Compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  // Default false: ASCII letters compare without case.
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }
  void Reserve(int Capacity) { FItems.reserve(static_cast<size_t>(Capacity)); }

 protected:
  int CompareStrings(const String& S1, const String& S2) const override;
  void SetUpdateState(bool Updating) override;
  virtual void Changed();
  virtual void Changing();

 private:
  struct Item {
    String S;
    TObject* Obj = nullptr;
  };
  void CheckIndex(int Index) const;
  void InsertItem(int Index, const String& S, TObject* AObject);
  void ApplyOrder(const std::vector<int>& Order);

  std::vector<Item> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  bool FOwnsObjects = false;
  TDuplicates FDuplicates = dupIgnore;
};
