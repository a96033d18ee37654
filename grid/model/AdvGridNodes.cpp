// The grid's outline node methods; the work is done by its outline.
#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::AddNode(int ARow, int Span) { FNodes->AddNode(ARow, Span); }
void TAdvStringGrid::RemoveNode(int ARow) { FNodes->RemoveNode(ARow); }
void TAdvStringGrid::ContractNode(int ARow) { FNodes->ContractNode(ARow); }
void TAdvStringGrid::ExpandNode(int ARow) { FNodes->ExpandNode(ARow); }
void TAdvStringGrid::ContractAll() { FNodes->ContractAll(); }
void TAdvStringGrid::ExpandAll() { FNodes->ExpandAll(); }
int TAdvStringGrid::NumNodes() const { return FNodes->NumNodes(); }
