#include <gtest/gtest.h>

#include "grid/base/SearchFooter.h"
#include "tests/grid/base/SettingsTable.h"

namespace {

using F = TSearchFooter;

std::unique_ptr<F> MakeFooter() { return std::make_unique<F>(nullptr, true); }

std::vector<TOptionRow<F>> FooterRows() {
  return {
      Opt("AlwaysHighLight", &F::AlwaysHighLight, &F::SetAlwaysHighLight, false, true, true),
      Opt("AutoSearch", &F::AutoSearch, &F::SetAutoSearch, true, false, false),
      Opt("Color", &F::Color, &F::SetColor, 0xFFFFFF, clRed, true, nkAlways),
      Opt("ColorTo", &F::ColorTo, &F::SetColorTo, clBtnFace, clRed, true, nkAlways),
      Opt("FindNextCaption", &F::FindNextCaption, &F::SetFindNextCaption, u"Find &next", u"x",
          true, nkAlways),
      Opt("FindPrevCaption", &F::FindPrevCaption, &F::SetFindPrevCaption, u"Find &previous",
          u"x", true, nkAlways),
      Opt("HighLightCaption", &F::HighLightCaption, &F::SetHighLightCaption, u"Highlight", u"x",
          true, nkAlways),
      Opt("HintClose", &F::HintClose, &F::SetHintClose, u"Close", u"x", true, nkAlways),
      Opt("HintFindNext", &F::HintFindNext, &F::SetHintFindNext, u"Find next occurrence", u"x",
          true, nkAlways),
      Opt("HintFindPrev", &F::HintFindPrev, &F::SetHintFindPrev, u"Find previous occurrence",
          u"x", true, nkAlways),
      Opt("HintHighlight", &F::HintHighlight, &F::SetHintHighlight, u"Highlight occurrences",
          u"x", true, nkAlways),
      Opt("MatchCaseCaption", &F::MatchCaseCaption, &F::SetMatchCaseCaption, u"Match case", u"x",
          true, nkAlways),
      Opt("SearchActiveColumnOnly", &F::SearchActiveColumnOnly, &F::SetSearchActiveColumnOnly,
          false, true, true),
      Opt("SearchColumn", &F::SearchColumn, &F::SetSearchColumn, -1, 3, true),
      Opt("SearchMatchStart", &F::SearchMatchStart, &F::SetSearchMatchStart, false, true, true),
      Opt("SearchFixedCells", &F::SearchFixedCells, &F::SetSearchFixedCells, false, true, false),
      Opt("SearchHiddenRows", &F::SearchHiddenRows, &F::SetSearchHiddenRows, false, true, true),
      Opt("SearchDirection", &F::SearchDirection, &F::SetSearchDirection, sdTopBottom,
          sdLeftRight, true),
      Opt("ShowClose", &F::ShowClose, &F::SetShowClose, true, false, true, nkAlways),
      Opt("ShowFindNext", &F::ShowFindNext, &F::SetShowFindNext, true, false, true, nkChanged),
      Opt("ShowFindPrev", &F::ShowFindPrev, &F::SetShowFindPrev, true, false, true, nkChanged),
      Opt("ShowHighLight", &F::ShowHighLight, &F::SetShowHighLight, true, false, true,
          nkChanged),
      Opt("ShowMatchCase", &F::ShowMatchCase, &F::SetShowMatchCase, true, false, true,
          nkChanged),
      Opt("Visible", &F::Visible, &F::SetVisible, false, true, true, nkChanged),
      Opt("AutoThemeAdapt", &F::AutoThemeAdapt, &F::SetAutoThemeAdapt, false, true, false,
          nkAlways),
      Opt("LastSearch", &F::LastSearch, &F::SetLastSearch, u"", u"abc", false),
  };
}

TEST(SearchFooter, OptionTable) {
  const auto rows = FooterRows();
  ExpectDefaults<F>(rows, MakeFooter);
  ExpectNotifications<F>(rows, MakeFooter);
  ExpectAssign<F>(rows, MakeFooter);
  ExpectForeignIgnored<F>(rows, MakeFooter);
}

TEST(SearchFooter, CaptionsAndHintsStayEmptyOutsideDesign) {
  F footer(nullptr, false);
  for (const String& s : {footer.FindNextCaption(), footer.FindPrevCaption(),
                          footer.HighLightCaption(), footer.MatchCaseCaption(),
                          footer.HintClose(), footer.HintFindNext(), footer.HintFindPrev(),
                          footer.HintHighlight()})
    EXPECT_EQ(s, u"");
}

TEST(SearchFooter, FontIsCopiedNotTakenAndAssignCopiesItQuietly) {
  F footer(nullptr, true);
  int changes = 0;
  footer.OnChange = [&](TObject*) { ++changes; };
  TFont font;
  font.SetSize(14);
  footer.SetFont(font);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(footer.Font(), &font);
  EXPECT_EQ(footer.Font()->Size(), 14);

  F target(nullptr, true);
  int targetChanges = 0;
  target.OnChange = [&](TObject*) { ++targetChanges; };
  target.Assign(footer);
  EXPECT_EQ(target.Font()->Size(), 14);
  EXPECT_EQ(targetChanges, 0);
}

}  // namespace
