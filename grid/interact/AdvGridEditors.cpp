// The grid's side of its text and combo editors: the editing state they
// share, the combo's item list and the steps that end an editor's work.
#include "grid/interact/AdvInplaceEdit.h"
#include "grid/interact/GridCombo.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/model/AdvStringGridPrivate.h"

TInplaceEdit* TAdvStringGrid::CreateEditor() { return new TAdvInplaceEdit(this); }

TAdvInplaceEdit* TAdvStringGrid::NormalEdit() const { return static_cast<TAdvInplaceEdit*>(InplaceEditor()); }

TGridCombo* TAdvStringGrid::Combobox() {
  if (!FCombobox) {
    FCombobox = new TGridCombo(this);
    FCombobox->SetVisible(false);
    FCombobox->SetParent(this);
    ApplyColorTonesToCombo();
  }
  return FCombobox;
}

bool TAdvStringGrid::LButFlg() const { return FState->LButFlg; }
TPoint TAdvStringGrid::LButPoint() const { return FState->LButPoint; }

void TAdvStringGrid::SetLButFlg(bool Value, TPoint At) {
  FState->LButFlg = Value;
  FState->LButPoint = At;
}

bool TAdvStringGrid::WantsTab() const {
  return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

// ---- the combo's items

void TAdvStringGrid::ClearComboString() { Combobox()->Items().Clear(); }
void TAdvStringGrid::AddComboString(const String& S) { Combobox()->Items().Add(S); }

void TAdvStringGrid::AddComboStringObject(const String& S, TObject* AObject) {
  Combobox()->Items().AddObject(S, AObject);
}

bool TAdvStringGrid::RemoveComboString(const String& S) {
  const int i = Combobox()->Items().IndexOf(S);
  if (i < 0) return false;
  Combobox()->Items().Delete(i);
  return true;
}

bool TAdvStringGrid::SetComboSelectionString(const String& S) {
  const int i = Combobox()->Items().IndexOf(S);
  if (i < 0) return false;
  FState->ComboIdx = i;
  return true;
}

void TAdvStringGrid::SetComboSelection(int Index) { FState->ComboIdx = Index; }
int TAdvStringGrid::ComboSelection() const { return FState->ComboIdx; }
int TAdvStringGrid::GetComboCount() const { return FCombobox ? FCombobox->Items().Count() : 0; }

void TAdvStringGrid::SetComboIndex(int ACol, int ARow, int Value) {
  DoGetEditorProp(ACol, ARow, nullptr);
  if (Value >= 0 && Value < GetComboCount()) SetCells(ACol, ARow, Combobox()->Items().Strings(Value));
}

int TAdvStringGrid::GetComboIndex(int ACol, int ARow) {
  DoGetEditorProp(ACol, ARow, nullptr);
  return Combobox()->Items().IndexOf(Cells(ACol, ARow));
}

void TAdvStringGrid::ShowEditorChar(Char Ch) {
  EditCycle().StartEditChar = Ch;
  TBaseGrid::ShowEditorChar(Ch);
}

int TAdvStringGrid::ComboLengthLimit() {
  const TCellEditorSetup& setup = EditorSetup();
  return setup.FromColumn && setup.EditLength > 0 ? setup.EditLength : MaxComboLength();
}
