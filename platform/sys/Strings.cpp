#include "platform/sys/Strings.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

namespace {

bool IsBlank(Char c) { return c >= 1 && c <= u' '; }

// Reads a quoted item starting at the opening quote; i ends after the
// closing quote (or at the end when it is missing).
String ReadQuoted(const String& V, size_t& i, Char Quote) {
  String r;
  ++i;
  while (i < V.size()) {
    if (V[i] == Quote) {
      if (i + 1 < V.size() && V[i + 1] == Quote) {
        r.push_back(Quote);
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    r.push_back(V[i++]);
  }
  return r;
}

}  // namespace

// ---- TStrings ----

void TStrings::SetStrings(int Index, const String& S) {
  TObject* obj = Objects(Index);
  BeginUpdate();
  Delete(Index);
  InsertObject(Index, S, obj);
  EndUpdate();
}

TObject* TStrings::Objects(int) const { return nullptr; }
void TStrings::SetObjects(int, TObject*) {}

int TStrings::Add(const String& S) { return AddObject(S, nullptr); }

int TStrings::AddObject(const String& S, TObject* AObject) {
  const int i = Count();
  InsertObject(i, S, AObject);
  return i;
}

void TStrings::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TStrings::Exchange(int Index1, int Index2) {
  BeginUpdate();
  const String s1 = Strings(Index1);
  TObject* o1 = Objects(Index1);
  SetStrings(Index1, Strings(Index2));
  SetObjects(Index1, Objects(Index2));
  SetStrings(Index2, s1);
  SetObjects(Index2, o1);
  EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  const String s = Strings(CurIndex);
  TObject* obj = Objects(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, obj);
  EndUpdate();
}

int TStrings::IndexOf(const String& S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const String& Name) const {
  for (int i = 0; i < Count(); ++i) {
    const String s = Strings(i);
    const size_t p = s.find(FNameValueSeparator);
    if (p != String::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == AObject) return i;
  return -1;
}

void TStrings::AddStrings(const TStrings& Strings) {
  BeginUpdate();
  for (int i = 0; i < Strings.Count(); ++i) AddObject(Strings.Strings(i), Strings.Objects(i));
  EndUpdate();
}

String TStrings::Names(int Index) const {
  const String s = Strings(Index);
  const size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(0, p);
}

String TStrings::Values(const String& Name) const {
  const int i = IndexOfName(Name);
  return i < 0 ? String() : ValueFromIndex(i);
}

void TStrings::SetValues(const String& Name, const String& Value) {
  const int i = IndexOfName(Name);
  if (Value.empty()) {
    if (i >= 0) Delete(i);
  } else if (i < 0) {
    Add(Name + FNameValueSeparator + Value);
  } else {
    SetStrings(i, Name + FNameValueSeparator + Value);
  }
}

String TStrings::ValueFromIndex(int Index) const {
  const String s = Strings(Index);
  const size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int Index, const String& Value) {
  if (Value.empty()) {
    Delete(Index);
  } else {
    SetStrings(Index, Names(Index) + FNameValueSeparator + Value);
  }
}

String TStrings::GetDelimited(Char Delim, Char Quote, bool Strict) const {
  if (Count() == 1 && Strings(0).empty()) return String(2, Quote);
  String r;
  for (int i = 0; i < Count(); ++i) {
    const String s = Strings(i);
    const bool quote = std::any_of(s.begin(), s.end(), [&](Char c) {
      return c == Delim || c == Quote || c == 0 || (!Strict && c <= u' ');
    });
    if (i > 0) r.push_back(Delim);
    r += quote ? AnsiQuotedStr(s, Quote) : s;
  }
  return r;
}

void TStrings::SetDelimited(const String& V, Char Delim, Char Quote, bool Strict) {
  BeginUpdate();
  Clear();
  size_t i = 0;
  auto skipBlanks = [&] {
    while (!Strict && i < V.size() && IsBlank(V[i])) ++i;
  };
  skipBlanks();
  while (i < V.size()) {
    if (V[i] == Quote) {
      Add(ReadQuoted(V, i, Quote));
    } else {
      const size_t start = i;
      // A NUL is an ordinary character here, so every pass moves on.
      while (i < V.size() && V[i] != Delim && (Strict || !IsBlank(V[i]))) ++i;
      Add(V.substr(start, i - start));
    }
    skipBlanks();
    if (i < V.size() && V[i] == Delim) {
      if (i + 1 == V.size()) Add(String());
      ++i;
      skipBlanks();
    }
  }
  EndUpdate();
}

String TStrings::CommaText() const { return GetDelimited(u',', u'"', false); }
void TStrings::SetCommaText(const String& Value) { SetDelimited(Value, u',', u'"', false); }
String TStrings::DelimitedText() const { return GetDelimited(FDelimiter, FQuoteChar, FStrictDelimiter); }
void TStrings::SetDelimitedText(const String& Value) {
  SetDelimited(Value, FDelimiter, FQuoteChar, FStrictDelimiter);
}

String TStrings::Text() const {
  String r;
  for (int i = 0; i < Count(); ++i) {
    r += Strings(i);
    r += u"\r\n";
  }
  return r;
}

void TStrings::SetText(const String& Value) {
  BeginUpdate();
  Clear();
  for (String& line : SplitLines(Value)) Add(line);
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent& Source) {
  if (const auto* src = dynamic_cast<const TStrings*>(&Source)) {
    if (src == this) return;
    BeginUpdate();
    Clear();
    FNameValueSeparator = src->FNameValueSeparator;
    FDelimiter = src->FDelimiter;
    FQuoteChar = src->FQuoteChar;
    FStrictDelimiter = src->FStrictDelimiter;
    AddStrings(*src);
    EndUpdate();
    return;
  }
  TPersistent::Assign(Source);
}

int TStrings::CompareStrings(const String& S1, const String& S2) const {
  return CompareText(S1, S2);
}

// ---- TStringList ----

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (FOwnsObjects)
    for (Item& it : FItems) delete it.Obj;
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating) {
    if (OnChanging) OnChanging(this);
  } else {
    Changed();
  }
}

String TStringList::Strings(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)].S;
}

