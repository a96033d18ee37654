#pragma once
// The find bar the grid docks at its bottom while its search footer is
// visible. The grid makes it bottom-aligned with no height and parents it
// when its window is made. It holds the search edit (each change searches),
// the match-case box and the highlight button (a toggle); placing them and
// the other buttons come with the bar's layout.
#include "platform/gui/ExtCtrls.h"

class TAdvStringGrid;
class TCheckBox;
class TEdit;
class TSpeedButton;

class TSearchPanel : public TPanel {
 public:
  explicit TSearchPanel(TAdvStringGrid* AGrid);
  String ClassName() const override { return u"TSearchPanel"; }
  TAdvStringGrid* Grid() const { return FGrid; }
  // clNone: no gradient.
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TEdit* Edit() const { return FEdit; }
  TCheckBox* MatchCase() const { return FMatchCase; }
  TSpeedButton* HiliteButton() const { return FHiliteButton; }

 private:
  TAdvStringGrid* FGrid;
  TColor FColorTo = clNone;
  TEdit* FEdit;  // owned as components
  TCheckBox* FMatchCase;
  TSpeedButton* FHiliteButton;
};
