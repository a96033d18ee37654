#pragma once
// The headless part of the platform string grid: cells, counts, sizes,
// current cell, top-left cell, selection, options, geometry, moves and the
// cursor-key rules. The widget (TCustomGrid) adds painting and input on top;
// everything here can be driven and tested without a window. The virtual
// hooks are the ones a grid subclass overrides.
#include "platform/grids/CellStore.h"
#include "platform/grids/GridAxis.h"
#include "platform/grids/GridStrings.h"
#include "platform/grids/GridTypes.h"
#include "platform/sys/Types.h"

class TCanvas;

class TGridModel {
 public:
  TGridModel();
  virtual ~TGridModel();
  TGridModel(const TGridModel&) = delete;
  TGridModel& operator=(const TGridModel&) = delete;

  // Counts. ColCount and RowCount are at least 1; fixed counts stay below them.
  int ColCount() const { return FCols.Count(); }
  void SetColCount(int Value);
  int RowCount() const { return FRows.Count(); }
  void SetRowCount(int Value);
  int FixedCols() const { return FCols.Fixed(); }
  void SetFixedCols(int Value);
  int FixedRows() const { return FRows.Fixed(); }
  void SetFixedRows(int Value);

  // Sizes in pixels; a negative size hides the column or row.
  int DefaultColWidth() const { return FCols.DefaultSize(); }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FRows.DefaultSize(); }
  void SetDefaultRowHeight(int Value);
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);

  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);

  // Cells: column indexes may lie beyond ColCount (kept, not shown).
  const String& Cells(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ARow >= RowCount()) RaiseGridIndexError();
    return FStore.Text(ACol, ARow);
  }
  void SetCells(int ACol, int ARow, const String& Value);
  TObject* Objects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* Value);
  // Views of one row or column as a string list.
  TGridStrings Rows(int ARow) { return TGridStrings(*this, true, ARow); }
  TGridStrings Cols(int ACol) { return TGridStrings(*this, false, ACol); }

  // Current cell, selection and anchor.
  int Col() const { return FCurrent.X; }
  void SetCol(int Value);
  int Row() const { return FCurrent.Y; }
  void SetRow(int Value);
  // Moves the current cell when SelectCell allows it; MoveAnchor collapses the
  // selection onto it, otherwise (with goRangeSelect) the selection stretches.
  // A move clicks (Click), as the cursor keys do.
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);  // anchor = (Left, Top), current = (Right, Bottom)
  TGridCoord Anchor() const { return FAnchor; }

  // The first scrollable column and row shown, clamped so the view stays filled.
  int LeftCol() const { return Viewport().TopLeft.X; }
  void SetLeftCol(int Value);
  int TopRow() const { return Viewport().TopLeft.Y; }
  void SetTopRow(int Value);
  int MaxLeftCol() const;
  int MaxTopRow() const;
  // Pixels at the client's bottom that a panel over the grid covers: the
  // last row may scroll up above them.
  virtual int BottomReserve() const { return 0; }

  // Geometry over a client area of the given size.
  int ViewWidth() const { return Viewport().Width; }
  int ViewHeight() const { return Viewport().Height; }
  void SetViewSize(int AWidth, int AHeight);
  int VisibleColCount() const;
  int VisibleRowCount() const;
  int LastVisibleCol() const;
  int LastVisibleRow() const;
  TRect CellRect(int ACol, int ARow) const;  // empty for a cell not shown
  // The part of the view a cell, a column or a row covers, its lines
  // included; empty when it is not shown.
  TRect CellArea(int ACol, int ARow) const { return IntersectRect(ColumnArea(ACol), RowArea(ARow)); }
  TRect ColumnArea(int ACol) const;
  TRect RowArea(int ARow) const;
  // The part of the view the shown cells of R cover.
  TRect GridRectArea(const TGridRect& R) const;
  // Mouse positions are client pixels; under a mirrored view (a
  // right-to-left window) column 0 sits at the right edge, so client x
  // runs the other way from the view's x that the rectangles above use.
  TGridCoord MouseCoord(int X, int Y) const;  // -1 outside the cells
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  virtual bool MirroredView() const { return false; }
  // The view's x of client pixel X, and the client rectangle of a view one.
  int ViewX(int X) const { return MirroredView() ? ViewWidth() - 1 - X : X; }
  TRect ClientOfView(const TRect& R) const;
  // Whether every scrollable column (row) fits a view that wide (high).
  bool AllColsFit(int Width) const;
  bool AllRowsFit(int Height) const;
  // Scrolls the least needed to show the cell entirely.
  void ScrollInView(int ACol, int ARow);

  // Structure. Rows and columns move with their texts and objects.
  void InsertRow(int ARow) { InsertRowSpan(ARow, 1); }
  void DeleteRow(int ARow);
  // Count rows at once, in one move of the rows below (sizes follow).
  // Deleting keeps at least one row.
  void InsertRowSpan(int ARow, int Count);
  void DeleteRowSpan(int ARow, int Count);
  void InsertColumn(int ACol);
  void DeleteColumn(int ACol);
  void MoveColumn(int FromIndex, int ToIndex) { MoveColRow(true, FromIndex, ToIndex); }
  void MoveRow(int FromIndex, int ToIndex) { MoveColRow(false, FromIndex, ToIndex); }
  // The current cell and the anchor follow the move; then ColumnMoved/RowMoved.
  void MoveColRow(bool IsColumn, int FromIndex, int ToIndex);

  // The cursor-key rules (Windows key codes). Answers whether the key was used.
  bool MoveByKey(int Key, bool Shift, bool Ctrl);

  // The left mouse button on the grid: selecting, sizing and moving.
  TGridState GridState() const { return FGridState; }
  void GridMouseDown(int X, int Y, bool Shift);
  void GridMouseMove(int X, int Y);
  void GridMouseUp(int X, int Y);
  // While a range is dragged outside the cells: one step further that way.
  // Answers whether the selection moved (the caller repeats on a timer).
  bool SelectingScrollStep(int X, int Y);
  // Ends a sizing, move or range drag under way without applying it.
  void CancelGridState() { FGridState = gsNormal; }
  // The column or row sized or moved, the size line and the move target.
  int SizingIndex() const { return FSizingIndex; }
  int SizingPos() const { return FSizingPos; }
  int MoveIndex() const { return FMoveIndex; }
  int MovePos() const { return FMovePos; }
  // Whether (X, Y) lies on a border that may be dragged: a column border in
  // the fixed rows (goColSizing) or a row border in the fixed columns (goRowSizing).
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);

  // Paints every visible cell through PaintCell, the grid lines after each
  // cell, the background past the last cells and, when Focused and FocusFrame,
  // the focus frame.
  void PaintCells(TCanvas& Canvas, TColor Background, bool Focused, bool FocusFrame = true);
  TGridDrawState CellDrawState(int ACol, int ARow, bool Focused) const;

  // Scroll bars: the position runs Min..MaxPos (the bar's range, 0..127
  // unless the bar was given another) over the scrollable range.
  int ScrollThumb(bool Vertical, int Min = 0, int MaxPos = 127) const;
  void ScrollMessage(bool Vertical, int Code, int Pos, int Min = 0, int MaxPos = 127);  // SB_* codes

  // Hooks for subclasses and the widget.
  virtual bool SelectCell(int ACol, int ARow);
  virtual void ColumnMoved(int FromIndex, int ToIndex);  // moves the cells
  virtual void RowMoved(int FromIndex, int ToIndex);     // moves the cells
  virtual void TopLeftChanged() {}
  virtual void OptionsChanged() {}
  virtual void SizeChanged(int OldColCount, int OldRowCount) {}
  virtual void ColWidthsChanged() {}
  virtual void RowHeightsChanged() {}
  virtual void Click() {}
  virtual void SelectionMoved(const TGridRect& OldSel) {}
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {}
  // One cell of PaintCells: DrawCell here; a widget adds its default drawing around it.
  virtual void PaintCell(TCanvas& Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    DrawCell(ACol, ARow, ARect, AState);
  }
  virtual void InvalidateCell(int ACol, int ARow) {}
  virtual void InvalidateCol(int ACol) {}
  virtual void InvalidateRow(int ARow) {}
  virtual void InvalidateGrid() {}

 protected:
  // Answers whether the cell moved (SelectCell may refuse); does not click.
  bool MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
  void MoveTopLeft(int ALeft, int ATop);
  int EffectiveColLine() const;
  int EffectiveRowLine() const;
  // The rows listed (ascending) go with their texts and sizes and the rows
  // below close up, in one walk; as many empty rows of the default size join
  // at the end, so the count stays for the caller to lower. Nothing is told,
  // and objects left in those rows are not freed: take them out first.
  void CloseRowSlots(const std::vector<int>& Rows);
  TCellStore& Store() { return FStore; }
  const TCellStore& Store() const { return FStore; }
  // A window derives its view (the size and the top-left cell, clamped) from
  // the cell sizes. A size change may just mark it stale: UpdateViewport then
  // runs once, before the view is next read (every reader goes through
  // Viewport), so a run of changes costs one recomputation.
  void MarkViewportStale() { FViewportStale = true; }
  bool ViewportStale() const { return FViewportStale; }
  virtual void UpdateViewport() {}

 private:
  struct TViewport {
    TGridCoord TopLeft;
    int Width = 0;
    int Height = 0;
  };
  const TViewport& Viewport() const {
    if (FViewportStale) RefreshViewport();
    return FViewport;
  }
  void RefreshViewport() const;
  // MouseCoord at the view's x.
  TGridCoord CoordAt(int X, int Y) const;
  void CheckCell(int ACol, int ARow) const;
  void CheckRow(int ARow) const;
  void ChangeSize(int NewColCount, int NewRowCount);
  void KeepInside();

  TCellStore FStore;
  TGridAxis FCols;
  TGridAxis FRows;
  TGridCoord FCurrent;
  TGridCoord FAnchor;
  TGridOptions FOptions;
  int FGridLineWidth = 1;
  TViewport FViewport;
  mutable bool FViewportStale = false;
  TGridState FGridState = gsNormal;
  int FSizingIndex = -1;
  int FSizingPos = 0;
  int FSizingOfs = 0;
  int FMoveIndex = -1;
  int FMovePos = -1;
};
