// Incremental search: typing on a grid that is not edited goes to the first
// row whose sort column starts with what was typed.
#include "grid/base/Navigation.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/SysUtils.h"

void TGridKeyboard::IncrementalSearch(Char Key) {
  TGridTimerState& t = G.FState->Timer;
  if (!G.Navigation()->AutoGotoIncremental()) {
    t.SearchInc = String(1, Key);
  } else {
    if (Key != 8) t.SearchInc += Key;
    else if (!t.SearchInc.empty()) t.SearchInc.pop_back();
    // A character of two units goes whole.
    if (Key == 8 && !t.SearchInc.empty() && t.SearchInc.back() >= 0xD800 && t.SearchInc.back() < 0xDC00) t.SearchInc.pop_back();
    t.SearchTics = 0;
  }
  // With nothing left to look for every row would match.
  if (t.SearchInc.empty()) return;
  const int row = G.Search(AnsiUpperCase(t.SearchInc));
  if (row < 0) t.SearchInc.clear();
  else G.SetRow(row);
}
