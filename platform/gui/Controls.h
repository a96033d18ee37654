#pragma once
// The control tree: TControl (bounds, parent, visibility, mouse),
// TWinControl (a window handle, children, focus, keyboard), and the two
// bases of self-painting controls, TGraphicControl and TCustomControl.
// Every message goes through WindowProc -> WndProc -> Dispatch ->
// DefaultHandler, whether it came from the toolkit or from the test driver.
#include <memory>
#include <vector>

#include "platform/gui/ControlTypes.h"
#include "platform/gui/ControlView.h"
#include "platform/gui/DragTypes.h"
#include "platform/gui/Graphics.h"

class TCanvas;
class TCustomForm;
class TPopupMenu;

// What a native window is made with: style bits, the window class's style
// and the owner window (WindowStyles.h).
struct TCreateParams {
  unsigned Style = 0;
  unsigned ExStyle = 0;
  unsigned WindowClassStyle = 0;
  HWND WndParent = 0;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  // Position, size and (unless it follows its parent's) font by M / D,
  // rounded as MulDiv does; nothing when M equals D.
  virtual void ChangeScale(int M, int D);
  virtual int ClientWidth() const { return FWidth; }
  virtual int ClientHeight() const { return FHeight; }
  void SetClientWidth(int v);
  void SetClientHeight(int v);
  TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
  // Client origin on the screen.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign v);
  // Only the mode is kept; the control itself draws left to right.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode v) { FBiDiMode = v; }
  bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and all its parents up to a shown top-level window.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool v);

  String Caption() const { return Text(); }
  void SetCaption(const String& v) { SetText(v); }
  // Native controls with editable text keep it in the native widget.
  virtual String Text() const { return FText; }
  virtual void SetText(const String& v);

  TColor Color() const { return FColor; }
  void SetColor(TColor v);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);
  // The font the control draws its text with. A change of it (or of any of
  // its values) clears ParentFont, performs CM_FONTCHANGED and repaints;
  // while ParentFont is set the control follows its parent's font.
  TFont* Font() { return &FFont; }
  const TFont* Font() const { return &FFont; }
  void SetFont(const TFont& v) { FFont.Assign(v); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool v);
  const String& Hint() const { return FHint; }
  void SetHint(const String& v);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v) { FShowHint = v; FParentShowHint = false; }
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool v) { FParentShowHint = v; }
  // ShowHint as it takes effect: the parent's while ParentShowHint is set.
  bool EffectiveShowHint() const;
  // Pops up at a right click (after OnMouseUp) when its AutoPopup is set.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* v);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v);
  // Mouse capture: while set, every mouse message goes to this control.
  bool MouseCapture() const;
  void SetMouseCapture(bool v);
  unsigned ControlStyle() const { return FControlStyle; }
  void SetControlStyle(unsigned v) { FControlStyle = v; }
  unsigned ControlState() const { return FControlState; }

  // Messages: Perform runs WindowProc at once and answers Result.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  // The procedure that messages go through; replace it to subclass (keep
  // the old one and call it for what you do not handle).
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& Message);
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  virtual void Invalidate();
  // Repaints only R (client coordinates) when the view can.
  virtual void InvalidateRect(const TRect& R);
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();

  TCustomForm* GetParentForm() const;
  // The top-level window this control is in (a form, or itself).
  TControl* TopLevel() const;
  TControlView* View() const { return FView.get(); }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // The framework's drag: BeginDrag starts it now or once the pointer has
  // moved Threshold pixels (-1: 5) with the button held; the control under
  // the pointer is asked DragOver, takes DragDrop on release where it
  // accepted, and the source gets OnEndDrag. dmAutomatic starts it on a press.
  void BeginDrag(bool Immediate, int Threshold = -1);
  void EndDrag(bool Drop);
  bool Dragging() const;
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode v) { FDragMode = v; }
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;
  // Accept starts true when OnDragOver is assigned.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DragDrop(TObject* Source, int X, int Y);
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  virtual void DoStartDrag(TDragObject*& DragObject);

  virtual void Click();
  virtual void DblClick();
  // Whether the pointer is over this control (CM_MOUSEENTER came, CM_MOUSELEAVE not yet).
  bool MouseInClient() const;

 protected:
  friend class TWinControl;
  void Loaded() override;
  void SetView(std::unique_ptr<TControlView> View);
  // A new view in place of the current one: it takes what the old one showed.
  void ReplaceView(std::unique_ptr<TControlView> View);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // CM_MOUSEENTER / CM_MOUSELEAVE: the pointer came onto or went off the control.
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Resize();
  // Visible() is the new state; the view still shows the old one.
  virtual void VisibleChanging() {}
  void SetControlState(unsigned v) { FControlState = v; }
  void ParentColorChanged();
  void ParentFontChanged();
  virtual void Changed(UINT CMMessage);  // Performs CM_xxxCHANGED and tells the view
  // Places the view: bounds relative to the nearest windowed parent.
  void UpdateViewBounds();

 private:
  void EraseBackground(TMessage& Message);
  void HandleMouse(TMessage& Message);
  void HandleButtonDown(TMouseButton Button, TMessage& Message);
  void HandleButtonUp(TMouseButton Button, TMessage& Message);
  void FontChanged();

  TWinControl* FParent = nullptr;
  std::unique_ptr<TControlView> FView;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FVisible = true;
  bool FEnabled = true;
  String FText;
  TColor FColor = clWindow;
  bool FParentColor = false;
  TFont FFont;
  bool FParentFont = true;
  bool FFollowingParentFont = false;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TDragMode FDragMode = dmManual;
  TPopupMenu* FPopupMenu = nullptr;
  unsigned FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption;
  unsigned FControlState = 0;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The handle is made on first use and lives as long as the control.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != 0; }
  // The children's scale and then the control's own.
  void ChangeScale(int M, int D) override;
  // A window scaled in place: its children, its size and its font by M / D.
  void ScaleBy(int M, int D);
  void HandleNeeded() { Handle(); }

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(static_cast<size_t>(Index)); }
  bool ContainsControl(const TControl* Control) const;
  // The child control at a client point (topmost, visible ones only).
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled = false) const;

  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool v) { FTabStop = v; }
  // Children that are windowed controls, in tab order.
  const std::vector<TWinControl*>& TabList() const { return FTabList; }
  // Every windowed descendant in tab order (a container before its children).
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent) const;
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Whether a mouse press gives this control the focus (native edits and
  // buttons do; panels and self-painting controls decide for themselves).
  bool FocusOnClick() const { return FFocusOnClick; }
  void SetFocusOnClick(bool v) { FFocusOnClick = v; }
  // The id the control names itself by in its notifications to the parent.
  WORD ControlID() const { return FControlID; }
  void SetControlID(WORD v) { FControlID = v; }

  // Makes the native window again with what CreateParams answers now; the
  // text, selection, font and focus survive.
  void RecreateWnd();

  void Broadcast(TMessage& Message);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Realign() { AlignControls(); }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseWheelEvent OnMouseWheel;

  void Dispatch(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

 protected:
  friend class TControl;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  virtual void AlignControls();
  // The part of the client area that aligned children fill.
  virtual void AdjustClientRect(TRect& Rect) const {}
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(Char& Key);
  virtual bool DoKeyDown(TMessage& Message);
  virtual bool DoKeyUp(TMessage& Message);
  virtual bool DoKeyPress(TMessage& Message);
  virtual void DoEnter();
  virtual void DoExit();
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void CreateWnd() {}
  virtual void CreateParams(TCreateParams& Params) { (void)Params; }
  // The backend's new native window for Params (controls that have one).
  virtual void RecreateView(const TCreateParams& Params) { (void)Params; }

  void WMGetDlgCode(TMessage& Message) { Message.Result = 0; }
  void CNKeyDown(TMessage& Message);
  // A character the focused control does not want (any with Alt) is first
  // offered to the form's controls as an access key.
  void CNChar(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  // The focus goes to the first control in tab order inside this one.
  void SelectFirst();
  // A native control that draws over its look: each paint comes as WM_PAINT
  // with the canvas in WParam, and the default handling of WM_PAINT draws
  // the native look into it, under the canvas's clip (call it before or after
  // drawing). WM_NCPAINT follows with the same canvas, unclipped, for a frame
  // of its own; the native frame is part of the native look.
  void SetPaintHooks(bool v);
  // Sends the parent WM_COMMAND with the control id and Code; the parent
  // reflects it back as CN_COMMAND, where the control fires its own event.
  // Without a parent the control gets CN_COMMAND straight away.
  void NotifyParent(WORD Code);
  // The same with WM_NOTIFY: Header (its sender filled in here) is reflected as CN_NOTIFY.
  LRESULT NotifyParent(NMHDR& Header);

 private:
  // A control's notification goes back to it as CN_COMMAND (CN_NOTIFY).
  void WMCommand(TMessage& Message);
  void WMNotify(TMessage& Message);
  void WMKey(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void FocusMessage(TMessage& Message);

  friend bool HideCaret(HWND Wnd);
  friend bool ShowCaret(HWND Wnd);
  HWND FHandle = 0;
  int FCaretHidden = 0;  // HideCaret calls not yet undone
  std::vector<TControl*> FControls;     // in z-order, last on top
  std::vector<TWinControl*> FTabList;   // windowed children in tab order
  bool FTabStop = false;
  bool FFocusOnClick = false;
  WORD FControlID = 0;
};

// Paints, on the control's canvas, what its parent shows beneath it: the
// parent erases and paints into the canvas, moved by the control's position
// and clipped to the control and to the parent's client area. Clip, origins
// and tools of the canvas are as before afterwards.
void PaintParentBackground(const TControl& Control, TCanvas& Canvas);

// Runs Paint for a WM_PAINT message (the canvas in WParam): the canvas is
// in Slot, with the control's font, while Paint runs.
void PaintFromMessage(const TMessage& Message, TCanvas*& Slot, const TFont& Font, const std::function<void()>& Paint);

// A control that paints itself: WM_PAINT carries the canvas in WParam and
// ends in Paint().
template <class Base>
class TSelfPaintingControl : public Base {
 public:
  using Base::Base;
  // The canvas while painting (null otherwise).
  TCanvas* Canvas() const { return FCanvas; }

 protected:
  virtual void Paint() {}
  void Dispatch(TMessage& Message) override {
    if (Message.Msg != WM_PAINT) return Base::Dispatch(Message);
    PaintFromMessage(Message, FCanvas, *this->Font(), [this] { Paint(); });
  }

 private:
  TCanvas* FCanvas = nullptr;
};

// A control without a window of its own that paints on its parent's surface.
class TGraphicControl : public TSelfPaintingControl<TControl> {
 public:
  using TSelfPaintingControl::TSelfPaintingControl;
};

// A windowed control that paints itself.
class TCustomControl : public TSelfPaintingControl<TWinControl> {
 public:
  explicit TCustomControl(TComponent* AOwner);
};

// Mouse capture: while set, every mouse message goes to this control.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The control under the pointer. Setting another one sends CM_MOUSELEAVE to
// the old control, then CM_MOUSEENTER to the new one (null: off all windows).
TControl* GetMouseControl();
void SetMouseControl(TControl* Control);
// The control whose window has the keyboard focus (null when none).
TWinControl* FocusedControl();
TWinControl* FindControl(HWND Handle);
// The caret of a control's native edit hides until each HideCaret is undone
// by a ShowCaret. False for an unknown window, and ShowCaret is false when
// nothing hid the caret.
bool HideCaret(HWND Wnd);
bool ShowCaret(HWND Wnd);
