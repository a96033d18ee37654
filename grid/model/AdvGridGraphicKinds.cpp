// The kinds of cell graphics: pictures and images, progress bars, comments,
// shapes, ratings, markers, buttons, balloons, rotated and interfaced cells.
#include "grid/base/ControlLook.h"
#include "grid/base/FilePicture.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/CellGraphics.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Picture.h"
#include "platform/sys/SysUtils.h"

namespace {

template <class T>
T* SlotAs(const TCellGraphic* g, TCellType Type) {
  return g && g->CellType() == Type ? dynamic_cast<T*>(g->CellBitmap()) : nullptr;
}

void SetSlotColors(TCellGraphic& g, TColor BitmapColor, TColor IconColor) {
  g.BitmapSlot().SetColor(BitmapColor);
  g.IconSlot().SetColor(IconColor);
}

// A new object of the graphic's own: Describe sets the graphic up, then it
// takes the object into its bitmap slot.
template <class T, class Describe>
T* OwnNewBitmap(TCellGraphic& g, Describe describe) {
  auto object = std::make_unique<T>();
  T* result = object.get();
  describe(g);
  g.OwnCellBitmap(std::move(object));
  return result;
}

}  // namespace

// ---- bitmaps, pictures, icons

void TAdvStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent,
                               TCellHAlign hal, TCellVAlign val) {
  FGraphics->Attach(ACol, ARow).SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TAdvStringGrid::CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal,
                                      TCellVAlign val) {
  return OwnNewBitmap<TBitmap>(FGraphics->Attach(ACol, ARow), [&](TCellGraphic& g) {
    g.SetBitmap(nullptr, transparent, hal, val);
  });
}

TBitmap* TAdvStringGrid::GetBitmap(int ACol, int ARow) {
  return SlotAs<TBitmap>(GetCellGraphic(ACol, ARow), ctBitmap);
}

void TAdvStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool transparent,
                                TStretchMode stretchmode, int padding, TCellHAlign hal,
                                TCellVAlign val) {
  FGraphics->Attach(ACol, ARow).SetPicture(APicture, transparent, stretchmode, padding, hal, val);
}

TPicture* TAdvStringGrid::CreatePicture(int ACol, int ARow, bool transparent,
                                        TStretchMode stretchmode, int padding, TCellHAlign hal,
                                        TCellVAlign val) {
  return OwnNewBitmap<TPicture>(FGraphics->Attach(ACol, ARow), [&](TCellGraphic& g) {
    g.SetPicture(nullptr, transparent, stretchmode, padding, hal, val);
  });
}

TPicture* TAdvStringGrid::GetPicture(int ACol, int ARow) {
  return SlotAs<TPicture>(GetCellGraphic(ACol, ARow), ctPicture);
}

void TAdvStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture,
                                    bool Transparent, TStretchMode stretchmode, int padding,
                                    TCellHAlign hal, TCellVAlign val) {
  FGraphics->Attach(ACol, ARow)
      .SetFilePicture(AFilePicture, Transparent, stretchmode, padding, hal, val);
}

TFilePicture* TAdvStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent,
                                                TStretchMode stretchmode, int padding,
                                                TCellHAlign hal, TCellVAlign val) {
  return OwnNewBitmap<TFilePicture>(FGraphics->Attach(ACol, ARow), [&](TCellGraphic& g) {
    g.SetFilePicture(nullptr, Transparent, stretchmode, padding, hal, val);
  });
}

TFilePicture* TAdvStringGrid::GetFilePicture(int ACol, int ARow) {
  return SlotAs<TFilePicture>(GetCellGraphic(ACol, ARow), ctFilePicture);
}

void TAdvStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  FGraphics->Attach(ACol, ARow).SetIcon(AIcon, hal, val);
}

TIcon* TAdvStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  auto icon = std::make_unique<TIcon>();
  TIcon* result = icon.get();
  g.SetIcon(nullptr, hal, val);
  g.OwnCellIcon(std::move(icon));
  return result;
}

// ---- images of the grid's image list

void TAdvStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (GridImages()) FGraphics->Attach(ACol, ARow).SetImageIdx(Aidx, hal, val);
}

bool TAdvStringGrid::GetImageIdx(int ACol, int ARow, int& idx) {
  const TCellGraphic* g = FGraphics->OwnOfType(ACol, ARow, ctImageList);
  if (!GridImages() || !g) return false;
  idx = g->CellIndex();
  return true;
}

void TAdvStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
  TCellGraphic* g = FGraphics->OwnOfType(ACol, ARow, ctImageList);
  if (!GridImages() || !g) return;
  g->SetCellIndex(Idx);
  RepaintDisplCell(ACol, ARow);
}

void TAdvStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages()) return;
  FGraphics->Attach(ACol, ARow).SetDataImage(Aidx, hal, val);
  if (Cells(ACol, ARow).empty()) SetCells(ACol, ARow, IntToStr(Aidx));
}

void TAdvStringGrid::RemoveDataImage(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
  SetCells(ACol, ARow, String());
}

void TAdvStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages()) return;
  FGraphics->Attach(ACol, ARow).SetMultiImage(ACol, ARow, Dir, hal, val,
                                              [this](TObject* Sender, int c, int r) {
                                                FGraphics->CellImagesChanged(Sender, c, r);
                                              });
}

// ---- progress bars, pies and range indicators (values are the cell text)

void TAdvStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
  AddProgressFormatted(ACol, ARow, FGColor, 0, BKColor, 0, String(), 0, 100);
  if (TCellGraphic* g = FGraphics->OwnOfType(ACol, ARow, ctProgress)) g->SetCellBoolean(false);
}

void TAdvStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                                   TColor BKColor, TColor BKTextColor) {
  AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, String(), 0, 100);
}

void TAdvStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                                          TColor BKColor, TColor BKTextColor, const String& Fmt,
                                          int Min, int Max) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctProgress);
  SetSlotColors(g, FGColor, BKColor);
  g.SetCellIndex(static_cast<int>(FGTextColor));
  g.SetCellAngle(static_cast<int>(BKTextColor));
  g.SetCellBoolean(true);
  g.SetCellErrFrom(Min);
  g.SetCellErrLen(Max);
  g.SetCellText(Fmt);
  if (FValues.AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
}

void TAdvStringGrid::AddAdvProgress(int ACol, int ARow, int Min, int Max) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctXPProgress);
  g.SetCellErrFrom(Min);
  g.SetCellErrLen(Max);
}

void TAdvStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctProgressPie);
  g.BitmapSlot().SetColor(Color);
  g.SetCellAngle(Value);
  g.SetCellHAlign(haBeforeText);
}

void TAdvStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
  if (TCellGraphic* g = FGraphics->OwnOfType(ACol, ARow, ctProgressPie)) {
    g->SetCellAngle(Value);
    RepaintDisplCell(ACol, ARow);
  }
}

void TAdvStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor,
                                       TColor PosColor, bool ShowValue) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctRangeIndicator);
  g.SetCellIndex(Range);
  SetSlotColors(g, NegColor, PosColor);
  g.SetCellBoolean(ShowValue);
}

// ---- comments, shapes, ratings

void TAdvStringGrid::AddComment(int ACol, int ARow, const String& Comment) {
  AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

void TAdvStringGrid::AddColorComment(int ACol, int ARow, const String& Comment, TColor Color) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctComment);
  g.SetCellText(Comment);
  g.SetCellIndex(static_cast<int>(Color));
}

bool TAdvStringGrid::IsComment(int ACol, int ARow, String& comment) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctComment);
  if (g) comment = g->CellText();
  return g != nullptr;
}

String TAdvStringGrid::CellComment(int ACol, int ARow) {
  String comment;
  IsComment(ACol, ARow, comment);
  return comment;
}

void TAdvStringGrid::SetCellComment(int ACol, int ARow, const String& Value) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) {
    AddComment(ACol, ARow, Value);
  } else if (g->CellType() == ctComment) {
    g->SetCellText(Value);
  }
}

