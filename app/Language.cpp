#include "app/Language.h"

#include <algorithm>

#include "app/DefaultTexts.h"
#include "app/ProgramState.h"
#include "platform/sys/Files.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"
#include "platform/sys/TextFile.h"

namespace {

// The entry's index: the text between "STR" and the first "=", trimmed;
// -1 when there is no "=" or the text is not a number.
int EntryIndex(const String& S, int EqualPos) {
  if (EqualPos == 0) return -1;
  return StrToIntDef(Trim(Copy(S, 4, EqualPos - 4)), -1);
}

// The entry's text, or false when the line leaves the entry as it is.
bool EntryText(const String& S, int EqualPos, String& V) {
  V = Trim(Copy(S, EqualPos + 1));
  if (V.empty()) return false;
  if (const int Remark = Pos(u"/#/", V); Remark > 0) {
    V = Trim(Copy(V, 1, Remark - 1));
    if (V.empty()) return false;
  }
  if (V.front() == Language_Pilcrow) V.erase(0, 1);
  if (const int End = Pos(StringView(&Language_Pilcrow, 1), V); End > 0) V = Copy(V, 1, End - 1);
  return true;
}

}  // namespace

void Apply_Language_Line(TStrings& Texts, int Text_Count, StringView Line) {
  const String S = Trim(Line);
  if (Copy(S, 1, 3) != u"STR") return;
  const int EqualPos = Pos(u"=", S);
  const int N = EntryIndex(S, EqualPos);
  if (N < 0 || N >= Text_Count) return;
  String V;
  if (EntryText(S, EqualPos, V)) Texts.SetStrings(N, V);
}

void Load_Default_Texts(TProgramState& State) {
  State.Texts.BeginUpdate();
  State.Texts.Clear();
  State.Texts.Reserve(Default_Text_Count);
  for (const String& Text : Default_Texts()) State.Texts.Add(Text);
  State.Texts.EndUpdate();
  State.Text_Count = Default_Text_Count;
}

void Load_Language_File(TProgramState& State, const String& FileName) {
  const String Content = ReadTextFile(FileName, Document_Size_Limit);
  State.Texts.BeginUpdate();
  for (const String& Line : SplitLines(Content)) Apply_Language_Line(State.Texts, State.Text_Count, Line);
  State.Texts.EndUpdate();
}

bool Plain_Language_Name(StringView Name) {
  if (Name.empty() || Name == u"." || Name == u"..") return false;
  return std::none_of(Name.begin(), Name.end(), [](Char C) { return C < u' ' || C == u'/' || C == u'\\'; });
}

void Load_Language(TProgramState& State) {
  Load_Default_Texts(State);
  if (!Plain_Language_Name(State.Language)) State.Language = Default_Language;
  String FileName = Join(State.Language_Dir, State.Language + u".lng");
  if (!PathExists(FileName)) {
    State.Language = Default_Language;
    FileName = Join(State.Language_Dir, State.Language + u".lng");
    if (!PathExists(FileName)) return;
  }
  try {
    Load_Language_File(State, FileName);
  } catch (const Exception&) {
    State.Language = Default_Language;
    throw;
  }
}
