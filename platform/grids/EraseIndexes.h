#pragma once
// Removing a set of positions from a vector in one pass.
#include <cstddef>
#include <utility>
#include <vector>

// Indexes ascending and distinct; those past the end are not there to go.
template <class T>
void EraseIndexes(std::vector<T>& V, const std::vector<int>& Indexes) {
  if (Indexes.empty() || static_cast<size_t>(Indexes.front()) >= V.size()) return;
  size_t write = static_cast<size_t>(Indexes.front()), next = 0;
  for (size_t read = write; read < V.size(); ++read) {
    if (next < Indexes.size() && static_cast<size_t>(Indexes[next]) == read) {
      ++next;
      continue;
    }
    V[write++] = std::move(V[read]);
  }
  V.resize(write);
}
