#include "grid/dropdown/AdvHeaderFooter.h"

#include <algorithm>

#include "grid/base/DropDownColors.h"
#include "grid/dropdown/AdvButton.h"
#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Views.h"

void* TDbgList::ItemsEx(int Index) const {
  if (Index >= Count()) throw Exception(u"Index out of bounds in list read access");
  return Items(Index);
}

void TDbgList::SetItemsEx(int Index, void* Item) {
  if (Index >= Count()) throw Exception(u"Index out of bounds in list write access");
  SetItems(Index, Item);
}

void TDbgList::AssignList(const TList& List) {
  Clear();
  for (int i = 0; i < List.Count(); ++i) Add(List.Items(i));
}

void DrawSizeGrip(TCanvas& Canvas, int Left, int Bottom, TColor BorderColor) {
  static constexpr TPoint Dots[] = {{5, 4}, {9, 4}, {13, 4}, {13, 8}, {13, 12}, {9, 8}};
  Canvas.Brush()->SetStyle(bsSolid);
  for (const auto& [colour, shift] : {std::pair{clWhite, 0}, std::pair{BorderColor, 1}}) {
    Canvas.Pen()->SetColor(colour);
    Canvas.Brush()->SetColor(colour);
    for (const TPoint d : Dots) {
      const int x = Left + d.X - shift, y = Bottom - d.Y - shift;
      Canvas.Rectangle(Rect(x, y, x + 2, y + 2));
    }
  }
}

// The strip.

void TAdvStrip::Init() {
  SetView(platform::CreatePaintView(*this));
  SetControlStyle(csAcceptsControls | csClickEvents | csDoubleClicks);
  FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
}

TAdvStrip::~TAdvStrip() = default;

void TAdvStrip::AppearanceChanged() {
  SetVisible(FAppearance->Visible());
  SetHeight(FAppearance->Height());
}

void TAdvStrip::SetImages(TImageList* v) {
  FImages = v;
  Invalidate();
}

void TAdvStrip::SetAdvDropDown(TAdvCustomDropDown* DropDown) {
  FAdvDropDown = DropDown;
  if (!DropDown) return SetImages(nullptr);
  SetImages(DropDown->Images());
  FAppearance->Assign(DropDownStrip());
}

THeaderButtons* TAdvStrip::Buttons() const { return FAdvDropDown ? DropDownStrip().Buttons() : nullptr; }

bool TAdvStrip::FullFrame() const {
  return !FAdvDropDown || FAdvDropDown->DropDownBorderWidth() <= 0 || FAdvDropDown->DropDownBorderColor() == clNone;
}

void TAdvStrip::InitButtons() {
  if (FAdvDropDown) CreateButtons();
}

void TAdvStrip::ClearButtons() {
  for (int i = ButtonCount() - 1; i >= 0; --i) delete ButtonAt(i);
  FButtonList.Clear();
}

void TAdvStrip::CreateButtons() {
  if (!FAdvDropDown) return;
  ClearButtons();
  const THeaderButtons& defs = *Buttons();
  const int maxHeight = ButtonArea().Height();
  for (int i = 0; i < defs.Count(); ++i) {
    const THeaderButton& d = *defs.Items(i);
    auto* b = new TAdvButton(this);
    b->SetParent(this);
    ButtonMade(*b, i);
    b->SetAppearance(FAdvDropDown->ButtonAppearance());
    b->SetCaption(d.Caption());
    b->SetImages(FImages);
    b->SetImageIndex(d.ImageIndex());
    b->SetEnabled(d.Enabled());
    b->AutoSizeButton();
    if (d.Width() > 0) b->SetWidth(d.Width());
    if (d.Height() > 0) b->SetHeight(d.Height());
    if (b->Height() > maxHeight) b->SetHeight(maxHeight);
    b->SetTag(i);
    b->OnClick = [this](TObject* Sender) { ButtonClicked(static_cast<TAdvButton*>(Sender)->Tag()); };
    FButtonList.Add(b);
  }
  ArrangeButtons();
}

