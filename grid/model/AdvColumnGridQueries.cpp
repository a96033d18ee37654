// The column grid's answers to the per-cell questions: the column's item
// first, then the cell's own record, then the string grid and its events.
#include "grid/base/Bands.h"
#include "grid/base/NumberText.h"
#include "grid/base/PrintSettings.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/Filter.h"
#include "grid/base/ControlLook.h"
#include "platform/gui/Menus.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/Format.h"

bool TAdvColumnGrid::IsDataCell(int ACol, int ARow) const {
  return ACol >= FixedCols() && ARow >= FixedRows();
}

bool TAdvColumnGrid::IsBodyCell(int ACol, int ARow) const {
  return IsDataCell(ACol, ARow) && ACol < AllColCount() - FixedRightCols() &&
         ARow < RowCount() - FixedFooters();
}

void TAdvColumnGrid::GetDefaultProps(int ACol, int ARow, TFont& AFont, TBrush& ABrush,
                                     TColor& AColorTo, TColor& AMirrorColor,
                                     TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD) {
  const TGridColumnItem* item = ColumnItem(ACol);
  if (!item) {
    TAdvStringGrid::GetDefaultProps(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor,
                                    AMirrorColorTo, HA, VA, WW, GD);
    return;
  }
  AFont.Assign(*item->Font());
  ABrush.SetColor(item->Color());
  AColorTo = clNone;
  HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
  VA = VAlignment();
  WW = WordWrap();
  GD = GradientHorizontal;
  const bool fixed = ACol < FixedCols() || ARow < FixedRows();
  if (fixed || (Bands()->Active() && item->ShowBands())) {
    ABrush.SetColor(clNone);
    AColorTo = clNone;
  }
}

String TAdvColumnGrid::GetFormattedCell(int ACol, int ARow) {
  const TGridColumnItem* item = ColumnItem(ACol);
  if (!item) return TAdvStringGrid::GetFormattedCell(ACol, ARow);
  String format = item->FloatFormat();
  const String text = Cells(ACol, ARow);
  const int kind = ClassifyNumberText(text);
  bool isFloat = kind == ntInteger || kind == ntSeparated;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (format.empty() || !isFloat) return text;
  return FormatCellValue(ACol, ARow, format, text);
}

void TAdvColumnGrid::GetColumnFloatFormat(int ACol, String& Value) {
  Value = FloatFormat();
  if (const TGridColumnItem* item = ColumnItem(ACol); item && !item->FloatFormat().empty()) {
    Value = item->FloatFormat();
  }
}

namespace {

void Bound(int& AWidth, int Min, int Max) {
  if (Min > 0 && AWidth < Min) AWidth = Min;
  if (Max > 0 && AWidth > Max) AWidth = Max;
}

}  // namespace

void TAdvColumnGrid::UpdateColumnSize(int ACol, int& AWidth) {
  if (const TGridColumnItem* item = ColumnItem(ACol)) {
    Bound(AWidth, item->MinSize(), item->MaxSize());
  }
  TAdvStringGrid::UpdateColumnSize(ACol, AWidth);
}

void TAdvColumnGrid::UpdateAutoColumnSize(int ACol, int& AWidth) {
  if (const TGridColumnItem* item = ColumnItem(ACol)) {
    Bound(AWidth, item->AutoMinSize(), item->AutoMaxSize());
  }
  TAdvStringGrid::UpdateAutoColumnSize(ACol, AWidth);
}

void TAdvColumnGrid::AfterBulkCellChange() {
  TAdvStringGrid::AfterBulkCellChange();
  SyncColumnCount();
}

// ---- looks

void TAdvColumnGrid::DoGetCellColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                    TGridDrawState AState) {
  const TGridColumnItem* item = ColumnItem(ACol);
  const bool inColumns = ACol >= FixedCols() && ACol < AllColCount() - FixedRightCols() &&
                         ARow < RowCount() - FixedFooters();
  if (item && inColumns) {
    if (item->Fixed()) {
      ABrush->SetColor(FixedColor());
    } else if (ARow >= FixedRows() && !(item->ShowBands() && Bands()->Active())) {
      ABrush->SetColor(item->Color());
    }
    AFont->Assign(ARow < FixedRows() ? *item->HeaderFont() : *item->Font());
    if (HasCellProps(ACol, ARow)) {
      const TCellProperties& p = *GridObjects(ACol, ARow);
      if (p.BrushColor() != clNone) ABrush->SetColor(p.BrushColor());
      if (p.FontColor() != clNone) AFont->SetColor(p.FontColor());
    }
  }
  TAdvStringGrid::DoGetCellColor(ACol, ARow, AFont, ABrush, AState);
}

