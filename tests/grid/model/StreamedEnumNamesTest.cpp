// Grid files and settings store enumerations by name and by ordinal: the
// names and ordinals of every streamed grid enumeration are pinned by a
// golden list, so a reordered, renamed or inserted value fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "grid/base/CellNode.h"
#include "grid/base/ColumnSize.h"
#include "grid/base/GridTypes.h"
#include "grid/base/LookTypes.h"
#include "grid/base/PlatformEnumNames.h"
#include "grid/base/PrintSettings.h"
#include "grid/model/GridColumnItem.h"
#include "tests/support/TempDir.h"

namespace {

template <class E>
void ListNames(std::string& Out, const char* Type) {
  for (int i = 0; i < EnumCount<E>(); ++i) {
    Out += std::string(Type) + ' ' + std::to_string(i) + ' ' + StringToUtf8(EnumName(static_cast<E>(i))) + '\n';
  }
}

#define GX_LIST(E) ListNames<E>(text, #E)

TEST(StreamedEnums, NamesAndOrdinalsMatchTheGoldenList) {
  std::string text;
  GX_LIST(TEditorType);
  GX_LIST(TSortStyle);
  GX_LIST(TVAlignment);
  GX_LIST(TCellGradientDirection);
  GX_LIST(TCellBorder);
  GX_LIST(TColumnCalcType);
  GX_LIST(TGridSelectionStyle);
  GX_LIST(THoverRowCell);
  GX_LIST(TSearchDirection);
  GX_LIST(TSortDirection);
  GX_LIST(THomeEndAction);
  GX_LIST(TClipboardPasteAction);
  GX_LIST(TAdvanceDirection);
  GX_LIST(TInsertPosition);
  GX_LIST(TCursorAdvance);
  GX_LIST(TGridFixedCellEdit);
  GX_LIST(TGridFixedCellEditor);
  GX_LIST(TWheelAction);
  GX_LIST(TArrowDirection);
  GX_LIST(TAdvGridButtonStyle);
  GX_LIST(TControlStyle);
  GX_LIST(TBackGroundDisplay);
  GX_LIST(TBackGroundCells);
  GX_LIST(TProgressStyle);
  GX_LIST(TPrintPosition);
  GX_LIST(TPrintBorders);
  GX_LIST(TFitToPage);
  GX_LIST(TNodeType);
  GX_LIST(TColumnSizeLocation);
  GX_LIST(TAutoSizeRows);
  GX_LIST(TColumnPopupType);
  GX_LIST(TAlignment);
  GX_LIST(TBrushStyle);
  GX_LIST(TCheckBoxState);
  GX_LIST(TFontStyle);
  EXPECT_EQ(text, testsupport::ReadFile(std::filesystem::path(GX_TEST_DATA) / "enum-names" / "expected.txt"));
}

// The enumerators themselves are the ordinals the names stand for.
TEST(StreamedEnums, EnumeratorsAreTheirOrdinals) {
  EXPECT_EQ(EnumName(edMaskEditBtn), u"edMaskEditBtn");
  EXPECT_EQ(EnumName(ssAlphaNumericNoCase), u"ssAlphaNumericNoCase");
  EXPECT_EQ(EnumName(tasCheck), u"tasCheck");
  EXPECT_EQ(EnumName(csTheme), u"csTheme");
  EXPECT_EQ(EnumName(psClassic), u"psClassic");
  EXPECT_EQ(EnumName(pbCustom), u"pbCustom");
  EXPECT_EQ(EnumName(fpCustom), u"fpCustom");
  EXPECT_EQ(EnumName(cnXP), u"cnXP");
  EXPECT_EQ(EnumName(clIniFile), u"clIniFile");
  EXPECT_EQ(EnumName(arFixed), u"arFixed");
  EXPECT_EQ(EnumName(cpAllCellsLClick), u"cpAllCellsLClick");
}

}  // namespace
