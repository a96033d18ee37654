// The pictures are drawn here as character maps, one character a pixel, so
// that they need no files beside the program. The disabled cell is made from
// the normal one: grey with a white edge below and to the right.
#include "controls/button/LbGlyphs.h"

#include <map>
#include <string_view>
#include <vector>

namespace {
using Art = std::vector<std::string_view>;

constexpr TColor kBackground = RGB(0, 128, 128);

TColor Ink(char ch) {
  switch (ch) {
    case 'g': return RGB(0, 168, 0);
    case 'G': return RGB(0, 96, 0);
    case 'r': return RGB(224, 0, 0);
    case 'R': return RGB(128, 0, 0);
    case 'b': return RGB(0, 0, 208);
    case 'B': return RGB(0, 0, 128);
    case 'y': return RGB(176, 120, 48);
    case 'w': return clWhite;
    case 'k': return clBlack;
    default: return kBackground;
  }
}

const Art kCheck = {
    "............gG", "...........ggG", "..........ggG.", ".........ggG..", "gG......ggG...",
    "ggG....ggG....", ".ggG..ggG.....", "..ggGggG......", "...gggG.......", "....gG........",
};
const Art kCross = {
    "rR........rR", "rrR......rrR", ".rrR....rrR.", "..rrR..rrR..", "...rrRrrR...", "....rrrR....",
    "....rrrR....", "...rrRrrR...", "..rrR..rrR..", ".rrR....rrR.", "rrR......rrR", "rR........rR",
};
const Art kQuestion = {
    "...bbbb...", "..bbbbbb..", ".bbB..bbB.", ".bB...bbB.", "......bbB.", ".....bbB..",
    "....bbB...", "....bbB...", "....bbB...", "..........", "....bbB...", "....bbB...",
};
const Art kNo = {
    "....rrrrrr....", "..rrr....rrr..", ".rr........rr.", ".r........rrr.", "rr.......rr.rr",
    "r.......rr...r", "r......rr....r", "r.....rr.....r", "r....rr......r", "rr..rr......rr",
    ".rrrr.......r.", ".rr........rr.", "..rrr....rrr..", "....rrrrrr....",
};
const Art kDoor = {
    "kkkkkkkkkk", "kyyyyyyyyk", "ky......yk", "ky......yk", "ky......yk", "ky......yk", "ky....k.yk",
    "ky....k.yk", "ky......yk", "ky......yk", "ky......yk", "ky......yk", "kyyyyyyyyk", "kkkkkkkkkk",
};
const Art kStop = {
    "...rrrrrr...", "..rrrrrrrr..", ".rrrrrrrrrr.", "rrrrrrrrrrrr", "rrrrrrrrrrrr", "rwwwwwwwwwwr",
    "rwwwwwwwwwwr", "rrrrrrrrrrrr", "rrrrrrrrrrrr", ".rrrrrrrrrr.", "..rrrrrrrr..", "...rrrrrr...",
};
const Art kRetry = {
    "....gggg.g..", "..gg....ggg.", ".g.....gggg.", ".g..........", "g...........", "g...........",
    "g..........g", "g..........g", ".g........g.", ".g........g.", "..gg....gg..", "....gggg....",
};
const Art kIgnore = {
    "......b.....", "......bb....", "bbbbbbbbb...", "bbbbbbbbbb..", "bbbbbbbbb...", "......bb....",
    "......b.....", "............", "............", "kkkkkkkkkkkk",
};
const Art kDoubleCheck = {
    "...........gG.gG", "..........ggGggG", ".........ggGggG.", "gG......ggGggG..", "ggG....ggGggG...",
    ".ggG..ggGggG....", "..ggGggGggG.....", "...gggGggG......", "....gG.gG.......",
};
const Art kArrow = {"kkkkk", ".kkk.", "..k.."};

void SetPixel(TBitmap& b, int x, int y, TColor c) {
  if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) return;
  std::uint8_t* p = b.ScanLine(y) + x * 3;
  p[0] = static_cast<std::uint8_t>(GetBValue(c));
  p[1] = static_cast<std::uint8_t>(GetGValue(c));
  p[2] = static_cast<std::uint8_t>(GetRValue(c));
}

TColor PixelAt(const TBitmap& b, int x, int y) { return b.Pixels().Pixel(x, y); }

std::unique_ptr<TBitmap> Blank(int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(*b, x, y, kBackground);
  return b;
}

void Paint(TBitmap& b, const Art& art, int left, int top) {
  for (int y = 0; y < static_cast<int>(art.size()); ++y)
    for (int x = 0; x < static_cast<int>(art[y].size()); ++x)
      if (art[y][x] != '.') SetPixel(b, left + x, top + y, Ink(art[y][x]));
}


// The second cell: the first one greyed, with a white edge.
void PaintDisabled(TBitmap& b, int cellW) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < cellW; ++x) {
      if (PixelAt(b, x, y) == kBackground) continue;
      if (x + 1 < cellW && y + 1 < b.Height() && PixelAt(b, x + 1, y + 1) == kBackground)
        SetPixel(b, cellW + x + 1, y + 1, clWhite);
      SetPixel(b, cellW + x, y, RGB(128, 128, 128));
    }
}

// Two cells: the art centred in the first, its disabled look in the second.
std::unique_ptr<TBitmap> Strip(const Art& art, int cellW, int cellH) {
  auto b = Blank(2 * cellW, cellH);
  Paint(*b, art, (cellW - static_cast<int>(art.front().size())) / 2, (cellH - static_cast<int>(art.size())) / 2);
  PaintDisabled(*b, cellW);
  return b;
}

const std::map<std::u16string_view, const Art*>& StockGlyphs() {
  static const std::map<std::u16string_view, const Art*> glyphs = {
      {u"LBOK", &kCheck},    {u"LBCANCEL", &kCross}, {u"LBHELP", &kQuestion},   {u"LBYES", &kCheck},
      {u"LBNO", &kNo},       {u"LBCLOSE", &kDoor},   {u"LBABORT", &kStop},      {u"LBRETRY", &kRetry},
      {u"LBIGNORE", &kIgnore},
  };
  return glyphs;
}
}  // namespace

std::unique_ptr<TBitmap> LoadLbBitmap(const String& Name) {
  if (Name == u"LBARROW") {
    auto b = Blank(5, 3);
    Paint(*b, kArrow, 0, 0);
    return b;
  }
  if (Name == u"LBALL") return Strip(kDoubleCheck, 18, 19);
  const auto& glyphs = StockGlyphs();
  const auto it = glyphs.find(Name);
  if (it == glyphs.end()) return nullptr;
  return Strip(*it->second, 18, 18);
}
