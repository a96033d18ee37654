#pragma once
// An observer of a grid's cell changes: the grid calls every registered one
// after its own OnCellsChanged. Derive and override CellsChanged.
#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TGridChangeNotifier : public TComponent {
 public:
  using TComponent::TComponent;
  String ClassName() const override { return u"TGridChangeNotifier"; }
  virtual void CellsChanged(const TRect& R) {}
};
