#include "tests/grid/exchange/BinStreamSupport.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "grid/base/PlatformEnumNames.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/KeptGraphic.h"
#include "platform/gui/Picture.h"
#include "platform/sys/ColorNames.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"

namespace binstream {

namespace {

std::string U8(const String& s) { return StringToUtf8(s); }

TColor ColorArg(const std::string& s) {
  TColor c = 0;
  if (IdentToColor(Utf8ToString(s), c)) return c;
  return static_cast<TColor>(std::stoll(s, nullptr, 0));
}

template <class E>
E EnumArg(const std::string& s) {
  E e{};
  if (!TryEnumFromName(Utf8ToString(s), e)) throw std::runtime_error("no such name: " + s);
  return e;
}

void Fill(TBitmap& B, int W, int H, TColor Color) {
  B.SetSize(W, H);
  B.Canvas()->Brush()->SetColor(Color);
  B.Canvas()->FillRect(Rect(0, 0, W, H));
}

std::unique_ptr<TGraphic> PictureGraphic(const std::string& Kind) {
  TBitmap bmp;
  Fill(bmp, 3, 2, clTeal);
  auto encoded = [&](auto g) {
    g->Assign(bmp);
    const TBytes bytes = g->SaveToBytes();
    g->LoadFromBytes(bytes);
    return g;
  };
  auto file = [](auto g, const std::string& Name) {
    const std::string data = ReadDataFile("pictures/" + Name);
    g->LoadFromBytes(TBytes(data.begin(), data.end()));
    return g;
  };
  if (Kind == "bmp") {
    auto b = std::make_unique<TBitmap>();
    b->Assign(bmp);
    return b;
  }
  if (Kind == "png") return encoded(std::make_unique<TPngImage>());
  if (Kind == "icon") return encoded(std::make_unique<TIcon>());
  if (Kind == "jpeg") return file(std::make_unique<TJPEGImage>(), "progressive16.jpg");
  if (Kind == "gif") return file(std::make_unique<TGIFImage>(), "anim2.gif");
  if (Kind == "metafile") return std::make_unique<TKeptGraphic>(u"TMetafile", TBytes{1, 2, 3});
  throw std::runtime_error("no such picture kind: " + Kind);
}

void SetProp(TCellProperties& p, const std::string& Name, const std::string& V) {
  if (Name == "BrushColor") p.SetBrushColor(ColorArg(V));
  else if (Name == "BrushColorTo") p.SetBrushColorTo(ColorArg(V));
  else if (Name == "FontColor") p.SetFontColor(ColorArg(V));
  else if (Name == "BorderColor") p.SetBorderColor(ColorArg(V));
  else if (Name == "BorderWidth") p.SetBorderWidth(std::stoi(V));
  else if (Name == "FontSize") p.SetFontSize(std::stoi(V));
  else if (Name == "NodeLevel") p.SetNodeLevel(std::stoi(V));
  else if (Name == "FontName") p.SetFontName(Utf8ToString(V));
  else if (Name == "ReadOnly") p.SetReadOnly(V == "1");
  else if (Name == "WordWrap") p.SetWordWrap(V == "1");
  else if (Name == "Alignment") p.SetAlignment(EnumArg<TAlignment>(V));
  else if (Name == "VAlignment") p.SetVAlignment(EnumArg<TVAlignment>(V));
  else if (Name == "BrushStyle") p.SetBrushStyle(EnumArg<TBrushStyle>(V));
  else if (Name == "Editor") p.SetEditor(EnumArg<TEditorType>(V));
  else if (Name == "GradientDirection") p.SetGradientDirection(EnumArg<TCellGradientDirection>(V));
  else if (Name == "FontStyle") {
    TFontStyles s;
    std::stringstream names(V);
    for (std::string n; std::getline(names, n, ',');) s += TFontStyles{EnumArg<TFontStyle>(n)};
    p.SetFontStyle(s);
  } else {
    throw std::runtime_error("no such property: " + Name);
  }
}

void SetGraphicField(TCellGraphic& g, const std::string& Name, const std::string& V) {
  if (Name == "CellIndex") g.SetCellIndex(std::stoi(V));
  else if (Name == "CellAngle") g.SetCellAngle(std::stoi(V));
  else if (Name == "CellErrFrom") g.SetCellErrFrom(std::stoi(V));
  else if (Name == "CellErrLen") g.SetCellErrLen(std::stoi(V));
  else if (Name == "CellValue") g.SetCellValue(std::stod(V));
  else if (Name == "CellText") g.SetCellText(Utf8ToString(V));
  else if (Name == "CellBoolean") g.SetCellBoolean(V == "1");
  else if (Name == "CellTransparent") g.SetCellTransparent(V == "1");
  else if (Name == "CellHAlign") g.SetCellHAlign(EnumArg<TCellHAlign>(V));
  else if (Name == "CellVAlign") g.SetCellVAlign(EnumArg<TCellVAlign>(V));
  else if (Name == "CellCheckBoxState") g.SetCellCheckBoxState(EnumArg<TCheckBoxState>(V));
  else throw std::runtime_error("no such graphic field: " + Name);
}

// "\r", "\n", "\t" and "\\" in a script's text.
std::string Unescaped(const std::string& Text) {
  std::string r;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] != '\\' || i + 1 == Text.size()) {
      r += Text[i];
      continue;
    }
    const char e = Text[++i];
    r += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
  }
  return r;
}

