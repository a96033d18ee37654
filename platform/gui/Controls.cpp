#include "platform/gui/Controls.h"

#include "platform/gui/Application.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/DragControl.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"

TShiftState MouseShiftState(WPARAM Keys) {
  unsigned b = 0;
  if (Keys & MK_SHIFT) b |= ssShift;
  if (Keys & MK_CONTROL) b |= ssCtrl;
  if (Keys & MK_LBUTTON) b |= ssLeft;
  if (Keys & MK_RBUTTON) b |= ssRight;
  if (Keys & MK_MBUTTON) b |= ssMiddle;
  return TShiftState::FromBits(b);
}

WPARAM MouseKeys(TShiftState Shift) {
  WPARAM k = 0;
  if (Shift.Contains(ssShift)) k |= MK_SHIFT;
  if (Shift.Contains(ssCtrl)) k |= MK_CONTROL;
  if (Shift.Contains(ssLeft)) k |= MK_LBUTTON;
  if (Shift.Contains(ssRight)) k |= MK_RBUTTON;
  if (Shift.Contains(ssMiddle)) k |= MK_MBUTTON;
  return k;
}

namespace {
TControl*& Capture() {
  static TControl* c = nullptr;
  return c;
}
}  // namespace

TControl* GetCaptureControl() { return Capture(); }

namespace {
TControl*& Hovered() {
  static TControl* c = nullptr;
  return c;
}
}  // namespace

TControl* GetMouseControl() { return Hovered(); }

void SetMouseControl(TControl* Control) {
  TControl* old = Hovered();
  if (old == Control) return;
  Hovered() = Control;
  if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
  // The leave handler may have moved the pointer's control again.
  if (Control && Hovered() == Control) Control->Perform(CM_MOUSEENTER, 0, 0);
}

void SetCaptureControl(TControl* Control) {
  TControl* old = Capture();
  if (old == Control) return;
  Capture() = Control;
  if (old) old->Perform(WM_CAPTURECHANGED, 0, 0);
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont.OnChange = [this](TPersistent*) { FontChanged(); };
}

