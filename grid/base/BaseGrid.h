#pragma once
// The grid family's cell store over the platform string grid: the text of
// every cell, one TCellProperties record per cell that needs one (kept in
// the platform grid's object slot, created on first need and owned by this
// grid), merged cells that read and write through their base cell, the
// display-text hooks and the link to an undo/redo component.
//
// Columns here are storage columns: a column the subclass hides keeps its
// index, so indexes run up to TotalColCount() - 1, beyond ColCount().
//
// Cells and Objects here hide the platform grid's own: the platform's object
// slot always holds the record, the application's object lives inside it.
#include <functional>
#include <memory>
#include <vector>

#include "grid/base/CellProperties.h"
#include "grid/base/GridTypes.h"
#include "platform/grids/StringGrid.h"
#include "platform/gui/Graphics.h"

class TAdvGridUndoRedo;

using TGetDisplTextEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TGetDisplWideTextEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;

class TBaseGrid : public TStringGrid {
 public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;
  String ClassName() const override { return u"TBaseGrid"; }

  // ---- texts: through the merged area's base cell and the display hooks
  String GetCellEx(int ACol, int ARow);
  void SetCellEx(int ACol, int ARow, const String& Value);
  String Cells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  void SetCells(int ACol, int ARow, const String& Value) { SetCellEx(ACol, ARow, Value); }
  // The text Cells gives, without a copy for bulk reads: the view stays valid
  // until the next change of the grid or the next CellView call. Without
  // display hooks and merged cells it is the stored text itself.
  StringView CellView(int ACol, int ARow) {
    return PlainTexts() ? StringView(TGridModel::Cells(ACol, ARow)) : ComputedCellView(ACol, ARow);
  }
  // Asks for the memory of a cell read soon, in steps 0..2 some rows apart
  // (TCellStore::Prefetch): for walks over rows that a sort left scattered.
  [[gnu::always_inline]] void PrefetchCell(int ACol, int ARow, int Step) const {
    if (ACol >= 0 && ARow >= 0 && ARow < RowCount()) Store().Prefetch(ACol, ARow, Step);
  }
  // The raw text of that very cell: no merge, no hooks.
  const String& GetGridCell(int ACol, int ARow) const { return TGridModel::Cells(ACol, ARow); }
  void SetGridCell(int ACol, int ARow, const String& Value);
  const String& GridCells(int ACol, int ARow) const { return GetGridCell(ACol, ARow); }
  void SetGridCells(int ACol, int ARow, const String& Value) { SetGridCell(ACol, ARow, Value); }

