#pragma once
// Step 2 of the workflow on an open configuration "Plant": the Set
// Communication window shown modally, a scripted action run inside it.
#include <functional>

#include "app/UParGen.h"
#include "controls/button/LbButton.h"
#include "tests/app/ProgramFixture.h"

namespace testsupport {

class SetCommunicationFixture : public ::testing::Test {
 protected:
  SetCommunicationFixture() {
    std::filesystem::create_directories(P.Project("Plant"));
    P.State->Project_Name = u"Plant";
    P.State->Project_Path = S(P.Project("Plant").string());
    P.State->Set_Files();
  }

  TFParGen& W() { return *P.Main->Windows.FParGen; }
  std::filesystem::path File() const { return P.Project("Plant") / "ParGen.xml"; }
  bool File_Exists() const { return std::filesystem::exists(File()); }

  // Opens the window by its step button and runs Action in it; Action must
  // close it. Answers the modal result.
  TModalResult Show(const std::function<void()>& Action) {
    P.Input.WhenModal(Action);
    P.Click(u"Btn_Prm_Gen");
    return W().ModalResult();
  }
  // Opens the window, keeps what it showed and closes it unchanged.
  TParGenValues Shown_Values() {
    TParGenValues Values;
    Show([&] {
      Values = W().Saved_Values();
      W().Close();
    });
    return Values;
  }
  // Types Text into Edit, as the user would after selecting what is there.
  void Retype(TEdit& Edit, const String& Text) {
    Edit.SetFocus();
    Edit.SelectAll();
    P.Input.Key(VK_BACK);
    P.Input.Type(Text);
  }

  ProgramFixture P;
};

inline std::size_t Element_Index(StringView Name) {
  for (std::size_t i = 0; i < ParGen_Element_Count; ++i)
    if (ParGen_Elements[i].Name == Name) return i;
  ADD_FAILURE() << "no element " << StringToUtf8(String(Name));
  return 0;
}

inline const String& Value(const TParGenValues& Values, StringView Name) { return Values[Element_Index(Name)]; }

}  // namespace testsupport
