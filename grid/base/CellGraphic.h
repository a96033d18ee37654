#pragma once
// The one record that says what graphic or in-cell control a cell carries:
// its CellType decides what every other field means. Two object slots hold
// the graphic's objects (or, for drawn kinds, colours); a slot frees only an
// object it was handed to own, never one a caller lent it.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <variant>

#include "grid/base/CellGraphicBase.h"
#include "grid/base/CellShapes.h"
#include "grid/base/EnumNames.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"

class TBitmap;
class TIcon;
class TPicture;
class TFilePicture;
class TIntList;
class TStrings;

GX_ENUM(TCellType, ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated,
        ctDataImage, ctNode, ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue,
        ctProgress, ctComment, ctButton, ctBitButton, ctVirtCheckBox, ctRowCheckBox,
        ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface, ctScrollbar,
        ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand);
GX_ENUM(TCellHAlign, haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull);
GX_ENUM(TCellVAlign, vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull);
GX_ENUM(TStretchMode, noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio);
GX_ENUM(TBalloonIcon, biNone, biInfo, biWarning, biError);

// A set of cell types (there are more than 32 of them).
class TCellTypes {
 public:
  constexpr TCellTypes(std::initializer_list<TCellType> Types) {
    for (TCellType t : Types) FBits |= std::uint64_t{1} << t;
  }
  constexpr bool Contains(TCellType Type) const { return (FBits >> Type) & 1; }

 private:
  std::uint64_t FBits = 0;
};

struct TScrollProp {
  int PageSize = 0;
  int Range = 0;
  bool operator==(const TScrollProp&) const = default;
};

// Nothing, an owned object, a borrowed object, or a colour.
class TGraphicSlot {
 public:
  TPersistent* Object() const;
  bool Owned() const { return std::holds_alternative<std::unique_ptr<TPersistent>>(FValue); }
  bool IsColor() const { return std::holds_alternative<TColor>(FValue); }
  // 0 when the slot holds no colour.
  TColor Color() const { return IsColor() ? std::get<TColor>(FValue) : TColor(0); }
  void Own(std::unique_ptr<TPersistent> Value) { FValue = std::move(Value); }
  void Borrow(TPersistent* Value) { FValue = Value; }
  void SetColor(TColor Value) { FValue = Value; }
  void Clear() { FValue = std::monostate{}; }

 private:
  std::variant<std::monostate, std::unique_ptr<TPersistent>, TPersistent*, TColor> FValue;
};

class TCellGraphic : public TCellGraphicBase {
 public:
  TCellGraphic() = default;
  String ClassName() const override { return u"TCellGraphic"; }
  // The stored fields only: neither slot, CellVar nor CellCheckBoxState.
  void Assign(const TPersistent& Source) override;

  TCellType CellType() const { return FCellType; }
  void SetCellType(TCellType Value) { FCellType = Value; }
  TCellVAlign CellVAlign() const { return FCellVAlign; }
  void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
  TCellHAlign CellHAlign() const { return FCellHAlign; }
  void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
  int CellIndex() const { return FCellIndex; }
  void SetCellIndex(int Value) { FCellIndex = Value; }
  bool CellTransparent() const { return FCellTransparent; }
  void SetCellTransparent(bool Value) { FCellTransparent = Value; }
  // What a stored graphic says about its bitmap-slot object; the slots
  // themselves decide what is freed.
  bool CellCreated() const { return FCellCreated; }
  void SetCellCreated(bool Value) { FCellCreated = Value; }
  bool CellBoolean() const { return FCellBoolean; }
  void SetCellBoolean(bool Value) { FCellBoolean = Value; }
  TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
  void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }
  int CellAngle() const { return FCellAngle; }
  void SetCellAngle(int Value) { FCellAngle = Value; }
  double CellValue() const { return FCellValue; }
  void SetCellValue(double Value) { FCellValue = Value; }
  int CellErrFrom() const { return FCellErrFrom; }
  void SetCellErrFrom(int Value) { FCellErrFrom = Value; }
  int CellErrLen() const { return FCellErrLen; }
  void SetCellErrLen(int Value) { FCellErrLen = Value; }
  const String& CellText() const { return FCellText; }
  void SetCellText(const String& Value) { FCellText = Value; }
  // Expanded flag, last selected option or grouping column, by type.
  int CellVar() const { return FCellVar; }
  void SetCellVar(int Value) { FCellVar = Value; }

  TGraphicSlot& BitmapSlot() { return FCellBitmap; }
  const TGraphicSlot& BitmapSlot() const { return FCellBitmap; }
  TGraphicSlot& IconSlot() { return FCellIcon; }
  const TGraphicSlot& IconSlot() const { return FCellIcon; }
  TPersistent* CellBitmap() const { return FCellBitmap.Object(); }
  TPersistent* CellIcon() const { return FCellIcon.Object(); }
  // The graphic owns Value from now on (CellCreated true).
  void OwnCellBitmap(std::unique_ptr<TPersistent> Value);
  void OwnCellIcon(std::unique_ptr<TPersistent> Value);

  // Typed setters: each sets CellType and its own fields; a slot it fills
  // holds the caller's object, not owned.
  void SetInterfacedCell(TPersistent* AObject);
  void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                  TCellHAlign hal, TCellVAlign val);
  void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode stretchmode,
                      int padding, TCellHAlign hal, TCellVAlign val);
  void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
  void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
  // A new index list bound to (Col, Row), owned, reporting to Notifier.
  void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                     const std::function<void(TObject*, int, int)>& Notifier);
  void SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  // Brought into 0..360; 360 stays 360.
  void SetAngle(short AAngle);
  void SetButton(int bw, int bh, const String& caption, TCellHAlign hal, TCellVAlign val);
  void SetBitButton(int bw, int bh, const String& caption, TBitmap* Glyph, TCellHAlign hal,
                    TCellVAlign val);

  // The drawn size of a picture in cw x rh pixels less the padding;
  // (0, 0) for other kinds.
  TPoint GetPictureSize(int cw, int rh, bool hastext) const;

 private:
  void SetAlign(TCellHAlign hal, TCellVAlign val) {
    FCellHAlign = hal;
    FCellVAlign = val;
  }
  void SetPictureFields(TPersistent* APicture, bool Transparent, int StretchMode, int padding,
                        TCellHAlign hal, TCellVAlign val);

  TCellType FCellType = ctNone;
  TGraphicSlot FCellBitmap;
  TGraphicSlot FCellIcon;
  TCellVAlign FCellVAlign = vaTop;
  TCellHAlign FCellHAlign = haLeft;
  int FCellIndex = 0;
  bool FCellTransparent = false;
  bool FCellCreated = false;
  bool FCellBoolean = false;
  int FCellAngle = 0;
  double FCellValue = 0;
  int FCellErrFrom = 0;
  int FCellErrLen = 0;
  String FCellText;
  int FCellVar = 0;
  TCheckBoxState FCellCheckBoxState = cbUnchecked;
};
