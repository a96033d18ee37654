// Build tool: writes the English language file from the compiled default
// texts and reads it back; a file that would not reproduce the defaults
// fails the build.
#include <cstdio>
#include <exception>

#include "app/DefaultTexts.h"
#include "app/Language.h"
#include "app/ProgramState.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Files.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysUtils.h"

namespace {

// Pilcrows around a text keep the blanks that trimming the line would remove.
String FileText(const String& Text) {
  if (Trim(Text) == Text) return Text;
  return Language_Pilcrow + Text + Language_Pilcrow;
}

String LanguageFileText() {
  String Out = u"/#/ Texts of the configurator: STR<index> = <text>; a pilcrow keeps leading and trailing blanks.\r\n";
  const auto& Defaults = Default_Texts();
  for (int I = 0; I < Default_Text_Count; ++I) {
    const String& Text = Defaults[static_cast<size_t>(I)];
    if (Text != u" ") Out += u"STR" + IntToStr(I) + u" = " + FileText(Text) + u"\r\n";
  }
  return Out;
}

// The table the file gives when applied over blanks must be the defaults.
bool ReadsBack(const String& FileName) {
  TProgramState State(ExtractFileDir(FileName));
  Load_Default_Texts(State);
  for (int I = 0; I < State.Text_Count; ++I) State.Texts.SetStrings(I, u" ");
  Load_Language_File(State, FileName);
  for (int I = 0; I < State.Text_Count; ++I)
    if (State.Texts.Strings(I) != Default_Texts()[static_cast<size_t>(I)]) {
      std::fprintf(stderr, "entry %d does not read back\n", I);
      return false;
    }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gx_make_language <English.lng>\n");
    return 2;
  }
  try {
    const String FileName = Utf8ToString(argv[1]);
    bool Lossy = false;
    const AnsiString Bytes = StringToAnsi(LanguageFileText(), &Lossy);
    if (Lossy) {
      std::fprintf(stderr, "a default text is outside Windows-1252\n");
      return 1;
    }
    ForceDirectories(ExtractFileDir(FileName));
    SafeWriteFile(FileName, Bytes);
    return ReadsBack(FileName) ? 0 : 1;
  } catch (const std::exception& E) {
    std::fprintf(stderr, "%s\n", E.what());
    return 1;
  }
}
