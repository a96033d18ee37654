#include "platform/gui/Graphics.h"

#include <cstdint>
#include <cstdlib>

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (p < 0) != (c < 0);
  const std::int64_t q = (std::llabs(p) + half) / std::llabs(c);
  return static_cast<int>(negative ? -q : q);
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

TFont::TFont() = default;

void TFont::Assign(const TPersistent& Source) {
  const auto* f = dynamic_cast<const TFont*>(&Source);
  if (!f) return TPersistent::Assign(Source);
  FName = f->FName;
  FHeight = MulDiv(f->FHeight, FPixelsPerInch, f->FPixelsPerInch);
  FStyle = f->FStyle;
  FColor = f->FColor;
  FCharset = f->FCharset;
  FPitch = f->FPitch;
  FOrientation = f->FOrientation;
  Changed();
}

#define GX_SETTER(Class, Prop, Type)                                         \
  void Class::Set##Prop(Type Value) {                                        \
    if (F##Prop == Value) return;                                            \
    F##Prop = Value;                                                         \
    Changed();                                                               \
  }

GX_SETTER(TFont, Name, const String&)
GX_SETTER(TFont, Height, int)
GX_SETTER(TFont, Style, TFontStyles)
GX_SETTER(TFont, Color, TColor)
GX_SETTER(TFont, Charset, TFontCharset)
GX_SETTER(TFont, Pitch, TFontPitch)
GX_SETTER(TFont, Orientation, int)
GX_SETTER(TBrush, Style, TBrushStyle)
GX_SETTER(TPen, Color, TColor)
GX_SETTER(TPen, Width, int)
GX_SETTER(TPen, Style, TPenStyle)
GX_SETTER(TPen, Mode, TPenMode)
#undef GX_SETTER

int TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetPixelsPerInch(int Value) {
  if (Value <= 0 || Value == FPixelsPerInch) return;
  const int size = Size();
  FPixelsPerInch = Value;
  FHeight = -MulDiv(size, FPixelsPerInch, 72);
  Changed();
}

void TBrush::Assign(const TPersistent& Source) {
  const auto* b = dynamic_cast<const TBrush*>(&Source);
  if (!b) return TPersistent::Assign(Source);
  FColor = b->FColor;
  FStyle = b->FStyle;
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (FColor == Value && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TPen::Assign(const TPersistent& Source) {
  const auto* p = dynamic_cast<const TPen*>(&Source);
  if (!p) return TPersistent::Assign(Source);
  FColor = p->FColor;
  FWidth = p->FWidth;
  FStyle = p->FStyle;
  FMode = p->FMode;
  Changed();
}
