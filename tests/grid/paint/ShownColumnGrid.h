#pragma once
// A column grid of 540 x 260 shown on its own form, for the painting
// snapshots.
#include <memory>

#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Forms.h"

struct ShownColumnGrid {
  std::unique_ptr<TForm> Form{new TForm(nullptr)};
  TAdvColumnGrid* Grid = new TAdvColumnGrid(nullptr);
  ShownColumnGrid() {
    Form->SetBounds(0, 0, 560, 300);
    Grid->SetParent(Form.get());
    Form->InsertComponent(Grid);
    Grid->SetBounds(0, 0, 540, 260);
    Form->Show();
  }
};
