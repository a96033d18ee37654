// The grid's mini-HTML parts that draw nothing: tag-free cell texts, the
// editor's text without tags, the picture cache and the container link.
#include "grid/base/HTMLText.h"
#include "grid/model/AdvStringGridPrivate.h"

String TAdvStringGrid::StrippedCells(int ACol, int ARow) { return HTMLToPlainText(Cells(ACol, ARow)); }

THTMLPictureCache* TAdvStringGrid::ImageCache() const { return &FState->ImageCache; }

TPictureContainer* TAdvStringGrid::Container() const { return FState->Container; }

void TAdvStringGrid::SetContainer(TPictureContainer* Value) {
  if (FState->Container) RemoveFreeNotification(FState->Container);
  FState->Container = Value;
  if (Value) FreeNotification(Value);
}

void TAdvStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TBaseGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FState->Container) FState->Container = nullptr;
}
