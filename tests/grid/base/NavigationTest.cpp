#include <gtest/gtest.h>

#include "grid/base/Navigation.h"
#include "tests/grid/base/SettingsTable.h"

namespace {

using N = TNavigation;

std::unique_ptr<N> MakeNav() { return std::make_unique<N>(); }

// Boolean options: name, getter, setter, default; all copied by Assign but
// KeepScrollOnSort; plain stores but AdvanceInsert.
std::vector<TOptionRow<N>> NavigationRows() {
  std::vector<TOptionRow<N>> rows = {
      Opt("AllowInsertRow", &N::AllowInsertRow, &N::SetAllowInsertRow, false, true, true),
      Opt("AllowDeleteRow", &N::AllowDeleteRow, &N::SetAllowDeleteRow, false, true, true),
      Opt("AlwaysEdit", &N::AlwaysEdit, &N::SetAlwaysEdit, false, true, true),
      Opt("AdvanceOnEnter", &N::AdvanceOnEnter, &N::SetAdvanceOnEnter, false, true, true),
      Opt("AdvanceOnEnterLoop", &N::AdvanceOnEnterLoop, &N::SetAdvanceOnEnterLoop, true, false,
          true),
      Opt("AdvanceInsert", &N::AdvanceInsert, &N::SetAdvanceInsert, false, true, true,
          nkChanged),
      Opt("AdvanceAutoEdit", &N::AdvanceAutoEdit, &N::SetAdvanceAutoEdit, true, false, true),
      Opt("AdvanceSkipReadOnlyCells", &N::AdvanceSkipReadOnlyCells,
          &N::SetAdvanceSkipReadOnlyCells, true, false, true),
      Opt("AutoGotoWhenSorted", &N::AutoGotoWhenSorted, &N::SetAutoGotoWhenSorted, false, true,
          true),
      Opt("AutoGotoIncremental", &N::AutoGotoIncremental, &N::SetAutoGotoIncremental, false,
          true, true),
      Opt("AutoComboDropSize", &N::AutoComboDropSize, &N::SetAutoComboDropSize, false, true,
          true),
      Opt("AllowClipboardShortCuts", &N::AllowClipboardShortCuts,
          &N::SetAllowClipboardShortCuts, false, true, true),
      Opt("AllowCtrlEnter", &N::AllowCtrlEnter, &N::SetAllowCtrlEnter, true, false, true),
      Opt("AllowSmartClipboard", &N::AllowSmartClipboard, &N::SetAllowSmartClipboard, false,
          true, true),
      Opt("AllowRTFClipboard", &N::AllowRTFClipboard, &N::SetAllowRTFClipboard, false, true,
          true),
      Opt("AllowFmtClipboard", &N::AllowFmtClipboard, &N::SetAllowFmtClipboard, false, true,
          true),
      Opt("AllowClipboardAlways", &N::AllowClipboardAlways, &N::SetAllowClipboardAlways, false,
          true, true),
      Opt("AllowClipboardRowGrow", &N::AllowClipboardRowGrow, &N::SetAllowClipboardRowGrow,
          true, false, true),
      Opt("AllowClipboardColGrow", &N::AllowClipboardColGrow, &N::SetAllowClipboardColGrow,
          true, false, true),
      Opt("AdvanceAuto", &N::AdvanceAuto, &N::SetAdvanceAuto, false, true, true),
      Opt("AppendOnArrowDown", &N::AppendOnArrowDown, &N::SetAppendOnArrowDown, false, true,
          true),
      Opt("EditSelectAll", &N::EditSelectAll, &N::SetEditSelectAll, true, false, true),
      Opt("ComboGetUpDown", &N::ComboGetUpDown, &N::SetComboGetUpDown, true, false, true),
      Opt("CursorWalkEditor", &N::CursorWalkEditor, &N::SetCursorWalkEditor, false, true, true),
      Opt("CursorWalkAlwaysEdit", &N::CursorWalkAlwaysEdit, &N::SetCursorWalkAlwaysEdit, true,
          false, true),
      Opt("CursorMoveRows", &N::CursorMoveRows, &N::SetCursorMoveRows, false, true, true),
      Opt("MoveRowOnSort", &N::MoveRowOnSort, &N::SetMoveRowOnSort, false, true, true),
      Opt("KeepScrollOnSort", &N::KeepScrollOnSort, &N::SetKeepScrollOnSort, false, true,
          false),
      Opt("MoveScrollOnly", &N::MoveScrollOnly, &N::SetMoveScrollOnly, false, true, true),
      Opt("ImproveMaskSel", &N::ImproveMaskSel, &N::SetImproveMaskSel, false, true, true),
      Opt("LeftRightRowSelect", &N::LeftRightRowSelect, &N::SetLeftRightRowSelect, true, false,
          true),
      Opt("CopyHTMLTagsToClipboard", &N::CopyHTMLTagsToClipboard,
          &N::SetCopyHTMLTagsToClipboard, true, false, true),
      Opt("KeepHorizScroll", &N::KeepHorizScroll, &N::SetKeepHorizScroll, false, true, true),
      Opt("LineFeedOnEnter", &N::LineFeedOnEnter, &N::SetLineFeedOnEnter, false, true, true),
      Opt("SkipFixedCells", &N::SkipFixedCells, &N::SetSkipFixedCells, true, false, true),
      Opt("SkipDisabledRows", &N::SkipDisabledRows, &N::SetSkipDisabledRows, true, false, true),
      Opt("TabToNextAtEnd", &N::TabToNextAtEnd, &N::SetTabToNextAtEnd, false, true, true),
      Opt("AdvanceDirection", &N::AdvanceDirection, &N::SetAdvanceDirection, adLeftRight,
          adTopBottom, true, nkChanged),
      Opt("TabAdvanceDirection", &N::TabAdvanceDirection, &N::SetTabAdvanceDirection,
          adLeftRight, adTopBottomInCol, true),
      Opt("InsertPosition", &N::InsertPosition, &N::SetInsertPosition, pInsertBefore,
          pInsertAfter, true),
      Opt("ClipboardPasteAction", &N::ClipboardPasteAction, &N::SetClipboardPasteAction,
          paReplace, paInsert, true),
      Opt("CursorAdvance", &N::CursorAdvance, &N::SetCursorAdvance, caDefault, caSnake, true),
      Opt("HomeEndKey", &N::HomeEndKey, &N::SetHomeEndKey, heFirstLastColumn, heFirstLastCell,
          true),
  };
  return rows;
}

TEST(Navigation, OptionTable) {
  const auto rows = NavigationRows();
  EXPECT_EQ(rows.size(), 43u);
  ExpectDefaults<N>(rows, MakeNav);
  ExpectNotifications<N>(rows, MakeNav);
  ExpectAssign<N>(rows, MakeNav);
  ExpectForeignIgnored<N>(rows, MakeNav);
}

TEST(Navigation, AdvanceAutoOnSwitchesAdvanceOnEnterOnAndOffLeavesIt) {
  N nav;
  nav.SetAdvanceAuto(true);
  EXPECT_TRUE(nav.AdvanceOnEnter());
  nav.SetAdvanceOnEnter(false);
  nav.SetAdvanceAuto(true);  // no change: nothing else moves
  EXPECT_FALSE(nav.AdvanceOnEnter());
  nav.SetAdvanceOnEnter(true);
  nav.SetAdvanceAuto(false);
  EXPECT_TRUE(nav.AdvanceOnEnter());
}

}  // namespace
