#pragma once
// Moving entries of index-keyed lists the way a moved column or row moves:
// through getters and setters, so sparse lists and tables with limits take
// part as well as vectors.
#include <algorithm>
#include <utility>
#include <vector>

// Rotates entries Lo..Hi left by Mid: the one at Lo + Mid comes first.
template <class Get, class Set>
void RotateRange(int Lo, int Hi, int Mid, Get GetAt, Set SetAt) {
  using T = decltype(GetAt(Lo));
  std::vector<T> values;
  values.reserve(static_cast<size_t>(Hi - Lo + 1));
  for (int i = Lo; i <= Hi; ++i) values.push_back(GetAt(i));
  std::rotate(values.begin(), values.begin() + Mid, values.end());
  for (int i = Lo; i <= Hi; ++i) SetAt(i, std::move(values[static_cast<size_t>(i - Lo)]));
}

// The entry at From goes to To; the ones in between close up.
template <class Get, class Set>
void MoveEntry(int From, int To, Get GetAt, Set SetAt) {
  if (From == To) return;
  RotateRange(std::min(From, To), std::max(From, To), From < To ? 1 : From - To, GetAt, SetAt);
}

// Where index D ends up when Count entries at From move to P.
inline int MovedIndex(int D, int From, int Count, int P) {
  if (D >= From && D < From + Count) return P + (D - From);
  if (P < From && D >= P && D < From) return D + Count;
  if (P > From && D >= From + Count && D < P + Count) return D - Count;
  return D;
}
