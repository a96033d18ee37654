#pragma once
// How header clicks sort and how the sorted column looks: the sort column
// and direction, the indexed sort, the comparison switches, the glyphs and
// the header colours of the sorted column.
#include <memory>

#include "grid/base/GridTypes.h"
#include "grid/base/OptionProperty.h"
#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TAdvStringGrid;
class TBitmap;

enum TIndexSortKey { ikShift, ikCtrl };
enum TSortBlankPosition { blFirst, blLast };

class TSortSettings : public TPersistent {
 public:
  explicit TSortSettings(TAdvStringGrid* AGrid);
  ~TSortSettings() override;
  String ClassName() const override { return u"TSortSettings"; }
  // From another TSortSettings: everything but IgnoreCase and
  // SortOnVirtualCells, glyphs as picture copies; nothing is repainted.
  void Assign(const TPersistent& Source) override;

  GX_OPTION(bool, AutoSortForGrouping)
  GX_OPTION(bool, AutoColumnMerge)
  // Storage column; -1 when no column is sorted.
  GX_OPTION(int, Column)
  // Repaints the grid when it changes.
  bool Show() const { return FValues.Show; }
  void SetShow(bool Value);
  GX_OPTION(bool, IndexShow)
  GX_OPTION(TColor, IndexColor)
  GX_OPTION(TIndexSortKey, IndexSortKey)
  GX_OPTION(bool, Full)
  GX_OPTION(bool, SingleColumn)
  GX_OPTION(bool, IgnoreBlanks)
  GX_OPTION(TSortBlankPosition, BlankPos)
  GX_OPTION(bool, AutoFormat)
  GX_OPTION(TSortDirection, Direction)
  void ToggleDirection();
  // "u3" / "d3": column 3 ascending / descending; "i;" and the sort index
  // list's own text for an indexed sort.
  String SaveToString() const;
  // The reverse, and sorts; a one-character value raises, a column that is
  // not a number is ignored.
  void LoadFromString(const String& Value);
  // No sort column and no sort indexes.
  void Remove();
  // Owned glyphs; the setters copy the picture.
  TBitmap* UpGlyph() const { return FUpGlyph.get(); }
  void SetUpGlyph(const TBitmap& Value);
  TBitmap* DownGlyph() const { return FDownGlyph.get(); }
  void SetDownGlyph(const TBitmap& Value);
  TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
  void SetIndexUpGlyph(const TBitmap& Value);
  TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
  void SetIndexDownGlyph(const TBitmap& Value);
  GX_OPTION(bool, IgnoreCase)
  GX_OPTION(TSortDirection, InitSortDirection)
  GX_OPTION(bool, FixedCols)
  GX_OPTION(bool, NormalCellsOnly)
  // The fixed row that shows the glyph; a row past the fixed rows raises.
  int Row() const { return FValues.Row; }
  void SetRow(int Value);
  GX_OPTION(bool, UndoSort)
  GX_OPTION(bool, SortOnVirtualCells)
  // Each repaints the last fixed row when it changes.
  TColor HeaderColor() const { return FValues.HeaderColor; }
  void SetHeaderColor(TColor Value) { SetHeaderColour(FValues.HeaderColor, Value); }
  TColor HeaderColorTo() const { return FValues.HeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { SetHeaderColour(FValues.HeaderColorTo, Value); }
  TColor HeaderMirrorColor() const { return FValues.HeaderMirrorColor; }
  void SetHeaderMirrorColor(TColor Value) { SetHeaderColour(FValues.HeaderMirrorColor, Value); }
  TColor HeaderMirrorColorTo() const { return FValues.HeaderMirrorColorTo; }
  void SetHeaderMirrorColorTo(TColor Value) { SetHeaderColour(FValues.HeaderMirrorColorTo, Value); }

 private:
  void SetHeaderColour(TColor& Field, TColor Value);

  TAdvStringGrid* FGrid;
  struct TValues {
    bool AutoSortForGrouping = true;
    bool AutoColumnMerge = false;
    int Column = -1;
    bool Show = false;
    bool IndexShow = false;
    TColor IndexColor = clYellow;
    TIndexSortKey IndexSortKey = ikShift;
    bool Full = true;
    bool SingleColumn = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    bool IgnoreCase = false;
    TSortDirection InitSortDirection = sdAscending;
    bool FixedCols = false;
    bool NormalCellsOnly = false;
    int Row = 0;
    bool UndoSort = false;
    bool SortOnVirtualCells = true;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderMirrorColor = clNone;
    TColor HeaderMirrorColorTo = clNone;
  } FValues;
  std::unique_ptr<TBitmap> FUpGlyph;
  std::unique_ptr<TBitmap> FDownGlyph;
  std::unique_ptr<TBitmap> FIndexUpGlyph;
  std::unique_ptr<TBitmap> FIndexDownGlyph;
};
