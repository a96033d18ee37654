#pragma once
// GUI test fixtures: the input driver (keys, characters, text, clicks and
// the wheel through the same entry as real input), the message-box
// responder, the shell recorder and PNG snapshots. The test program runs on
// a virtual clock; a modal loop with nothing to do runs the next scripted
// action (and fails the test when none is queued).
#include <deque>
#include <functional>
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Shell.h"
#include "platform/gui/Timers.h"

namespace testsupport {

class InputDriver {
 public:
  // Key-down (with the character the key types), then key-up, to the focused control.
  void Key(WORD Vk, TShiftState Shift = {});
  // The same into Target, which gets the focus first.
  void Key(TWinControl& Target, WORD Vk, TShiftState Shift = {});
  void KeyDown(WORD Vk, TShiftState Shift = {});
  void KeyUp(WORD Vk, TShiftState Shift = {});
  void Char(char16_t Ch);
  // Each character as a key press of its key.
  void Type(const String& Text);
  // Press and release at a client point (the centre when omitted).
  void Click(TControl& Target, TShiftState Shift = {});
  void Click(TControl& Target, TPoint At, TShiftState Shift = {});
  void DoubleClick(TControl& Target, TPoint At);
  void DoubleClick(TControl& Target);
  void MouseDown(TControl& Target, TPoint At, TMouseButton Button = mbLeft);
  void MouseUp(TControl& Target, TPoint At, TMouseButton Button = mbLeft);
  // Moves the pointer onto Target (its centre when At is omitted): the
  // control it was over gets CM_MOUSELEAVE, Target CM_MOUSEENTER.
  void MouseMove(TControl& Target, TPoint At);
  void MouseMove(TControl& Target);
  // Moves the pointer off every window of the program.
  void MouseOut(TControl& From);
  void Wheel(TControl& Over, int Delta);
  // Drains posted messages and toolkit events.
  void Pump();
  // Runs the virtual clock.
  void Advance(unsigned Ms);
  // Runs Action in the next modal loop that waits for input.
  void WhenModal(std::function<void()> Action);
};

// A control of Root's (owned) components by name; fails the test when missing.
TControl& Named(TComponent& Root, const String& Name);

struct RecordedBox {
  TMsgDlgType Kind;
  String Caption;
  String Text;
  TMsgDlgButtons Buttons;
};

// Installed while it lives. Each box is recorded; the answer is the next
// queued one, else OK when the box has an OK button (else a test failure).
class MessageBoxResponder : public TDialogService {
 public:
  MessageBoxResponder();
  ~MessageBoxResponder() override;
  void Answer(TModalResult Result) { FAnswers.push_back(Result); }
  // A file name for the next file dialog; empty cancels it.
  void AnswerFile(const String& FileName) { FFiles.push_back(FileName); }
  const std::vector<RecordedBox>& Boxes() const { return FBoxes; }
  const std::vector<TFileDialogRequest>& FileRequests() const { return FFileRequests; }

  TModalResult MessageBox(const TMessageBoxRequest& Request) override;
  bool FileDialog(TFileDialogRequest& Request) override;

 private:
  std::vector<RecordedBox> FBoxes;
  std::vector<TFileDialogRequest> FFileRequests;
  std::deque<TModalResult> FAnswers;
  std::deque<String> FFiles;
  TDialogService* FPrevious;
};

class ShellRecorder : public TShellService {
 public:
  ShellRecorder();
  ~ShellRecorder() override;
  bool Open(const String& Target) override {
    FOpened.push_back(Target);
    return true;
  }
  const std::vector<String>& Opened() const { return FOpened; }

 private:
  std::vector<String> FOpened;
};

struct RecordedMenu {
  TPopupMenu* Menu;
  TPoint At;
  std::vector<String> Captions;  // the visible top-level items, '&' removed
};

// Installed while it lives. Each popup is recorded; the choice is the next
// queued caption path ("Sub|Item", '&' not counted), "" for none (else a test failure).
class MenuResponder : public TMenuService {
 public:
  MenuResponder();
  ~MenuResponder() override;
  void Choose(const String& CaptionPath) { FChoices.push_back(CaptionPath); }
  const std::vector<RecordedMenu>& Menus() const { return FMenus; }
  TMenuItem* Popup(TPopupMenu& Menu, TPoint ScreenPos) override;

 private:
  std::vector<RecordedMenu> FMenus;
  std::deque<String> FChoices;
  TMenuService* FPrevious;
};

TVirtualClock& Clock();
// Sets up the test program's GUI seams; TestMain calls it once.
void InstallGuiTestServices();

}  // namespace testsupport
