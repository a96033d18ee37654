// The settings objects of sorting, filtering, grouping and the floating
// footer, and the merged-columns list: made with the grid, copied into by
// the setters.
#include "grid/base/BalloonSettings.h"
#include "grid/base/DragDropSettings.h"
#include "grid/base/DragScrollOptions.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropDown.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/Grouping.h"
#include "grid/model/SortSettings.h"

void TAdvStringGrid::CreateModelSettings() {
  FFloatingFooter = std::make_unique<TFloatingFooter>(this);
  FSortSettings = std::make_unique<TSortSettings>(this);
  FGrouping = std::make_unique<TGrouping>();
  FFilter = std::make_unique<TFilter>(this);
  FFilterDropDown = std::make_unique<TFilterDropDown>();
  FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); };
  FMergedColumns = std::make_unique<TIntList>(-1, -1);
  FMergedColumns->OnChange = [this](TObject*, int, int) { MergedColumnsChanged(); };
}

void TAdvStringGrid::SetFloatingFooter(const TFloatingFooter& Value) { FFloatingFooter->Assign(Value); }
void TAdvStringGrid::SetSortSettings(const TSortSettings& Value) { FSortSettings->Assign(Value); }
void TAdvStringGrid::SetGrouping(const TGrouping& Value) { FGrouping->Assign(Value); }
void TAdvStringGrid::SetFilter(const TFilter& Value) { FFilter->Assign(Value); }
void TAdvStringGrid::SetFilterDropDown(const TFilterDropDown& Value) { FFilterDropDown->Assign(Value); }

// Splitting every column and merging the listed ones again belongs to the
// cell-merging family; until it is here a change merges nothing.
