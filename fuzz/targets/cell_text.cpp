// What a cell text holds, packed wide text and saved line breaks.
#include "fuzz/FuzzSupport.h"
#include "grid/base/CellText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const String text = fuzz::Text(fuzz::Bytes(Data, Size));
  CellTextKind(text, true);
  CellTextKind(text, false);
  fuzz::Check(UnpackWideCellText(PackWideCellText(text)) == text, "packed wide text does not unpack");
  UnpackWideCellText(text);
  DecodeLineBreaksFromLoad(EncodeLineBreaksForSave(text), true);
  DecodeLineBreaksFromLoad(text, false);
  return 0;
}
