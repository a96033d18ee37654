#include "platform/gui/OptionalLibraries.h"

#include <gtest/gtest.h>

#include "platform/gui/SystemVersion.h"
#include "tests/support/VisualStylesFake.h"

namespace {

TEST(OptionalLibraries, NeitherLibraryIsAvailableSoVisualStylesAreOff) {
  EXPECT_EQ(FindOptionalLibrary(olVisualStyles), nullptr);
  EXPECT_EQ(FindOptionalLibrary(olFlatScrollBars), nullptr);
  EXPECT_EQ(FindVisualStyleLibrary(), nullptr);
  EXPECT_EQ(FindFlatScrollBarLibrary(), nullptr);
  EXPECT_FALSE(IsThemeActive());
}

TEST(OptionalLibraries, AnInstalledLibraryIsFoundUnderItsOwnKindOnly) {
  testsupport::VisualStylesFake styles;
  {
    testsupport::InstalledLibrary installed(olVisualStyles, &styles);
    EXPECT_EQ(FindVisualStyleLibrary(), &styles);
    EXPECT_TRUE(IsThemeActive());
    EXPECT_EQ(FindFlatScrollBarLibrary(), nullptr);
    testsupport::InstalledLibrary misplaced(olFlatScrollBars, &styles);
    EXPECT_EQ(FindFlatScrollBarLibrary(), nullptr) << "not a flat scroll bar library";
  }
  EXPECT_EQ(FindVisualStyleLibrary(), nullptr) << "the guard put back what was there";
  EXPECT_FALSE(IsThemeActive());
}

}  // namespace
