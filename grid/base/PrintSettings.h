#pragma once
// What a printout of the grid carries: headers and footers, title, borders,
// margins, fonts, scaling and orientation.
#include "grid/base/EnumNames.h"
#include "grid/base/OptionProperty.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/PrinterTypes.h"
#include "platform/sys/Strings.h"

GX_ENUM(TPrintPosition,
        ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight,
        ppBottomCenter);

GX_ENUM(TPrintBorders,
        pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround,
        pbAroundVertical, pbAroundHorizontal, pbCustom);

GX_ENUM(TFitToPage, fpNever, fpGrow, fpShrink, fpAlways, fpCustom);

class TPrintSettings : public TPersistent {
 public:
  explicit TPrintSettings(TComponent* AOwner) : FOwner(AOwner) {}
  String ClassName() const override { return u"TPrintSettings"; }
  // Copies every setting but FixedCellsAlways from another TPrintSettings
  // (fonts and title lines copied); any other source raises EConvertError.
  void Assign(const TPersistent& Source) override;
  TComponent* Owner() const { return FOwner; }

  GX_OPTION(TPrintPosition, Time)
  GX_OPTION(TPrintPosition, Date)
  GX_OPTION(TPrintPosition, PageNr)
  GX_OPTION(const String&, PageNumSep)
  GX_OPTION(const String&, DateFormat)
  GX_OPTION(TPrintPosition, Title)
  GX_OPTION(TPrintBorders, Borders)
  GX_OPTION(TPenStyle, BorderStyle)
  GX_OPTION(const String&, TitleText)
  GX_OPTION(bool, Centered)
  GX_OPTION(bool, RepeatFixedRows)
  GX_OPTION(bool, RepeatFixedCols)
  GX_OPTION(int, FooterSize)
  GX_OPTION(int, HeaderSize)
  GX_OPTION(int, LeftSize)
  GX_OPTION(int, RightSize)
  GX_OPTION(int, ColumnSpacing)
  GX_OPTION(int, RowSpacing)
  GX_OPTION(int, TitleSpacing)
  GX_OPTION(TPrinterOrientation, Orientation)
  GX_OPTION(const String&, PagePrefix)
  GX_OPTION(const String&, PageSuffix)
  GX_OPTION(int, FixedHeight)
  GX_OPTION(bool, UseFixedHeight)
  GX_OPTION(int, FixedWidth)
  GX_OPTION(bool, UseFixedWidth)
  GX_OPTION(TFitToPage, FitToPage)
  GX_OPTION(bool, NoAutoSize)
  GX_OPTION(bool, PrintGraphics)
  GX_OPTION(const String&, JobName)
  GX_OPTION(bool, NoAutoSizeRow)
  GX_OPTION(int, PageNumberOffset)
  GX_OPTION(int, MaxPagesOffset)
  GX_OPTION(bool, UseDisplayFont)
  GX_OPTION(bool, UseDefaultOrientation)
  GX_OPTION(bool, FixedCellsAlways)  // run-time only
  GX_OPTION(TColor, BorderColor)

  // Fonts and title lines are owned; the setters copy the given object.
  TFont* Font() { return &FFont; }
  void SetFont(const TFont& Value) { FFont.Assign(Value); }
  TFont* HeaderFont() { return &FHeaderFont; }
  void SetHeaderFont(const TFont& Value) { FHeaderFont.Assign(Value); }
  TFont* FooterFont() { return &FFooterFont; }
  void SetFooterFont(const TFont& Value) { FFooterFont.Assign(Value); }
  TFont* FixedFont() { return &FFixedFont; }
  void SetFixedFont(const TFont& Value) { FFixedFont.Assign(Value); }
  TStringList* TitleLines() { return &FTitleLines; }
  void SetTitleLines(const TStrings& Value) { FTitleLines.Assign(Value); }

 private:
  struct TValues {
    TPrintPosition Time = ppNone, Date = ppNone, PageNr = ppNone;
    String PageNumSep = u"/";
    String DateFormat = u"dd/mm/yyyy";
    TPrintPosition Title = ppNone;
    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    String TitleText;
    bool Centered = true;
    bool RepeatFixedRows = false, RepeatFixedCols = false;
    int FooterSize = 0, HeaderSize = 0, LeftSize = 0, RightSize = 0, ColumnSpacing = 0,
        RowSpacing = 0, TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    String PagePrefix, PageSuffix;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    int FixedWidth = 0;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    bool NoAutoSize = false, PrintGraphics = false;
    String JobName;
    bool NoAutoSizeRow = false;
    int PageNumberOffset = 0, MaxPagesOffset = 0;
    bool UseDisplayFont = true;
    bool UseDefaultOrientation = false;
    bool FixedCellsAlways = false;
    TColor BorderColor = clBlack;
  };
  TComponent* FOwner;
  TValues FValues;
  TFont FFont, FHeaderFont, FFooterFont, FFixedFont;
  TStringList FTitleLines;
};
