// The styled date/time pickers over the native one: what each look paints
// on a recording canvas, the outline's colours, the metro button under the
// pointer, and AutoTab in a time picker typed into through the toolkit.
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/AsgDateTimePicker.h"
#include "grid/base/CustomDateTimePicker.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct PickerForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  testsupport::SystemInputDriver Input;

  PickerForm() {
    Form->SetBounds(40, 40, 400, 200);
    Form->SetColor(clSilver);
  }
  template <class T>
  T* Add() {
    auto* p = new T(Form.get());
    p->SetParent(Form.get());
    p->SetBounds(20, 20, 160, 24);
    return p;
  }
  void Show() {
    Form->Show();
    Input.Pump();
  }
};

// What a paint and the non-client paint after it draw.
std::unique_ptr<TRecordingCanvas> Painted(TControl& C) {
  auto canvas = std::make_unique<TRecordingCanvas>();
  C.Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(canvas.get())));
  C.Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(canvas.get())));
  return canvas;
}

bool OnlyNativeLook(const TRecordingCanvas& Canvas) {
  for (const auto& r : Canvas.Records())
    if (r.Op != u"Draw") return false;
  return true;
}

TEST(StyledDateTimePicker, GridPickerWithoutMetroPaintsAsTheNativeOneBesideItsOutline) {
  PickerForm f;
  auto* picker = f.Add<TAsgDateTimePicker>();
  f.Show();
  EXPECT_TRUE(OnlyNativeLook(*Painted(*picker)));
  picker->SetCtl3D(false);
  EXPECT_TRUE(OnlyNativeLook(*Painted(*picker))) << "no outline without a border colour";
  picker->SetBorderColor(clRed);
  const auto canvas = Painted(*picker);
  const auto lines = canvas->RecordsOf(u"LineTo");
  ASSERT_EQ(lines.size(), 4u) << StringToUtf8(canvas->Dump());
  EXPECT_EQ(lines[0].Points[0], Point(0, 24));
  EXPECT_EQ(lines[1].Points[1], Point(159, 0));
  EXPECT_EQ(lines[3].Points[1], Point(0, 23));
  EXPECT_EQ(lines[0].PenColor, clSilver) << "no border style: the parent's colour";
  EXPECT_TRUE(canvas->RecordsOf(u"Polygon").empty());
  picker->SetBorderStyle(bsSingle);
  EXPECT_EQ(Painted(*picker)->RecordsOf(u"LineTo").front().PenColor, DisabledThemedBorder)
      << "common controls 6: the themed frame colour";
}

TEST(StyledDateTimePicker, OutlineColourByBorderStyleParentAndTheme) {
  const TColor parent = clSilver;
  const struct {
    bool NoBorderStyle;
    const TColor* Parent;
    bool Themed;
    TColor Expected;
  } cases[] = {
      {false, &parent, false, clBlack},
      {true, nullptr, false, clBlack},
      {true, &parent, false, clSilver},
      {true, &parent, true, clSilver},
      {false, &parent, true, DisabledThemedBorder},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PickerOutlineColor(c.NoBorderStyle, c.Parent, c.Themed, clBlack), c.Expected)
        << c.NoBorderStyle << c.Themed << (c.Parent != nullptr);
}

TEST(StyledDateTimePicker, CustomPickerOutlinesInTheParentsColourAndASingleBorderAddsALine) {
  PickerForm f;
  auto* picker = f.Add<TCustomDateTimePicker>();
  f.Show();
  EXPECT_EQ(picker->BorderColor(), clBlack);
  auto lines = Painted(*picker)->RecordsOf(u"LineTo");
  ASSERT_FALSE(lines.empty());
  for (const auto& l : lines) EXPECT_EQ(l.PenColor, clSilver) << "bsNone: the parent's colour";
  picker->SetBorderStyle(bsSingle);
  lines = Painted(*picker)->RecordsOf(u"LineTo");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front().PenColor, DisabledThemedBorder);
  EXPECT_EQ(lines.back().PenColor, clSilver) << "the inner line of a single border";
  EXPECT_EQ(lines.back().Points[1], Point(159, 1));
}