TControl::~TControl() {
  platform::DragControlGone(this);
  if (Application) Application->ControlDestroyed(this);
  if (Capture() == this) Capture() = nullptr;
  if (Hovered() == this) Hovered() = nullptr;
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetView(std::unique_ptr<TControlView> View) {
  FView = std::move(View);
  if (!FView) return;
  FView->SetCaption(FText);
  FView->SetEnabled(FEnabled);
  FView->SetFont(FFont);
  if (FParent) FView->SetParentView(FParent->View());
  UpdateViewBounds();
}

// The old view lives until the children's views sit on the new one: the
// native window takes its native children with it.
void TControl::ReplaceView(std::unique_ptr<TControlView> View) {
  const std::unique_ptr<TControlView> old = std::move(FView);
  SetView(std::move(View));
  if (auto* self = dynamic_cast<TWinControl*>(this)) {
    for (int i = 0; i < self->ControlCount(); ++i)
      if (TControl* child = self->Controls(i); child->FView) {
        child->FView->SetParentView(FView.get());
        child->UpdateViewBounds();
      }
  }
  if (!FView || !FParent) return;
  FView->SetColor(FColor);
  FView->SetCursor(FCursor);
  FView->SetVisible(FVisible);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::SetPopupMenu(TPopupMenu* v) {
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = v;
  if (v) v->FreeNotification(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParentColor) ParentColorChanged();
  if (FParentFont) ParentFontChanged();
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw Exception(u"A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
  if (FView) FView->SetParentView(AParent ? AParent->View() : nullptr);
  UpdateViewBounds();
  if (FView) FView->SetVisible(FVisible);
  if (FParentColor) ParentColorChanged();
  if (FParentFont) ParentFontChanged();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  if (ALeft == FLeft && ATop == FTop && !resized) return;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateViewBounds();
  // Sent, so that window hooks see a window move or resize.
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SendMessage(w->Handle(), WM_WINDOWPOSCHANGED, 0, 0);
  if (FParent && FAlign != alNone) FParent->AlignControls();
  if (!resized) return;
  // A window's aligned children take its new size before its OnResize reads their places.
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->Realign();
  if (!Loading()) Resize();
}

void TControl::UpdateViewBounds() {
  if (!FView) return;
  FView->SetBounds(BoundsRect());
}

void TControl::SetClientWidth(int v) { SetWidth(FWidth + v - ClientWidth()); }
void TControl::SetClientHeight(int v) { SetHeight(FHeight + v - ClientHeight()); }

TPoint TControl::ClientOrigin() const {
  if (!FParent) return Point(FLeft, FTop);
  const TPoint p = FParent->ClientOrigin();
  return Point(p.X + FLeft, p.Y + FTop);
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return Point(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return Point(p.X - o.X, p.Y - o.Y);
}

void TControl::SetAlign(TAlign v) {
  if (FAlign == v) return;
  FAlign = v;
  if (FParent) FParent->AlignControls();
}

void TControl::SetVisible(bool v) {
  if (FVisible == v) return;
  FVisible = v;
  // The hook may undo the change: by the opposite one, or by an exception.
  try {
    VisibleChanging();
  } catch (...) {
    FVisible = !v;
    throw;
  }
  if (FVisible != v) return;
  if (FView) FView->SetVisible(v);
  Perform(CM_VISIBLECHANGED, v ? 1 : 0, 0);
  if (FParent && FAlign != alNone) FParent->AlignControls();
}

bool TControl::Showing() const {
  if (!FVisible) return false;
  return FParent ? FParent->Showing() : true;
}

void TControl::SetEnabled(bool v) {
  if (FEnabled == v) return;
  FEnabled = v;
  if (FView) FView->SetEnabled(v);
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetText(const String& v) {
  if (FText == v) return;
  FText = v;
  if (FView) FView->SetCaption(v);
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor v) {
  FParentColor = false;
  if (FColor == v) return;
  FColor = v;
  Changed(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  FParentColor = v;
  if (v) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent || FColor == FParent->Color()) return;
  FColor = FParent->Color();
  Changed(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool v) {
  FParentFont = v;
  if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FFollowingParentFont = true;
  FFont.Assign(*FParent->Font());
  FFollowingParentFont = false;
}

void TControl::FontChanged() {
  if (!FFollowingParentFont) FParentFont = false;
  Changed(CM_FONTCHANGED);
  Invalidate();
}

void TControl::Changed(UINT CMMessage) {
  if (FView) {
    if (CMMessage == CM_COLORCHANGED) FView->SetColor(FColor);
    if (CMMessage == CM_FONTCHANGED) FView->SetFont(FFont);
  }
  Perform(CMMessage, 0, 0);
}

void TControl::SetHint(const String& v) { FHint = v; }

bool TControl::EffectiveShowHint() const {
  if (FParentShowHint && FParent) return FParent->EffectiveShowHint();
  return FShowHint;
}

void TControl::SetCursor(TCursor v) {
  if (FCursor == v) return;
  FCursor = v;
  if (FView) FView->SetCursor(v);
  Perform(CM_CURSORCHANGED, 0, 0);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool v) {
  if (v) {
    SetCaptureControl(this);
  } else if (MouseCapture()) {
    SetCaptureControl(nullptr);
  }
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TControl::Dispatch(TMessage& Message) {
  if (Message.Msg >= WM_MOUSEMOVE && Message.Msg <= WM_MBUTTONDBLCLK) {
    HandleMouse(Message);
    return;
  }
  if (Message.Msg == CM_MOUSEENTER) return MouseEnter();
  if (Message.Msg == CM_MOUSELEAVE) return MouseLeave();
  DefaultHandler(Message);
}

bool TControl::MouseInClient() const { return Hovered() == this; }

void TControl::MouseEnter() {
  FireEvent(OnMouseEnter, this);
}

void TControl::MouseLeave() {
  FireEvent(OnMouseLeave, this);
}

void TControl::DefaultHandler(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) return EraseBackground(Message);
  if (FView) FView->DefaultHandler(Message);
}

// WM_ERASEBKGND carries the canvas. An opaque control paints every pixel
// itself, so only the others are filled with their colour.
void TControl::EraseBackground(TMessage& Message) {
  auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam);
  if (!canvas || FColor == clNone || (ControlStyle() & csOpaque)) return;
  TBrush brush;
  brush.Assign(*canvas->Brush());
  canvas->Brush()->SetColor(FColor);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  canvas->SetBrush(brush);
  Message.Result = 1;
}

void TControl::HandleMouse(TMessage& Message) {
  const int x = GetXLParam(Message.LParam), y = GetYLParam(Message.LParam);
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      DefaultHandler(Message);
      MouseMove(MouseShiftState(Message.WParam), x, y);
      return;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: return HandleButtonDown(mbLeft, Message);
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: return HandleButtonDown(mbRight, Message);
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: return HandleButtonDown(mbMiddle, Message);
    case WM_LBUTTONUP: return HandleButtonUp(mbLeft, Message);
    case WM_RBUTTONUP: return HandleButtonUp(mbRight, Message);
    case WM_MBUTTONUP: return HandleButtonUp(mbMiddle, Message);
    default: DefaultHandler(Message);
  }
}

void TControl::HandleButtonDown(TMouseButton Button, TMessage& Message) {
  const bool dbl = Message.Msg == WM_LBUTTONDBLCLK || Message.Msg == WM_RBUTTONDBLCLK ||
                   Message.Msg == WM_MBUTTONDBLCLK;
  // Each handler on the way may free this control (the focus change too).
  const TFreeWatch watch(*this);
  DefaultHandler(Message);
  if (watch.Freed()) return;
  if (Button == mbLeft && FDragMode == dmAutomatic && !dbl) return BeginDrag(false);
  if (Button == mbLeft) {
    if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
    if (dbl && (FControlStyle & csDoubleClicks)) DblClick();
    else if (!dbl && (FControlStyle & csClickEvents)) FControlState |= csClicked;
    if (watch.Freed()) return;
  }
  TShiftState shift = MouseShiftState(Message.WParam);
  if (dbl) shift = shift | TShiftState(ssDouble);
  MouseDown(Button, shift, GetXLParam(Message.LParam), GetYLParam(Message.LParam));
}

void TControl::HandleButtonUp(TMouseButton Button, TMessage& Message) {
  const TFreeWatch watch(*this);
  DefaultHandler(Message);
  if (watch.Freed()) return;
  const int x = GetXLParam(Message.LParam), y = GetYLParam(Message.LParam);
  if (Button == mbLeft) {
    if (FControlStyle & csCaptureMouse) SetMouseCapture(false);
    if (FControlState & csClicked) {
      FControlState &= ~csClicked;
      if (ClientRect().Contains(Point(x, y))) Click();
      if (watch.Freed()) return;
    }
  }
  MouseUp(Button, MouseShiftState(Message.WParam), x, y);
  if (watch.Freed()) return;
  if (Button == mbRight && FPopupMenu && FPopupMenu->AutoPopup()) {
    FPopupMenu->SetPopupComponent(this);
    const TPoint p = ClientToScreen(Point(x, y));
    FPopupMenu->Popup(p.X, p.Y);
  }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FireEvent(OnMouseDown, this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  FireEvent(OnMouseMove, this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FireEvent(OnMouseUp, this, Button, Shift, X, Y);
}

void TControl::Click() {
  FireEvent(OnClick, this);
}

void TControl::DblClick() {
  FireEvent(OnDblClick, this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Invalidate() {
  if (FView) FView->Invalidate();
}

void TControl::InvalidateRect(const TRect& R) {
  if (FView) FView->InvalidateRect(R);
}

void TControl::Update() {
  if (FView) FView->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (FView) FView->BringToFront();
}

TControl* TControl::TopLevel() const {
  const TControl* c = this;
  while (c->FParent) c = c->FParent;
  return const_cast<TControl*>(c);
}

TCustomForm* TControl::GetParentForm() const { return dynamic_cast<TCustomForm*>(TopLevel()); }

namespace {
// Sets the canvas slot for the duration of a paint, also when Paint throws.
struct CanvasScope {
  TCanvas*& Slot;
  CanvasScope(TCanvas*& slot, TCanvas* c) : Slot(slot) { Slot = c; }
  ~CanvasScope() { Slot = nullptr; }
};
}  // namespace

void PaintParentBackground(const TControl& Control, TCanvas& Canvas) {
  TWinControl* parent = Control.Parent();
  if (!parent) return;
  TFont font;
  TBrush brush;
  TPen pen;
  font.Assign(*Canvas.Font());
  brush.Assign(*Canvas.Brush());
  pen.Assign(*Canvas.Pen());
  const int saved = Canvas.SaveDC();
  Canvas.IntersectClipRect(Rect(0, 0, Control.Width(), Control.Height()));
  const TPoint org = Canvas.WindowOrg();
  Canvas.SetWindowOrg(Point(org.X + Control.Left(), org.Y + Control.Top()));
  Canvas.IntersectClipRect(parent->ClientRect());
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&Canvas), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&Canvas), 0);
  Canvas.RestoreDC(saved);
  Canvas.SetFont(font);
  Canvas.SetBrush(brush);
  Canvas.SetPen(pen);
}

void PaintFromMessage(const TMessage& Message, TCanvas*& Slot, const TFont& Font, const std::function<void()>& Paint) {
  auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam);
  if (!canvas) return;
  CanvasScope scope(Slot, canvas);
  canvas->SetFont(Font);
  Paint();
}

TCustomControl::TCustomControl(TComponent* AOwner) : TSelfPaintingControl(AOwner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
}

void TControl::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
  if (!FParentFont) Font()->SetSize(MulDiv(Font()->Size(), M, D));
}
