#include "platform/gui/Graphic.h"

#include "platform/sys/SafeWrite.h"
#include "platform/sys/Streams.h"

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

void TGraphic::LoadFromStream(TStream& Stream) { LoadFromBytes(ReadRestOfStream(Stream)); }

void TGraphic::SaveToStream(TStream& Stream) const { WriteBytesToStream(Stream, SaveToBytes()); }

TBytes ReadRestOfStream(TStream& Stream) {
  const std::int64_t rest = Stream.Size() - Stream.Position();
  TBytes data(static_cast<size_t>(rest > 0 ? rest : 0));
  if (!data.empty()) Stream.ReadBuffer(data.data(), static_cast<std::int64_t>(data.size()));
  return data;
}

void WriteBytesToStream(TStream& Stream, const TBytes& Data) {
  if (!Data.empty()) Stream.WriteBuffer(Data.data(), static_cast<std::int64_t>(Data.size()));
}

TBytes ReadFileBytes(const String& FileName) {
  TFileStream f(FileName, fmOpenRead);
  return ReadRestOfStream(f);
}

void WriteFileBytes(const String& FileName, const TBytes& Data) {
  SafeWriteFile(FileName, std::string_view(reinterpret_cast<const char*>(Data.data()), Data.size()));
}
