// The toolkit's message box and file dialogs.
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/gui/Dialogs.h"
#include "platform/gui/FileFilters.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
namespace {
QMessageBox::Icon IconOf(TMsgDlgType Kind) {
  switch (Kind) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

TModalResult ResultOf(TMsgDlgBtn b) {
  switch (b) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    default: return mrNone;
  }
}

QStringList QtFilters(const String& Filter) {
  QStringList out;
  for (const String& name : FileFilterNames(Filter)) out << ToQString(name);
  return out;
}

class ToolkitDialogs : public TDialogService {
 public:
  TModalResult MessageBox(const TMessageBoxRequest& r) override {
    QMessageBox box(IconOf(r.Kind), ToQString(r.Caption), ToQString(r.Text));
    std::vector<std::pair<QAbstractButton*, TModalResult>> buttons;
    for (unsigned bit = 1; bit <= mbHelp; bit <<= 1) {
      if (!(r.Buttons & bit)) continue;
      const auto b = static_cast<TMsgDlgBtn>(bit);
      QPushButton* p = box.addButton(ToQString(MsgDlgButtonText(b)), QMessageBox::AcceptRole);
      buttons.emplace_back(p, ResultOf(b));
    }
    box.exec();
    for (const auto& [button, result] : buttons)
      if (box.clickedButton() == button) return result;
    return mrCancel;
  }

  bool FileDialog(TFileDialogRequest& r) override {
    QFileDialog dlg(nullptr, ToQString(r.Title), ToQString(r.InitialDir));
    dlg.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The caller asks about overwriting itself, in its own words.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtFilters(r.Filter);
    dlg.setNameFilters(filters);
    if (r.FilterIndex >= 1 && r.FilterIndex <= filters.size()) dlg.selectNameFilter(filters[r.FilterIndex - 1]);
    if (!r.FileName.empty()) dlg.selectFile(ToQString(r.FileName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    r.FileName = FromQString(dlg.selectedFiles().front());
    r.FilterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    return true;
  }
};
}  // namespace
}  // namespace platform::qt

namespace platform {
TDialogService& ToolkitDialogService() {
  static qt::ToolkitDialogs service;
  return service;
}
}  // namespace platform