void TAdvStringGrid::RemoveAllComments() {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < ColCount(); ++c) RemoveComment(c, r);
  }
}

void TAdvStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor,
                              TColor LineColor, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctShape);
  g.SetCellAngle(Shape);
  g.SetCellIndex(static_cast<int>(FillColor));
  g.BitmapSlot().SetColor(LineColor);
  g.SetCellHAlign(hal);
  g.SetCellVAlign(val);
}

void TAdvStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
  if (TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctShape)) {
    g->SetCellIndex(static_cast<int>(FillColor));
  }
}

TColor TAdvStringGrid::GetShapeColor(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctShape);
  return g ? static_cast<TColor>(g->CellIndex()) : clNone;
}

void TAdvStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
  TCellGraphic& g = FGraphics->Attach(ACol, ARow);
  g.SetCellType(ctRating);
  g.SetCellAngle(Scale);
  g.SetCellIndex(static_cast<int>(FillColor));
  g.BitmapSlot().SetColor(EmptyColor);
  g.SetCellHAlign(haFull);
}

// ---- error markers

void TAdvStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
  TCellGraphic* g = FGraphics->Own(ACol, ARow);
  if (!g) {
    g = &FGraphics->Attach(ACol, ARow);
    g->SetCellType(ctEmpty);
  }
  g->SetCellErrFrom(ErrPos);
  g->SetCellErrLen(ErrLen);
  RepaintDisplCell(ACol, ARow);
}

void TAdvStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
  const TCellGraphic* g = FGraphics->Own(ACol, ARow);
  ErrPos = g ? g->CellErrFrom() : 0;
  ErrLen = g ? g->CellErrLen() : 0;
}

void TAdvStringGrid::RemoveMarker(int ACol, int ARow) {
  TCellGraphic* g = FGraphics->Own(ACol, ARow);
  if (!g) return;
  if (g->CellType() == ctEmpty) {
    RemoveCellGraphic(ACol, ARow);
    return;
  }
  g->SetCellErrFrom(0);
  g->SetCellErrLen(0);
}

void TAdvStringGrid::RemoveAllMarkers() {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < AllColCount(); ++c) RemoveMarker(c, r);
  }
}

// ---- buttons (displayed columns for text, push and rectangle)

void TAdvStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const String& Caption,
                               TCellHAlign hal, TCellVAlign val) {
  FGraphics->Attach(ACol, ARow).SetButton(bw, bh, Caption, hal, val);
}

void TAdvStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const String& Caption,
                                  TBitmap* Glyph, TCellHAlign hal, TCellVAlign val) {
  FGraphics->Attach(ACol, ARow).SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TAdvStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh,
                                         const String& Caption, TCellHAlign hal,
                                         TCellVAlign val) {
  return OwnNewBitmap<TBitmap>(FGraphics->Attach(ACol, ARow), [&](TCellGraphic& g) {
    g.SetBitButton(bw, bh, Caption, nullptr, hal, val);
  });
}

void TAdvStringGrid::SetButtonText(int ACol, int ARow, const String& Caption) {
  if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
    g->SetCellText(Caption);
    RepaintCell(ACol, ARow);
  }
}

String TAdvStringGrid::GetButtonText(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  return g ? g->CellText() : String();
}

void TAdvStringGrid::PushButton(int ACol, int ARow, bool push) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!g || g->CellType() == ctNode) return;
  g->SetCellBoolean(push);
  RepaintCell(ACol, ARow);
}

bool TAdvStringGrid::RemoveButton(int ACol, int ARow) {
  const TCellType t = GetCellType(ACol, ARow);
  return (t == ctButton || t == ctBitButton) && RemoveCellGraphic(ACol, ARow);
}

void TAdvStringGrid::RemoveAllButtons() {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < AllColCount(); ++c) RemoveButton(c, r);
  }
}

