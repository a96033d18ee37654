#pragma once
// The grid of every table window: a string grid whose per-column settings
// live in a collection of column items (Columns), one per storage column,
// kept in step with the grid's columns, and from which the grid's per-cell
// questions are answered.
#include <functional>
#include <memory>

#include "grid/model/AdvStringGrid.h"
#include "grid/model/GridColumnCollection.h"

class TStream;
class TPopupMenu;

using TColumnPopupEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TAdvColumnGrid : public TAdvStringGrid {
 public:
  explicit TAdvColumnGrid(TComponent* AOwner);
  ~TAdvColumnGrid() override;
  String ClassName() const override { return u"TAdvColumnGrid"; }

  TGridColumnCollection* Columns() const { return FColumnCollection.get(); }
  void SetColumns(const TGridColumnCollection& Value);
  // The first item named exactly AValue; nil when none is.
  TGridColumnItem* ColumnByName(const String& AValue) const;
  // The item of storage column ACol; nil beyond the collection.
  TGridColumnItem* ColumnItem(int ACol) const;

  // The string grid's count, then the items follow it.
  void SetColCount(int Value);
  // Storage columns; the items are inserted and removed with them.
  void InsertCols(int ColIndex, int CCount) override;
  // The grouped column's item waits in a scratch item until ungrouping.
  void Group(int ColIndex) override;
  void UnGroup() override;
  bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
  void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
  bool ColMoving() const { return FColMoving; }

  // Items added or freed at the end until there is one per storage column.
  void SyncColumnCount();
  // Empty headers take the text of row 0; then ColumnHeaders lists every header.
  void SyncColumnHeaders();
  // Item headers taken from ColumnHeaders (without the header setter).
  void ColumnHeadersChanged() override;
  // ColumnHeaders := every item's header, in item order.
  void RebuildColumnHeaders();

  int GetVersionNr() override { return 0x03010301; }
  String GetVersionString() override;

  // The column layout as one stream record of a TAdvColumnGridIO.
  void SaveColumnsToStream(TStream& st);
  void LoadColumnsFromStream(TStream& st);
  // The column order in an INI file: "CP" + position = the item's original
  // position. Loading refuses (false, nothing changed) a list with a missing
  // value or one that is not a permutation of the positions.
  void SaveColumnPositions(const String& Key, const String& Section);
  bool LoadColumnPositions(const String& Key, const String& Section);
  void SaveColPositions() override;
  void LoadColPositions() override;

  // ---- per-cell answers from the column items
  void GetDefaultProps(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                       TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                       TVAlignment& VA, bool& WW, TCellGradientDirection& GD) override;
  String GetFormattedCell(int ACol, int ARow) override;
  void GetColumnFloatFormat(int ACol, String& Value) override;
  void UpdateColumnSize(int ACol, int& AWidth) override;
  void UpdateAutoColumnSize(int ACol, int& AWidth) override;
  void AfterBulkCellChange() override;
  void DoGetCellColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                      TGridDrawState AState) override;
  void DoGetCellPrintColor(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                           TGridDrawState AState) override;
  void DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen) override;
  void DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen) override;
  void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  void DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix) override;
  void PrepareCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
  void DoIsFixedCell(int ACol, int ARow, bool& IsFixed) override;
  void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
  void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
  bool DoHasComboBox(int ACol, int ARow) override;
  void DoGetCheckTrue(int ACol, int ARow, String& Value) override;
  void DoGetCheckFalse(int ACol, int ARow, String& Value) override;
  bool FillColumnFilterList(int ACol) override;
  // The choice is the open column's own Filter entry; an empty condition is
  // stored as it is.
  void FilterListSelect(TObject* Sender, int ItemIndex) override;
  String GetEditMask(int ACol, int ARow) override;
  int GetEditLimit() override;
  // An empty body cell of an edDataCheckBox column reads as a data check box
  // and shows the grid's shared virtual check box.
  TCellType GetCellType(int ACol, int ARow) override;
  TCellGraphic* GetCellGraphic(int ACol, int ARow) override;

  // ---- platform notifications
  void ColWidthsChanged() override;
  void ColumnMoved(int FromIndex, int ToIndex) override;

  TColumnPopupEvent OnColumnPopup;
  TAfterColumnMovedEvent OnAfterColumnMoved;

 protected:
  // Storage columns; their items go with them.
  void RemoveColList(const std::vector<int>& Cols) override;
  virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  // Each item keeps the width its column shows (the stream writes it).
  void StoreColumnWidths();
  friend class TGridColumnCollection;
  // Whether (ACol, ARow) lies in the data area: past the fixed columns and rows.
  bool IsDataCell(int ACol, int ARow) const;
  // A data cell left of the right fixed columns and above the footer rows.
  bool IsBodyCell(int ACol, int ARow) const;
  bool IsDataCheckBoxCell(int ACol, int ARow) const;
  // Runs Action with the collection's own updates of the grid switched off.
  void WithoutRecursiveUpdate(const std::function<void()>& Action);
  void ShowColumnPopup(TMouseButton Button, int X, int Y);

  std::unique_ptr<TGridColumnCollection> FColumnCollection;
  std::unique_ptr<TGridColumnItem> FSaveCol;
  std::unique_ptr<TCellGraphic> FVirtCheckBox = std::make_unique<TCellGraphic>();
  bool FColMoving = false;
  bool FAutoFilterDisplay = false;
};
