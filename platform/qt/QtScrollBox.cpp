// The scroll box's own scroll bars: native bars on its surface, at its right
// and bottom edges, above its children.
#include <QPointer>
#include <QScrollBar>

#include "platform/gui/ScrollBox.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Views.h"
#include "platform/qt/QtNative.h"

using namespace platform::qt;

struct TScrollBox::TNativeBars {
  QPointer<QScrollBar> Horz;
  QPointer<QScrollBar> Vert;
};

TScrollBox::TScrollBox(TComponent* AOwner) : TWinControl(AOwner), FBars(std::make_unique<TNativeBars>()) {
  SetView(platform::CreatePaintView(*this));
  SetControlStyle(ControlStyle() | csAcceptsControls);
  QWidget* surface = NativeWidget(*this);
  for (bool vertical : {false, true}) {
    auto* bar = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, surface);  // owned by the surface
    bar->hide();
    TControlScrollBar& ours = vertical ? FVert : FHorz;
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this, &ours](int value) {
      const NativeCall call;
      TrapEvent([this, &ours, value] { MoveTo(ours, value); });
    });
    (vertical ? FBars->Vert : FBars->Horz) = bar;
  }
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::ApplyBars() {
  if (!FBars || !FBars->Horz || !FBars->Vert) return;
  const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
  auto apply = [](QScrollBar& bar, const TControlScrollBar& ours, int client, const QRect& place) {
    const QSignalBlocker block(&bar);
    bar.setRange(0, std::max(0, ours.Range() - client));
    bar.setPageStep(std::max(1, client));
    bar.setSingleStep(ours.Increment());
    bar.setValue(ours.Position());
    bar.setGeometry(place);
    bar.setVisible(ours.IsScrollBarVisible());
    bar.raise();
  };
  apply(*FBars->Horz, FHorz, ClientWidth(), QRect(0, Height() - cy, ClientWidth(), cy));
  apply(*FBars->Vert, FVert, ClientHeight(), QRect(Width() - cx, 0, cx, ClientHeight()));
}
