#pragma once
// A drop-down edit for a text of several lines: the lines (MemoText) are
// edited in a memo in the pop-up; the edit shows the whole text, or, when
// it takes no typing, the first line (shortened, "..." for more lines).
#include <memory>

#include "grid/dropdown/AdvCustomDropDown.h"

class TMemo;
class TPopupMenu;
class TStringList;
class TStrings;

class TAdvMemoDropDown : public TAdvCustomDropDown {
 public:
  explicit TAdvMemoDropDown(TComponent* AOwner);
  ~TAdvMemoDropDown() override;
  String ClassName() const override { return u"TAdvMemoDropDown"; }

  // The value; changing it rebuilds the edit's text.
  TStringList* MemoText() const { return FMemoText.get(); }
  void SetMemoText(const TStrings& v);
  TMemo* Memo() const { return FMemo; }
  // Not owned; given to the memo at each opening.
  TPopupMenu* MemoPopup() const { return FMemoPopup; }
  void SetMemoPopup(TPopupMenu* v);
  TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
  void SetMemoScrollBars(TScrollStyle v) { FMemoScrollBars = v; }
  bool MemoReadOnly() const { return FMemoReadOnly; }
  void SetMemoReadOnly(bool v);
  // The pop-up opens whenever the edit is entered.
  bool AutoDrop() const { return FAutoDrop; }
  void SetAutoDrop(bool v) { FAutoDrop = v; }

  // A cancelled pop-up shows MemoText again; any other value becomes the lines.
  void SetText(const String& Value) override;
  void DoHideDropDown(bool Cancelled) override;
  void DoAfterDropUp() override;
  // Only Alt, Escape and F4 leave the memo for the edit; Ctrl+A selects the memo's text.
  void ControlKeyDown(WORD& Key, TShiftState Shift) override;
  void ControlKeyUp(WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(Char& Key) override;

  // Every change of the memo's text, the copy at opening included.
  TNotifyEvent OnMemoChange;

 protected:
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoEnter() override;
  void Change() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void RebuildEditText();
  // The edit's text as the lines show.
  String ShownText();
  std::unique_ptr<TStringList> FMemoText;
  TMemo* FMemo = nullptr;  // owned as a component
  TPopupMenu* FMemoPopup = nullptr;
  TScrollStyle FMemoScrollBars = ssNone;
  bool FMemoReadOnly = false;
  bool FAutoDrop = false;
  bool FInternalUpdate = false;
  bool FRestoring = false;
};
