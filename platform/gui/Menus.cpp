#include "platform/gui/Menus.h"

#include <algorithm>

#include "platform/sys/SysUtils.h"

namespace platform {
TMenuService& ToolkitMenuService();
}

namespace {
TMenuService*& Installed() {
  static TMenuService* s = nullptr;
  return s;
}
}  // namespace

void SetMenuService(TMenuService* Service) { Installed() = Service; }
TMenuService& MenuService() { return Installed() ? *Installed() : platform::ToolkitMenuService(); }

String StripHotkey(const String& Caption) {
  String s;
  for (size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == u'&' && i + 1 < Caption.size()) ++i;
    else if (Caption[i] == u'&') continue;
    s += Caption[i];
  }
  return s;
}

bool IsAccel(Char Ch, const String& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != u'&') continue;
    if (Caption[i + 1] != u'&') return AnsiUpperCase(String(1, Caption[i + 1])) == AnsiUpperCase(String(1, Ch));
    ++i;
  }
  return false;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (FParent) FParent->Remove(this);
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item || Item == this) return;
  if (Item->FParent) Item->FParent->Remove(Item);
  FItems.insert(FItems.begin() + std::clamp(Index, 0, Count()), Item);
  Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), Item), FItems.end());
  if (Item->FParent == this) Item->FParent = nullptr;
}

void TMenuItem::Clear() {
  // Each takes itself out of the list.
  while (!FItems.empty()) delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const {
  const String wanted = StripHotkey(ACaption);
  for (TMenuItem* i : FItems)
    if (StripHotkey(i->FCaption) == wanted) return i;
  return nullptr;
}

void TMenuItem::Click() {
  if (FEnabled) FireEvent(OnClick, this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = Point(X, Y);
  const TFreeWatch watch(*this);
  FireEvent(OnPopup, this);
  if (watch.Freed()) return;
  TMenuItem* chosen = MenuService().Popup(*this, FPopupPoint);
  // The menu's own loop runs timers: one of them may have freed the menu and its items.
  if (chosen && !watch.Freed()) chosen->Click();
}
