#pragma once
// The find bar the grid docks at its bottom while its search footer is
// visible. The grid makes it bottom-aligned with no height and parents it
// when its window is made; its edit, buttons and wiring come with the bar.
#include "platform/gui/ExtCtrls.h"

class TAdvStringGrid;

class TSearchPanel : public TPanel {
 public:
  explicit TSearchPanel(TAdvStringGrid* AGrid);
  String ClassName() const override { return u"TSearchPanel"; }
  TAdvStringGrid* Grid() const { return FGrid; }
  // clNone: no gradient.
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);

 private:
  TAdvStringGrid* FGrid;
  TColor FColorTo = clNone;
};
