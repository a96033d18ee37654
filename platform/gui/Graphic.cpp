#include "platform/gui/Graphic.h"

#include <fstream>
#include <iterator>

void TGraphic::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const String& FileName) { LoadFromBytes(ReadFileBytes(FileName)); }

void TGraphic::SaveToFile(const String& FileName) const { WriteFileBytes(FileName, SaveToBytes()); }

TBytes ReadFileBytes(const String& FileName) {
  std::ifstream in(StringToUtf8(FileName), std::ios::binary);
  if (!in) throw EInOutError(u"Cannot open file \"" + FileName + u"\"");
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const String& FileName, const TBytes& Data) {
  std::ofstream out(StringToUtf8(FileName), std::ios::binary | std::ios::trunc);
  if (!out) throw EInOutError(u"Cannot create file \"" + FileName + u"\"");
  out.write(reinterpret_cast<const char*>(Data.data()), static_cast<std::streamsize>(Data.size()));
  if (!out) throw EInOutError(u"Cannot write file \"" + FileName + u"\"");
}
