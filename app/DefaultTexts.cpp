#include "app/DefaultTexts.h"

#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"
#include "platform/sys/TextFile.h"

std::vector<String> Parse_Default_Texts(std::string_view Source) {
  std::vector<String> Result(Default_Text_Count, String(u" "));
  std::vector<bool> Seen(Default_Text_Count, false);
  for (const String& Line : SplitLines(Utf8ToString(Source))) {
    const int Tab = Pos(u"\t", Line);
    int Index = -1;
    if (Tab < 2 || !TryStrToInt(Copy(Line, 1, Tab - 1), Index) || Index < 0 ||
        Index >= Default_Text_Count || Seen[static_cast<size_t>(Index)])
      throw Exception(u"Malformed default text line: " + Line);
    Seen[static_cast<size_t>(Index)] = true;
    Result[static_cast<size_t>(Index)] = Copy(Line, Tab + 1);
  }
  return Result;
}

const std::vector<String>& Default_Texts() {
  static const std::vector<String> Texts = Parse_Default_Texts(Default_Texts_Source());
  return Texts;
}
