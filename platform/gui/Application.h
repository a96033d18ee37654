#pragma once
// The application object: the message loop, the trap around every event
// handler, and the program's identity (its file name gives the error box title).
#include <functional>

#include "platform/gui/ControlTypes.h"

class TCustomForm;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;

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

  // Test seam: called instead of waiting when the loop has nothing to do.
  void SetIdleWait(std::function<void()> Wait) { FIdleWait = std::move(Wait); }

  TExceptionEvent OnException;
  TNotifyEvent OnIdle;

 private:
  bool ProcessMessage();
  void Idle();

  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FHandlingException = false;
  String FExeName;
  String FTitle;
  std::function<void()> FIdleWait;
};

extern TApplication* Application;

// Runs Handler inside the application's trap: nothing escapes to the caller.
void TrapEvent(const std::function<void()>& Handler);
