// Number texts typed or shown in cells. First byte: locale.
#include "fuzz/FuzzSupport.h"
#include "grid/base/NumberText.h"
#include "platform/sys/SysUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  fuzz::UseLocale(Data[0]);
  const String text = fuzz::Text(fuzz::Bytes(Data + 1, Size - 1));
  const int kind = ClassifyNumberText(text);
  fuzz::Check(kind == ntInteger || kind == ntSeparated || kind == ntOther || kind == ntScientific, "unknown kind");
  double value = 0;
  TryStrToFloat(NormalizeNumberText(text), value);
  StrToIntDef(text, 0);
  for (Char c : text) IsDigitChar(c);
  return 0;
}
