// Input of the grid window: window messages, keys, mouse and wheel, each
// turned into the model's rules. Every step is virtual, so a grid subclass
// puts its own rules before it and its follow-up after it.
#include "platform/grids/CustomGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Timers.h"

namespace {
constexpr std::uintptr_t kSelectTimer = 1;  // scrolls while a range is dragged past the edge
constexpr unsigned kSelectInterval = 60;
}  // namespace

void TCustomGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: return DialogCode(Message);
    case WM_PAINT: FStaleRepaintAsked = false; break;
    case WM_NCPAINT:
      if (auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam)) PaintNonClient(*canvas);
      return;
    case WM_HSCROLL: case WM_VSCROLL: {
      const bool vertical = Message.Msg == WM_VSCROLL;
      const TGridScrollBar& bar = ScrollBar(vertical ? SB_VERT : SB_HORZ);
      ScrollMessage(vertical, LoWord(Message.WParam), HiWord(Message.WParam), bar.Info().nMin, bar.MaxPos());
      return;
    }
    case WM_TIMER:
      if (Message.WParam == kSelectTimer) return SelectingTimer();
      break;
    case WM_CHAR:
      // Typing on the grid opens the editor with the typed character.
      if (Options().Contains(goEditing) && (Message.WParam == 8 || Message.WParam >= 32)) {
        ShowEditorChar(static_cast<Char>(Message.WParam));
        return;
      }
      break;
    case WM_SETFOCUS: case WM_KILLFOCUS:
      TCustomControl::Dispatch(Message);
      return FocusChanged(Message);
    default: break;
  }
  TCustomControl::Dispatch(Message);
}

// The grid wants the arrows, Tab with goTabs (a row-select grid leaves Tab to
// the form), and the characters it types into its editor.
void TCustomGrid::DialogCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (Options().Contains(goTabs) && !Options().Contains(goRowSelect)) Message.Result |= DLGC_WANTTAB;
  if (Options().Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::FocusChanged(TMessage& Message) {
  Invalidate();  // the focus frame
  if (Message.Msg == WM_SETFOCUS && !(FInplaceEdit && FInplaceEdit->Focused())) UpdateEdit();
}

// ---- keys

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Key == VK_F2 && Shift.Without(ssShift).Empty()) {
    SetEditorMode(true);
    return;
  }
  if (Key == VK_TAB && Shift.Contains(ssAlt)) return;
  MoveByKey(Key, Shift.Contains(ssShift), Shift.Contains(ssCtrl));
}

// Enter opens and closes the editor (unless it is always shown); Escape
// puts back the text the editor opened with.
void TCustomGrid::KeyPress(Char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 13 && !Options().Contains(goAlwaysShowEditor)) {
    if (FEditorMode)
      HideEditor();
    else
      ShowEditor();
    Key = 0;
  } else if (Key == 27 && FEditorMode) {
    CancelEdit();
    Key = 0;
  }
}

// ---- mouse

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus() && !Focused() && !(FInplaceEdit && FInplaceEdit->Focused())) {
    SetFocus();
    if (!IsActiveControl()) {  // a handler kept the focus elsewhere
      SetMouseCapture(false);
      return;
    }
  }
  // A scroll bar takes no double clicks: the second press is a press again.
  if (Button == mbLeft && !ScrollBarMouseDown(X, Y) && !Shift.Contains(ssDouble)) {
    TGridState sizing = gsNormal;
    int index = 0, pos = 0, ofs = 0;
    CalcSizingState(X, Y, sizing, index, pos, ofs);
    TGridCoord cell = MouseCoord(X, Y);
    bool onCurrent = cell.X == Col() && cell.Y == Row();
    if (sizing == gsNormal && onCurrent && Options().Contains(goEditing)) {
      ShowEditor();
    } else {
      GridMouseDown(X, Y, Shift.Contains(ssShift));
      FLastMouse = Point(X, Y);
      if (GridState() == gsSelecting) SetTimer(Handle(), kSelectTimer, kSelectInterval);
      if (GridState() != gsNormal) Invalidate();
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

// A range drag follows the pointer's moves, not the view's: a press on a
// partly shown cell scrolls it into view, and the pointer, still where it
// pressed, then stands over another cell. So a move or a release where the
// pointer was last leaves the selection as it is.
void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  const bool still = GridState() == gsSelecting && Point(X, Y) == FLastMouse;
  if (!ThumbDragMouse(X, Y, false) && GridState() != gsNormal && !still) {
    FLastMouse = Point(X, Y);
    GridMouseMove(X, Y);
    // The drag feedback follows (a grid drawing its own move mark repaints it itself).
    const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
    if (GridState() != gsSelecting && (FMoveFeedback || !moving)) Invalidate();
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGridState state = GridState();
  if (!ThumbDragMouse(X, Y, true) && state != gsNormal) {
    KillTimer(Handle(), kSelectTimer);
    if (state == gsSelecting && Point(X, Y) == FLastMouse)
      CancelGridState();
    else
      GridMouseUp(X, Y);
    Invalidate();
    if (state == gsSelecting) {
      UpdateEdit();
      Click();
    }
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::SelectingTimer() {
  if (GridState() != gsSelecting) {
    KillTimer(Handle(), kSelectTimer);
    return;
  }
  SelectingScrollStep(FLastMouse.X, FLastMouse.Y);
}

// ---- wheel: a notch moves the current row by one

bool TCustomGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  FWheelAccumulator += WheelDelta;
  bool handled = false;
  while (FWheelAccumulator <= -WHEEL_DELTA || FWheelAccumulator >= WHEEL_DELTA) {
    bool down = FWheelAccumulator < 0;
    FWheelAccumulator += down ? WHEEL_DELTA : -WHEEL_DELTA;
    handled = (down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos)) || handled;
  }
  return handled;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  if (!handled && Row() < RowCount() - 1) SetRow(Row() + 1);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  if (!handled && Row() > FixedRows()) SetRow(Row() - 1);
  return true;
}
