#include "grid/exchange/GridBinRecords.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <type_traits>
#include <span>

#include "grid/base/BaseGrid.h"
#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "grid/base/PlatformEnumNames.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Controls.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/KeptGraphic.h"
#include "platform/gui/Picture.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/ColorNames.h"
#include "platform/sys/Strings.h"

namespace {

// ---- values read, each checked for its kind

int IntOf(const TComponentReader& R) {
  const TStreamValue& v = R.Value();
  if (!v.IsInteger() || v.Int < INT_MIN || v.Int > INT_MAX) R.InvalidValue();
  return static_cast<int>(v.Int);
}

bool BoolOf(const TComponentReader& R) {
  if (!R.Value().IsBoolean()) R.InvalidValue();
  return R.Value().Type == vaTrue;
}

const String& TextOf(const TComponentReader& R) {
  if (!R.Value().IsText()) R.InvalidValue();
  return R.Value().Text;
}

double FloatOf(const TComponentReader& R) {
  const TStreamValue& v = R.Value();
  if (v.IsInteger()) return static_cast<double>(v.Int);
  if (v.Type != vaExtended && v.Type != vaSingle && v.Type != vaDate && v.Type != vaCurrency)
    R.InvalidValue();
  return v.Float;
}

template <class E>
E EnumOf(const TComponentReader& R) {
  E e{};
  if (R.Value().Type != vaIdent || !TryEnumFromName(R.Value().Text, e)) R.InvalidValue();
  return e;
}

TColor ColorOf(const TComponentReader& R) {
  if (R.Value().Type != vaIdent) return IntOf(R);
  TColor c = 0;
  if (!IdentToColor(R.Value().Text, c)) R.InvalidValue();
  return c;
}

TFontStyles FontStyleOf(const TComponentReader& R) {
  if (R.Value().Type != vaSet) R.InvalidValue();
  TFontStyles styles;
  for (const String& n : R.Value().Names) {
    TFontStyle s{};
    if (!TryEnumFromName(n, s)) R.InvalidValue();
    styles += TFontStyles{s};
  }
  return styles;
}

const std::string& BytesOf(const TComponentReader& R) {
  if (R.Value().Type != vaBinary) R.InvalidValue();
  return R.Value().Bytes;
}

// ---- values written

template <class E>
void WriteEnum(TComponentWriter& W, E Value) {
  W.Ident(TEnumInfo<E>::Names[static_cast<size_t>(Value)]);
}

void WriteColor(TComponentWriter& W, TColor Value) {
  String name;
  if (ColorToIdent(Value, name)) W.Ident(name);
  else W.Integer(Value);
}

void WriteFontStyle(TComponentWriter& W, TFontStyles Value) {
  W.Set(TEnumInfo<TFontStyle>::Names, Value.Bits());
}

// ---- a record as a table of its properties

// Write may leave a property out (an empty text); Copy moves the field from
// one object to another, for the fields a reader keeps when they are absent.
template <class T>
struct TFieldDef {
  StringView Name;
  void (*Write)(TComponentWriter&, const T&);
  void (*Read)(const TComponentReader&, T&);
  void (*Copy)(const T&, T&);
};

template <class T>
void WriteFields(TComponentWriter& W, std::span<const TFieldDef<T>> Defs, const T& Source) {
  for (const TFieldDef<T>& d : Defs) d.Write(W, Source);
}

// The properties of the record until its end; an unknown one is an error.
template <class T>
std::uint32_t ReadFields(TComponentReader& R, std::span<const TFieldDef<T>> Defs, T& Target) {
  std::uint32_t present = 0;
  while (R.NextProperty()) {
    size_t i = 0;
    while (i < Defs.size() && Defs[i].Name != R.Path()) ++i;
    if (i == Defs.size()) R.UnknownProperty();
    Defs[i].Read(R, Target);
    present |= 1u << i;
  }
  return present;
}

// Kind names the pair KindWrite / KindRead<T> of the field's value.
#define GX_FIELD(T, Path, Kind, Get, Set)                                                  \
  TFieldDef<T> {                                                                           \
    Path, [](TComponentWriter& W, const T& o) { W.Name(Path); Kind##Write(W, o.Get()); },    \
        [](const TComponentReader& R, T& o) {                                              \
          o.Set(Kind##Read<std::remove_cvref_t<decltype(o.Get())>>(R));                    \
        },                                                                                 \
        [](const T& a, T& b) { b.Set(a.Get()); }                                           \
  }

void IntWrite(TComponentWriter& W, std::int64_t v) { W.Integer(v); }
void BoolWrite(TComponentWriter& W, bool v) { W.Boolean(v); }
void ColorWrite(TComponentWriter& W, TColor v) { WriteColor(W, v); }
void FontStyleWrite(TComponentWriter& W, TFontStyles v) { WriteFontStyle(W, v); }
template <class E>
void EnumWrite(TComponentWriter& W, E v) { WriteEnum(W, v); }
template <class T>
T IntRead(const TComponentReader& R) { return IntOf(R); }
template <class T>
T BoolRead(const TComponentReader& R) { return BoolOf(R); }
template <class T>
T ColorRead(const TComponentReader& R) { return ColorOf(R); }
template <class T>
T FontStyleRead(const TComponentReader& R) { return FontStyleOf(R); }
template <class T>
T EnumRead(const TComponentReader& R) { return EnumOf<T>(R); }

// ---- the header

const TFieldDef<TGridBinHeader> HeaderFields[] = {
    {u"ColCount", [](TComponentWriter& W, const TGridBinHeader& h) { W.Name(u"ColCount"); W.Integer(h.ColCount); },
     [](const TComponentReader& R, TGridBinHeader& h) { h.ColCount = IntOf(R); }, nullptr},
    {u"RowCount", [](TComponentWriter& W, const TGridBinHeader& h) { W.Name(u"RowCount"); W.Integer(h.RowCount); },
     [](const TComponentReader& R, TGridBinHeader& h) { h.RowCount = IntOf(R); }, nullptr},
    {u"ColWidths",
     [](TComponentWriter& W, const TGridBinHeader& h) {
       if (!h.ColWidths.empty()) { W.Name(u"ColWidths"); W.Text(h.ColWidths); }
     },
     [](const TComponentReader& R, TGridBinHeader& h) { h.ColWidths = TextOf(R); }, nullptr},
    {u"RowHeights",
     [](TComponentWriter& W, const TGridBinHeader& h) {
       if (!h.RowHeights.empty()) { W.Name(u"RowHeights"); W.Text(h.RowHeights); }
     },
     [](const TComponentReader& R, TGridBinHeader& h) { h.RowHeights = TextOf(R); }, nullptr},
    {u"FullGrid", [](TComponentWriter& W, const TGridBinHeader& h) { W.Name(u"FullGrid"); W.Boolean(h.FullGrid); },
     [](const TComponentReader& R, TGridBinHeader& h) { h.FullGrid = BoolOf(R); }, nullptr},
    {u"ID", [](TComponentWriter& W, const TGridBinHeader& h) { W.Name(u"ID"); W.Integer(h.ID); },
     [](const TComponentReader& R, TGridBinHeader& h) { h.ID = IntOf(R); }, nullptr},
};

// ---- a cell

const TFieldDef<TGridCellIO> CellFields[] = {
    {u"Col", [](TComponentWriter& W, const TGridCellIO& c) { W.Name(u"Col"); W.Integer(c.Col); },
     [](const TComponentReader& R, TGridCellIO& c) { c.Col = IntOf(R); }, nullptr},
    {u"Row", [](TComponentWriter& W, const TGridCellIO& c) { W.Name(u"Row"); W.Integer(c.Row); },
     [](const TComponentReader& R, TGridCellIO& c) { c.Row = IntOf(R); }, nullptr},
    {u"Cell",
     [](TComponentWriter& W, const TGridCellIO& c) {
       if (!c.Cell.empty()) { W.Name(u"Cell"); W.Text(c.Cell); }
     },
     [](const TComponentReader& R, TGridCellIO& c) { c.Cell = TextOf(R); }, nullptr},
    {u"HasProp", [](TComponentWriter& W, const TGridCellIO& c) { W.Name(u"HasProp"); W.Boolean(c.HasProp); },
     [](const TComponentReader& R, TGridCellIO& c) { c.HasProp = BoolOf(R); }, nullptr},
};

// ---- cell properties, in stream order

using TProps = TCellProperties;
#define GX_PROP(Name, Kind) GX_FIELD(TProps, u"CellProperties." #Name, Kind, Name, Set##Name)

// A fresh record's values, written in place of the cell's own.
TColor FreshBrushColorTo(const TProps&) { return clNone; }
TCellGradientDirection FreshGradient(const TProps&) { return GradientVertical; }

const TFieldDef<TProps> PropFields[] = {
    GX_PROP(IsBaseCell, Bool),
    GX_PROP(CellSpanX, Int),
    GX_PROP(CellSpanY, Int),
    GX_PROP(Alignment, Enum),
    GX_PROP(BorderColor, Color),
    GX_PROP(BorderWidth, Int),
    GX_PROP(BrushColor, Color),
    {u"CellProperties.BrushColorTo",
     [](TComponentWriter& W, const TProps& p) { W.Name(u"CellProperties.BrushColorTo"); WriteColor(W, FreshBrushColorTo(p)); },
     [](const TComponentReader& R, TProps& p) { p.SetBrushColorTo(ColorOf(R)); }, nullptr},
    GX_PROP(BrushStyle, Enum),
    // An object reference means nothing outside this process: 0 out, ignored in.
    {u"CellProperties.CellObject",
     [](TComponentWriter& W, const TProps&) { W.Name(u"CellProperties.CellObject"); W.Integer(0); },
     [](const TComponentReader& R, TProps&) { IntOf(R); }, nullptr},
    GX_PROP(FontColor, Color),
    {u"CellProperties.FontName",
     [](TComponentWriter& W, const TProps& p) {
       if (!p.FontName().empty()) { W.Name(u"CellProperties.FontName"); W.Text(p.FontName()); }
     },
     [](const TComponentReader& R, TProps& p) { p.SetFontName(TextOf(R)); },
     [](const TProps& a, TProps& b) { b.SetFontName(a.FontName()); }},
    GX_PROP(FontSize, Int),
    GX_PROP(FontStyle, FontStyle),
    GX_PROP(Editor, Enum),
    {u"CellProperties.GradientDirection",
     [](TComponentWriter& W, const TProps& p) { W.Name(u"CellProperties.GradientDirection"); WriteEnum(W, FreshGradient(p)); },
     [](const TComponentReader& R, TProps& p) { p.SetGradientDirection(EnumOf<TCellGradientDirection>(R)); }, nullptr},
    GX_PROP(ReadOnly, Bool),
    GX_PROP(VAlignment, Enum),
    GX_PROP(WordWrap, Bool),
    GX_PROP(NodeLevel, Int),
    // A hosted control by its name; nothing resolves it on reading.
    {u"CellProperties.Control",
     [](TComponentWriter& W, const TProps& p) {
       if (p.Control() && !p.Control()->Name().empty()) { W.Name(u"CellProperties.Control"); W.Ident(p.Control()->Name()); }
     },
     [](const TComponentReader& R, TProps&) { if (R.Value().Type != vaIdent && R.Value().Type != vaNil) R.InvalidValue(); },
     nullptr},
};

// ---- the cell graphic

using TGraphicFields = TCellGraphic;
#define GX_GRAPHIC(Name, Kind) GX_FIELD(TGraphicFields, u"CellGraphic." #Name, Kind, Name, Set##Name)

const TFieldDef<TCellGraphic> GraphicFields[] = {
    GX_GRAPHIC(CellType, Enum),
    GX_GRAPHIC(CellVAlign, Enum),
    GX_GRAPHIC(CellHAlign, Enum),
    GX_GRAPHIC(CellIndex, Int),
    GX_GRAPHIC(CellTransparent, Bool),
    GX_GRAPHIC(CellCreated, Bool),
    GX_GRAPHIC(CellBoolean, Bool),
    {u"CellGraphic.CellCheckBoxState",
     [](TComponentWriter& W, const TCellGraphic&) { W.Name(u"CellGraphic.CellCheckBoxState"); WriteEnum(W, cbUnchecked); },
     [](const TComponentReader& R, TCellGraphic&) { EnumOf<TCheckBoxState>(R); }, nullptr},
    GX_GRAPHIC(CellAngle, Int),
    {u"CellGraphic.CellValue",
     [](TComponentWriter& W, const TCellGraphic& g) {
       if (g.CellValue() != 0) { W.Name(u"CellGraphic.CellValue"); W.Extended(g.CellValue()); }
     },
     [](const TComponentReader& R, TCellGraphic& g) { g.SetCellValue(FloatOf(R)); }, nullptr},
    GX_GRAPHIC(CellErrFrom, Int),
    GX_GRAPHIC(CellErrLen, Int),
    {u"CellGraphic.CellText",
     [](TComponentWriter& W, const TCellGraphic& g) {
       if (!g.CellText().empty()) { W.Name(u"CellGraphic.CellText"); W.Text(g.CellText()); }
     },
     [](const TComponentReader& R, TCellGraphic& g) { g.SetCellText(TextOf(R)); }, nullptr},
};

#undef GX_GRAPHIC
#undef GX_PROP
#undef GX_FIELD

// ---- payloads

// A payload record with one property at most; Read sees only that one.
template <class Fn>
void ReadSingle(TComponentReader& R, StringView Path, Fn Read) {
  R.BeginRecord();
  while (R.NextProperty()) {
    if (R.Path() != Path) R.UnknownProperty();
    Read();
  }
}

// A bitmap's own data: a 32-bit length, then a BMP file image.
std::string BitmapData(const TBitmap& Bmp) {
  const TBytes bmp = Bmp.SaveToBytes();
  std::string data(4, '\0');
  const auto n = static_cast<std::uint32_t>(bmp.size());
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>(n >> (8 * i));
  data.append(bmp.begin(), bmp.end());
  return data;
}

TBytes AsBytes(std::string_view Data) { return TBytes(Data.begin(), Data.end()); }

// Decodes into a new graphic; a damaged image is an invalid value.
template <class G>
std::unique_ptr<G> Decoded(const TComponentReader& R, std::string_view Data) {
  auto g = std::make_unique<G>();
  try {
    g->LoadFromBytes(AsBytes(Data));
  } catch (const Exception& e) {
    R.PropertyError(e.Message());
  }
  return g;
}

std::unique_ptr<TBitmap> BitmapOf(const TComponentReader& R, std::string_view Data) {
  if (Data.size() < 4) R.InvalidValue();
  std::uint32_t n = 0;
  for (int i = 0; i < 4; ++i) n |= std::uint32_t{static_cast<std::uint8_t>(Data[i])} << (8 * i);
  if (n != Data.size() - 4) R.InvalidValue();
  return Decoded<TBitmap>(R, Data.substr(4));
}

std::unique_ptr<TGraphic> GraphicOf(const TComponentReader& R, const String& Class, std::string_view Data) {
  if (Class == u"TBitmap") return BitmapOf(R, Data);
  if (Class == u"TIcon") return Decoded<TIcon>(R, Data);
  if (Class == u"TPngImage") return Decoded<TPngImage>(R, Data);
  if (Class == u"TJPEGImage") return Decoded<TJPEGImage>(R, Data);
  if (Class == u"TGIFImage") return Decoded<TGIFImage>(R, Data);
  if (Class.empty()) R.InvalidValue();
  return std::make_unique<TKeptGraphic>(Class, AsBytes(Data));
}

void WriteBitmapRecord(TComponentWriter& W, const TBitmap* Bmp) {
  W.BeginRecord(u"TGridBMPIO");
  if (Bmp && !Bmp->Empty()) {
    W.Name(u"Bitmap.Data");
    W.Binary(BitmapData(*Bmp));
  }
  W.EndRecord();
}

void WriteIconRecord(TComponentWriter& W, const TIcon* Icon) {
  W.BeginRecord(u"TGridIconIO");
  if (Icon && !Icon->Empty()) {
    const TBytes ico = Icon->SaveToBytes();
    W.Name(u"Icon.Data");
    W.Binary(std::string_view(reinterpret_cast<const char*>(ico.data()), ico.size()));
  }
  W.EndRecord();
}

void WriteStringsRecord(TComponentWriter& W, const TStrings* Items) {
  W.BeginRecord(u"TGridSLIO");
  if (Items && Items->Count() > 0) {
    W.Name(u"Strings.Strings");
    W.BeginList();
    for (int i = 0; i < Items->Count(); ++i) W.Text(Items->Strings(i));
    W.End();
  }
  W.EndRecord();
}

void WriteImagesRecord(TComponentWriter& W, const TIntList* Images) {
  TStringList items;
  if (Images) items.SetCommaText(Images->StrValue());
  WriteStringsRecord(W, &items);
}

void WritePictureRecord(TComponentWriter& W, const TPicture* Picture) {
  W.BeginRecord(u"TGridPicIO");
  const TGraphic* g = Picture ? Picture->Graphic() : nullptr;
  const bool kept = dynamic_cast<const TKeptGraphic*>(g) != nullptr;
  if (g && (kept || !g->Empty())) {
    const AnsiString cls = StringToAnsi(g->ClassName());
    std::string data(1, static_cast<char>(cls.size()));
    data += cls;
    if (const auto* b = dynamic_cast<const TBitmap*>(g)) {
      data += BitmapData(*b);
    } else {
      const TBytes bytes = g->SaveToBytes();
      data.append(bytes.begin(), bytes.end());
    }
    W.Name(u"Picture.Data");
    W.Binary(data);
  }
  W.EndRecord();
}

void WriteFilePictureRecord(TComponentWriter& W, const TFilePicture* Picture) {
  W.BeginRecord(u"TGridFilePicIO");
  if (Picture) {
    if (!Picture->Filename().empty()) {
      W.Name(u"Picture.Filename");
      W.Text(Picture->Filename());
    }
    W.Name(u"Picture.Width");
    W.Integer(Picture->Width());
    W.Name(u"Picture.Height");
    W.Integer(Picture->Height());
  }
  W.EndRecord();
}

template <class T>
const T* SlotAs(const TGraphicSlot& Slot) {
  return dynamic_cast<const T*>(Slot.Object());
}

std::unique_ptr<TStringList> ReadStrings(TComponentReader& R) {
  auto items = std::make_unique<TStringList>();
  ReadSingle(R, u"Strings.Strings", [&] {
    if (R.Value().Type != vaList) R.InvalidValue();
    for (const TStreamValue& v : R.Value().List) {
      if (!v.IsText()) R.InvalidValue();
      items->Add(v.Text);
    }
  });
  return items;
}

std::unique_ptr<TIntList> ReadImages(TComponentReader& R) {
  const std::unique_ptr<TStringList> items = ReadStrings(R);
  auto images = std::make_unique<TIntList>(-1, -1);
  try {
    images->SetStrValue(items->CommaText());
  } catch (const Exception& e) {
    R.PropertyError(e.Message());
  }
  return images;
}

std::unique_ptr<TPicture> ReadPicture(TComponentReader& R) {
  auto picture = std::make_unique<TPicture>();
  ReadSingle(R, u"Picture.Data", [&] {
    const std::string& data = BytesOf(R);
    const size_t n = data.empty() ? 0 : static_cast<std::uint8_t>(data[0]);
    if (data.empty() || n + 1 > data.size()) R.InvalidValue();
    const std::unique_ptr<TGraphic> g =
        GraphicOf(R, AnsiToString(data.substr(1, n)), std::string_view(data).substr(n + 1));
    picture->SetGraphic(g.get());
  });
  return picture;
}

std::unique_ptr<TFilePicture> ReadFilePicture(TComponentReader& R) {
  String name;
  int width = 0;
  int height = 0;
  R.BeginRecord();
  while (R.NextProperty()) {
    if (R.Path() == u"Picture.Filename") name = TextOf(R);
    else if (R.Path() == u"Picture.Width") width = IntOf(R);
    else if (R.Path() == u"Picture.Height") height = IntOf(R);
    else R.UnknownProperty();
  }
  auto picture = std::make_unique<TFilePicture>();
  picture->SetStored(name, width, height);
  return picture;
}

}  // namespace

// ---- the record classes

void TGridPropIO::Write(TComponentWriter& W) const {
  W.BeginRecord(u"TGridPropIO");
  WriteFields<TGridBinHeader>(W, HeaderFields, Header);
  W.EndRecord();
}

void TGridPropIO::Read(TComponentReader& R) {
  R.BeginRecord();
  Header = TGridBinHeader();
  ReadFields<TGridBinHeader>(R, HeaderFields, Header);
}

void TGridCellIO::Write(TComponentWriter& W) const {
  W.BeginRecord(u"TGridCellIO");
  WriteFields<TGridCellIO>(W, CellFields, *this);
  W.EndRecord();
}

void TGridCellIO::Read(TComponentReader& R) {
  R.BeginRecord();
  Col = 0;
  Row = 0;
  Cell.clear();
  HasProp = false;
  ReadFields<TGridCellIO>(R, CellFields, *this);
}

TGridCellPropIO::TGridCellPropIO(TBaseGrid& Grid)
    : CellProperties(std::make_unique<TCellProperties>(&Grid, 0, 0)) {}

void TGridCellPropIO::Write(TComponentWriter& W, const TCellProperties& Source, bool HasGraphic) {
  W.BeginRecord(u"TGridCellPropIO");
  WriteFields<TProps>(W, PropFields, Source);
  W.Name(u"HasGraphic");
  W.Boolean(HasGraphic);
  W.EndRecord();
}

void TGridCellPropIO::Read(TComponentReader& R) {
  R.BeginRecord();
  Present = 0;
  HasGraphic = false;
  // HasGraphic is no field of the properties: read beside the table.
  while (R.NextProperty()) {
    if (R.Path() == u"HasGraphic") {
      HasGraphic = BoolOf(R);
      continue;
    }
    const std::span<const TFieldDef<TProps>> defs(PropFields);
    size_t i = 0;
    while (i < defs.size() && defs[i].Name != R.Path()) ++i;
    if (i == defs.size()) R.UnknownProperty();
    defs[i].Read(R, *CellProperties);
    Present |= 1u << i;
  }
}

namespace {

// A merged area or a base cell that lies inside the grid: anything else from
// outside would send cell lookups past the grid's edge.
bool MergeFits(const TCellProperties& p, int ACol, int ARow, int Cols, int Rows) {
  const std::int64_t sx = p.CellSpanX(), sy = p.CellSpanY();
  if (p.IsBaseCell()) return sx >= -1 && sy >= -1 && ACol + std::max<std::int64_t>(sx, 0) < Cols &&
                             ARow + std::max<std::int64_t>(sy, 0) < Rows;
  if (sx == -1 || sy == -1) return true;  // no offsets: the cell is its own base
  return ACol - sx >= 0 && ARow - sy >= 0 && ACol - sx < Cols && ARow - sy < Rows;
}

}  // namespace

void TGridCellPropIO::ApplyTo(TCellProperties& Target, int ACol, int ARow, int Cols, int Rows) {
  TCellProperties& p = *CellProperties;
  for (size_t i = 0; i < std::size(PropFields); ++i) {
    if (!(Present & (1u << i)) && PropFields[i].Copy) PropFields[i].Copy(Target, p);
  }
  if (!MergeFits(p, ACol, ARow, Cols, Rows)) {
    p.SetIsBaseCell(true);
    p.SetCellSpanX(-1);
    p.SetCellSpanY(-1);
  }
  p.SetCellObject(Target.CellObject());
  p.SetControl(Target.Control());
  p.SetOwnerCol(ACol);
  p.SetOwnerRow(ARow);
  Target.Assign(p);
}

void TGridGraphicIO::Write(TComponentWriter& W, const TCellGraphic& Source) {
  W.BeginRecord(u"TGridGraphicIO");
  WriteFields<TCellGraphic>(W, GraphicFields, Source);
  W.EndRecord();
}

void TGridGraphicIO::Read(TComponentReader& R) {
  // A fresh graphic each time: nothing of the previous cell's may remain.
  CellGraphic = std::make_unique<TCellGraphic>();
  R.BeginRecord();
  ReadFields<TCellGraphic>(R, GraphicFields, *CellGraphic);
}

bool HasPayloadRecord(TCellType Type) {
  return TCellTypes{ctBitmap, ctBitButton, ctIcon, ctRadio, ctImages, ctPicture, ctFilePicture}.Contains(Type);
}

void WritePayload(TComponentWriter& W, const TCellGraphic& Source) {
  const TGraphicSlot& slot = Source.BitmapSlot();
  switch (Source.CellType()) {
    case ctBitmap: case ctBitButton: return WriteBitmapRecord(W, SlotAs<TBitmap>(slot));
    case ctIcon: return WriteIconRecord(W, SlotAs<TIcon>(Source.IconSlot()));
    case ctRadio: return WriteStringsRecord(W, SlotAs<TStrings>(slot));
    case ctImages: return WriteImagesRecord(W, SlotAs<TIntList>(slot));
    case ctPicture: return WritePictureRecord(W, SlotAs<TPicture>(slot));
    case ctFilePicture: return WriteFilePictureRecord(W, SlotAs<TFilePicture>(slot));
    default: return;
  }
}

std::unique_ptr<TPersistent> ReadPayload(TComponentReader& R, TCellType Type) {
  switch (Type) {
    case ctBitmap: case ctBitButton: {
      std::unique_ptr<TBitmap> bmp = std::make_unique<TBitmap>();
      ReadSingle(R, u"Bitmap.Data", [&] { bmp = BitmapOf(R, BytesOf(R)); });
      return bmp;
    }
    case ctIcon: {
      std::unique_ptr<TIcon> icon = std::make_unique<TIcon>();
      ReadSingle(R, u"Icon.Data", [&] { icon = Decoded<TIcon>(R, BytesOf(R)); });
      return icon;
    }
    case ctRadio: return ReadStrings(R);
    case ctImages: return ReadImages(R);
    case ctPicture: return ReadPicture(R);
    case ctFilePicture: return ReadFilePicture(R);
    default: return nullptr;
  }
}
