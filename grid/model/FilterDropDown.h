#pragma once
// The look of the filter drop-down of a header: its size, colour and font,
// and the two glyphs of the header button (no filter / filter active). Any
// change of a glyph reports OnChange, so the headers repaint; the rest is
// read when the drop-down opens.
#include <memory>

#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TBitmap;
class TFont;

class TFilterDropDown : public TPersistent {
 public:
  TFilterDropDown();
  ~TFilterDropDown() override;
  String ClassName() const override { return u"TFilterDropDown"; }
  // From another TFilterDropDown: all but AutoSize, without reporting.
  void Assign(const TPersistent& Source) override;

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  // The list takes the column's width.
  bool ColumnWidth() const { return FColumnWidth; }
  void SetColumnWidth(bool Value) { FColumnWidth = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont& Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap& Value);
  TBitmap* GlyphActive() const { return FGlyphActive.get(); }
  void SetGlyphActive(const TBitmap& Value);

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange && !FAssigning) OnChange(this);
  }

  bool FAutoSize = false;
  TColor FColor = clWindow;
  bool FColumnWidth = false;
  std::unique_ptr<TFont> FFont;
  int FHeight = 150;
  int FWidth = 150;
  std::unique_ptr<TBitmap> FGlyph;
  std::unique_ptr<TBitmap> FGlyphActive;
  bool FAssigning = false;  // the glyph copies of Assign report nothing
};
