// What the header and footer strips draw on the recording canvas, where
// they put their buttons, and their checked button list.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/base/DropDownColors.h"
#include "grid/dropdown/AdvButton.h"
#include "grid/dropdown/AdvHeaderFooter.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

// A drop-down with a bound header and footer strip, 200 x 22 each.
struct StripFixture {
  TAdvCustomDropDown Drop{nullptr};
  std::unique_ptr<TAdvHeader> Header = std::make_unique<TAdvHeader>(nullptr);
  std::unique_ptr<TAdvFooter> Footer = std::make_unique<TAdvFooter>(nullptr);
  TImageList Images{16, 16};

  StripFixture() {
    for (TStripAppearance* a : {static_cast<TStripAppearance*>(Drop.DropDownHeader()),
                                static_cast<TStripAppearance*>(Drop.DropDownFooter())}) {
      a->SetColor(clSilver);
      a->SetColorTo(clNone);
      a->SetBorderColor(clNone);
    }
    TBitmap b;
    b.SetSize(16, 16);
    Images.Add(b, nullptr);
  }
  // Binds again after a settings change and paints the strip.
  std::vector<TCanvasRecord> Paint(TAdvStrip& Strip, int Height = 22) {
    Strip.SetAdvDropDown(&Drop);
    Strip.SetBounds(0, 0, 200, Height);
    Strip.InitButtons();
    TRecordingCanvas c;
    Strip.Perform(WM_PAINT, reinterpret_cast<WPARAM>(&c), 0);
    return c.Records();
  }
};

std::vector<TCanvasRecord> Only(const std::vector<TCanvasRecord>& All, const String& Op) {
  std::vector<TCanvasRecord> out;
  for (const TCanvasRecord& r : All)
    if (r.Op == Op) out.push_back(r);
  return out;
}

// The line segments drawn, as (from)-(to).
std::vector<std::pair<TPoint, TPoint>> Lines(const std::vector<TCanvasRecord>& All) {
  std::vector<std::pair<TPoint, TPoint>> out;
  for (const TCanvasRecord& r : Only(All, u"LineTo")) out.emplace_back(r.Points.at(0), r.Points.at(1));
  return out;
}

TEST(AdvStripPaint, BackgroundSolidGradientOrNone) {
  const struct {
    std::string Name;
    TColor Color, ColorTo;
    TGradientDirection Direction;
    size_t Fills, Bands;
    TRect FirstBand;
  } cases[] = {
      {"solid", clSilver, clNone, gdVertical, 1, 0, {}},
      {"vertical gradient: bands down", clSilver, clWhite, gdVertical, 0, 80, Rect(0, 0, 200, 2)},
      {"horizontal gradient: bands across", clSilver, clWhite, gdHorizontal, 0, 80, Rect(0, 0, 4, 22)},
      {"neither colour: nothing", clNone, clNone, gdVertical, 0, 0, {}},
  };
  for (const auto& c : cases) {
    StripFixture f;
    THeaderAppearance& a = *f.Drop.DropDownHeader();
    a.SetColor(c.Color);
    a.SetColorTo(c.ColorTo);
    a.SetGradientDirection(c.Direction);
    const auto recs = f.Paint(*f.Header);
    const auto fills = Only(recs, u"FillRect");
    const auto bands = Only(recs, u"Rectangle");
    ASSERT_EQ(fills.size(), c.Fills) << c.Name;
    ASSERT_EQ(bands.size(), c.Bands) << c.Name;
    if (c.Fills) {
      EXPECT_EQ(fills[0].Rect, Rect(0, 0, 200, 22)) << c.Name;
      EXPECT_EQ(fills[0].BrushColor, clSilver) << c.Name;
    }
    if (c.Bands) {
      EXPECT_EQ(bands[0].Rect.Left, c.FirstBand.Left) << c.Name;
      EXPECT_EQ(bands[0].Rect.Top, c.FirstBand.Top) << c.Name;
      EXPECT_EQ(c.Direction == gdVertical ? bands[0].Rect.Right : bands[0].Rect.Bottom,
                c.Direction == gdVertical ? 200 : 22)
          << c.Name;
      EXPECT_EQ(bands[0].BrushColor, clSilver) << c.Name;
    }
  }
}

