// Per-group results written into each expanded group's summary or header row.
#include "grid/model/AdvStringGrid.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/Grouping.h"

#include <utility>

namespace {
// The flag holds for GroupCalc's walk only, also when a calculation raises.
class TInsideGroupScope {
 public:
  TInsideGroupScope(bool& Flag, bool Value) : FFlag(Flag), FOld(std::exchange(Flag, Value)) {}
  ~TInsideGroupScope() { FFlag = FOld; }
  TInsideGroupScope(const TInsideGroupScope&) = delete;
  TInsideGroupScope& operator=(const TInsideGroupScope&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};
}  // namespace

void TAdvStringGrid::GroupCalc(int ColIndex, int Method) {
  const bool summary = FGrouping->Summary();
  // Sub-groups put node rows inside a group's span.
  const TInsideGroupScope inside(FState->CalcInsideGroup, SubGroupColumn() < 0);
  int r = FixedRows();
  while (r < RowCount() - FFixedFooters) {
    if (!IsNode(r) || GetNodeState(r)) {
      ++r;
      continue;
    }
    const int span = GetNodeSpan(r);
    const int from = r + 1, to = r + span - 1, target = summary ? r + span : r;
    switch (Method) {
      case 1: SetFloats(ColIndex, target, ColumnSum(ColIndex, from, to)); break;
      case 2: SetFloats(ColIndex, target, ColumnAvg(ColIndex, from, to)); break;
      case 3: SetFloats(ColIndex, target, ColumnMin(ColIndex, from, to)); break;
      case 4: SetFloats(ColIndex, target, ColumnMax(ColIndex, from, to)); break;
      case 5: SetInts(ColIndex, target, span - 1); break;
      case 6: SetFloats(ColIndex, target, GroupCustomCalc(ColIndex, from, to)); break;
      case 7: SetFloats(ColIndex, target, ColumnDistinct(ColIndex, from, to)); break;
      case 8: SetFloats(ColIndex, target, ColumnStdDev(ColIndex, from, to)); break;
      default: break;
    }
    r += std::max(span, 1);
  }
}

void TAdvStringGrid::GroupCalcWithFooter(int ColIndex, int Method, TColumnCalcType Footer) {
  GroupCalc(ColIndex, Method);
  if (FFloatingFooter->Visible()) FFloatingFooter->SetColumnCalc(ColIndex, Footer);
}

void TAdvStringGrid::GroupSum(int ColIndex) { GroupCalcWithFooter(ColIndex, 1, acSUM); }
void TAdvStringGrid::GroupAvg(int ColIndex) { GroupCalcWithFooter(ColIndex, 2, acAVG); }
void TAdvStringGrid::GroupMin(int ColIndex) { GroupCalcWithFooter(ColIndex, 3, acMIN); }
void TAdvStringGrid::GroupMax(int ColIndex) { GroupCalcWithFooter(ColIndex, 4, acMAX); }
void TAdvStringGrid::GroupCount(int ColIndex) { GroupCalcWithFooter(ColIndex, 5, acCOUNT); }
