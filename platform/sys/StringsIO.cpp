// TStrings' files and streams, apart so that a list alone needs no code page.
#include "platform/sys/Streams.h"
#include "platform/sys/Strings.h"

void TStrings::LoadFromFile(const String& FileName) { SetText(ReadTextFile(FileName)); }

// The list's own reader must take the file for what it is.
void TStrings::SaveToFile(const String& FileName, TTextEncoding Encoding) const {
  const String text = Text();
  WriteTextFile(FileName, text, ReadBackEncoding(text, Encoding));
}

void TStrings::LoadFromStream(TStream& Stream) { SetText(DecodeText(Stream.ReadRest())); }

void TStrings::SaveToStream(TStream& Stream, TTextEncoding Encoding) const {
  const String text = Text();
  Stream.WriteBytes(EncodeText(text, ReadBackEncoding(text, Encoding)));
}