void TAdvColumnGrid::DoGetCellPrintColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                         TGridDrawState AState) {
  if (const TGridColumnItem* item = ColumnItem(ACol)) {
    const bool fixed = ACol < FixedCols() || ARow < FixedRows() ||
                       ACol >= AllColCount() - FixedRightCols() ||
                       ARow >= RowCount() - FixedFooters();
    if (fixed) {
      AFont->Assign(*PrintSettings()->FixedFont());
    } else {
      const TCellProperties* p = HasCellProps(ACol, ARow) ? GridObjects(ACol, ARow) : nullptr;
      if (item->Fixed()) {
        ABrush->SetColor(FixedColor());
      } else if (item->ShowBands() && Bands()->Active() && Bands()->Print()) {
        if (p && p->BrushColor() != clNone) ABrush->SetColor(p->BrushColor());
      } else {
        ABrush->SetColor(item->PrintColor());
      }
      if (item->PrintFontCustom()) {
        AFont->Assign(*item->PrintFont());
        if (p && p->FontColor() != clNone) AFont->SetColor(p->FontColor());
        if (p && p->FontStyle() != TFontStyles()) AFont->SetStyle(p->FontStyle());
        if (p && p->FontSize() != 0) AFont->SetSize(p->FontSize());
        if (p && !p->FontName().empty()) AFont->SetName(p->FontName());
      } else {
        AFont->Assign(*PrintSettings()->Font());
      }
    }
  }
  TAdvStringGrid::DoGetCellPrintColor(ACol, ARow, AFont, ABrush, AState);
}

void TAdvColumnGrid::DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen) {
  if (const TGridColumnItem* item = ColumnItem(ACol); item && IsDataCell(ACol, ARow)) {
    Borders = item->Borders();
    APen->Assign(*item->BorderPen());
  }
  TAdvStringGrid::DoGetCellBorder(ACol, ARow, Borders, APen);
}

void TAdvColumnGrid::DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders,
                                          TPen* APen) {
  const TGridColumnItem* item = ColumnItem(ACol);
  if (item && IsDataCell(ACol, ARow) && item->PrintBorderCustom()) {
    Borders = item->PrintBorders();
    APen->Assign(*item->PrintBorderPen());
  }
  TAdvStringGrid::DoGetCellPrintBorder(ACol, ARow, Borders, APen);
}

void TAdvColumnGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign,
                                    TVAlignment& VAlign) {
  if (const TGridColumnItem* item = ColumnItem(ACol)) {
    HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    if (HasCellProps(ACol, ARow)) HAlign = GridObjects(ACol, ARow)->Alignment();
  }
  TAdvStringGrid::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TAdvColumnGrid::DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix,
                                 String& ASuffix) {
  if (const TGridColumnItem* item = ColumnItem(ACol)) {
    AStyle = item->SortStyle();
    APrefix = item->SortPrefix();
    ASuffix = item->SortSuffix();
  }
  TAdvStringGrid::DoGetFormat(ACol, AStyle, APrefix, ASuffix);
}

// ---- editing

// The column's float format is supplied per column (GetColumnFloatFormat,
// GetFormattedCell): the grid-wide FloatFormat stays as it is.
void TAdvColumnGrid::PrepareCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  const TGridColumnItem* item = ColumnItem(ACol);
  TCellEditorSetup& setup = EditorSetup();
  setup.FromColumn = item && IsDataCell(ACol, ARow);
  if (setup.FromColumn) {
    AEditor = item->Editor();
    setup.EditLength = item->EditLength();
    setup.ComboItems.Assign(*item->ComboItems());
    setup.DropDownCount = item->DropDownCount();
    setup.SpinMin = item->SpinMin();
    setup.SpinMax = item->SpinMax();
    setup.SpinStep = item->SpinStep();
    SetEditLink(item->EditLink());
    ControlLook()->SetDropDownCount(item->DropDownCount());
  }
  TAdvStringGrid::PrepareCellEditor(ACol, ARow, AEditor);
}

void TAdvColumnGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed) {
  if (IsDataCell(ACol, ARow) && ACol < FColumnCollection->Count()) {
    if (const TGridColumnItem* item = ColumnItem(RealColIndex(ACol))) IsFixed = item->Fixed();
  }
  TAdvStringGrid::DoIsFixedCell(ACol, ARow, IsFixed);
}

void TAdvColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  CanEdit = false;
  const TGridColumnItem* item = ColumnItem(ACol);
  if (!Loading() && item && IsDataCell(ACol, ARow)) CanEdit = !(item->ReadOnly() || item->Fixed());
  if (HasCellProps(ACol, ARow) && CanEdit) CanEdit = !GridObjects(ACol, ARow)->ReadOnly();
  if (OnCanEditCell) {
    const TPoint base = BaseCell(ACol, ARow);
    OnCanEditCell(this, base.Y, base.X, CanEdit);
  }
}

void TAdvColumnGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (const TGridColumnItem* item = ColumnItem(ACol)) IsPassword = item->Password();
  TAdvStringGrid::DoIsPasswordCell(ACol, ARow, IsPassword);
}

