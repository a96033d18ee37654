// The date/time picker over the toolkit's date/time editor: a calendar that
// drops down or up-down arrows, an optional check box before the fields, and
// Left/Right moving from field to field.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <cmath>

#include "platform/gui/ComCtrls.h"
#include "platform/qt/QtNative.h"

using namespace platform::qt;

namespace {
const QDate& Epoch() {
  static const QDate e(1899, 12, 30);
  return e;
}

// Tells Seen when the watched window shows or hides.
class ShowWatch : public QObject {
 public:
  ShowWatch(QObject* Parent, std::function<void(bool)> Seen) : QObject(Parent), FSeen(std::move(Seen)) {}

 protected:
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Show || Event->type() == QEvent::Hide) FSeen(Event->type() == QEvent::Show);
    return false;
  }

 private:
  std::function<void(bool)> FSeen;
};

// The display format in the toolkit's letters: "t"/"tt" (AM/PM) become "AP".
QString ToolkitFormat(const String& Format) {
  QString out;
  bool quoted = false;
  for (size_t i = 0; i < Format.size(); ++i) {
    const Char c = Format[i];
    if (c == u'\'') quoted = !quoted;
    if (quoted || c != u't') {
      out += QChar(c);
      continue;
    }
    while (i + 1 < Format.size() && Format[i + 1] == u't') ++i;
    out += QStringLiteral("AP");
  }
  return out;
}

class PickerWidget : public QDateTimeEdit, public PaintsLook {
 public:
  explicit PickerWidget(const QDateTime& Value) : QDateTimeEdit(Value) {}
  std::function<void(UINT)> Notify;

  bool Dropped() const { return calendarPopup() && calendarWidget()->window()->isVisible(); }
  QCheckBox* Check() const { return FCheck; }
  QCheckBox* EnsureCheck(QtView& View) {
    if (FCheck) return FCheck;
    FCheck = new QCheckBox(this);  // owned by the picker
    FCheck->hide();
    FCheck->setChecked(true);
    connect(FCheck, &QCheckBox::toggled, this, [this] {
      ShowFields();
      Tell(DTN_DATETIMECHANGE);
    });
    View.Watch(FCheck);
    return FCheck;
  }
  void ShowCheck(bool Show, QtView& View) {
    EnsureCheck(View)->setVisible(Show);
    ShowFields();
    PlaceCheck();
  }
  void SetCalendar(bool On) {
    setCalendarPopup(On);
    if (!On || FWatching) return;
    FWatching = true;
    calendarWidget()->window()->installEventFilter(
        new ShowWatch(this, [this](bool Shown) { Tell(Shown ? DTN_DROPDOWN : DTN_CLOSEUP); }));
  }
  void Tell(UINT Code) {
    if (!Notify) return;
    const NativeCall call;
    TrapEvent([N = Notify, Code] { N(Code); });
  }

  void PaintLook(QPainter& Painter) override {
    QStyleOptionSpinBox spin;
    initStyleOption(&spin);
    if (!calendarPopup()) return style()->drawComplexControl(QStyle::CC_SpinBox, &spin, &Painter, this);
    QStyleOptionComboBox combo;
    combo.initFrom(this);
    combo.editable = true;
    combo.frame = spin.frame;
    combo.subControls = spin.subControls;
    combo.activeSubControls = spin.activeSubControls;
    combo.state = spin.state;
    if (isReadOnly()) combo.state &= ~QStyle::State_Enabled;
    style()->drawComplexControl(QStyle::CC_ComboBox, &combo, &Painter, this);
  }

