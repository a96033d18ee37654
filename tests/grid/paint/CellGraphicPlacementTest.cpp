#include "grid/paint/CellGraphicPlacement.h"

#include <gtest/gtest.h>

namespace {

// A 100 x 20 cell at (10, 20) and a text 30 pixels wide.
TGraphicPlace Place(TCellType Type, TCellHAlign H, TCellVAlign V, TAlignment Text, TPoint Size = {10, 10},
                    int Span = 30) {
  TGraphicPlace p;
  p.R = TRect{10, 20, 110, 40};
  p.Size = Size;
  p.TextSpan = Span;
  p.TextAlign = Text;
  p.Type = Type;
  p.HAlign = H;
  p.VAlign = V;
  return p;
}

struct Case {
  const char* what;
  TGraphicPlace place;
  TRect expected;
};

void Check(const Case& c) { EXPECT_EQ(PlaceCellGraphic(c.place), c.expected) << c.what; }

}  // namespace

TEST(CellGraphicPlacement, HorizontalAgainstTheTextAlignment) {
  const Case cases[] = {
      {"left", Place(ctBitmap, haLeft, vaTop, taRightJustify), {11, 21, 21, 31}},
      {"right", Place(ctBitmap, haRight, vaTop, taLeftJustify), {99, 21, 109, 31}},
      {"centred", Place(ctBitmap, haCenter, vaTop, taLeftJustify), {55, 21, 65, 31}},
      {"centred, too wide", Place(ctBitmap, haCenter, vaTop, taLeftJustify, {120, 10}), {11, 21, 131, 31}},
      {"before left text", Place(ctBitmap, haBeforeText, vaTop, taLeftJustify), {11, 21, 21, 31}},
      {"before right text", Place(ctBitmap, haBeforeText, vaTop, taRightJustify), {70, 21, 80, 31}},
      {"before centred text", Place(ctBitmap, haBeforeText, vaTop, taCenter), {40, 21, 50, 31}},
      {"before a wide centred text", Place(ctBitmap, haBeforeText, vaTop, taCenter, {10, 10}, 95), {11, 21, 21, 31}},
      {"after left text", Place(ctBitmap, haAfterText, vaTop, taLeftJustify), {40, 21, 50, 31}},
      {"after right text", Place(ctBitmap, haAfterText, vaTop, taRightJustify), {99, 21, 109, 31}},
      {"after centred text", Place(ctBitmap, haAfterText, vaTop, taCenter), {70, 21, 80, 31}},
      {"full width", Place(ctBitmap, haFull, vaTop, taLeftJustify), {10, 21, 110, 31}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(CellGraphicPlacement, Vertical) {
  const Case cases[] = {
      {"above the text", Place(ctBitmap, haLeft, vaAboveText, taLeftJustify), {11, 21, 21, 31}},
      {"bottom", Place(ctBitmap, haLeft, vaBottom, taLeftJustify), {11, 29, 21, 39}},
      {"centred", Place(ctBitmap, haLeft, vaCenter, taLeftJustify, {10, 6}), {11, 27, 21, 33}},
      {"centred, too tall", Place(ctBitmap, haLeft, vaCenter, taLeftJustify, {10, 30}), {11, 21, 21, 51}},
      {"under the text", Place(ctBitmap, haLeft, vaUnderText, taLeftJustify), {11, 30, 21, 40}},
      {"full height", Place(ctBitmap, haLeft, vaFull, taLeftJustify), {11, 20, 21, 40}},
  };
  for (const Case& c : cases) Check(c);
}

// Boxes go where the text's alignment puts them, whatever their own
// horizontal alignment says; data boxes have no text beside them.
TEST(CellGraphicPlacement, CheckBoxesFollowTheTextAlignment) {
  const TPoint box{15, 15};
  const Case cases[] = {
      {"left text, box aligned right", Place(ctCheckBox, haRight, vaTop, taLeftJustify, box), {11, 21, 26, 36}},
      {"right text", Place(ctCheckBox, haBeforeText, vaTop, taRightJustify, box), {64, 21, 79, 36}},
      {"right, data box", Place(ctDataCheckBox, haBeforeText, vaTop, taRightJustify, box), {94, 21, 109, 36}},
      {"right, row box", Place(ctRowCheckBox, haBeforeText, vaTop, taRightJustify, box), {94, 21, 109, 36}},
      {"right, text wider than the cell", Place(ctCheckBox, haBeforeText, vaTop, taRightJustify, box, 95),
       {11, 21, 26, 36}},
      {"centred, ends where the text starts", Place(ctCheckBox, haBeforeText, vaTop, taCenter, box),
       {30, 21, 45, 36}},
      {"centred without text", Place(ctCheckBox, haBeforeText, vaTop, taCenter, box, 0), {52, 21, 67, 36}},
      {"centred, virtual box", Place(ctVirtCheckBox, haBeforeText, vaTop, taCenter, box), {52, 21, 67, 36}},
      {"centred, text wider than the cell", Place(ctRadioButton, haBeforeText, vaTop, taCenter, box, 95),
       {11, 21, 26, 36}},
      {"tri-state, right text", Place(ctTriStateCheckBox, haLeft, vaTop, taRightJustify, box), {64, 21, 79, 36}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(CellGraphicPlacement, ACellsOwnVerticalAlignmentMovesBoxesOnly) {
  auto own = [](TCellType Type, TVAlignment V) {
    TGraphicPlace p = Place(Type, haBeforeText, vaTop, taLeftJustify, {15, 6});
    p.OwnVAlign = true;
    p.CellVAlign = V;
    return p;
  };
  const Case cases[] = {
      {"box, bottom", own(ctCheckBox, vtaBottom), {11, 33, 26, 39}},
      {"box, centre", own(ctDataCheckBox, vtaCenter), {11, 27, 26, 33}},
      {"radio button, top", own(ctRadioButton, vtaTop), {11, 21, 26, 27}},
      {"bitmap keeps its own", own(ctBitmap, vtaBottom), {11, 21, 26, 27}},
  };
  for (const Case& c : cases) Check(c);
}
