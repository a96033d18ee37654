// The expand/contract glyph of an outline node in column 0, in the kind
// CellNode asks for, with the stubs that join it to the tree lines.
#include "grid/base/CanvasMarks.h"
#include "grid/base/CellNode.h"
#include "grid/base/MouseActions.h"
#include "grid/paint/CellPainter.h"
#include "platform/gui/FrameControls.h"

namespace {

void VLine(TCanvas& C, int X, int Y1, int Y2) {
  C.MoveTo(X, Y1);
  C.LineTo(X, Y2);
}

// The drawn box: flat with a plus or minus, or a soft edge raised while
// contracted and sunken while open.
void DrawNodeBox(TCanvas& C, const TCellNode& Node, int X, int Y, bool Contracted) {
  if (Node.NodeType() != cnFlat) {
    const TRect box{X, Y, X + 8, Y + 8};
    if (Contracted) {
      DrawBevel(C, box, clBtnHighlight, clBtnShadow);
    } else {
      DrawBevel(C, box, clBtnShadow, clBtnHighlight);
    }
    return;
  }
  C.Pen()->SetColor(Node.NodeColor());
  C.Brush()->SetColor(Node.Color());
  C.Rectangle(X, Y, X + 9, Y + 9);
  C.MoveTo(X + 2, Y + 4);
  C.LineTo(X + 7, Y + 4);
  if (Contracted) VLine(C, X + 4, Y + 2, Y + 7);
}

}  // namespace

TColor TCellPainter::NodeBackground() {
  TColor color = C.Brush()->Color();
  if (color == clNone) color = G.FixedCols() > 0 ? G.FixedColor() : G.Color();
  if (!G.ShowSelection()) return color;
  const bool disjunct = G.MouseActions()->DisjunctRowSelect();
  const bool selected = AState.Contains(gdSelected) && !disjunct;
  const bool rowSelected = disjunct && HasOption(goRowSelect) && ACol >= G.FixedCols() && G.RowSelect(ARow);
  return selected || rowSelected ? G.SelectionColor() : color;
}

void TCellPainter::DrawNodeGlyph(const TRect& Rect) {
  TCellNode& node = *G.CellNode();
  const int step = node.NodeIndent(), indent = G.GetRowIndent(ARow);
  const int xt = Rect.Left + indent - step + step / 2 + 2;
  const bool contracted = Graphic->CellBoolean();
  if (node.ShowTree() && ARow >= G.FixedRows()) {
    C.Pen()->SetColor(node.TreeColor());
    C.Pen()->SetWidth(1);
    const bool next = ARow + 1 < G.RowCount();
    const int nextIndent = next ? G.GetRowIndent(ARow + 1) : 0;
    if (next && nextIndent > 0 && !(G.GetNodeState(ARow) && nextIndent < indent)) {
      VLine(C, xt, Rect.Top + Rect.Height() / 2, Rect.Bottom);
    }
    if (ARow > 0 && G.GetRowIndent(ARow - 1) >= indent) VLine(C, xt, Rect.Top, Rect.Top + 6);
  }
  const int x = Rect.Left + indent - step / 2 - 4, h = Rect.Height();
  const TColor background = NodeBackground();
  TBitmap* glyph = contracted ? node.ContractGlyph() : node.ExpandGlyph();
  switch (node.NodeType()) {
    case cnLeaf: {
      const int y = Rect.Top + (h - 12) / 2;
      DrawResourceBitmapOnColor(C, background, TRect{x, y, x + 16, y + 16},
                                contracted ? u"ASGLEAFCLOSE" : u"ASGLEAFOPEN");
      return;
    }
    case cnXP: {
      const int y = Rect.Top + (h - 10) / 2;
      DrawResourceBitmapOnColor(C, background, TRect{x + 4, y, x + 13, y + 9}, contracted ? u"XPNODEC" : u"XPNODEO");
      return;
    }
    case cnGlyph:
      if (!node.ContractGlyph()->Empty() && !node.ExpandGlyph()->Empty()) {
        const int y = Rect.Top + (h - glyph->Height()) / 2;
        DrawBitmapOnColor(C, *glyph, background, TRect{x, y, x + glyph->Width(), y + glyph->Height()});
        return;
      }
      break;
    case cn3D: {
      const TRect face{x, Rect.Top, Rect.Right, Rect.Bottom};
      C.Brush()->SetColor(node.Color());
      C.FillRect(face);
      DrawBevel(C, face, clWhite, clGray);
      break;
    }
    default: break;
  }
  DrawNodeBox(C, node, x + 4, Rect.Top + (h - 8) / 2, contracted);
}