TEST(AdvStripPaint, BorderMeetsThePopupsOwnOrFramesTheStrip) {
  using Seg = std::pair<TPoint, TPoint>;
  const struct {
    std::string Name;
    bool Footer;
    int PopupBorder;
    std::vector<Seg> Lines;
    TRect Tint;
  } cases[] = {
      {"header under a pop-up border: its bottom line", false, 1, {{{0, 21}, {200, 21}}}, Rect(0, 0, 200, 20)},
      {"header without one: a frame",
       false,
       0,
       {{{0, 21}, {200, 21}}, {{0, 21}, {0, 0}}, {{0, 0}, {200, 0}}, {{200, 0}, {200, 21}}},
       Rect(0, 0, 200, 20)},
      {"footer under a pop-up border: its top line", true, 1, {{{0, 0}, {200, 0}}}, Rect(0, 2, 200, 22)},
      {"footer without one: a frame",
       true,
       0,
       {{{0, 0}, {200, 0}}, {{0, 0}, {0, 22}}, {{0, 22}, {200, 22}}, {{200, 22}, {200, 0}}},
       Rect(0, 2, 200, 22)},
  };
  for (const auto& c : cases) {
    StripFixture f;
    f.Drop.SetDropDownBorderColor(clBlack);
    f.Drop.SetDropDownBorderWidth(c.PopupBorder);
    TStripAppearance& a = c.Footer ? static_cast<TStripAppearance&>(*f.Drop.DropDownFooter())
                                   : static_cast<TStripAppearance&>(*f.Drop.DropDownHeader());
    a.SetBorderColor(clNavy);
    a.SetBorderWidth(2);
    const auto recs = f.Paint(c.Footer ? static_cast<TAdvStrip&>(*f.Footer) : *f.Header);
    EXPECT_EQ(Lines(recs), c.Lines) << c.Name;
    for (const TCanvasRecord& r : Only(recs, u"LineTo")) {
      EXPECT_EQ(r.PenColor, clNavy) << c.Name;
      EXPECT_EQ(r.PenWidth, 2) << c.Name;
    }
    const auto tint = Only(recs, u"Rectangle");
    ASSERT_FALSE(tint.empty()) << c.Name;
    EXPECT_EQ(tint[0].Rect, c.Tint) << c.Name;
    EXPECT_EQ(tint[0].PenColor, BlendColorPercent(clNavy, clWhite, 20)) << c.Name;
    EXPECT_EQ(tint[0].PenWidth, 1) << c.Name;
    EXPECT_EQ(tint[0].BrushStyle, bsClear) << c.Name;
  }
  // A pop-up border colour of clNone draws no border: the strip frames itself.
  StripFixture f;
  f.Drop.SetDropDownBorderColor(clNone);
  f.Drop.DropDownHeader()->SetBorderColor(clNavy);
  EXPECT_EQ(Lines(f.Paint(*f.Header)).size(), 4u);
  // No border colour or width: no border at all.
  f.Drop.DropDownHeader()->SetBorderWidth(0);
  EXPECT_TRUE(Lines(f.Paint(*f.Header)).empty());
}

// The caption as DrawHTMLText lays it out in R, centred vertically.
std::vector<TCanvasRecord> CaptionAsExpected(const String& Text, TRect R, const TFont& Font) {
  TRecordingCanvas c;
  c.SetFont(Font);
  TPoint size;
  DrawHTMLText(c, Text, R, size, 0, false, nullptr);
  if (size.Y < R.Height()) R.Top += (R.Height() - size.Y) / 2;
  c.Clear();
  DrawHTMLText(c, Text, R, size, 0, true, nullptr);
  return Only(c.Records(), u"TextOut");
}

std::vector<String> Texts(const std::vector<TCanvasRecord>& Recs) {
  std::vector<String> out;
  for (const TCanvasRecord& r : Only(Recs, u"TextOut")) out.push_back(r.Text);
  return out;
}

std::vector<TPoint> Origins(const std::vector<TCanvasRecord>& Recs) {
  std::vector<TPoint> out;
  for (const TCanvasRecord& r : Only(Recs, u"TextOut")) out.push_back(r.Points.at(0));
  return out;
}

TEST(AdvStripPaint, ImageThenCaptionCentredAndCutBeforeTheLastButton) {
  StripFixture f;
  f.Drop.SetImages(&f.Images);
  THeaderAppearance& a = *f.Drop.DropDownHeader();
  a.SetBorderColor(clBlack);
  a.SetImageIndex(0);
  a.SetCaption(u"<b>Pick</b> one");
  const auto recs = f.Paint(*f.Header, 30);
  const auto images = Only(recs, u"Draw");
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].Rect, Rect(1 + 4, 1 + (28 - 16) / 2, 1 + 4 + 16, 1 + (28 - 16) / 2 + 16));
  const auto expected = CaptionAsExpected(a.Caption(), Rect(1 + 16 + 8, 1, 199, 29), *a.Font());
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Origins(recs), Origins(expected));
  EXPECT_EQ(Texts(recs), Texts(expected));

  // With buttons the caption ends 2 pixels before the last one (baRight: the leftmost).
  a.SetImageIndex(-1);
  a.SetCaption(u"A caption long enough to run under the buttons of the strip");
  a.Buttons()->Add()->SetCaption(u"One");
  a.Buttons()->Add()->SetCaption(u"Two");
  const auto cut = f.Paint(*f.Header, 30);
  const int right = f.Header->ButtonAt(1)->Left() - 2;
  const auto short_ = CaptionAsExpected(a.Caption(), Rect(1, 1, right, 29), *a.Font());
  EXPECT_EQ(Texts(cut), Texts(short_));
  EXPECT_NE(Texts(cut), Texts(CaptionAsExpected(a.Caption(), Rect(1, 1, 199, 29), *a.Font())));
}