void TAdvStrip::ArrangeButtons() {
  const TRect area = ButtonArea();
  const bool right = FAppearance->ButtonAlignment() == baRight;
  int x = right ? area.Right : area.Left;
  for (int i = 0; i < ButtonCount(); ++i) {
    TAdvButton& b = *ButtonAt(i);
    const int w = b.Width(), h = b.Height();
    const int left = right ? x - w : x;
    x = right ? left : x + w;
    b.SetBounds(left, std::max(area.Top, (area.Bottom - h) / 2), w, h);
  }
}

void TAdvStrip::UpdateButtons() {
  if (!FAdvDropDown) return;
  const THeaderButtons& defs = *Buttons();
  for (int i = 0; i < ButtonCount(); ++i) {
    TAdvButton& b = *ButtonAt(i);
    b.SetAppearance(FAdvDropDown->ButtonAppearance());
    b.SetImages(FImages);
    if (i < defs.Count()) {
      b.SetCaption(defs.Items(i)->Caption());
      b.SetImageIndex(defs.Items(i)->ImageIndex());
      b.SetEnabled(defs.Items(i)->Enabled());
    }
    b.SetAutoSize(true);
  }
  ArrangeButtons();
}

void TAdvStrip::Resize() {
  TCustomControl::Resize();
  ArrangeButtons();
}

void TAdvStrip::Paint() {
  TCanvas& c = *Canvas();
  const TRect r = ClientRect();
  if (OnDrawBackGround) return FireEvent(OnDrawBackGround, this, &c, r);
  const TStripAppearance& a = *FAppearance;
  if (a.ColorTo() != clNone) {
    DrawGradient(c, a.Color(), a.ColorTo(), 80, r, a.GradientDirection() == gdHorizontal);
  } else if (a.Color() != clNone) {
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(a.Color());
    c.FillRect(r);
  }
  const int bw = a.BorderWidth();
  if (a.BorderColor() != clNone && bw > 0) {
    c.Pen()->SetWidth(bw);
    c.Pen()->SetColor(a.BorderColor());
    DrawBorder(c, r);
  }
  DrawContent(c, Rect(r.Left + bw, r.Top + bw, r.Right - bw, r.Bottom - bw));
}

void TAdvStrip::DrawContent(TCanvas& Canvas, TRect C) {
  const TStripAppearance& a = *FAppearance;
  if (a.ImageIndex() >= 0 && FImages) {
    FImages->Draw(Canvas, C.Left + 4, C.Top + (C.Height() - FImages->Height()) / 2, a.ImageIndex());
    C.Left += FImages->Width() + 8;
  }
  String text = a.Caption();
  FireEvent(OnGetText, this, text);
  if (text.empty()) return;
  if (ButtonCount() > 0) C.Right = ButtonAt(ButtonCount() - 1)->Left() - 2;
  Canvas.SetFont(*a.Font());
  TPoint size;
  DrawHTMLText(Canvas, text, C, size, Handle(), false, FImages);
  if (size.Y < C.Height()) C.Top += (C.Height() - size.Y) / 2;
  DrawHTMLText(Canvas, text, C, size, Handle(), true, FImages);
}

namespace {
// The light line inside the border, over R.
void DrawTint(TCanvas& Canvas, const TRect& R, TColor BorderColor) {
  Canvas.Pen()->SetWidth(1);
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.Pen()->SetColor(BlendColorPercent(BorderColor, clWhite, 20));
  Canvas.Rectangle(R);
}
}  // namespace

// The header.

TAdvHeader::TAdvHeader(TComponent* AOwner) : TAdvStrip(AOwner, std::make_unique<THeaderAppearance>(AOwner)) {}

const TStripAppearance& TAdvHeader::DropDownStrip() const { return *AdvDropDown()->DropDownHeader(); }

TRect TAdvHeader::ButtonArea() const {
  const TRect r = ClientRect();
  return Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
}

void TAdvHeader::DrawBorder(TCanvas& Canvas, const TRect& R) {
  Canvas.MoveTo(R.Left, R.Bottom - 1);
  Canvas.LineTo(R.Right, R.Bottom - 1);
  if (FullFrame()) {
    Canvas.MoveTo(R.Left, R.Bottom - 1);
    Canvas.LineTo(R.Left, R.Top);
    Canvas.LineTo(R.Right, R.Top);
    Canvas.LineTo(R.Right, R.Bottom - 1);
  }
  DrawTint(Canvas, Rect(R.Left, R.Top, R.Right, R.Bottom - Appearance()->BorderWidth()), Appearance()->BorderColor());
}

