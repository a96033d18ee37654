#pragma once
// The controls the grid has placed in cells. The list owns its items, never
// the controls: those belong to their owner component.
#include <memory>
#include <vector>

#include "platform/gui/Controls.h"

class TControlItem : public TPersistent {
 public:
  TControlItem(int X, int Y, TControl* AObject) : FX(X), FY(Y), FObject(AObject) {}
  int X() const { return FX; }
  void SetX(int Value) { FX = Value; }
  int Y() const { return FY; }
  void SetY(int Value) { FY = Value; }
  TControl* Control() const { return FObject; }

 private:
  int FX;
  int FY;
  TControl* FObject;
};

class TControlList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TControlItem* Control(int Index) const;
  void AddControl(int X, int Y, TControl* AObject);
  // Position of the first item for cell (X, Y); -1 when none.
  int ControlIndex(int X, int Y) const;
  // Frees the item, not its control.
  void RemoveControl(int Index);
  // Whether a windowed control of the list has the window Handle; asking
  // never creates a handle.
  bool HasHandle(HWND Handle) const;

 private:
  void CheckIndex(int Index) const;
  std::vector<std::unique_ptr<TControlItem>> FItems;
};
