#include "grid/interact/ComboEditorKind.h"

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridCombo.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/model/AdvStringGrid.h"

namespace {
// The looks whose combos are flat and etched; another look leaves the
// combo as it is (the colour tones make it flat under the classic look).
bool SoftLook(TGridLook Look) { return Look == glSoft || (Look >= glZEV && Look <= glOffice2007); }
}  // namespace

TWinControl* TComboEditorKind::Show(TAdvStringGrid& Grid, const TCellEditorPlace& Place) {
  TGridCombo& combo = *Grid.Combobox();
  TAdvStringGrid::TCellEditorSetup& setup = Grid.EditorSetup();
  if (setup.FromColumn) combo.Items().Assign(setup.ComboItems);
  combo.SetDropDownCount(Grid.ControlLook()->DropDownCount());
  Grid.DoGetEditorProp(Place.Col, Place.Row, nullptr);
  combo.SetBounds(Place.Rect.Left, Place.Rect.Top, 0, 0);
  combo.SetEnabled(true);
  combo.SetDroppedDown(false);
  combo.SetStyle(FList ? csDropDownList : csDropDown);
  combo.Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Place.Height - 6);
  const bool changeDue = Load(Grid, Place);
  combo.SetBounds(Place.Rect.Left, Place.Rect.Top, Place.Width,
                  combo.ItemHeight() * (combo.DropDownCount() + 1) + Place.Height);
  // Before the colour: turning flat takes the parent's colour.
  if (SoftLook(Grid.Look())) {
    combo.SetFlat(true);
    combo.SetEtched(true);
  }
  combo.SetColor(Place.Color);
  if (!FList) combo.SetMaxLength(Grid.ComboLengthLimit());
  combo.SetVisible(true);
  if (Grid.Navigation()->AutoComboDropSize())
    combo.SizeDropDownWidth();
  else if (combo.DropWidth() > 0)
    combo.SetDroppedWidth(combo.DropWidth());
  combo.SetFocus();
  const TMouseActions& mouse = *Grid.MouseActions();
  if (mouse.DirectComboDrop() || Grid.ControlLook()->DropDownAlwaysVisible()) combo.SetDroppedDown(true);
  if (mouse.DirectEdit() && mouse.DirectComboDrop()) {
    const TGridRect sel = Grid.Selection();
    Grid.DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
  }
  // The events report the item the list actually selected.
  if (changeDue && combo.Items().Count() > 0) {
    const int i = combo.ItemIndex();
    if (Grid.OnComboChange) Grid.OnComboChange(&Grid, Place.Col, Place.Row, i, combo.Text());
    if (Grid.OnComboObjectChange)
      Grid.OnComboObjectChange(&Grid, Place.Col, Place.Row, i, combo.Text(), combo.Items().Objects(i));
  }
  Grid.EditCycle().SendStartChar(&combo);
  return &combo;
}

bool TComboEditorKind::Load(TAdvStringGrid& Grid, const TCellEditorPlace& Place) {
  TGridCombo& combo = *Grid.Combobox();
  const int preset = Grid.ComboSelection();
  if (!FList) {
    combo.SetText(Place.Text);
    if (preset != -1 && combo.ItemIndex() < 0) combo.SetItemIndex(preset);
    return false;
  }
  combo.SetItemIndex(combo.Items().IndexOf(Grid.GetCellEx(Place.Col, Place.Row)));
  if (combo.ItemIndex() >= 0) return false;
  if (preset != -1) {
    combo.SetItemIndex(preset);
    return false;
  }
  const int shown = combo.Items().IndexOf(Place.Text);
  combo.SetItemIndex(shown >= 0 ? shown : 0);
  combo.Perform(CN_COMMAND, MakeWParam(0, CBN_SELCHANGE), 0);
  return true;
}

void TComboEditorKind::WriteBack(TAdvStringGrid& Grid, int ACol, int ARow) {
  TGridCombo& combo = *Grid.Combobox();
  Grid.StoreEditorValue(ACol, ARow, combo.Text());
  combo.SetEnabled(false);
  combo.SetVisible(false);
}
