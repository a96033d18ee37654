// Incremental search: typing on a grid that is not edited goes to the first
// row whose sort column starts with what was typed.
#include "grid/base/Navigation.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/SysUtils.h"

namespace {
// A character of two units goes whole.
void DropLastCharacter(String& Text) {
  if (Text.empty()) return;
  Text.pop_back();
  if (!Text.empty() && Text.back() >= 0xD800 && Text.back() < 0xDC00) Text.pop_back();
}
}  // namespace

void TGridKeyboard::IncrementalSearch(Char Key) {
  TGridTimerState& t = G.FState->Timer;
  if (!G.Navigation()->AutoGotoIncremental()) {
    t.SearchInc = String(1, Key);
  } else {
    if (Key == 8) DropLastCharacter(t.SearchInc);
    else t.SearchInc += Key;
    t.SearchTics = 0;
  }
  // With nothing left to look for every row would match.
  if (t.SearchInc.empty()) return;
  const int row = G.Search(AnsiUpperCase(t.SearchInc));
  if (row < 0) t.SearchInc.clear();
  else G.SetRow(row);
}
