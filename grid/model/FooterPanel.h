#pragma once
// The strip under the grid that shows the floating footer. The grid makes
// it bottom-aligned with no height and parents it when its window is made.
// It paints the footer by its style, names the footer column under the
// mouse for hints and clicks, and passes a release on to the grid as a
// click and a click on that column.
#include "platform/grids/GridTypes.h"
#include "platform/gui/ExtCtrls.h"

struct THintInfo;

class TAdvStringGrid;

class TFooterPanel : public TPanel {
 public:
  explicit TFooterPanel(TAdvStringGrid* AGrid);
  String ClassName() const override { return u"TFooterPanel"; }
  TAdvStringGrid* Grid() const { return FGrid; }
  int LastHintX() const { return FLastHintX; }
  // The grid column whose footer cell lies under X, -1 for none: the fixed
  // columns, then the columns from the grid's left column on.
  int ColumnAt(int X) const;
  // The width the grid's columns take: the fixed ones and those from the
  // left column to the last.
  int ColumnsWidth() const;
  // Parented into a grid that has its window, the panel makes its own.
  void SetParent(TWinControl* AParent) override;

 protected:
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;

 private:
  void HintShow(THintInfo& Info, TMessage& Message);
  // Mirrors R for a right-to-left grid.
  TRect Placed(const TRect& R) const;
  void PaintFixedLastRow(TCanvas& C, int W);
  void PaintFooterCell(TCanvas& C, int ACol, const TRect& R);
  void PaintPreviewFrame(TCanvas& C, int W);
  void PaintColumnPreview(TCanvas& C, int W);
  void PaintCustomPreview(TCanvas& C, int W);
  // Through OnPaintFooter when assigned, else as the grid paints the cell
  // on Background.
  void PaintCell(TCanvas& C, int ACol, int ARow, const TRect& R, TGridDrawState State,
                 TColor Background);

  TAdvStringGrid* FGrid;
  int FLastHintX = -1;  // column of the last hint
};
