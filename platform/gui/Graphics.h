#pragma once
// Font, brush and pen: the drawing tools a canvas holds. Each tells its
// owner of a change through OnChange, so a canvas (or a control holding a
// font) can pick the new values up.
#include <functional>
#include <initializer_list>

#include "platform/sys/Component.h"
#include "platform/sys/String.h"
#include "platform/sys/Types.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of TFontStyle values, built like the original sets: {fsBold, fsItalic}.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle s : styles) bits_ |= Bit(s);
  }
  constexpr bool Contains(TFontStyle s) const { return (bits_ & Bit(s)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TFontStyles& operator+=(TFontStyles o) { bits_ |= o.bits_; return *this; }
  constexpr TFontStyles& operator-=(TFontStyles o) { bits_ &= ~o.bits_; return *this; }
  constexpr TFontStyles operator+(TFontStyles o) const { return TFontStyles(*this) += o; }
  constexpr TFontStyles operator-(TFontStyles o) const { return TFontStyles(*this) -= o; }
  constexpr unsigned Bits() const { return bits_; }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  static constexpr unsigned Bit(TFontStyle s) { return 1u << static_cast<unsigned>(s); }
  unsigned bits_ = 0;
};

using TFontCharset = unsigned char;
constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2,
                       OEM_CHARSET = 255;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Base of font, brush and pen: Assign-able and reporting changes.
class TGraphicsObject : public TPersistent {
 public:
  std::function<void(TPersistent* Sender)> OnChange;

 protected:
  void Changed();
};

// The screen's pixels per inch; fonts made without a device use it.
constexpr int DefaultPixelsPerInch = 96;

class TFont : public TGraphicsObject {
 public:
  TFont();
  void Assign(const TPersistent& Source) override;
  String ClassName() const override { return u"TFont"; }

  const String& Name() const { return FName; }
  void SetName(const String& Value);
  // Size in points; Height in pixels (negative: character height without
  // the internal leading). They are tied by PixelsPerInch.
  int Size() const;
  void SetSize(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  // Angle of the text's base line in tenths of a degree, counter-clockwise.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int Value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  // Keeps Size: the Height is recomputed for the new resolution.
  void SetPixelsPerInch(int Value);

 private:
  String FName = u"Tahoma";
  int FHeight = -11;  // 8 points at 96 pixels per inch
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  TFontCharset FCharset = DEFAULT_CHARSET;
  TFontPitch FPitch = fpDefault;
  int FOrientation = 0;
  int FPixelsPerInch = DefaultPixelsPerInch;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                   bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  void Assign(const TPersistent& Source) override;
  String ClassName() const override { return u"TBrush"; }

  TColor Color() const { return FColor; }
  // Setting a colour while the style is clear makes the brush solid again.
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Raster operations between the pen and the pixels underneath.
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor,
                pmNotXor };

class TPen : public TGraphicsObject {
 public:
  void Assign(const TPersistent& Source) override;
  String ClassName() const override { return u"TPen"; }

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

// Windows' MulDiv: a * b / c rounded half away from zero, -1 when c is 0.
int MulDiv(int a, int b, int c);
