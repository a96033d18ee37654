#pragma once
// Reads back a PDF we wrote through poppler's tools (pdfinfo, pdftotext,
// pdftoppm), an independent reader of our output.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A page in grey levels (0 black, 255 white), rows top-down.
struct PdfRaster {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Gray;
  int At(int x, int y) const { return Gray[static_cast<size_t>(y) * Width + x]; }
  // The box [left, top, right, bottom) around the pixels darker than Level
  // inside [x0, x1) x [y0, y1); right < 0 when there are none.
  struct Box {
    int Left, Top, Right, Bottom;
  };
  Box DarkBox(int x0, int y0, int x1, int y1, int Level = 128) const;
};

// What pdfinfo prints ("Pages:", "Page size:", ...).
std::string PdfInfo(const std::filesystem::path& Pdf);
int PdfPageCount(const std::filesystem::path& Pdf);
std::string PdfPageText(const std::filesystem::path& Pdf, int Page);
PdfRaster PdfPageRaster(const std::filesystem::path& Pdf, int Page, int Dpi);
// The page as a PNG file (for a person to look at).
void PdfPagePng(const std::filesystem::path& Pdf, int Page, int Dpi, const std::filesystem::path& Png);

}  // namespace testsupport