void TAdvHeader::ButtonClicked(int Index) {
  if (TAdvCustomDropDown* d = AdvDropDown()) FireEvent(d->OnDropDownHeaderButtonClick, d, Index);
}

// The footer.

TAdvFooter::TAdvFooter(TComponent* AOwner) : TAdvStrip(AOwner, std::make_unique<TFooterAppearance>(AOwner)) {
  SetControlStyle(ControlStyle() | csCaptureMouse);
}

TAdvFooter::~TAdvFooter() {
  // A footer that goes while it shows the sizing cursor gives the old one back.
  if (Screen && Screen->Cursor() == crSizeNWSE) RestoreCursor();
}

const TStripAppearance& TAdvFooter::DropDownStrip() const { return *AdvDropDown()->DropDownFooter(); }

bool TAdvFooter::SizeGripActive() const {
  return Appearance()->SizeGrip() && AdvDropDown() && AdvDropDown()->DropDownSizeable();
}

TRect TAdvFooter::ButtonArea() const {
  const TRect r = ClientRect();
  return Rect(r.Left + 2, r.Top + 2, r.Right - (SizeGripActive() ? 14 : 2), r.Bottom - 2);
}

void TAdvFooter::DrawBorder(TCanvas& Canvas, const TRect& R) {
  Canvas.MoveTo(R.Left, R.Top);
  Canvas.LineTo(R.Right, R.Top);
  if (FullFrame()) {
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Left, R.Bottom);
    Canvas.LineTo(R.Right, R.Bottom);
    Canvas.LineTo(R.Right, R.Top);
  }
  DrawTint(Canvas, Rect(R.Left, R.Top + Appearance()->BorderWidth(), R.Right, R.Bottom), Appearance()->BorderColor());
}

void TAdvFooter::Paint() {
  TAdvStrip::Paint();
  if (OnDrawBackGround || !SizeGripActive()) return;
  const TRect r = ClientRect();
  DrawSizeGrip(*Canvas(), r.Right - Appearance()->BorderWidth() - 16, r.Bottom, Appearance()->BorderColor());
}

void TAdvFooter::ButtonMade(TAdvButton& Button, int Index) {
  Button.SetAdvDropDown(AdvDropDown());
  Button.SetModalResult(static_cast<const TFooterButtons&>(*Buttons()).Items(Index)->ModalResult());
}

void TAdvFooter::ButtonClicked(int Index) {
  if (TAdvCustomDropDown* d = AdvDropDown()) FireEvent(d->OnDropDownFooterButtonClick, d, Index);
}

bool TAdvFooter::InGripCorner(int X, int Y) const {
  return SizeGripActive() && X >= Width() - 12 && Y >= Height() - 15;
}

void TAdvFooter::RestoreCursor() {
  if (Screen->Cursor() != FOldCursor) Screen->SetCursor(FOldCursor);
}

void TAdvFooter::MouseEnter() {
  if (Screen->Cursor() != crSizeNWSE) FOldCursor = Screen->Cursor();
  TAdvStrip::MouseEnter();
}

void TAdvFooter::MouseLeave() {
  RestoreCursor();
  TAdvStrip::MouseLeave();
}

void TAdvFooter::MouseMove(TShiftState Shift, int X, int Y) {
  if (InGripCorner(X, Y)) Screen->SetCursor(crSizeNWSE);
  else RestoreCursor();
  TAdvStrip::MouseMove(Shift, X, Y);
}

void TAdvFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  RestoreCursor();
  TAdvStrip::MouseUp(Button, Shift, X, Y);
}

void TAdvFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TAdvStrip::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft || !InGripCorner(X, Y) || !Parent()) return;
  SetMouseCapture(false);
  const TPoint at = ClientToScreen(Point(X, Y));
  Parent()->Perform(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MakeLParam(at.X, at.Y));
}
