#pragma once
// The most any file, clipboard block or drop may bring into a grid. Every
// reader of the exchange formats checks counts read from outside against it
// before it allocates or clears anything.
#include <cstdint>

constexpr int MaxImportRows = 16777216;
constexpr int MaxImportCols = 65536;
constexpr std::int64_t MaxImportCells = 67108864;

// Counts that are not negative and within the limit.
constexpr bool WithinImportLimit(std::int64_t Cols, std::int64_t Rows) {
  return Cols >= 0 && Rows >= 0 && Cols <= MaxImportCols && Rows <= MaxImportRows &&
         Cols * Rows <= MaxImportCells;
}

// A column width or row height read from outside, in pixels: more would let
// the geometry's sums overflow; less than 0 would hide the column.
constexpr int MaxImportSize = 65535;
constexpr int ImportedSize(std::int64_t Size) {
  return Size < 0 ? 0 : Size > MaxImportSize ? MaxImportSize : static_cast<int>(Size);
}
