// Dates in cell texts, and date series. First byte: locale; next three:
// years, months and days of a series step.
#include "fuzz/FuzzSupport.h"
#include "grid/base/GridDates.h"
#include "platform/sys/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 4) return 0;
  fuzz::UseLocale(Data[0]);
  const String text = fuzz::Text(fuzz::Bytes(Data + 4, Size - 4));
  TDateTime value = 0;
  TryParseLocaleDateTime(text, value);
  LooksLikeDate(text);
  for (auto parse : {ParseDateMDY, ParseDateDMY}) {
    try {
      value = parse(text);
    } catch (const Exception&) {
    }
  }
  const auto step = [](std::uint8_t b) { return static_cast<int>(static_cast<std::int8_t>(b)); };
  try {
    IncrementDate(step(Data[1]), step(Data[2]), step(Data[3]), value, 1.5);
  } catch (const Exception&) {
  }
  return 0;
}
