// The per-cell queries: each applies the grid-wide settings, then lets the
// matching event answer for the cell.
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/base/ControlLook.h"
#include "platform/sys/SysUtils.h"

void TAdvStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TAdvStringGrid::DoSearchFooterAction(const String& Value, int ACol, int ARow,
                                          TSearchAction SearchAction) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TAdvStringGrid::DoButtonClick(int ACol, int ARow) {
  if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TAdvStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded) {
  if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
  SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TAdvStringGrid::DoComboCloseUp(int ARow, int ACol) {
  if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TAdvStringGrid::DoComboDropDown(int ARow, int ACol) {
  if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TAdvStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y) {
  if (!OnGetCellCursor) return;
  TCursor cursor = FState->Cursor;
  OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
  FCurrentCursor = cursor;
}

void TAdvStringGrid::DoGridHint(int ACol, int ARow, String& WideHint, String& Hint) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
  if (OnGridWideHint) OnGridWideHint(this, ARow, ACol, WideHint);
  // Our strings are wide already: a wide hint simply replaces the hint.
  if (!WideHint.empty()) Hint = WideHint;
}

void TAdvStringGrid::DoGetCellColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                    TGridDrawState AState) {
  if (FValues.ActiveCellShow) {
    const int dc = DisplColIndex(ACol);
    const bool rowHeader = dc + 1 == FixedCols() && FixedCols() > 0 && ARow == Row();
    const bool colHeader = ARow + 1 == FixedRows() && FixedRows() > 0 && dc == Col();
    if (rowHeader || colHeader) {
      AFont->Assign(*FActiveCellFont);
      ABrush->SetColor(FValues.ActiveCellColor);
    }
  }
  if (const TCellProperties* p = PropsOrNil(ACol, ARow)) {
    // A control or picture draws its own background; plain cells take theirs.
    static const TCellTypes plain{ctIcon, ctNone, ctImageList, ctEmpty, ctImages, ctComment};
    if (p->BrushColor() != clNone && plain.Contains(GetCellType(ACol, ARow))) {
      ABrush->SetColor(p->BrushColor());
    }
    if (p->FontColor() != clNone) AFont->SetColor(p->FontColor());
    if (p->FontStyle() != TFontStyles()) AFont->SetStyle(p->FontStyle());
    if (p->FontSize() != 0) AFont->SetSize(p->FontSize());
    if (!p->FontName().empty()) AFont->SetName(p->FontName());
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TAdvStringGrid::DoGetCellPrintColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                         TGridDrawState AState) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

// Group header and summary lines join here with grouping.
void TAdvStringGrid::DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen) {
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TAdvStringGrid::DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders,
                                          TPen* APen) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TAdvStringGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign,
                                    TVAlignment& VAlign) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TAdvStringGrid::DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix,
                                 String& ASuffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TAdvStringGrid::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TAdvStringGrid::PrepareCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TAdvStringGrid::HasNoEditor(int ACol, int ARow) {
  if (!OnGetEditorType) return false;
  TEditorType editor = edNormal;
  OnGetEditorType(this, ACol, ARow, editor);
  return editor == edNone;
}

void TAdvStringGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed) {
  if (IsFixed) return;
  IsFixed = (FValues.FixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
            (FValues.FixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) ||
            ACol < FixedCols() || ARow < FixedRows();
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TAdvStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  const TPoint base = BaseCell(ACol, ARow);
  if (const TCellProperties* p = PropsOrNil(base.X, base.Y); p && CanEdit) {
    CanEdit = !p->ReadOnly();
    if (!Options().Contains(goEditing) && !FEditDisable &&
        !FMouseActions->RangeSelectAndEdit()) {
      CanEdit = false;
    }
  }
  if (base.X < ColCount() + NumHiddenColumns()) {
    DoCanEditCell(base.X, base.Y, CanEdit);
  } else {
    CanEdit = true;
  }
}

void TAdvStringGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TAdvStringGrid::DoGetWordWrap(int ACol, int ARow, bool& AWordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, AWordWrap);
}

bool TAdvStringGrid::DoHasComboBox(int ACol, int ARow) {
  if (OnHasComboBox) {
    bool has = false;
    OnHasComboBox(this, ACol, ARow, has);
    return has;
  }
  if (!FControlLook->DropDownAlwaysVisible()) return false;
  TEditorType editor = FValues.DefaultEditor;
  PrepareCellEditor(ACol, ARow, editor);
  return editor == edComboEdit || editor == edComboList;
}

bool TAdvStringGrid::DoHasSpinEdit(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (OnHasSpinEdit) {
    bool has = false;
    OnHasSpinEdit(this, ACol, ARow, has);
    return has;
  }
  if (!FControlLook->SpinButtonsAlwaysVisible()) return false;
  TEditorType editor = FValues.DefaultEditor;
  DoGetEditorType(ACol, ARow, editor);
  return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit ||
         editor == edDateSpinEdit;
}

void TAdvStringGrid::DoGetCheckTrue(int ACol, int ARow, String& Value) {
  Value = FValues.CheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TAdvStringGrid::DoGetCheckFalse(int ACol, int ARow, String& Value) {
  Value = FValues.CheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

namespace {

// A text with a blank is shown as itself and filters as the quoted text.
String FilterEntry(const String& Text) {
  if (Text.find(u' ') == String::npos) return Text;
  return Text + u"=\"" + Text + u"\"";
}

}  // namespace

bool TAdvStringGrid::FillColumnFilterList(int ACol) {
  FFilterList->Clear();
  if (FValues.FilterDropDownAuto && ACol >= FixedCols()) {
    FFilterList->SetSorted(true);
    for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) {
      FFilterList->Add(FilterEntry(Trim(Cells(ACol, r))));
    }
    if (!FValues.FilterIncremental) {
      for (int i = 0; i < FGridItems.Count(); ++i) {
        const auto& entries = FGridItems.Item(i)->Items();
        FFilterList->Add(FilterEntry(ACol < entries.Count() ? entries.Strings(ACol) : String()));
      }
    }
    FFilterList->SetSorted(false);
    if (!FValues.FilterDropDownClear.empty()) FFilterList->Insert(0, FValues.FilterDropDownClear);
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, FFilterList.get());
  return FFilterList->Count() > 0;
}

TRect TAdvStringGrid::GetUsedCells() {
  TRect used{-1, -1, -1, -1};
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < ColCount(); ++c) {
      if (GridCells(c, r).empty()) continue;
      if (used.Left < 0 || c < used.Left) used.Left = c;
      if (used.Top < 0) used.Top = r;
      used.Right = std::max(used.Right, c);
      used.Bottom = r;
    }
  }
  return used.Left < 0 ? TRect{0, 0, 0, 0} : used;
}

void TAdvStringGrid::DoFilterDone() {
  if (OnFilterDone) OnFilterDone(this);
}

String TAdvStringGrid::GetEditMask(int ACol, int ARow) {
  String value = FValues.EditMask;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
  return value;
}

void TAdvStringGrid::DoEllipsClick(const String& Text, String& Result) {
  Result = Text;
  if (OnEllipsClick) OnEllipsClick(this, RealCol(), Row(), Result);
}
