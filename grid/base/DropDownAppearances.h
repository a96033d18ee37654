#pragma once
// The looks of a drop-down pop-up's header and footer strips and of the
// strips' buttons, as settings only: the drop-down edit owns one of each,
// and the grid's control look holds a header and a footer for the
// drop-downs it makes. Each tells of only the changes a shown strip must
// follow: a strip's visibility, and a button's caption, enabled state or
// width; every colour of the button appearance.
#include <functional>
#include <memory>

#include "grid/base/OptionProperty.h"
#include "grid/base/DropDownTypes.h"
#include "platform/gui/ControlTypes.h"
#include "platform/gui/Graphics.h"
#include "platform/sys/Lists.h"

// The side a strip stacks its buttons on.
GX_ENUM(TButtonAlignment, baLeft, baRight);

class THeaderButton : public TCollectionItem {
 public:
  explicit THeaderButton(TCollection* Collection) : TCollectionItem(Collection) {}
  String ClassName() const override { return u"THeaderButton"; }
  // From another header or footer button only.
  void Assign(const TPersistent& Source) override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // 0: sized to the caption or image.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }

 private:
  void Changed();
  String FCaption;
  int FImageIndex = -1;
  bool FEnabled = true;
  int FWidth = 0;
  int FHeight = 0;
};

class TFooterButton : public THeaderButton {
 public:
  explicit TFooterButton(TCollection* Collection) : THeaderButton(Collection) {}
  String ClassName() const override { return u"TFooterButton"; }
  void Assign(const TPersistent& Source) override;
  // A result that closes the pop-up closes it when the button is pressed.
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

 private:
  TModalResult FModalResult = mrNone;
};

// Adding and deleting buttons tell nothing; OnChange tells of a button's
// caption, enabled state or width.
class THeaderButtons : public TCollection {
 public:
  explicit THeaderButtons(TPersistent* AOwner) : TCollection(AOwner, ItemClass<THeaderButton>()) {}
  String ClassName() const override { return u"THeaderButtons"; }
  THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
  THeaderButton* Insert(int Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
  THeaderButton* Items(int Index) const { return static_cast<THeaderButton*>(TCollection::Items(Index)); }
  void SetItems(int Index, const THeaderButton& Value) { Items(Index)->Assign(Value); }
  std::function<void()> OnChange;

 protected:
  THeaderButtons(TPersistent* AOwner, TCollectionItemFactory Factory) : TCollection(AOwner, std::move(Factory)) {}
};

class TFooterButtons : public THeaderButtons {
 public:
  explicit TFooterButtons(TPersistent* AOwner) : THeaderButtons(AOwner, ItemClass<TFooterButton>()) {}
  String ClassName() const override { return u"TFooterButtons"; }
  TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
  TFooterButton* Insert(int Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
  TFooterButton* Items(int Index) const { return static_cast<TFooterButton*>(TCollection::Items(Index)); }
};

// What header and footer share. Only Visible tells of a change.
class TStripAppearance : public TPersistent {
 public:
  struct TValues {
    TColor Color = clSilver;
    TColor ColorTo = clWhite;
    String Caption;
    TGradientDirection GradientDirection = gdVertical;
    bool Visible = true;
    int Height = 22;
    TColor BorderColor = clBlack;
    int BorderWidth = 1;
    int ImageIndex = -1;
    TButtonAlignment ButtonAlignment = baRight;
    bool SizeGrip = true;  // the footer's only
  };

  TPersistent* Owner() const { return FOwner; }
  GX_OPTION(TColor, Color)
  GX_OPTION(TColor, ColorTo)
  GX_OPTION(String, Caption)
  GX_OPTION(TGradientDirection, GradientDirection)
  GX_OPTION(int, Height)
  GX_OPTION(TColor, BorderColor)
  GX_OPTION(int, BorderWidth)
  GX_OPTION(int, ImageIndex)
  GX_OPTION(TButtonAlignment, ButtonAlignment)
  bool Visible() const { return FValues.Visible; }
  void SetVisible(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont& Value) { FFont->Assign(Value); }
  THeaderButtons* Buttons() const { return FButtons.get(); }
  void SetButtons(const THeaderButtons& Value) { FButtons->Assign(Value); }

  // Colours, border colour, font and gradient direction, from the same class.
  void AssignColors(const TPersistent& Source);

  TNotifyEvent OnChange;
  TNotifyEvent OnButtonsChanged;

 protected:
  TStripAppearance(TPersistent* AOwner, std::unique_ptr<THeaderButtons> Buttons);
  ~TStripAppearance() override;
  // Everything from Source, Visible through its setter.
  void AssignStrip(const TStripAppearance& Source);
  TValues FValues;

 private:
  TPersistent* FOwner;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<THeaderButtons> FButtons;
};

class THeaderAppearance : public TStripAppearance {
 public:
  explicit THeaderAppearance(TPersistent* AOwner);
  String ClassName() const override { return u"THeaderAppearance"; }
  void Assign(const TPersistent& Source) override;
};

class TFooterAppearance : public TStripAppearance {
 public:
  explicit TFooterAppearance(TPersistent* AOwner);
  String ClassName() const override { return u"TFooterAppearance"; }
  void Assign(const TPersistent& Source) override;
  GX_OPTION(bool, SizeGrip)
  TFooterButtons* Buttons() const { return static_cast<TFooterButtons*>(TStripAppearance::Buttons()); }
};

// The strips' buttons' colours, shared by all of a drop-down's buttons.
// Every setter tells of a real change.
class TAdvButtonAppearance : public TPersistent {
 public:
  struct TValues {
    TColor BorderColor = clNone;
    TColor BorderColorHot = clGray;
    TColor BorderColorDown = clNavy;
    TColor BorderColorDisabled = clGray;
    TColor BorderColorChecked = clBlue;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorDisabled = 0xF2F2F2;
    TColor ColorDisabledTo = clNone;
    TColor ColorDown = 0xF5D8CA;
    TColor ColorDownTo = 0xF9BDA0;
    TColor ColorHot = 0xF5F0E1;
    TColor ColorHotTo = 0xF9D2B2;
    TColor ColorChecked;
    TColor ColorCheckedTo;
    TGradientDirection Gradient = gdVertical;
  };

  TAdvButtonAppearance();
  ~TAdvButtonAppearance() override;
  String ClassName() const override { return u"TAdvButtonAppearance"; }
  // Through the setters; the font stays.
  void Assign(const TPersistent& Source) override;

  GX_OPTION_NOTIFY_CHANGE(TColor, BorderColor)
  GX_OPTION_NOTIFY_CHANGE(TColor, BorderColorHot)
  GX_OPTION_NOTIFY_CHANGE(TColor, BorderColorDown)
  GX_OPTION_NOTIFY_CHANGE(TColor, BorderColorDisabled)
  GX_OPTION_NOTIFY_CHANGE(TColor, BorderColorChecked)
  GX_OPTION_NOTIFY_CHANGE(TColor, Color)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorDisabled)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorDisabledTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorDown)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorDownTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorHot)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorHotTo)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorChecked)
  GX_OPTION_NOTIFY_CHANGE(TColor, ColorCheckedTo)
  GX_OPTION_NOTIFY_CHANGE(TGradientDirection, Gradient)
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont& Value) { FFont->Assign(Value); }

  TNotifyEvent OnChange;

 private:
  void Changed() { FireEvent(OnChange, this); }
  TValues FValues;
  std::unique_ptr<TFont> FFont;
};
