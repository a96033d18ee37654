#pragma once
// The look of a grouped grid: header and summary row colours and lines,
// merging of those rows, the group count after the header text, and what a
// click on a header selects or checks. Plain stores: the rows are painted
// from these when they are next drawn.
#include "grid/base/OptionProperty.h"
#include "platform/sys/Component.h"
#include "platform/sys/Types.h"

class TGrouping : public TPersistent {
 public:
  String ClassName() const override { return u"TGrouping"; }
  // From another TGrouping: all but Summary and the line colours and widths.
  void Assign(const TPersistent& Source) override;

  GX_OPTION(bool, AutoSelectGroup)
  GX_OPTION(bool, AutoCheckGroup)
  // Empty: " (" + count + ")".
  const String& GroupCountFormat() const { return FValues.GroupCountFormat; }
  void SetGroupCountFormat(const String& Value) { FValues.GroupCountFormat = Value; }
  GX_OPTION(TColor, HeaderColor)
  GX_OPTION(TColor, HeaderColorTo)
  GX_OPTION(TColor, HeaderTextColor)
  GX_OPTION(bool, HeaderUnderline)
  GX_OPTION(TColor, HeaderLineColor)
  GX_OPTION(int, HeaderLineWidth)
  GX_OPTION(bool, MergeHeader)
  GX_OPTION(bool, MergeSummary)
  GX_OPTION(bool, ShowGroupCount)
  GX_OPTION(bool, Summary)
  GX_OPTION(TColor, SummaryColor)
  GX_OPTION(TColor, SummaryColorTo)
  GX_OPTION(TColor, SummaryTextColor)
  GX_OPTION(bool, SummaryLine)
  GX_OPTION(TColor, SummaryLineColor)
  GX_OPTION(int, SummaryLineWidth)

 private:
  struct TValues {
    bool AutoSelectGroup = false;
    bool AutoCheckGroup = false;
    String GroupCountFormat;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlue;
    int HeaderLineWidth = 2;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool ShowGroupCount = false;
    bool Summary = false;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlue;
    int SummaryLineWidth = 2;
  } FValues;
};
