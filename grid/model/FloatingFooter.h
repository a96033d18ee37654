#pragma once
// The settings of the strip under the grid: whether it shows, what it shows
// (the grid's last row as a footer row, a preview of the current row, or
// custom painting) and its colours. Writing Visible or FooterStyle also
// hides or shows the grid's own last row.
#include "grid/base/GridTypes.h"
#include "grid/model/AdvGridEvents.h"
#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TAdvStringGrid;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

class TFloatingFooter : public TPersistent {
 public:
  explicit TFloatingFooter(TAdvStringGrid* AGrid) : FGrid(AGrid) {}
  String ClassName() const override { return u"TFloatingFooter"; }
  // From another TFloatingFooter: everything but the height, the border
  // colour and the calculation switch; Visible goes through its setter.
  void Assign(const TPersistent& Source) override;

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(TFooterStyle Value);
  // The footer's height follows the grid's default row height.
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Column() const { return FColumn; }
  void SetColumn(int Value);
  const String& CustomTemplate() const { return FCustomTemplate; }
  void SetCustomTemplate(const String& Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
  void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
  bool EnableCalculation() const { return FEnableCalculation; }
  void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }

  // Kept in the footer cell's properties (last row); writing recalculates
  // that column's footer.
  TColumnCalcType ColumnCalc(int ACol) const;
  void SetColumnCalc(int ACol, TColumnCalcType Value);

  // Repaints the footer panel.
  void Invalidate();

  TFooterCalcEvent OnCalcFooter;

 private:
  // The grid covers its last row exactly while a fixed-last-row footer shows.
  void UpdateGridLastRow();

  TAdvStringGrid* FGrid;
  int FHeight = 0;
  bool FVisible = false;
  TColor FColor = clBtnFace;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  int FColumn = 0;
  String FCustomTemplate;
  bool FCalculateHiddenRows = true;
  bool FEnableCalculation = true;
  bool FShowHint = false;
  TColor FBorderColor = clNone;
};