void TStringList::SetStrings(int Index, const String& S) {
  if (FSorted) throw EListError(u"Operation not allowed on sorted list");
  CheckIndex(Index);
  Changing();
  FItems[static_cast<size_t>(Index)].S = S;
  Changed();
}

TObject* TStringList::Objects(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)].Obj;
}

void TStringList::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FItems[static_cast<size_t>(Index)].Obj = AObject;
  Changed();
}

int TStringList::AddObject(const String& S, TObject* AObject) {
  if (!FSorted) {
    InsertItem(Count(), S, AObject);
    return Count() - 1;
  }
  int i = 0;
  if (Find(S, i)) {
    if (FDuplicates == dupIgnore) return i;
    if (FDuplicates == dupError) throw EListError(u"String list does not allow duplicates");
    // Accepted duplicates go after their equals, keeping the order of adding.
    while (i < Count() && CompareStrings(FItems[static_cast<size_t>(i)].S, S) == 0) ++i;
  }
  InsertItem(i, S, AObject);
  return i;
}

void TStringList::InsertObject(int Index, const String& S, TObject* AObject) {
  if (FSorted) throw EListError(u"Operation not allowed on sorted list");
  if (Index < 0 || Index > Count()) RaiseListIndexError(Index);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
  Changing();
  FItems.insert(FItems.begin() + Index, Item{S, AObject});
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  TObject* obj = FItems[static_cast<size_t>(Index)].Obj;
  FItems.erase(FItems.begin() + Index);
  if (FOwnsObjects) delete obj;
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  std::vector<Item> old;
  old.swap(FItems);
  if (FOwnsObjects)
    for (Item& it : old) delete it.Obj;
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  if (FSorted) throw EListError(u"Operation not allowed on sorted list");
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex == NewIndex) return;
  Changing();
  auto b = FItems.begin();
  if (CurIndex < NewIndex)
    std::rotate(b + CurIndex, b + CurIndex + 1, b + NewIndex + 1);
  else
    std::rotate(b + NewIndex, b + CurIndex, b + CurIndex + 1);
  Changed();
}

int TStringList::IndexOf(const String& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int i = 0;
  return Find(S, i) ? i : -1;
}

bool TStringList::Find(const String& S, int& Index) const {
  auto it = std::lower_bound(FItems.begin(), FItems.end(), S,
                             [this](const Item& a, const String& s) { return CompareStrings(a.S, s) < 0; });
  Index = static_cast<int>(it - FItems.begin());
  return it != FItems.end() && CompareStrings(it->S, S) == 0;
}

void TStringList::ApplyOrder(const std::vector<int>& Order) {
  std::vector<Item> sorted;
  sorted.reserve(FItems.size());
  for (int i : Order) sorted.push_back(std::move(FItems[static_cast<size_t>(i)]));
  FItems.swap(sorted);
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (Count() < 2) return;
  Changing();
  // Sort a permutation so that Compare sees the list unchanged meanwhile.
  std::vector<int> order(FItems.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(*this, a, b) < 0; });
  ApplyOrder(order);
  Changed();
}

void TStringList::Sort() {
  CustomSort([](TStringList& L, int a, int b) {
    return L.CompareStrings(L.FItems[static_cast<size_t>(a)].S, L.FItems[static_cast<size_t>(b)].S);
  });
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) Sort();
}

int TStringList::CompareStrings(const String& S1, const String& S2) const {
  return FCaseSensitive ? CompareStr(S1, S2) : CompareText(S1, S2);
}
