// The windowed control: handle, children, tab order and alignment.
#include <algorithm>
#include <unordered_map>

#include "platform/gui/Controls.h"
#include "platform/gui/Focus.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Region.h"

namespace {
std::unordered_map<HWND, TWinControl*>& HandleMap() {
  static std::unordered_map<HWND, TWinControl*> m;
  return m;
}
}  // namespace

TWinControl* FindControl(HWND Handle) {
  auto it = HandleMap().find(Handle);
  return it == HandleMap().end() ? nullptr : it->second;
}

bool HideCaret(HWND Wnd) {
  TWinControl* c = FindControl(Wnd);
  if (!c) return false;
  if (c->FCaretHidden++ == 0 && c->View()) c->View()->SetCaretVisible(false);
  return true;
}

bool ShowCaret(HWND Wnd) {
  TWinControl* c = FindControl(Wnd);
  if (!c || c->FCaretHidden == 0) return false;
  if (--c->FCaretHidden == 0 && c->View()) c->View()->SetCaretVisible(true);
  return true;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  // Leave the parent while still a windowed control, so that the form lets go of it.
  if (Parent()) Parent()->RemoveControl(this);
  // Children go first; each takes itself out of this list.
  while (!FControls.empty()) delete FControls.back();
  if (Focused()) platform::ForgetFocus(this);
  if (FHandle) {
    HandleMap().erase(FHandle);
    ForgetWindowRgn(FHandle);
    DeallocateHWnd(FHandle);
  }
}

HWND TWinControl::Handle() {
  if (!FHandle) {
    // The method goes through WindowProc, so a replaced procedure sees sent messages too.
    FHandle = AllocateHWnd([this](TMessage& m) { WindowProc(m); });
    HandleMap()[FHandle] = this;
    CreateWnd();
  }
  return FHandle;
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (const TControl* c = Control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || !(AllowDisabled || c->Enabled()) || !c->BoundsRect().Contains(Pos)) continue;
    // A windowed control with a shape takes only the points inside it.
    auto* w = dynamic_cast<TWinControl*>(c);
    if (!w || !w->HandleAllocated() || WindowRegionContains(w->Handle(), Point(Pos.X - c->Left(), Pos.Y - c->Top())))
      return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
  FControls.push_back(AControl);
  AControl->FParent = this;
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) FTabList.push_back(w);
  if (AControl->Align() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    if (TCustomForm* f = GetParentForm()) f->ControlRemoved(w);
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
  }
  FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
  AControl->FParent = nullptr;
  if (AControl->Align() != alNone && !Destroying()) AlignControls();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& l = Parent()->FTabList;
  return static_cast<int>(std::find(l.begin(), l.end(), this) - l.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!Parent()) return;
  auto& l = Parent()->FTabList;
  l.erase(std::find(l.begin(), l.end(), this));
  const int n = static_cast<int>(l.size());
  const int at = (Value < 0 || Value > n) ? n : Value;
  l.insert(l.begin() + at, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* c : FTabList) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int n = static_cast<int>(list.size());
  int start = static_cast<int>(std::find(list.begin(), list.end(), CurControl) - list.begin());
  if (start == n) start = GoForward ? n - 1 : 0;
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = GoForward ? (i + 1) % n : (i + n - 1) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c == CurControl) break;
    if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this))
      return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, false)) next->SetFocus();
}

