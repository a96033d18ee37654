#include "grid/model/CheckBoxToggle.h"

#include "grid/base/AdvGridUndoRedo.h"
#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/Grouping.h"

namespace {

const TCellTypes CheckBoxKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox,
                               ctTriStateCheckBox};

TCheckBoxState NextTriState(TCheckBoxState s, bool OnNode) {
  if (OnNode) return s == cbChecked ? cbUnchecked : cbChecked;
  switch (s) {
    case cbUnchecked:
      return cbGrayed;
    case cbGrayed:
      return cbChecked;
    default:
      return cbUnchecked;
  }
}

}  // namespace

bool TCheckBoxToggle::MayChange(int ACol, int ARow, bool FromUser, bool AlwaysActive) {
  if (!FromUser || AlwaysActive) return true;
  bool canEdit = true;
  G.CanEditCell(ACol, ARow, canEdit);
  return canEdit;
}

bool TCheckBoxToggle::Flip(TCellGraphic& g, int ACol, int ARow, bool OnNode) {
  switch (g.CellType()) {
    case ctCheckBox:
      g.SetCellBoolean(!g.CellBoolean());
      return g.CellBoolean();
    case ctTriStateCheckBox:
      g.SetCellCheckBoxState(NextTriState(g.CellCheckBoxState(), OnNode));
      return OnNode && g.CellCheckBoxState() == cbChecked;
    default: {
      String checkTrue, checkFalse;
      G.DoGetCheckTrue(ACol, ARow, checkTrue);
      G.DoGetCheckFalse(ACol, ARow, checkFalse);
      const bool state = G.Cells(ACol, ARow) != checkTrue;
      G.SetCells(ACol, ARow, state ? checkTrue : checkFalse);
      return state;
    }
  }
}

bool TCheckBoxToggle::ToggleCheckBox(int ACol, int ARow, bool FromUser) {
  TCellGraphic* g = G.GetCellGraphic(ACol, ARow);
  if (!g || !CheckBoxKinds.Contains(g->CellType())) return false;
  if (!MayChange(ACol, ARow, FromUser, G.ControlLook()->CheckAlwaysActive())) return false;
  const bool group = G.Grouping()->AutoCheckGroup();
  const bool onNode = group && G.IsNode(ARow);
  const int parent = group && !onNode ? G.GetParentRow(ARow) : -1;
  const String before = G.Cells(ACol, ARow);
  const bool state = Flip(*g, ACol, ARow, onNode);
  G.RepaintDisplCell(ACol, ARow);
  G.DoCheckBoxChange(ACol, ARow, state);
  if (onNode) CheckNodeRows(ACol, ARow, state);
  if (parent >= 0) UpdateParentBox(ACol, parent);
  // The text is the undoable part: a box whose state is not its text has none.
  const String after = G.Cells(ACol, ARow);
  if (G.UndoRedo() && after != before) G.UndoRedo()->RegisterChange(ACol, ARow, before, after);
  return true;
}

// A contracted node's rows are parked right after its real row; an
// expanded node's rows are the displayed rows below it.
void TCheckBoxToggle::CheckNodeRows(int ACol, int ARow, bool State) {
  const int span = G.GetNodeSpan(ARow);
  const bool contracted = G.GetNodeState(ARow);
  const int nodeReal = G.RealRowIndex(ARow);
  for (int i = 1; i < span; ++i) {
    G.SetCheckBoxState(ACol, contracted ? nodeReal + i : G.RealRowIndex(ARow + i), State);
  }
}

void TCheckBoxToggle::UpdateParentBox(int ACol, int AParent) {
  const int span = G.GetNodeSpan(AParent);
  int checked = 0;
  for (int i = 1; i < span; ++i) {
    bool state = false;
    G.GetCheckBoxState(ACol, G.RealRowIndex(AParent + i), state);
    checked += state ? 1 : 0;
  }
  const int rows = std::max(span - 1, 0);
  const TCheckBoxState box = checked > 0 && checked < rows ? cbGrayed
                             : checked > 0                 ? cbChecked
                                                           : cbUnchecked;
  G.SetCheckBoxState(ACol, G.RealRowIndex(AParent), box);
}

bool TCheckBoxToggle::ToggleRadioButton(int ACol, int ARow, bool FromUser) {
  TCellGraphic* g = G.GetCellGraphic(ACol, ARow);
  if (!g || g->CellType() != ctRadioButton) return false;
  if (!MayChange(ACol, ARow, FromUser, G.ControlLook()->CheckAlwaysActive())) return false;
  if (g->CellBoolean()) return true;
  g->SetCellBoolean(true);
  G.RepaintDisplCell(ACol, ARow);
  for (int r = 0; r < G.RowCount(); ++r) {
    TCellGraphic* other = G.GetCellGraphic(ACol, r);
    if (r == ARow || !other || other->CellType() != ctRadioButton || !other->CellBoolean()) continue;
    other->SetCellBoolean(false);
    G.RepaintDisplCell(ACol, r);
  }
  return true;
}

void TCheckBoxToggle::SelectNextRadioOption(int ACol, int ARow, bool FromUser) {
  TCellGraphic* g = G.GetCellGraphic(ACol, ARow);
  if (!g || g->CellType() != ctRadio) return;
  if (!MayChange(ACol, ARow, FromUser, G.ControlLook()->RadioAlwaysActive())) return;
  const auto* options = dynamic_cast<const TStrings*>(g->CellBitmap());
  // A group without options has nothing to select.
  if (!options || options->Count() == 0) return;
  const int current = g->CellIndex() >= 0 ? g->CellIndex() : options->IndexOf(G.Cells(ACol, ARow));
  const int next = current + 1 >= options->Count() ? 0 : current + 1;
  if (g->CellIndex() >= -1) g->SetCellIndex(next);
  g->SetCellVar(next);
  G.SetCells(ACol, ARow, options->Strings(next));
}

int TCheckBoxToggle::BoxLeft(int ACol, int ARow, const TRect& R, int Size) {
  TAlignment ha = G.Alignments(ACol, ARow);
  TVAlignment va = G.VAlignment();
  G.DoGetAlignment(ACol, ARow, ha, va);
  switch (ha) {
    case taRightJustify: {
      const bool hasText = !G.Cells(ACol, ARow).empty();
      return R.Right - Size - 2 - (hasText ? G.GetCellTextSize(ACol, ARow).X : 0);
    }
    case taCenter:
      return R.Left + (R.Right - R.Left - Size) / 2;
    default:
      return R.Left + 2;
  }
}

bool TCheckBoxToggle::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
  const TCellType t = G.GetCellType(ACol, ARow);
  if (!CheckBoxKinds.Contains(t) && t != ctRadioButton) return false;
  if (!G.MouseActions()->PreciseCheckBoxCheck()) return true;
  const TCellGraphic* g = G.GetCellGraphic(ACol, ARow);
  const int s = G.ControlLook()->CheckSize();
  const TRect r = G.CellRect(G.DisplColIndex(ACol), ARow);
  int top = 0;
  switch (g ? g->CellVAlign() : vaTop) {
    case vaTop:
      top = r.Top + 2;
      break;
    case vaBottom:
      top = r.Bottom - s - 2;
      break;
    case vaCenter:
      top = r.Top + (r.Bottom - r.Top - s) / 2;
      break;
    default:
      break;
  }
  const int left = BoxLeft(ACol, ARow, r, s);
  XPos = G.ViewX(XPos);  // a right-to-left grid shows the box mirrored
  return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}
