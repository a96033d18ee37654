// The platform's plain text editor under the editing cycle's rules. An
// editor of the grid's own (CreateEditor) brings its looks, keys and focus
// handling itself and is left alone.
#include <typeinfo>

#include "grid/interact/GridEditCycle.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/grids/InplaceEdit.h"

void TGridEditCycle::AttachPlainEditor() {
  TInplaceEdit* edit = FGrid.InplaceEditor();
  if (!edit || typeid(*edit) != typeid(TInplaceEdit)) return;
  TFont font;
  const TCellEditorPlace place = PlaceFor(FGrid.Col(), FGrid.Row(), font);
  edit->SetColor(place.Color);
  edit->SetFont(font);
  edit->SetMaxLength(FGrid.GetEditLimit());
  edit->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { PlainEditorKeyDown(Key, Shift); };
  edit->OnExit = [this](TObject*) { PlainEditorExit(); };
}

// Enter validates before the grid closes the editor. An accepted value
// may have been corrected; after a refusal the editor was reloaded with the
// text the cell kept, so closing it writes nothing refused.
void TGridEditCycle::PlainEditorKeyDown(WORD& Key, TShiftState Shift) {
  if (Key != VK_RETURN || Shift.Contains(ssCtrl) || !EditMode) return;
  TInplaceEdit* edit = FGrid.InplaceEditor();
  if (FGrid.ValidateCell(EditedValue(edit->Text()))) edit->SetText(FGrid.NewCellText());
}

// The editor shows a cell's text without its tags: the visible text handed
// back unchanged is the cell's own text, so validation sees no change and
// keeps the tags.
String TGridEditCycle::EditedValue(const String& Text) {
  const bool noEditChange = FGrid.FNoEditChange;
  const String shown = FGrid.GetEditText(FGrid.Col(), FGrid.Row());
  FGrid.FNoEditChange = noEditChange;
  return Text == shown ? FGrid.GetCurrentCell() : Text;
}

// The platform reloads its editor by hiding and showing it again, which
// hands the grid the focus for a moment while its editor mode stays on.
void TGridEditCycle::PlainEditorExit() {
  if (BlockKill || !EditMode || !IsTextKind(EditControl)) return;
  const bool toGrid = FGrid.Focused();
  if (toGrid && FGrid.EditorMode()) return;
  StartEditChar = 0;
  if (!toGrid) {
    TInplaceEdit* edit = FGrid.InplaceEditor();
    FGrid.ValidateCell(EditedValue(edit->Text()));
    edit->SetText(FGrid.GetEditText(FGrid.Col(), FGrid.Row()));
    FGrid.HideInplaceEdit();
  }
  EndOfEditing(FGrid.RealCol(), FGrid.Row());
}