// The painter records the button's offset in the cell: top above, left below bit 16.
TRect TAdvStringGrid::GetCellButtonRect(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!g) return TRect{0, 0, 0, 0};
  const TRect cell = CellRect(ACol, ARow);
  const auto offset = static_cast<std::int64_t>(g->CellValue());
  const auto size = static_cast<unsigned>(g->CellIndex());
  TRect r;
  r.Left = cell.Left + static_cast<int>(offset & 0xFFFF);
  r.Top = cell.Top + static_cast<int>((offset >> 16) & 0xFFFF);
  r.Right = r.Left + static_cast<int>(size & 0xFFFF);
  r.Bottom = r.Top + static_cast<int>(size >> 16);
  if (g->CellVAlign() == vaFull) {
    r.Top = cell.Top;
    r.Bottom = cell.Bottom;
  }
  if (g->CellHAlign() == haFull) {
    r.Left = cell.Left;
    r.Right = cell.Right;
  }
  return r;
}

TRect TAdvStringGrid::GetExpandButtonRect(int ACol, int ARow) {
  if (!FGraphics->AtBaseOfType(ACol, ARow, ctExpand)) return TRect{0, 0, 0, 0};
  const TPoint base = BaseCell(ACol, ARow);
  const TRect cell = CellRect(DisplColIndex(base.X), base.Y);
  return TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}

// ---- balloons

namespace {

bool CarriesBalloon(const TCellGraphic& g) {
  const TCellType t = g.CellType();
  return t == ctCheckBox || t == ctDataCheckBox || t == ctRadioButton;
}

}  // namespace

void TAdvStringGrid::AddBalloon(int ACol, int ARow, const String& Title, const String& Text,
                                TBalloonIcon Icon) {
  auto lines = std::make_unique<TStringList>();
  lines->Add(Title);
  lines->Add(Text);
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g && (!CarriesBalloon(*g) || g != FGraphics->Own(ACol, ARow))) return;
  if (g) {
    g->SetCellAngle(1);
  } else {
    g = &FGraphics->Attach(ACol, ARow);
    g->SetCellType(ctBalloon);
  }
  g->BitmapSlot().Own(std::move(lines));
  g->SetCellIndex(Icon);
}

bool TAdvStringGrid::IsBalloon(int ACol, int ARow, String& Title, String& Text,
                               TBalloonIcon& Icon) {
  const TCellGraphic* g = FGraphics->AtBase(ACol, ARow);
  if (!g || !(g->CellType() == ctBalloon || (CarriesBalloon(*g) && g->CellAngle() == 1))) {
    return false;
  }
  const auto* lines = dynamic_cast<const TStrings*>(g->CellBitmap());
  if (!lines || lines->Count() < 2) return false;
  Title = lines->Strings(0);
  Text = lines->Strings(1);
  Icon = static_cast<TBalloonIcon>(g->CellIndex());
  return true;
}

void TAdvStringGrid::RemoveBalloon(int ACol, int ARow) {
  TCellGraphic* g = FGraphics->Own(ACol, ARow);
  if (g && CarriesBalloon(*g) && g->CellAngle() == 1) {
    g->BitmapSlot().Clear();
    g->SetCellAngle(0);
    return;
  }
  RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

// ---- rotated text, interfaced cells

void TAdvStringGrid::AddRotated(int ACol, int ARow, short AAngle, const String& s) {
  FGraphics->Attach(ACol, ARow).SetAngle(AAngle);
  SetCells(ACol, ARow, s);
}

void TAdvStringGrid::SetRotated(int ACol, int ARow, short AAngle) {
  TCellGraphic* g = FGraphics->Own(ACol, ARow);
  (g ? *g : FGraphics->Attach(ACol, ARow)).SetAngle(AAngle);
}

bool TAdvStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
  if (GetCellType(ACol, ARow) != ctRotated) return false;
  aAngle = GetCellGraphic(ACol, ARow)->CellAngle();
  return true;
}

void TAdvStringGrid::AddInterfacedCell(int ACol, int ARow, TPersistent* AObject) {
  FGraphics->Attach(ACol, ARow).SetInterfacedCell(AObject);
}

TPersistent* TAdvStringGrid::GetInterfacedCell(int ACol, int ARow) {
  return SlotAs<TPersistent>(GetCellGraphic(ACol, ARow), ctInterface);
}