void SetOption(TAdvStringGrid& G, const std::string& Name, bool On) {
  if (Name == "SaveFixedCells") G.SetSaveFixedCells(On);
  else if (Name == "SaveHiddenCells") G.SetSaveHiddenCells(On);
  else if (Name == "Multilinecells") G.SetMultilinecells(On);
  else throw std::runtime_error("no such option: " + Name);
}

std::string Rest(std::istringstream& In) {
  std::string s;
  std::getline(In, s);
  if (!s.empty() && s[0] == ' ') s.erase(0, 1);
  return s;
}

}  // namespace

std::string ReadDataFile(const std::string& RelativePath) {
  std::ifstream f(std::string(GX_TEST_DATA) + "/" + RelativePath, std::ios::binary);
  if (!f) throw std::runtime_error("missing test data: " + RelativePath);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// Lines: "grid COLS ROWS [FIXEDCOLS FIXEDROWS]", "text C R TEXT", "etext C R
// TEXT" (with \r, \n, \t), "width C PIXELS", "hide C", "option NAME 0|1",
// "repeat C R CHAR N",
// "prop C R NAME VALUE", "merge C R SPANX SPANY", "check C R 0|1",
// "graphic C R CELLTYPE [FIELD VALUE]...", "bitmap C R W H", "icon C R W H",
// "radio C R a,b,c", "images C R 1,2", "picture C R KIND",
// "filepicture C R W H NAME", "rect L T R B"; "#" starts a comment.
TRect RunScript(TAdvStringGrid& G, const std::string& Script) {
  std::istringstream lines(Script);
  TRect rect{-1, -1, -1, -1};
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string cmd;
    int c = 0, r = 0;
    in >> cmd;
    if (cmd == "grid") {
      int fc = 0, fr = 0;
      in >> c >> r;
      if (!(in >> fc >> fr)) fc = fr = 0;
      G.SetColCount(c);
      G.SetRowCount(r);
      G.SetFixedCols(fc);
      G.SetFixedRows(fr);
      continue;
    }
    if (cmd == "option") {
      std::string name;
      int on = 0;
      in >> name >> on;
      SetOption(G, name, on != 0);
      continue;
    }
    if (cmd == "hide") {
      in >> c;
      G.HideColumn(c);
      continue;
    }
    if (cmd == "rect") {
      in >> rect.Left >> rect.Top >> rect.Right >> rect.Bottom;
      continue;
    }
    in >> c >> r;
    if (cmd == "text") {
      G.SetCellEx(c, r, Utf8ToString(Rest(in)));
    } else if (cmd == "etext") {
      G.SetCellEx(c, r, Utf8ToString(Unescaped(Rest(in))));
    } else if (cmd == "width") {
      G.SetColWidths(c, r);
    } else if (cmd == "repeat") {
      std::string ch;
      int n = 0;
      in >> ch >> n;
      G.SetCellEx(c, r, String(static_cast<size_t>(n), static_cast<Char>(ch[0])));
    } else if (cmd == "prop") {
      std::string name, value;
      in >> name >> value;
      SetProp(*G.GetCellProperties(c, r), name, value);
    } else if (cmd == "merge") {
      int sx = 0, sy = 0;
      in >> sx >> sy;
      G.MergeCells(c, r, sx, sy);
    } else if (cmd == "check") {
      int state = 0;
      in >> state;
      G.AddCheckBox(c, r, state != 0, false);
    } else if (cmd == "graphic") {
      std::string type;
      in >> type;
      TCellGraphic& g = *G.CreateCellGraphic(c, r);
      g.SetCellType(EnumArg<TCellType>(type));
      for (std::string field, value; in >> field >> value;) SetGraphicField(g, field, value);
    } else if (cmd == "bitmap") {
      int w = 0, h = 0;
      in >> w >> h;
      Fill(*G.CreateBitmap(c, r, true, haCenter, vaCenter), w, h, clRed);
    } else if (cmd == "icon") {
      int w = 0, h = 0;
      in >> w >> h;
      TBitmap b;
      Fill(b, w, h, clBlue);
      G.CreateIcon(c, r, haRight, vaBottom)->Assign(b);
    } else if (cmd == "radio") {
      G.CreateRadio(c, r, 1, 2)->SetCommaText(Utf8ToString(Rest(in)));
    } else if (cmd == "images") {
      G.AddMultiImage(c, r, 0, haLeft, vaTop);
      G.CellImages(c, r)->SetStrValue(Utf8ToString(Rest(in)));
    } else if (cmd == "picture") {
      std::string kind;
      in >> kind;
      const std::unique_ptr<TGraphic> g = PictureGraphic(kind);
      G.CreatePicture(c, r, false, Stretch, 2, haLeft, vaTop)->SetGraphic(g.get());
    } else if (cmd == "filepicture") {
      int w = 0, h = 0;
      in >> w >> h;
      G.CreateFilePicture(c, r, false, noStretch, 0, haLeft, vaTop)->SetStored(Utf8ToString(Rest(in)), w, h);
    } else {
      throw std::runtime_error("no such script line: " + line);
    }
  }
  if (rect.Left < 0) rect = Rect(0, 0, G.ColCount() - 1, G.RowCount() - 1);
  return rect;
}

