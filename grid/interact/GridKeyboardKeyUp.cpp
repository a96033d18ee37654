// The grid's key-up: the keys that move the cursor end the incremental
// search and may open the editor where they landed.
#include "grid/base/Navigation.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"

namespace {
bool IsArrow(WORD Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }

// Home keeps the search text: it goes back to the start of the same search.
bool EndsSearch(WORD Key) {
  return IsArrow(Key) || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_INSERT ||
         Key == VK_DELETE;
}
}  // namespace

void TAdvStringGrid::KeyUp(WORD& Key, TShiftState Shift) { Keyboard().KeyUp(Key, Shift); }

void TGridKeyboard::KeyUp(WORD& Key, TShiftState Shift) {
  if (EndsSearch(Key)) G.SetSearchInc(String());
  G.TBaseGrid::KeyUp(Key, Shift);
  const bool moved = IsArrow(Key) || (Key == VK_TAB && G.Options().Contains(goTabs));
  if (!moved) return;
  if (G.Navigation()->AlwaysEdit() && !G.HasClickableGraphic(G.RealCol(), G.Row())) G.ShowInplaceEdit();
  SelectionNotify();
}
