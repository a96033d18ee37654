#include "platform/grids/GridTypes.h"

#include <algorithm>

TGridRect GridRect(TGridCoord A, TGridCoord B) {
  return TGridRect{std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)};
}

void RaiseGridIndexError() { throw EInvalidGridOperation(u"Grid index out of range"); }