namespace {

std::string PayloadDump(const TCellGraphic& g) {
  std::ostringstream o;
  const TPersistent* obj = g.CellType() == ctIcon ? g.CellIcon() : g.CellBitmap();
  if (!obj) return " payload=none";
  if (const auto* b = dynamic_cast<const TBitmap*>(obj)) {
    o << " bitmap=" << b->Width() << "x" << b->Height();
    if (!b->Empty()) o << " px0=" << std::hex << const_cast<TBitmap*>(b)->Canvas()->Pixels(0, 0) << std::dec;
  } else if (const auto* i = dynamic_cast<const TIcon*>(obj)) {
    o << " icon=" << i->Width() << "x" << i->Height();
  } else if (const auto* s = dynamic_cast<const TStrings*>(obj)) {
    o << " strings=" << U8(s->CommaText());
  } else if (const auto* l = dynamic_cast<const TIntList*>(obj)) {
    o << " images=" << U8(l->StrValue());
  } else if (const auto* p = dynamic_cast<const TPicture*>(obj)) {
    o << " picture=" << (p->Graphic() ? U8(p->Graphic()->ClassName()) : "none") << " " << p->Width() << "x"
      << p->Height();
    if (const auto* k = dynamic_cast<const TKeptGraphic*>(p->Graphic())) o << " kept=" << k->Data().size();
  } else if (const auto* f = dynamic_cast<const TFilePicture*>(obj)) {
    o << " file=" << U8(f->Filename()) << " " << f->Width() << "x" << f->Height();
  }
  return o.str();
}

}  // namespace

std::string CellDump(TAdvStringGrid& G, int ACol, int ARow) {
  std::ostringstream o;
  o << "(" << ACol << "," << ARow << ") '" << U8(G.GetCellEx(ACol, ARow)) << "'";
  const TCellProperties* p = G.GridObjects(ACol, ARow);
  if (!p) return o.str();
  o << " base=" << p->IsBaseCell() << " span=" << p->CellSpanX() << "," << p->CellSpanY()
    << " align=" << p->Alignment() << " border=" << p->BorderColor() << "/" << p->BorderWidth()
    << " brush=" << p->BrushColor() << "/" << p->BrushColorTo() << "/" << p->BrushStyle()
    << " object=" << (p->CellObject() != nullptr) << " font=" << p->FontColor() << "/" << U8(p->FontName())
    << "/" << p->FontSize() << "/" << p->FontStyle().Bits() << " editor=" << p->Editor()
    << " gradient=" << p->GradientDirection() << " ro=" << p->ReadOnly() << " valign=" << p->VAlignment()
    << " wrap=" << p->WordWrap() << " level=" << p->NodeLevel();
  const auto* g = dynamic_cast<const TCellGraphic*>(p->GraphicObject());
  if (!g) return o.str();
  o << " | " << U8(EnumName(g->CellType())) << " v=" << g->CellVAlign() << " h=" << g->CellHAlign()
    << " idx=" << g->CellIndex() << " tr=" << g->CellTransparent() << " created=" << g->CellCreated()
    << " bool=" << g->CellBoolean() << " state=" << g->CellCheckBoxState() << " angle=" << g->CellAngle()
    << " value=" << g->CellValue() << " err=" << g->CellErrFrom() << "/" << g->CellErrLen() << " text='"
    << U8(g->CellText()) << "'" << PayloadDump(*g);
  return o.str();
}

std::string GridDump(TAdvStringGrid& G) {
  std::ostringstream o;
  o << G.ColCount() << "x" << G.RowCount() << " fixed " << G.FixedCols() << "," << G.FixedRows() << "\n";
  for (int c = 0; c < G.ColCount(); ++c) o << G.ColWidths(c) << " ";
  o << "\n";
  for (int r = 0; r < G.RowCount(); ++r) o << G.RowHeights(r) << " ";
  o << "\n";
  for (int r = 0; r < G.RowCount(); ++r) {
    for (int c = 0; c < G.ColCount(); ++c) o << CellDump(G, c, r) << "\n";
  }
  return o.str();
}

std::string Saved(TAdvStringGrid& G, const TRect& Rect) {
  TMemoryStream st;
  G.SaveRectToBinStream(Rect, st);
  return std::string(st.Bytes());
}

std::string Saved(TAdvStringGrid& G) {
  TMemoryStream st;
  G.SaveToBinStream(st);
  return std::string(st.Bytes());
}

}  // namespace binstream
