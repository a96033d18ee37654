// TStrings' files and streams, apart so that a list alone needs no code page.
#include "platform/sys/Streams.h"
#include "platform/sys/Strings.h"

void TStrings::LoadFromFile(const String& FileName) { SetText(ReadTextFile(FileName)); }

void TStrings::SaveToFile(const String& FileName, TTextEncoding Encoding) const {
  WriteTextFile(FileName, Text(), Encoding);
}

void TStrings::LoadFromStream(TStream& Stream) { SetText(DecodeText(Stream.ReadRest())); }

void TStrings::SaveToStream(TStream& Stream, TTextEncoding Encoding) const {
  Stream.WriteBytes(EncodeText(Text(), Encoding));
}
