// Combo boxes and list boxes; their items live in the native widget.
#include <QAbstractItemView>
#include <QComboBox>
#include <QPointer>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <functional>
#include <QLineEdit>
#include <QListWidget>

#include "platform/gui/StdCtrls.h"
#include "platform/qt/QtNative.h"

using namespace platform::qt;

namespace {
QStringList ToQStringList(const TStrings& Items) {
  QStringList l;
  l.reserve(Items.Count());
  for (int i = 0; i < Items.Count(); ++i) l.append(ToQString(Items.Strings(i)));
  return l;
}

class ComboItems : public TListControlItems {
 public:
  explicit ComboItems(QComboBox& Box) : FBox(Box) {}

 protected:
  // Changing the items of an edit combo keeps the typed text and selects
  // nothing; a list combo keeps its selected row while it exists.
  void ItemsChanged() override {
    const QString text = FBox.isEditable() ? FBox.currentText() : QString();
    const int row = FBox.isEditable() ? -1 : FBox.currentIndex();
    const QSignalBlocker block(&FBox);
    FBox.clear();
    FBox.addItems(ToQStringList(*this));
    FBox.setCurrentIndex(row < FBox.count() ? row : -1);
    if (FBox.isEditable()) FBox.setEditText(text);
  }

 private:
  QComboBox& FBox;
};

// The selected row stays selected while it exists.
class ListItems : public TListControlItems {
 public:
  explicit ListItems(QListWidget& List) : FList(List) {}

 protected:
  void ItemsChanged() override {
    const int row = FList.currentRow();
    const QSignalBlocker block(&FList);
    FList.clear();
    FList.addItems(ToQStringList(*this));
    FList.setCurrentRow(row < FList.count() ? row : -1);
  }

 private:
  QListWidget& FList;
};

// Entries of the open list at a height of their own (0: the style's).
class HeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  int Height = 0;
  QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    QSize s = QStyledItemDelegate::sizeHint(Option, Index);
    if (Height > 0) s.setHeight(Height);
    return s;
  }
};

// The native combo tells its control when its list opens (before it shows)
// and when it has closed.
class ComboWidget : public QComboBox, public PaintsLook {
 public:
  std::function<void(WORD)> Notify;
  void PaintLook(QPainter& Painter) override {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    Painter.setPen(palette().color(QPalette::Text));
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &Painter, this);
    style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &Painter, this);
  }
  bool Dropped() const { return view()->window()->isVisible(); }
  void showPopup() override {
    if (Dropped() || count() == 0) return;  // the native combo opens no empty list
    const QPointer<ComboWidget> alive(this);  // the handler may free the combo
    Tell(CBN_DROPDOWN);
    if (alive) QComboBox::showPopup();
  }
  void hidePopup() override {
    const bool was = Dropped();
    QComboBox::hidePopup();
    if (was) Tell(CBN_CLOSEUP);
  }

 private:
  void Tell(WORD Code) {
    if (!Notify) return;
    const NativeCall call;
    TrapEvent([N = Notify, Code] { N(Code); });
  }
};

ComboWidget* ComboOf(const TControl& c) { return dynamic_cast<ComboWidget*>(NativeWidget(c)); }
}  // namespace

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
  auto w = std::make_unique<ComboWidget>();
  w->Notify = [this](WORD Code) { NotifyParent(Code); };
  // The list drops below the combo with DropDownCount rows, whatever the style's habit.
  w->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  w->setEditable(true);
  w->setInsertPolicy(QComboBox::NoInsert);
  QComboBox* box = w.get();
  FItems = std::make_unique<ComboItems>(*box);
  ConnectTrapped(box, &QComboBox::activated, [this] { NotifyParent(CBN_SELCHANGE); });
  ConnectTrapped(box, &QComboBox::editTextChanged, [this] {
    if (FStyle != csDropDownList) NotifyParent(CBN_EDITCHANGE);
  });
  SetView(ViewOf(*this, std::move(w)));
  SetDropDownCount(FDropDownCount);
  SetTabStop(true);
  SetFocusOnClick(true);
  SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() {
  if (ComboWidget* box = ComboOf(*this)) box->Notify = nullptr;
}

void TComboBox::SetDropDownCount(int v) {
  FDropDownCount = v;
  Native<QComboBox>(*this)->setMaxVisibleItems(std::max(v, 1));
}

void TComboBox::SetDroppedWidth(int v) {
  FDroppedWidth = v;
  Native<QComboBox>(*this)->view()->setMinimumWidth(std::max(v, 0));
}

void TComboBox::SetStyle(TComboBoxStyle v) {
  FStyle = v;
  QComboBox* box = Native<QComboBox>(*this);
  box->setEditable(v != csDropDownList);
  if (box->lineEdit()) static_cast<QtView*>(View())->Watch(box->lineEdit());
}

int TComboBox::ItemIndex() const { return Native<QComboBox>(*this)->currentIndex(); }

void TComboBox::SetItemIndex(int v) {
  QComboBox* box = Native<QComboBox>(*this);
  const QSignalBlocker block(box);
  box->setCurrentIndex(v >= 0 && v < box->count() ? v : -1);
  if (v < 0 && box->isEditable()) box->setEditText(QString());
}

String TComboBox::Text() const { return FromQString(Native<QComboBox>(*this)->currentText()); }

void TComboBox::SetText(const String& v) {
  QComboBox* box = Native<QComboBox>(*this);
  const QSignalBlocker block(box);
  if (box->isEditable()) {
    box->setEditText(ToQString(v));
    const int i = FItems->IndexOf(v);
    if (i >= 0) box->setCurrentIndex(i);
  } else {
    box->setCurrentIndex(FItems->IndexOf(v));
  }
}

int TComboBox::ItemHeight() const {
  const QComboBox* box = Native<QComboBox>(*this);
  if (auto* d = dynamic_cast<HeightDelegate*>(box->itemDelegate()); d && d->Height > 0) return d->Height;
  return box->count() > 0 ? box->view()->sizeHintForRow(0) : box->fontMetrics().height() + 2;
}

void TComboBox::SetItemHeight(int v) {
  QComboBox* box = Native<QComboBox>(*this);
  auto* d = dynamic_cast<HeightDelegate*>(box->itemDelegate());
  if (!d) box->setItemDelegate(d = new HeightDelegate(box));  // owned by the combo
  d->Height = std::max(v, 0);
}

bool TComboBox::DroppedDown() const { return ComboOf(*this)->Dropped(); }

void TComboBox::SetDroppedDown(bool v) {
  if (v) ComboOf(*this)->showPopup();
  else ComboOf(*this)->hidePopup();
}

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
  auto w = std::make_unique<QListWidget>();
  QListWidget* list = w.get();
  FItems = std::make_unique<ListItems>(*list);
  // The native list's click on an entry is the click; a second from the mouse-up would repeat it.
  ConnectTrapped(list, &QListWidget::itemClicked, [this] { Click(); });
  SetControlStyle(ControlStyle() & ~static_cast<unsigned>(csClickEvents));
  SetView(ViewOf(*this, std::move(w)));
  SetTabStop(true);
  SetFocusOnClick(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() = default;

int TListBox::ItemIndex() const { return Native<QListWidget>(*this)->currentRow(); }
void TListBox::SetItemIndex(int v) { Native<QListWidget>(*this)->setCurrentRow(v); }
int TListBox::TopIndex() const {
  QListWidget* l = Native<QListWidget>(*this);
  QListWidgetItem* top = l->itemAt(0, 0);
  return top ? l->row(top) : 0;
}
