// An INI file read, changed, written and read again.
#include "fuzz/FuzzSupport.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/IniFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const String file = fuzz::ScratchFile("grid.ini");
  fuzz::WriteScratch(file, fuzz::Bytes(Data, Size));
  String kept;
  {
    TMemIniFile ini(file);
    kept = ini.ReadString(u"Grid", u"Kept", u"");
    ini.ReadInteger(u"Grid", u"ColCount", 0);
    ini.ReadBool(u"", u"Flag", false);
    ini.WriteString(u"Fuzz", u"Written", u"value é");
    ini.DeleteKey(u"Grid", u"Gone");
    ini.UpdateFile();
  }
  TMemIniFile back(file);
  fuzz::Check(back.ReadString(u"Fuzz", u"Written", u"") == u"value é", "a written value does not read back");
  // The file is Windows-1252: what that code page cannot hold reads back as "?".
  const String read = back.ReadString(u"Grid", u"Kept", u"");
  fuzz::Check(read == kept || read == AnsiToString(StringToAnsi(kept)), "a value was lost on rewriting");
  return 0;
}
