#pragma once
// A TBaseGrid on a shown form whose painting hooks a test can steer: fixed
// cells, nodes, right-to-left, a look per cell, and counted invalidations.
#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/grid/base/BaseGridSupport.h"
#include "tests/support/ShownOnForm.h"

class TPaintGrid : public TTestGrid {
 public:
  TPaintGrid() : TTestGrid(5, 6) {
    SetDefaultColWidth(50);
    SetDefaultRowHeight(20);
  }
  using TBaseGrid::DoPaintCell;
  // One whole paint pass of the window on Canvas.
  void PaintPass(TCanvas& Canvas) { Perform(WM_PAINT, reinterpret_cast<WPARAM>(&Canvas), 0); }
  int PaintID() const { return FPaintID; }
  void SetHoverRowIdx(int Value) { FHoverRowIdx = Value; }
  void SetShowSel(bool Value) { FShowSel = Value; }

  std::set<std::pair<int, int>> FixedCells;
  bool Nodes = false;
  bool RightToLeft = false;
  // Fills the look of a cell, as a subclass's resolver would.
  std::function<void(TBrush&, TColor&, TColor&, TColor&, TCellGradientDirection&)> Look;
  int Invalidations = 0;
  std::vector<TRect> InvalidatedRects;

  void Invalidate() override {
    ++Invalidations;
    TTestGrid::Invalidate();
  }
  void InvalidateRect(const TRect& R) override {
    InvalidatedRects.push_back(R);
    TTestGrid::InvalidateRect(R);
  }

 protected:
  bool IsFixed(int ACol, int ARow) override { return FixedCells.count({ACol, ARow}) > 0; }
  bool HasNodes() const override { return Nodes; }
  bool UseRightToLeftAlignment() const override { return RightToLeft; }
  void GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush& ABrush,
                           TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TFont&,
                           TAlignment&, TVAlignment&, bool&, TCellGradientDirection& GD) override {
    if (Look) Look(ABrush, AColorTo, AMirrorColor, AMirrorColorTo, GD);
  }
};

struct TShownPaintGrid : testsupport::TShownOnForm<TPaintGrid> {
  TShownPaintGrid() : TShownOnForm(new TPaintGrid) {}
};
