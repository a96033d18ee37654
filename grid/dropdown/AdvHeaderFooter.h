#pragma once
// The header and footer strips of a drop-down's pop-up: a gradient or
// solid background, a border that meets the pop-up's own, an image, a
// mini-HTML caption and a row of buttons made from the drop-down's button
// definitions at each opening. The footer's buttons close the pop-up by
// their modal result, and its size grip sizes the pop-up.
#include <memory>

#include "grid/dropdown/AdvCustomDropDown.h"
#include "platform/gui/Controls.h"
#include "platform/sys/Lists.h"

class TAdvButton;
class TImageList;

// A pointer list whose reads and writes past the end raise.
class TDbgList : public TList {
 public:
  void* ItemsEx(int Index) const;
  void SetItemsEx(int Index, void* Item);
  // Clears, then appends every entry of List in order.
  void AssignList(const TList& List);
};

// The grip's two staircases of dots, white and then BorderColor one pixel
// up and left; Left and Bottom as the strip gives them.
void DrawSizeGrip(TCanvas& Canvas, int Left, int Bottom, TColor BorderColor);

// What the two strips share.
class TAdvStrip : public TCustomControl {
 public:
  ~TAdvStrip() override;
  TStripAppearance* Appearance() const { return FAppearance; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* v);
  TAdvCustomDropDown* AdvDropDown() const { return FAdvDropDown; }
  // Images and the appearance from the drop-down; none forgets the images.
  void SetAdvDropDown(TAdvCustomDropDown* DropDown);
  // The drop-down's definitions; none without a drop-down.
  THeaderButtons* Buttons() const;
  int ButtonCount() const { return FButtonList.Count(); }
  TAdvButton* ButtonAt(int Index) const { return static_cast<TAdvButton*>(FButtonList.ItemsEx(Index)); }
  // Where the buttons go, in client coordinates.
  virtual TRect ButtonArea() const = 0;

  void InitButtons();
  virtual void CreateButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void UpdateButtons();

  TDrawBackGroundEvent OnDrawBackGround;
  TGetTextEvent OnGetText;

 protected:
  template <class Appearance>
  TAdvStrip(TComponent* AOwner, std::unique_ptr<Appearance> A)
      : TCustomControl(AOwner), FAppearance(A.get()), FOwnedAppearance(std::move(A)) {
    Init();
  }
  // The drop-down's header or footer settings.
  virtual const TStripAppearance& DropDownStrip() const = 0;
  virtual void DrawBorder(TCanvas& Canvas, const TRect& R) = 0;
  // A footer button takes the drop-down and the definition's modal result.
  virtual void ButtonMade(TAdvButton& Button, int Index) { (void)Button, (void)Index; }
  virtual void ButtonClicked(int Index) = 0;
  // The pop-up draws no border of its own: the strip draws a full frame.
  bool FullFrame() const;
  void Paint() override;
  void Resize() override;

 private:
  void AppearanceChanged();
  void DrawContent(TCanvas& Canvas, TRect C);
  void Init();
  TStripAppearance* FAppearance;
  std::unique_ptr<TPersistent> FOwnedAppearance;
  TImageList* FImages = nullptr;
  TAdvCustomDropDown* FAdvDropDown = nullptr;
  TDbgList FButtonList;  // the buttons, owned as components
};

class TAdvHeader : public TAdvStrip {
 public:
  explicit TAdvHeader(TComponent* AOwner);
  String ClassName() const override { return u"TAdvHeader"; }
  THeaderAppearance* Appearance() const { return static_cast<THeaderAppearance*>(TAdvStrip::Appearance()); }
  void SetAppearance(const THeaderAppearance& v) { Appearance()->Assign(v); }
  TRect ButtonArea() const override;

 protected:
  const TStripAppearance& DropDownStrip() const override;
  void DrawBorder(TCanvas& Canvas, const TRect& R) override;
  void ButtonClicked(int Index) override;
};

class TAdvFooter : public TAdvStrip {
 public:
  explicit TAdvFooter(TComponent* AOwner);
  ~TAdvFooter() override;
  String ClassName() const override { return u"TAdvFooter"; }
  TFooterAppearance* Appearance() const { return static_cast<TFooterAppearance*>(TAdvStrip::Appearance()); }
  void SetAppearance(const TFooterAppearance& v) { Appearance()->Assign(v); }
  TRect ButtonArea() const override;
  // SizeGrip on a drop-down that is sizeable.
  bool SizeGripActive() const;
  // The screen cursor to come back to.
  TCursor OldCursor() const { return FOldCursor; }

 protected:
  const TStripAppearance& DropDownStrip() const override;
  void DrawBorder(TCanvas& Canvas, const TRect& R) override;
  void ButtonMade(TAdvButton& Button, int Index) override;
  void ButtonClicked(int Index) override;
  void Paint() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  bool InGripCorner(int X, int Y) const;
  void RestoreCursor();
  TCursor FOldCursor = crDefault;
};
