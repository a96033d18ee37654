// The interaction settings objects (drag and drop, drag scrolling, balloon
// tooltips) and the balloon tooltip's life.
#include "grid/base/BalloonSettings.h"
#include "grid/base/DragDropSettings.h"
#include "grid/base/DragScrollOptions.h"
#include "grid/model/AdvStringGrid.h"

void TAdvStringGrid::CreateInteractSettings() {
  FDragDropSettings = std::make_unique<TDragDropSettings>(this);
  FDragScrollOptions = std::make_unique<TDragScrollOptions>();
  FBalloon = std::make_unique<TBalloonSettings>();
  FBalloon->OnEnableChange = [this](TObject*) { BalloonEnableChanged(); };
}

void TAdvStringGrid::SetDragDropSettings(const TDragDropSettings& Value) { FDragDropSettings->Assign(Value); }
void TAdvStringGrid::SetDragScrollOptions(const TDragScrollOptions& Value) {
  FDragScrollOptions->Assign(Value);
}
void TAdvStringGrid::SetBalloon(const TBalloonSettings& Value) { FBalloon->Assign(Value); }

// While loading, the window creation makes the tooltip instead.
void TAdvStringGrid::BalloonEnableChanged() {
  if (Loading()) return;
  if (FBalloon->Enable())
    BalloonInit();
  else
    BalloonDone();
}

// The tooltip window comes with the cell hints; so far the grid only keeps
// whether it is made.
void TAdvStringGrid::BalloonInit() { FBalloon->SetInitialized(true); }
void TAdvStringGrid::BalloonDone() { FBalloon->SetInitialized(false); }
