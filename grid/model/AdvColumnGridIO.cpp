#include "grid/model/AdvColumnGridIO.h"

#include <functional>
#include <span>
#include <vector>

#include "grid/base/PlatformEnumNames.h"
#include "platform/sys/ComponentStream.h"
#include "platform/sys/Streams.h"

namespace {

using TPropValue = TStreamValue;

[[noreturn]] void BadFormat() { throw EReadError(u"Invalid stream format"); }

// ---- the published properties of a column item

// The column record keeps its own tags: 4-byte integers and UTF-16 texts.
TPropValue IntValue(int i) {
  TPropValue v;
  v.Type = vaInt32;
  v.Int = i;
  return v;
}
TPropValue BoolValue(bool b) {
  TPropValue v;
  v.Type = b ? vaTrue : vaFalse;
  return v;
}
TPropValue TextValue(const String& s) {
  TPropValue v;
  v.Type = vaWString;
  v.Text = s;
  return v;
}
TPropValue ListValue(const TStrings& l) {
  TPropValue v;
  v.Type = vaList;
  for (int i = 0; i < l.Count(); ++i) v.List.push_back(TextValue(l.Strings(i)));
  return v;
}
// Read values of another integer tag are taken too.
int IntOf(const TPropValue& v) { return static_cast<int>(v.Int); }

template <class E>
TPropValue IdentValue(E e, std::span<const StringView> Names) {
  TPropValue v;
  v.Type = vaIdent;
  v.Text = String(Names[static_cast<size_t>(e)]);
  return v;
}

template <class E>
E IdentOf(const TPropValue& v, std::span<const StringView> Names, E Default) {
  for (size_t i = 0; i < Names.size(); ++i) {
    if (Names[i] == v.Text) return static_cast<E>(i);
  }
  return Default;
}

TPropValue SetValue(unsigned Bits, std::span<const StringView> Names) {
  TPropValue v;
  v.Type = vaSet;
  for (size_t i = 0; i < Names.size(); ++i) {
    if (Bits & (1u << i)) v.Names.emplace_back(Names[i]);
  }
  return v;
}

unsigned BitsOf(const TPropValue& v, std::span<const StringView> Names) {
  unsigned bits = 0;
  for (const String& n : v.Names) {
    for (size_t i = 0; i < Names.size(); ++i) {
      if (Names[i] == n) bits |= 1u << i;
    }
  }
  return bits;
}

constexpr auto& AlignmentNames = TEnumInfo<TAlignment>::Names;
constexpr auto& FontStyleNames = TEnumInfo<TFontStyle>::Names;

struct TPropDef {
  const char16_t* Name;
  std::function<TPropValue(const TGridColumnItem&)> Get;
  std::function<void(TGridColumnItem&, const TPropValue&)> Set;
};

#define GX_INT(N) {u"" #N, [](const TGridColumnItem& i) { return IntValue(i.N()); }, \
                   [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(IntOf(v)); }}
#define GX_BOOL(N) {u"" #N, [](const TGridColumnItem& i) { return BoolValue(i.N()); }, \
                    [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(v.Type == vaTrue); }}
#define GX_TEXT(N) {u"" #N, [](const TGridColumnItem& i) { return TextValue(i.N()); }, \
                    [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(v.Text); }}
#define GX_COLOR(N) {u"" #N, [](const TGridColumnItem& i) { return IntValue(int(i.N())); }, \
                     [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(TColor(IntOf(v))); }}
#define GX_ENUM_PROP(N, T, Names, Def)                                                 \
  {u"" #N, [](const TGridColumnItem& i) { return IdentValue(i.N(), Names); },          \
   [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(IdentOf<T>(v, Names, Def)); }}
