#include "grid/interact/GridEditCycle.h"

#include "grid/base/FocusHelper.h"
#include "grid/interact/ComboEditorKind.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Messages.h"

TGridEditCycle::TGridEditCycle(TAdvStringGrid& Grid) : FGrid(Grid) {
  RegisterKind(edComboEdit, std::make_unique<TComboEditorKind>(false));
  RegisterKind(edComboList, std::make_unique<TComboEditorKind>(true));
}

TGridEditCycle::~TGridEditCycle() = default;

void TGridEditCycle::RegisterKind(TEditorType Kind, std::unique_ptr<TCellEditorKind> Editor) {
  if (Editor)
    FKinds[Kind] = std::move(Editor);
  else
    FKinds.erase(Kind);
}

TCellEditorKind* TGridEditCycle::RegisteredKind(TEditorType Kind) const {
  const auto it = FKinds.find(Kind);
  return it == FKinds.end() ? nullptr : it->second.get();
}

bool TGridEditCycle::IsTextKind(TEditorType Kind) {
  switch (Kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital:
    case edMixedCase: case edPassword: case edLowerCase: case edUpperCase: case edValidChars:
    case edPositiveFloat:
      return true;
    default:
      return false;
  }
}

// A cell whose graphic is clicked (check box, radio, button) never gets a
// text editor; a special kind opens its own control and keeps the
// platform's editor hidden.
bool TGridEditCycle::CanEditShow(bool FrameworkAnswer) {
  if (FGrid.Validating()) return false;
  bool answer = FrameworkAnswer;
  const TPoint base = FGrid.BaseCell(FGrid.RealCol(), FGrid.Row());
  if (answer && !EditMode && FGrid.HasClickableGraphic(base.X, base.Y)) return false;
  if (answer && !EditMode) {
    FGrid.FNoEditChange = true;
    FGrid.SetCellCache(FGrid.GetCurrentCell());
    // The cell an editor opens on is the one its validation checks, also
    // when no cell selection recorded it (the first current cell).
    if (FGrid.OldCol() != FGrid.Col() || FGrid.OldRow() != FGrid.Row())
      FGrid.StoreOldCellValue(FGrid.Col(), FGrid.Row());
    EditControl = FGrid.DefaultEditor();
    FGrid.PrepareCellEditor(base.X, base.Y, EditControl);
    if (EditControl == edNone) return false;
    EditMode = true;
    if (!IsTextKind(EditControl)) {
      ShowEditControl(FGrid.DisplColIndex(base.X), base.Y);
      Entered = true;
      ShowFocusGlow();
      return false;
    }
    ShowEditProcess = true;
  }
  if (answer) {
    Entered = true;
    FGrid.SetEditing(true);
    StyleTextEditor();
    ShowFocusGlow();
  }
  return answer;
}

void TGridEditCycle::ShowFocusGlow() {
  if (FGrid.FocusHelper()->Enabled()) FGrid.ShowFocusWindow(FGrid.CellRect(FGrid.Col(), FGrid.Row()));
}

TCellEditorPlace TGridEditCycle::PlaceFor(int ACol, int ARow, TFont& Font) {
  TCellEditorPlace p{};
  p.Rect = FGrid.ClientOfView(FGrid.CellRect(ACol, ARow));  // a right-to-left grid is mirrored
  if (FGrid.UseRightToLeftAlignment()) ++p.Rect.Left;
  p.Width = p.Rect.Right - p.Rect.Left - 1;
  p.Height = p.Rect.Bottom - p.Rect.Top - 1;
  TGridDrawState state;
  TBrush brush;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  FGrid.GetVisualProperties(ACol, FGrid.Row(), state, false, false, true, brush, colorTo, mirror,
                            mirrorTo, Font, ha, va, ww, gd);
  p.Color = brush.Color();
  p.Font = &Font;
  p.DisplCol = ACol;
  p.Col = FGrid.RealColIndex(ACol);
  p.Row = ARow;
  p.Text = FGrid.GetEditText(ACol, ARow);
  return p;
}

void TGridEditCycle::ShowEditControl(int ACol, int ARow) {
  FGrid.SetEditing(true);
  SpecialEditor = EditActive = true;
  TFont font;
  const TCellEditorPlace place = PlaceFor(ACol, ARow, font);
  FGrid.CancelGridState();
  FGrid.SetEditCtrl(nullptr);
  if (EditControl != edCustom) FGrid.SetLastValidation(true);
  EditMode = true;
  if (TCellEditorKind* kind = RegisteredKind(EditControl)) FGrid.SetEditCtrl(kind->Show(FGrid, place));
  StartEditChar = 0;
}

void TGridEditCycle::HideEditControl(int ACol, int ARow) {
  if (FGrid.Destroying()) return;
  SpecialEditor = false;
  BlockKill = true;
  struct Unblock {  // also when a write-back raises
    TGridEditCycle& C;
    ~Unblock() { C.BlockKill = C.EditActive = false; }
  } unblock{*this};
  const int col = FGrid.RealColIndex(ACol);
  StartEditChar = 0;
  if (TCellEditorKind* kind = RegisteredKind(EditControl); kind && (EditMode || !kind->Guarded())) {
    kind->WriteBack(FGrid, col, ARow);
    EditMode = false;
  }
  if (EditControl != edNormal && EditActive) EndOfEditing(col, ARow);
}

void TGridEditCycle::EndOfEditing(int ACol, int ARow) {
  EditMode = false;
  FGrid.EditingDoneNotify(ACol, ARow);
}

// The text came from the merged area's base cell, so it goes back there.
void TGridEditCycle::RestoreCachedCell() {
  const TPoint base = FGrid.BaseCell(FGrid.RealCol(), FGrid.Row());
  FGrid.SetCells(base.X, base.Y, FGrid.CellCache());
}

// Sent, not posted: keys typed right after it are already queued and would
// reach the editor first.
void TGridEditCycle::SendStartChar(TWinControl* Target) const {
  if (StartEditChar != 0 && Target) SendMessage(Target->Handle(), WM_CHAR, StartEditChar, 0);
}

void TGridEditCycle::StyleTextEditor() {
  TInplaceEdit* edit = FGrid.InplaceEditor();
  if (!edit) return;
  TFont font;
  const TCellEditorPlace place = PlaceFor(FGrid.Col(), FGrid.Row(), font);
  edit->SetColor(place.Color);
  edit->SetFont(font);
  edit->SetMaxLength(FGrid.GetEditLimit());
}

