#pragma once
// Grids on a shown form for the mouse tests: input goes through the window
// system's path (SystemInputDriver), and each handler writes a line to Log.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "grid/model/AdvColumnGrid.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/Forms.h"
#include "tests/support/SystemInputDriver.h"

namespace mousetest {

template <class T>
struct TGridOnForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  T* Grid = new T(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<std::string> Log;

  TGridOnForm() {
    Form->SetBounds(40, 40, 560, 330);
    Grid->SetParent(Form.get());
    Grid->SetBounds(0, 0, 540, 300);
  }
  void Show() {
    Form->Show();
    Input.Pump();
    Grid->SetFocus();
    Input.Pump();
  }
  TPoint Centre(int ACol, int ARow) const {
    const TRect r = Grid->CellRect(ACol, ARow);
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  // A point Dx pixels from the cell's left, in its middle row.
  TPoint At(int ACol, int ARow, int Dx) const {
    const TRect r = Grid->CellRect(ACol, ARow);
    return Point(r.Left + Dx, (r.Top + r.Bottom) / 2);
  }
  void Click(int ACol, int ARow) { Input.Click(*Grid, Centre(ACol, ARow)); }
  void Add(const std::string& Line) { Log.push_back(Line); }
};

// Columns as the configuration windows have them: 1 a data check box
// ("Y"/"N"), 2 a read-only data check box, 3 a combo list, 4 text.
struct TConfigGrid : TGridOnForm<TAdvColumnGrid> {
  TConfigGrid() {
    Grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing});
    Grid->SetColCount(5);
    Grid->SetRowCount(6);
    Grid->Columns()->Items(1)->SetEditor(edDataCheckBox);
    Grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
    Grid->Columns()->Items(2)->SetReadOnly(true);
    Grid->Columns()->Items(3)->SetEditor(edComboList);
    Grid->Columns()->Items(3)->ComboItems()->Add(u"Lamp");
    Grid->Columns()->Items(3)->ComboItems()->Add(u"Group");
    for (int r = 1; r < Grid->RowCount(); ++r) {
      Grid->SetCells(1, r, u"N");
      Grid->SetCells(2, r, u"N");
      Grid->SetCells(3, r, u"Lamp");
      Grid->SetCells(4, r, u"Device " + IntToStr(r));
    }
    Show();
  }
};

}  // namespace mousetest
