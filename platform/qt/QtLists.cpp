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
#include <QStyledItemDelegate>
#include <vector>

#include "platform/gui/CheckLst.h"
#include "platform/qt/QtCanvas.h"

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

// The selected row stays selected while it exists. Each entry's check mark
// (a check list box's) moves with it when entries come and go.
class ListItems : public TListControlItems {
 public:
  explicit ListItems(QListWidget& List) : FList(List) {}

  bool Checkable = false;
  bool Checked(int Index) const { return Index >= 0 && Index < static_cast<int>(FChecks.size()) && FChecks[Index]; }
  void SetChecked(int Index, bool Value) {
    if (Index < 0 || Index >= FList.count()) return;
    FChecks[Index] = Value;
    const QSignalBlocker block(&FList);
    FList.item(Index)->setCheckState(Value ? Qt::Checked : Qt::Unchecked);
  }

  void InsertObject(int Index, const String& S, TObject* AObject) override {
    if (Index >= 0 && Index <= Count()) FChecks.insert(FChecks.begin() + Index, false);
    TListControlItems::InsertObject(Index, S, AObject);
  }
  void Delete(int Index) override {
    if (Index >= 0 && Index < Count()) FChecks.erase(FChecks.begin() + Index);
    TListControlItems::Delete(Index);
  }
  void Clear() override {
    FChecks.clear();
    TListControlItems::Clear();
  }
  void Exchange(int Index1, int Index2) override {
    const int n = Count();
    if (Index1 >= 0 && Index1 < n && Index2 >= 0 && Index2 < n) FChecks.swap(FChecks[Index1], FChecks[Index2]);
    TListControlItems::Exchange(Index1, Index2);
  }

 protected:
  void ItemsChanged() override {
    const int row = FList.currentRow();
    const QSignalBlocker block(&FList);
    FList.clear();
    FList.addItems(ToQStringList(*this));
    FChecks.resize(static_cast<size_t>(Count()), false);
    if (Checkable) {
      for (int i = 0; i < FList.count(); ++i) {
        QListWidgetItem* item = FList.item(i);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(FChecks[i] ? Qt::Checked : Qt::Unchecked);
      }
    }
    FList.setCurrentRow(row < FList.count() ? row : -1);
  }

