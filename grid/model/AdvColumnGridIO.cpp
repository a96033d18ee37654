#include "grid/model/AdvColumnGridIO.h"

#include <functional>
#include <span>
#include <vector>

#include "platform/sys/CodePage.h"
#include "platform/sys/Streams.h"

namespace {

// Value tags of the component stream.
enum TValueType : std::uint8_t {
  vaNull = 0, vaList = 1, vaInt32 = 4, vaIdent = 7, vaFalse = 8, vaTrue = 9, vaSet = 11,
  vaCollection = 14, vaWString = 18,
};

struct TPropValue {
  TValueType Type = vaNull;
  int Int = 0;
  String Text;                 // string or identifier
  std::vector<String> Names;   // set members or string list
};

// ---- writing

void WriteByte(TStream& st, std::uint8_t b) { st.WriteBuffer(&b, 1); }

void WriteShortString(TStream& st, const String& s) {
  const AnsiString a = StringToAnsi(s).substr(0, 255);
  WriteByte(st, static_cast<std::uint8_t>(a.size()));
  st.WriteBytes(a);
}

void WriteInt32(TStream& st, int v) {
  const auto u = static_cast<std::uint32_t>(v);
  const std::uint8_t b[4] = {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16),
                             std::uint8_t(u >> 24)};
  st.WriteBuffer(b, 4);
}

void WriteWide(TStream& st, const String& s) {
  WriteInt32(st, static_cast<int>(s.size()));
  for (Char c : s) {
    const std::uint8_t b[2] = {std::uint8_t(c), std::uint8_t(c >> 8)};
    st.WriteBuffer(b, 2);
  }
}

void WriteValue(TStream& st, const TPropValue& v) {
  switch (v.Type) {
    case vaInt32: WriteByte(st, vaInt32); WriteInt32(st, v.Int); break;
    case vaFalse: case vaTrue: WriteByte(st, v.Type); break;
    case vaIdent: WriteByte(st, vaIdent); WriteShortString(st, v.Text); break;
    case vaWString: WriteByte(st, vaWString); WriteWide(st, v.Text); break;
    case vaSet:
      WriteByte(st, vaSet);
      for (const String& n : v.Names) WriteShortString(st, n);
      WriteShortString(st, String());
      break;
    case vaList:
      WriteByte(st, vaList);
      for (const String& n : v.Names) { WriteByte(st, vaWString); WriteWide(st, n); }
      WriteByte(st, vaNull);
      break;
    default: break;
  }
}

// ---- reading

[[noreturn]] void BadFormat() { throw EReadError(u"Invalid stream format"); }

std::uint8_t ReadByte(TStream& st) {
  std::uint8_t b = 0;
  st.ReadBuffer(&b, 1);
  return b;
}

String ReadShortString(TStream& st) {
  std::string a(ReadByte(st), '\0');
  if (!a.empty()) st.ReadBuffer(a.data(), static_cast<std::int64_t>(a.size()));
  return AnsiToString(a);
}

int ReadInt32(TStream& st) {
  std::uint8_t b[4];
  st.ReadBuffer(b, 4);
  return static_cast<int>(b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t(b[3]) << 24));
}

String ReadWide(TStream& st) {
  const int n = ReadInt32(st);
  if (n < 0 || n > st.Size() - st.Position()) BadFormat();
  String s(static_cast<size_t>(n), u'\0');
  for (Char& c : s) {
    std::uint8_t b[2];
    st.ReadBuffer(b, 2);
    c = static_cast<Char>(b[0] | (b[1] << 8));
  }
  return s;
}

TPropValue ReadValue(TStream& st) {
  TPropValue v;
  v.Type = static_cast<TValueType>(ReadByte(st));
  switch (v.Type) {
    case vaInt32: v.Int = ReadInt32(st); break;
    case vaFalse: case vaTrue: break;
    case vaIdent: v.Text = ReadShortString(st); break;
    case vaWString: v.Text = ReadWide(st); break;
    case vaSet:
      for (String n = ReadShortString(st); !n.empty(); n = ReadShortString(st)) v.Names.push_back(n);
      break;
    case vaList:
      for (std::uint8_t t = ReadByte(st); t != vaNull; t = ReadByte(st)) {
        if (t != vaWString) BadFormat();
        v.Names.push_back(ReadWide(st));
      }
      break;
    default: BadFormat();
  }
  return v;
}

// ---- the published properties of a column item

TPropValue IntValue(int i) { return {vaInt32, i, {}, {}}; }
TPropValue BoolValue(bool b) { return {b ? vaTrue : vaFalse, 0, {}, {}}; }
TPropValue TextValue(const String& s) { return {vaWString, 0, s, {}}; }
TPropValue ListValue(const TStrings& l) {
  TPropValue v{vaList, 0, {}, {}};
  for (int i = 0; i < l.Count(); ++i) v.Names.push_back(l.Strings(i));
  return v;
}

template <class E>
TPropValue IdentValue(E e, std::span<const StringView> Names) {
  return {vaIdent, 0, String(Names[static_cast<size_t>(e)]), {}};
}

template <class E>
E IdentOf(const TPropValue& v, std::span<const StringView> Names, E Default) {
  for (size_t i = 0; i < Names.size(); ++i) {
    if (Names[i] == v.Text) return static_cast<E>(i);
  }
  return Default;
}

