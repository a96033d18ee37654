#pragma once
// A grid shown on a form beside an edit, so that it has a view and can take
// the focus and lose it again. The form owns both.
#include <memory>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"

namespace testsupport {
template <class T>
struct TShownOnForm {
  std::unique_ptr<TForm> Form{new TForm(nullptr)};
  T* Grid;
  TEdit* Other = new TEdit(nullptr);  // takes the focus away from the grid
  explicit TShownOnForm(T* AGrid) : Grid(AGrid) {
    Form->SetBounds(0, 0, 520, 320);
    Grid->SetParent(Form.get());
    Form->InsertComponent(Grid);
    Grid->SetBounds(0, 0, 450, 200);
    Other->SetParent(Form.get());
    Form->InsertComponent(Other);
    Other->SetBounds(0, 210, 100, 20);
    Form->Show();
  }
};
}  // namespace testsupport
