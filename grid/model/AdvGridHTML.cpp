// The grid's mini-HTML parts that draw nothing: tag-free cell texts, the
// editor's text without tags, URLs shown as links, the picture cache and
// the container link.
#include <utility>

#include "grid/base/AdvStringGridCheck.h"
#include "grid/base/HTMLText.h"
#include "grid/base/SyncGrid.h"
#include "grid/base/GridFocusWindow.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/GridChangeNotifier.h"
#include "grid/model/GroupCount.h"
#include "grid/model/Grouping.h"
#include "platform/gui/Menus.h"

namespace {

const char16_t* const kURLPrefixes[] = {u"HTTP://", u"WWW.", u"MAILTO:", u"HTTPS://", u"NNTP://", u"FILE://", u"FTP://"};

}  // namespace

void TAdvStringGrid::DoGetDisplText(int ACol, int ARow, String& Value) {
  TBaseGrid::DoGetDisplText(ACol, ARow, Value);
  if (URLShowInText()) {
    String linked;
    for (const char16_t* prefix : kURLPrefixes) {
      if (!InsertURLLink(Value, prefix, linked)) continue;
      Value = std::move(linked);
      break;
    }
  }
  if (ACol == 1 && FGrouping->ShowGroupCount() && IsNode(ARow)) {
    Value += GroupCountText(FGrouping->GroupCountFormat(), GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1);
  }
}

bool TAdvStringGrid::HasDisplTextHooks() const {
  return TBaseGrid::HasDisplTextHooks() || URLShowInText() || FGrouping->ShowGroupCount();
}

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
  if (Operation == opRemove && AComponent == FState->CellChecker) FState->CellChecker = nullptr;
  if (Operation == opRemove && AComponent == FState->FixedDropDownMenu) FState->FixedDropDownMenu = nullptr;
  if (Operation == opRemove) std::erase(FState->Notifiers, AComponent);
  if (Operation == opRemove) std::erase(FState->Window.HostedControls, AComponent);
  if (Operation == opRemove && AComponent == FState->FocusWindow) FState->FocusWindow = nullptr;
  if (Operation == opRemove)
    for (TComponent*& editor : FState->Looks.DropDownEditors)
      if (editor == AComponent) editor = nullptr;
  if (Operation == opRemove && FSyncGrid && AComponent == FSyncGrid->Grid()) FSyncGrid->SetGrid(nullptr);
}