TPropValue SetValue(unsigned Bits, std::span<const StringView> Names) {
  TPropValue v{vaSet, 0, {}, {}};
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

constexpr StringView AlignmentNames[] = {u"taLeftJustify", u"taRightJustify", u"taCenter"};
constexpr StringView FontStyleNames[] = {u"fsBold", u"fsItalic", u"fsUnderline", u"fsStrikeOut"};

struct TPropDef {
  const char16_t* Name;
  std::function<TPropValue(const TGridColumnItem&)> Get;
  std::function<void(TGridColumnItem&, const TPropValue&)> Set;
};

#define GX_INT(N) {u"" #N, [](const TGridColumnItem& i) { return IntValue(i.N()); }, \
                   [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(v.Int); }}
#define GX_BOOL(N) {u"" #N, [](const TGridColumnItem& i) { return BoolValue(i.N()); }, \
                    [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(v.Type == vaTrue); }}
#define GX_TEXT(N) {u"" #N, [](const TGridColumnItem& i) { return TextValue(i.N()); }, \
                    [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(v.Text); }}
#define GX_COLOR(N) {u"" #N, [](const TGridColumnItem& i) { return IntValue(int(i.N())); }, \
                     [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(TColor(v.Int)); }}
#define GX_ENUM_PROP(N, T, Names, Def)                                                 \
  {u"" #N, [](const TGridColumnItem& i) { return IdentValue(i.N(), Names); },          \
   [](TGridColumnItem& i, const TPropValue& v) { i.Set##N(IdentOf<T>(v, Names, Def)); }}
#define GX_BORDERS(N)                                                                  \
  {u"" #N, [](const TGridColumnItem& i) { return SetValue(i.N().Bits(), TEnumInfo<TCellBorder>::Names); }, \
   [](TGridColumnItem& i, const TPropValue& v) {                                       \
     i.Set##N(TCellBorders::FromBits(BitsOf(v, TEnumInfo<TCellBorder>::Names))); }}
#define GX_LIST(N) {u"" #N ".Strings", [](const TGridColumnItem& i) { return ListValue(*i.N()); }, \
   [](TGridColumnItem& i, const TPropValue& v) {                                       \
     i.N()->Clear(); for (const String& s : v.Names) i.N()->Add(s); }}
#define GX_FONT(N)                                                                     \
  {u"" #N ".Color", [](const TGridColumnItem& i) { return IntValue(int(i.N()->Color())); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetColor(TColor(v.Int)); }},   \
  {u"" #N ".Height", [](const TGridColumnItem& i) { return IntValue(i.N()->Height()); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetHeight(v.Int); }},          \
  {u"" #N ".Name", [](const TGridColumnItem& i) { return TextValue(i.N()->Name()); },  \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetName(v.Text); }},           \
  {u"" #N ".Style", [](const TGridColumnItem& i) { return SetValue(i.N()->Style().Bits(), FontStyleNames); }, \
   [](TGridColumnItem& i, const TPropValue& v) {                                       \
     i.N()->SetStyle(TFontStyles(FontStylesFromBits(BitsOf(v, FontStyleNames)))); }}
#define GX_PEN(N)                                                                      \
  {u"" #N ".Color", [](const TGridColumnItem& i) { return IntValue(int(i.N()->Color())); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetColor(TColor(v.Int)); }},   \
  {u"" #N ".Width", [](const TGridColumnItem& i) { return IntValue(i.N()->Width()); }, \
   [](TGridColumnItem& i, const TPropValue& v) { i.N()->SetWidth(v.Int); }}

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
       [](TGridColumnItem& i, const TPropValue& v) { i.SetWidth(v.Int); }},
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

void ReadItem(TStream& st, TGridColumnItem& Item) {
  for (String name = ReadShortString(st); !name.empty(); name = ReadShortString(st)) {
    const TPropValue v = ReadValue(st);
    if (const TPropDef* p = FindProp(name)) p->Set(Item, v);
  }
}

}  // namespace

TAdvColumnGridIO::TAdvColumnGridIO(TComponent* AOwner, TAdvColumnGrid* Grid)
    : TComponent(AOwner), FItems(std::make_unique<TGridColumnCollection>(Grid)) {
  FItems->SetNoRecursiveUpdate(true);
}

void TAdvColumnGridIO::WriteTo(TStream& st) const {
  st.WriteBytes("TPF0");
  WriteShortString(st, ClassName());
  WriteShortString(st, Name());
  WriteShortString(st, u"Items");
  WriteByte(st, vaCollection);
  for (int k = 0; k < FItems->Count(); ++k) {
    WriteByte(st, vaList);
    for (const TPropDef& p : ItemProps()) {
      WriteShortString(st, p.Name);
      WriteValue(st, p.Get(*FItems->Items(k)));
    }
    WriteByte(st, vaNull);
  }
  WriteByte(st, vaNull);  // end of the collection
  WriteByte(st, vaNull);  // end of the properties
  WriteByte(st, vaNull);  // no child components
}

void TAdvColumnGridIO::ReadFrom(TStream& st) {
  char sig[4];
  st.ReadBuffer(sig, 4);
  if (std::string_view(sig, 4) != "TPF0" || ReadShortString(st) != ClassName()) BadFormat();
  ReadShortString(st);  // the component's name
  for (String name = ReadShortString(st); !name.empty(); name = ReadShortString(st)) {
    if (name != u"Items") {
      ReadValue(st);
      continue;
    }
    if (ReadByte(st) != vaCollection) BadFormat();
    FItems->Clear();
    for (std::uint8_t t = ReadByte(st); t != vaNull; t = ReadByte(st)) {
      if (t != vaList) BadFormat();
      ReadItem(st, *FItems->Add());
    }
  }
  ReadByte(st);  // end of the children
}
