#include "platform/gui/Dialogs.h"

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Focus.h"

namespace platform {
TDialogService& ToolkitDialogService();
}

namespace {
TDialogService*& Installed() {
  static TDialogService* s = nullptr;
  return s;
}

TMsgDlgButtons ButtonsOfFlags(unsigned Flags) {
  switch (Flags & 0x0F) {
    case MB_OKCANCEL: return mbOKCancel;
    case MB_ABORTRETRYIGNORE: return mbAbort | mbRetry | mbIgnore;
    case MB_YESNOCANCEL: return mbYesNoCancel;
    case MB_YESNO: return mbYesNo;
    case MB_RETRYCANCEL: return mbRetry | mbCancel;
    default: return mbOK;
  }
}

TMsgDlgType KindOfFlags(unsigned Flags) {
  switch (Flags & 0xF0) {
    case MB_ICONSTOP: return mtError;
    case MB_ICONQUESTION: return mtConfirmation;
    case MB_ICONWARNING: return mtWarning;
    case MB_ICONINFORMATION: return mtInformation;
    default: return mtCustom;
  }
}

bool HasExtension(const String& Name) {
  const size_t dot = Name.find_last_of(u'.');
  const size_t sep = Name.find_last_of(u"/\\");
  return dot != String::npos && (sep == String::npos || dot > sep);
}
}  // namespace

void SetDialogService(TDialogService* Service) { Installed() = Service; }

TDialogService& DialogService() {
  return Installed() ? *Installed() : platform::ToolkitDialogService();
}

String MsgDlgCaption(TMsgDlgType Kind) {
  switch (Kind) {
    case mtWarning: return u"Warning";
    case mtError: return u"Error";
    case mtInformation: return u"Information";
    case mtConfirmation: return u"Confirm";
    default: return String();
  }
}

String MsgDlgButtonText(TMsgDlgBtn Button) {
  switch (Button) {
    case mbYes: return u"&Yes";
    case mbNo: return u"&No";
    case mbOK: return u"OK";
    case mbCancel: return u"Cancel";
    case mbAbort: return u"&Abort";
    case mbRetry: return u"&Retry";
    case mbIgnore: return u"&Ignore";
    case mbAll: return u"&All";
    case mbNoToAll: return u"N&o to All";
    case mbYesToAll: return u"Yes to &All";
    case mbHelp: return u"&Help";
  }
  return String();
}

TModalResult ShowMessageRequest(const TMessageBoxRequest& Request) {
  // The box takes the focus while it shows, as a real modal box does.
  TWinControl* focused = FocusedControl();
  if (focused) platform::SetWindowFocus(nullptr);
  const TModalResult r = DialogService().MessageBox(Request);
  if (focused && FindControl(platform::FocusedWindow()) == nullptr && focused->CanFocus())
    platform::SetWindowFocus(focused);
  return r;
}

int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
  return ShowMessageRequest(TMessageBoxRequest{DlgType, MsgDlgCaption(DlgType), Msg, Buttons});
}

int ShowMessageBox(const String& Text, const String& Caption, unsigned Flags) {
  return ShowMessageRequest(TMessageBoxRequest{KindOfFlags(Flags), Caption, Text, ButtonsOfFlags(Flags)});
}

void ShowMessage(const String& Msg) {
  ShowMessageRequest(TMessageBoxRequest{mtCustom, Application ? Application->Title() : String(), Msg, mbOK});
}

bool TOpenDialog::Execute() {
  TFileDialogRequest r{IsSave(), FTitle, FFilter, FFilterIndex, FInitialDir, FFileName, FDefaultExt};
  if (!DialogService().FileDialog(r)) return false;
  if (!FDefaultExt.empty() && !r.FileName.empty() && !HasExtension(r.FileName))
    r.FileName += u"." + FDefaultExt;
  FFileName = r.FileName;
  FFilterIndex = r.FilterIndex;
  return true;
}
