#pragma once
// The grid's own key rules while no editor is open, around the platform
// grid's cursor movement: keys on cell graphics, typing that opens the
// editor, and the Tab walk that the grid and every editor take.
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

 private:
  // Steps before the platform's key handling; true when the key ends there.
  bool Before(WORD Key, TShiftState Shift);
  void GraphicKey(WORD Key);
  void SelectionNotify();

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

  TAdvStringGrid& G;
  int FLastTabCol = -1;
  int FLastTabRow = -1;
  TGridRect FMoveSelection{};
};
