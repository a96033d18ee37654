#include "app/StartProgram.h"

#include "platform/gui/Dialogs.h"
#include "platform/os/Process.h"

bool Start_Program(const String& NomeSW, bool tipo) {
  const TProgramRun Run = RunProgram(NomeSW, tipo);
  if (!Run.Started) MessageDlg(u"Cannot start " + NomeSW + u":\n" + Run.Reason, mtError, mbOK);
  return Run.Started;
}
