// Check boxes, radio buttons and radio groups in cells, drawn by the grid's
// glyph painters in the look's control style.
#include "grid/base/ControlLook.h"
#include "grid/paint/CellPainter.h"

namespace {

// A plain check box is never grayed: its CellAngle only marks a balloon.
// The row check box's CellAngle marks a partly selected row.
struct TBoxState {
  bool Checked = false;
  bool Grayed = false;
};

}  // namespace

void TCellPainter::DrawCheckGraphic(const TRect& Place) {
  const TCellGraphic& g = *Graphic;
  const TControlLook& look = *G.ControlLook();
  bool enabled = true;
  G.CanEditCell(RCol, ARow, enabled);
  switch (g.CellType()) {
    case ctRadioButton: {
      const int x = Place.Left + G.XYOffset().X, size = look.RadioSize();
      G.DrawRadioButtons(C, TRect{x, Place.Top, x + size, Place.Top + size}, false, 1.0, look.ControlStyle(), ARow,
                         RCol, AState.Contains(gdSelected), nullptr, !enabled, false, g.CellBoolean() ? 0 : -1, 1);
      return;
    }
    case ctTriStateCheckBox:
      G.DrawCellCheckBox(C, Place, false, g.CellCheckBoxState(), true, look.ControlStyle(), false, enabled);
      return;
    default: break;
  }
  TBoxState box;
  if (g.CellType() == ctDataCheckBox || g.CellType() == ctVirtCheckBox) {
    String checkTrue;
    G.DoGetCheckTrue(RCol, ARow, checkTrue);
    box.Checked = G.Cells(RCol, ARow) == checkTrue;
  } else {
    box.Checked = g.CellBoolean();
    box.Grayed = g.CellType() == ctRowCheckBox && g.CellAngle() > 0;
  }
  G.DrawCellCheckBox(C, Place, box.Checked, cbUnchecked, false, look.ControlStyle(), box.Grayed, enabled);
}

void TCellPainter::DrawRadioGroup(const TRect& Rect) {
  const TCellGraphic& g = *Graphic;
  bool enabled = true;
  G.CanEditCell(RCol, ARow, enabled);
  const auto* items = dynamic_cast<const TStrings*>(g.CellBitmap());
  G.DrawRadioButtons(C, Rect, false, 1.0, G.ControlLook()->ControlStyle(), ARow, RCol, AState.Contains(gdSelected),
                     items, !enabled, g.CellBoolean(), g.CellIndex(), items ? items->Count() : 0);
}
