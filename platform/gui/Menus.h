#pragma once
// Pop-up menus: a tree of items with captions ('&' marks the access key,
// "-" is a separator) and click events. Showing a menu goes through a
// service, so that tests choose an item instead of a person.
#include <memory>
#include <vector>

#include "platform/gui/ControlTypes.h"

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  // Frees the sub-items; leaves its parent item.
  ~TMenuItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& v) { FCaption = v; }
  bool IsLine() const { return FCaption == u"-"; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool v) { FChecked = v; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
  TMenuItem* Parent() const { return FParent; }
  // Takes the item into this one (it leaves its former parent); it is freed with this item.
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Remove(TMenuItem* Item);
  // Frees every sub-item.
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  // The sub-item with this caption ('&' not counted), or null.
  TMenuItem* Find(const String& ACaption) const;

  // Fires OnClick (an enabled item only).
  virtual void Click();
  TNotifyEvent OnClick;

 private:
  String FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  TMenuItem* Items() const { return FItems.get(); }
  // Shows the menu at a screen point: OnPopup, then the chosen item's click.
  virtual void Popup(int X, int Y);
  // The control the menu was last popped up for (set by the control).
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* v) { FPopupComponent = v; }
  TPoint PopupPoint() const { return FPopupPoint; }
  // A right click on a control with this menu pops it up.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool v) { FAutoPopup = v; }
  TNotifyEvent OnPopup;

 private:
  std::unique_ptr<TMenuItem> FItems;
  TComponent* FPopupComponent = nullptr;
  TPoint FPopupPoint{};
  bool FAutoPopup = true;
};

// Shows a menu and answers the item chosen (null: none).
class TMenuService {
 public:
  virtual ~TMenuService() = default;
  virtual TMenuItem* Popup(TPopupMenu& Menu, TPoint ScreenPos) = 0;
};
// Null puts the toolkit's menus back.
void SetMenuService(TMenuService* Service);
TMenuService& MenuService();
// The caption without its access-key marks ("&&" is a plain '&').
String StripHotkey(const String& Caption);
// Whether Ch (either case) is the caption's access key, the character after its '&'.
bool IsAccel(Char Ch, const String& Caption);
