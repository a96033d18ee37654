#include "grid/dropdown/DropDownKeys.h"

#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"

namespace {
bool Held(int Vk) { return GetKeyState(Vk) < 0; }
bool UpOrDown(WPARAM Key) { return Key == VK_UP || Key == VK_DOWN; }
}  // namespace

void TDropDownKeys::Inherited(TMessage& Message) { D.TMaskEdit::Dispatch(Message); }

void TDropDownKeys::Toggle() {
  if (D.DroppedDown()) D.DoHideDropDown(false);
  else D.DoShowDropDown();
}

void TDropDownKeys::PostToParent(WORD Key, bool KeyUp) {
  TWinControl* parent = D.Parent();
  PostMessage(parent->Handle(), WM_KEYDOWN, Key, 0);
  if (KeyUp) PostMessage(parent->Handle(), WM_KEYUP, Key, 0);
}

bool TDropDownKeys::ParentPreviews() const {
  const TCustomForm* form = D.GetParentForm();
  return form && form->KeyPreview();
}

void TDropDownKeys::NoEditorKey(TMessage& Message) {
  const WPARAM key = Message.WParam;
  if (key != VK_RETURN && key != VK_ESCAPE && key != VK_F4) return;
  const TFreeWatch watch(D);
  if (!D.ReadOnly()) {
    if (key == VK_F4) Toggle();
    else D.DoHideDropDown(key == VK_ESCAPE);
  }
  if (!watch.Freed() && key != VK_F4) Inherited(Message);
}

void TDropDownKeys::KeyDownMessage(TMessage& Message) {
  if (D.Designing()) return;
  const TFreeWatch watch(D);
  if (Held(VK_MENU) && UpOrDown(Message.WParam)) {
    Toggle();
    if (watch.Freed()) return;
  }
  if (!D.EditorEnabled() && D.Enabled()) return NoEditorKey(Message);
  const WPARAM key = Message.WParam;
  if (Held(VK_CONTROL) && (key == VK_TAB || key == VK_RETURN)) return Inherited(Message);
  if (key == VK_RETURN && D.ReturnIsTab()) {
    Message.WParam = VK_TAB;
    if (D.Visible()) PostMessage(D.Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (D.PrefixSuffixKey(Message)) return;
  Inherited(Message);
  if (watch.Freed()) return;
  D.AfterKeyDown(Message.WParam);
  // A handler that cleared the key has taken it.
  switch (Message.WParam) {
    case VK_RETURN: return D.DoHideDropDown(false);
    case VK_ESCAPE: return D.DoHideDropDown(true);
    case VK_F4: return Toggle();
    default: return;
  }
}

void TDropDownKeys::SysKeyDownMessage(TMessage& Message) {
  D.FSysKeyDown = true;
  const TFreeWatch watch(D);
  Inherited(Message);
  if (!watch.Freed()) D.FSysKeyDown = false;
}

void TDropDownKeys::KeyDownOverride(WORD& Key, TShiftState Shift) {
  const TFreeWatch watch(D);
  D.TMaskEdit::KeyDown(Key, Shift);
  // A key sent on from the pop-up toggled already, in the key-down message.
  if (!watch.Freed() && D.FSysKeyDown && Shift.Contains(ssAlt) && UpOrDown(Key)) Toggle();
}

void TDropDownKeys::CharMessage(TMessage& Message) {
  const auto ch = static_cast<Char>(Message.WParam);
  const bool ctrlReturn = Held(VK_CONTROL) && (ch == u'\r' || ch == u'\n');
  if (ctrlReturn) return;
  const bool toParent = !D.DefaultHandling() && D.Parent();
  if (ch == u'\r') {
    Char key = ch;
    const TFreeWatch watch(D);
    FireEvent(D.OnKeyPress, &D, key);
    if (watch.Freed() || !toParent) return;
    PostToParent(VK_RETURN, false);
    if (ParentPreviews()) return Inherited(Message);
    PostMessage(D.Parent()->Handle(), WM_KEYUP, VK_RETURN, 0);
    return;
  }
  if (ch == u'\x1b' && toParent) {
    if (ParentPreviews()) return Inherited(Message);
    PostToParent(VK_ESCAPE);
  }
  D.TypedChar(Message);
}

void TDropDownKeys::WantSpecialKey(TMessage& Message) {
  TCustomForm* form = D.GetParentForm();
  if (!form) return;
  const WPARAM key = Message.WParam;
  if (!form->KeyPreview()) {
    const bool toParent = D.DefaultHandling() && D.Parent();
    if (key == VK_ESCAPE && D.CanUndo()) {
      D.SelectAll();
      D.FModified = false;
      D.TMaskEdit::SetModified(false);
      if (toParent) PostToParent(VK_ESCAPE);
    }
    if (key == VK_RETURN && toParent && D.Parent()->Focused()) PostToParent(VK_RETURN);
  }
  Inherited(Message);
  if (key == VK_ESCAPE && D.DroppedDown()) Message.Result = 1;
}
