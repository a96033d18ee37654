#include "grid/base/IntList.h"

#include <algorithm>
#include <utility>

#include "platform/sys/Exceptions.h"
#include "platform/sys/Strings.h"
#include "platform/sys/SysUtils.h"

void TIntList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
}

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

int TIntList::Items(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)];
}

void TIntList::SetItems(int Index, int Value) {
  CheckIndex(Index);
  FItems[static_cast<size_t>(Index)] = Value;
  Changed();
}

void TIntList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
  Changed();
  Changed();
}

int TIntList::Add(int Value) {
  FItems.push_back(Value);
  Changed();
  return Count() - 1;
}

void TIntList::Delete(int Index) {
  CheckIndex(Index);
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TIntList::Insert(int Index, int Value) {
  if (Index < 0 || Index > Count()) RaiseListIndexError(Index);
  FItems.insert(FItems.begin() + Index, Value);
}

int TIntList::IndexOf(int Value) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Value);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TIntList::DeleteValue(int Value) {
  const int i = IndexOf(Value);
  if (i >= 0) Delete(i);
}

bool TIntList::HasValue(int Value) const { return IndexOf(Value) >= 0; }

String TIntList::StrValue() const {
  String r;
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (i > 0) r += u',';
    r += IntToStr(FItems[i]);
  }
  return r;
}

void TIntList::SetStrValue(const String& Value) {
  TStringList items;
  items.SetCommaText(Value);
  Clear();
  for (int i = 0; i < items.Count(); ++i) Add(StrToInt(items.Strings(i)));
}
