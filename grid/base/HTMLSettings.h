#pragma once
// How the grid is written as an HTML table.
#include "grid/base/IntList.h"
#include "grid/base/OptionProperty.h"

class THTMLSettings : public TPersistent {
 public:
  String ClassName() const override { return u"THTMLSettings"; }
  // Copies from another THTMLSettings all but ExportImages and ColWidths;
  // other sources are ignored.
  void Assign(const TPersistent& Source) override;

  GX_OPTION(bool, AutoPreview)
  GX_OPTION(bool, ConvertSpecialChars)
  GX_OPTION(bool, NonBreakingText)
  GX_OPTION(bool, SaveColor)
  GX_OPTION(bool, SaveFonts)
  GX_OPTION(const String&, FooterFile)
  GX_OPTION(const String&, HeaderFile)
  GX_OPTION(int, BorderSize)
  GX_OPTION(int, CellSpacing)
  GX_OPTION(int, CellPadding)
  GX_OPTION(const String&, TableStyle)
  GX_OPTION(const String&, PrefixTag)
  GX_OPTION(const String&, SuffixTag)
  GX_OPTION(const String&, Summary)
  GX_OPTION(int, Width)  // percent
  GX_OPTION(bool, XHTML)
  GX_OPTION(bool, ExportImages)
  // Run-time column widths of the export.
  TIntList* ColWidths() { return &FColWidths; }

 private:
  struct TValues {
    bool AutoPreview = false, ConvertSpecialChars = false, NonBreakingText = false;
    bool SaveColor = true, SaveFonts = true;
    String FooterFile, HeaderFile;
    int BorderSize = 1, CellSpacing = 0, CellPadding = 0;
    String TableStyle, PrefixTag, SuffixTag, Summary;
    int Width = 100;
    bool XHTML = false;
    bool ExportImages = true;
  };
  TValues FValues;
  TIntList FColWidths{0, 0};
};
