#include <gtest/gtest.h>

#include "grid/base/CellNode.h"
#include "grid/base/ColumnSize.h"
#include "grid/base/HTMLSettings.h"
#include "grid/base/PrintSettings.h"
#include "grid/base/SizeWhileTyping.h"
#include "platform/sys/Exceptions.h"
#include "tests/grid/base/SettingsTable.h"

namespace {

std::unique_ptr<TCellNode> MakeNode() { return std::make_unique<TCellNode>(nullptr); }

// OnChange stands for the repaint of the grid.
TEST(CellNode, OptionTable) {
  using C = TCellNode;
  const std::vector<TOptionRow<C>> rows = {
      Opt("Color", &C::Color, &C::SetColor, clSilver, clRed, true),
      Opt("NodeType", &C::NodeType, &C::SetNodeType, cnXP, cnFlat, true, nkChanged),
      Opt("NodeColor", &C::NodeColor, &C::SetNodeColor, clBlack, clRed, true),
      Opt("ExpandOne", &C::ExpandOne, &C::SetExpandOne, false, true, true),
      Opt("ShowTree", &C::ShowTree, &C::SetShowTree, true, false, true, nkChanged),
      Opt("ShowTreeFull", &C::ShowTreeFull, &C::SetShowTreeFull, true, false, true, nkChanged),
      Opt("NodeIndent", &C::NodeIndent, &C::SetNodeIndent, 12, 20, true, nkChanged),
      Opt("TreeColor", &C::TreeColor, &C::SetTreeColor, clGray, clRed, true, nkChanged),
  };
  ExpectDefaults<C>(rows, MakeNode);
  ExpectNotifications<C>(rows, MakeNode);
  ExpectAssign<C>(rows, MakeNode);
  ExpectForeignIgnored<C>(rows, MakeNode);
}

TEST(CellNode, GlyphsAreCopiedBySetterAndByAssign) {
  TCellNode node(nullptr);
  EXPECT_TRUE(node.ExpandGlyph()->Empty());
  TBitmap glyph(9, 9);
  node.SetExpandGlyph(glyph);
  node.SetContractGlyph(TBitmap(7, 7));
  glyph.SetSize(1, 1);
  EXPECT_EQ(node.ExpandGlyph()->Width(), 9);
  TCellNode copy(nullptr);
  copy.Assign(node);
  EXPECT_EQ(copy.ExpandGlyph()->Width(), 9);
  EXPECT_EQ(copy.ContractGlyph()->Width(), 7);
}

std::unique_ptr<TColumnSize> MakeColumnSize() { return std::make_unique<TColumnSize>(nullptr); }

TEST(ColumnSize, OptionTable) {
  using C = TColumnSize;
  const std::vector<TOptionRow<C>> rows = {
      Opt("Save", &C::Save, &C::SetSave, false, true, true),
      Opt("Key", &C::Key, &C::SetKey, u"", u"k", true),
      Opt("Section", &C::Section, &C::SetSection, u"", u"s", true),
      Opt("Stretch", &C::Stretch, &C::SetStretch, false, true, true),
      Opt("StretchColumn", &C::StretchColumn, &C::SetStretchColumn, -1, 2, true),
      Opt("SynchWithGrid", &C::SynchWithGrid, &C::SetSynchWithGrid, false, true, true),
      Opt("SynchNormalCellsOnly", &C::SynchNormalCellsOnly, &C::SetSynchNormalCellsOnly, false,
          true, true),
      Opt("Location", &C::Location, &C::SetLocation, clRegistry, clIniFile, true),
      Opt("Rows", &C::Rows, &C::SetRows, arAll, arFixed, true),
  };
  ExpectDefaults<C>(rows, MakeColumnSize);
  ExpectAssign<C>(rows, MakeColumnSize);
  ExpectForeignIgnored<C>(rows, MakeColumnSize);
}

TEST(ColumnSize, StretchSetterStretchesButAssignCopiesTheFlagOnly) {
  TColumnSize source(nullptr), target(nullptr);
  int stretches = 0;
  source.OnStretch = target.OnStretch = [&](TObject*) { ++stretches; };
  source.SetStretch(true);
  EXPECT_EQ(stretches, 1);
  target.Assign(source);
  EXPECT_TRUE(target.Stretch());
  EXPECT_EQ(stretches, 1);
}

std::unique_ptr<THTMLSettings> MakeHTML() { return std::make_unique<THTMLSettings>(); }

TEST(HTMLSettings, OptionTable) {
  using H = THTMLSettings;
  const std::vector<TOptionRow<H>> rows = {
      Opt("AutoPreview", &H::AutoPreview, &H::SetAutoPreview, false, true, true),
      Opt("ConvertSpecialChars", &H::ConvertSpecialChars, &H::SetConvertSpecialChars, false,
          true, true),
      Opt("NonBreakingText", &H::NonBreakingText, &H::SetNonBreakingText, false, true, true),
      Opt("SaveColor", &H::SaveColor, &H::SetSaveColor, true, false, true),
      Opt("SaveFonts", &H::SaveFonts, &H::SetSaveFonts, true, false, true),
      Opt("FooterFile", &H::FooterFile, &H::SetFooterFile, u"", u"f.htm", true),
      Opt("HeaderFile", &H::HeaderFile, &H::SetHeaderFile, u"", u"h.htm", true),
      Opt("BorderSize", &H::BorderSize, &H::SetBorderSize, 1, 2, true),
      Opt("CellSpacing", &H::CellSpacing, &H::SetCellSpacing, 0, 2, true),
      Opt("CellPadding", &H::CellPadding, &H::SetCellPadding, 0, 2, true),
      Opt("TableStyle", &H::TableStyle, &H::SetTableStyle, u"", u"t", true),
      Opt("PrefixTag", &H::PrefixTag, &H::SetPrefixTag, u"", u"<p>", true),
      Opt("SuffixTag", &H::SuffixTag, &H::SetSuffixTag, u"", u"</p>", true),
      Opt("Summary", &H::Summary, &H::SetSummary, u"", u"s", true),
      Opt("Width", &H::Width, &H::SetWidth, 100, 50, true),
      Opt("XHTML", &H::XHTML, &H::SetXHTML, false, true, true),
      Opt("ExportImages", &H::ExportImages, &H::SetExportImages, true, false, false),
  };
  ExpectDefaults<H>(rows, MakeHTML);
  ExpectAssign<H>(rows, MakeHTML);
  ExpectForeignIgnored<H>(rows, MakeHTML);
  THTMLSettings source, target;
  source.ColWidths()->Add(40);
  target.Assign(source);
  EXPECT_EQ(target.ColWidths()->Count(), 0);
}

std::unique_ptr<TPrintSettings> MakePrint() { return std::make_unique<TPrintSettings>(nullptr); }

TEST(PrintSettings, OptionTable) {
  using P = TPrintSettings;
  const std::vector<TOptionRow<P>> rows = {
      Opt("Time", &P::Time, &P::SetTime, ppNone, ppTopLeft, true),
      Opt("Date", &P::Date, &P::SetDate, ppNone, ppTopRight, true),
      Opt("PageNr", &P::PageNr, &P::SetPageNr, ppNone, ppBottomCenter, true),
      Opt("PageNumSep", &P::PageNumSep, &P::SetPageNumSep, u"/", u" of ", true),
      Opt("DateFormat", &P::DateFormat, &P::SetDateFormat, u"dd/mm/yyyy", u"yyyy", true),
      Opt("Title", &P::Title, &P::SetTitle, ppNone, ppTopCenter, true),
      Opt("Borders", &P::Borders, &P::SetBorders, pbSingle, pbAround, true),
      Opt("BorderStyle", &P::BorderStyle, &P::SetBorderStyle, psSolid, psDot, true),
      Opt("TitleText", &P::TitleText, &P::SetTitleText, u"", u"t", true),
      Opt("Centered", &P::Centered, &P::SetCentered, true, false, true),
      Opt("RepeatFixedRows", &P::RepeatFixedRows, &P::SetRepeatFixedRows, false, true, true),
      Opt("RepeatFixedCols", &P::RepeatFixedCols, &P::SetRepeatFixedCols, false, true, true),
      Opt("FooterSize", &P::FooterSize, &P::SetFooterSize, 0, 5, true),
      Opt("HeaderSize", &P::HeaderSize, &P::SetHeaderSize, 0, 5, true),
      Opt("LeftSize", &P::LeftSize, &P::SetLeftSize, 0, 5, true),
      Opt("RightSize", &P::RightSize, &P::SetRightSize, 0, 5, true),
      Opt("ColumnSpacing", &P::ColumnSpacing, &P::SetColumnSpacing, 0, 5, true),
      Opt("RowSpacing", &P::RowSpacing, &P::SetRowSpacing, 0, 5, true),
      Opt("TitleSpacing", &P::TitleSpacing, &P::SetTitleSpacing, 0, 5, true),
      Opt("Orientation", &P::Orientation, &P::SetOrientation, poPortrait, poLandscape, true),
      Opt("PagePrefix", &P::PagePrefix, &P::SetPagePrefix, u"", u"p", true),
      Opt("PageSuffix", &P::PageSuffix, &P::SetPageSuffix, u"", u"s", true),
      Opt("FixedHeight", &P::FixedHeight, &P::SetFixedHeight, 0, 5, true),
      Opt("UseFixedHeight", &P::UseFixedHeight, &P::SetUseFixedHeight, false, true, true),
      Opt("FixedWidth", &P::FixedWidth, &P::SetFixedWidth, 0, 5, true),
      Opt("UseFixedWidth", &P::UseFixedWidth, &P::SetUseFixedWidth, false, true, true),
      Opt("FitToPage", &P::FitToPage, &P::SetFitToPage, fpNever, fpShrink, true),
      Opt("NoAutoSize", &P::NoAutoSize, &P::SetNoAutoSize, false, true, true),
      Opt("PrintGraphics", &P::PrintGraphics, &P::SetPrintGraphics, false, true, true),
      Opt("JobName", &P::JobName, &P::SetJobName, u"", u"j", true),
      Opt("NoAutoSizeRow", &P::NoAutoSizeRow, &P::SetNoAutoSizeRow, false, true, true),
      Opt("PageNumberOffset", &P::PageNumberOffset, &P::SetPageNumberOffset, 0, 2, true),
      Opt("MaxPagesOffset", &P::MaxPagesOffset, &P::SetMaxPagesOffset, 0, 2, true),
      Opt("UseDisplayFont", &P::UseDisplayFont, &P::SetUseDisplayFont, true, false, true),
      Opt("UseDefaultOrientation", &P::UseDefaultOrientation, &P::SetUseDefaultOrientation,
          false, true, true),
      Opt("FixedCellsAlways", &P::FixedCellsAlways, &P::SetFixedCellsAlways, false, true, false),
      Opt("BorderColor", &P::BorderColor, &P::SetBorderColor, clBlack, clRed, true),
  };
  ExpectDefaults<P>(rows, MakePrint);
  ExpectAssign<P>(rows, MakePrint);
}

TEST(PrintSettings, FontsAndTitleLinesAreCopiedAndOtherSourcesRaise) {
  TPrintSettings source(nullptr), target(nullptr);
  EXPECT_EQ(source.Font()->Name(), TFont().Name());
  TFont big;
  big.SetSize(20);
  source.SetFont(big);
  source.SetHeaderFont(big);
  source.SetFooterFont(big);
  source.SetFixedFont(big);
  TStringList lines;
  lines.Add(u"Title");
  source.SetTitleLines(lines);
  target.Assign(source);
  for (TFont* f : {target.Font(), target.HeaderFont(), target.FooterFont(), target.FixedFont()})
    EXPECT_EQ(f->Size(), 20);
  EXPECT_EQ(target.TitleLines()->Text(), u"Title\r\n");
  EXPECT_NE(target.TitleLines(), source.TitleLines());
  EXPECT_THROW(target.Assign(TForeign()), EConvertError);
}

TEST(SizeWhileTyping, BothOffAndNoCopyOfItsOwn) {
  TSizeWhileTyping size, other;
  EXPECT_FALSE(size.Height());
  EXPECT_FALSE(size.Width());
  EXPECT_THROW(size.Assign(other), EConvertError);
}

}  // namespace
