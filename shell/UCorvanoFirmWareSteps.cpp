// The steps that produce the device's files: the banks and the update
// hand-off, the MIB module and the GSDML file.
#include "app/BankBuilder.h"
#include "app/GsdmlWriter.h"
#include "app/MibWriter.h"
#include "app/ProgramState.h"
#include "app/UBoot.h"
#include "shell/UCorvanoFirmWare.h"
#include "app/UProfinetFileName.h"
#include "platform/sys/Files.h"

namespace {
// True when Path may be written: it does not exist, or the user answers Yes to Question.
bool May_Write(const String& Path, const String& Question) {
  return !FileExists(Path) || MessageDlg(Question, mtConfirmation, mbYesNo) == mrYes;
}
}  // namespace

void TFCorvanoFirmWare::Update_Device() {
  // A build or write error reaches the error box and the update window stays
  // closed: the updater must never be handed stale or missing banks.
  TBankBuilder Builder;
  Builder.Build_Banks(State);
  Builder.Save_Banks(State);
  Windows.FBoot->Form_Type = 1;
  Windows.FBoot->ShowModal();
}

void TFCorvanoFirmWare::Save_MIB() {
  SaveMIB->SetInitialDir(State.Project_Path);
  if (!SaveMIB->Execute()) return;
  const String FileName = SaveMIB->FileName();
  if (!May_Write(FileName, State.Text(905))) return;
  Write_MIB(FileName, Load_MIB_Objects(State.File_SNMP_Trap));
}

void TFCorvanoFirmWare::PROFINET_XML() {
  if (Windows.FProfinetFileName->ShowModal() != mrOk) return;
  Save_GSDML(Windows.FProfinetFileName->Name_File_XML);
}

void TFCorvanoFirmWare::Save_GSDML(const String& n) {
  TSaveDialog Dialog(nullptr);
  Dialog.SetInitialDir(State.Project_Path);
  Dialog.SetFilter(u"PROFINET XML (*.xml)|" + n);
  Dialog.SetFileName(n);
  if (!Dialog.Execute()) return;
  // Only the folder of the choice counts: the file keeps the built name.
  const String Target = Join(ExtractFileDir(Dialog.FileName()), n);
  if (!May_Write(Target, State.Text(1011))) return;
  Write_GSDML(Target, Load_Profinet_Params(State.File_ParGen, State.File_DALI_Access));
}