bool TAdvColumnGrid::DoHasComboBox(int ACol, int ARow) {
  bool has = false;
  if (const TGridColumnItem* item = ColumnItem(ACol); item && IsDataCell(ACol, ARow)) {
    has = item->Editor() == edComboEdit || item->Editor() == edComboList;
  }
  if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, has);
  return has;
}

void TAdvColumnGrid::DoGetCheckTrue(int ACol, int ARow, String& Value) {
  TAdvStringGrid::DoGetCheckTrue(ACol, ARow, Value);
  const TGridColumnItem* item = ColumnItem(ACol);
  if (item && IsBodyCell(ACol, ARow)) Value = item->CheckTrue();
}

void TAdvColumnGrid::DoGetCheckFalse(int ACol, int ARow, String& Value) {
  TAdvStringGrid::DoGetCheckFalse(ACol, ARow, Value);
  const TGridColumnItem* item = ColumnItem(ACol);
  if (item && IsBodyCell(ACol, ARow)) Value = item->CheckFalse();
}

bool TAdvColumnGrid::FillColumnFilterList(int ACol) {
  FilterList()->SetSorted(false);
  TAdvStringGrid::FillColumnFilterList(ACol);
  const TGridColumnItem* item = ColumnItem(ACol);
  if (!item || item->Filter()->Count() == 0) return false;
  FilterList()->Clear();
  for (int i = 0; i < item->Filter()->Count(); ++i) {
    FilterList()->Add(FilterEntryName(item->Filter()->Strings(i)));
  }
  return true;
}

void TAdvColumnGrid::FilterListSelect(TObject* Sender, int ItemIndex) {
  const int col = FilterCol();
  TGridColumnItem* item = col >= 0 && col < FColumnCollection->Count() ? ColumnItem(col) : nullptr;
  if (item && ItemIndex >= 0 && ItemIndex < item->Filter()->Count()) {
    const String entry = item->Filter()->Strings(ItemIndex);
    const String name = FilterEntryName(entry);
    if (FAutoFilterDisplay) item->SetHeader(name);
    if (AutoFilterUpdate()) SetFilterActive(false);
    String condition = FilterEntryCondition(entry);
    if (OnFilterSelect) OnFilterSelect(Sender, col, ItemIndex, name, condition);
    TFilterData* d = Filter()->ColumnFilter(col);
    d->SetCondition(condition);
    d->SetCaseSensitive(item->FilterCaseSensitive());
    if (AutoFilterUpdate()) FilterChoiceDone();
  }
  SetFilterCol(-1);
}

String TAdvColumnGrid::GetEditMask(int ACol, int ARow) {
  String mask;
  if (ACol >= FixedCols() && ACol < FColumnCollection->Count()) {
    if (const TGridColumnItem* item = ColumnItem(RealColIndex(ACol))) mask = item->EditMask();
  }
  const String inherited = TAdvStringGrid::GetEditMask(ACol, ARow);
  return inherited.empty() ? mask : inherited;
}

int TAdvColumnGrid::GetEditLimit() {
  if (Col() >= FixedCols() && Col() < FColumnCollection->Count()) {
    if (const TGridColumnItem* item = ColumnItem(RealColIndex(Col()))) return item->EditLength();
  }
  return TAdvStringGrid::GetEditLimit();
}

// ---- column popups

void TAdvColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TAdvStringGrid::MouseDown(Button, Shift, X, Y);
  ShowColumnPopup(Button, X, Y);
}

void TAdvColumnGrid::ShowColumnPopup(TMouseButton Button, int X, int Y) {
  if (Button != mbLeft && Button != mbRight) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  const TGridColumnItem* item = ColumnItem(RealColIndex(cell.X));
  if (!item || !item->ColumnPopup()) return;
  const bool left = Button == mbLeft;
  const TColumnPopupType fixedType = left ? cpFixedCellsLClick : cpFixedCellsRClick;
  const TColumnPopupType normalType = left ? cpNormalCellsLClick : cpNormalCellsRClick;
  const TColumnPopupType allType = left ? cpAllCellsLClick : cpAllCellsRClick;
  const TColumnPopupType type = item->ColumnPopupType();
  if (type != fixedType && type != normalType && type != allType) return;
  TPopupMenu* menu = item->ColumnPopup();
  if (OnColumnPopup) OnColumnPopup(this, cell.X, cell.Y, menu);
  const bool inFixedRow = cell.Y < FixedRows();
  const bool show = type == allType || (inFixedRow ? type == fixedType : type == normalType);
  if (!show || !menu) return;
  const TRect r = ClientOfView(CellRect(cell.X, cell.Y));
  const TPoint p = ClientToScreen(TPoint{r.Left, r.Bottom});
  menu->Popup(p.X, p.Y);
}
