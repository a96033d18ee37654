// The printer writing PDF files, read back with poppler's tools.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/gui/Printers.h"
#include "tests/support/PdfPages.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::PdfPageCount;
using testsupport::PdfPageRaster;
using testsupport::PdfPageText;

String Str(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

class PdfPrinter : public testing::Test {
 protected:
  PdfPrinter() {
    printer.SetOutputFileName(Str(pdf));
    SetPrinter(&printer);
  }
  ~PdfPrinter() override { SetPrinter(nullptr); }

  // A filled rectangle, a line and a text, in 0.1 mm.
  static void DrawPage(TCanvas& c, const String& Text, int Shift) {
    c.SetMapMode(mmLoMetric);
    c.Brush()->SetColor(clBlack);
    c.Pen()->SetColor(clBlack);
    c.Rectangle(200 + Shift, -300, 1200 + Shift, -1300);
    c.Pen()->SetWidth(5);
    c.MoveTo(200, -1500);
    c.LineTo(1800, -1500);
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetHeight(-42);
    c.TextOut(200, -1700, Text);
  }

  testsupport::TempDir dir;
  std::filesystem::path pdf = dir / "pages.pdf";
  TPrinter printer;
};

TEST_F(PdfPrinter, TwoPagesLandWhereTheMappingSays) {
  Printer().SetTitle(u"Two pages");
  Printer().BeginDoc();
  EXPECT_TRUE(Printer().Printing());
  EXPECT_EQ(Printer().PixelsPerInchX(), 600);
  EXPECT_NEAR(Printer().PageWidth(), 210 * 600 / 25.4, 4);
  DrawPage(*Printer().Canvas(), u"First page text", 0);
  Printer().NewPage();
  EXPECT_EQ(Printer().PageNumber(), 2);
  DrawPage(*Printer().Canvas(), u"Second page text", 300);
  Printer().EndDoc();
  EXPECT_FALSE(Printer().Printing());

  EXPECT_EQ(PdfPageCount(pdf), 2);
  EXPECT_NE(testsupport::PdfInfo(pdf).find("595 x 842 pts (A4)"), std::string::npos);
  EXPECT_NE(testsupport::PdfInfo(pdf).find("Two pages"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Str(pdf) + u".part"));
  for (int page : {1, 2}) {
    const int shift = page == 1 ? 0 : 300;
    const auto raster = PdfPageRaster(pdf, page, 150);
    const auto box = raster.DarkBox(0, 0, raster.Width, 800);
    // 0.1 mm at 150 dots per inch.
    auto px = [](int units) { return units * 150 / 254.0; };
    EXPECT_NEAR(box.Left, px(200 + shift), 2) << page;
    EXPECT_NEAR(box.Top, px(300), 2) << page;
    EXPECT_NEAR(box.Right, px(1200 + shift), 2) << page;
    EXPECT_NEAR(box.Bottom, px(1300), 2) << page;
    const auto line = raster.DarkBox(0, static_cast<int>(px(1450)), raster.Width, static_cast<int>(px(1550)));
    EXPECT_NEAR(line.Left, px(200), 2);
    EXPECT_NEAR(line.Right, px(1800), 2);
  }
  EXPECT_NE(PdfPageText(pdf, 1).find("First page text"), std::string::npos);
  EXPECT_EQ(PdfPageText(pdf, 1).find("Second"), std::string::npos);
  EXPECT_NE(PdfPageText(pdf, 2).find("Second page text"), std::string::npos);
}

TEST_F(PdfPrinter, LandscapeTurnsThePage) {
  printer.SetOrientation(poLandscape);
  EXPECT_GT(printer.PageWidth(), printer.PageHeight());
  printer.BeginDoc();
  DrawPage(*printer.Canvas(), u"Wide", 0);
  EXPECT_THROW(printer.SetOrientation(poPortrait), EPrinter);
  printer.EndDoc();
  EXPECT_NE(testsupport::PdfInfo(pdf).find("842 x 595 pts (A4)"), std::string::npos) << testsupport::PdfInfo(pdf);
  EXPECT_EQ(printer.LandscapeRotation(), 270);
}

TEST_F(PdfPrinter, AbortLeavesNoFileAndKeepsAnOldOne) {
  printer.BeginDoc();
  DrawPage(*printer.Canvas(), u"Lost", 0);
  printer.Abort();
  EXPECT_TRUE(printer.Aborted());
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

  std::ofstream(pdf) << "older file";
  printer.BeginDoc();
  DrawPage(*printer.Canvas(), u"Lost again", 0);
  std::ifstream during(pdf);
  std::string kept;
  std::getline(during, kept);
  EXPECT_EQ(kept, "older file");  // untouched until the document ends
  printer.Abort();
  std::ifstream after(pdf);
  std::getline(after, kept);
  EXPECT_EQ(kept, "older file");
}

TEST_F(PdfPrinter, MisuseRaisesPrinterErrors) {
  EXPECT_THROW(printer.NewPage(), EPrinter);
  EXPECT_THROW(printer.EndDoc(), EPrinter);
  printer.BeginDoc();
  EXPECT_THROW(printer.BeginDoc(), EPrinter);
  printer.EndDoc();

  printer.SetOutputFileName(Str(dir / "missing" / "x.pdf"));
  EXPECT_THROW(printer.BeginDoc(), EPrinter);
  EXPECT_FALSE(printer.Printing());
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(DesktopPrinter, NoPrinterInstalledIsAnError) {
  if (PrinterInstalled()) GTEST_SKIP() << "this machine has a printer";
  TPrinter printer;
  try {
    printer.BeginDoc();
    FAIL() << "printed without a printer";
  } catch (const EPrinter& e) {
    EXPECT_EQ(e.Message(), u"No printer is installed");
  }
}

}  // namespace
