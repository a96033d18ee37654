#pragma once
// The grid's own mouse rules around the platform grid's selection: what a
// press, release, double and right click do on cells, their check boxes,
// radio buttons, cell buttons, nodes, ratings and anchors, and header-click
// sorting. A press leaves state here that the release takes up.
#include "platform/grids/GridTypes.h"
#include "platform/gui/ControlTypes.h"
#include "platform/gui/Messages.h"
#include "platform/sys/String.h"

class TAdvStringGrid;
class TPopupMenu;
struct THTMLRenderResults;

class TGridMouse {
 public:
  explicit TGridMouse(TAdvStringGrid& Grid) : G(Grid) {}

  void LButtonDown(TMessage& Message);
  void LButtonUp(TMessage& Message);
  void LButtonDblClk(TMessage& Message);
  void RButtonDown(TMessage& Message);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  void SelectRadioOptionAt(int ACol, int ARow, int Y, int X);

 private:
  // Press steps; each answers whether the press ends with it. Cells are
  // displayed ones. X is the view's x (ViewX) where a graphic of the cell
  // is hit, and the client's where an event, a node glyph, a check box or
  // a cell's text (drawn upright in a right-to-left grid) takes it.
  bool CanClick(TGridCoord Cell);
  void RecordPress(int X, int Y);
  bool NodePress(TGridCoord Cell, int X, int Y, TShiftState Shift);
  void HeaderNodePress(int ARow);
  bool RadioGroupPress(TGridCoord Cell, int X, int Y);
  bool OutlineColumnPress(TGridCoord Cell, int X, int Y, TShiftState Shift);
  void RatingPress(TGridCoord Cell, int X);
  bool ButtonPress(TGridCoord Cell, int X, int Y);
  bool DisjunctPress(TGridCoord Cell, TShiftState Shift, TMessage& Message);
  bool AnchorPress(TGridCoord Cell, int X, int Y);
  bool CheckBoxPress(TGridCoord Cell, int X, int Y, TShiftState Shift);
  void CheckAllRows(int RCol, bool State);
  bool DirectEditPress(TGridCoord Cell, int X);
  void PlainPress(TGridCoord Cell, TGridCoord Pressed, int X, TMessage& Message);
  void PointIntoBaseCell(TGridCoord Base, TMessage& Message);
  bool PartlyShown(TGridCoord Cell) const;
  void KeepViewStill(bool Partial, int OldTop);

  // Release steps.
  bool ButtonRelease(int X, int Y);
  void DisjunctRelease(TGridCoord Cell);
  bool DisjunctCellRelease(TMouseButton Button, TShiftState Shift, TGridCoord Cell);
  void GroupRelease(TGridCoord Cell);
  void GraphicRelease(TGridCoord Cell);
  bool SortApplies(TGridCoord Cell, int X, int Y, bool Busy);
  void HeaderSort(int ACol, TShiftState Shift);
  void IndexedSort(int RCol, TShiftState Shift);
  void ColumnSort(int RCol);

  // Anchors and in-text controls.
  bool AnchorClick(TGridCoord Cell, const String& Anchor);
  bool HitTestText(TGridCoord Cell, const String& Text, int X, int Y, THTMLRenderResults& Hit);
  bool ControlPress(TGridCoord Cell, const THTMLRenderResults& Hit, TPoint At);
  void PressControlButton(TGridCoord Cell, TPoint At);
  void ReleaseControlButton();
  void FollowAnchor(const String& Anchor);
  void JumpToCell(const String& Target);

  // Double and right clicks.
  bool BorderDoubleClick(TGridCoord Cell, int X, TMessage& Message);
  void RightClickSelect(TGridCoord Cell);
  void EditURLCell(TGridCoord Cell);
  void DoubleClickEdit(TGridCoord Cell);

  bool ShowsPressedFace(TGridCoord Cell);
  void FixedFacePress(TGridCoord Cell);
  void FixedFaceRelease(TGridCoord Cell);
  void PushFixedCell(TGridCoord Cell, int X);
  void RaiseFixedCell();
  bool FixedDropDownPress(TGridCoord Cell, int X);
  void PopUpFixedMenu(TGridCoord Cell, TPopupMenu& Menu, bool KeepHighlight);

  bool FilterListRelease(TGridCoord Cell, int X, int Y);
  void ShowFilterList(TGridCoord Cell, int RCol);
  bool NearColumnBorder(TGridCoord Cell, int X, int Margin) const;
  bool IsDataCell(TGridCoord Cell) const;
  void ClickCell(TGridCoord Cell);
  void FireMouseDown(TShiftState Shift, int X, int Y);
  void ReportSelection(const TGridRect& Reference);

  TAdvStringGrid& G;
  TGridCoord FPushedCellButton{-1, -1};
  TGridCoord FPressCell{-1, -1};
  int Colclicked = -1, Rowclicked = -1;
  int Colclickedsize = 0, Rowclickedsize = 0;
  int Clickposx = 0, Clickposy = 0;
  int Movecell = -1;
  bool FDeselectState = false;
  // A double click on a column border just auto-sized the column.
  bool FDblClk = false;
  // The selection at the press: what the release reports a change against.
  TGridRect FPressSelection{};
};
