#pragma once
// The platform string grid as a window: the headless TGridModel under a
// self-painting control. The widget paints the model on the control's canvas,
// turns mouse, keys, wheel and scroll messages into model calls, and runs the
// in-place editor cycle (EditorMode, ShowEditor, HideEditor and the edit-text
// hooks). Both bases declare Click; the one override here serves both.
#include "platform/grids/GridModel.h"
#include "platform/gui/Controls.h"

class TInplaceEdit;

using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

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
  // Whether the bar is shown: asked for by ScrollBars and needed (cells out of view).
  bool ScrollBarShown(bool Vertical) const;
  // The thickness of the grid's scroll bars.
  static int ScrollBarThickness();

  // The in-place editor.
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  void ShowEditor();
  // Opens the editor and types Ch into it.
  void ShowEditorChar(Char Ch);
  void HideEditor();
  // Reloads the editor from the current cell.
  void InvalidateEditor();
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
  // The grid, or its editor, has the focus of its form.
  bool IsActiveControl() const;

  void Click() override;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

  // Model hooks that the window must see.
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
  void PaintScrollBars(TCanvas& Canvas);
  // A press on a bar (answers whether it was one), and the dragged thumb.
  bool ScrollBarMouseDown(int X, int Y);
  bool ThumbDragMouse(int X, int Y, bool Release);
  void EditorChanged();

  bool FDefaultDrawing = true;
  TColor FFixedColor = clBtnFace;
  TScrollStyle FScrollBars = ssBoth;
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
