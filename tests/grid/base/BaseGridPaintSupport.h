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

// The grid shown on a form, so that it has a view and can take the focus.
struct TShownPaintGrid {
  std::unique_ptr<TForm> Form{new TForm(nullptr)};
  TPaintGrid* Grid = new TPaintGrid;
  TEdit* Other = new TEdit(nullptr);  // takes the focus away from the grid
  TShownPaintGrid() {
    Form->SetBounds(0, 0, 520, 320);
    Grid->SetParent(Form.get());
    Form->InsertComponent(Grid);
    Grid->SetBounds(0, 0, 450, 200);
    Other->SetParent(Form.get());
    Form->InsertComponent(Other);
    Other->SetBounds(0, 210, 100, 20);
    Form->Show();
  }
};
