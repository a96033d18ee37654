#pragma once
// The string grid of the grid family: the cell store of TBaseGrid with its
// settings objects, two index spaces (displayed and storage columns,
// displayed and real rows), the cell access by real row and storage column,
// and the overridable per-cell queries that fire the grid's events.
// Method families are defined beside the folders they belong to; this is
// the one declaration. A family with state of its own (the row engine, the
// column move step, and each one still to come) is a class in its own files,
// held here by a forward declaration and one std::unique_ptr; what only the
// grid's own files need is in AdvStringGridPrivate.h.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "grid/base/BaseGrid.h"
#include "grid/base/CellGraphic.h"
#include "grid/base/IntList.h"
#include "grid/base/LookOwner.h"
#include "grid/base/OptionProperty.h"
#include "grid/base/LookTypes.h"
#include "grid/base/StyleTypes.h"
#include "grid/model/AdvGridEvents.h"
#include "grid/model/AdvGridLookValues.h"
#include "grid/model/AdvGridPaintValues.h"
#include "grid/model/AdvGridUnit.h"
#include "grid/model/AdvGridValues.h"
#include "grid/model/FooterPaintEvent.h"
#include "grid/model/GridItems.h"
#include "grid/model/VisibleColumns.h"
#include "platform/gui/Graphic.h"
#include "platform/sys/DateTime.h"

// The grid's own files see these through AdvStringGridPrivate.h.
struct TAdvGridState;
class TAdvInplaceEdit;
class TGridCombo;
class TAdvStringGridCheck;
class TColumnMoveStep;
class TScrollControl;
class TSelectedCellList;
class TGridRowEngine;
class TGridSorter;
class TGridMouse;
class TGridKeyboard;
class TGridEditCycle;
class TOutlineNodes;
class TRowGrouping;

class TCellGraphics;
class TFilePicture;
class TIcon;
class TImageList;
class TPicture;
class TStream;

class TBackGround;
struct THintInfo;
class TBalloonSettings;
class TCanvas;
class TImageList;
class TBands;
class TBitmap;
class TCellNode;
class TColumnSize;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TFilter;
class TFilterDropDown;
class TDropList;
class TDropCheckList;
class TGridChangeNotifier;
class TGridFinder;
class TFloatingFooter;
class TFocusHelper;
class TFooterPanel;
class TFormResizeListener;
class TGrouping;
class TGridProgressAppearance;
class THTMLPictureCache;
class THTMLSettings;
class TMouseActions;
class TNavigation;
class TPictureContainer;
class TPrintSettings;
class TSearchFooter;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TSyncGrid;

