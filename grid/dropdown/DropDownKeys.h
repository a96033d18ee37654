#pragma once
// The keyboard of a drop-down edit: Alt+Up, Alt+Down and F4 toggle the
// pop-up, Return keeps and Escape restores the value when closing it;
// closed, Return and Escape go on to the parent (DefaultHandling), and an
// edit that takes no typing swallows the other keys.
#include "platform/gui/Messages.h"
#include "platform/gui/ControlTypes.h"

class TAdvCustomDropDown;

class TDropDownKeys {
 public:
  explicit TDropDownKeys(TAdvCustomDropDown& DropDown) : D(DropDown) {}
  // WM_KEYDOWN, typed or sent on from the pop-up.
  void KeyDownMessage(TMessage& Message);
  // WM_SYSKEYDOWN: only the key-down override sees it.
  void SysKeyDownMessage(TMessage& Message);
  // The key-down override: a typed Alt+Up or Alt+Down toggles.
  void KeyDownOverride(WORD& Key, TShiftState Shift);
  // WM_CHAR: Return and Escape as characters.
  void CharMessage(TMessage& Message);
  // CM_WANTSPECIALKEY: Escape undoes and goes to the parent; open, the edit claims it.
  void WantSpecialKey(TMessage& Message);

 private:
  void Inherited(TMessage& Message);
  void Toggle();
  // F4 (and Return, Escape) on an edit that takes no typing.
  void NoEditorKey(TMessage& Message);
  // Key-down and (unless KeyUp is false) key-up of Key, posted to the parent.
  void PostToParent(WORD Key, bool KeyUp = true);
  bool ParentPreviews() const;
  TAdvCustomDropDown& D;
};
