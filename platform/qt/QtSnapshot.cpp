#include <QApplication>
#include <QPixmap>

#include "platform/gui/Controls.h"
#include "platform/gui/Snapshot.h"
#include "platform/qt/QtView.h"

namespace platform {
bool RenderToPng(TControl& Control, const String& FileName) {
  auto* view = dynamic_cast<qt::QtView*>(Control.View());
  if (!view) return false;
  QWidget* w = view->Widget();
  // Children of a window that was never shown are not polished yet.
  const bool wasHidden = w->isWindow() && !w->isVisible();
  if (wasHidden) w->show();
  // Showing queues the window system's answers (activation, exposure); the
  // picture is taken once they are in, so the first one equals the later ones.
  QApplication::processEvents();
  QApplication::sendPostedEvents();
  const QPixmap picture = w->grab();
  if (wasHidden) w->hide();
  return picture.save(qt::ToQString(FileName), "PNG");
}

bool RenderWindowToPng(const TControl& Control, const String& FileName) {
  auto* view = dynamic_cast<qt::QtView*>(Control.View());
  if (!view || !view->Widget()->window()->isVisible()) return false;
  QApplication::processEvents();
  return view->Widget()->window()->grab().save(qt::ToQString(FileName), "PNG");
}
}  // namespace platform