#define GX_BORDERS(N)                                                                  \
  {u"" #N, [](const TGridColumnItem& i) { return SetValue(i.N().Bits(), TEnumInfo<TCellBorder>::Names); }, \
   [](TGridColumnItem& i, const TPropValue& v) {                                       \
     i.Set##N(TCellBorders::FromBits(BitsOf(v, TEnumInfo<TCellBorder>::Names))); }}
#define GX_LIST(N) {u"" #N ".Strings", [](const TGridColumnItem& i) { return ListValue(*i.N()); }, \
   [](TGridColumnItem& i, const TPropValue& v) {                                       \
     i.N()->Clear(); for (const TPropValue& s : v.List) i.N()->Add(s.Text); }}
#define GX_FONT(N)                                                                     \
  {u"" #N ".Color", [](const TGridColumnItem& i) { return IntValue(int(i.N()->Color())); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetColor(TColor(IntOf(v))); }},   \
  {u"" #N ".Height", [](const TGridColumnItem& i) { return IntValue(i.N()->Height()); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetHeight(IntOf(v)); }},          \
  {u"" #N ".Name", [](const TGridColumnItem& i) { return TextValue(i.N()->Name()); },  \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetName(v.Text); }},           \
  {u"" #N ".Style", [](const TGridColumnItem& i) { return SetValue(i.N()->Style().Bits(), FontStyleNames); }, \
   [](TGridColumnItem& i, const TPropValue& v) {                                       \
     i.N()->SetStyle(TFontStyles(FontStylesFromBits(BitsOf(v, FontStyleNames)))); }}
#define GX_PEN(N)                                                                      \
  {u"" #N ".Color", [](const TGridColumnItem& i) { return IntValue(int(i.N()->Color())); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetColor(TColor(IntOf(v))); }},   \
  {u"" #N ".Width", [](const TGridColumnItem& i) { return IntValue(i.N()->Width()); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetWidth(IntOf(v)); }}

TFontStyles FontStylesFromBits(unsigned Bits) {
  TFontStyles s;
  for (int i = 0; i < 4; ++i) {
    if (Bits & (1u << i)) s += TFontStyles{static_cast<TFontStyle>(i)};
  }
  return s;
}

const std::vector<TPropDef>& ItemProps() {
  static const std::vector<TPropDef> props = {
      {u"Width", [](const TGridColumnItem& i) { return IntValue(i.Width()); },
       [](TGridColumnItem& i, const TPropValue& v) { i.SetWidth(IntOf(v)); }},
      GX_ENUM_PROP(Alignment, TAlignment, AlignmentNames, taLeftJustify),
      GX_TEXT(Header),
      GX_ENUM_PROP(SortStyle, TSortStyle, TEnumInfo<TSortStyle>::Names, ssAutomatic),
      GX_TEXT(SortPrefix), GX_TEXT(SortSuffix), GX_TEXT(EditMask), GX_INT(EditLength),
      GX_FONT(Font), GX_COLOR(Color),
      GX_ENUM_PROP(Editor, TEditorType, TEnumInfo<TEditorType>::Names, edNormal),
      GX_BOOL(Fixed), GX_BOOL(ReadOnly), GX_LIST(ComboItems), GX_INT(DropDownCount),
      GX_INT(SpinMin), GX_INT(SpinMax), GX_INT(SpinStep), GX_BOOL(Password),
      GX_FONT(PrintFont), GX_COLOR(PrintColor), GX_BORDERS(Borders), GX_PEN(BorderPen),
      GX_BORDERS(PrintBorders), GX_PEN(PrintBorderPen), GX_INT(Tag), GX_TEXT(Name),
      GX_TEXT(CheckFalse), GX_TEXT(CheckTrue), GX_BOOL(ShowBands), GX_LIST(Filter),
      GX_INT(MaxSize), GX_INT(MinSize), GX_INT(AutoMinSize), GX_INT(AutoMaxSize),
      GX_ENUM_PROP(ColumnPopupType, TColumnPopupType, TEnumInfo<TColumnPopupType>::Names,
              cpFixedCellsRClick),
      GX_BOOL(FilterCaseSensitive), GX_TEXT(FloatFormat),
      GX_ENUM_PROP(HeaderAlignment, TAlignment, AlignmentNames, taLeftJustify),
      GX_FONT(HeaderFont), GX_BOOL(PrintBorderCustom), GX_BOOL(PrintFontCustom),
  };
  return props;
}

#undef GX_INT
#undef GX_BOOL
#undef GX_TEXT
#undef GX_COLOR
#undef GX_ENUM_PROP
#undef GX_BORDERS
#undef GX_LIST
#undef GX_FONT
#undef GX_PEN

const TPropDef* FindProp(const String& Name) {
  for (const TPropDef& p : ItemProps()) {
    if (Name == p.Name) return &p;
  }
  return nullptr;
}

void ReadItem(const std::vector<TStreamProperty>& Props, TGridColumnItem& Item) {
  for (const TStreamProperty& p : Props) {
    if (const TPropDef* def = FindProp(p.Name)) def->Set(Item, p.Value);
  }
}

}  // namespace

TAdvColumnGridIO::TAdvColumnGridIO(TComponent* AOwner, TAdvColumnGrid* Grid)
    : TComponent(AOwner), FItems(std::make_unique<TGridColumnCollection>(Grid)) {
  FItems->SetNoRecursiveUpdate(true);
}

void TAdvColumnGridIO::WriteTo(TStream& st) const {
  TComponentWriter w(st);
  w.BeginRecord(ClassName());
  w.Name(u"Items");
  w.BeginCollection();
  for (int k = 0; k < FItems->Count(); ++k) {
    w.BeginItem();
    for (const TPropDef& p : ItemProps()) {
      w.Name(p.Name);
      w.Value(p.Get(*FItems->Items(k)));
    }
    w.End();
  }
  w.End();
  w.EndRecord();
}

void TAdvColumnGridIO::ReadFrom(TStream& st) {
  TComponentReader r(st);
  if (r.BeginRecord() != ClassName()) BadFormat();
  while (r.NextProperty()) {
    if (r.Path() != u"Items") continue;
    if (r.Value().Type != vaCollection) BadFormat();
    FItems->Clear();
    for (const auto& item : r.Value().Items) ReadItem(item, *FItems->Add());
  }
}
