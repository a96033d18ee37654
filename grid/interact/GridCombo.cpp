#include "grid/interact/GridCombo.h"

#include <cstdint>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/CursorWalk.h"
#include "grid/interact/TextCompletion.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Canvas.h"

TGridCombo::TGridCombo(TAdvStringGrid* AGrid) : TAsgComboBox(AGrid), FGrid(AGrid) {
  SetButtonWidth(16);
}

void TGridCombo::SizeDropDownWidth() {
  int w = Width();
  TCanvas* canvas = FGrid->MeasureCanvas();
  canvas->SetFont(*FGrid->Font());
  const bool scrolls = Items().Count() > DropDownCount();
  for (int i = 0; i < Items().Count(); ++i) {
    const int x = canvas->TextWidth(Items().Strings(i));
    if (scrolls && x > w - 25) w = x + 25;
    else if (!scrolls && x > w - 5) w = x + 8;
  }
  SetDroppedWidth(w);
}

void TGridCombo::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEWHEEL:
      Wheel(static_cast<std::int16_t>(HiWord(Message.WParam)));
      Message.Result = 0;
      return;
    case WM_GETDLGCODE:
      TAsgComboBox::Dispatch(Message);
      Message.Result |= DLGC_WANTALLKEYS | (FGrid->WantsTab() ? DLGC_WANTTAB : 0);
      return;
    case WM_SETFOCUS:
      TAsgComboBox::Dispatch(Message);
      if (!FGrid->Navigation()->EditSelectAll() && !IsList()) {
        SetSelStart(static_cast<int>(Text().size()));
        SetSelLength(0);
      }
      return CaretToPress();
    default: break;
  }
  TAsgComboBox::Dispatch(Message);
}

// One item per notch; the selection stops at both ends, and a typed text
// (no item) goes to the first item downwards and stays upwards.
void TGridCombo::Wheel(int Delta) {
  const int last = Items().Count() - 1;
  const int i = ItemIndex();
  if (Delta < 0 && i < last) SetItemIndex(i + 1);
  if (Delta >= 0 && i > 0) SetItemIndex(i - 1);
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(), Text());
  FireComboChange();
}

// Only the opening of the combo takes the press point.
void TGridCombo::CaretToPress() {
  if (!FGrid->LButFlg()) return;
  const TPoint at = ScreenToClient(FGrid->ClientToScreen(FGrid->LButPoint()));
  FGrid->SetLButFlg(false);
  const int pos = ClientRect().Contains(at) ? CharFromPos(at) : -1;
  if (pos < 0) return;
  SetSelStart(pos);
  SetSelLength(0);
}

void TGridCombo::FireComboChange() {
  const int i = ItemIndex();
  const int col = FGrid->RealCol(), row = FGrid->Row();
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, col, row, i, Text());
  if (FGrid->OnComboObjectChange)
    FGrid->OnComboObjectChange(FGrid, col, row, i, Text(), i >= 0 ? Items().Objects(i) : nullptr);
}

void TGridCombo::DoExit() {
  const String text = Text();
  if (FGrid->LookupHistory() && !text.empty() && Items().IndexOf(text) < 0) Items().Add(text);
  FGrid->HideInplaceEdit();
  TAsgComboBox::DoExit();
}