 private:
  QListWidget& FList;
  std::vector<bool> FChecks;
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
    const int i = FItems->IndexOf(v);
    if (i >= 0) box->setCurrentIndex(i);
    box->setEditText(ToQString(v));  // as given, also when an item differs in case
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

namespace {
QLineEdit* FieldOf(const TComboBox& c) { return Native<QComboBox>(c)->lineEdit(); }
}  // namespace

int TComboBox::SelStart() const {
  QLineEdit* e = FieldOf(*this);
  if (!e) return 0;
  return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

int TComboBox::SelLength() const {
  QLineEdit* e = FieldOf(*this);
  return e && e->hasSelectedText() ? static_cast<int>(e->selectedText().size()) : 0;
}

void TComboBox::SetSelStart(int v) {
  if (QLineEdit* e = FieldOf(*this)) e->setCursorPosition(std::max(v, 0));
}

// Windows-style: from SelStart on, the caret at the far end.
void TComboBox::SetSelLength(int v) {
  QLineEdit* e = FieldOf(*this);
  if (!e) return;
  const int start = SelStart();
  if (v <= 0) return e->setCursorPosition(start);
  e->setSelection(start, std::min(v, static_cast<int>(e->text().size()) - start));
}

int TComboBox::MaxLength() const {
  QLineEdit* e = FieldOf(*this);
  return e && e->maxLength() < 32767 ? e->maxLength() : 0;
}

void TComboBox::SetMaxLength(int v) {
  if (QLineEdit* e = FieldOf(*this)) e->setMaxLength(v > 0 ? v : 32767);
}

int TComboBox::CharFromPos(TPoint P) const {
  QLineEdit* e = FieldOf(*this);
  if (!e) return -1;
  return e->cursorPositionAt(e->mapFrom(Native<QComboBox>(*this), QPoint(P.X, P.Y)));
}

bool TComboBox::DroppedDown() const { return ComboOf(*this)->Dropped(); }

void TComboBox::SetDroppedDown(bool v) {
  if (v) ComboOf(*this)->showPopup();
  else ComboOf(*this)->hidePopup();
}

// The list box's drawing and measuring, for the native list's delegate.
struct TListBoxPainter {
  static void Paint(TListBox& Box, QPainter& Painter, int Index, const TRect& Rect, TOwnerDrawState State) {
    std::unique_ptr<TQtCanvas> canvas = MakeQtCanvas(Painter);
    canvas->SetFont(*Box.Font());
    canvas->Brush()->SetColor(State & odSelected ? clHighlight : Box.Color());
    if (State & odSelected) canvas->Font()->SetColor(clHighlightText);
    Box.FCanvas = canvas.get();
    TrapEvent([&] { Box.DrawItem(Index, Rect, State); });
    Box.FCanvas = nullptr;
    if (State & odFocused) canvas->DrawFocusRect(Rect);
  }
  static int Height(TListBox& Box, int Index) {
    int h = Box.ItemHeight();
    if (Box.Style() == lbOwnerDrawVariable) TrapEvent([&] { Box.MeasureItem(Index, h); });
    return std::max(h, 0);
  }
};

namespace {
// Entries of the owner-drawn styles are drawn and measured by the list box.
class ListDelegate : public QStyledItemDelegate {
 public:
  ListDelegate(TListBox& Box, QObject* Parent) : QStyledItemDelegate(Parent), FBox(Box) {}
  void paint(QPainter* P, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    if (FBox.Style() == lbStandard) return QStyledItemDelegate::paint(P, Option, Index);
    TOwnerDrawState state = 0;
    if (Option.state & QStyle::State_Selected) state |= odSelected;
    if (Option.state & QStyle::State_HasFocus) state |= odFocused;
    if (!(Option.state & QStyle::State_Enabled)) state |= odDisabled;
    const QRect& r = Option.rect;
    P->save();
    TListBoxPainter::Paint(FBox, *P, Index.row(), Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1), state);
    P->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    const QSize base = QStyledItemDelegate::sizeHint(Option, Index);
    if (FBox.Style() == lbStandard) return base;
    return QSize(base.width(), TListBoxPainter::Height(FBox, Index.row()));
  }

 private:
  TListBox& FBox;
};
}  // namespace

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
  auto w = std::make_unique<QListWidget>();
  QListWidget* list = w.get();
  list->setItemDelegate(new ListDelegate(*this, list));  // a child of the list
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
void TListBox::SetStyle(TListBoxStyle v) {
  FStyle = v;
  QListWidget* l = Native<QListWidget>(*this);
  l->setUniformItemSizes(v == lbOwnerDrawFixed);
  l->doItemsLayout();
  l->viewport()->update();
}

void TListBox::SetItemHeight(int v) {
  if (v <= 0) return;
  FItemHeight = v;
  SetStyle(FStyle);
}

int TListBox::ItemAtPos(TPoint Pos, bool Existing) const {
  QListWidget* l = Native<QListWidget>(*this);
  const QModelIndex i = l->indexAt(l->viewport()->mapFrom(l, QPoint(Pos.X, Pos.Y)));
  if (i.isValid()) return i.row();
  return Existing ? -1 : l->count();
}

TRect TListBox::ItemRect(int Index) const {
  QListWidget* l = Native<QListWidget>(*this);
  QListWidgetItem* item = l->item(Index);
  if (!item) return TRect{};
  const QRect r = l->visualItemRect(item).translated(l->viewport()->mapTo(l, QPoint(0, 0)));
  return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void TListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) return OnDrawItem(this, Index, Rect, State);
  FCanvas->FillRect(Rect);
  if (Index >= 0 && Index < FItems->Count()) FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

void TListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

int TListBox::TopIndex() const {
  QListWidget* l = Native<QListWidget>(*this);
  QListWidgetItem* top = l->itemAt(0, 0);
  return top ? l->row(top) : 0;
}

TCheckListBox::TCheckListBox(TComponent* AOwner) : TListBox(AOwner) {
  auto& items = static_cast<ListItems&>(Items());
  items.Checkable = true;
  QListWidget* list = Native<QListWidget>(*this);
  // Only the user's toggles come here: our own changes block the list's signals.
  QObject::connect(list, &QListWidget::itemChanged, list, [this, list, &items](QListWidgetItem* item) {
    const int row = list->row(item);
    const bool checked = item->checkState() == Qt::Checked;
    if (items.Checked(row) == checked) return;
    items.SetChecked(row, checked);
    const NativeCall call;
    TrapEvent([this] { ClickCheck(); });
  });
}

bool TCheckListBox::Checked(int Index) const { return static_cast<const ListItems&>(Items()).Checked(Index); }

void TCheckListBox::SetChecked(int Index, bool Value) { static_cast<ListItems&>(Items()).SetChecked(Index, Value); }

void TCheckListBox::ClickCheck() {
  if (OnClickCheck) OnClickCheck(this);
}
