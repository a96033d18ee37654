#pragma once
// A picker for a date, a time or both, with an attached label. For both it
// owns a second, time-only picker laid inside its right part, kept in step
// with its value, state, colour, font and time format and reached by keys.
#include "grid/base/AttachedLabel.h"
#include "grid/base/CustomDateTimePicker.h"

enum TAdvDateTimeKind { dkDate, dkTime, dkDateTime };

class TAdvDateTimePicker : public TCustomDateTimePicker {
 public:
  explicit TAdvDateTimePicker(TComponent* AOwner);
  ~TAdvDateTimePicker() override;

  TAdvDateTimeKind Kind() const { return FKind; }
  void SetKind(TAdvDateTimeKind v);
  // The date with the time part's time; milliseconds are never kept.
  TDateTime DateTime() const;
  virtual void SetDateTime(TDateTime v);
  TDateTime Date() const { return TDateTimePicker::Date(); }
  // Keeps the time of day.
  void SetDate(TDateTime v);
  TDateTime Time() const;
  void SetTime(TDateTime v);
  const String& TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const String& v);
  String Version() const { return u"1.2.0.0"; }
  void SetAutoTab(bool v) override;
  bool NativeBorder() const override { return false; }
  void SetBorderStyle(TBorderStyle v) override;
  // The time-only picker while Kind is dkDateTime; owned by this picker.
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

  TLabel* PickerLabel() const { return FLabel.Label(); }
  String LabelCaption() const { return FLabel.Caption(); }
  void SetLabelCaption(const String& v);
  TLabelPosition LabelPosition() const { return FLabel.Position(); }
  void SetLabelPosition(TLabelPosition v) { FLabel.SetPosition(v); }
  int LabelMargin() const { return FLabel.Margin(); }
  void SetLabelMargin(int v) { FLabel.SetMargin(v); }
  bool LabelTransparent() const { return FLabel.Transparent(); }
  void SetLabelTransparent(bool v) { FLabel.SetTransparent(v); }
  bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
  void SetLabelAlwaysEnabled(bool v);
  TFont* LabelFont() { return FLabel.Font(); }
  void SetLabelFont(const TFont& v);
  // The label bold while the picker has the focus.
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool v) { FFocusLabel = v; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;

  // Sender is the picker.
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;
  TNotifyEvent OnTimeChange;

 protected:
  virtual void DoChange() { FireEvent(OnChange, this); }
  virtual void DoClick() { FireEvent(OnClick, this); }
  // Bound to the time part's key presses; does nothing here.
  virtual void TimePickerKeyPress(TObject* Sender, Char& Key) {}
  void KeyPress(Char& Key) override;
  void DoAutoTab() override;
  void WriteValue(TDateTime Value, bool IsChecked) override;
  void Dispatch(TMessage& Message) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void AfterLoading();
  void CreateTimePicker();
  void UpdateTimePicker();
  void PlaceTimePicker();
  // The time part is usable while a date is set.
  void CoupleTimePicker();
  void UpdateLabel();
  void PickerNotification(TMessage& Message);

  TAdvDateTimeKind FKind = dkDateTime;
  String FTimeFormat;
  int Fy = 0, Fm = 0, Fd = 0;
  TAttachedLabel FLabel{*this};
  bool FFocusLabel = false;
  bool FParentFnt = false;
  bool FIgnoreTimePickerCheck = false;
  bool FFirstRun = true;
  TCustomDateTimePicker* FTimePicker = nullptr;  // owned as a component
};