TEST(AdvStripPaint, EventsReplaceThePaintingOrTheText) {
  StripFixture f;
  f.Drop.DropDownHeader()->SetCaption(u"Plain");
  TRect given;
  f.Header->OnDrawBackGround = [&](TObject*, TCanvas* C, TRect R) {
    given = R;
    C->TextOut(0, 0, u"own");
  };
  auto recs = f.Paint(*f.Header);
  EXPECT_EQ(given, Rect(0, 0, 200, 22));
  EXPECT_EQ(Texts(recs), std::vector<String>{u"own"}) << "nothing else is drawn";
  f.Header->OnDrawBackGround = nullptr;

  f.Header->OnGetText = [](TObject*, String& Text) { Text += u" changed"; };
  EXPECT_EQ(Texts(f.Paint(*f.Header)), Texts(CaptionAsExpected(u"Plain changed", Rect(1, 1, 199, 21),
                                                                *f.Drop.DropDownHeader()->Font())));
  f.Drop.DropDownHeader()->SetCaption(u"");
  f.Header->OnGetText = [](TObject*, String& Text) { Text = u"Supplied"; };
  EXPECT_FALSE(Texts(f.Paint(*f.Header)).empty()) << "a caption for an empty one";
  f.Header->OnGetText = nullptr;
  EXPECT_TRUE(Texts(f.Paint(*f.Header)).empty());
}

TEST(AdvStripPaint, TheSizeGripsTwelveSquares) {
  TRecordingCanvas c;
  DrawSizeGrip(c, 100, 40, clNavy);
  const auto squares = Only(c.Records(), u"Rectangle");
  ASSERT_EQ(squares.size(), 12u);
  const TPoint white[] = {{105, 36}, {109, 36}, {113, 36}, {113, 32}, {113, 28}, {109, 32}};
  for (size_t i = 0; i < 12; ++i) {
    const TPoint p = i < 6 ? white[i] : Point(white[i - 6].X - 1, white[i - 6].Y - 1);
    EXPECT_EQ(squares[i].Rect, Rect(p.X, p.Y, p.X + 2, p.Y + 2)) << i;
    const TColor colour = i < 6 ? clWhite : clNavy;
    EXPECT_EQ(squares[i].PenColor, colour) << i;
    EXPECT_EQ(squares[i].BrushColor, colour) << i;
  }
  // The footer draws it at its right edge, left of its border, when the drop-down sizes.
  StripFixture f;
  f.Drop.DropDownFooter()->SetBorderWidth(3);
  auto recs = f.Paint(*f.Footer);
  ASSERT_EQ(Only(recs, u"Rectangle").size(), 12u);
  EXPECT_EQ(Only(recs, u"Rectangle")[0].Rect.Left, 200 - 3 - 16 + 5);
  f.Drop.SetDropDownSizeable(false);
  EXPECT_TRUE(Only(f.Paint(*f.Footer), u"Rectangle").empty());
  f.Drop.SetDropDownSizeable(true);
  f.Drop.DropDownFooter()->SetSizeGrip(false);
  EXPECT_TRUE(Only(f.Paint(*f.Footer), u"Rectangle").empty());
}

