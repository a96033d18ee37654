#pragma once
// What the grid does in drag and drop with other windows and programs: what
// it accepts as a drop target, what it offers as a drag source, and how
// dropped rows and columns are placed.
#include "grid/base/OptionProperty.h"
#include "platform/sys/Component.h"

class TAdvStringGrid;

// Unit-wide: rich text is offered, accepted and dropped only while it is on.
bool OleRichTextDragDrop();
void SetOleRichTextDragDrop(bool Value);

class TDragDropSettings : public TPersistent {
 public:
  explicit TDragDropSettings(TAdvStringGrid* AGrid) : FGrid(AGrid) {}
  String ClassName() const override { return u"TDragDropSettings"; }
  TAdvStringGrid* Grid() const { return FGrid; }
  // From another TDragDropSettings: every option as a plain value, so no
  // drop target is registered or revoked and the rich-text switch stays.
  void Assign(const TPersistent& Source) override;

  GX_OPTION(bool, ShowCells)
  GX_OPTION(bool, OleAcceptFiles)
  GX_OPTION(bool, OleAcceptText)
  GX_OPTION(bool, OleAcceptURLs)
  GX_OPTION(bool, OleAppendRows)
  GX_OPTION(bool, OleColumnDragDrop)
  GX_OPTION(bool, OleColumnReorder)
  GX_OPTION(bool, OleColumnsOnly)
  GX_OPTION(bool, OleCopyAlways)
  GX_OPTION(bool, OleDropTarget)
  GX_OPTION(bool, OleDropSource)
  GX_OPTION(bool, OleEntireRows)
  GX_OPTION(bool, OleInsertRows)
  GX_OPTION(bool, OleRemoveRows)
  // Also switches the unit-wide rich-text switch.
  bool OleDropRTF() const { return FValues.OleDropRTF; }
  void SetOleDropRTF(bool Value);

 private:
  TAdvStringGrid* FGrid;
  struct TValues {
    bool ShowCells = true;
    bool OleAcceptFiles = true;
    bool OleAcceptText = true;
    bool OleAcceptURLs = true;
    bool OleAppendRows = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool OleCopyAlways = false;
    bool OleDropTarget = false;
    bool OleDropSource = false;
    bool OleEntireRows = false;
    bool OleInsertRows = false;
    bool OleRemoveRows = false;
    bool OleDropRTF = false;
  } FValues;
};
