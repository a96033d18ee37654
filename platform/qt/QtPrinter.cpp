#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <system_error>

#include "platform/gui/Printers.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtView.h"

namespace {
constexpr int PdfResolution = 600;

std::filesystem::path FsPath(const String& Name) { return std::filesystem::path(StringToUtf8(Name)); }

void RemoveQuietly(const String& Name) {
  std::error_code ec;
  std::filesystem::remove(FsPath(Name), ec);
}
}  // namespace

struct TPrinter::TImpl {
  QPrinter Device{QPrinter::HighResolution};
  QPainter Painter;
  std::unique_ptr<TQtCanvas> Canvas = std::make_unique<TQtCanvas>();
  String PartFile;  // the PDF being written, moved into place by EndDoc

  QRect FullPage() { return Device.pageLayout().fullRectPixels(Device.resolution()); }
};

TPrinter::TPrinter() : FImpl(std::make_unique<TImpl>()) {}

TPrinter::~TPrinter() {
  if (Printing()) Abort();
}

bool TPrinter::Printing() const { return FImpl->Painter.isActive(); }

void TPrinter::RequirePrinting() const {
  if (!Printing()) throw EPrinter(u"Printer is not currently printing");
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  if (Printing()) throw EPrinter(u"Cannot change orientation while printing");
  FOrientation = Value;
}

void TPrinter::SetOutputFileName(const String& Value) {
  if (Printing()) throw EPrinter(u"Printing in progress");
  FOutputFileName = Value;
}

void TPrinter::SetPaperSize(TSize Millimetres) {
  if (Printing()) throw EPrinter(u"Printing in progress");
  FPaperSize = Millimetres;
}

namespace {
void SetUp(QPrinter& Device, const String& FileName, TPrinterOrientation Orientation, TSize Paper) {
  if (!FileName.empty()) {
    Device.setOutputFormat(QPrinter::PdfFormat);
    Device.setResolution(PdfResolution);
  } else {
    Device.setOutputFormat(QPrinter::NativeFormat);
    Device.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
  }
  const QPageSize size = Paper.cx > 0 && Paper.cy > 0
                             ? QPageSize(QSizeF(Paper.cx, Paper.cy), QPageSize::Millimeter)
                             : QPageSize(QPageSize::A4);
  Device.setPageLayout(QPageLayout(size, Orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
  Device.setFullPage(true);
}
}  // namespace

void TPrinter::BeginDoc() {
  if (Printing()) throw EPrinter(u"Printing in progress");
  if (FOutputFileName.empty() && !PrinterInstalled())
    throw EPrinter(u"No printer is installed");
  TImpl& p = *FImpl;
  SetUp(p.Device, FOutputFileName, FOrientation, FPaperSize);
  p.Device.setDocName(platform::qt::ToQString(FTitle));
  p.PartFile.clear();
  if (!FOutputFileName.empty()) {
    p.PartFile = FOutputFileName + u".part";
    p.Device.setOutputFileName(platform::qt::ToQString(p.PartFile));
  }
  if (!p.Painter.begin(&p.Device)) {
    RemoveQuietly(p.PartFile);
    throw EPrinter(FOutputFileName.empty() ? u"The printer cannot be opened"
                                           : u"Cannot create file \"" + FOutputFileName + u"\"");
  }
  p.Canvas = MakeQtCanvas(p.Painter);
  FAborted = false;
  FPageNumber = 1;
}

void TPrinter::NewPage() {
  RequirePrinting();
  FImpl->Device.newPage();
  ++FPageNumber;
}

void TPrinter::EndDoc() {
  RequirePrinting();
  TImpl& p = *FImpl;
  p.Canvas = std::make_unique<TQtCanvas>();
  p.Painter.end();
  FPageNumber = 0;
  if (p.PartFile.empty()) return;
  std::error_code ec;
  std::filesystem::rename(FsPath(p.PartFile), FsPath(FOutputFileName), ec);
  if (ec) {
    RemoveQuietly(p.PartFile);
    throw EPrinter(u"Cannot create file \"" + FOutputFileName + u"\"");
  }
}

void TPrinter::Abort() {
  RequirePrinting();
  TImpl& p = *FImpl;
  p.Canvas = std::make_unique<TQtCanvas>();
  if (p.PartFile.empty()) p.Device.abort();
  p.Painter.end();
  RemoveQuietly(p.PartFile);
  FPageNumber = 0;
  FAborted = true;
}

TCanvas* TPrinter::Canvas() { return FImpl->Canvas.get(); }

TPrinter::TImpl& TPrinter::Prepared() const {
  if (!Printing()) SetUp(FImpl->Device, FOutputFileName, FOrientation, FPaperSize);
  return *FImpl;
}

int TPrinter::PageWidth() const { return Prepared().FullPage().width(); }

int TPrinter::PageHeight() const { return Prepared().FullPage().height(); }

int TPrinter::PixelsPerInchX() const { return Prepared().Device.resolution(); }

int TPrinter::PixelsPerInchY() const { return PixelsPerInchX(); }

namespace {
TPrinter*& Installed() {
  static TPrinter* printer = nullptr;
  return printer;
}
}  // namespace

bool PrinterInstalled() { return !QPrinterInfo::defaultPrinter().isNull(); }

void SetPrinter(TPrinter* Value) { Installed() = Value; }

TPrinter& Printer() {
  if (Installed()) return *Installed();
  static TPrinter platform;
  return platform;
}
