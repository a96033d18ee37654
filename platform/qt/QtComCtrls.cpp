// Native parts of the common controls: the tab row and the slider.
#include <QSlider>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include "platform/gui/ComCtrls.h"
#include "platform/qt/QtNative.h"

using namespace platform::qt;

namespace {
constexpr int kTabHeight = 24;

QTabBar* TabBarOf(const TPageControl& c) {
  QWidget* w = NativeWidget(c);
  return w ? w->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The page control's surface: the frame around the pages below the tab row.
class PageFrame : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = QRect(0, kTabHeight - 2, width(), height() - kTabHeight + 2);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
  }
};

}  // namespace

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
  auto w = std::make_unique<PageFrame>();
  auto* bar = new QTabBar(w.get());  // owned by the container widget
  bar->setDrawBase(false);
  bar->setExpanding(false);
  bar->setGeometry(0, 0, 32767, kTabHeight);
  ConnectTrapped(bar, &QTabBar::currentChanged, [this, bar] { TabChosen(bar->currentIndex()); });
  SetView(ViewOf(*this, std::move(w)));
  SetTabStop(true);
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 289, 193);
}

int TPageControl::TabHeight() const { return kTabHeight; }

TRect TPageControl::TabRect(int TabIndex) const {
  QTabBar* bar = TabBarOf(*this);
  const QRect r = bar ? bar->tabRect(TabIndex) : QRect();
  return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void TPageControl::UpdateTabs() {
  QTabBar* bar = TabBarOf(*this);
  if (!bar) return;
  const QSignalBlocker block(bar);
  while (bar->count() > 0) bar->removeTab(0);
  for (TTabSheet* p : FPages)
    if (p->TabVisible()) bar->addTab(ToQString(p->Caption()));
  bar->setCurrentIndex(FActivePage ? FActivePage->TabIndex() : -1);
}

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  auto w = std::make_unique<QSlider>(Qt::Horizontal);
  w->setRange(FMin, FMax);
  w->setTickPosition(QSlider::TicksBelow);
  ConnectTrapped(w.get(), &QSlider::valueChanged, [this] { Changed(); });
  SetView(ViewOf(*this, std::move(w)));
  SetTabStop(true);
  SetFocusOnClick(true);
  SetBounds(0, 0, 150, 45);
}

int TTrackBar::Position() const { return Native<QSlider>(*this)->value(); }
void TTrackBar::SetPosition(int v) { Native<QSlider>(*this)->setValue(std::clamp(v, FMin, FMax)); }
void TTrackBar::ApplyRange() { Native<QSlider>(*this)->setRange(FMin, FMax); }

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
  FOrientation = v;
  Native<QSlider>(*this)->setOrientation(v == trHorizontal ? Qt::Horizontal : Qt::Vertical);
}
