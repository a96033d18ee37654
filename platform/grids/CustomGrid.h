#pragma once
// The platform string grid as a window: the headless TGridModel under a
// self-painting control. The widget paints the model on the control's canvas,
// turns mouse, keys, wheel and scroll messages into model calls, and runs the
// in-place editor cycle (EditorMode, ShowEditor, HideEditor and the edit-text
// hooks). Both bases declare Click; the one override here serves both.
//
// The window has a non-client area: the frame (BorderStyle) and the scroll
// bars, painted through WM_NCPAINT in window coordinates. The client area
// inside them is the cell area; mouse positions are client coordinates, so
// a press on a bar or the frame lies outside the client rectangle.
#include <array>

#include "platform/grids/GridModel.h"
#include "platform/grids/GridScrollBar.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Forms.h"

class TInplaceEdit;
class TFramedView;

using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TCustomGrid : public TCustomControl, public TGridModel {
 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // Filling the cell background, the fixed-cell edges and the focus frame
  // before and after DrawCell.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  // Whether the bar is shown (see ShowScrollBar).
  bool ScrollBarShown(bool Vertical) const;
  // The thickness of the grid's scroll bars.
  static int ScrollBarThickness();

  // The frame: bsSingle draws a sunken edge BorderWidth pixels wide on each side.
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  int BorderWidth() const;
  // The client area is the window less the frame and the shown bars; it is
  // the cell area (ViewWidth, ViewHeight).
  int ClientWidth() const override;
  int ClientHeight() const override;
  TPoint ClientOrigin() const override;
  // The client area in window coordinates.
  TRect ClientRectInWindow() const;

  // Scroll bars (SB_HORZ, SB_VERT). The grid keeps each in step with the
  // model: the position follows LeftCol/TopRow over the bar's range (0..127
  // until another is set), and a bar is shown when ScrollBars asks for it
  // and not all cells fit, re-decided whenever that need changes.
  bool GetScrollInfo(int Bar, TScrollInfo& Info) const;
  int SetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw = true);
  int GetScrollPos(int Bar) const;
  void ShowScrollBar(int Bar, bool Show);
  // ESB_* flags; a disabled arrow takes no press.
  void EnableScrollBar(int Bar, UINT Arrows);
  // The thumb's length in pixels on the shown bar.
  int ScrollThumbSize(int Bar) const;

  // The in-place editor.
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  void ShowEditor();
  // Opens the editor and types Ch into it.
  virtual void ShowEditorChar(Char Ch);
  void HideEditor();
  // Reloads the editor from the current cell.
  void InvalidateEditor();
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
  // The grid, or its editor, has the focus of its form.
  bool IsActiveControl() const;

  void Click() override;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

  // Model hooks that the window must see. The cell, column and row hooks
  // invalidate just their rectangles (the visible part of the column or row).
  void InvalidateCell(int ACol, int ARow) override;
  void InvalidateCol(int ACol) override;
  void InvalidateRow(int ARow) override;
  void InvalidateGrid() override;
  void TopLeftChanged() override;
  // goAlwaysShowEditor opens the editor (it needs the focus to show), its removal closes it.
  void OptionsChanged() override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void SelectionMoved(const TGridRect& OldSel) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void PaintCell(TCanvas& Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  // A right-to-left window shows its cells mirrored.
  bool MirroredView() const override { return UseRightToLeftAlignment(); }

  // The editor's overridables.
  virtual bool CanEditShow();
  virtual bool CanEditModify() { return FCanEditModify; }
  virtual String GetEditText(int ACol, int ARow) { return String(); }
  virtual void SetEditText(int ACol, int ARow, const String& Value) {}
  virtual String GetEditMask(int ACol, int ARow) { return String(); }
  virtual int GetEditLimit() { return 0; }
  // The grid owns the editor it answers (a new TInplaceEdit here).
  virtual TInplaceEdit* CreateEditor();

  // The grid's key steps; its editor hands it the keys that move or close it.
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;

 protected:
  void Paint() override;
  void Resize() override;
  void Dispatch(TMessage& Message) override;
  // While this answers true the model's changes ask for no repaint; the
  // holder of the lock repaints once when it lets go.
  virtual bool RepaintLocked() const { return false; }
  // A grid that draws its own feedback while a column or row is dragged
  // switches the platform's line off.
  bool MoveFeedback() const { return FMoveFeedback; }
  void SetMoveFeedback(bool Value) { FMoveFeedback = Value; }
  // On (the default), the editor writes its text through SetEditText at
  // every change. Off, it writes once, when it hides, and only when its text
  // differs from the text it was loaded with; Escape then writes nothing.
  bool EditWritesThrough() const { return FEditWritesThrough; }
  void SetEditWritesThrough(bool Value) { FEditWritesThrough = Value; }
  // The frame and the scroll bars, in window coordinates.
  virtual void PaintNonClient(TCanvas& Canvas);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);

  // The editor cycle: placed on the current cell when it may show, else hidden
  // after its text went to SetEditText.
  void UpdateEdit();
  void HideEdit();
  void UpdateText();
  // Writes the text the editor opened with back into its cell (Escape).
  void CancelEdit();

 private:
  friend class TInplaceEdit;
  void UpdateEditor();
  void RequestRepaint();
  // The view is the client area less the scroll bars that are needed.
  void UpdateViewport() override;
  void CellSizesChanged();
  void DialogCode(TMessage& Message);
  void FocusChanged(TMessage& Message);
  void SelectingTimer();
  void PaintDragFeedback(TCanvas& Canvas);
  void PaintMoveLine(TCanvas& Canvas, bool Column);
  void PaintScrollBars(TCanvas& Canvas);
  void PaintFrame(TCanvas& Canvas);
  // A press outside the client area: on a bar, or the frame (answers
  // whether it was outside), and the dragged thumb.
  bool ScrollBarMouseDown(int X, int Y);
  bool ThumbDragMouse(int X, int Y, bool Release);
  const TGridScrollBar& ScrollBar(int Bar) const { return FBars[Bar == SB_VERT ? 1 : 0]; }
  TGridScrollBar& ScrollBar(int Bar) { return FBars[Bar == SB_VERT ? 1 : 0]; }
  // The positions follow the top-left cell; the view learns the client area.
  void SyncScrollBars();
  // A window rectangle of the non-client area needs painting.
  void InvalidateNonClient();
  // A repaint of the whole grid already asked for, or none allowed.
  bool RepaintCovered() const;
  void EditorChanged();
  bool EditorTextChanged() const;

  bool FDefaultDrawing = true;
  TColor FFixedColor = clBtnFace;
  TScrollStyle FScrollBars = ssBoth;
  TFormBorderStyle FBorderStyle = bsNone;
  std::array<TGridScrollBar, 2> FBars;  // horizontal, vertical
  TFramedView* FFramedView = nullptr;  // the view's frame side (owned with the view)
  bool FMoveFeedback = true;
  bool FEditWritesThrough = true;
  bool FEditWritten = false;  // a change of the open editor went to SetEditText
  bool FEditorMode = false;
  bool FCanEditModify = true;
  bool FLoadingEditor = false;
  TInplaceEdit* FInplaceEdit = nullptr;  // owned as a component
  int FInplaceCol = -1;
  int FInplaceRow = -1;
  String FEditStartText;
  TPoint FLastMouse;
  int FThumbDrag = 0;  // the thumb dragged: 0 none, 1 horizontal, 2 vertical
  int FThumbGrab = 0;  // where on the thumb it was grabbed
  int FWheelAccumulator = 0;
  // A repaint was asked for since the view went stale: no paint came since
  // (a paint reads the view), so more requests would only repeat it.
  bool FStaleRepaintAsked = false;
};
