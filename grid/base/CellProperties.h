#pragma once
// The per-cell record of the grid, kept in the platform grid's object slot
// of its cell and created on first need: the application's object, the
// graphic, colours, font, alignment, merge data, editor kind, read-only flag,
// node level, calculation kind and a control placed in the cell.
//
// Merge data: an unmerged cell has spans -1/-1 and is a base cell; the base
// (top-left) cell of a w x h area has spans (w-1, h-1); every other cell of
// the area is no base cell and holds its offset from the base.
#include <memory>

#include "grid/base/CellGraphicBase.h"
#include "grid/base/GridTypes.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"

class TBaseGrid;
class TControl;

class TCellProperties : public TPersistent {
 public:
  TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
  ~TCellProperties() override;
  String ClassName() const override { return u"TCellProperties"; }
  // Copies the merge data, owner cell, object, looks, editor, read-only flag,
  // node level and control; not the graphic, BrushColorTo, the calculation,
  // GradientDirection or PaintID. No repaint.
  void Assign(const TPersistent& Source) override;

  // The base cell of the area that (ACol, ARow), the cell of this record, lies in.
  TPoint GetBaseCell(int ACol, int ARow) const;

  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
  int OwnerCol() const { return FOwnerCol; }
  void SetOwnerCol(int Value) { FOwnerCol = Value; }
  int OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(int Value) { FOwnerRow = Value; }

  bool IsBaseCell() const { return FIsBaseCell; }
  void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
  int CellSpanX() const { return FCellSpanX; }
  void SetCellSpanX(int Value) { FCellSpanX = Value; }
  int CellSpanY() const { return FCellSpanY; }
  void SetCellSpanY(int Value) { FCellSpanY = Value; }

  // The application's object: never freed by the grid.
  TObject* CellObject() const { return FObject; }
  void SetCellObject(TObject* Value) { FObject = Value; }
  // The graphic is the record's own: replacing or freeing the record frees it.
  TCellGraphicBase* GraphicObject() const { return FGraphicObject.get(); }
  void SetGraphicObject(std::unique_ptr<TCellGraphicBase> Value);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  // These four repaint the owner cell.
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor Value);
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle Value) { FBrushStyle = Value; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { FBorderWidth = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  int FontSize() const { return FFontSize; }
  void SetFontSize(int Value) { FFontSize = Value; }
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor Value) { FFontColor = Value; }
  TFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TFontStyles Value) { FFontStyle = Value; }
  const String& FontName() const { return FFontName; }
  void SetFontName(const String& Value) { FFontName = Value; }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value) { FEditor = Value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  int NodeLevel() const { return FNodeLevel; }
  void SetNodeLevel(int Value) { FNodeLevel = Value; }
  TCellGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }
  // Run-time only.
  TColumnCalcType CalcType() const { return FCalcType; }
  void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
  TObject* CalcObject() const { return FCalcObject; }
  void SetCalcObject(TObject* Value) { FCalcObject = Value; }
  // The paint pass in which this merged area was last painted.
  int PaintID() const { return FPaintID; }
  void SetPaintID(int Value) { FPaintID = Value; }

 private:
  void RepaintOwnerCell();

  TBaseGrid* FOwnerGrid;
  int FOwnerCol;
  int FOwnerRow;
  TObject* FObject = nullptr;
  std::unique_ptr<TCellGraphicBase> FGraphicObject;
  TBrushStyle FBrushStyle = bsSolid;
  TColor FBrushColor = clNone;
  TColor FBrushColorTo = clNone;
  int FFontSize = 0;
  TColor FFontColor = clNone;
  TFontStyles FFontStyle;
  int FCellSpanY = -1;
  int FCellSpanX = -1;
  int FBorderWidth = 0;
  TColor FBorderColor = 0;
  TAlignment FAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  int FPaintID = 0;
  bool FWordWrap;
  bool FIsBaseCell = true;
  TColumnCalcType FCalcType = acNONE;
  TObject* FCalcObject = nullptr;
  int FNodeLevel = 0;
  TEditorType FEditor = edNormal;
  String FFontName;
  bool FReadOnly = false;
  TCellGradientDirection FGradientDirection = GradientVertical;
  TControl* FControl = nullptr;
};
