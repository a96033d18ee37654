#include "grid/base/CellNode.h"

void TCellNode::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TCellNode*>(&Source);
  if (!src) return;
  FColor = src->FColor;
  FNodeType = src->FNodeType;
  FNodeColor = src->FNodeColor;
  FExpandGlyph.Assign(src->FExpandGlyph);
  FExpandOne = src->FExpandOne;
  FContractGlyph.Assign(src->FContractGlyph);
  FShowTree = src->FShowTree;
  FShowTreeFull = src->FShowTreeFull;
  FNodeIndent = src->FNodeIndent;
  FTreeColor = src->FTreeColor;
}
