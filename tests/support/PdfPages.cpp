#include "tests/support/PdfPages.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace testsupport {
namespace {

std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

std::string Run(const std::string& Command) {
  FILE* pipe = popen((Command + " 2>/dev/null").c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + Command);
  std::string out;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  pclose(pipe);
  return out;
}

std::string PageRange(int Page) { return " -f " + std::to_string(Page) + " -l " + std::to_string(Page) + " "; }

}  // namespace

PdfRaster::Box PdfRaster::DarkBox(int x0, int y0, int x1, int y1, int Level) const {
  Box box{x1, y1, -1, -1};
  for (int y = std::max(0, y0); y < std::min(y1, Height); ++y)
    for (int x = std::max(0, x0); x < std::min(x1, Width); ++x)
      if (At(x, y) < Level) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

std::string PdfInfo(const std::filesystem::path& Pdf) { return Run("pdfinfo " + Quoted(Pdf)); }

int PdfPageCount(const std::filesystem::path& Pdf) {
  std::istringstream in(PdfInfo(Pdf));
  for (std::string line; std::getline(in, line);)
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  return -1;
}

std::string PdfPageText(const std::filesystem::path& Pdf, int Page) {
  return Run("pdftotext -layout" + PageRange(Page) + Quoted(Pdf) + " -");
}

PdfRaster PdfPageRaster(const std::filesystem::path& Pdf, int Page, int Dpi) {
  const std::string pgm = Run("pdftoppm -gray -r " + std::to_string(Dpi) + PageRange(Page) + Quoted(Pdf));
  std::istringstream in(pgm);
  std::string magic;
  int maxval = 0;
  PdfRaster r;
  in >> magic >> r.Width >> r.Height >> maxval;
  if (magic != "P5" || r.Width <= 0 || r.Height <= 0 || maxval != 255)
    throw std::runtime_error("pdftoppm gave no page");
  in.get();
  r.Gray.resize(static_cast<size_t>(r.Width) * r.Height);
  in.read(reinterpret_cast<char*>(r.Gray.data()), static_cast<std::streamsize>(r.Gray.size()));
  return r;
}

void PdfPagePng(const std::filesystem::path& Pdf, int Page, int Dpi, const std::filesystem::path& Png) {
  std::filesystem::path stem = Png;
  stem.replace_extension();
  Run("pdftoppm -png -singlefile -r " + std::to_string(Dpi) + PageRange(Page) + Quoted(Pdf) + " " + Quoted(stem));
}

}  // namespace testsupport
