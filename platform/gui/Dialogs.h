#pragma once
// Message boxes and the file dialogs, behind a service that tests replace
// with a scripted responder (it records each box and returns queued answers).
#include "platform/gui/ControlTypes.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
  mbYes = 1u << 0, mbNo = 1u << 1, mbOK = 1u << 2, mbCancel = 1u << 3, mbAbort = 1u << 4,
  mbRetry = 1u << 5, mbIgnore = 1u << 6, mbAll = 1u << 7, mbNoToAll = 1u << 8,
  mbYesToAll = 1u << 9, mbHelp = 1u << 10,
};
using TMsgDlgButtons = unsigned;  // a set of TMsgDlgBtn
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo, mbYesNoCancel = mbYes | mbNo | mbCancel,
                         mbOKCancel = mbOK | mbCancel;

// Windows message box flags and answers.
constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                   MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10,
                   MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
                   MB_ICONEXCLAMATION = 0x30, MB_ICONINFORMATION = 0x40, MB_ICONASTERISK = 0x40;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

// The standard caption of a box kind: "Warning", "Error", "Information", "Confirm".
String MsgDlgCaption(TMsgDlgType Kind);
// The button texts: "OK", "&Yes", "&No", "Cancel", ...
String MsgDlgButtonText(TMsgDlgBtn Button);

struct TMessageBoxRequest {
  TMsgDlgType Kind = mtCustom;  // also gives the icon
  String Caption;
  String Text;
  TMsgDlgButtons Buttons = mbOK;
};

struct TFileDialogRequest {
  bool Save = false;
  String Title;
  String Filter;       // "Text files (*.txt)|*.txt|All files|*.*"
  int FilterIndex = 1;  // 1-based, as chosen
  String InitialDir;
  String FileName;     // in: proposed; out: chosen
  String DefaultExt;
};

class TDialogService {
 public:
  virtual ~TDialogService() = default;
  // Answers the modal result of the button pressed (mrCancel when closed).
  virtual TModalResult MessageBox(const TMessageBoxRequest& Request) = 0;
  // False when cancelled; else Request.FileName (and FilterIndex) hold the choice.
  virtual bool FileDialog(TFileDialogRequest& Request) = 0;
};

// The service in use; null restores the toolkit's.
void SetDialogService(TDialogService* Service);
TDialogService& DialogService();

// The box itself, with the focus handed away while it shows (the focused
// control gets its kill-focus and, afterwards, its focus back).
TModalResult ShowMessageRequest(const TMessageBoxRequest& Request);
int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
int ShowMessageBox(const String& Text, const String& Caption, unsigned Flags);
void ShowMessage(const String& Msg);

enum TOpenOption : unsigned {
  ofOverwritePrompt = 1u << 1, ofHideReadOnly = 1u << 2, ofPathMustExist = 1u << 11,
  ofFileMustExist = 1u << 12, ofEnableSizing = 1u << 20,
};

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& v) { FFileName = v; }
  const String& Filter() const { return FFilter; }
  void SetFilter(const String& v) { FFilter = v; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int v) { FFilterIndex = v; }
  const String& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const String& v) { FInitialDir = v; }
  const String& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const String& v) { FDefaultExt = v; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& v) { FTitle = v; }
  // Kept for the callers that set them; the dialog never asks about overwriting.
  unsigned Options() const { return FOptions; }
  void SetOptions(unsigned v) { FOptions = v; }

  // True when a file was chosen; a chosen name without extension gets DefaultExt.
  virtual bool Execute();

 protected:
  virtual bool IsSave() const { return false; }

 private:
  String FFileName, FFilter, FInitialDir, FDefaultExt, FTitle;
  int FFilterIndex = 1;
  unsigned FOptions = ofHideReadOnly | ofEnableSizing;
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;

 protected:
  bool IsSave() const override { return true; }
};