TEST(AdvStripButtons, ArrangedFromOneSideTouchingAndCentred) {
  const struct {
    std::string Name;
    bool Footer;
    TButtonAlignment Alignment;
    std::vector<TSize> Sizes;  // of the definitions
    std::vector<TRect> Bounds;
  } cases[] = {
      {"baRight: the first is rightmost", false, baRight, {{30, 12}, {40, 12}, {50, 12}},
       {Rect(168, 8, 198, 20), Rect(128, 8, 168, 20), Rect(78, 8, 128, 20)}},
      {"baLeft", false, baLeft, {{30, 12}, {40, 12}}, {Rect(2, 8, 32, 20), Rect(32, 8, 72, 20)}},
      {"a height above the area is cut to it", false, baLeft, {{30, 60}}, {Rect(2, 2, 32, 29)}},
      {"footer: the grip keeps 12 more pixels", true, baRight, {{30, 12}}, {Rect(156, 9, 186, 21)}},
  };
  for (const auto& c : cases) {
    StripFixture f;
    TStripAppearance& a = c.Footer ? static_cast<TStripAppearance&>(*f.Drop.DropDownFooter())
                                   : static_cast<TStripAppearance&>(*f.Drop.DropDownHeader());
    a.SetButtonAlignment(c.Alignment);
    for (const TSize s : c.Sizes) {
      THeaderButton* b = a.Buttons()->Add();
      b->SetCaption(u"B");
      b->SetWidth(s.cx);
      b->SetHeight(s.cy);
    }
    TAdvStrip& strip = c.Footer ? static_cast<TAdvStrip&>(*f.Footer) : *f.Header;
    f.Paint(strip, 32);
    std::vector<TRect> got;
    for (int i = 0; i < strip.ButtonCount(); ++i) got.push_back(strip.ButtonAt(i)->BoundsRect());
    EXPECT_EQ(got, c.Bounds) << c.Name;
  }
}

TEST(AdvStripButtons, AutomaticSizeIsTheCaptionOrImagePlus8By4) {
  StripFixture f;
  f.Drop.SetImages(&f.Images);
  THeaderButtons& defs = *f.Drop.DropDownHeader()->Buttons();
  defs.Add()->SetCaption(u"Caption");
  defs.Add()->SetImageIndex(0);
  f.Paint(*f.Header, 40);
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->SetFont(*f.Drop.ButtonAppearance()->Font());
  const TSize text = GetTextSize(*measure.Canvas(), u"Caption");
  ASSERT_GT(text.cx, 0);
  EXPECT_EQ(f.Header->ButtonAt(0)->Width(), text.cx + 8);
  EXPECT_EQ(f.Header->ButtonAt(0)->Height(), text.cy + 4);
  EXPECT_EQ(f.Header->ButtonAt(1)->Width(), 16 + 8);
  EXPECT_EQ(f.Header->ButtonAt(1)->Height(), 16 + 4);
}

TEST(AdvStripButtons, MadeAgainFromTheDefinitionsAndUpdatedInPlace) {
  StripFixture f;
  TFooterButtons& defs = *f.Drop.DropDownFooter()->Buttons();
  defs.Add()->SetCaption(u"OK");
  defs.Items(0)->SetModalResult(mrOk);
  f.Paint(*f.Footer);
  ASSERT_EQ(f.Footer->ButtonCount(), 1);
  EXPECT_EQ(f.Footer->ButtonAt(0)->ModalResult(), mrOk);
  EXPECT_EQ(f.Footer->ButtonAt(0)->AdvDropDown(), &f.Drop);
  EXPECT_EQ(f.Footer->ButtonAt(0)->Tag(), 0);
  EXPECT_EQ(f.Footer->Buttons(), &defs);

  defs.Items(0)->SetCaption(u"Done");
  defs.Items(0)->SetModalResult(mrCancel);
  f.Footer->UpdateButtons();
  EXPECT_EQ(f.Footer->ButtonAt(0)->Caption(), u"Done");
  EXPECT_EQ(f.Footer->ButtonAt(0)->ModalResult(), mrOk) << "not re-applied by an update";
  EXPECT_TRUE(f.Footer->ButtonAt(0)->AutoSize());

  // A header's buttons close nothing.
  f.Drop.DropDownHeader()->Buttons()->Add();
  f.Paint(*f.Header);
  EXPECT_EQ(f.Header->ButtonAt(0)->AdvDropDown(), nullptr);
  EXPECT_EQ(f.Header->ButtonAt(0)->ModalResult(), mrNone);

  f.Footer->SetAdvDropDown(nullptr);
  EXPECT_EQ(f.Footer->Buttons(), nullptr);
  EXPECT_EQ(f.Footer->Images(), nullptr);
}

TEST(DbgList, ReadsAndWritesPastTheEndRaise) {
  TDbgList list;
  int a = 1, b = 2;
  list.Add(&a);
  EXPECT_EQ(list.ItemsEx(0), &a);
  list.SetItemsEx(0, &b);
  EXPECT_EQ(list.ItemsEx(0), &b);
  try {
    list.ItemsEx(1);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"Index out of bounds in list read access");
  }
  try {
    list.SetItemsEx(1, &a);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"Index out of bounds in list write access");
  }
  EXPECT_ANY_THROW(list.ItemsEx(-1)) << "the base list's own check";
  TList other;
  other.Add(&b);
  other.Add(&a);
  list.AssignList(other);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ItemsEx(1), &a);
}

}  // namespace
