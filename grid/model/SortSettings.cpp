#include "grid/model/SortSettings.h"

#include "grid/base/SortIndexList.h"

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

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

String TSortSettings::SaveToString() const {
  if (FValues.IndexShow) return u"i;" + FGrid->SortIndexes()->SaveToString();
  return (FValues.Direction == sdDescending ? u"d" : u"u") + IntToStr(FValues.Column);
}

void TSortSettings::LoadFromString(const String& Value) {
  if (Value.empty()) return;
  SetShow(true);
  if (Value.size() < 2) throw Exception(u"Invalid sort settings specifier");
  if (Value.find(u"i;") == String::npos) {
    FValues.IndexShow = false;
    FValues.Direction = Value.find(u'u') != String::npos ? sdAscending : sdDescending;
    int column = 0;
    if (!TryStrToInt(StringView(Value).substr(1), column)) return;
    FValues.Column = column;
    FGrid->QSort();
    return;
  }
  FValues.IndexShow = true;
  if (Value.size() == 2) return;
  FGrid->SortIndexes()->LoadFromString(Value.substr(2));
  FGrid->QSortIndexed();
}

void TSortSettings::Remove() {
  FValues.Column = -1;
  FGrid->SortIndexes()->Clear();
  FGrid->RepaintRow(FGrid->FixedRows() - 1);
}