void TGridCombo::Change() {
  TAsgComboBox::Change();
  if (FGrid->CanEditModify() && FGrid->OnEditChange)
    FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridCombo::KeyPress(Char& Key) {
  const int before = ItemIndex();
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
  if (Key == 27) Key = 0;
  if (Key == 13 && OnReturnKey) OnReturnKey(this);
  if (Key == 13 || Key == 9) Key = 0;
  TAsgComboBox::KeyPress(Key);
  if (ItemIndex() != before) FireComboChange();
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift) {
  if (WalkOut(Key, Shift)) return;
  FGrid->SetNoAutoAdvance(false);
  if (Key != VK_RETURN) TAsgComboBox::KeyUp(Key, Shift);
  DoChange();
}

void TGridCombo::DoChange() {
  if (!WorkMode || !FGrid->Lookup() || IsList()) return;
  const String prefix = Text().substr(0, static_cast<size_t>(SelStart()));
  if (prefix.empty()) return;
  const bool cs = FGrid->LookupCaseSensitive();
  TCompletion c = CompletePrefix(Items(), prefix, cs);
  const bool fromItems = c.Index >= 0;
  if (!fromItems) c = CompletePrefix(*FGrid->LookupItems(), prefix, cs);
  if (c.Index < 0) return;
  if (fromItems) SetItemIndex(c.Index);
  SetText(c.Text);
  SetSelStart(static_cast<int>(prefix.size()));
  SetSelLength(static_cast<int>(c.Text.size() - prefix.size()));
}

// ---- keys

// As in the text editor, the caret must have stood at that end before the
// key, so a Left onto the first character does not leave the cell yet.
bool TGridCombo::WalkOut(WORD& Key, TShiftState Shift) {
  if (IsList() || !FGrid->Navigation()->CursorWalkEditor() || Shift.Contains(ssShift)) return false;
  const bool right = Key == VK_RIGHT;
  const bool atEnd = SelLength() == 0 && SelStart() == (right ? static_cast<int>(Text().size()) : 0);
  if ((Key != VK_LEFT && !right) || !atEnd || !(right ? FAtEndOnKeyDown : FAtStartOnKeyDown)) return false;
  Key = 0;
  FGrid->SetNoAutoAdvance(false);
  if (const int graphic = WalkGraphicColumn(*FGrid, right); graphic >= 0) {
    if (!FGrid->ValidateCell(Text())) return true;
    FGrid->HideInplaceEdit();
    FGrid->SetCol(graphic);
    return true;
  }
  if (FGrid->CanFocus()) FGrid->SetFocus();
  WalkToNextCell(*FGrid, right);
  return true;
}

bool TGridCombo::GridHandles(WORD Key, TShiftState Shift) const {
  if (Shift.Contains(ssAlt) && Key == VK_DOWN) return false;
  switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: return true;
    case VK_LEFT: case VK_RIGHT: return IsList() || DroppedDown();
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_UP: case VK_DOWN: return !IsList() && !DroppedDown();
    default: return false;
  }
}

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift) {
  Forced = false;
  FAtStartOnKeyDown = SelLength() == 0 && SelStart() == 0;
  FAtEndOnKeyDown = SelLength() == 0 && SelStart() == static_cast<int>(Text().size());
  WorkMode = Key != VK_BACK && Key != VK_DECIMAL && Key != VK_OEM_PERIOD;
  const bool open = DroppedDown();
  if ((Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt) && !open &&
      !FGrid->Navigation()->ComboGetUpDown())
    return LeaveVertically(Key, Shift);
  if (!GridHandles(Key, Shift)) return TAsgComboBox::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE) {
    Escape();
    Key = 0;
    return;
  }
  if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (!ValidateText(true)) {
      Key = 0;
      return;
    }
    Revalidated();
  }
  if (Key == VK_TAB && FGrid->WantsTab() && TabKey(Shift)) {
    Key = 0;
    return;
  }
  if (IsList() || open) {
    CloseAndPass(Key, Shift);
  } else if (Key == VK_END) {
    return TAsgComboBox::KeyDown(Key, Shift);
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  const TNavigation& nav = *FGrid->Navigation();
  if (nav.AdvanceOnEnter() && nav.AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
  Key = 0;
  TAsgComboBox::KeyDown(Key, Shift);
}

// The text goes back, the grid takes the focus and the key; moved or not,
// the key is used up there, so nothing of it lands in another cell.
void TGridCombo::LeaveVertically(WORD& Key, TShiftState Shift) {
  FGrid->HideInplaceEdit();
  TNavigation& nav = *FGrid->Navigation();
  const bool alwaysEdit = nav.AlwaysEdit();
  nav.SetAlwaysEdit(false);
  if (FGrid->CanFocus()) FGrid->SetFocus();
  FGrid->KeyDown(Key, Shift);
  nav.SetAlwaysEdit(alwaysEdit);
  Key = 0;
}

void TGridCombo::Escape() {
  const String cell = FGrid->GetCurrentCell();
  SetText(cell);
  if (Items().IndexOf(cell) >= 0) SetItemIndex(Items().IndexOf(cell));
  FGrid->HideInplaceEdit();
  if (FGrid->CanFocus()) FGrid->SetFocus();
}

bool TGridCombo::ValidateText(bool SelectAllOnFailure) {
  const String t = Text();
  FGrid->SetCurrentCell(t);
  if (FGrid->ValidateCell(t)) return true;
  SetText(FGrid->NewCellText());
  if (!IsList()) {
    SetSelStart(SelectAllOnFailure ? 0 : static_cast<int>(Text().size()));
    SetSelLength(SelectAllOnFailure ? static_cast<int>(Text().size()) : 0);
  }
  Invalidate();
  FGrid->SetNoAutoAdvance(true);
  return false;
}

// What validation left in the cell, shown in the combo.
void TGridCombo::Revalidated() {
  const String cell = FGrid->GetCurrentCell();
  if (!IsList()) return SetText(cell);
  const int i = Items().IndexOf(cell);
  if (i >= 0) SetItemIndex(i);
}

// Answers whether Tab is used up here.
bool TGridCombo::TabKey(TShiftState Shift) {
  if (!ValidateText(false)) return true;
  Revalidated();
  if (FGrid->Options().Contains(goTabs)) {
    FGrid->HideInplaceEdit();
    if (FGrid->CanFocus()) FGrid->SetFocus();
    FGrid->TabAdvance(Shift.Contains(ssShift));
    return true;
  }
  PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
  return false;
}

void TGridCombo::CloseAndPass(WORD& Key, TShiftState Shift) {
  TMouseActions& mouse = *FGrid->MouseActions();
  const bool directClose = mouse.DirectComboClose();
  mouse.SetDirectComboClose(false);
  FGrid->HideInplaceEdit();
  mouse.SetDirectComboClose(directClose);
  if (Key == VK_LEFT || Key == VK_RIGHT) FGrid->KeyDown(Key, Shift);
  switch (Key) {
    case VK_PRIOR: case VK_NEXT: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: Key = 0; break;
    default: break;
  }
}
