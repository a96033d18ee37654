// The in-place editor cycle of the grid window. The editor holds one cell at
// a time (FInplaceCol, FInplaceRow; -1 while it holds none) and writes only
// through SetEditText: every change at once while EditWritesThrough, and
// when it hides if its text is no longer the text it was loaded with.
#include "platform/grids/CustomGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Forms.h"

bool TCustomGrid::IsActiveControl() const {
  if (TCustomForm* form = GetParentForm()) {
    TWinControl* active = form->ActiveControl();
    return active == this || (active && active == FInplaceEdit);
  }
  return Focused() || (FInplaceEdit && FInplaceEdit->Focused());
}

bool TCustomGrid::CanEditShow() {
  TGridOptions o = Options();
  return o.Contains(goEditing) && !o.Contains(goRowSelect) && FEditorMode &&
         (o.Contains(goAlwaysShowEditor) || IsActiveControl());
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool Value) {
  if (!Value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (FInplaceEdit) FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor() {
  FEditorMode = true;
  UpdateEdit();
}

void TCustomGrid::ShowEditorChar(Char Ch) {
  ShowEditor();
  if (FInplaceEdit && FInplaceCol >= 0) FInplaceEdit->Perform(WM_CHAR, Ch, 0);
}

void TCustomGrid::HideEditor() {
  FEditorMode = false;
  HideEdit();
}

void TCustomGrid::InvalidateEditor() {
  FInplaceCol = FInplaceRow = -1;
  UpdateEdit();
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->SetGrid(this);
    FInplaceEdit->SetParent(this);
    UpdateEditor();
  } else if (Col() != FInplaceCol || Row() != FInplaceRow) {
    HideEdit();
    UpdateEditor();
  }
  // The editor's own handlers may have closed the editor meanwhile.
  if (CanEditShow()) FInplaceEdit->Move(ClientOfView(CellRect(Col(), Row())));
}

void TCustomGrid::UpdateEditor() {
  FInplaceCol = Col();
  FInplaceRow = Row();
  FLoadingEditor = true;
  try {
    FInplaceEdit->UpdateContents();
  } catch (...) {
    FLoadingEditor = false;
    throw;
  }
  FLoadingEditor = false;
  FEditStartText = FInplaceEdit->Text();
  FEditWritten = false;
  FInplaceEdit->SelectAll();
}

void TCustomGrid::HideEdit() {
  if (!FInplaceEdit) return;
  struct Closing {  // the editor hides also when the write-back throws
    TCustomGrid& G;
    ~Closing() {
      G.FInplaceCol = G.FInplaceRow = -1;
      G.FInplaceEdit->Hide();
    }
  } closing{*this};
  if (EditorTextChanged()) UpdateText();
}

bool TCustomGrid::EditorTextChanged() const {
  return FInplaceCol >= 0 && FInplaceRow >= 0 && FInplaceEdit->Text() != FEditStartText;
}

void TCustomGrid::UpdateText() {
  if (FInplaceCol >= 0 && FInplaceRow >= 0) SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

void TCustomGrid::EditorChanged() {
  if (FLoadingEditor || !FEditWritesThrough || FInplaceCol < 0) return;
  FEditWritten = true;
  UpdateText();
}

// Only what the editor wrote is taken back.
void TCustomGrid::CancelEdit() {
  if (FInplaceCol >= 0 && FInplaceRow >= 0) {
    int col = FInplaceCol, row = FInplaceRow;
    FInplaceCol = FInplaceRow = -1;  // nothing more to write back
    if (FEditWritten) SetEditText(col, row, FEditStartText);
  }
  if (Options().Contains(goAlwaysShowEditor))
    InvalidateEditor();
  else
    HideEditor();
}
