// Moving the current cell, validating the edit left behind, and the move after Enter.
#include "grid/model/AdvStringGridPrivate.h"

bool TAdvStringGrid::SelectCell(int ACol, int ARow) { return TBaseGrid::SelectCell(ACol, ARow); }

void TAdvStringGrid::DoCellChanging(int ACol, int ARow, bool& Allow) {}

bool TAdvStringGrid::ValidateCell(const String& NewValue) { return true; }
bool TAdvStringGrid::ValidateCellWide(const String& NewValue) { return true; }

void TAdvStringGrid::AdvanceToNextCell(int ACol, int ARow, bool ShowEditor, bool Repeating,
                                       bool Forward, bool AutoEdit, bool Force) {}

// Until the editing cycle fills them in.
void TAdvStringGrid::ShowInplaceEdit() {}
void TAdvStringGrid::HideInplaceEdit() {}

void TAdvStringGrid::EditingDoneNotify(int ACol, int ARow) {
  if (OnEditingDone) OnEditingDone(this);
  PostMessage(Handle(), GridEditDoneMessage, static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}

bool TAdvStringGrid::GridBlink() const { return FState->Timer.GridBlink; }
String TAdvStringGrid::SearchInc() const { return FState->Timer.SearchInc; }
void TAdvStringGrid::SetSearchInc(const String& Value) { FState->Timer.SearchInc = Value; }
int TAdvStringGrid::SearchTics() const { return FState->Timer.SearchTics; }
void TAdvStringGrid::SetSearchTics(int Value) { FState->Timer.SearchTics = Value; }
void TAdvStringGrid::Select() { SelectCell(Col(), Row()); }
