#include "grid/base/DragDropSettings.h"

namespace {
bool RichTextDragDrop = false;
}

bool OleRichTextDragDrop() { return RichTextDragDrop; }
void SetOleRichTextDragDrop(bool Value) { RichTextDragDrop = Value; }

void TDragDropSettings::SetOleDropRTF(bool Value) {
  FValues.OleDropRTF = Value;
  SetOleRichTextDragDrop(Value);
}

void TDragDropSettings::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TDragDropSettings*>(&Source);
  if (src) FValues = src->FValues;
}
