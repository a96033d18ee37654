// Presses on a cell's own graphic: outline nodes, radio groups, ratings,
// cell and expand buttons, check boxes and single radio buttons.
#include <algorithm>

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/ShowModified.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"

namespace {
// Rating stars are this wide; the value moves in halves.
constexpr int RatingStarWidth = 9;
// Glyph width of a radio option in the themed control styles.
constexpr int ThemedRadioSize = 16;
}  // namespace

bool TGridMouse::NodePress(TGridCoord Cell, int X, int Y, TShiftState Shift) {
  if (Cell.X != 0 || !G.IsNode(Cell.Y) || !G.IsInNodeGlyph(Cell.Y, X)) return false;
  if (Cell.Y < G.FixedRows()) {
    if (G.MouseActions()->NodeAllExpandContract()) HeaderNodePress(Cell.Y);
    return false;
  }
  FireMouseDown(Shift, X, Y);
  ClickCell(Cell);
  const bool contracted = G.GetNodeState(Cell.Y);
  const int real = G.RealRowIndex(Cell.Y);
  bool allow = true;
  const TNodeAllowEvent& before = contracted ? G.OnBeforeExpandNode : G.OnBeforeContractNode;
  if (before) before(&G, Cell.Y, real, allow);
  if (allow) {
    if (contracted) {
      G.ExpandNode(real);
      if (G.OnExpandNode) G.OnExpandNode(&G, Cell.Y, real);
    } else {
      G.ContractNode(real);
      if (G.OnContractNode) G.OnContractNode(&G, Cell.Y, real);
    }
  }
  if (G.MouseActions()->MoveRowOnNodeClick()) G.SetRow(Cell.Y);
  return true;
}

// The header's glyph shows what a press does to every node.
void TGridMouse::HeaderNodePress(int ARow) {
  TCellGraphic* glyph = G.GetCellGraphic(0, ARow);
  const bool contracted = glyph->CellBoolean();
  if (contracted)
    G.ExpandAll();
  else
    G.ContractAll();
  glyph->SetCellBoolean(!contracted);
  G.RepaintCell(0, ARow);
}

bool TGridMouse::RadioGroupPress(TGridCoord Cell, int X, int Y) {
  const int rcol = G.RealColIndex(Cell.X);
  if (!G.IsRadio(rcol, Cell.Y)) return false;
  if (!G.IsEditable(rcol, Cell.Y) && !G.ControlLook()->RadioAlwaysActive()) return false;
  G.HideEditor();
  const TRect r = G.CellRect(Cell.X, Cell.Y);
  SelectRadioOptionAt(Cell.X, Cell.Y, Y - r.Top, X - r.Left);
  if (G.CanFocus()) G.SetFocus();
  return true;
}

void TGridMouse::SelectRadioOptionAt(int ACol, int ARow, int Y, int X) {
  const TPoint base = G.BaseCell(ACol, ARow);
  const int rcol = G.RealColIndex(base.X);
  TCellGraphic* g = G.GetCellGraphic(rcol, base.Y);
  const auto* options = g && g->CellType() == ctRadio ? dynamic_cast<const TStrings*>(g->CellBitmap()) : nullptr;
  if (!options || options->Count() == 0) return;
  const TControlLook& look = *G.ControlLook();
  const int glyph = look.ControlStyle() >= csWinXP ? ThemedRadioSize : look.RadioSize();
  TCanvas& canvas = *G.MeasureCanvas();
  canvas.Font()->Assign(*G.Font());
  const bool horizontal = g->CellBoolean();
  const int line = std::max(glyph, canvas.TextHeight(u"gh"));
  int chosen = -1, start = 0;
  for (int i = 0; i < options->Count() && chosen < 0; ++i) {
    const int span = horizontal ? canvas.TextWidth(options->Strings(i)) + glyph : line;
    const int offset = horizontal ? X : Y;
    if (offset >= start && offset < start + span) chosen = i;
    start += span;
  }
  if (chosen < 0) return;
  if (base.Y >= G.FixedRows() && base.X >= G.FixedCols()) G.FocusCell(base.X, base.Y, true);
  // A group without an index of its own keeps its choice as the cell text.
  if (g->CellIndex() >= 0)
    G.SetRadioIdx(rcol, base.Y, chosen);
  else
    G.SetCells(rcol, base.Y, options->Strings(chosen));
  if (G.OnRadioClick) G.OnRadioClick(&G, rcol, base.Y, chosen);
}

