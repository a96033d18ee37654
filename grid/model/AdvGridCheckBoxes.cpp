// Check boxes, radio buttons and radio groups: adding them, reading and
// writing their states, and the toggles (through TCheckBoxToggle).
#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/CellGraphics.h"
#include "grid/model/CheckBoxToggle.h"
#include "platform/sys/Exceptions.h"

namespace {

const TCellTypes AnyCheckBox{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox,
                             ctTriStateCheckBox};
const TCellTypes DataCheckBox{ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};
const TCellTypes Clickable{ctCheckBox,      ctDataCheckBox, ctRadio,         ctButton,
                           ctVirtCheckBox,  ctRowCheckBox,  ctRadioButton,   ctTriStateCheckBox};
const TCellTypes DataValue{ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox};

TCellVAlign CellVAlignOf(TVAlignment v) {
  switch (v) {
    case vtaCenter:
      return vaCenter;
    case vtaBottom:
      return vaBottom;
    default:
      return vaTop;
  }
}

}  // namespace

// ---- adding and removing

// Only rows that exist take a control; parked rows are reached by real row
// through the state operations.
static void CheckControlCell(TAdvStringGrid& G, int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= G.AllColCount() || ARow >= G.RowCount()) {
    throw Exception(u"Invalid cell");
  }
}

void TAdvStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
  CheckControlCell(*this, ACol, ARow);
  const bool flat = FControlLook->ControlStyle() == csFlat;
  FGraphics->Attach(ACol, ARow).SetCheckBox(State, Data, flat, haBeforeText, CellVAlignOf(FVAlignment));
  if (!Data) return;
  // An existing check text wins over State.
  const String text = Cells(ACol, ARow);
  if (text != FValues.CheckTrue && text != FValues.CheckFalse) {
    SetCells(ACol, ARow, State ? FValues.CheckTrue : FValues.CheckFalse);
  }
}

void TAdvStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
  CheckControlCell(*this, ACol, ARow);
  const bool flat = FControlLook->ControlStyle() == csFlat;
  FGraphics->Attach(ACol, ARow).SetCheckBox(State, flat, haBeforeText, CellVAlignOf(FVAlignment));
}

void TAdvStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
  const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (int r = first; r < RowCount(); ++r) {
    if (IsSummary(r)) continue;
    if (IsNode(r)) {
      AddCheckBox(ACol, r, cbUnchecked);
    } else {
      AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
  }
}

void TAdvStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
  const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (int r = first; r < RowCount(); ++r) {
    if (!IsSummary(r)) AddCheckBox(ACol, r, State);
  }
}

void TAdvStringGrid::RemoveCheckBox(int ACol, int ARow) {
  const TCellType t = GetCellType(ACol, ARow);
  if (t == ctCheckBox || t == ctDataCheckBox || t == ctTriStateCheckBox) {
    RemoveCellGraphic(ACol, ARow);
  }
}

void TAdvStringGrid::RemoveCheckBoxColumn(int ACol) {
  const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (int r = first; r < RowCount(); ++r) {
    if (HasCheckBox(ACol, r)) RemoveCellGraphic(ACol, r);
  }
}

void TAdvStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
  CheckControlCell(*this, ACol, ARow);
  const bool flat = FControlLook->ControlStyle() == csFlat;
  FGraphics->Attach(ACol, ARow).SetRadioButton(State, flat, haBeforeText, CellVAlignOf(FVAlignment));
}

void TAdvStringGrid::AddRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TAdvStringGrid::RemoveRadioButton(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctRadioButton);
}

void TAdvStringGrid::RemoveRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) RemoveRadioButton(ACol, r);
}

void TAdvStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctRadio);
  g.BitmapSlot().Borrow(sl);
  g.SetCellAngle(sl ? sl->Count() : 0);
  g.SetCellBoolean(DirRadio != 0);
  g.SetCellIndex(IdxRadio);
}

TStrings* TAdvStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  auto options = std::make_unique<TStringList>();
  TStrings* result = options.get();
  g.SetCellType(ctRadio);
  g.OwnCellBitmap(std::move(options));
  g.SetCellBoolean(DirRadio != 0);
  g.SetCellIndex(IdxRadio);
  return result;
}

// ---- queries (merged areas answer from their base cell)

bool TAdvStringGrid::HasCheckBox(int ACol, int ARow) { return HasGraphicType(ACol, ARow, AnyCheckBox); }

bool TAdvStringGrid::HasDataCheckBox(int ACol, int ARow) {
  return HasGraphicType(ACol, ARow, DataCheckBox);
}

bool TAdvStringGrid::HasRadioButton(int ACol, int ARow) {
  return HasGraphicType(ACol, ARow, {ctRadioButton});
}

bool TAdvStringGrid::IsRadio(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctRadio}); }

bool TAdvStringGrid::HasClickableGraphic(int ACol, int ARow) {
  return HasGraphicType(ACol, ARow, Clickable);
}

