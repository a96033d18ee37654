#include "grid/model/SortSettings.h"

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/sys/Exceptions.h"

TSortSettings::TSortSettings(TAdvStringGrid* AGrid)
    : FGrid(AGrid),
      FUpGlyph(std::make_unique<TBitmap>()),
      FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()),
      FIndexDownGlyph(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetShow(bool Value) {
  if (StoreChanged(FValues.Show, Value)) FGrid->Invalidate();
}

void TSortSettings::ToggleDirection() {
  FValues.Direction = FValues.Direction == sdAscending ? sdDescending : sdAscending;
}

void TSortSettings::SetRow(int Value) {
  if (Value > FGrid->FixedRows())
    throw Exception(u"Sort row should be smaller than number of fixed rows");
  FValues.Row = Value;
}

void TSortSettings::SetHeaderColour(TColor& Field, TColor Value) {
  if (StoreChanged(Field, Value) && FGrid->FixedRows() > 0) FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetUpGlyph(const TBitmap& Value) { FUpGlyph->Assign(Value); }
void TSortSettings::SetDownGlyph(const TBitmap& Value) { FDownGlyph->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph->Assign(Value); }

void TSortSettings::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TSortSettings*>(&Source);
  if (!src) return;
  const bool ignoreCase = FValues.IgnoreCase;
  const bool onVirtualCells = FValues.SortOnVirtualCells;
  FValues = src->FValues;
  FValues.IgnoreCase = ignoreCase;
  FValues.SortOnVirtualCells = onVirtualCells;
  FUpGlyph->Assign(*src->FUpGlyph);
  FDownGlyph->Assign(*src->FDownGlyph);
  FIndexUpGlyph->Assign(*src->FIndexUpGlyph);
  FIndexDownGlyph->Assign(*src->FIndexDownGlyph);
}
