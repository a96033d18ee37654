#include "grid/base/GridFocusWindow.h"

#include "platform/gui/Views.h"
#include "platform/gui/WindowStyles.h"

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetBounds(0, 0, 0, 0);
  SetColor(0x0000FF);
  SetVisible(false);
  SetEnabled(false);
  SetFocusOnClick(false);
}

void TGridFocusWindow::CreateParams(TCreateParams& Params) {
  Params.Style = WS_CHILD | WS_DISABLED;
  Params.ExStyle = 0;
}