void TGridMouse::RatingPress(TGridCoord Cell, int X) {
  const int rcol = G.RealColIndex(Cell.X);
  if (!G.HasRating(rcol, Cell.Y)) return;
  if (!G.IsEditable(rcol, Cell.Y)) return;
  G.HideEditor();
  double value = static_cast<double>((X - G.CellRect(Cell.X, Cell.Y).Left) / RatingStarWidth) / 2;
  if (!G.DoRatingChange(rcol, Cell.Y, value)) return;
  G.SetFloats(rcol, Cell.Y, value);
  G.RepaintCell(Cell.X, Cell.Y);
}

// The click itself fires on release, inside the same button.
bool TGridMouse::ButtonPress(TGridCoord Cell, int X, int Y) {
  const int rcol = G.RealColIndex(Cell.X);
  const bool button = G.HasButton(rcol, Cell.Y);
  if (!button && !G.HasExpand(rcol, Cell.Y)) return false;
  G.HideEditor();
  if (IsDataCell(Cell)) G.FocusCell(Cell.X, Cell.Y, true);
  const TRect r = button ? G.GetCellButtonRect(Cell.X, Cell.Y) : G.GetExpandButtonRect(rcol, Cell.Y);
  if (r.Contains(Point(X, Y))) {
    if (button) G.PushButton(Cell.X, Cell.Y, true);
    FPushedCellButton = Cell;
    G.SetMouseCapture(true);
    ClickCell(Cell);
  }
  return true;
}

bool TGridMouse::CheckBoxPress(TGridCoord Cell, int X, int Y, TShiftState Shift) {
  const int rcol = G.RealColIndex(Cell.X);
  TMouseActions& ma = *G.MouseActions();
  const bool radio = G.HasRadioButton(rcol, Cell.Y);
  if (!radio && !G.HasCheckBox(rcol, Cell.Y)) return false;
  const bool canEdit = G.IsEditable(rcol, Cell.Y);
  const bool hotmail = Cell.X == 0 && ma.HotmailRowSelect();
  if (!(canEdit || G.ControlLook()->CheckAlwaysActive() || hotmail)) return false;
  if (!G.IsInCheckBox(rcol, Cell.Y, X, Y)) return false;
  G.HideEditor();
  if (G.CanFocus()) G.SetFocus();
  if (radio) {
    G.DoToggleRadioButton(rcol, Cell.Y, true);
    if (G.OnRadioButtonClick) G.OnRadioButtonClick(&G, rcol, Cell.Y);
  } else {
    G.DoToggleCheckBox(rcol, Cell.Y, true);
  }
  if (G.ShowModified()->Enabled()) {
    G.SetRowModified(Cell.Y, true);
    G.RepaintCell(0, Cell.Y);
  }
  bool state = false;
  G.GetCheckBoxState(rcol, G.RealRowIndex(Cell.Y), state);
  // The move without the platform's click, which would toggle once more; it
  // still goes through SelectCell, so goEditing follows the box's cell.
  if (IsDataCell(Cell) && !G.Navigation()->AlwaysEdit()) G.MoveCurrentCell(Cell.X, Cell.Y);
  G.DoCheckBoxClick(rcol, Cell.Y, state);
  if (Cell.Y < G.FixedRows() && ma.CheckAllCheck()) CheckAllRows(rcol, state);
  FireMouseDown(Shift, X, Y);
  G.Click();
  return true;
}

void TGridMouse::CheckAllRows(int RCol, bool State) {
  for (int r = G.FixedRows(); r < G.RowCount() - G.FixedFooters(); ++r) {
    G.SetCheckBoxState(RCol, G.RealRowIndex(r), State);
  }
  G.Invalidate();
}
