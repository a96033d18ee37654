// Pop-up menus as native menus, run modally at the pointer.
#include <QAction>
#include <QMenu>

#include "platform/gui/Menus.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
namespace {
// The native entries of Item's sub-items; each action carries its item.
void Fill(QMenu& Menu, const TMenuItem& Item) {
  for (int i = 0; i < Item.Count(); ++i) {
    TMenuItem* sub = Item.Items(i);
    if (!sub->Visible()) continue;
    if (sub->IsLine()) {
      Menu.addSeparator();
      continue;
    }
    if (sub->Count() > 0) {
      QMenu* child = Menu.addMenu(ToQString(sub->Caption()));
      child->setEnabled(sub->Enabled());
      Fill(*child, *sub);
      continue;
    }
    QAction* a = Menu.addAction(ToQString(sub->Caption()));
    a->setEnabled(sub->Enabled());
    a->setCheckable(sub->Checked());
    a->setChecked(sub->Checked());
    a->setData(QVariant::fromValue(static_cast<void*>(sub)));
  }
}

class ToolkitMenus : public TMenuService {
 public:
  TMenuItem* Popup(TPopupMenu& Menu, TPoint ScreenPos) override {
    QMenu menu;
    Fill(menu, *Menu.Items());
    QAction* chosen = menu.exec(QPoint(ScreenPos.X, ScreenPos.Y));
    return chosen ? static_cast<TMenuItem*>(chosen->data().value<void*>()) : nullptr;
  }
};
}  // namespace
}  // namespace platform::qt

namespace platform {
TMenuService& ToolkitMenuService() {
  static qt::ToolkitMenus service;
  return service;
}
}  // namespace platform