void TWinControl::Broadcast(TMessage& Message) {
  const std::vector<TControl*> children = FControls;
  for (TControl* c : children) {
    c->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

// The children are aligned inside TControl::SetBounds, before OnResize runs.
void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TWinControl::AlignControls() {
  TRect r = ClientRect();
  AdjustClientRect(r);
  auto place = [&](TAlign a) {
    for (TControl* c : FControls) {
      if (c->Align() != a || !c->Visible()) continue;
      switch (a) {
        case alTop: c->SetBounds(r.Left, r.Top, r.Width(), c->Height()); r.Top += c->Height(); break;
        case alBottom: r.Bottom -= c->Height(); c->SetBounds(r.Left, r.Bottom, r.Width(), c->Height()); break;
        case alLeft: c->SetBounds(r.Left, r.Top, c->Width(), r.Height()); r.Left += c->Width(); break;
        case alRight: r.Right -= c->Width(); c->SetBounds(r.Right, r.Top, c->Width(), r.Height()); break;
        case alClient: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
        default: break;
      }
    }
  };
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) place(a);
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: return WMGetDlgCode(Message);
    case CN_KEYDOWN: return CNKeyDown(Message);
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case CM_DIALOGCHAR: return Broadcast(Message);
    case CN_CHAR: case CN_SYSCHAR: return CNChar(Message);
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_KEYUP: case WM_SYSKEYUP: case WM_CHAR: case WM_SYSCHAR:
      return WMKey(Message);
    case WM_MOUSEWHEEL: return WMMouseWheel(Message);
    case WM_SETFOCUS: case WM_KILLFOCUS: return FocusMessage(Message);
    case WM_COMMAND: return WMCommand(Message);
    case WM_NOTIFY: return WMNotify(Message);
    case CM_ENTER: return DoEnter();
    case CM_EXIT: return DoExit();
    case CM_COLORCHANGED:
      for (TControl* c : FControls) c->ParentColorChanged();
      return TControl::Dispatch(Message);
    case CM_FONTCHANGED:
      for (TControl* c : FControls) c->ParentFontChanged();
      return TControl::Dispatch(Message);
    default: return TControl::Dispatch(Message);
  }
}

void TWinControl::DefaultHandler(TMessage& Message) {
  // The parent decides first; an answer of true ends the search.
  if (Message.Msg == WM_SETCURSOR) {
    if (Parent()) Message.Result = Parent()->Perform(WM_SETCURSOR, Message.WParam, Message.LParam);
    return;
  }
  if (Message.Msg == WM_NCHITTEST) return;
  if (Message.Msg == WM_SETREDRAW) {
    if (View()) View()->SetRedraw(Message.WParam != 0);
    return;
  }
  if (Message.Msg == WM_LBUTTONDOWN && FFocusOnClick && !Focused() && CanFocus()) {
    // The exit and enter handlers of the focus change may free this control.
    const TFreeWatch watch(*this);
    SetFocus();
    if (watch.Freed()) return;
  }
  TControl::DefaultHandler(Message);
}

void TWinControl::WMCommand(TMessage& Message) {
  TWinControl* from = FindControl(static_cast<HWND>(Message.LParam));
  if (!from || from == this) return TControl::Dispatch(Message);
  Message.Result = from->Perform(CN_COMMAND, Message.WParam, Message.LParam);
}

void TWinControl::WMNotify(TMessage& Message) {
  const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
  TWinControl* from = header ? FindControl(header->hwndFrom) : nullptr;
  if (!from || from == this) return TControl::Dispatch(Message);
  Message.Result = from->Perform(CN_NOTIFY, Message.WParam, Message.LParam);
}

void TWinControl::RecreateWnd() {
  TCreateParams params;
  CreateParams(params);
  const bool focused = Focused();
  RecreateView(params);
  if (focused && View()) View()->SetNativeFocus();
}

void TWinControl::SetPaintHooks(bool v) {
  if (View()) View()->SetPaintHooks(v);
}

void TWinControl::NotifyParent(WORD Code) {
  const WPARAM w = MakeWParam(FControlID, Code);
  const auto l = static_cast<LPARAM>(Handle());
  if (Parent()) SendMessage(Parent()->Handle(), WM_COMMAND, w, l);
  else Perform(CN_COMMAND, w, l);
}

LRESULT TWinControl::NotifyParent(NMHDR& Header) {
  Header.hwndFrom = Handle();
  Header.idFrom = FControlID;
  const auto l = reinterpret_cast<LPARAM>(&Header);
  if (Parent()) return SendMessage(Parent()->Handle(), WM_NOTIFY, FControlID, l);
  return Perform(CN_NOTIFY, FControlID, l);
}

void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }

void TWinControl::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

void TWinControl::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  // A child may add or free others while it scales.
  const std::vector<TControl*> children = FControls;
  for (TControl* c : children) c->ChangeScale(M, D);
  TControl::ChangeScale(M, D);
}

void TWinControl::ScaleBy(int M, int D) {
  if (M == D || D == 0) return;
  const TPoint at{Left(), Top()};
  ChangeScale(M, D);
  SetBounds(at.X, at.Y, Width(), Height());
}
