#pragma once
// Common controls over native widgets: page control with tab sheets, track
// bar, date/time picker and the rich edit (plain text only).
#include <algorithm>
#include <vector>

#include "platform/gui/StdCtrls.h"
#include "platform/sys/DateTime.h"

class TPageControl;

// A page of a page control; its children show while it is the active page.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* v);
  // A hidden tab keeps its page (it can still be made active in code).
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool v);
  int PageIndex() const;
  // The position among the visible tabs (-1 while the tab is hidden).
  int TabIndex() const;
  void SetText(const String& v) override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
};

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const { return FPages.at(static_cast<size_t>(Index)); }
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* v);
  int ActivePageIndex() const;
  void SetActivePageIndex(int v);
  // Height of the tab row above the pages.
  int TabHeight() const;
  // The tab at a position among the visible tabs, in client coordinates.
  TRect TabRect(int TabIndex) const;
  // Where the pages go: inside the frame below the tab row.
  TRect DisplayRect() const;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // A tab chosen by the user (not a change made in code).
  TNotifyEvent OnChange;
  std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;

 protected:
  virtual void Change();

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void UpdateTabs();
  void PlacePage(TTabSheet* Page) const;
  void TabChosen(int TabIndex);
  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* AOwner);
  int Min() const { return FMin; }
  void SetMin(int v) { SetRange(v, std::max(v, FMax)); }
  int Max() const { return FMax; }
  void SetMax(int v) { SetRange(std::min(v, FMin), v); }
  // Kept inside Min..Max; every change of it fires OnChange.
  int Position() const;
  void SetPosition(int v);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation v);
  // A tick every Frequency positions.
  int Frequency() const { return FFrequency; }
  void SetFrequency(int v);
  // The step of Page Up/Down and of a click beside the thumb.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int v);
  TNotifyEvent OnChange;

 protected:
  // The control's own Changed(CMMessage) stays callable beside this one.
  using TWinControl::Changed;
  virtual void Changed();
  void Dispatch(TMessage& Message) override;
  // Page Up moves towards Min by PageSize, Page Down towards Max.
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void SetRange(int AMin, int AMax);
  void ApplyRange();  // the native part takes Min and Max
  int FMin = 0;
  int FMax = 10;
  TTrackBarOrientation FOrientation = trHorizontal;
  int FFrequency = 1;
  int FPageSize = 2;
};

enum TDateTimeKind { dtkDate, dtkTime };
// A date is picked from a drop-down calendar or stepped with up-down arrows.
enum TDTDateMode { dmComboBox, dmUpDown };

// The picker's notifications (WM_NOTIFY to the parent, reflected as CN_NOTIFY).
constexpr UINT DTN_FIRST = static_cast<UINT>(-760);
constexpr UINT DTN_DATETIMECHANGE = DTN_FIRST + 1, DTN_DROPDOWN = DTN_FIRST + 6, DTN_CLOSEUP = DTN_FIRST + 7;
// Its messages and their flags: whether a date is set (the check box).
constexpr UINT DTM_GETSYSTEMTIME = 0x1001, DTM_SETSYSTEMTIME = 0x1002;
constexpr DWORD GDT_ERROR = static_cast<DWORD>(-1), GDT_VALID = 0, GDT_NONE = 1;

struct SYSTEMTIME {
  WORD wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0, wHour = 0, wMinute = 0, wSecond = 0,
       wMilliseconds = 0;
};
SYSTEMTIME DateTimeToSystemTime(TDateTime Value);
// The locale's short date format in the picker's letters ("dd.MM.yyyy").
String PickerShortDateFormat();
TDateTime SystemTimeToDateTime(const SYSTEMTIME& Value);

// DTN_DATETIMECHANGE: the new value, or GDT_NONE when the check box was cleared.
struct NMDATETIMECHANGE {
  NMHDR nmhdr;
  DWORD dwFlags = GDT_VALID;
  SYSTEMTIME st;
};

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;
  TDateTime DateTime() const;
  void SetDateTime(TDateTime v);
  // The value as the fields show it.
  String Text() const override;
  // The whole days of DateTime; setting it keeps the time.
  TDateTime Date() const;
  void SetDate(TDateTime v);
  // The fraction of DateTime; setting it keeps the date.
  TDateTime Time() const;
  void SetTime(TDateTime v);
  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind v);
  // A time is always stepped with arrows.
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode v);
  // The display format ("dd/MM/yyyy", "HH:mm:ss", 't' or "tt" for AM/PM);
  // empty: the locale's short date format for a date, "HH:mm:ss" for a time.
  const String& Format() const { return FFormat; }
  void SetFormat(const String& v);
  // A check box before the fields says whether a date is set; DateTime keeps its value either way.
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool v);
  bool Checked() const;
  void SetChecked(bool v);
  // Whether the calendar is open now.
  bool DroppedDown() const;
  // A change by the user (not one made in code).
  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  virtual void Change();
  void Dispatch(TMessage& Message) override;
  // Writes a value and the check box's state into the native picker; every
  // change made in code (DateTime, Date, Time, Checked) comes through here.
  virtual void WriteValue(TDateTime Value, bool IsChecked);

 private:
  // The native picker's notifications, reflected back by the parent.
  void PickerNotification(const NMHDR& Header);
  void NotifyDateTimeChange();
  // The native picker takes the kind, the format and the date mode.
  void ApplyFormat();
  TDateTimeKind FKind = dtkDate;
  TDTDateMode FDateMode = dmComboBox;
  String FFormat;
  bool FShowCheckbox = false;
  bool FSetting = false;
};

// The rich edit's plain-text part: a memo whose text has no formatting.
class TRichEdit : public TMemo {
 public:
  explicit TRichEdit(TComponent* AOwner);
  bool PlainText() const { return true; }
};
