#include <gtest/gtest.h>

#include "grid/base/GridTypes.h"

namespace {

template <class E>
void ExpectNamesRoundTrip() {
  for (int i = 0; i < EnumCount<E>(); ++i) {
    const String name = EnumName(static_cast<E>(i));
    ASSERT_FALSE(name.empty());
    E back{};
    ASSERT_TRUE(TryEnumFromName(name, back)) << StringToUtf8(name);
    EXPECT_EQ(static_cast<int>(back), i);
  }
}

}  // namespace

TEST(GridTypes, StreamedOrdinalsAreFixed) {
  struct Case {
    int ordinal;
    String name;
    int count;
  };
  // The first, a few fixed points and the last of each streamed enumeration.
  const Case editor[] = {{edNormal, u"edNormal", 43},       {edComboEdit, u"edComboEdit", 43},
                         {edComboList, u"edComboList", 43}, {edDataCheckBox, u"edDataCheckBox", 43},
                         {edNone, u"edNone", 43},           {edAdvGridDropDown, u"edAdvGridDropDown", 43},
                         {edMaskEditBtn, u"edMaskEditBtn", 43}};
  EXPECT_EQ(EnumCount<TEditorType>(), 43);
  for (const auto& c : editor) EXPECT_EQ(EnumName(static_cast<TEditorType>(c.ordinal)), c.name);
  EXPECT_EQ(edDataCheckBox, 10);
  EXPECT_EQ(edMaskEditBtn, 42);
  EXPECT_EQ(EnumCount<TSortStyle>(), 20);
  EXPECT_EQ(EnumName(ssAlphaNumericNoCase), u"ssAlphaNumericNoCase");
  EXPECT_EQ(ssFinancial, 9);
  EXPECT_EQ(EnumCount<TColumnCalcType>(), 10);
  EXPECT_EQ(EnumName(acSTDDEV), u"acSTDDEV");
  EXPECT_EQ(EnumName(ssOffice2007), u"ssOffice2007");
  EXPECT_EQ(EnumName(fceComboList), u"fceComboList");
  EXPECT_EQ(EnumName(tasCheck), u"tasCheck");
}

TEST(GridTypes, EveryNameTableRoundTrips) {
  ExpectNamesRoundTrip<TEditorType>();
  ExpectNamesRoundTrip<TSortStyle>();
  ExpectNamesRoundTrip<TVAlignment>();
  ExpectNamesRoundTrip<TCellGradientDirection>();
  ExpectNamesRoundTrip<TCellBorder>();
  ExpectNamesRoundTrip<TColumnCalcType>();
  ExpectNamesRoundTrip<TGridSelectionStyle>();
  ExpectNamesRoundTrip<THoverRowCell>();
  ExpectNamesRoundTrip<TSearchDirection>();
  ExpectNamesRoundTrip<THomeEndAction>();
  ExpectNamesRoundTrip<TClipboardPasteAction>();
  ExpectNamesRoundTrip<TAdvanceDirection>();
  ExpectNamesRoundTrip<TInsertPosition>();
  ExpectNamesRoundTrip<TCursorAdvance>();
  ExpectNamesRoundTrip<TGridFixedCellEdit>();
  ExpectNamesRoundTrip<TGridFixedCellEditor>();
  ExpectNamesRoundTrip<TWheelAction>();
  ExpectNamesRoundTrip<TArrowDirection>();
  ExpectNamesRoundTrip<TAdvGridButtonStyle>();
}

TEST(GridTypes, UnknownNamesAndOrdinalsAreRejected) {
  TEditorType e = edSpinEdit;
  EXPECT_FALSE(TryEnumFromName(u"edBogus", e));
  EXPECT_FALSE(TryEnumFromName(u"", e));
  EXPECT_FALSE(TryEnumFromOrdinal(43, e));
  EXPECT_FALSE(TryEnumFromOrdinal(-1, e));
  EXPECT_EQ(e, edSpinEdit);
  EXPECT_TRUE(TryEnumFromName(u"EDDATACHECKBOX", e));
  EXPECT_EQ(e, edDataCheckBox);
  EXPECT_TRUE(TryEnumFromOrdinal(42, e));
  EXPECT_EQ(e, edMaskEditBtn);
  EXPECT_EQ(EnumName(static_cast<TEditorType>(43)), u"");
}

TEST(GridTypes, SetsStoreOneBitPerOrdinal) {
  TCellBorders b{cbLeft, cbBottom};
  EXPECT_EQ(b.Bits(), 0b1010u);
  EXPECT_TRUE(b.Contains(cbBottom));
  EXPECT_FALSE(b.Contains(cbTop));
  b.Exclude(cbLeft);
  b.Include(cbTop);
  EXPECT_EQ(b, (TCellBorders{cbTop, cbBottom}));
  EXPECT_EQ(EnumSetFromBits<THoverRowCell>(0xFF).Bits(), 0b111u);  // stray bits of a stream dropped
}

TEST(GridTypes, DropDownKindsAreTheNineDropDownEditors) {
  int n = 0;
  for (int i = 0; i < EnumCount<TEditorType>(); ++i) n += IsDropDownEditor(static_cast<TEditorType>(i));
  EXPECT_EQ(n, 9);
  EXPECT_TRUE(IsDropDownEditor(edTrackbarDropDown));
  EXPECT_TRUE(IsDropDownEditor(edAdvGridDropDown));
  EXPECT_FALSE(IsDropDownEditor(edPositiveFloat));
}
