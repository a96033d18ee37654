#include "grid/base/AdvGridUndoRedo.h"

#include "grid/base/BaseGrid.h"
#include "platform/sys/Exceptions.h"

TAdvGridUndoRedo::~TAdvGridUndoRedo() = default;

const TUndoRedoItem& TAdvGridUndoRedo::Items(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
  return FItems[static_cast<size_t>(Index)];
}

void TAdvGridUndoRedo::SetGrid(TBaseGrid* Value) {
  if (FGrid) RemoveFreeNotification(FGrid);
  FGrid = Value;
  if (FGrid) FreeNotification(FGrid);
}

void TAdvGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && FGrid && AComponent == static_cast<TComponent*>(FGrid))
    FGrid = nullptr;
}

void TAdvGridUndoRedo::Append(TUndoRedoItem Item) {
  FItems.push_back(std::move(Item));
  FLevel = Count();
}

void TAdvGridUndoRedo::RegisterChange(int ACol, int ARow, const String& OldValue,
                                      const String& NewValue) {
  if (FMaxLevel > 0 && Count() >= FMaxLevel) FItems.erase(FItems.begin());
  TUndoRedoItem item;
  item.Col = ACol;
  item.Row = ARow;
  item.Value = NewValue;
  item.OrigValue = OldValue;
  Append(std::move(item));
}

void TAdvGridUndoRedo::StartSequence() {
  TUndoRedoItem marker;
  marker.SequenceStart = true;
  Append(std::move(marker));
}

void TAdvGridUndoRedo::StopSequence() {
  TUndoRedoItem marker;
  marker.SequenceStop = true;
  Append(std::move(marker));
}

void TAdvGridUndoRedo::Apply(const TUndoRedoItem& Item, bool Backwards) {
  // A marker names no cell: a sequence that was never closed is stepped over.
  if (Item.SequenceStart || Item.SequenceStop) return;
  // A cell whose row or column went since has nothing to take back; the
  // level still moves past it, so the changes before it stay reachable.
  if (Item.Col < 0 || Item.Col >= FGrid->TotalColCount() || Item.Row < 0 || Item.Row >= FGrid->RowCount()) return;
  const String& text = Backwards ? Item.OrigValue : Item.Value;
  const TAdvGridUndoRedoEvent& event = Backwards ? OnUndo : OnRedo;
  if (event) event(this, FGrid, Item.Col, Item.Row, FGrid->Cells(Item.Col, Item.Row), text);
  FGrid->SetCells(Item.Col, Item.Row, text);
  const int col = FGrid->DisplColIndex(Item.Col);
  if (col >= 0 && col < FGrid->ColCount()) FGrid->SetCol(col);  // a hidden column is not shown
  FGrid->SetRow(Item.Row);
}

void TAdvGridUndoRedo::Undo() {
  if (!FGrid || FLevel <= 0 || FLevel > Count()) return;
  if (IsStop(FLevel - 1)) {
    --FLevel;
    while (FLevel > 0 && !IsStart(FLevel - 1)) {
      Apply(FItems[static_cast<size_t>(FLevel - 1)], true);
      --FLevel;
    }
    if (FLevel > 0) --FLevel;  // over the start marker
    FGrid->InvalidateGrid();
    return;
  }
  const TUndoRedoItem& item = FItems[static_cast<size_t>(FLevel - 1)];
  Apply(item, true);
  if (item.Row >= 0) FGrid->RepaintCell(FGrid->Col(), item.Row);
  --FLevel;
}

void TAdvGridUndoRedo::Redo() {
  if (!FGrid || FLevel >= Count()) return;
  const int i = FLevel;
  FLevel = i + 1;
  if (IsStart(i)) {
    ++FLevel;
    while (FLevel <= Count() && !IsStop(FLevel - 1)) {
      Apply(FItems[static_cast<size_t>(FLevel - 1)], false);
      ++FLevel;
    }
    if (FLevel > Count()) FLevel = Count();  // a sequence never stopped
    FGrid->InvalidateGrid();
    return;
  }
  Apply(FItems[static_cast<size_t>(i)], false);
}

void TAdvGridUndoRedo::Reset() {
  FItems.clear();
  FLevel = 0;
}