bool TAdvStringGrid::CellTypeHasDataValue(TAdvStringGrid& Grid, int ACol, int ARow) {
  return Grid.HasGraphicType(ACol, ARow, DataValue);
}

bool TAdvStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctRadioButton);
  return g && g->CellBoolean();
}

int TAdvStringGrid::GetRadioButtonColumnIndex(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) {
    if (IsRadioButtonChecked(ACol, r)) return r;
  }
  return -1;
}

void TAdvStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

bool TAdvStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
  TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctRadioButton);
  if (!g) return false;
  if (g->CellBoolean() != State) {
    g->SetCellBoolean(State);
    RepaintDisplCell(ACol, ARow);
  }
  return true;
}

bool TAdvStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
  const TCellGraphic* g = FGraphics->OwnOfType(ACol, ARow, ctRadio);
  if (g) IdxRadio = g->CellIndex();
  return g != nullptr;
}

bool TAdvStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
  TCellGraphic* g = FGraphics->OwnOfType(ACol, ARow, ctRadio);
  if (!g) return false;
  g->SetCellIndex(IdxRadio);
  if (IdxRadio == -1) SetCells(ACol, ARow, String());
  RepaintDisplCell(ACol, ARow);
  return true;
}

TStrings* TAdvStringGrid::GetRadioStrings(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctRadio);
  return g ? dynamic_cast<TStrings*>(g->CellBitmap()) : nullptr;
}

void TAdvStringGrid::SelectNextRadioOption(int ACol, int ARow, bool FromUser) {
  TCheckBoxToggle(*this).SelectNextRadioOption(ACol, ARow, FromUser);
}

bool TAdvStringGrid::IsChecked(int ACol, int ARow) {
  bool state = false;
  return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TAdvStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
  return TCheckBoxToggle(*this).IsInCheckBox(ACol, ARow, XPos, YPos);
}

// ---- states by real row

bool TAdvStringGrid::GetCheckBoxState(int ACol, int ARow, bool& state) {
  TCheckBoxState s = cbUnchecked;
  const TCellGraphic* g = FGraphics->AtRealRow(ACol, ARow);
  if (!g || g->CellType() == ctTriStateCheckBox || !GetCheckBoxState(ACol, ARow, s)) return false;
  state = s == cbChecked;
  return true;
}

bool TAdvStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& state) {
  const TCellGraphic* g = FGraphics->AtRealRow(ACol, ARow);
  if (!g) return false;
  bool checked = false;
  switch (g->CellType()) {
    case ctTriStateCheckBox:
      state = g->CellCheckBoxState();
      return true;
    case ctCheckBox:
      checked = g->CellBoolean();
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      String checkTrue;
      DoGetCheckTrue(ACol, ARow, checkTrue);
      checked = AllCells(ACol, ARow) == checkTrue;
      break;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      checked = g->CellBoolean();
      break;
    default:
      return false;
  }
  state = BoolToCheckBoxState(checked);
  return true;
}

bool TAdvStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
  TCellGraphic* g = FGraphics->AtRealRow(ACol, ARow);
  if (!g) return false;
  switch (g->CellType()) {
    case ctCheckBox:
      g->SetCellBoolean(State);
      if (!IsHiddenRow(ARow)) RepaintDisplCell(ACol, DisplRowIndex(ARow));
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      String text;
      State ? DoGetCheckTrue(ACol, ARow, text) : DoGetCheckFalse(ACol, ARow, text);
      SetAllCells(ACol, ARow, text);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      SetRowSelect(ARow, State);
      return true;
    default:
      return false;
  }
}

bool TAdvStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
  TCellGraphic* g = FGraphics->AtRealRow(ACol, ARow);
  if (!g || g->CellType() != ctTriStateCheckBox) return false;
  g->SetCellCheckBoxState(State);
  if (!IsHiddenRow(ARow)) RepaintDisplCell(ACol, DisplRowIndex(ARow));
  return true;
}

bool TAdvStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value) {
  const int real = RealRowIndex(ARow);
  bool old = false;
  TCheckBoxState oldBox = cbUnchecked;
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || g->CellType() == ctTriStateCheckBox || !GetCheckBoxState(ACol, real, oldBox)) return false;
  old = oldBox == cbChecked;
  SetCheckBoxState(ACol, real, Value);
  if (old != Value) DoCheckBoxChange(ACol, ARow, Value);
  return true;
}

void TAdvStringGrid::CheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
  if (NumHiddenColumns() > 0) RepaintCol(DisplColIndex(ACol));
}

void TAdvStringGrid::UnCheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

// ---- toggles

bool TAdvStringGrid::DoToggleCheckBox(int ACol, int ARow, bool FromUser) {
  return TCheckBoxToggle(*this).ToggleCheckBox(ACol, ARow, FromUser);
}

bool TAdvStringGrid::DoToggleRadioButton(int ACol, int ARow, bool FromUser) {
  return TCheckBoxToggle(*this).ToggleRadioButton(ACol, ARow, FromUser);
}
