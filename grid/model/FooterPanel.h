#pragma once
// The strip under the grid that shows the floating footer. The grid makes
// it bottom-aligned with no height and parents it when its window is made;
// what it paints comes with the floating footer.
#include "platform/gui/ExtCtrls.h"

class TAdvStringGrid;

class TFooterPanel : public TPanel {
 public:
  explicit TFooterPanel(TAdvStringGrid* AGrid);
  String ClassName() const override { return u"TFooterPanel"; }
  TAdvStringGrid* Grid() const { return FGrid; }
  int LastHintX() const { return FLastHintX; }

 private:
  TAdvStringGrid* FGrid;
  int FLastHintX = -1;  // column of the last hint
};
