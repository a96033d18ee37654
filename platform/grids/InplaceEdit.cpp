#include "platform/grids/InplaceEdit.h"

#include "platform/grids/CustomGrid.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TMaskEdit(AOwner) {
  SetVisible(false);
  SetTabStop(false);
}

void TInplaceEdit::UpdateContents() {
  SetText(String());
  SetEditMask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
  SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
  SetMaxLength(FGrid->GetEditLimit());
}

void TInplaceEdit::UpdateLoc(const TRect& Loc) {
  if (Loc.IsEmpty()) {
    Hide();
    return;
  }
  SetBoundsRect(Loc);
  SetVisible(true);
  BringToFront();
}

void TInplaceEdit::Move(const TRect& Loc) {
  UpdateLoc(Loc);
  if (!Visible()) return;
  if (FGrid->Focused() && CanFocus()) SetFocus();
  Invalidate();
}

void TInplaceEdit::Hide() {
  if (!Visible()) return;
  bool hadFocus = Focused();
  SetVisible(false);
  if (hadFocus && FGrid->CanFocus()) FGrid->SetFocus();
}

void TInplaceEdit::Deselect() {
  SetSelStart(static_cast<int>(Text().size()));
  SetSelLength(0);
}

bool TInplaceEdit::CaretAtStart() const { return SelStart() == 0 && SelLength() == 0; }

bool TInplaceEdit::CaretAtEnd() const {
  return SelLength() == 0 && SelStart() == static_cast<int>(Text().size());
}

void TInplaceEdit::DblClick() {
  if (FGrid) FGrid->DblClick();
}

// The editor keeps Enter and Escape (they close it) from the form's default
// and cancel buttons, and Tab when the grid walks its cells with it.
LRESULT TInplaceEdit::DialogCode() const {
  LRESULT code = TMaskEdit::DialogCode() | DLGC_WANTALLKEYS;
  if (FGrid && FGrid->Options().Contains(goTabs)) code |= DLGC_WANTTAB;
  return code;
}

// Keys that leave the cell go to the grid; Left, Right, Home and End do too
// with goAlwaysShowEditor once the caret stands at that end of the text.
void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  auto toGrid = [&] {
    FGrid->KeyDown(Key, Shift);
    Key = 0;
  };
  bool walks = FGrid->Options().Contains(goAlwaysShowEditor);
  switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE: toGrid(); break;
    case VK_LEFT: case VK_HOME: if (walks && CaretAtStart()) toGrid(); break;
    case VK_RIGHT: case VK_END: if (walks && CaretAtEnd()) toGrid(); break;
    case VK_TAB: if (!Shift.Contains(ssAlt)) toGrid(); break;
    case VK_F2:
      if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
      if (Key == VK_F2) Deselect();
      return;
    default: break;
  }
  if (Key == 0) return;
  if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  TMaskEdit::KeyDown(Key, Shift);
}

// The grid sees each character first (Enter closes the editor there);
// Tab and Escape type nothing.
void TInplaceEdit::KeyPress(Char& Key) {
  FGrid->KeyPress(Key);
  switch (Key) {
    case 9: case 27: Key = 0; break;
    case 13:
      if (SelStart() == 0 && SelLength() == static_cast<int>(Text().size()))
        Deselect();
      else
        SelectAll();
      Key = 0;
      break;
    default:
      if (!FGrid->CanEditModify()) Key = 0;
      break;
  }
  if (Key != 0) TMaskEdit::KeyPress(Key);
}

void TInplaceEdit::Change() {
  TMaskEdit::Change();
  if (FGrid) FGrid->EditorChanged();
}
