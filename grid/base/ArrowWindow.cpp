#include "grid/base/ArrowWindow.h"

#include "platform/gui/Region.h"
#include "platform/gui/WindowStyles.h"

namespace {

// The outlines as they are drawn: the left arrow's tip is at the right, at
// the gap it points into.
constexpr std::array<std::array<TPoint, 7>, 4> kArrows{{
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},
}};

}  // namespace

void TArrowWindow::Init(TWinControl* AOwner, TArrowDirection Direction) {
  FDir = Direction;
  FArrow = kArrows[static_cast<size_t>(Direction)];
  SetVisible(false);
  SetParent(AOwner);
  SetColor(0x00FF00);
}

void TArrowWindow::CreateParams(TCreateParams& Params) { Params.Style = WS_POPUP; }

void TArrowWindow::CreateWnd() {
  TPanel::CreateWnd();
  SetWindowRgn(Handle(), CreatePolygonRgn(FArrow.data(), static_cast<int>(FArrow.size()), WINDING), true);
}

void TArrowWindow::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}