 protected:
  // Left and Right go from field to field, round at the ends; digits fill the field.
  void keyPressEvent(QKeyEvent* Event) override {
    const int step = Event->key() == Qt::Key_Right ? 1 : Event->key() == Qt::Key_Left ? -1 : 0;
    const int n = sectionCount();
    const bool plain = !(Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (step != 0 && n > 0 && plain) return ShowSection(sectionAt((currentSectionIndex() + step + n) % n));
    const QString text = Event->text();
    if (plain && text.size() == 1 && text[0].isDigit() && TypeDigit(text[0].digitValue())) return;
    QDateTimeEdit::keyPressEvent(Event);
  }
  void resizeEvent(QResizeEvent* Event) override {
    QDateTimeEdit::resizeEvent(Event);
    PlaceCheck();
  }

 private:
  void ShowSection(Section Which) {
    setCurrentSection(Which);
    setSelectedSection(Which);
    FTyped = 0;
  }
  // A digit sets the field at once; a field that cannot take it starts again
  // with it, and the caret stays in the field. A year changes when complete.
  bool TypeDigit(int Digit) {
    const Section field = currentSection();
    const QString shown = sectionText(field);
    const bool numeric = !shown.isEmpty() && std::all_of(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); });
    const int most = MostOf(field, static_cast<int>(shown.size()));
    if (!numeric || most == 0) return false;
    if (field != FTypedField) FTyped = 0, FTypedDigits = 0;
    FTypedField = field;
    const int width = field == YearSection ? static_cast<int>(shown.size()) : 2;
    if (FTypedDigits >= width || FTyped * 10 + Digit > most) FTyped = 0, FTypedDigits = 0;
    FTyped = FTyped * 10 + Digit;
    ++FTypedDigits;
    const bool complete = field != YearSection || FTypedDigits == width;
    const bool zeroTaken = field == HourSection || field == MinuteSection || field == SecondSection;
    if (complete && (FTyped > 0 || zeroTaken)) SetField(field, FTyped, width);
    setSelectedSection(field);
    return true;
  }
  int MostOf(Section Field, int Width) const {
    switch (Field) {
      case DaySection: return 31;
      case MonthSection: return 12;
      case YearSection: return Width >= 4 ? 9999 : 99;
      case HourSection: return displayFormat().contains(QStringLiteral("AP"), Qt::CaseInsensitive) ? 12 : 23;
      case MinuteSection: case SecondSection: return 59;
      default: return 0;
    }
  }
  void SetField(Section Field, int Value, int Width) {
    const QDateTime now = dateTime();
    int y = now.date().year(), m = now.date().month(), d = now.date().day();
    QTime t = now.time();
    const bool pm = t.hour() >= 12;
    switch (Field) {
      case DaySection: d = Value; break;
      case MonthSection: m = Value; break;
      case YearSection: y = Width >= 4 ? Value : 2000 + Value; break;
      case HourSection: t.setHMS(MostOf(Field, 0) == 12 ? Value % 12 + (pm ? 12 : 0) : Value, t.minute(), t.second()); break;
      case MinuteSection: t.setHMS(t.hour(), Value, t.second()); break;
      case SecondSection: t.setHMS(t.hour(), t.minute(), Value); break;
      default: break;
    }
    const QDate date(y, m, std::min(d, QDate(y, m, 1).daysInMonth()));
    setDateTime(QDateTime(date, t));
    setCurrentSection(Field);
  }
  // Without a date set the fields look disabled.
  void ShowFields() { lineEdit()->setEnabled(!FCheck->isVisibleTo(this) || FCheck->isChecked()); }
  // The box sits before the fields, which make room for it.
  void PlaceCheck() {
    const bool shown = FCheck && FCheck->isVisibleTo(this);
    const int width = shown ? FCheck->sizeHint().width() + 2 : 0;
    if (shown) FCheck->setGeometry(3, 0, width, height()), FCheck->raise();
    lineEdit()->setTextMargins(width, 0, 0, 0);
  }
  QCheckBox* FCheck = nullptr;
  bool FWatching = false;
  Section FTypedField = NoSection;  // the field digits went into, and what they make so far
  int FTyped = 0, FTypedDigits = 0;
};

PickerWidget* PickerOf(const TControl& c) { return dynamic_cast<PickerWidget*>(NativeWidget(c)); }
}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  auto w = std::make_unique<PickerWidget>(QDateTime::currentDateTime());
  w->Notify = [this](UINT Code) {
    if (Code == DTN_DATETIMECHANGE) return NotifyDateTimeChange();
    NMHDR header;
    header.code = Code;
    NotifyParent(header);
  };
  ConnectTrapped(w.get(), &QDateTimeEdit::dateTimeChanged, [this] { NotifyDateTimeChange(); });
  SetView(ViewOf(*this, std::move(w)));
  ApplyFormat();
  SetTabStop(true);
  SetFocusOnClick(true);
  SetBounds(0, 0, 186, 21);
}

// A widget kept alive past its control (freed in one of its own calls) tells nobody.
TDateTimePicker::~TDateTimePicker() {
  if (PickerWidget* w = PickerOf(*this)) w->Notify = nullptr;
}

TDateTime TDateTimePicker::DateTime() const {
  const QDateTime v = PickerOf(*this)->dateTime();
  const qint64 days = Epoch().daysTo(v.date());
  return static_cast<double>(days) + v.time().msecsSinceStartOfDay() / 86400000.0;
}

void TDateTimePicker::SetDateTime(TDateTime v) { WriteValue(v, Checked()); }

void TDateTimePicker::WriteValue(TDateTime Value, bool IsChecked) {
  // Whole milliseconds; a fraction that rounds up to a day is the next day.
  const long long total = std::llround(Value * 86400000.0);
  const long long day = total >= 0 ? total / 86400000 : -((-total + 86399999) / 86400000);
  const int ms = static_cast<int>(total - day * 86400000);
  const QDateTime q(Epoch().addDays(day), QTime::fromMSecsSinceStartOfDay(ms));
  PickerWidget* w = PickerOf(*this);
  FSetting = true;
  w->setDateTime(q);
  if (IsChecked != Checked()) w->EnsureCheck(*static_cast<QtView*>(View()))->setChecked(IsChecked);
  FSetting = false;
}

void TDateTimePicker::ApplyFormat() {
  PickerWidget* w = PickerOf(*this);
  const bool date = FKind == dtkDate;
  const String fallback = date ? PickerShortDateFormat() : u"HH:mm:ss";
  w->setDisplayFormat(ToolkitFormat(FFormat.empty() ? fallback : FFormat));
  w->SetCalendar(date && FDateMode == dmComboBox);
}

void TDateTimePicker::SetShowCheckbox(bool v) {
  FShowCheckbox = v;
  PickerOf(*this)->ShowCheck(v, *static_cast<QtView*>(View()));
}

bool TDateTimePicker::Checked() const {
  const QCheckBox* box = PickerOf(*this)->Check();
  return !box || box->isChecked();
}

void TDateTimePicker::SetChecked(bool v) { WriteValue(DateTime(), v); }

String TDateTimePicker::Text() const { return FromQString(PickerOf(*this)->text()); }

bool TDateTimePicker::DroppedDown() const { return PickerOf(*this)->Dropped(); }