  // ---- the application's object and the graphic of a cell (no merge redirect)
  // Reading creates no record; writing creates one on demand.
  TObject* GetObjectEx(int ACol, int ARow) const;
  void SetObjectEx(int ACol, int ARow, TObject* Value);
  TObject* Objects(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
  void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, Value); }
  TCellGraphicBase* GetGraphicObjectEx(int ACol, int ARow) const;
  // The record takes the graphic (freeing the one it held); ignored, and
  // the graphic freed, while the grid is being destroyed.
  void SetGraphicObjectEx(int ACol, int ARow, std::unique_ptr<TCellGraphicBase> Value);
  TCellGraphicBase* GraphicObjects(int ACol, int ARow) const {
    return GetGraphicObjectEx(ACol, ARow);
  }

  // ---- the records
  // Created on demand with the defaults of that moment (GetDefaultProps).
  TCellProperties* GetCellProperties(int ACol, int ARow);
  TCellProperties* CellProperties(int ACol, int ARow) { return GetCellProperties(ACol, ARow); }
  // Frees the record the cell held (with its graphic) and takes Value.
  void SetCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> Value);
  // The raw slot: row and column moves carry records with these, so each
  // record keeps exactly one owner cell. Nothing is freed or created.
  TCellProperties* GridObjects(int ACol, int ARow) const;
  void SetGridObject(int ACol, int ARow, TCellProperties* Value);

  // ---- merged cells; points are (X = column, Y = row)
  virtual void MergeCells(int ACol, int ARow, int SpanX, int SpanY);
  virtual void SplitCells(int ACol, int ARow);
  TPoint BaseCell(int ACol, int ARow) const;
  bool IsBaseCell(int ACol, int ARow) const;
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsMergedNonBaseCell(int ACol, int ARow) const;
  bool IsXMergedCell(int ACol, int ARow) const;
  bool IsYMergedCell(int ACol, int ARow) const;
  TPoint CellSpan(int ACol, int ARow) const;
  TPoint CellExt(int ACol, int ARow) const;
  TRect FullCell(int ACol, int ARow) const;  // inclusive cell coordinates
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  bool RowSpanIdentical(int ARow1, int ARow2) const;
  bool ColSpanIdentical(int ACol1, int ACol2) const;

  // ---- painting
  // A cell with its content on any canvas, outside the platform's paint cycle.
  void PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                 TGridDrawState AState) override;
  // Background and lines only, in ARect as given (not widened to a merged area).
  void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                    TGridDrawState AState);
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;

  // ---- navigation: the current cell never rests inside a merged area
  bool SelectCell(int ACol, int ARow) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void TopLeftChanged() override;

  // ---- geometry in client pixels
  TRect CellRect(int ACol, int ARow) const;
  TPoint CellSize(int ACol, int ARow) const;  // (width, height)
  void RepaintCell(int ACol, int ARow);

  virtual int TotalColCount() const { return ColCount(); }
  virtual int DisplColIndex(int ACol) const { return ACol; }

  // Lowering the row count, or deleting rows or a column, frees the records
  // still in the cells that go (records moved away first are not touched).
  void SetRowCount(int Value);
  void DeleteRow(int ARow) { DeleteRowSpan(ARow, 1); }
  void DeleteRowSpan(int ARow, int Count);
  void DeleteColumn(int ACol);

  TAdvGridUndoRedo* UndoRedo() const { return FUndoRedo; }
  void SetUndoRedo(TAdvGridUndoRedo* Value);

  // Default word wrap of new records.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  // The grid draws its own lines: the platform grid's stay 0 wide and its
  // default drawing off, whatever is set here.
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle Value);
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor Value);
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor Value);
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor Value);
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor Value);
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  int MergeCount() const { return FMergeCount; }

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

 protected:
  friend class TCellProperties;

  // ---- hooks the subclass overrides; the cell-store hooks get storage columns
  virtual bool IsFixed(int ACol, int ARow) { return false; }
  virtual int GetRowIndent(int ARow) { return 0; }
  virtual bool HasNodes() const { return false; }
  virtual void LastRowChanged() {}
  virtual void DoGetDisplText(int ACol, int ARow, String& Value);
  virtual void DoGetDisplWideText(int ACol, int ARow, String& Value);
  // Whether reading a cell may change its text: a subclass that overrides
  // the DoGetDispl hooks answers true here too.
  virtual bool HasDisplTextHooks() const { return OnGetDisplText || OnGetDisplWideText; }
  // Whether every cell reads as its own stored text.
  bool PlainTexts() const { return FMergeCount == 0 && !HasDisplTextHooks(); }
  virtual void GetDefaultProps(int ACol, int ARow, TFont& AFont, TBrush& ABrush,
                               TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                               TAlignment& HA, TVAlignment& VA, bool& WW,
                               TCellGradientDirection& GD);
  virtual void CellTextChanged(int ACol, int ARow) {}
  virtual bool HasCustomCellBorders() { return false; }
  virtual bool AppStyleActive() { return false; }
  // The control's reading order; a subclass may mirror otherwise.
  virtual bool UseRightToLeftAlignment() const { return TStringGrid::UseRightToLeftAlignment(); }
  bool MirroredView() const override { return UseRightToLeftAlignment(); }

  // The one cell painter: footer row, merged areas, the fixed-area clip,
  // looks, hover and active rows, selection looks, background, lines and,
  // with DrawContent, the content through DrawCellContent.
  virtual void DoPaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect,
                           TGridDrawState AState, bool DrawContent);
  // The cell's content inside its lines; here its text centred on one line.
  virtual void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                               TGridDrawState AState);
  // A cell's look. The caller fills the arguments first (brush and font of
  // the canvas, clNone colours, WW the grid's WordWrap); here nothing changes.
  virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print,
                                   bool Select, bool Remap, TBrush& ABrush, TColor& AColorTo,
                                   TColor& AMirrorColor, TColor& AMirrorColorTo, TFont& AFont,
                                   TAlignment& HA, TVAlignment& VA, bool& WW,
                                   TCellGradientDirection& GD) {}

  void Paint() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  void Notification(TComponent* AComponent, TOperation Operation) override;

  bool HasCellProps(int ACol, int ARow) const;
  // True when the cell paints itself; else false with (BCol, BRow) its base.
  bool ResolveBaseCell(int ACol, int ARow, int& BCol, int& BRow) const;
  TRect CalcCellRect(int ACol, int ARow) const;
  TCellGraphicBase* GetPropGraphic(const TCellProperties& Props) const {
    return Props.GraphicObject();
  }
  // Freeing a record frees its graphic too; a merged area reaching into the
  // range is split first. Ranges are inclusive.
  void FreeCellPropsRange(int FromCol, int FromRow, int ToCol, int ToRow);
  // Each whole row listed, in turn, as FreeCellPropsRange frees it.
  void FreeCellPropsOfRows(const std::vector<int>& Rows);
  void FreeCellProps(int ACol, int ARow);
  void FreeAllCellProps();  // every storage column, hidden ones included
  // Empty the slots without freeing (the records went with a moved row or
  // column) and clear the texts.
  void ResetColumn(int ACol);
  void ResetRow(int ARow);
  void ResetCell(int ACol, int ARow);
  void MoveToBaseCell();

  bool FDefaultDrawing = false;
  int FGridLineWidth = 1;
  TColor FGridLineColor = clSilver;
  TColor FGridFixedLineColor = clGray;
  int FPaintID = 1;
  bool FPainting = false;  // inside Paint: a pass of the platform's painting
  bool FHideLastRow = false;
  // Rows below this index get the display hooks; kept by the subclass.
  int FNormalRowCount = 0;
  TAdvGridUndoRedo* FUndoRedo = nullptr;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  int FHoverRowIdx = -1;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells{hcNormal, hcSelected};
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  bool FShowSel = true;
  bool FHasCellProps = false;
  // Areas of more than one cell merged and not yet split or merged over;
  // a merged record taken in from elsewhere counts too, so 0 means no cell
  // is merged (the count may stay above the truth, never below).
  int FMergeCount = 0;

 private:
  // ---- the steps of DoPaintCell
  struct TCellLook;
  bool ReachesUnderFixed(int ACol, int ARow, const TRect& ARect) const;
  TRect FixedAreaClip(int ACol, int ARow) const;
  // Brush and pen of the canvas, and the gradient colours, of the cell.
  TCellLook CellLook(TCanvas& ACanvas, int ACol, int ARow, TGridDrawState& AState,
                     bool DrawContent);
  void PaintCellBackground(TCanvas& ACanvas, int ACol, const TRect& ARect, TGridDrawState AState,
                           const TCellLook& Look);
  void PaintCellLines(TCanvas& ACanvas, int ACol, const TRect& R, TGridDrawState AState);
  TRect ContentRect(const TRect& ARect, TGridDrawState AState) const;
  // Stores Value in Field and invalidates, only on a change.
  template <class T>
  void SetLook(T& Field, T Value);

  TCellProperties* Props(int ACol, int ARow) const;  // nil without record
  void CountTakenMerge(const TCellProperties& Props);
  StringView ComputedCellView(int ACol, int ARow);
  String FCellViewText;  // what the last CellView computed
  bool SpanIdentical(bool OfRows, int Line1, int Line2) const;
  std::unique_ptr<TCellProperties> NewCellProperties(int ACol, int ARow);
  void ForEachStoredProps(int FromRow, int ToRow, int FromCol, int ToCol,
                          const std::function<void(int, int)>& Action);

};
