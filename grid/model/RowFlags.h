#pragma once
// Per-row flag lists (modified, enabled, selected) read and written by index:
// a list read past its end answers 0 and grows only to hold a set flag.
#include <vector>

#include "grid/base/IntList.h"

inline int FlagCount(const TIntList& L) { return L.Count(); }
inline int FlagCount(const std::vector<bool>& L) { return static_cast<int>(L.size()); }

inline int FlagAt(const TIntList& L, int I) { return I < L.Count() ? L.Items(I) : 0; }

inline void SetFlagAt(TIntList& L, int I, int Value) {
  if (I >= L.Count() && Value == 0) return;
  while (L.Count() <= I) L.Insert(L.Count(), 0);
  L.SetItems(I, Value);
}

inline int FlagAt(const std::vector<bool>& L, int I) {
  return I < static_cast<int>(L.size()) && L[static_cast<size_t>(I)];
}

inline void SetFlagAt(std::vector<bool>& L, int I, int Value) {
  if (I >= static_cast<int>(L.size()) && Value == 0) return;
  if (I >= static_cast<int>(L.size())) L.resize(static_cast<size_t>(I) + 1, false);
  L[static_cast<size_t>(I)] = Value != 0;
}

template <class List>
void SwapFlags(List& L, int A, int B) {
  const int a = FlagAt(L, A);
  SetFlagAt(L, A, FlagAt(L, B));
  SetFlagAt(L, B, a);
}
