#pragma once
// The application object: the message loop, the trap around every event
// handler, and the program's identity (its file name gives the error box title).
#include <functional>

#include "platform/gui/ControlTypes.h"

class TControl;
class TCustomForm;
class THintWindow;
struct THintInfo;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using TShowHintEvent = std::function<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  void CreateForm(T*& Reference) {
    Reference = new T(this);
    if (!FMainForm) FMainForm = Reference;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* Form) { FMainForm = Form; }

  // Shows the main form and runs the loop until Terminate.
  void Run();
  // One round of the loop: toolkit events, synchronized calls, posted
  // messages; when none was pending, idles (waits for input).
  void HandleMessage();
  // Everything pending, without waiting.
  void ProcessMessages();
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  void ResetTerminated() { FTerminated = false; }

  // The program file's full path; the title defaults to its name without extension.
  const String& ExeName() const { return FExeName; }
  void SetExeName(const String& Value) { FExeName = Value; }
  String Title() const;
  void SetTitle(const String& Value) { FTitle = Value; }

  // The trap: the exception being handled goes to OnException, else to the
  // error box; EAbort is dropped.
  void HandleException(TObject* Sender);
  void ShowException(const Exception& E);
  // Windows-style message box (MB_ flags); answers IDOK, IDYES, ...
  int MessageBox(const String& Text, const String& Caption, unsigned Flags);

  // Hints: when the pointer rests HintPause ms over a control whose
  // ShowHint is on (the nearest such parent otherwise), the control gets
  // CM_HINTSHOW, then OnShowHint runs, and the hint window shows the text
  // for HintHidePause ms. Leaving the control, a press or a key hides it;
  // moving on to another control while one shows waits HintShortPause only.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v);
  int HintPause() const { return FHintPause; }
  void SetHintPause(int v) { FHintPause = v; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int v) { FHintShortPause = v; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int v) { FHintHidePause = v; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor v) { FHintColor = v; }
  // Asks the control under the pointer for its hint now and shows it.
  void ActivateHint(TPoint CursorPos);
  // Hides the hint and forgets its control: the next move over it starts the pause again.
  void CancelHint();
  // Hides the hint; it shows again only after the pointer left its control or cursor rectangle.
  void HideHint();
  // The input entry reports each pointer move (screen coordinates) over Control.
  void HintMouseMessage(TControl* Control, TPoint CursorPos);
  // The window the last hint was shown in (null before the first).
  THintWindow* HintWindow() const { return FHintWindow; }
  // A control is going away: it is no longer the hint's control.
  void ControlDestroyed(TControl* Control);

  // Test seam: called instead of waiting when the loop has nothing to do.
  void SetIdleWait(std::function<void()> Wait) { FIdleWait = std::move(Wait); }

  TExceptionEvent OnException;
  TNotifyEvent OnIdle;
  TShowHintEvent OnShowHint;

 private:
  enum class THintTimerMode { Show, Reshow, Hide };
  bool ProcessMessage();
  void Idle();
  void StartHintTimer(int Ms, THintTimerMode Mode);
  void StopHintTimer();
  void HintTimerExpired();
  void ShowHintWindow(THintInfo& Info);

  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FHandlingException = false;
  String FExeName;
  String FTitle;
  std::function<void()> FIdleWait;

  bool FShowHint = true;
  int FHintPause = 500;
  int FHintShortPause = 50;
  int FHintHidePause = 2500;
  TColor FHintColor = clInfoBk;
  TControl* FHintControl = nullptr;  // the control the pending or shown hint is for
  bool FHintActive = false;          // a hint is showing
  TRect FHintCursorRect;             // screen coordinates
  TPoint FHintCursorPos;             // the pointer at the last move
  THintWindow* FHintWindow = nullptr;  // owned by the application
  THintWindow* (*FHintWindowClass)(TComponent*) = nullptr;  // what FHintWindow was made by
  int FHintTimer = 0;
  THintTimerMode FHintTimerMode = THintTimerMode::Show;
};

extern TApplication* Application;

// Runs Handler inside the application's trap: nothing escapes to the caller.
void TrapEvent(const std::function<void()>& Handler);
