#include "grid/base/MouseActions.h"

void TMouseActions::Changed() {
  if (OnChange) OnChange(this);
}

bool TMouseActions::IsDesigning() {
  bool designing = false;
  if (OnIsDesigning) OnIsDesigning(this, designing);
  return designing;
}

void TMouseActions::SetDisjunct(bool TValues::*Field, bool Value) {
  FValues.*Field = Value;
  if (!Value || !IsDesigning()) return;
  for (bool TValues::*other : {&TValues::DisjunctRowSelect, &TValues::DisjunctColSelect,
                               &TValues::DisjunctCellSelect})
    if (other != Field) FValues.*other = false;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  SetDisjunct(&TValues::DisjunctRowSelect, Value);
}
void TMouseActions::SetDisjunctColSelect(bool Value) {
  SetDisjunct(&TValues::DisjunctColSelect, Value);
}
void TMouseActions::SetDisjunctCellSelect(bool Value) {
  SetDisjunct(&TValues::DisjunctCellSelect, Value);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  FValues.EditOnDblClickOnly = Value;
  if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FValues.HotmailRowSelect = Value;
  if (Value) {
    FValues.DisjunctRowSelect = true;
    FValues.CheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TMouseActions*>(&Source);
  if (!src) return;
  const TValues kept = FValues;
  FValues = src->FValues;
  FValues.SizeFixedRow = kept.SizeFixedRow;
  FValues.HotmailRowSelect = kept.HotmailRowSelect;
  FValues.EditOnDblClickOnly = kept.EditOnDblClickOnly;
}
