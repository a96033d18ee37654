#pragma once
// The printer: a document of pages drawn on its canvas. With an output file
// name set it writes a PDF file (600 dots per inch, A4 unless a paper size
// is set); otherwise it prints on the desktop's default printer. The file is
// written beside its target and moved into place by EndDoc, so an aborted or
// failed print leaves no half file. Printer() is a service tests replace.
#include <memory>

#include "platform/gui/Canvas.h"
#include "platform/gui/PrinterTypes.h"
#include "platform/sys/Exceptions.h"

class EPrinter : public Exception {
 public:
  using Exception::Exception;
};

class TPrinter {
 public:
  TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;
  ~TPrinter();

  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  TPrinterOrientation Orientation() const { return FOrientation; }
  // Refused while printing.
  void SetOrientation(TPrinterOrientation Value);
  const String& OutputFileName() const { return FOutputFileName; }
  void SetOutputFileName(const String& Value);
  // The paper in millimetres, portrait; {0, 0} is A4.
  TSize PaperSize() const { return FPaperSize; }
  void SetPaperSize(TSize Millimetres);

  // EPrinter when a document is open already, no printer is installed or the
  // file cannot be written.
  void BeginDoc();
  void NewPage();
  void EndDoc();
  // Ends the document and throws its pages away.
  void Abort();
  bool Printing() const;
  bool Aborted() const { return FAborted; }
  // 1 on the first page; 0 when not printing.
  int PageNumber() const { return FPageNumber; }

  // Draws on the current page while printing; measures for the printer
  // otherwise.
  TCanvas* Canvas();
  // The page in device pixels, and the device's resolution.
  int PageWidth() const;
  int PageHeight() const;
  int PixelsPerInchX() const;
  int PixelsPerInchY() const;
  // Landscape pages are turned by this many degrees; the toolkit turns
  // them the same way for every printer.
  int LandscapeRotation() const { return 270; }

 private:
  struct TImpl;
  void RequirePrinting() const;
  // The device, set up from the settings when no document is open.
  TImpl& Prepared() const;
  String FTitle;
  TPrinterOrientation FOrientation = poPortrait;
  String FOutputFileName;
  TSize FPaperSize;
  bool FAborted = false;
  int FPageNumber = 0;
  std::unique_ptr<TImpl> FImpl;
};

// Whether the desktop has a printer to print on.
bool PrinterInstalled();

// The printer in use; SetPrinter(nullptr) restores the platform's own.
TPrinter& Printer();
void SetPrinter(TPrinter* Value);