TEST(StyledDateTimePicker, ANativeBorderPaintsNoOwnButtonOrBorderEvenWithMetroStyle) {
  PickerForm f;
  auto* custom = f.Add<TCustomDateTimePicker>();
  auto* grid = f.Add<TAsgDateTimePicker>();
  TEditorButtonColors colours;
  colours.Color = clYellow;
  colours.TextColor = clBlack;
  for (TStyledDateTimePicker* p : {static_cast<TStyledDateTimePicker*>(custom), static_cast<TStyledDateTimePicker*>(grid)}) {
    p->SetMetroStyle(true);
    p->SetButtonColors(colours);
    p->SetBorderColor(clRed);
  }
  f.Show();
  EXPECT_FALSE(custom->MetroActive());
  const auto plainCanvas = Painted(*custom);
  const auto& plain = *plainCanvas;
  EXPECT_TRUE(plain.RecordsOf(u"Polygon").empty());
  EXPECT_TRUE(plain.RecordsOf(u"FrameRect").empty());
  EXPECT_TRUE(plain.RecordsOf(u"FillRect").empty());

  EXPECT_TRUE(grid->MetroActive());
  const auto metroCanvas = Painted(*grid);
  const auto& metro = *metroCanvas;
  ASSERT_EQ(metro.RecordsOf(u"Polygon").size(), 1u) << "the own arrow";
  const auto frames = metro.RecordsOf(u"FrameRect");
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.front().BrushColor, clRed);
  EXPECT_EQ(frames.front().Rect, Rect(0, 0, 160, 24));
}

// The face of the own button on a paint now: the fill under its arrow.
TColor ButtonFace(TControl& Picker) {
  const auto canvas = Painted(Picker);
  TColor face = clNone;
  for (const auto& r : canvas->Records()) {
    if (r.Op == u"Polygon") return face;
    if (r.Op == u"FillRect") face = r.BrushColor;
  }
  return clNone;
}

TEST(StyledDateTimePicker, MetroButtonFaceFollowsThePointer) {
  PickerForm f;
  auto* picker = f.Add<TAsgDateTimePicker>();
  TEditorButtonColors colours;
  colours.Color = clYellow;
  colours.ColorHot = clAqua;
  colours.TextColor = clBlack;
  picker->SetButtonColors(colours);
  picker->SetMetroStyle(true);
  f.Show();
  const TPoint over = Point(picker->Width() - 6, 12);
  EXPECT_EQ(ButtonFace(*picker), clYellow);
  f.Input.MouseMove(*picker, over);
  EXPECT_TRUE(picker->ButtonHover());
  EXPECT_EQ(ButtonFace(*picker), clAqua);
  f.Input.MouseMove(*picker, Point(10, 12));
  EXPECT_FALSE(picker->ButtonHover());
  EXPECT_EQ(ButtonFace(*picker), clYellow);
}

TEST(StyledDateTimePicker, FocusBorderColourWhileFocused) {
  PickerForm f;
  auto* picker = f.Add<TAsgDateTimePicker>();
  auto* other = f.Add<TAsgDateTimePicker>();
  other->SetTop(100);
  picker->SetMetroStyle(true);
  picker->SetBorderColor(clGray);
  picker->SetFocusBorderColor(clBlue);
  f.Show();
  other->SetFocus();
  f.Input.Click(*picker, Point(10, 12));
  EXPECT_TRUE(picker->HasFocus());
  EXPECT_EQ(Painted(*picker)->RecordsOf(u"FrameRect").front().BrushColor, clBlue);
  f.Input.Key(VK_TAB);
  EXPECT_FALSE(picker->HasFocus());
  EXPECT_EQ(Painted(*picker)->RecordsOf(u"FrameRect").front().BrushColor, clGray);
}

TEST(StyledDateTimePicker, TimeAutoTabMovesOnlyWhenTheDigitChangedTheField) {
  PickerForm f;
  auto* picker = f.Add<TCustomDateTimePicker>();
  picker->SetKind(dtkTime);
  picker->SetFormat(u"HH:mm:ss");
  picker->SetTime(EncodeTime(1, 34, 56, 0));
  picker->SetAutoTab(true);
  f.Show();
  picker->SetFocus();
  const auto shown = [&] { return FormatDateTime(u"hh:nn:ss", picker->Time()); };
  f.Input.Type(u"1");
  f.Input.Type(u"4");
  EXPECT_EQ(shown(), u"14:34:56") << "the hour shown was typed: the caret stayed";
  f.Input.Type(u"2");
  EXPECT_EQ(shown(), u"14:02:56") << "a changed hour moved on to the minutes";
  f.Input.Type(u"7");
  EXPECT_EQ(shown(), u"14:02:07");
  picker->SetAutoTab(false);
  f.Input.Type(u"15");
  EXPECT_EQ(shown(), u"15:02:07") << "round to the hour, where the caret stays without AutoTab";
}
}  // namespace
