#pragma once
// The grid model's failures, with their fixed English texts.
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

class EAdvGridError : public Exception {
 public:
  using Exception::Exception;
};

namespace AdvGridErrors {
inline const String InvalidRow = u"Invalid row accessed";
inline const String InvalidColumn = u"Invalid column accessed";
inline const String NoIntegerValue = u"Cell does not contain integer value";
inline const String NoFloatValue = u"Cell does not contain a float value";
inline const String ColumnsOutOfRange = u"Columns is not in valid range";
inline const String NoSortIndexes = u"No indexes specified for indexed sort";

// "Invalid row 7 accessed": the row-selection reader names the row.
inline String InvalidRowNumber(int ARow) {
  return u"Invalid row " + IntToStr(ARow) + u" accessed";
}
}  // namespace AdvGridErrors
