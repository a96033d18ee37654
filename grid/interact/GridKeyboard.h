#pragma once
// The grid's own key rules while no editor is open, around the platform
// grid's cursor movement: keys on cell graphics, typing that opens the
// editor, and the Tab walk that the grid and every editor take.
#include <functional>

#include "platform/grids/GridTypes.h"
#include "platform/gui/ControlTypes.h"
#include "platform/gui/Messages.h"
#include "platform/sys/String.h"

class TAdvStringGrid;

class TGridKeyboard {
 public:
  explicit TGridKeyboard(TAdvStringGrid& Grid) : G(Grid) {}

  void WMKeyDown(TMessage& Message);
  void WMChar(TMessage& Message);
  void DialogCode(TMessage& Message);
  // One Tab (Shift+Tab) step; false only when the Tab went on to the
  // window's next control.
  bool TabAdvance(bool Backward);
  // The grid's key-down step around the platform grid's cursor movement.
  void KeyDown(WORD& Key, TShiftState Shift);

  // Key-up: the search text and the editor after moving keys
  // (GridKeyboardKeyUp.cpp).
  void KeyUp(WORD& Key, TShiftState Shift);
  // The typed character looks up the row whose sort column starts with the
  // search text (GridKeyboardSearch.cpp).
  void IncrementalSearch(Char Key);

 private:
  // Steps before the platform's key handling; true when the key ends there.
  bool Before(WORD Key, TShiftState Shift);
  void GraphicKey(WORD Key);
  void SelectionNotify();
  void RepaintMovedSelection();

  // Enter and F2 while goEditing is off, and characters that open the
  // editor by a press on the cell (GridKeyboardEditKeys.cpp).
  bool EditKey(WORD Key, TShiftState Shift);
  bool StartEditByKey(WORD Key, TShiftState Shift);
  bool HoldsControlTag();
  bool FormPreviewsKeys();
  bool RangeEditChar(Char Key, TShiftState Shift);
  // The character as the grid takes it; may switch goEditing on.
  Char CharStep(TMessage& Message);
  void WithoutKeyPress(const std::function<void()>& Step);
  bool EditableAsRangeEdit();
  void PressCell(int ACol, int ARow, bool Release);
  // Ctrl+A (GridKeyboardSelectAll.cpp).
  void SelectAllKey();

  // Insert and Delete (GridKeyboardRows.cpp).
  void InsertRowKey();
  void DeleteRowKey();
  bool FooterShown();

  // The Tab walk (GridKeyboardTab.cpp).
  bool CanTabToCell(int ACol, int ARow);
  int FirstTabCellInRow(int ARow);
  int LastTabCellInRow(int ARow);
  int FirstNavigableCol();
  int RightEnd();
  int LastDataRow();
  bool TabStep(bool Backward);
  void TabBackward();
  void TabBackwardLeftRight();
  bool TabForwardTopBottom();
  bool TabForwardLeftRight();
  bool TabToNextRowCell();
  void AddRow();
  bool TabFromLastColumn();
  void GotoFirstRow();
  bool HandOver();
  void ClickCellQuiet();

  // Cursor keys before and after the platform grid's handling
  // (GridKeyboardCursor.cpp, GridKeyboardHomeEnd.cpp, GridKeyboardAdvance.cpp,
  // GridKeyboardDisjunct.cpp).
  bool CursorBefore(WORD Key, TShiftState Shift);
  void CursorAfter(WORD Key, TShiftState Shift, const TGridRect& Before);
  // Fires OnKeyDown for a key the grid ends itself; always true.
  bool Consumed(WORD Key, TShiftState Shift);
  void KeepLeft(WORD Key);
  bool ScrollOnly(WORD Key);
  void NodeKey(WORD Key);
  bool LeftRightScroll(WORD Key, TShiftState Shift);
  bool SkipFixed(WORD Key, TShiftState Shift);
  bool SkipFixedAcross(int Dc, int Dr);
  bool SearchFooterEdge(WORD Key, TShiftState Shift);
  void ClearOfSearchFooter(WORD Key);
  bool HomeEnd(WORD Key, TShiftState Shift);
  void JumpTo(int ACol, int ARow);
  void HomeEndRow(bool Home, TShiftState Shift);
  void HomeEndColumn(bool Home, TShiftState Shift);
  void CtrlHome();
  void RowsFromKey(int StartRow, TShiftState Shift);
  void MoveRowsByKey(WORD Key, const TGridRect& Sel);
  bool AtEdge(WORD Key, TPoint From);
  void Wrap(WORD Key);
  void SkipDisabled(WORD Key);
  void FollowSyncGrid();
  void DisjunctRowsCols(WORD Key, TShiftState Shift);
  void DisjunctCells(WORD Key, TShiftState Shift, const TGridRect& Before);
  void SpaceCell(TShiftState Shift);

  TAdvStringGrid& G;
  int FLastTabCol = -1;
  int FLastTabRow = -1;
  TGridRect FMoveSelection{};
  int FKeepLeft = -1;  // left column put back after a vertical move; -1 none
};
