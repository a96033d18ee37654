#include <gtest/gtest.h>

#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "tests/app/ProgramFixture.h"

namespace {
using testsupport::ProgramFixture;

class NewConfiguration : public ::testing::Test {
 protected:
  TFNew_Project& New() { return *P.Main->Windows.FNew_Project; }
  // Step 1 New, the name put into the edit, then Enter or OK.
  void Create(const String& Name, bool By_Enter = false) {
    P.Input.WhenModal([this, Name, By_Enter] {
      EXPECT_TRUE(New().E_New_Proj->Focused());
      EXPECT_EQ(New().E_New_Proj->Text(), u"");
      New().E_New_Proj->SetText(Name);
      if (By_Enter) P.Input.Key(VK_RETURN);
      else P.Input.Click(*New().Btn_OK);
    });
    P.Click(u"Btn_New");
  }
  ProgramFixture P;
};

TEST_F(NewConfiguration, CreatesTheFolderWithBinAndMakesItCurrent) {
  Create(u"Plant A");
  EXPECT_TRUE(std::filesystem::is_directory(P.Project("Plant A") / "bin"));
  EXPECT_EQ(P.State->Project_Name, u"Plant A");
  EXPECT_EQ(P.State->Project_Path, S(P.Project("Plant A").string()));
  EXPECT_EQ(P.State->File_ParGen, S((P.Project("Plant A") / "ParGen.xml").string()));
  EXPECT_EQ(P.Main->L_Name_Conf->Caption(), u"Opened Configuration of the Converter : ");
  EXPECT_EQ(P.Main->L_Name_Conf_L2->Caption(), u"Plant A");
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(NewConfiguration, EnterInTheNameConfirmsAndATrailingBlankIsKept) {
  P.Input.WhenModal([this] {
    New().E_New_Proj->SetFocus();
    P.Input.Type(u"Plant ");
    P.Input.Key(VK_RETURN);
  });
  P.Click(u"Btn_New");
  EXPECT_TRUE(std::filesystem::is_directory(P.Project("Plant ") / "bin"));
  EXPECT_EQ(P.State->Project_Name, u"Plant ");
  EXPECT_TRUE(P.Boxes.Boxes().empty()) << "Enter confirmed once";
}

TEST_F(NewConfiguration, RefusedNamesShowTheirTextAndKeepTheWindowOpen) {
  std::filesystem::create_directories(P.Project("Existing"));
  std::filesystem::create_directories(P.Dir / "Outside");
  const struct {
    String Name;
    int Text;
  } Cases[] = {{u"", 107},        {u"Existing", 106}, {u"../x", 105},  {u"a/b", 105},  {u"a\\b", 105},
               {u"..", 105},      {u".", 105},        {u"../Outside", 105}, {String(u"a\0b", 3), 105}};
  for (const auto& Case : Cases) {
    bool Still_Open = false;
    P.Input.WhenModal([&] {
      New().E_New_Proj->SetText(Case.Name);
      P.Input.Click(*New().Btn_OK);
      Still_Open = New().Visible() && New().ModalResult() == mrNone;
      P.Input.Click(*New().Btn_Cancel);
    });
    P.Click(u"Btn_New");
    EXPECT_TRUE(Still_Open) << StringToUtf8(Case.Name);
    ASSERT_FALSE(P.Boxes.Boxes().empty());
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, P.Text(Case.Text)) << StringToUtf8(Case.Name);
  }
  EXPECT_EQ(P.Boxes.Boxes().size(), std::size(Cases));
  EXPECT_FALSE(P.State->Project_Open());
  EXPECT_EQ(P.State->Project_Name, u"");
  EXPECT_FALSE(std::filesystem::exists(P.Dir / "x"));
  EXPECT_FALSE(std::filesystem::exists(P.Dir / "Outside" / "bin"));
  EXPECT_FALSE(std::filesystem::exists(P.Dir.Projects() / "a"));
}

TEST_F(NewConfiguration, CancelChangesNothing) {
  P.Input.WhenModal([this] {
    New().E_New_Proj->SetText(u"Never");
    P.Input.Click(*New().Btn_Cancel);
  });
  P.Click(u"Btn_New");
  EXPECT_FALSE(std::filesystem::exists(P.Project("Never")));
  EXPECT_FALSE(P.State->Project_Open());
}

class OpenConfiguration : public ::testing::Test {
 protected:
  OpenConfiguration() {
    for (const char* Name : {"Gamma", "alpha", "Beta", ".hidden"}) std::filesystem::create_directories(P.Project(Name));
    testsupport::WriteFile(P.Project("a file"), "not a folder");
  }
  TFOpenConf& Open() { return *P.Main->Windows.FOpenConf; }
  std::vector<String> Listed() {
    std::vector<String> Items;
    for (int i = 0; i < Open().ListBox1->Items().Count(); ++i) Items.push_back(Open().ListBox1->Items().Strings(i));
    return Items;
  }
  // Step 1 Open; Choose runs inside the window, then OK.
  void Open_With(const std::function<void()>& Choose) {
    P.Input.WhenModal([this, Choose] {
      Choose();
      P.Input.Click(*Open().Btn_OK);
    });
    P.Click(u"Btn_Open");
  }
  ProgramFixture P;
};

TEST_F(OpenConfiguration, TheListFillsTheSpaceAboveTheButtonsAsTheWindowGrows) {
  std::vector<std::pair<int, int>> List_And_Buttons;  // the list's bottom, the button panel's top
  Open_With([&] {
    for (int Grow : {0, 120}) {
      Open().SetHeight(Open().Height() + Grow);
      List_And_Buttons.emplace_back(Open().ListBox1->Top() + Open().ListBox1->Height(), Open().P_Button->Top());
    }
  });
  for (const auto& [List_Bottom, Buttons_Top] : List_And_Buttons) EXPECT_EQ(List_Bottom, Buttons_Top - 6);
  EXPECT_EQ(List_And_Buttons[1].second - List_And_Buttons[0].second, 120);
}

TEST_F(OpenConfiguration, ListsTheFoldersByNameAndPreselectsTheFirstWhenNoneIsOpen) {
  String Preselected;
  std::vector<String> Items;
  Open_With([&] {
    Items = Listed();
    Preselected = Open().ListBox1->Items().Strings(Open().ListBox1->ItemIndex());
  });
  EXPECT_EQ(Items, (std::vector<String>{u"alpha", u"Beta", u"Gamma"}));
  EXPECT_EQ(Preselected, u"alpha");
  EXPECT_EQ(P.State->Project_Name, u"alpha");
  EXPECT_EQ(P.State->Project_Path, S(P.Project("alpha").string()));
  EXPECT_EQ(P.State->File_DALI_Access, S((P.Project("alpha") / "DALI_Access.xml").string()));
  EXPECT_EQ(P.Main->L_Name_Conf->Caption(), P.Text(11));
  EXPECT_EQ(P.Main->L_Name_Conf_L2->Caption(), u"alpha");
}

TEST_F(OpenConfiguration, PreselectsTheCurrentConfigurationInAnyLetterCaseAndHandsBackTheChosenOne) {
  // As a file system that ignores case would let it be opened.
  P.State->Project_Name = u"GAMMA";
  P.State->Project_Path = S(P.Project("GAMMA").string());
  String Preselected;
  Open_With([&] {
    Preselected = Open().ListBox1->Items().Strings(Open().ListBox1->ItemIndex());
    P.Input.Click(*Open().ListBox1, Point(10, 5));  // on the first entry
  });
  EXPECT_EQ(Preselected, u"Gamma");
  EXPECT_EQ(Open().Name_Conf, u"alpha");
  EXPECT_EQ(P.State->Project_Name, u"alpha");
  EXPECT_EQ(P.Main->L_Name_Conf_L2->Caption(), u"alpha");
  EXPECT_EQ(Open().Search_Open_Conf(u"bEtA"), 1);
  EXPECT_EQ(Open().Search_Open_Conf(u"Delta"), -1);
}

TEST_F(OpenConfiguration, CancelChangesNothing) {
  P.Input.WhenModal([this] {
    P.Input.Click(*Open().ListBox1, Point(10, 5));
    P.Input.Click(*Open().Btn_Cancel);
  });
  P.Click(u"Btn_Open");
  EXPECT_FALSE(P.State->Project_Open());
  EXPECT_EQ(P.State->Project_Name, u"");
}

TEST_F(OpenConfiguration, OkWithNothingToChooseActsAsCancel) {
  for (const char* Name : {"Gamma", "alpha", "Beta"}) std::filesystem::remove_all(P.Project(Name));
  std::vector<String> Items{u"not shown yet"};
  Open_With([&] { Items = Listed(); });  // the first showing: no name to hand back
  EXPECT_TRUE(Items.empty());
  EXPECT_FALSE(P.State->Project_Open());
  EXPECT_EQ(P.Main->L_Name_Conf->Caption(), P.Text(9));

  std::filesystem::create_directories(P.Project("alpha"));
  Open_With([] {});
  std::filesystem::remove_all(P.Project("alpha"));
  Open_With([] {});  // the window still remembers "alpha"
  EXPECT_EQ(P.State->Project_Name, u"alpha");
  EXPECT_EQ(P.State->Project_Path, S(P.Project("alpha").string()));
  EXPECT_EQ(P.Main->L_Name_Conf_L2->Caption(), u"alpha");
}
}  // namespace