class TAdvStringGrid : public TBaseGrid,
                       public TLookOwner,
                       public TFocusWindowTracked,
                       public IZEVStyle,
                       public IZEVTones {
 public:
  explicit TAdvStringGrid(TComponent* AOwner);
  ~TAdvStringGrid() override;
  String ClassName() const override { return u"TAdvStringGrid"; }

  // ---- the control (grid/model/AdvGridControl.cpp)
  // Skipped once after an editor change asked for it; else the grid and a
  // visible floating footer repaint.
  void Invalidate() override;
  // With IntegralHeight the height is fitted to whole rows.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  // Follows the owner form's changes in size.
  GX_OPTION(bool, SizeWithForm)
  TFooterPanel* FooterPanel() const { return FFooterPanel; }
  TSearchPanel* SearchPanel() const { return FSearchPanel; }
  // Copies the search footer's settings into the search panel.
  void UpdateSearchPanel();
  // Ticks of the grid timer since its window was made.
  int TimerTicks() const { return FTimerTicks; }
  // Lines per wheel notch, as the window creation read them.
  int WheelScrollLines() const { return FWheelScrollLines; }
  bool GridLoaded() const { return FGridLoaded; }
  // Loading sizes every column to its contents.
  bool AutoSize() const { return FAutoSize; }
  // Set outside loading, it sizes the columns at once.
  void SetAutoSize(bool Value);

  // ---- settings objects: setters copy into the grid's own object
  TControlLook* ControlLook() const { return FControlLook.get(); }
  void SetControlLook(const TControlLook& Value);
  TBackGround* BackGround() const { return FBackGround.get(); }
  TShowModified* ShowModified() const { return FShowModified.get(); }
  TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  TBands* Bands() const { return FBands.get(); }
  TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
  void SetSyncGrid(const TSyncGrid& Value);  // copied
  TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
  TCellNode* CellNode() const { return FCellNode.get(); }
  TColumnSize* ColumnSize() const { return FColumnSize.get(); }
  TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
  THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
  TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
  TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
  void SetFloatingFooter(const TFloatingFooter& Value);
  TSortSettings* SortSettings() const { return FSortSettings.get(); }
  void SetSortSettings(const TSortSettings& Value);
  TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
  void SetDragDropSettings(const TDragDropSettings& Value);
  TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
  void SetDragScrollOptions(const TDragScrollOptions& Value);
  TGrouping* Grouping() const { return FGrouping.get(); }
  void SetGrouping(const TGrouping& Value);
  TFilter* Filter() const { return FFilter.get(); }
  void SetFilter(const TFilter& Value);
  TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
  void SetFilterDropDown(const TFilterDropDown& Value);
  TBalloonSettings* Balloon() const { return FBalloon.get(); }
  void SetBalloon(const TBalloonSettings& Value);
  // Make and release the balloon tooltip (grid/interact/AdvGridBalloon.cpp).
  void BalloonInit();
  void BalloonDone();
  // Columns whose equal cells merge; a change merges them again.
  TIntList* MergedColumns() const { return FMergedColumns.get(); }
  // Covered by a floating footer that shows the last row.
  bool HideLastRow() const { return FHideLastRow; }
  void SetHideLastRow(bool Value) { FHideLastRow = Value; }
  TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
  TStringList* RowHeaders() const { return FRowHeaders.get(); }
  // Copied; the headers go into row 0 / column 0 (grid/model/AdvGridHeaders.cpp).
  void SetColumnHeaders(const TStrings& Value);
  void SetRowHeaders(const TStrings& Value);
  void ShowColumnHeaders();
  void ClearColumnHeaders();
  void ShowRowHeaders();
  void ClearRowHeaders();
  TStringList* LookupItems() const { return FLookupItems.get(); }
  TStringList* FilterList() const { return FFilterList.get(); }
  TFont* FixedFont() const { return FFixedFont.get(); }
  TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
  TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
  TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }

  // ---- index spaces (grid/model/AdvGridDimensions.cpp)
  int RealColIndex(int ACol) const { return FVisibleCols.DisplToRealCol(ACol); }
  int DisplColIndex(int ACol) const override { return FVisibleCols.RealToDisplCol(ACol); }
  int RealRowIndex(int ARow) const { return FGridItems.DisplToRealRow(ARow); }
  int DisplRowIndex(int ARow) const { return FGridItems.RealToDisplRow(ARow); }
  int RealCol() const { return RealColIndex(Col()); }
  int RealRow() const { return RealRowIndex(Row()); }
  bool IsIgnoredColumn(int ACol) const;
  int NumHiddenColumns() const { return FVisibleCols.NumHidden(); }
  int NumHiddenRows() const { return FGridItems.Count(); }
  int AllRowCount() const { return RowCount() + NumHiddenRows(); }
  int AllColCount() const { return ColCount() + NumHiddenColumns(); }
  int TotalColCount() const override { return AllColCount(); }
  TVisibleColumns& VisibleColumns() { return FVisibleCols; }
  TGridItems& GridItems() { return FGridItems; }

  // ---- dimensions
  void SetRowCount(int Value);
  void SetColCount(int Value);
  int FixedRows() const;
  void SetFixedRows(int Value);
  int FixedCols() const;
  void SetFixedCols(int Value);
  GX_OPTION(bool, FixedRowAlways)
  GX_OPTION(bool, FixedColAlways)
  void SetRow(int Value);
  void SetCol(int Value);
  void SetTopRow(int Value);
  void SetDefaultRowHeight(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int Value);
  int FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int Value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);
  void SetWordWrap(bool Value);
  int FixedRowsMin() const { return FFixedRowsMin; }
  int FixedColsMin() const { return FFixedColsMin; }
  int MaxRowCount() const { return FMaxRowCount; }
  int MaxColCount() const { return FMaxColCount; }
  // 0: no bound. Loading records the default row height and 10 as minima.
  GX_OPTION(int, MinRowHeight)
  GX_OPTION(int, MaxRowHeight)

  // ---- cells by real row and storage column (grid/model/AdvGridCellAccess.cpp)
  String AllCells(int ACol, int ARow);
  void SetAllCells(int ACol, int ARow, const String& Value);
  String AllGridCells(int ACol, int ARow);
  void SetAllGridCells(int ACol, int ARow, const String& Value);
  TObject* AllObjects(int ACol, int ARow);
  void SetAllObjects(int ACol, int ARow, TObject* Value);
  TObject* GetGridObjectEx(int ACol, int ARow);
  int AllColWidths(int ACol) const;
  void SetAllColWidths(int ACol, int Value);
  String UnSortedCells(int ACol, int ARow);
  void SetUnSortedCells(int ACol, int ARow, const String& Value);
  int SortedRowIndex(int ARow) const;
  int UnSortedRowIndex(int ARow) const;
  // Our strings are wide: the wide view is the text itself.
  String AllWideCells(int ACol, int ARow) { return AllCells(ACol, ARow); }
  void SetAllWideCells(int ACol, int ARow, const String& Value) { SetAllCells(ACol, ARow, Value); }
  int LinesInCell(int ACol, int ARow);
  // The cell of the column that was column ACol before any column move.
  String OriginalCells(int ACol, int ARow);
  void SetOriginalCells(int ACol, int ARow, const String& Value);
  // The stored text of the current (base) cell.
  String CurrentCell() { return GetCurrentCell(); }
  // The editor's text hand-over; ACol is a displayed column, the text that of
  // the merged area's base cell.
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;
  // On, the text editor writes its text into the cell as it is typed;
  // Escape still puts back the text the cell had when the edit started.
  bool ShowEditProcess() const { return EditWritesThrough(); }
  void SetShowEditProcess(bool Value) { SetEditWritesThrough(Value); }

  // ---- mini-HTML (grid/model/AdvGridHTML.cpp)
  // The cell's text without its tags; BR and HR become line breaks.
  String StrippedCells(int ACol, int ARow);
  // The editor gets a cell's text with its tags; else without them, and
  // writing back the same visible text keeps the tags.
  GX_OPTION(bool, EditWithTags)
  THTMLPictureCache* ImageCache() const;
  // Named pictures; forgotten when the container is freed.
  TPictureContainer* Container() const;
  void SetContainer(TPictureContainer* Value);

  // ---- per-cell looks; a reader never creates a record
  TColor Colors(int ACol, int ARow) const;
  void SetColors(int ACol, int ARow, TColor Value);
  TColor ColorsTo(int ACol, int ARow) const;
  void SetColorsTo(int ACol, int ARow, TColor Value);
  TColor FontColors(int ACol, int ARow) const;
  void SetFontColors(int ACol, int ARow, TColor Value);
  TFontStyles FontStyles(int ACol, int ARow) const;
  void SetFontStyles(int ACol, int ARow, TFontStyles Value);
  int FontSizes(int ACol, int ARow) const;
  void SetFontSizes(int ACol, int ARow, int Value);
  String FontNames(int ACol, int ARow) const;
  void SetFontNames(int ACol, int ARow, const String& Value);
  TAlignment Alignments(int ACol, int ARow) const;
  void SetAlignments(int ACol, int ARow, TAlignment Value);
  bool ReadOnly(int ACol, int ARow) const;
  void SetReadOnly(int ACol, int ARow, bool Value);
  TCellGradientDirection Gradients(int ACol, int ARow) const;
  void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
  // Makes the record when the cell has none.
  bool WordWraps(int ACol, int ARow);
  void SetWordWraps(int ACol, int ARow, bool Value);
  // The grid's font, or a scratch font with the cell's looks (valid until the next call).
  TFont* Fonts(int ACol, int ARow);
  TFont* GetCellFont(int ACol, int ARow) { return Fonts(ACol, ARow); }
  // Name, size, style and colour of AFont.
  void SetFonts(int ACol, int ARow, const TFont& AFont);
  // Whole rows from FixedCols on; clNone resets only that colour.
  void SetRowColor(int ARow, TColor Value);
  void SetRowColorTo(int ARow, TColor Value);
  void SetRowFontColor(int ARow, TColor Value);

  // ---- rich text kept as the RTF stream's bytes, one character per byte
  static String RTFBytesToCellText(const TBytes& Rtf);
  // Also reads the older form (UTF-16 with a byte-order mark, one character per byte).
  static TBytes CellTextToRTFBytes(const String& Text);

  // ---- update bracket (grid/interact/AdvGridUpdate.cpp)
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  bool LockUpdate() const { return FUpdateCount > 0; }
  void SetLockUpdate(bool Value) { Value ? BeginUpdate() : EndUpdate(); }
  // Rebuilds the list of cell controls from the records when asked, then
  // places each control on its cell (nothing to place until cells hold controls).
  void CellControlsUpdate(bool RebuildList);

  // ---- grid-wide settings the hooks read
  GX_OPTION(TEditorType, DefaultEditor)
  GX_OPTION(const String&, CheckTrue)
  GX_OPTION(const String&, CheckFalse)
  GX_OPTION(const String&, FloatFormat)
  GX_OPTION(const String&, EditMask)
  bool FilterDropDownAuto() const { return FValues.FilterDropDownAuto; }
  void SetFilterDropDownAuto(bool Value);
  GX_OPTION(const String&, FilterDropDownClear)
  GX_OPTION(bool, FilterIncremental)
  TVAlignment VAlignment() const { return FVAlignment; }
  TColor SelectionColor() const { return FSelectionColor; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor ZEVGradient(TFixedGradientPart Part) const { return FFixedGradients[Part]; }
  bool IsWinXP() const { return FIsWinXP; }
  bool IsThemed() const { return FIsThemed; }
  bool EditEnabledSuspended() const { return FEditDisable; }
  // Set when the editor last fetched its text.
  bool NoEditChange() const { return FNoEditChange; }
  // The text editor clears it once it has the focus: changes from then on are the user's.
  void SetNoEditChange(bool Value) { FNoEditChange = Value; }

  // ---- overridable per-cell queries and hooks (grid/model/AdvGridHooks.cpp)
  virtual void DoF2Key() {}
  virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoSearchFooterAction(const String& Value, int ACol, int ARow,
                                    TSearchAction SearchAction);
  virtual void DoButtonClick(int ACol, int ARow);
  virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
  virtual void DoComboCloseUp(int ARow, int ACol);
  virtual void DoComboDropDown(int ARow, int ACol);
  virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
  virtual void DoGridHint(int ACol, int ARow, String& WideHint, String& Hint);
  virtual void DoGetCellColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                              TGridDrawState AState);
  virtual void DoGetCellPrintColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                   TGridDrawState AState);
  virtual void DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen);
  virtual void DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen);
  virtual void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix);
  virtual void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor);
  virtual void PrepareCellEditor(int ACol, int ARow, TEditorType& AEditor);
  virtual bool HasNoEditor(int ACol, int ARow);
  virtual void DoIsFixedCell(int ACol, int ARow, bool& IsFixed);
  virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void DoGetWordWrap(int ACol, int ARow, bool& AWordWrap);
  virtual bool DoHasComboBox(int ACol, int ARow);
  virtual bool DoHasSpinEdit(int ACol, int ARow);
  virtual void DoGetCheckTrue(int ACol, int ARow, String& Value);
  virtual void DoGetCheckFalse(int ACol, int ARow, String& Value);
  virtual bool FillColumnFilterList(int ACol);
  virtual TRect GetUsedCells();
  virtual void IncRowCount() { SetRowCount(RowCount() + 1); }
  virtual void ExportNotification(TGridExportState AState, int ARow) {}
  virtual void DoFilterDone();
  String GetEditMask(int ACol, int ARow) override;
  virtual void DoEllipsClick(const String& Text, String& Result);
  TRect UsedCells() { return GetUsedCells(); }

  // ==== hidden columns and rows, moves, row and column insertion, removal
  // and clearing (grid/model/AdvGridHiddenCols.cpp, AdvGridHiddenRows.cpp,
  // AdvGridMoves.cpp, AdvGridRowOps.cpp, AdvGridColOps.cpp, AdvGridClear.cpp)
  // Columns are storage columns, rows real rows, unless said otherwise.
  void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
  void HideColumns(int FromCol, int ToCol);
  void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
  void UnHideColumns(int FromCol, int ToCol);
  void UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }
  bool IsHiddenColumn(int ColIndex) const;
  void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
  void HideRows(int FromRow, int ToRow);
  // Parks the listed displayed rows (ascending) as one new filter level.
  void HideRowList(const std::vector<int>& RowList);
  void UnHideRow(int RowIndex) { UnHideRows(RowIndex, RowIndex); }
  void UnHideRows(int FromRow, int ToRow);
  void UnHideRowsAll();
  // Puts back the rows of the top filter level only.
  void UnHideRowList();
  bool IsHiddenRow(int RowIndex) const { return FGridItems.IsHiddenRow(RowIndex); }
  int TotalRowCount() const { return AllRowCount(); }
  int DisplToRealRow(int ARow) const { return FGridItems.DisplToRealRow(ARow); }
  int RealToDisplRow(int ARow) const { return FGridItems.RealToDisplRow(ARow); }
  int FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(int Value) { FFilterLevel = Value; }
  // Displayed indexes. Heights, row flags and cell controls go with the rows.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  void MoveRows(int FromIndex, int ToIndex, int Count);
  // The platform grid's move steps, displayed indexes: cells move by storage
  // column with the hidden-column table, remembered widths and parked rows;
  // widths and heights go along with EnhRowColMove.
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  GX_OPTION(bool, EnhRowColMove)
  // Set by a move with EnhRowColMove: the mouse release after it does not sort.
  bool ColMoveFlg() const { return FColMoveFlg; }
  void SetColMoveFlg(bool Value) { FColMoveFlg = Value; }
  void HideSelection();
  void UnHideSelection();
  bool SelHidden() const { return FSelHidden; }

  // Displayed rows; storage columns.
  virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
  void DoInsertRows(int RowIndex, int RCount, bool UpdateCellControls);
  virtual void RemoveRows(int RowIndex, int RCount);
  virtual void RemoveRowsEx(int RowIndex, int RCount);
  virtual void DeleteRows(int ARow, int ACount);
  void DoRemoveRows(int RowIndex, int RCount, bool UpdateCellControls);
  virtual void InsertCols(int ColIndex, int CCount);
  virtual void RemoveCols(int ColIndex, int CCount);
  void AddRow();
  void AddColumn() { InsertCols(ColCount(), 1); }
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
  void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
  void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
  void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
  void ClearRows(int RowIndex, int RCount);
  void ClearCols(int ColIndex, int CCount);
  void ClearNormalCols(int ColIndex, int CCount);
  void ClearNormalRows(int RowIndex, int RCount);
  void ClearNormalCells();
  void Clear();
  void ClearAll();
  GX_OPTION(bool, SaveHiddenCells)
  GX_OPTION(bool, ClearTextOnly)
  GX_OPTION(bool, UseEnabledRows)
  // Per displayed row: 1 modified / disabled / selected; reads past the end answer 0.
  TIntList& ModifiedRowsList() { return FModifiedRows; }
  TIntList& EnabledRowsList() { return FEnabledRows; }
  std::vector<bool>& RowSelectList() { return FRowSelect; }
  TIntList& ColumnOrder() { return FColumnOrder; }
  // Entry k: the displayed row the row now at k had before sorting.
  TIntList& SortRowXRef() { return *FSortRowXRef; }
  // Controls placed in cells: X storage column, Y real row.
  TControlList& ControlList();

  // ---- the remaining overridable operations; those of families still to
  // come keep a neutral default (grid/model/AdvGridHookDefaults.cpp)
  virtual void DoCalcFooter(int ACol);
  virtual void CalcFooter(int ACol);
  virtual void DoClickSort(int ACol);
  virtual void SelectAllByKey(TGridRect& ARect) {}
  virtual void PasteCellText(int ACol, int ARow, const String& Value);
  virtual String GetCurrentCell();
  virtual void SetCurrentCell(const String& Value);
  virtual String GetCurrentCellText();
  virtual void SetCurrentCellText(const String& Value);
  // The toggles of the check-box family (grid/model/AdvGridCheckBoxes.cpp).
  virtual bool DoToggleCheckBox(int ACol, int ARow, bool FromUser);
  virtual bool DoToggleRadioButton(int ACol, int ARow, bool FromUser);
  // The room a cell's graphic takes on screen (grid/model/AdvGridGraphicSize.cpp);
  // GraphicTextHeight is taken from the height offered to pictures.
  virtual TPoint GetCellGraphicSize(int ACol, int ARow);
  virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int GraphicTextHeight);
  // The same on paper: (W, H) offered to pictures, ResFactor the printer's scale.
  virtual TPoint CalcPrintGraphicSize(int ACol, int ARow, int W, int H, double ResFactor);
  // Where the painter puts a cell's graphic, its size and whether the text
  // is drawn beside it (grid/paint/CellGraphicInfo.cpp); measuring keeps
  // to CalcCellGraphicSize.
  virtual void GetCellGraphicInfo(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                  bool& ShowText, int& Height, int& Width);
  // Whether the painter draws the sort indicator in this cell's row (the
  // bottom row of a merged cell).
  bool IsSortIndicatorRow(int ACol, int ARow);
  // The text to draw: the base text with its URL turned into a link when
  // URLShowInText is on (grid/model/AdvGridHTML.cpp).
  void DoGetDisplText(int ACol, int ARow, String& Value) override;
  bool HasDisplTextHooks() const override;
  virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
  virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  virtual void InplaceEditTextChanged(const String& Text, TPoint& SelRange, int SelStart) {}
  // One row in or out at displayed row ARow, inside a node where ARow is.
  virtual void InsertUserRow(int ARow);
  virtual void DeleteUserRow(int ARow);
  virtual void ColumnHeadersChanged() {}
  virtual void BeginSmartPaste() {}
  virtual void EndSmartPaste() {}
  virtual void GetNormalCellText(int ACol, int ARow, String& Text) { Text = Cells(ACol, ARow); }
  virtual void UpdateColumnFooter(int ACol) { CalcFooter(ACol); }
  virtual void CellsChanged(const TRect& R);
  virtual bool DoCanAddRow();
  virtual bool DoCanInsertRow(int ARow);
  virtual void AfterMouseWheel(int RowChange, bool& DoDefault) {}
  virtual void CellSelectorClick(int ACol, int ARow) {}
  virtual void InplaceEditFormula(bool Active) {}
  virtual void SelectAllByMouse() {}
  virtual void MouseActionsChanged() {}
  // No design time here.
  virtual void MouseActionsIsDesigning(TObject* Sender, bool& IsDesigning) {
    IsDesigning = false;
  }
  virtual void MouseActionsInvalidate() { Invalidate(); }
  virtual void DisableEditing() { SetOptions(Options() - TGridOptions{goEditing}); }
  virtual void InplaceEditKeyDown(WORD& Key, TShiftState Shift) {}
  virtual void InplaceEditWMKeyDown(TMessage& Message) {}
  virtual void NavigationChanged() {}
  virtual void GotoFirstRow() { SetRow(FixedRows()); }
  virtual bool UseFormattedClipboard();
  virtual void PaintDesignHelper() {}
  virtual void DesignHelperClick(int X, int Y) {}
  virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
  virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
  virtual bool DoCanShowFixedDropDown(int ACol);
  virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin,
                            int ScrollMax);
  virtual void DoStartBlockFocus();
  virtual void DoEndBlockFocus();
  virtual void ImportNotification(TGridExportState AState, int ARow) {}
  virtual int GetVersionNr() { return GridVersionNr; }
  virtual String GetVersionString();
  // Grouping (grid/model/AdvGridGrouping.cpp): displayed columns.
  virtual void SubGroup(int ColIndex);
  virtual void SubUnGroup(int ColIndex);
  virtual void Group(int ColIndex);
  virtual void UnGroup();
  // Neutral until the picker editors exist.
  virtual void ColorPickerSelect() {}
  virtual void ImagePickerSelect() {}
  // 6.2.1.3, a byte each from the highest.
  static constexpr int GridVersionNr = 0x06020103;


  // ---- moving the current cell, validating an edit and advancing after
  // Enter (grid/interact/AdvGridSelectCell.cpp, AdvGridValidate.cpp,
  // AdvGridAdvance.cpp). Columns are displayed ones unless said otherwise.
  // Whether the current cell may move to (ACol, ARow); switches goEditing
  // for the target cell.
  bool SelectCell(int ACol, int ARow) override;
  // OnRowChanging, OnColChanging and (unless DisableChange) OnCellChanging.
  virtual void DoCellChanging(int ACol, int ARow, bool& Allow);
  // The edited cell's value: OnCellValidate may correct or refuse it. False
  // when refused: the cell keeps a valid text and editing resumes there.
  virtual bool ValidateCell(const String& NewValue);
  virtual bool ValidateCellWide(const String& NewValue);
  // Remembers (ACol, ARow) and its text as the cell being edited.
  virtual void StoreOldCellValue(int ACol, int ARow);
  // The move after Enter (Navigation's AdvanceOnEnter, AdvanceDirection, AdvanceInsert).
  void AdvanceToNextCell(int ACol, int ARow, bool ShowEditor, bool Repeating, bool Forward,
                         bool AutoEdit, bool Force);
  // A validation is running: editors and CanEditShow stay passive.
  bool Validating() const;
  // False after a refused validation.
  bool LastValidation() const;
  void SetLastValidation(bool Value);
  // Set by an editor whose Enter was refused; the next key-up clears it.
  bool NoAutoAdvance() const;
  void SetNoAutoAdvance(bool Value);
  // While set the cell-change hook fires no OnCellChanging.
  bool DisableChange() const;
  void SetDisableChange(bool Value);
  // The cell being edited (display column, row) and its text when entered.
  int OldCol() const;
  int OldRow() const;
  String OldCellText() const;
  // The value as validation left it (editors show it after a refusal).
  String NewCellText() const;
  // An editor is open on the current cell; set by the editing cycle.
  bool Editing() const;
  void SetEditing(bool Value);
  // Text of the current cell when it was entered; Escape restores it.
  String CellCache() const;
  void SetCellCache(const String& Value);
  // The special editor shown now; nil while the text editor is used.
  TWinControl* EditCtrl() const;
  void SetEditCtrl(TWinControl* Value);
  // A validated edit changed a cell.
  bool Modified() const;
  void SetModified(bool Value);
  GX_OPTION(bool, AlwaysValidate)
  GX_OPTION(const String&, InvalidEntryTitle)
  GX_OPTION(const String&, InvalidEntryText)
  GX_OPTION(TInvalidEntryIcon, InvalidEntryIcon)
  // The editing cycle's: open the text editor on the current cell, and end
  // a running edit with its value written back.
  virtual void ShowInplaceEdit();
  virtual void HideInplaceEdit();

  // ---- the grid timer and window messages (grid/interact/AdvGridUpdate.cpp,
  // AdvGridTimer.cpp, AdvGridMessages.cpp)
  // OnEditingDone, edit mode off, and "GridEditDone" posted, so that
  // OnEditCellDone(ACol, ARow) fires once the editor has gone.
  void EditingDoneNotify(int ACol, int ARow);
  // Cells with BLINK tags flip their phase on every timer tick.
  GX_OPTION(bool, EnableBlink)
  bool GridBlink() const;
  // The incremental-search text and the ticks since its last character.
  String SearchInc() const;
  void SetSearchInc(const String& Value);
  int SearchTics() const;
  void SetSearchTics(int Value);
  // A silent lock around short internal changes: no redraw switch, no repaint.
  void StartUpdate() { ++FUpdateCount; }
  void ResetUpdate() { FUpdateCount = 0; }
  // Asks the cell-selection check for the current cell.
  void Select();

  // ---- the rest of the window procedure (grid/interact/AdvGridWindowProc.cpp)
  // Forgets the fixed-edge sizing marks and a kept header highlight; with
  // HoverFixedCells the hovered fixed cell is repainted and forgotten.
  void ResetFixedCellHighlight();
  // The floating footer's drawing surface: the footer panel's canvas while
  // it paints, nil otherwise.
  TCanvas* GetFooterCanvas() const;
  // A control placed in a cell of this grid wants Tab, the arrows and the
  // characters while goTabs is on.
  void HostCellControl(TWinControl& Control);
  // The focus glow around the current cell (R in client coordinates);
  // shown when an editor opens with FocusHelper enabled, hidden once a
  // value was validated.
  void ShowFocusWindow(const TRect& R);
  void HideFocusWindow();

  // ---- TLookOwner, TFocusWindowTracked
  void LookChanged() override { Invalidate(); }
  void SetFixedGradientColor(TFixedGradientPart Part, TColor Value) override;
  // Moves a shown glow onto the current cell (the unit's window hook calls it).
  void PlaceFocusWindow() override;

  // ---- events
  TFooterCalcEvent OnFooterCalc;
  TCanEditCellEvent OnCanEditCell;
  TSearchFooterActionEvent OnSearchFooterAction;
  TButtonClickEvent OnButtonClick;
  TExpandClickEvent OnExpandClick;
  TRowColEvent OnComboCloseUp;
  TRowColEvent OnComboDropDown;
  TGetCellCursorEvent OnGetCellCursor;
  TGridHintEvent OnGridHint;
  TGridHintEvent OnGridWideHint;
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridAlignEvent OnGetAlignment;
  TGridFormatEvent OnGetFormat;
  TGetEditorTypeEvent OnGetEditorType;
  TIsFixedCellEvent OnIsFixedCell;
  TIsPasswordCellEvent OnIsPasswordCell;
  TColRowBoolEvent OnGetWordWrap;
  TColRowBoolEvent OnHasComboBox;
  TColRowBoolEvent OnHasSpinEdit;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TGetColumnFilterEvent OnGetColumnFilter;
  TGetEditMaskEvent OnGetEditMask;
  TUnitChangedEvent OnUnitChanged;
  TRowUpdateEvent OnRowUpdate;
  TNotifyEvent OnFilterDone;
  TGetCheckEvent OnEllipsClick;
  TClickSortEvent OnClickSort;
  TCheckBoxClickEvent OnCheckBoxClick;
  TCheckBoxClickEvent OnCheckBoxChange;
  TSelectionChangedEvent OnSelectionChanged;
  TCanAddRowEvent OnCanAddRow;
  TCanInsertRowEvent OnCanInsertRow;
  // The row keys: Insert and Delete with Navigation's AllowInsertRow and
  // AllowDeleteRow (grid/interact/GridKeyboardRows.cpp); real rows.
  TCanInsertRowEvent OnCanDeleteRow;
  TAutoAddRowEvent OnAutoInsertRow;
  TAutoAddRowEvent OnAutoDeleteRow;
  TRatingChangeEvent OnRatingChange;
  TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
  TNotifyEvent OnStartBlockFocus;
  TNotifyEvent OnEndBlockFocus;
  TScrollCellEvent OnScrollCell;
  TCellsChangedEvent OnCellsChanged;
  TCellValidateEvent OnCellValidate;
  TCellValidateEvent OnCellValidateWide;
  TRowChangingEvent OnRowChanging;
  TColChangingEvent OnColChanging;
  TCellChangingEvent OnCellChanging;
  TAutoAdvanceEvent OnAutoAdvance;
  TAutoAddRowEvent OnAutoAddRow;
  TAutoInsertColEvent OnAutoInsertCol;
  TNotifyEvent OnEditingDone;
  TEditCellDoneEvent OnEditCellDone;

  // ---- the text and combo editors (grid/interact/AdvInplaceEdit.cpp,
  // GridCombo.cpp, AdvGridComboItems.cpp)
  // The grid's text editor; nil until it first opens.
  TAdvInplaceEdit* NormalEdit() const;
  TInplaceEdit* CreateEditor() override;
  // Made hidden at the first use, then reused for every combo cell.
  TGridCombo* Combobox();
  // The combo editor's items; a preset index is used when the cell's text is no item.
  void ClearComboString();
  void AddComboString(const String& S);
  void AddComboStringObject(const String& S, TObject* AObject);
  bool RemoveComboString(const String& S);
  bool SetComboSelectionString(const String& S);
  void SetComboSelection(int Index);
  int ComboSelection() const;
  int GetComboCount() const;
  void SetComboIndex(int ACol, int ARow, int Value);
  int GetComboIndex(int ACol, int ARow);
  // Typing on the grid: the editor that opens gets the character first.
  void ShowEditorChar(Char Ch) override;
  // The typed length an editable combo takes: the column's EditLength in a
  // column grid when above 0, else MaxComboLength.
  int ComboLengthLimit();
  // One Tab (Shift+Tab) step over the Tab-selectable cells, taken by the
  // grid with goTabs and by every editor; false only when the Tab went on
  // to the window's next control (grid/interact/GridKeyboard*.cpp).
  virtual bool TabAdvance(bool Backward);
  // goTabs, or a validation handler that wants to see Tab leave a cell.
  bool WantsTab() const;
  // Editing begun by a left press with MouseActions.CaretPositioning; the
  // editor that opens puts its caret at the press point (grid client).
  bool LButFlg() const;
  void SetLButFlg(bool Value, TPoint At = {});
  TPoint LButPoint() const;
  GX_OPTION(bool, Lookup)
  GX_OPTION(bool, LookupCaseSensitive)
  GX_OPTION(bool, LookupHistory)
  GX_OPTION(const String&, ValidChars)
  // Used when ValidChars is empty: characters 0..255.
  std::array<bool, 256>& ValidCharSet() { return FValues.ValidCharSet; }
  GX_OPTION(int, MaxComboLength)
  GX_OPTION(bool, ExcelStyleDecimalSeparator)
  TEditChangeEvent OnEditChange;
  TComboChangeEvent OnComboChange;
  TComboObjectChangeEvent OnComboObjectChange;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TClipboardPasteCellEvent OnClipboardBeforePasteCell;
  TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
  TEndRowSizeEvent OnEndRowSize;

  // ---- the floating footer's panel (grid/model/FooterPanel.cpp)
  TFooterPaintEvent OnPaintFooter;
  TNotifyEvent OnCreatedFloatingFooter;
  // Row first: a click on a cell, or on a footer column (ARow = RowCount - 1).
  TRowColEvent OnClickCell;
  friend class TFooterPanel;

  // ==== key-up (grid/interact/GridKeyboardKeyUp.cpp): the moving keys end
  // the incremental search; with AlwaysEdit the editor opens where they land.
 protected:
  void KeyUp(WORD& Key, TShiftState Shift) override;

 public:
  // ==== mouse handling (grid/interact/AdvGridMouse.cpp, family TGridMouse)
  // Rows and columns of the events are displayed ones unless said otherwise.
  // Picks the option of the radio group under a click; Y and X from the
  // cell's top-left.
  void SelectRadioOptionAt(int ACol, int ARow, int Y, int X);
  TRowColEvent OnDblClickCell;
  TRowColEvent OnRightClickCell;
  // Allow starts true; refused, nothing else runs for the press.
  TCanClickCellEvent OnCanClickCell;
  // Storage column.
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TRadioClickEvent OnRadioClick;
  TRadioClickEvent OnRadioMouseUp;
  TButtonClickEvent OnRadioButtonClick;
  TNodeAllowEvent OnBeforeExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  TNodeEvent OnExpandNode;
  TNodeEvent OnContractNode;
  // AutoHandle starts true: the grid then jumps to a "CELL://" target or
  // has the shell open a web or mail address.
  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  // A check box or radio button in a cell's text changed by a click.
  TControlClickEvent OnControlClick;
  TColumnSizeEvent OnColumnSize;
  TEndColumnSizeEvent OnEndColumnSize;
  TCanSortEvent OnCanSort;

  // ---- fixed cells as buttons and the fixed drop-down menu
  // With both fixed grid lines and the 3-D look (not Flat) fixed cells are
  // raised buttons, sunken while pressed.
  bool FixedAsButtons() const { return FPaint.FixedAsButtons; }
  void SetFixedAsButtons(bool Value) { SetPaintValue(FPaint.FixedAsButtons, Value); }
  // Pops up under a header's drop-down button; its Tag is the storage column.
  TPopupMenu* FixedDropDownMenu() const;
  void SetFixedDropDownMenu(TPopupMenu* Value);
  // ACol is the storage column. AMenu starts as FixedDropDownMenu (null:
  // nothing pops up); KeepFixedCellHighlighted leaves the header lit after it.
  TFixedDropDownClickEvent OnFixedDropDownClick;

 protected:
  // The raw button messages; each decides whether the platform grid's handling runs.
  void WMLButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMRButtonDown(TMessage& Message);
  void WMRButtonUp(TMessage& Message);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  friend class TGridMouse;
  friend class TGridKeyboard;
  struct TGridKeyboardDeleter {
    void operator()(TGridKeyboard* Keyboard) const;
  };
  std::unique_ptr<TGridKeyboard, TGridKeyboardDeleter> FKeyboard;
  TGridKeyboard& Keyboard();
  struct TGridMouseDeleter {
    void operator()(TGridMouse* Mouse) const;
  };
  std::unique_ptr<TGridMouse, TGridMouseDeleter> FMouse;
  TGridMouse& Mouse();
  // The platform grid's handling of a message and its mouse steps.
  void InheritedDispatch(TMessage& Message) { TBaseGrid::Dispatch(Message); }
  void InheritedMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TBaseGrid::MouseDown(Button, Shift, X, Y);
  }
  void InheritedMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TBaseGrid::MouseUp(Button, Shift, X, Y);
  }

 protected:
  bool HasCustomCellBorders() override { return static_cast<bool>(OnGetCellBorder); }
  // Window creation starts the grid timer; loading records the minima.
  void CreateWnd() override;
  void Loaded() override;
  void Resize() override;
  void Dispatch(TMessage& Message) override;
  // Draws no cells while updates are locked.
  void Paint() override;
  // The fixed and active-cell fonts follow a scaled form.
  void ChangeScale(int M, int D) override;
  // Escape restores the cell's text while editing; Enter advances
  // (grid/interact/AdvGridKeyPress.cpp).
  void KeyPress(Char& Key) override;
  void Click() override;
  // Forgets a picture container or cell checker that is freed.
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Inside the update bracket cell and structure changes ask for no repaint.
  bool RepaintLocked() const override { return FUpdateCount > 0; }
  // The cursor the mouse shows now (set by DoGetCellCursor).
  TCursor CurrentCursor() const { return FCurrentCursor; }

 private:
  void CreateSettings();
  void CreateModelSettings();
  void CreateInteractSettings();
  void MergedColumnsChanged();
  void BalloonEnableChanged();
  void SetDefaults();
  void RecordPlatformFacts();
  void ListenToOwnerForm();
  void FormResized(TCustomForm& Form);
  void CreatePanels();
  void ParentPanels();
  void ShowSearchPanel();
  void GridTimer();
  // Validation's steps (grid/interact/AdvGridValidate.cpp).
  bool RunValidation(const String& NewValue, bool Wide);
  bool CheckEditedValue(int C, int R, const String& NewValue);
  bool CheckEditedWideValue(int C, int R, const String& NewValue);
  void StoreValidatedText(int C, int R, const String& Value);
  void MarkCellModified(int R);
  void RefuseEditedValue(int C, int R, const String& Stored, bool OldRestored, bool Reopen);
  void ShowInvalidEntryBalloon();
  enum class TEnterStep { Platform, Drop, DropAndEdit };
  TEnterStep EnterPress();
  // Cell selection's steps (grid/interact/AdvGridSelectCell.cpp).
  void MoveToMergedBase(int ACol, int ARow);
  void SetEditOptionFor(int ACol, int ARow);
  void SwitchGoEditing(bool On);
  bool MayMoveTo(int ACol, int ARow);
  void CellSelected(int ACol, int ARow);
  void HoverFocus();
  void RepaintBlinkingCells();
  // "GridEditDone" arrived: OnEditCellDone, and with EditOnDblClickOnly editing goes off.
  void EditCellDone(int ACol, int ARow);
  // The window procedure's steps (grid/interact/AdvGridMessages.cpp,
  // AdvGridWindowProc.cpp). WindowMessage answers whether Message was
  // handled in full.
  void DispatchOwn(TMessage& Message);
  bool WindowMessage(TMessage& Message);
  void ComponentMessage(TMessage& Message);
  void PaintMessage(TMessage& Message);
  void NonClientPaint(TMessage& Message);
  // WM_CANCELMODE ends a column or row move that shows the drag cursor.
  void CancelMode();
  void UpdateScrollProportional();
  // Repaints what marks the current cell beyond the cell itself when it
  // moves to row ARow: the row indicator, and custom cell borders.
  void RepaintRowIndicators(int ARow);
  void RepaintCustomBorders(int ARow);
  // The looks' steps (grid/paint/GridLooks.cpp).
  void ClearLookGradients();
  void ApplyLookStyle(TAdvGridStyle Style, TZEVStyle Stored, TGridSelectionStyle Selection);
  void ApplyPlainLook(TGridLook Look);
  void ApplyColorTonesToCombo();
  // The glow's steps (grid/paint/GridFocusGlow.cpp): the current cell's
  // rectangle in the coordinates of the glow's parent.
  TRect GlowCellRect(const TRect& R) const;
  void DrawSizeLine(TPoint From, TPoint To);
  void PaintSizeLines(TCanvas& Canvas);
  // Hooks for families still to come; empty until then.
  void HideHeaderDragButton() {}
  void ApplyActiveStyleColors() {}
  // The mouse select mode goes back to normal unless the grid set the cursor.
  void CursorChanged() {}
  void RevokeDropTarget() {}
  // The record of a cell, or nil; never creates one.
  TCellProperties* PropsOrNil(int ACol, int ARow) const;
  TCellProperties& PropsForWrite(int ACol, int ARow);
  void RepaintDisplCell(int ACol, int ARow);
  // Frees a record that holds nothing but defaults after a colour reset.
  void FreeIfPlain(int ACol, int ARow);
  // Whether the record's looks are those a new record of the cell starts with.
  bool HasDefaultLooks(int ACol, int ARow, const TCellProperties& P);
  TGridItem* HiddenItem(int ARealRow) const { return FGridItems.FindRealRow(ARealRow); }
  // Puts the parked rows chosen back in one pass; the others stay.
  void UnHideRowsWhere(const std::function<bool(const TGridItem&)>& Pred);

  // Storage column ACol, shown already, gets its displayed place and its width.
  void AddDisplayedColumn(int ACol);
  void ShowHiddenColumnsPastEnd();

  friend class TGridRowEngine;
  friend class TColumnMoveStep;
  friend class TCellAdvance;
  TAdvGridValues FValues;
  std::unique_ptr<TAdvGridState> FState;
  std::unique_ptr<TGridRowEngine> FRows;
  std::unique_ptr<TColumnMoveStep> FColumnMove;
  int FFilterLevel = 0;
  bool FSelHidden = false;
  bool FColMoveFlg = false;

  std::unique_ptr<TControlLook> FControlLook;
  std::unique_ptr<TBackGround> FBackGround;
  std::unique_ptr<TShowModified> FShowModified;
  std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TSyncGrid> FSyncGrid;
  std::unique_ptr<TFocusHelper> FFocusHelper;
  std::unique_ptr<TCellNode> FCellNode;
  std::unique_ptr<TColumnSize> FColumnSize;
  std::unique_ptr<TPrintSettings> FPrintSettings;
  std::unique_ptr<THTMLSettings> FHTMLSettings;
  std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
  std::unique_ptr<TFloatingFooter> FFloatingFooter;
  std::unique_ptr<TSortSettings> FSortSettings;
  std::unique_ptr<TDragDropSettings> FDragDropSettings;
  std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
  std::unique_ptr<TGrouping> FGrouping;
  std::unique_ptr<TFilter> FFilter;
  std::unique_ptr<TFilterDropDown> FFilterDropDown;
  std::unique_ptr<TBalloonSettings> FBalloon;
  std::unique_ptr<TIntList> FMergedColumns;
  std::unique_ptr<TStringList> FColumnHeaders;
  std::unique_ptr<TStringList> FRowHeaders;
  std::unique_ptr<TStringList> FLookupItems;
  std::unique_ptr<TStringList> FFilterList;
  std::unique_ptr<TFont> FFixedFont;
  std::unique_ptr<TFont> FActiveCellFont;
  std::unique_ptr<TSortIndexList> FSortIndexes;
  std::unique_ptr<TIntList> FIgnoreColumns;
  std::unique_ptr<TIntList> FSortRowXRef;

  TVisibleColumns FVisibleCols;
  TGridItems FGridItems{nullptr};

  int FFixedRowsMin = 0;
  int FFixedColsMin = 0;
  int FMaxRowCount = 0;
  int FMaxColCount = 0;
  int FFixedRowHeight = 0;
  int FFixedFooters = 0;
  int FFixedRightCols = 0;
  int FUpdateCount = 0;
  int FTimerTicks = 0;
  int FWheelScrollLines = 0;
  bool FIntegralHeight = false;
  bool FGridLoaded = false;
  bool FAutoSize = false;
  TFooterPanel* FFooterPanel = nullptr;  // owned as components
  TGridCombo* FCombobox = nullptr;
  TSearchPanel* FSearchPanel = nullptr;
  bool FEditDisable = false;
  bool FNoEditChange = false;
  bool FIsWinXP = false;
  bool FIsThemed = false;
  TCursor FCurrentCursor = crDefault;
  TAlignment FDefaultAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  TColor FSelectionColor = 0xEACAB6;
  TColor FBorderColor = clGray;
  std::array<TColor, FixedGradientPartCount> FFixedGradients{};

  // ==== column grid hooks, fills, row and column selection, repainting,
  // ==== cell navigation, column order, measuring and column auto-size
 public:
  // ---- hooks the column grid answers from its items
  // The cell text as shown: a number in FloatFormat when OnGetFloatFormat
  // says so (grid/paint/AdvGridFormattedCell.cpp).
  virtual String GetFormattedCell(int ACol, int ARow);
  // Text in Fmt, whose one conversion picks the cell's integer (d, u, x) or
  // float (e, f, g, n, m) value; any other format, or one that fails, gives Text.
  String FormatCellValue(int ACol, int ARow, const String& Fmt, const String& Text);
  virtual void GetColumnFloatFormat(int ACol, String& Value) { Value = FValues.FloatFormat; }
  // Fire OnUpdateColumnSize; the column grid applies its size bounds first.
  virtual void UpdateColumnSize(int ACol, int& AWidth);
  virtual void UpdateAutoColumnSize(int ACol, int& AWidth);
  // After a fill or another change of many cells at once.
  virtual void AfterBulkCellChange() {}
  virtual void SaveColPositions() {}
  virtual void LoadColPositions() {}

  // What the editor cycle gives the in-cell combo and spin editors when one
  // opens (set by PrepareCellEditor).
  struct TCellEditorSetup {
    // Set when a column grid's column filled this for the cell being opened.
    bool FromColumn = false;
    int EditLength = 0;  // the column's; 0 = none
    TStringList ComboItems;
    int DropDownCount = 8;
    int SpinMin = 0;
    int SpinMax = 100;
    int SpinStep = 1;
  };
  TCellEditorSetup& EditorSetup() { return FEditorSetup; }
  // The external editor of the current cell (not owned).
  TComponent* EditLink() const { return FEditLink; }
  void SetEditLink(TComponent* Value) { FEditLink = Value; }

  // ---- measuring (grid/paint/AdvGridMeasure.cpp)
  // The canvas text is measured on: the window's while painting, else the
  // grid's own measuring canvas (tests put a fixed-metrics one in).
  TCanvas* MeasureCanvas();
  void SetMeasureCanvas(std::unique_ptr<TCanvas> Value);
  // Width and height of the cell's formatted text in its font and the zoom;
  // SB wraps the text at the column's width.
  TPoint GetCellTextSize(int ACol, int ARow, bool VS = false, bool SB = false);

  // ---- fills (grid/model/AdvGridFills.cpp): data area, or everything with DoFixed
  void TextFill(bool DoFixed, const String& Txt);
  // Fmt gets the column and the row, in that order.
  void FormatFill(bool DoFixed, const String& Fmt);
  void RandomFill(bool DoFixed, int Rnd);
  void LinearFill(bool DoFixed);  // "col:row"

  // ---- row and column selection (grid/model/AdvGridSelection.cpp)
  bool RowSelect(int ARow);
  void SetRowSelect(int ARow, bool Value);
  bool ColSelect(int ACol);
  void SetColSelect(int ACol, bool Value);
  int RowSelectCount() const;
  int ColSelectCount() const;
  // The data rows selected, in the order they were selected.
  const TIntList& SelectedRows() const { return FSelectedRows; }
  void SelectRows(int RowIndex, int RCount);
  void UnSelectRows(int RowIndex, int RCount);
  void SelectCols(int ColIndex, int CCount);
  void UnSelectCols(int ColIndex, int CCount);
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
  void ClearRowSelect();
  void ClearColSelect();
  void SelectionToRowSelect(bool All);
  void SelectionToColSelect(bool All);
  bool SelChangePending() const { return FSelChange; }
  void SetSelChangePending(bool Value) { FSelChange = Value; }
  // Painted in column 0 of selected rows; repainted with a row selection.
  TBitmap* RowIndicator();

  // ---- modified and enabled rows
  bool RowModified(int ARow) const;
  void SetRowModified(int ARow, bool Value);
  int ModifiedRowCount() const;
  bool RowEnabled(int ARow) const;
  // Disabling the current row first moves the current row to the first
  // other enabled data row.
  void SetRowEnabled(int ARow, bool Value);

  // ---- repainting
  void RepaintRect(const TRect& r);
  void RepaintRow(int ARow);
  void RepaintCol(int ACol);
  void RepaintHeaderCells(int ACol1, int ARow1, int ACol2, int ARow2);

  // ---- moving to and editing cells (grid/model/AdvGridNavigation.cpp)
  void GotoCell(int ACol, int ARow);
  void EditCell(int ACol, int ARow);
  void FocusCell(int ACol, int ARow);
  using TGridModel::FocusCell;
  void MoveCurrentCell(int ACol, int ARow);
  // The raw texts and records of two cells change places.
  void SwapCells(TGridCoord FromCell, TGridCoord ToCell);

  // ---- recorded column order
  void SetColumnOrder();
  int ColumnAtPosition(int APos);
  int ColumnPosition(int ACol) const;
  void ResetColumnOrder();
  // The first column whose row-0 text is AValue; -1 when none.
  int ColumnByHeader(const String& AValue);
  int GroupColumn() const { return FGroupColumn; }
  // -1: ungroup; above 0: group on it; 0: nothing.
  void SetGroupColumn(int Value);
  // True while grouping or ungrouping rebuilds the rows.
  bool IsGrouping() const;
  // The column sub-grouped inside the groups; -1 when none is.
  int SubGroupColumn() const;

  // ---- auto-size (grid/model/AdvGridAutoSize.cpp)
  void AutoSizeCol(int ACol, int Padding);
  void AutoSizeColumns(bool DoFixedCols, int Padding);
  virtual void DoAutoSizeCol(int ACol, bool GrowOnly);
  int GetHorzPadding() const { return FValues.XYOffsetTopLeftOnly ? FValues.XYOffset.X : 2 * FValues.XYOffset.X; }
  int GetVertPadding() const { return FValues.XYOffsetTopLeftOnly ? FValues.XYOffset.Y : 2 * FValues.XYOffset.Y; }
  GX_OPTION(bool, SizeGrowOnly)
  GX_OPTION(int, MinColWidth)
  GX_OPTION(int, MaxColWidth)
  GX_OPTION(bool, XYOffsetTopLeftOnly)
  GX_OPTION(int, ZoomFactor)
  // Rows: displayed. Grow-only applies to the padded height.
  void AutoSizeRow(int ARow, int Padding);
  void AutoSizeRows(bool DoFixedRows, int Padding);
  virtual void DoAutoSizeRow(int ARow, bool GrowOnly, int GraphicTextHeight);
  void SetRowHeightForLines(int ARow, int Lines, int Extra);
  // Columns may shrink (without SizeGrowOnly), rows only grow.
  void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
  int MaxLinesInRow(int ARow);
  GX_OPTION(bool, Multilinecells)

  // ---- fitting, zoom, numbering and swaps (grid/model/AdvGridFit.cpp, AdvGridSwap.cpp)
  // Scales the columns to fill the control's width.
  void AutoFitColumns(bool DoFixedCells);
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  // Steps every width and height by x; ZoomFactor stays within -10 .. 10.
  void Zoom(int x);
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);
  GX_OPTION(int, AutoNumberStart)
  GX_OPTION(int, AutoNumberOffset)
  GX_OPTION(TSortDirection, AutoNumberDirection)
  // Storage columns with their texts, cell objects, widths and cell controls;
  // parked rows too, so they come back in step.
  void SwapColumns(int ACol1, int ACol2);
  // Displayed rows, as row objects, with their heights and cell controls.
  void SwapRows(int ARow1, int ARow2);
  // The row swap of sorting: whole rows with their heights (or, with
  // SortSettings.SingleColumn, only the sort column's cells), the sort cross
  // reference, and the selection and modified flags; SortRow follows it.
  virtual void SortSwapRows(int ARow1, int ARow2);
  // Swaps counts the sort's row swaps; SortRow is the displayed row the sort
  // follows through them.
  int Swaps() const { return FSwaps; }
  void SetSwaps(int Value) { FSwaps = Value; }
  int SortRow() const { return FSortRow; }
  void SetSortRow(int Value) { FSortRow = Value; }

  // ---- the range that files and the clipboard cover
  GX_OPTION(bool, SaveFixedCells)
  GX_OPTION(bool, SaveFixedRows)
  GX_OPTION(bool, SaveFixedCols)
  int SaveStartCol() const { return FValues.SaveFixedCells || FValues.SaveFixedCols ? 0 : FixedCols(); }
  int SaveEndCol() const { return ColCount() - 1 - (FValues.SaveFixedCells || FValues.SaveFixedCols ? 0 : FFixedRightCols); }
  int SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
  int SaveStartRow() const { return FValues.SaveFixedCells || FValues.SaveFixedRows ? 0 : FixedRows(); }
  int SaveEndRow() const { return RowCount() - 1 - (FValues.SaveFixedCells || FValues.SaveFixedRows ? 0 : FFixedFooters); }
  int SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }

  // ---- the binary grid stream (grid/exchange/AdvGridBinStream.cpp, family
  // TGridBinWriter/TGridBinReader). Rectangles are inclusive storage columns
  // and rows. A stream is read and checked whole before any cell changes:
  // on an error the grid is as it was.
  void SaveRectToBinStream(const TRect& Rect, TStream& Stream);
  void SaveToBinStream(TStream& Stream);
  // Through the safe writer: a failed save leaves the old file.
  void SaveToBinFile(const String& FileName);
  void LoadAtPointFromBinStream(TPoint Point, TStream& Stream);
  // At (0, 0), then the outline nodes are counted again.
  void LoadFromBinStream(TStream& Stream);
  void LoadFromBinFile(const String& FileName);
  // Percent of the rows written or read, fired when it changes.
  TFileProgressEvent OnFileProgress;

  // ---- the text grid file and stream and the ASCII export
  // (grid/exchange/AdvGridTextFile.cpp, family TGridTextFile). Whole files
  // go through the safe writer; a file or stream that fails its checks
  // raises before the grid changes.
  void SaveToFile(const String& FileName, bool Unicode = false);
  void LoadFromFile(const String& FileName);
  // Cells relative to the save range's top left; LoadFromStream stops at the
  // first line that is no cell line and leaves the stream at its start.
  void SaveToStream(TStream& Stream);
  void LoadFromStream(TStream& Stream);
  // Columns padded to their longest line, aligned as the cells are.
  void SaveToASCII(const String& FileName, bool Unicode = false);
  void AppendToASCII(const String& FileName, bool Unicode = false);
  // The cell as a number ("" is 0); EAdvGridError names where reading stopped.
  double CellToReal(int ACol, int ARow);
  // The longest line of the column's saved texts, in characters.
  int MaxColumnTextLength(int ACol);
  GX_OPTION(bool, SaveVirtCells)
  GX_OPTION(bool, SaveWithHTML)
  GX_OPTION(bool, SaveWithRTF)
  // The text every export and save takes for a cell, and the way every
  // import and load stores one (grid/exchange/GridCellText.cpp).
  virtual void GetSaveCellText(int ACol, int ARow, String& Text);
  virtual void LoadCellText(int ACol, int ARow, const String& Value);
  TCellTextEvent OnSaveCell;
  TCellTextEvent OnLoadCell;

  // ---- copying a grid (grid/model/AdvGridAssign.cpp). Any other source
  // changes nothing.
  void Assign(const TPersistent& Source) override;
  // Texts only, through SaveToStream and LoadFromStream.
  virtual void AssignCells(const TPersistent& Source);

 private:
  friend class TGridBinReader;
  friend class TGridBinWriter;

 public:

  // ---- the last row kept clear of the search footer (grid/interact/AdvGridFooterScroll.cpp)
  bool IsLastRowAboveSearchFooter();
  // Scrolls down a row at a time until the last row clears the footer, or
  // the grid scrolls no further.
  void ScrollLastRowAboveSearchFooter();
  // A row being selected scrolls clear of the floating and the search
  // footer; false for the row the fixed floating footer covers.
  bool ScrollSelectedRowClearOfFooters(int ARow);
  // The search panel's height while it is shown.
  int BottomReserve() const override;

  // ---- rotated text and hit testing (grid/paint/AdvGridMeasure.cpp, grid/interact/AdvGridHitTest.cpp)
  // Moves R's left and top so that Text rotated by Angle degrees is aligned in R.
  void CalcRotatedTextRect(TRect& R, int Angle, const String& Text, TAlignment HAlign,
                           TVAlignment VAlign);
  // Displayed indexes; -1 outside the cells.
  void ScreenToCell(TPoint pt, int& ACol, int& ARow);
  bool IsOnSizingEdge(int X, int Y);

  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TRowDisjunctSelectedEvent OnRowDisjunctSelected;
  TUpdateColumnSizeEvent OnUpdateColumnSize;
  TGetFloatFormatEvent OnGetFloatFormat;

 private:
  // Maps a row given to the row selection with RowSelectPersistent.
  int SelectionRow(int ARow) const;
  void FillCells(bool DoFixed, const std::function<void(int, int)>& Fill);
  bool RowInSelection(int ARow) const;
  bool AllRowsShown() const;
  int ColWidthSum(int First, int Last) const;
  // The bottom of the last row as if the view went on; past the view when it is not shown.
  int LastRowBottom() const;
  int SearchFooterTop() const;
  // The bottom of a shown row; INT_MIN when it is not shown.
  int ShownRowBottom(int ARow) const;
  void ScrollDownOneRow();
  void SizeRowPadded(int ARow, int Padding, int GraphicTextHeight);

  TCellEditorSetup FEditorSetup;
  TComponent* FEditLink = nullptr;
  std::vector<bool> FRowSelect;
  TIntList FSelectedRows{-1, -1};
  TIntList FModifiedRows{-1, -1};
  TIntList FEnabledRows{-1, -1};
  TIntList FColumnOrder{-1, -1};
  bool FSelChange = false;
  int FGroupColumn = -1;
  int FSwaps = 0;
  int FSortRow = -1;

  // ==== cell graphics (grid/model/AdvGridGraphics*.cpp, family TCellGraphics)
  // Columns are storage columns and rows grid rows unless said otherwise;
  // button text, push and rectangle take displayed columns.
 public:
  // Frees the graphic the cell holds in its own slot and stores a new one.
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  // Frees the cell's own graphic; a shared one is never freed.
  bool RemoveCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType);
  // The type of the merged area's base cell.
  bool HasGraphicType(int ACol, int ARow, const TCellTypes& Types);
  // With HotmailRowSelect, column 0 answers the grid's shared row check box.
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  virtual TCellType GetCellType(int ACol, int ARow);
  TCellGraphic* CellGraphics(int ACol, int ARow) { return GetCellGraphic(ACol, ARow); }
  TCellType CellTypes(int ACol, int ARow) { return GetCellType(ACol, ARow); }
  TIntList* GetCellImages(int ACol, int ARow);
  TIntList* CellImages(int ACol, int ARow) { return GetCellImages(ACol, ARow); }
  // Not owned; image-list, data-image and multi-image cells need it.
  TImageList* GridImages() const;
  void SetGridImages(TImageList* Value);
  virtual TImageList* GetCellImageList() { return GridImages(); }
  // The object's identity for bitmaps and icons, the index for image-list
  // images; -1 for every other cell.
  std::intptr_t GetGraphicSortKey(int ACol, int ARow);

  void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                 TCellVAlign val);
  TBitmap* CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal, TCellVAlign val);
  bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
  TBitmap* GetBitmap(int ACol, int ARow);
  bool RemoveBitmap(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
  void AddPicture(int ACol, int ARow, TPicture* APicture, bool transparent,
                  TStretchMode stretchmode, int padding, TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(int ACol, int ARow, bool transparent, TStretchMode stretchmode,
                          int padding, TCellHAlign hal, TCellVAlign val);
  bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
  TPicture* GetPicture(int ACol, int ARow);
  bool RemovePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
  void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                      TStretchMode stretchmode, int padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode stretchmode,
                                  int padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* GetFilePicture(int ACol, int ARow);
  bool RemoveFilePicture(int ACol, int ARow) {
    return RemoveCellGraphicOfType(ACol, ARow, ctFilePicture);
  }
  void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
  bool RemoveIcon(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
  void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool GetImageIdx(int ACol, int ARow, int& idx);
  void SetImageIdx(int ACol, int ARow, int Idx);
  bool RemoveImageIdx(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
  // The index is the cell text; an empty text takes Aidx.
  void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool HasDataImage(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctDataImage}); }
  // Empties the cell text, with or without a data image.
  void RemoveDataImage(int ACol, int ARow);
  // Any change of the cell's index list repaints the cell.
  void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
  bool RemoveMultiImage(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImages); }

  // A progress cell is right-justified with it.
  GX_OPTION(bool, AutoNumAlign)
  void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                     TColor BKTextColor);
  void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                            TColor BKColor, TColor BKTextColor, const String& Fmt, int Min,
                            int Max);
  bool HasProgress(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctProgress}); }
  bool RemoveProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
  void AddAdvProgress(int ACol, int ARow, int Min, int Max);
  bool RemoveAdvProgress(int ACol, int ARow) {
    return RemoveCellGraphicOfType(ACol, ARow, ctXPProgress);
  }
  void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
  void SetProgressPie(int ACol, int ARow, int Value);
  bool RemoveProgressPie(int ACol, int ARow) {
    return RemoveCellGraphicOfType(ACol, ARow, ctProgressPie);
  }
  void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                         bool ShowValue);
  bool RemoveRangeIndicator(int ACol, int ARow) {
    return RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
  }

  void AddComment(int ACol, int ARow, const String& Comment);
  void AddColorComment(int ACol, int ARow, const String& Comment, TColor Color);
  bool IsComment(int ACol, int ARow, String& comment);
  String CellComment(int ACol, int ARow);
  // Adds to a cell without graphic, rewrites a comment, ignores other graphics.
  void SetCellComment(int ACol, int ARow, const String& Value);
  bool RemoveComment(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctComment); }
  void RemoveAllComments();

  void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                TCellHAlign hal, TCellVAlign val);
  void SetShapeColor(int ACol, int ARow, TColor FillColor);
  // clNone for a cell without shape.
  TColor GetShapeColor(int ACol, int ARow);
  bool RemoveShape(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctShape); }
  void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
  bool HasRating(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctRating}); }
  bool RemoveRating(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRating); }

  // With AutoRange the page size follows the row height and the range the
  // height of the cell's text, now and after every text change.
  void AddScrollBar(int ACol, int ARow, bool AutoRange);
  bool HasScrollBar(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctScrollbar}); }
  bool HasAutoRangeScrollBar(int ACol, int ARow);
  void SetScrollPosition(int ACol, int ARow, int Pos);
  // -1 without a scroll bar.
  int GetScrollPosition(int ACol, int ARow);
  void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
  // (-1, -1) without a scroll bar.
  TScrollProp GetScrollProp(int ACol, int ARow);
  bool RemoveScrollBar(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

  // Kept in any graphic; a cell without one gets a ctEmpty graphic.
  void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
  void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
  void RemoveMarker(int ACol, int ARow);
  void RemoveAllMarkers();

  void AddButton(int ACol, int ARow, int bw, int bh, const String& Caption, TCellHAlign hal,
                 TCellVAlign val);
  void AddBitButton(int ACol, int ARow, int bw, int bh, const String& Caption, TBitmap* Glyph,
                    TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const String& Caption,
                           TCellHAlign hal, TCellVAlign val);
  void SetButtonText(int ACol, int ARow, const String& Caption);
  String GetButtonText(int ACol, int ARow);
  void PushButton(int ACol, int ARow, bool push);
  bool HasButton(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctButton, ctBitButton}); }
  bool RemoveButton(int ACol, int ARow);
  bool RemoveBitButton(int ACol, int ARow) {
    return RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
  }
  void RemoveAllButtons();
  // Where the button was last painted, in client pixels.
  TRect GetCellButtonRect(int ACol, int ARow);
  TRect GetExpandButtonRect(int ACol, int ARow);

  // Shown later by the balloon tooltip; a check box or radio button keeps
  // its control and takes the balloon along.
  void AddBalloon(int ACol, int ARow, const String& Title, const String& Text, TBalloonIcon Icon);
  bool HasBalloon(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctBalloon}); }
  bool IsBalloon(int ACol, int ARow, String& Title, String& Text, TBalloonIcon& Icon);
  void RemoveBalloon(int ACol, int ARow);

  void AddRotated(int ACol, int ARow, short AAngle, const String& s);
  void SetRotated(int ACol, int ARow, short AAngle);
  bool IsRotated(int ACol, int ARow, int& aAngle);
  bool RemoveRotated(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
  // The object draws the cell and stays the caller's.
  void AddInterfacedCell(int ACol, int ARow, TPersistent* AObject);
  TPersistent* GetInterfacedCell(int ACol, int ARow);
  bool RemoveInterfacedCell(int ACol, int ARow) {
    return RemoveCellGraphicOfType(ACol, ARow, ctInterface);
  }

  // ---- outline queries on displayed rows; nodes are ctNode graphics in column 0
  bool IsNode(int ARow);
  bool IsSummary(int ARow);
  // True: contracted.
  bool GetNodeState(int ARow);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  int GetParentRow(int ARow);

  // ==== check boxes, radio buttons and radio groups (grid/model/AdvGridCheckBoxes*.cpp,
  // ==== family TCheckBoxToggle)
  // Raise "Invalid cell" outside the grid's rows and storage columns.
  void AddCheckBox(int ACol, int ARow, bool State, bool Data);
  void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
  void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
  void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
  void RemoveCheckBox(int ACol, int ARow);
  void RemoveCheckBoxColumn(int ACol);
  void AddRadioButton(int ACol, int ARow, bool State = false);
  void AddRadioButtonColumn(int ACol);
  void RemoveRadioButton(int ACol, int ARow);
  void RemoveRadioButtonColumn(int ACol);
  // A radio group over the caller's option list.
  void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
  // The same over a new list the cell owns.
  TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
  bool RemoveRadio(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

  bool HasCheckBox(int ACol, int ARow);
  bool HasDataCheckBox(int ACol, int ARow);
  bool HasRadioButton(int ACol, int ARow);
  bool IsRadio(int ACol, int ARow);
  bool HasClickableGraphic(int ACol, int ARow);
  static bool CellTypeHasDataValue(TAdvStringGrid& Grid, int ACol, int ARow);
  bool IsRadioButtonChecked(int ACol, int ARow);
  int GetRadioButtonColumnIndex(int ACol);
  void SetRadioButtonColumnIndex(int ACol, int Index);
  bool SetRadioButtonState(int ACol, int ARow, bool State);
  bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
  bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
  TStrings* GetRadioStrings(int ACol, int ARow);
  void SelectNextRadioOption(int ACol, int ARow, bool FromUser);
  bool IsChecked(int ACol, int ARow);
  static TCheckBoxState BoolToCheckBoxState(bool bChecked) {
    return bChecked ? cbChecked : cbUnchecked;
  }
  // Client coordinates; with PreciseCheckBoxCheck only inside the box.
  bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);

  // Real rows. A tri-state box answers false here; read it with the state form.
  bool GetCheckBoxState(int ACol, int ARow, bool& state);
  bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& state);
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
  // Grid row; fires DoCheckBoxChange when the state changes.
  bool ChangeCheckBoxState(int ACol, int ARow, bool Value);
  void CheckAll(int ACol);
  void UnCheckAll(int ACol);
  bool ToggleCheckBox(int ACol, int ARow) { return DoToggleCheckBox(ACol, ARow, false); }

 protected:
  void CellTextChanged(int ACol, int ARow) override;
  // Storage columns, ascending and distinct, in one pass; RemoveCols and the
  // bulk removals by column selection come here.
  virtual void RemoveColList(const std::vector<int>& Cols);

 private:
  friend class TCellGraphics;
  friend class TCheckBoxToggle;
  TPoint CellImageSize();
  TPoint RadioGroupSize(const TCellGraphic& g, bool Print);
  TPoint ButtonGraphicSize(const TCellGraphic& g, bool HasText);
  std::unique_ptr<TCellGraphics> FGraphics;
  // ==== typed cell values, selection queries, look and scroll setters
 public:
  // ---- typed values (grid/model/AdvGridTypedValues.cpp): storage column, grid row.
  // Reading raises EAdvGridError when the text is no number, Dates and Times
  // pass the platform's conversion error; a failed read or write changes nothing.
  int Ints(int ACol, int ARow);
  void SetInts(int ACol, int ARow, int Value);
  // Through AllCells: hidden rows reached, no tag stripping.
  int AllInts(int ACol, int ARow);
  void SetAllInts(int ACol, int ARow, int Value);
  double Floats(int ACol, int ARow);
  // In the column's float format.
  void SetFloats(int ACol, int ARow, double Value);
  double AllFloats(int ACol, int ARow);
  // In FloatFormat, never the column's.
  void SetAllFloats(int ACol, int ARow, double Value);
  TDateTime Dates(int ACol, int ARow);
  // A date of 0 or less empties the cell unless ShowNullDates.
  void SetDates(int ACol, int ARow, TDateTime Value);
  TDateTime Times(int ACol, int ARow);
  void SetTimes(int ACol, int ARow, TDateTime Value);
  String WideCells(int ACol, int ARow) { return Cells(ACol, ARow); }
  void SetWideCells(int ACol, int ARow, const String& Value) { SetCells(ACol, ARow, Value); }
  // The VALUE of the cell's control with that ID; "" without one. Writing
  // changes the cell only when the control is there.
  String ControlValues(int ACol, int ARow, const String& ID);
  void SetControlValues(int ACol, int ARow, const String& ID, const String& Value);
  bool ShowNullDates() const { return FLook.ShowNullDates; }
  void SetShowNullDates(bool Value) { FLook.ShowNullDates = Value; }
  // "a.b.c.d" of GetVersionNr; writing does nothing.
  String Version() { return VersionText(GetVersionNr()); }
  void SetVersion(const String&) {}
  static String VersionText(int VersionNr);
  // Of the last printed page, columns 0..511; printing keeps them.
  static constexpr int PrintColumnCount = 512;
  int PrintColWidth(int ACol) const;
  int PrintColOffset(int ACol) const;
  void SetPrintColumn(int ACol, int Width, int Offset);
  // Copies; a nil list is ignored.
  void SetLookupItems(const TStrings* Value);
  // Copies and repaints.
  void SetFixedFont(const TFont& Value);
  void SetActiveCellFont(const TFont& Value);
  void SetBackGround(const TBackGround& Value);
  void SetShowModified(const TShowModified& Value);
  void SetProgressAppearance(const TGridProgressAppearance& Value);
  void SetFocusHelper(const TFocusHelper& Value);
  // Copies and repaints cell (0, Row).
  void SetRowIndicator(const TBitmap& Value);

  // ---- selection queries (grid/model/AdvGridSelectionQueries.cpp): display indexes
  // With ActiveCellShow the header row and column repaint, with
  // ActiveRowShow the new bottom row.
  void SetSelection(const TGridRect& Value);
  void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    SetSelection({FromCol, FromRow, ToCol, ToRow});
  }
  // False for fixed cells in every mode.
  bool IsSelected(int ACol, int ARow);
  // Rows joined by CR LF, cells by TAB.
  String SelectedText();
  bool SelectedCells(int ACol, int ARow);
  // Works in every mode; outside disjunct cell selection the next count rebuilds the list.
  void SetSelectedCells(int ACol, int ARow, bool Value);
  TGridCoord SelectedCell(int Index) const;
  // Outside disjunct cell selection the list is first rebuilt from Selection.
  int SelectedCellsCount();
  int SelectedColCount();
  int SelectedRowCount();
  // -1 past the end.
  int SelectedRow(int Index);
  void ClearSelectedCells();
  void ClearModifiedRows();
  void InvalidateGridRect(const TGridRect& R);
  TSelectedCellList& SelectedCellList() { return *FSelectedCells; }
  bool ExcelClipboardFormat() const { return FLook.ExcelClipboardFormat; }
  void SetExcelClipboardFormat(bool Value) { FLook.ExcelClipboardFormat = Value; }
  // Sets the column and row visible, centring the one out of view.
  void ScrollInView(int ColIndex, int RowIndex);

  // ---- look and scroll setters (grid/model/AdvGridLookSetters.cpp)
  TColor URLColor() const { return FLook.URLColor; }
  void SetURLColor(TColor Value);
  bool URLShow() const { return FLook.URLShow; }
  void SetURLShow(bool Value);
  // A right click on a URL cell opens the editor on it, not the link.
  bool URLEdit() const { return FLook.URLEdit; }
  void SetURLEdit(bool Value) { FLook.URLEdit = Value; }
  bool URLShowInText() const { return FLook.URLShowInText; }
  void SetURLShowInText(bool Value);
  bool URLFull() const { return FLook.URLFull; }
  void SetURLFull(bool Value);
  bool ShowDesignHelper() const { return FLook.ShowDesignHelper; }
  void SetShowDesignHelper(bool Value);
  bool ActiveCellShow() const { return FValues.ActiveCellShow; }
  void SetActiveCellShow(bool Value);
  TColor ActiveCellColor() const { return FValues.ActiveCellColor; }
  void SetActiveCellColor(TColor Value);
  TColor ActiveCellColorTo() const { return FLook.ActiveCellColorTo; }
  void SetActiveCellColorTo(TColor Value);
  // Also the colours of the mini-HTML highlight, for every grid.
  TColor HighlightColor() const { return FLook.HighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor HighlightTextColor() const { return FLook.HighlightTextColor; }
  void SetHighlightTextColor(TColor Value);
  bool Hovering() const { return FLook.Hovering; }
  void SetHovering(bool Value) { FLook.Hovering = Value; }
  GX_OPTION(bool, FitCellsInGrid)
  bool AutoThemeAdapt() const { return FValues.AutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  // Registers the grid's window with the shared theme notifier while on.
  // Office theme following arrives with the theme-aware looks.
  virtual void FollowOfficeTheme();
  // Repaints the floating footer's panel.
  void UpdateFooter();
  TPoint XYOffset() const { return FValues.XYOffset; }
  void SetXYOffset(TPoint Value);
  // Without repainting.
  void UpdateXYOffset(int X, int Y) { FValues.XYOffset = TPoint{X, Y}; }
  TScrollBarAlways ScrollBarAlways() const { return FLook.ScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways Value);
  void ApplyScrollBarAlways(bool Force);
  TScrollStyle ScrollBars() const { return FScrollBarsOwn; }
  void SetScrollBars(TScrollStyle Value);
  TScrollType ScrollType() const { return FLook.ScrollType; }
  void SetScrollType(TScrollType Value);
  TColor ScrollColor() const { return FLook.ScrollColor; }
  void SetScrollColor(TColor Value);
  int ScrollWidth() const { return FLook.ScrollWidth; }
  void SetScrollWidth(int Value);
  bool ScrollProportional() const { return FLook.ScrollProportional; }
  void SetScrollProportional(bool Value);
  // Hooks of the scrolling family.
  virtual void UpdateVertScrollProportional() {}
  virtual void UpdateHorzScrollProportional() {}
  // No flat scroll bars on this platform: they never become active.
  void FlatInit() {}
  void FlatDone() {}
  void UpdateFlatScrollBars() {}
  void FlatSetScrollProp(int Index, int Value, bool Redraw) {}
  bool FlatScrollActive() const { return false; }
  void CreateMetroScrollControls();
  void RemoveMetroScrollControls();
  TScrollControl* MetroVertScroll() const { return FMetroVert; }
  TScrollControl* MetroHorzScroll() const { return FMetroHorz; }
  void SetSelectionColor(TColor Value);
  TColor SelectionColorTo() const { return FLook.SelectionColorTo; }
  void SetSelectionColorTo(TColor Value);
  TColor SelectionMirrorColor() const { return FLook.SelectionMirrorColor; }
  void SetSelectionMirrorColor(TColor Value);
  TColor SelectionMirrorColorTo() const { return FLook.SelectionMirrorColorTo; }
  void SetSelectionMirrorColorTo(TColor Value);
  TColor SelectionTextColor() const { return FLook.SelectionTextColor; }
  void SetSelectionTextColor(TColor Value);
  bool SelectionColorMixer() const { return FLook.SelectionColorMixer; }
  void SetSelectionColorMixer(bool Value);
  bool SelectionRectangle() const { return FLook.SelectionRectangle; }
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const { return FLook.SelectionResizer; }
  void SetSelectionResizer(bool Value);
  // Kept within 0..100.
  int SelectionColorMixerFactor() const { return FLook.SelectionColorMixerFactor; }
  void SetSelectionColorMixerFactor(int Value);
  int MaxEditLength() const { return FLook.MaxEditLength; }
  void SetMaxEditLength(int Value);
  bool ShowSelection() const { return FLook.ShowSelection; }
  void SetShowSelection(bool Value);
  // True presets editing with range selection; false only stores.
  bool SpreadSheet() const { return FLook.SpreadSheet; }
  void SetSpreadSheet(bool Value);
  void SetVAlignment(TVAlignment Value);
  // The text drawing flag of VAlignment: DT_TOP, DT_VCENTER or DT_BOTTOM.
  unsigned VAlignDrawFlag() const { return FVAlign; }
  bool Flat() const { return FLook.Flat; }
  void SetFlat(bool Value);
  // Stored; the application's hint window stays the platform's for now.
  bool UseHTMLHints() const { return FLook.UseHTMLHints; }
  void SetUseHTMLHints(bool Value) { FLook.UseHTMLHints = Value; }
  TCursor Cursor() const { return TBaseGrid::Cursor(); }
  // Also remembered as the cursor to come back to after temporary ones.
  void SetCursor(TCursor Value);
  TColor ZEVGradientFrom() const { return ZEVGradient(fgFrom); }
  void SetZEVGradientFrom(TColor Value) { SetFixedGradientColor(fgFrom, Value); }
  TColor ZEVGradientTo() const { return ZEVGradient(fgTo); }
  void SetZEVGradientTo(TColor Value) { SetFixedGradientColor(fgTo, Value); }
  TColor ZEVGradientMirrorFrom() const { return ZEVGradient(fgMirrorFrom); }
  void SetZEVGradientMirrorFrom(TColor Value) { SetFixedGradientColor(fgMirrorFrom, Value); }
  TColor ZEVGradientMirrorTo() const { return ZEVGradient(fgMirrorTo); }
  void SetZEVGradientMirrorTo(TColor Value) { SetFixedGradientColor(fgMirrorTo, Value); }

 private:
  void StoreFloat(int ACol, int ARow, const String& Fmt, double Value, bool ThroughAllCells);
  String SelectedCellText(int ACol, int ARow);
  void StoreHighlightColors(TColor Background, TColor TextColor);
  void ApplyFlatScrollStyle();
  void ApplyFlatScrollColor();
  void ApplyFlatScrollWidth();
  void RegisterThemeWindow(bool Register);

  TAdvGridLookValues FLook;
  std::unique_ptr<TSelectedCellList> FSelectedCells;
  std::vector<int> FPrintColWidths;
  std::vector<int> FPrintColOffsets;
  TScrollStyle FScrollBarsOwn = ssBoth;
  TScrollControl* FMetroVert = nullptr;  // owned as components
  TScrollControl* FMetroHorz = nullptr;
  unsigned FVAlign = 0;

  // ==== sorting (grid/model/AdvGridSort.cpp, family TGridSorter)
  // Columns are storage columns, rows displayed rows.
 public:
  // On SortSettings.Column and Direction; nothing without a column.
  virtual void QSort();
  // On the sort index list; raises "No indexes specified for indexed sort" when it is empty.
  virtual void QSortIndexed();
  // Inside the expanded groups of the deepest node level.
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  // Back to the order before the first sort since the record was started.
  virtual void QUnSort();
  void InitSortXRef();
  void Sort(int Column, TSortDirection Direction);
  void SortByColumn(int Col);
  // A row range inside scratch rows, on Col or on the sort index list.
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  // Swaps the two rows when they are out of order; equal cells go on to the next column.
  bool SortLine(int Col, int ARow1, int ARow2);
  // 1 when the first cell sorts after the second, -1 before, 0 equal.
  int CompareCells(int ACol, int ARow1, bool Descending, int ARow2);
  int CompareLine(int ACol, int ARow1, int ARow2);
  int CompareLineIndexed(int Index, int ARow1, int ARow2);
  // Comparisons made since it was last set.
  int Compares() const;
  void SetCompares(int Value);
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  // After a sort that keeps the current row's index.
  TRowChangedEvent OnRowChanged;

 private:
  friend class TGridSorter;
  std::unique_ptr<TGridSorter> FSorter;

  // ==== outline nodes (grid/model/AdvGridNodes.cpp, family TOutlineNodes)
  // Real rows; a parked or missing row is ignored.
 public:
  void AddNode(int ARow, int Span);
  // Expands the node first and lowers the levels of its block.
  void RemoveNode(int ARow);
  void RemoveAllNodes();
  void ContractNode(int ARow);
  // With CellNode.ExpandOne every other open node not holding ARow closes.
  void ExpandNode(int ARow);
  void ContractAll();
  void ExpandAll();
  // The node rows that exist, shown or parked.
  int NumNodes() const;
  bool HasNodes() const override { return NumNodes() > 0; }
  void AddSummaryRow(int ARow);
  // Outside any node; the displayed RemoveNormalRow is RemoveRows(ARow, 1).
  void InsertNormalRow(int ARow);
  void RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }
  // Inside the node holding ARow (a node row holds itself): it and every
  // node above it grow by one row and open. InsertAt 0 on a node row puts
  // the node row's cells into the new row below it.
  void InsertChildRow(int ARow, int InsertAt);
  void RemoveChildRow(int ARow);
  // Displayed rows from here on; writes on rows without a node are ignored.
  void SetNodeState(int ARow, bool Value);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  // Rows added (negative: removed) by InsertChildRow and RemoveChildRow.
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  // For the tree lines: 0 on a node row, 2 when the next row goes on at the
  // same or a deeper level, 1 when the row ends its block.
  int GetNodeSpanType(int ARow);
  // X in client pixels.
  bool IsInNodeGlyph(int ARow, int X);
  int GetRowIndent(int ARow) override;

  // ---- expandable cells: a row switching between two heights
  void AddExpand(int ACol, int ARow, int ExpandedHeight);
  void RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
  bool HasExpand(int ACol, int ARow) { return HasGraphicType(ACol, ARow, {ctExpand}); }
  // The new state; false without an expand button.
  bool ToggleExpand(int ACol, int ARow);
  bool GetExpandState(int ACol, int ARow);
  // The default row height without an expand button.
  int GetExpandHeight(int ACol, int ARow, bool Expanded);

 private:
  friend class TOutlineNodes;
  std::unique_ptr<TOutlineNodes> FNodes;

  // ==== filtering (grid/model/AdvGridFiltering.cpp, AdvGridFilterDropDown.cpp)
  // Rows are displayed rows; a filter's columns are storage columns.
 public:
  GX_OPTION(bool, FilterNormalCellsOnly)
  GX_OPTION(bool, AutoFilterUpdate)
  GX_OPTION(bool, FilterDropDownCheck)
  GX_OPTION(TFilterDropDownColumns, FilterDropDownColumns)
  // The fixed row that shows the glyph; other rows are refused.
  int FilterDropDownRow() const { return FValues.FilterDropDownRow; }
  void SetFilterDropDownRow(int Value);
  bool FilterActive() const;
  void SetFilterActive(bool Value);
  // Whether the row passes the conditions and OnCustomFilter.
  virtual bool RowMatchesFilter(int ARow);
  // Parks the row unless it matches.
  void FilterRow(int ARow);
  // Parks every data row that does not match as one new filter level.
  void ApplyFilter();
  // Answers whether more than one level remains.
  bool RemoveLastFilter();
  void RemoveAllFilters();
  // Filtering as the user types; AColumn -1 filters on the whole row.
  void NarrowDown(const String& ACondition, int AColumn = -1);
  // The column whose drop-down is open; -1 when none.
  int FilterCol() const;
  void SetFilterCol(int Value);
  // The drop-down controls, children of the grid made hidden on first use.
  TDropList* FilterDropList();
  TDropCheckList* FilterDropCheckList();
  virtual void FilterListSelect(TObject* Sender, int ItemIndex);
  // The filter from the checked entries of the check list.
  virtual void FilterCheckListSelect();
  // Observers of cell changes, called in registration order; not owned.
  void RegisterNotifier(TGridChangeNotifier* Item);
  void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
  TFilterEvent OnCustomFilter;
  TFilterProgressEvent OnFilterProgress;
  TFilterSelectEvent OnFilterSelect;
  TFilterCheckEvent OnFilterCheck;

 protected:
  // After a choice: the filter on again, the first data row current, OnFilterDone.
  void FilterChoiceDone();

 private:
  void TakeBackFilterLevel();
  void ReportFilterProgress(int Tested, int Total);
  void ReplaceFilterBy(const String& ACondition, int AColumn, bool Quote);
  void ShowEveryParkedRow();

  // ==== search and replace (grid/model/AdvGridSearch.cpp, family TGridFinder)
  // Cells of a hit: displayed column (storage with fnIncludeHiddenColumns) and
  // displayed row (real with fnIncludeHiddenRows).
 public:
  TPoint Find(TPoint StartCell, const String& s, TFindParams FindParams);
  // Find without moving the top row.
  TPoint FindWide(TPoint StartCell, const String& s, TFindParams FindParams);
  TPoint FindFirst(const String& s, TFindParams FindParams);
  TPoint FindNext();
  // Every hit cell once; answers the cells changed.
  int Replace(const String& OrigStr, const String& NewStr, TFindParams FindParams);
  // The first data row whose key cell starts with s (upper case); -1 when none.
  int Search(const String& s);
  bool FindBusy() const;
  int FindCol() const;
  void SetFindCol(int Value);
  int FindRow() const;
  void SetFindRow(int Value);
  TPoint SearchCell() const;
  void SetSearchCell(TPoint Value);
  const String& SearchCache() const;
  // The search footer's actions (grid/model/AdvGridSearchFooter.cpp).
  void SearchFooterTextChange();
  void SearchFooterFindPrevious();
  void SearchFooterFindNext();
  void SearchFooterClose();
  void SearchFooterHighlight();
  // ==== highlighting, marking and cell checking (grid/model/AdvGridHighlight.cpp)
  // Found text goes into the "hi" tag, errors into the "e" tag. Columns are
  // storage columns; DoFixed takes the whole grid instead of the data area.
  static String HilightText(bool DoCase, const String& S, const String& Text);
  static String UnHilightText(const String& S);
  static String MarkText(bool DoCase, const String& S, const String& Text);
  static String UnMarkText(const String& S);
  void HilightInCell(bool DoCase, int Col, int Row, const String& HiText);
  void MarkInCell(bool DoCase, int Col, int Row, const String& HiText);
  virtual void HilightInCol(bool DoFixed, bool DoCase, int Col, const String& HiText);
  void MarkInCol(bool DoFixed, bool DoCase, int Col, const String& HiText);
  void HilightInRow(bool DoFixed, bool DoCase, int Row, const String& HiText);
  void MarkInRow(bool DoFixed, bool DoCase, int Row, const String& HiText);
  // The data area reaches the hidden columns here, not in MarkInGrid.
  virtual void HilightInGrid(bool DoFixed, bool DoCase, const String& HiText);
  void MarkInGrid(bool DoFixed, bool DoCase, const String& HiText);
  void UnHilightInCell(int Col, int Row);
  void UnMarkInCell(int Col, int Row);
  virtual void UnHilightInCol(bool DoFixed, int Col);
  void UnMarkInCol(bool DoFixed, int Col);
  void UnHilightInRow(bool DoFixed, int Row);
  void UnMarkInRow(bool DoFixed, int Row);
  virtual void UnHilightInGrid(bool DoFixed);
  void UnMarkInGrid(bool DoFixed);
  // Not owned; forgotten when freed.
  TAdvStringGridCheck* CellChecker() const;
  void SetCellChecker(TAdvStringGridCheck* Value);
  // Each answers whether the checker left every checked cell as it was;
  // true without a checker.
  bool CheckCell(int Col, int Row);
  bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool CheckCol(bool DoFixed, int Col);
  bool CheckRow(bool DoFixed, int Row);
  bool CheckGrid(bool DoFixed);

 private:
  // Rows and columns of the whole grid or the data area; Hidden extends the
  // last column over the hidden columns' storage.
  TGridRect HighlightRange(bool DoFixed, bool Hidden) const;
  String TaggableText(int Col, int Row);
  void TagCells(const TGridRect& Range, const String& Tag, bool DoCase, const String& Text);
  void UntagCells(const TGridRect& Range, const String& Tag);

 public:
  TSearchEditChangeEvent OnSearchEditChange;
  TNotifyEvent OnSearchFooterClose;

 private:
  friend class TGridFinder;
  std::unique_ptr<TGridFinder> FFinder;
  TFindParams FooterFindParams(TSearchAction Action);
  void RemoveFooterHighlights();
  void HighlightFooterText(const String& Text);
  void MarkSearchEdit(bool Found);
  void FooterStep(TSearchAction Action);
  // The footer's SearchColumn when it is a column of the grid.
  bool FooterSearchColumn(int& ACol) const;

  // ==== grouping (grid/model/AdvGridGrouping.cpp, family TRowGrouping)
  friend class TRowGrouping;
  std::unique_ptr<TRowGrouping> FGrouper;

 protected:
  // Group takes a column right of the fixed columns and column 0, which
  // holds the outline.
  bool IsGroupableColumn(int ColIndex) const;

  // ==== bulk row and cell operations (grid/model/AdvGridBulkRows.cpp, AdvGridMergeOps.cpp)
  // Rows and columns are displayed ones; split and merge take storage columns.
 public:
  void ClearSelection();
  // Each removes its rows or columns in one pass.
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();
  // The rows whose check box in the column is in the state RemoveChecked.
  void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
  // Rows whose text in the column came earlier, in any case.
  void RemoveDuplicates(int ACol, bool DoCase);
  void SplitColumnCells(int ColIndex);
  void SplitRowCells(int RowIndex);
  void SplitAllCells();
  void SplitAllColumnCells();
  // Runs of equal texts; without MainMerge only within spans the lines share.
  void MergeColumnCells(int ColIndex, bool MainMerge);
  void MergeRowCells(int RowIndex, bool MainMerge);
  // The merged-columns list in order, the first column as the main merge.
  void MergeAllColumnCells();
  // Column 1 gets Trim(text1 + Separator + text2); column 2 goes.
  void MergeCols(int ColIndex1, int ColIndex2, const String& Separator);
  // The text starts with the wide-text marker.
  bool IsWideCell(int ACol, int ARow);
  // The first cell, row by row, whose raw text is SubStr.
  bool IsCell(const String& SubStr, int& ACol, int& ARow);

 private:
  int LastDataRow() const;

  // ==== the in-place editing cycle (grid/interact/AdvGridEditing.cpp, family
  // ==== TGridEditCycle, whose fields are the editing state)
  // Columns are displayed ones unless said otherwise.
 public:
  // True only when the platform's text editor is to show; a special kind
  // opens its own control instead.
  bool CanEditShow() override;
  // Places and fills the special editor of the cell's kind.
  virtual void ShowEditControl(int ACol, int ARow);
  // Writes the special editor's value back and hides it.
  virtual void HideEditControl(int ACol, int ARow);
  void HideCellEdit() { HideEditControl(Col(), Row()); }
  // F2 to the grid: the key handling opens the editor on the current cell.
  void ShowCellEdit();
  // The one path of an edited value into a cell; ACol is a storage column.
  virtual void StoreEditorValue(int ACol, int ARow, const String& Value);
  // The current cell gets the text it had when editing started.
  virtual void RestoreCachedCell();
  // Fires OnGetEditorProp, then OnGetEditorPropInt; ACol is a storage column.
  virtual void DoGetEditorProp(int ACol, int ARow, TComponent* AEditLink);
  bool IsEditable(int ACol, int ARow);
  bool IsPasswordCell(int ACol, int ARow);
  // MaxEditLength; the column grid answers the column's EditLength.
  int GetEditLimit() override;
  // An editor closes because of Key: the value goes back, Tab and the arrows
  // move on as on the grid, Enter advances.
  void DoneInplaceEdit(WORD Key, TShiftState Shift);
  TGridEditCycle& EditCycle();
  TEditorType EditControl();
  bool EditMode();

  TGetEditorPropEvent OnGetEditorProp;
  TGetEditorPropEvent OnGetEditorPropInt;

 private:
  friend class TGridEditCycle;
  friend class TAdvInplaceEdit;
  struct TEditCycleDeleter {
    void operator()(TGridEditCycle* Cycle) const;
  };
  std::unique_ptr<TGridEditCycle, TEditCycleDeleter> FEditCycle;

  // ==== cell painting (grid/paint/AdvGridVisualProps.cpp, AdvGridCellPaint.cpp and
  // ==== the painter family TCellPainter, made on the stack for each cell)
  // Columns are displayed ones unless said otherwise.
 public:
  // The one place a cell's brush, gradient colours, font, alignment, word
  // wrap and gradient direction are settled; WW and GD are written only
  // where a cell property or hook decides them.
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                           bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                           TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                           bool& WW, TCellGradientDirection& GD) override;
  // The font a cell's text is measured in; RCol is the storage column.
  void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont,
                         TBrush& ABrush, bool Remap);
  // ACol is a storage column.
  void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
  // The content inside the cell's lines, on any canvas.
  void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                       TGridDrawState AState) override;
  // Footer rows, right fixed columns and the cells DoIsFixedCell names.
  bool IsFixed(int ACol, int ARow) override;
  bool IsHoverFixedCell(int ACol, int ARow);
  // The sort glyph of a header cell centred at (X, Y).
  void DrawSortIndicator(TCanvas& ACanvas, int ACol, int Y, int X);
  // One check box in R in a control style (grid/paint/CheckGlyphPaint.cpp);
  // with UseState, State decides checked and grayed.
  void DrawCellCheckBox(TCanvas& ACanvas, const TRect& R, bool Checked, TCheckBoxState State,
                        bool UseState, TControlStyle Style, bool Grayed, bool Enabled);
  // Count radio buttons with the texts of Items (none: no texts); Index >= 0
  // turns item Index + 1 on, -1 the item whose text is the cell's (ACol a
  // storage column). Scale sizes frame-control buttons; Upward runs vertical
  // items towards smaller y (pages whose y axis points up).
  void DrawRadioButtons(TCanvas& ACanvas, const TRect& R, bool Upward, double Scale,
                        TControlStyle Style, int ARow, int ACol, bool Selected, const TStrings* Items,
                        bool Disabled, bool Horizontal, int Index, int Count);

  TGridLook Look() const { return FPaint.Look; }
  void SetLook(TGridLook Value);
  bool UseDisabledFont() const { return FPaint.UseDisabledFont; }
  void SetUseDisabledFont(bool Value) { SetPaintValue(FPaint.UseDisabledFont, Value); }
  TColor DisabledFontColor() const { return FPaint.DisabledFontColor; }
  void SetDisabledFontColor(TColor Value) { SetPaintValue(FPaint.DisabledFontColor, Value); }
  bool HideFocusRect() const { return FPaint.HideFocusRect; }
  void SetHideFocusRect(bool Value) { SetPaintValue(FPaint.HideFocusRect, Value); }
  THoverFixedCells HoverFixedCells() const { return FPaint.HoverFixedCells; }
  void SetHoverFixedCells(THoverFixedCells Value) { SetPaintValue(FPaint.HoverFixedCells, Value); }
  bool NoImageAndText() const { return FPaint.NoImageAndText; }
  void SetNoImageAndText(bool Value) { SetPaintValue(FPaint.NoImageAndText, Value); }
  bool NoDefaultDraw() const { return FPaint.NoDefaultDraw; }
  void SetNoDefaultDraw(bool Value) { SetPaintValue(FPaint.NoDefaultDraw, Value); }
  bool EnableHTML() const { return FPaint.EnableHTML; }
  void SetEnableHTML(bool Value) { SetPaintValue(FPaint.EnableHTML, Value); }
  Char PasswordChar() const { return FPaint.PasswordChar; }
  void SetPasswordChar(Char Value) { SetPaintValue(FPaint.PasswordChar, Value); }
  bool EnhTextSize() const { return FPaint.EnhTextSize; }
  void SetEnhTextSize(bool Value) { SetPaintValue(FPaint.EnhTextSize, Value); }
  bool URLUnderlineOnHover() const { return FPaint.URLUnderlineOnHover; }
  void SetURLUnderlineOnHover(bool Value) { SetPaintValue(FPaint.URLUnderlineOnHover, Value); }
  bool SelectionRTFKeep() const { return FPaint.SelectionRTFKeep; }
  void SetSelectionRTFKeep(bool Value) { SetPaintValue(FPaint.SelectionRTFKeep, Value); }
  TColor SelectionRectangleColor() const { return FPaint.SelectionRectangleColor; }
  void SetSelectionRectangleColor(TColor Value) {
    SetPaintValue(FPaint.SelectionRectangleColor, Value);
  }
  // The pointer state the painter shows; the pointer handling sets it.
  TAdvGridPaintValues& PaintState() { return FPaint; }

  // ==== looks, style presets and colour tones (grid/paint/GridLooks.cpp,
  // GridStylePresets.cpp)
  // A preset's look first, then its colours; an ordinal outside the
  // sixteen styles changes nothing.
  virtual void SetStyle(TAdvGridStyle AStyle);
  void SetComponentStyle(TZEVStyle AStyle) override;
  // The flat "metro" look built from the five tones.
  void SetColorTones(const TColorTones& ATones) override;
  void SetTheme(TXPColorScheme Scheme);
  TZEVStyle ComponentStyle() const;
  const TColorTones& ColorTones() const;
  bool HasColorTones() const;
  // The drop-down editors that exist, each in its slot; a freed editor
  // leaves its slot. Those answering IZEVStyle or IZEVTones take the grid's
  // style and tones.
  void SetDropDownEditor(TDropDownEditorSlot Slot, TComponent* Editor);
  TComponent* DropDownEditor(TDropDownEditorSlot Slot) const;
  void PassStyleToEditors(TZEVStyle AStyle);
  static String LookIdentifier(TGridLook Look);
  // glCustom leaves S as it is.
  static void LookCaption(TGridLook Look, String& S);

  // ==== grid-level painting and the focus glow (grid/paint/GridFramePaint.cpp,
  // GridFocusGlow.cpp, GridScale.cpp)
  // The background picture or gradient where no cell is.
  void PaintGridBackground();
  // The one-pixel outer border in BorderColor, on the window's canvas.
  void PaintLookBorder(TCanvas& Canvas);
  // Resize feedback: a dotted XOR line; drawing it again erases it.
  void DrawColSizeLine(int X);
  void DrawRowSizeLine(int Y);
  // The glow window, when one was made (none at design time).
  TControl* FocusWindow() const;
  TNotifyEvent OnPainted;

  TGetCellGradientEvent OnGetCellGradient;
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellDrawEvent OnCustomCellDraw;
  TGetCellBorderPropEvent OnGetCellBorderProp;

 private:
  friend class TCellPainter;
  template <class T>
  void SetPaintValue(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
  }
  bool InFixedArea(int ACol, int ARow) const { return ACol < FixedCols() || ARow < FixedRows(); }
  void ApplySelectionColors(TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                            TColor& AMirrorColorTo, TFont& AFont);
  // A right-to-left grid paints its own surface on a mirrored layout. Text
  // and glyphs are placed mirrored by hand and drawn upright (TMirrorLayout
  // off), so they read left to right. Other surfaces (the footer panel, a
  // print page) keep left to right and place their cells themselves.
  static bool DrawsMirrored(const TCanvas& ACanvas) { return ACanvas.Mirrored(); }
  // The sort index entry's glyph or triangle with its number, at (X, Y).
  void DrawSortIndex(TCanvas& ACanvas, const TBitmap* Glyph, bool Descending, int Pos, int X, int Y);
  TAdvGridPaintValues FPaint;

  // ==== column, row and group calculations (grid/model/AdvGridCalc.cpp,
  // ==== AdvGridGroupCalc.cpp, AdvGridFooterCalc.cpp)
  // Rows -1 take FixedRows .. the last data row. A range ending past the last
  // data row is taken as real rows, parked ones included. Node and summary
  // rows count only while no column is grouped; merged areas count once; a
  // counted cell that is no number is skipped.
 public:
  double ColumnSum(int ACol, int FromRow = -1, int ToRow = -1);
  // Divides by every row of the range, skipped ones included; 0 when empty.
  double ColumnAvg(int ACol, int FromRow = -1, int ToRow = -1);
  // From the first counted cell, which raises when it is no number.
  double ColumnMin(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnMax(int ACol, int FromRow = -1, int ToRow = -1);
  // Population deviation over every row of the range; raises on a text.
  double ColumnStdDev(int ACol, int FromRow = -1, int ToRow = -1);
  // Distinct texts of every row, compared without case.
  double ColumnDistinct(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnCustomCalc(int ACol, int FromRow = -1, int ToRow = -1);
  double GroupCustomCalc(int ACol, int FromRow, int ToRow);
  // Base cells of the columns; cells that are no number are skipped.
  double RowSum(int ARow, int FromCol, int ToCol);
  double RowAvg(int ARow, int FromCol, int ToCol);
  // From the first column's value, which raises when it is no number.
  double RowMin(int ARow, int FromCol, int ToCol);
  double RowMax(int ARow, int FromCol, int ToCol);

  // Into each expanded group's summary row, or its header row without
  // summaries: 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 custom,
  // 7 distinct, 8 deviation.
  void GroupCalc(int ColIndex, int Method);
  // These five also set the visible footer's calculation of the column.
  void GroupSum(int ColIndex);
  void GroupAvg(int ColIndex);
  void GroupMin(int ColIndex);
  void GroupMax(int ColIndex);
  void GroupCount(int ColIndex);
  void GroupCustomCalc(int ColIndex) { GroupCalc(ColIndex, 6); }
  void GroupDistinct(int ColIndex) { GroupCalc(ColIndex, 7); }
  void GroupStdDev(int ColIndex) { GroupCalc(ColIndex, 8); }

  TColumnCalcEvent OnColumnCalc;
  TColumnCalcEvent OnGroupCalc;

 private:
  // The floating footer shows the grid's last row as its footer row.
  bool HasFooterRow() const;
  double ColumnExtreme(int ACol, int FromRow, int ToRow, bool Largest);
  double RowExtreme(int ARow, int FromCol, int ToCol, bool Largest);
  void GroupCalcWithFooter(int ColIndex, int Method, TColumnCalcType Footer);
  void CalcFooterColumn(int ACol);
  // The row count without moving the footer row; the row engine's own.
  void ApplyRowCount(int Value);
  // Moves the footer row, texts and records, to the new last row.
  void SetRowCountKeepingFooter(int Value);
  // Due footer recalculation, run by the outermost EndUpdate.
  void CalcDueFooter();

  // ==== cursor keys (grid/interact/GridKeyboardCursor.cpp, GridKeyboardAdvance.cpp)
 public:
  // The current row is the last data row (above a shown floating footer).
  bool IsLastDataRow();
  // An empty row after the last data row, footer rows kept below it;
  // OnCanAddRow may refuse, OnAutoAddRow reports the new row.
  void AutoAddRow();
  // Moving rows by Ctrl+Up/Down, wrapping and skipping disabled rows
  // around the platform grid's cursor movement.
  void KeyDown(WORD& Key, TShiftState Shift) override;

  // ==== cell hints (grid/interact/CellHints.cpp)
 public:
  // On, a data cell's hint is its text (raw with HTMLHint, else without tags).
  GX_OPTION(bool, HintShowCells)
  GX_OPTION(bool, HTMLHint)
  GX_OPTION(TColor, HintColor)
  GX_OPTION(bool, UseInternalHintClass)
  // Fills the application's hint request for the cell under its cursor.
  void BuildCellHint(THintInfo& Info);

 private:
  void CMHintShow(TMessage& Message);
  bool IsHintDataCell(int ACol, int ARow);
  // The pending or shown hint belongs to the cell the pointer left.
  void CancelHintOutsideCell(TPoint At);

  // ==== the pointer over the grid (grid/interact/GridPointerHover.cpp)
 protected:
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;

 private:
  // Keeps the pointer position for the hot and pressed looks of mini-HTML
  // controls and repaints the control cells it leaves and enters.
  void TrackPointer(TPoint At);
  void RepaintControlCellAt(TPoint At);
};

// The rotated-text alignment behind CalcRotatedTextRect; printing passes its
// own extents. Only R.Left and R.Top change.
void AlignRotatedTextRect(TRect& R, TAlignment HAlign, TVAlignment VAlign, int Angle, int W1,
                          int H1, int W2, int H2);
