#pragma once
// Keyboard navigation, advancing after an edit and clipboard behaviour.
#include "grid/base/GridTypes.h"
#include "grid/base/OptionProperty.h"
#include "platform/sys/Component.h"

class TNavigation : public TPersistent {
 public:
  String ClassName() const override { return u"TNavigation"; }
  // Copies every option but KeepScrollOnSort from another TNavigation;
  // other sources are ignored. No notification.
  void Assign(const TPersistent& Source) override;

  GX_OPTION(bool, AllowInsertRow)
  GX_OPTION(bool, AllowDeleteRow)
  GX_OPTION(bool, AlwaysEdit)
  GX_OPTION(bool, AdvanceOnEnter)
  GX_OPTION(bool, AdvanceOnEnterLoop)
  GX_OPTION_NOTIFY_CHANGE(bool, AdvanceInsert)
  GX_OPTION(bool, AdvanceAutoEdit)
  GX_OPTION(bool, AdvanceSkipReadOnlyCells)
  GX_OPTION(bool, AutoGotoWhenSorted)
  GX_OPTION(bool, AutoGotoIncremental)
  GX_OPTION(bool, AutoComboDropSize)
  GX_OPTION(bool, AllowClipboardShortCuts)
  GX_OPTION(bool, AllowCtrlEnter)
  GX_OPTION(bool, AllowSmartClipboard)
  GX_OPTION(bool, AllowRTFClipboard)
  GX_OPTION(bool, AllowFmtClipboard)
  GX_OPTION(bool, AllowClipboardAlways)
  GX_OPTION(bool, AllowClipboardRowGrow)
  GX_OPTION(bool, AllowClipboardColGrow)
  bool AdvanceAuto() const { return FValues.AdvanceAuto; }
  void SetAdvanceAuto(bool Value);  // switching it on switches AdvanceOnEnter on
  GX_OPTION(bool, AppendOnArrowDown)
  GX_OPTION(bool, EditSelectAll)
  GX_OPTION(bool, ComboGetUpDown)
  GX_OPTION(bool, CursorWalkEditor)
  GX_OPTION(bool, CursorWalkAlwaysEdit)
  GX_OPTION(bool, CursorMoveRows)
  GX_OPTION(bool, MoveRowOnSort)
  GX_OPTION(bool, KeepScrollOnSort)
  GX_OPTION(bool, MoveScrollOnly)
  GX_OPTION(bool, ImproveMaskSel)
  GX_OPTION(bool, LeftRightRowSelect)
  GX_OPTION(bool, CopyHTMLTagsToClipboard)
  GX_OPTION(bool, KeepHorizScroll)
  GX_OPTION(bool, LineFeedOnEnter)
  GX_OPTION(bool, SkipFixedCells)
  GX_OPTION(bool, SkipDisabledRows)
  GX_OPTION(bool, TabToNextAtEnd)
  GX_OPTION_NOTIFY_CHANGE(TAdvanceDirection, AdvanceDirection)
  GX_OPTION(TAdvanceDirection, TabAdvanceDirection)
  GX_OPTION(TInsertPosition, InsertPosition)
  GX_OPTION(TClipboardPasteAction, ClipboardPasteAction)
  GX_OPTION(TCursorAdvance, CursorAdvance)
  GX_OPTION(THomeEndAction, HomeEndKey)

  TNotifyEvent OnChange;

 private:
  void Changed();

  struct TValues {
    bool AllowInsertRow = false, AllowDeleteRow = false, AlwaysEdit = false,
         AdvanceOnEnter = false, AdvanceOnEnterLoop = true, AdvanceInsert = false,
         AdvanceAutoEdit = true, AdvanceSkipReadOnlyCells = true, AutoGotoWhenSorted = false,
         AutoGotoIncremental = false, AutoComboDropSize = false, AllowClipboardShortCuts = false,
         AllowCtrlEnter = true, AllowSmartClipboard = false, AllowRTFClipboard = false,
         AllowFmtClipboard = false, AllowClipboardAlways = false, AllowClipboardRowGrow = true,
         AllowClipboardColGrow = true, AdvanceAuto = false, AppendOnArrowDown = false,
         EditSelectAll = true, ComboGetUpDown = true, CursorWalkEditor = false,
         CursorWalkAlwaysEdit = true, CursorMoveRows = false, MoveRowOnSort = false,
         KeepScrollOnSort = false, MoveScrollOnly = false, ImproveMaskSel = false,
         LeftRightRowSelect = true, CopyHTMLTagsToClipboard = true, KeepHorizScroll = false,
         LineFeedOnEnter = false, SkipFixedCells = true, SkipDisabledRows = true,
         TabToNextAtEnd = false;
    TAdvanceDirection AdvanceDirection = adLeftRight;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;
    TInsertPosition InsertPosition = pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    TCursorAdvance CursorAdvance = caDefault;
    THomeEndAction HomeEndKey = heFirstLastColumn;
  };
  TValues FValues;
};
