// The grid's key messages: its own rules first, the platform grid's key
// handling after them unless a rule ended the key.
#include "grid/interact/GridKeyboard.h"

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/ShowModified.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Input.h"

void TAdvStringGrid::TGridKeyboardDeleter::operator()(TGridKeyboard* Keyboard) const { delete Keyboard; }

TGridKeyboard& TAdvStringGrid::Keyboard() {
  if (!FKeyboard) FKeyboard.reset(new TGridKeyboard(*this));
  return *FKeyboard;
}

bool TAdvStringGrid::TabAdvance(bool Backward) { return Keyboard().TabAdvance(Backward); }

// The grid takes characters also without goEditing, for the incremental search.
void TGridKeyboard::DialogCode(TMessage& Message) {
  G.InheritedDispatch(Message);
  if (G.Navigation()->AutoGotoWhenSorted() || !G.Options().Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

void TGridKeyboard::WMKeyDown(TMessage& Message) {
  const WORD key = static_cast<WORD>(Message.WParam);
  const TShiftState shift = platform::KeyDataToShiftState(Message.LParam);
  FMoveSelection = G.Selection();
  const TGridRect before = FMoveSelection;
  if (Before(key, shift) || CursorBefore(key, shift)) return;
  RepaintMovedSelection();
  G.InheritedDispatch(Message);
  CursorAfter(key, shift, before);
}

bool TGridKeyboard::Before(WORD Key, TShiftState Shift) {
  if (EditKey(Key, Shift)) return true;
  if ((Key == VK_RETURN || Key == VK_SPACE) && G.HasClickableGraphic(G.RealCol(), G.Row())) GraphicKey(Key);
  if (Key == VK_TAB && G.Options().Contains(goTabs)) {
    TabAdvance(Shift.Contains(ssShift));
    SelectionNotify();
    return true;
  }
  const bool plain = !Shift.Contains(ssCtrl) && !Shift.Contains(ssShift) && !Shift.Contains(ssAlt);
  TNavigation& nav = *G.Navigation();
  if (Key == VK_INSERT && plain && nav.AllowInsertRow()) InsertRowKey();
  if (Key == VK_DELETE && !Shift.Contains(ssAlt) && nav.AllowDeleteRow()) DeleteRowKey();
  if (Key == 'A' && Shift.Contains(ssCtrl)) {
    SelectAllKey();
    return true;
  }
  return false;
}

// The selection rectangle is drawn around the whole selection, so a moved
// selection is repainted whole.
void TGridKeyboard::RepaintMovedSelection() {
  const TGridRect now = G.Selection();
  if (!G.SelectionRectangle() || now == FMoveSelection) return;
  for (int r = now.Top; r <= now.Bottom; ++r)
    for (int c = now.Left; c <= now.Right; ++c) G.RepaintCell(c, r);
  FMoveSelection = now;
}

void TGridKeyboard::SelectionNotify() {
  const TGridRect now = G.Selection();
  if (now == FMoveSelection) return;
  G.DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
  FMoveSelection = now;
}

// Space toggles check boxes and cycles radio groups; Enter and Space press
// a cell button. Columns handed on are storage columns.
void TGridKeyboard::GraphicKey(WORD Key) {
  const int rcol = G.RealCol(), row = G.Row();
  bool canEdit = G.Options().Contains(goEditing) || G.MouseActions()->RangeSelectAndEdit();
  G.CanEditCell(rcol, row, canEdit);
  TControlLook& look = *G.ControlLook();
  if (Key == VK_SPACE && G.HasCheckBox(rcol, row) && (canEdit || look.CheckAlwaysActive())) {
    if (G.DoToggleCheckBox(rcol, row, true)) {
      if (G.ShowModified()->Enabled()) {
        G.SetRowModified(row, true);
        G.RepaintCell(0, row);
      }
      bool state = false;
      G.GetCheckBoxState(rcol, G.RealRowIndex(row), state);
      G.DoCheckBoxClick(rcol, row, state);
    }
  } else if (Key == VK_SPACE && G.IsRadio(rcol, row) && (canEdit || look.RadioAlwaysActive())) {
    G.SelectNextRadioOption(rcol, row, true);
    int idx = -1;
    G.GetRadioIdx(rcol, row, idx);
    if (G.OnRadioClick) G.OnRadioClick(&G, rcol, row, idx);
  } else if (Key == VK_SPACE && G.HasRadioButton(rcol, row) && (canEdit || look.RadioAlwaysActive())) {
    G.SetRadioButtonColumnIndex(rcol, row);
    if (G.OnRadioButtonClick) G.OnRadioButtonClick(&G, rcol, row);
  } else if (G.HasButton(rcol, row) && canEdit) {
    G.DoButtonClick(rcol, row);
  }
  G.RepaintCell(G.Col(), row);
}

// A typed character fires OnKeyPress and opens the editor with it, except on
// a cell graphic, which Space toggled already.
void TGridKeyboard::WMChar(TMessage& Message) {
  if (HoldsControlTag()) return;
  Char key = CharStep(Message);
  if (RangeEditChar(key, platform::KeyDataToShiftState(Message.LParam)))
    return WithoutKeyPress([&] { G.InheritedDispatch(Message); });
  const bool typed = key == 8 || (key >= 32 && key != 127);
  if (!G.Options().Contains(goEditing) || !typed) return G.InheritedDispatch(Message);
  if (G.OnKeyPress) G.OnKeyPress(&G, key);
  if (key == 0) return;
  if (G.HasClickableGraphic(G.RealCol(), G.Row())) return;
  WithoutKeyPress([&] { G.ShowEditorChar(key); });
}

// The editor hands its characters to OnKeyPress; the one that opens it was
// seen already.
void TGridKeyboard::WithoutKeyPress(const std::function<void()>& Step) {
  struct TDetached {
    TAdvStringGrid& G;
    TKeyPressEvent Saved;
    ~TDetached() { G.OnKeyPress = std::move(Saved); }
  } detached{G, std::move(G.OnKeyPress)};
  G.OnKeyPress = nullptr;
  Step();
}
