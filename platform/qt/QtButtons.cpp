// Push buttons, check boxes, radio buttons, labels and group boxes.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/gui/StdCtrls.h"
#include "platform/qt/QtNative.h"

using namespace platform::qt;

namespace {
// A check box or radio button takes a click anywhere in its bounds, not only
// on its mark and text.
template <class W>
class WholeAreaButton : public W {
 protected:
  bool hitButton(const QPoint& Pos) const override { return this->rect().contains(Pos); }
};

// Captions use '&' for the access key, as the toolkit does; "&&" is a plain '&'.
template <class W>
std::unique_ptr<W> ClickWidget(TButtonControl& Control) {
  auto w = std::make_unique<WholeAreaButton<W>>();
  ConnectTrapped(w.get(), &QAbstractButton::clicked, [&Control] { Control.ClickedByUser(); });
  return w;
}

QString WithoutAccel(QString c) {
  return c.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// The access keys are ours (CM_DIALOGCHAR): the toolkit gets no shortcut of them.
class CaptionView : public QtView {
 public:
  using QtView::QtView;
  void SetCaption(const String& Caption) override {
    const QString c = ToQString(Caption);
    if (auto* b = qobject_cast<QAbstractButton*>(Widget())) {
      b->setText(c);
      b->setShortcut(QKeySequence());
    } else if (auto* g = qobject_cast<QGroupBox*>(Widget())) {
      g->setTitle(WithoutAccel(c));
    } else if (auto* l = qobject_cast<QLabel*>(Widget())) {
      l->setText(WithoutAccel(c));
    }
  }
};
}  // namespace

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetFocusOnClick(true);
  SetControlStyle(ControlStyle() & ~static_cast<unsigned>(csClickEvents));
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetView(std::make_unique<CaptionView>(*this, ClickWidget<QPushButton>(*this)));
  SetBounds(0, 0, 75, 25);
}

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetView(std::make_unique<CaptionView>(*this, ClickWidget<QCheckBox>(*this)));
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetAllowGrayed(bool v) {
  FAllowGrayed = v;
  Native<QCheckBox>(*this)->setTristate(v);
}

void TCheckBox::UpdateNative() {
  static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
  Native<QCheckBox>(*this)->setCheckState(kStates[FState]);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  auto w = ClickWidget<QRadioButton>(*this);
  // Our own code unchecks the siblings.
  w->setAutoExclusive(false);
  SetView(std::make_unique<CaptionView>(*this, std::move(w)));
  SetTabStop(false);
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::UpdateNative() { Native<QRadioButton>(*this)->setChecked(FChecked); }

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  auto w = std::make_unique<QLabel>();
  w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetView(std::make_unique<CaptionView>(*this, std::move(w)));
  SetParentColor(true);
  SetBounds(0, 0, 65, 13);
}

void TLabel::SetText(const String& v) {
  TGraphicControl::SetText(v);
  AdjustBounds();
}

void TLabel::SetAutoSize(bool v) {
  FAutoSize = v;
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || FWordWrap || Loading()) return;
  const QSize s = Native<QLabel>(*this)->sizeHint();
  SetBounds(Left(), Top(), s.width(), s.height());
}

void TLabel::SetAlignment(TAlignment v) {
  FAlignment = v;
  const Qt::Alignment h = v == taCenter ? Qt::AlignHCenter : v == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
  Native<QLabel>(*this)->setAlignment(h | Qt::AlignTop);
}

void TLabel::SetWordWrap(bool v) {
  FWordWrap = v;
  Native<QLabel>(*this)->setWordWrap(v);
}

void TLabel::Changed(UINT CMMessage) {
  TGraphicControl::Changed(CMMessage);
  if (CMMessage == CM_COLORCHANGED) Native<QLabel>(*this)->setAutoFillBackground(!FTransparent);
  if (CMMessage == CM_FONTCHANGED) AdjustBounds();
}

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
  SetView(std::make_unique<CaptionView>(*this, std::make_unique<QGroupBox>()));
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 185, 105);
}
