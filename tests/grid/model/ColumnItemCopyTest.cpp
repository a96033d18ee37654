// Which settings of a column Assign and AssignVisuals copy: every field is
// set on the source and looked for on each copy, so a setting that stops
// being copied, or starts being copied by AssignVisuals, fails here.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/model/AdvColumnGrid.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/Menus.h"

namespace {

using TItem = TGridColumnItem;

struct TFieldRow {
  std::string Name;
  std::function<void(TItem&)> Set;  // to a value no new item starts with
  std::function<bool(const TItem&, const TItem&)> Same;
  bool ByAssign;
  bool ByVisuals;
};

template <class Get>
std::function<bool(const TItem&, const TItem&)> SameBy(Get G) {
  return [G](const TItem& A, const TItem& B) { return G(A) == G(B); };
}

#define GX_FIELD(Name, Setting, Visuals) \
  TFieldRow{#Name, [&](TItem& c) { c.Set##Name(Setting); }, SameBy([](const TItem& c) { return c.Name(); }), true, Visuals}

std::vector<TFieldRow> Fields(TComponent& Link, TPopupMenu& Popup) {
  return {
      GX_FIELD(Alignment, taRightJustify, true),
      GX_FIELD(HeaderAlignment, taCenter, true),
      GX_FIELD(Borders, (TCellBorders{cbTop, cbBottom}), true),
      GX_FIELD(CheckFalse, u"0", true),
      GX_FIELD(CheckTrue, u"1", true),
      GX_FIELD(EditLength, 3, true),
      GX_FIELD(EditLink, &Link, true),
      GX_FIELD(EditMask, u"999", true),
      GX_FIELD(Editor, edComboList, true),
      GX_FIELD(Fixed, true, true),
      GX_FIELD(Password, true, true),
      GX_FIELD(PrintBorders, TCellBorders{cbLeft}, true),
      GX_FIELD(PrintColor, clAqua, true),
      GX_FIELD(ReadOnly, true, true),
      GX_FIELD(SortPrefix, u"<", true),
      GX_FIELD(SortStyle, ssNumeric, true),
      GX_FIELD(SortSuffix, u">", true),
      GX_FIELD(SpinMax, 9, true),
      GX_FIELD(SpinMin, 1, true),
      GX_FIELD(SpinStep, 2, true),
      GX_FIELD(ColumnPopup, &Popup, true),
      GX_FIELD(ShowBands, true, true),
      GX_FIELD(MinSize, 20, true),
      GX_FIELD(MaxSize, 90, true),
      GX_FIELD(AutoMinSize, 25, true),
      GX_FIELD(AutoMaxSize, 80, true),
      GX_FIELD(FilterCaseSensitive, true, true),
      GX_FIELD(FloatFormat, u"%.1f", true),
      GX_FIELD(ColumnPopupType, cpAllCellsLClick, true),
      GX_FIELD(PrintBorderCustom, false, true),
      GX_FIELD(PrintFontCustom, false, true),
      // The copy keeps the source's width as its stored width.
      {"Width", [](TItem& c) { c.SetWidth(77); },
       [](const TItem& Copy, const TItem& Source) { return Copy.StoredWidth() == Source.Width(); }, true, true},
      {"BorderPen", [](TItem& c) { c.BorderPen()->SetWidth(2); },
       SameBy([](const TItem& c) { return c.BorderPen()->Width(); }), true, true},
      {"PrintBorderPen", [](TItem& c) { c.PrintBorderPen()->SetWidth(3); },
       SameBy([](const TItem& c) { return c.PrintBorderPen()->Width(); }), true, true},
      {"PrintFont", [](TItem& c) { c.PrintFont()->SetName(u"Courier"); },
       SameBy([](const TItem& c) { return c.PrintFont()->Name(); }), true, true},
      {"Filter", [](TItem& c) { c.Filter()->Add(u"Low=<10"); },
       SameBy([](const TItem& c) { return c.Filter()->Text(); }), true, true},
      // The column's own: AssignVisuals leaves them, or takes the grid's.
      GX_FIELD(Header, u"Addr", false),
      GX_FIELD(Name, u"addr", false),
      GX_FIELD(Tag, 7, false),
      GX_FIELD(DefIdx, 4, false),
      GX_FIELD(DropDownCount, 4, false),
      GX_FIELD(Color, clYellow, false),
      {"ComboItems", [](TItem& c) { c.ComboItems()->Add(u"One"); },
       SameBy([](const TItem& c) { return c.ComboItems()->Text(); }), true, false},
      {"Font", [](TItem& c) { c.Font()->SetStyle({fsItalic}); },
       SameBy([](const TItem& c) { return c.Font()->Style().Contains(fsItalic); }), true, false},
      {"HeaderFont", [](TItem& c) { c.HeaderFont()->SetName(u"Arial"); },
       SameBy([](const TItem& c) { return c.HeaderFont()->Name(); }), true, false},
  };
}

TEST(ColumnItemCopy, AssignCopiesEverySettingAndAssignVisualsTheLooksOnly) {
  TAdvColumnGrid g(nullptr);
  TComponent link(nullptr);
  TPopupMenu popup(nullptr);
  const std::vector<TFieldRow> fields = Fields(link, popup);
  TItem& source = *g.Columns()->Items(1);
  for (const TFieldRow& f : fields) f.Set(source);

  TItem& assigned = *g.Columns()->Items(2);
  TItem& visuals = *g.Columns()->Items(3);
  for (const TFieldRow& f : fields) {
    EXPECT_FALSE(f.Same(assigned, source)) << f.Name << " must start apart from the source";
  }
  assigned.Assign(source);
  visuals.AssignVisuals(source);
  for (const TFieldRow& f : fields) {
    EXPECT_EQ(f.Same(assigned, source), f.ByAssign) << "Assign, " << f.Name;
    EXPECT_EQ(f.Same(visuals, source), f.ByVisuals) << "AssignVisuals, " << f.Name;
  }
}

}  // namespace
