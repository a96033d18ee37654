#include "grid/model/CellGraphics.h"

#include "grid/base/ControlLook.h"
#include "grid/model/AdvStringGridPrivate.h"

TCellGraphic* TCellGraphics::Own(int ACol, int ARow) const {
  return dynamic_cast<TCellGraphic*>(G.GraphicObjects(ACol, ARow));
}

TCellGraphic* TCellGraphics::OwnOfType(int ACol, int ARow, TCellType Type) const {
  TCellGraphic* g = Own(ACol, ARow);
  return g && g->CellType() == Type ? g : nullptr;
}

TCellGraphic* TCellGraphics::AtBase(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0) return nullptr;
  const TPoint base = G.BaseCell(ACol, ARow);
  return Own(base.X, base.Y);
}

TCellGraphic* TCellGraphics::AtBaseOfType(int ACol, int ARow, TCellType Type) const {
  TCellGraphic* g = AtBase(ACol, ARow);
  return g && g->CellType() == Type ? g : nullptr;
}

TCellGraphic* TCellGraphics::AtRealRow(int ACol, int ARealRow) const {
  const TGridItem* item = G.HiddenItem(ARealRow);
  if (!item) return G.GetCellGraphic(ACol, G.DisplRowIndex(ARealRow));
  if (ACol < 0 || ACol >= item->Items().Count()) return nullptr;
  const auto* props = dynamic_cast<TCellProperties*>(item->Items().Objects(ACol));
  return props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
}

TCellGraphic& TCellGraphics::Attach(int ACol, int ARow) {
  if (G.Destroying()) {
    FDiscard = std::make_unique<TCellGraphic>();
    return *FDiscard;
  }
  auto fresh = std::make_unique<TCellGraphic>();
  TCellGraphic& g = *fresh;
  G.SetGraphicObjectEx(ACol, ARow, std::move(fresh));
  if (G.NumHiddenColumns() > 0 && G.DisplColIndex(ACol) != ACol) G.RepaintDisplCell(ACol, ARow);
  return g;
}

bool TCellGraphics::Remove(int ACol, int ARow) {
  const TCellGraphic* g = G.GetCellGraphic(ACol, ARow);
  if (!g) return false;
  if (g == Own(ACol, ARow)) G.SetGraphicObjectEx(ACol, ARow, nullptr);
  if (!G.Destroying()) G.RepaintDisplCell(ACol, ARow);
  return true;
}

TCellGraphic& TCellGraphics::RowCheckBox(int ARow) {
  TCellGraphic& g = FCellGraphic;
  g.SetCellType(ctRowCheckBox);
  g.SetCellTransparent(G.ControlLook()->ControlStyle() == csFlat);
  if (ARow == 0) {
    const int selected = G.RowSelectCount();
    const int dataRows = G.RowCount() - G.FixedRows();
    g.SetCellAngle(selected > 0 && selected < dataRows ? 1 : 0);
    g.SetCellBoolean(selected >= dataRows);
  } else {
    g.SetCellAngle(0);
    g.SetCellBoolean(G.RowSelect(G.RealRowIndex(ARow)));
  }
  return g;
}

void TCellGraphics::CellImagesChanged(TObject*, int ACol, int ARow) {
  G.RepaintDisplCell(ACol, ARow);
}

void TCellGraphics::UpdateAutoRange(int ACol, int ARow) {
  TCellGraphic* g = OwnOfType(ACol, ARow, ctScrollbar);
  if (!g || !g->CellBoolean()) return;
  g->SetCellAngle(G.RowHeights(ARow));
  g->SetCellErrFrom(G.GetCellTextSize(ACol, ARow).Y);
}
