// A filter condition against a cell text. First byte: locale and case;
// then the condition and the text as two parts.
#include "fuzz/FuzzSupport.h"
#include "grid/base/FilterMatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  fuzz::UseLocale(Data[0]);
  const auto parts = fuzz::Parts(fuzz::Bytes(Data + 1, Size - 1), 2);
  MatchFilter(fuzz::Text(parts[0]), fuzz::Text(parts[1]), Data[0] & 0x80);
  return 0;
}
