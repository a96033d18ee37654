// The Set Communication window's layout, folding, keys and focus, and a
// picture of it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/SetCommunicationFixture.h"

namespace {

class SetCommunicationLayout : public testsupport::SetCommunicationFixture {
 protected:
  struct TPlaces {
    int DALI_Height, SNMP_Top, SNMP_Height, Buttons_Top, Client_Height;
  };
  TPlaces Places() {
    return {W().GB_DALI->Height(), W().GB_SNMP_Agent->Top(), W().GB_SNMP_Agent->Height(), W().Btn_OK->Top(),
            W().ClientHeight()};
  }
  static void Expect_Places(const TPlaces& A, const TPlaces& E) {
    EXPECT_EQ(A.DALI_Height, E.DALI_Height);
    EXPECT_EQ(A.SNMP_Top, E.SNMP_Top);
    EXPECT_EQ(A.SNMP_Height, E.SNMP_Height);
    EXPECT_EQ(A.Buttons_Top, E.Buttons_Top);
    EXPECT_EQ(A.Client_Height, E.Client_Height);
  }
};

TEST_F(SetCommunicationLayout, TheWindowAsCreated) {
  EXPECT_EQ(W().Caption(), u"Set Communication");
  EXPECT_EQ(W().L_SW_Desc->Caption(), u"Set Communication Setting");
  EXPECT_EQ(W().ClientWidth(), 312);
  EXPECT_EQ(W().GB_DALI->Caption(), u" DALI ");
  EXPECT_EQ(W().CB_DALI_En_DALI2->Hint(), u"Enable the DALI 2 protocol");
  EXPECT_EQ(W().E_SNMP_Agent_GAT[2]->Hint(), u"Insert third byte of Default Gateway");
  EXPECT_EQ(W().Btn_SNMP_Agent_Expande->Hint(), u"Expand");
  EXPECT_EQ(W().Btn_Cancel->Caption(), u"Cancel");
  EXPECT_EQ(W().CB_SNMP_Agent_Ver3->Caption(), u"3");
  EXPECT_EQ(W().CB_SNMP_Agent_Priv_Mode->Items().Count(), 2);
  EXPECT_EQ(W().CB_SNMP_Agent_Secure_Lev->Style(), csDropDownList);
  Expect_Places(Places(), {124, 209, 346, 568, 609});
  EXPECT_EQ(W().Btn_Cancel->Left(), 192);
  EXPECT_FALSE(W().E_SNMP_Agent_User->Visible());
}

TEST_F(SetCommunicationLayout, VersionThreeAndTheSecurityLevelShowTheirRows) {
  Show([&] {
    P.Input.Click(*W().CB_SNMP_Agent_Ver3, Point(6, 8));
    EXPECT_TRUE(W().E_SNMP_Agent_User->Visible() && W().CB_SNMP_Agent_Secure_Lev->Visible());
    EXPECT_FALSE(W().E_SNMP_Agent_Auth_Pass->Visible());
    EXPECT_EQ(W().GB_SNMP_Agent->Height(), 417);
    P.Input.Key(*W().CB_SNMP_Agent_Secure_Lev, VK_DOWN);  // "Auth NoPriv"
    EXPECT_EQ(W().CB_SNMP_Agent_Secure_Lev->Text(), u"Auth NoPriv");
    EXPECT_TRUE(W().L_SNMP_Agent_Auth_Mode->Visible() && W().CB_SNMP_Agent_Auth_Mode->Visible());
    EXPECT_FALSE(W().L_SNMP_Agent_Priv_Pass->Visible() || W().CB_SNMP_Agent_Priv_Mode->Visible());
    Expect_Places(Places(), {124, 209, 485, 209 + 485 + 13, 209 + 485 + 54});
    P.Input.Key(VK_DOWN);  // "Auth Priv"
    EXPECT_TRUE(W().E_SNMP_Agent_Priv_Pass->Visible());
    EXPECT_EQ(W().GB_SNMP_Agent->Height(), 553);
    P.Input.Click(*W().CB_SNMP_Agent_Ver3, Point(6, 8));
    EXPECT_FALSE(W().E_SNMP_Agent_User->Visible() || W().E_SNMP_Agent_Priv_Pass->Visible());
    EXPECT_EQ(W().GB_SNMP_Agent->Height(), 346);
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_Cancel);
  });
}

TEST_F(SetCommunicationLayout, AFoldedGroupStaysFoldedAcrossShowings) {
  Show([&] {
    P.Input.Click(*W().Btn_DALI_Collapse);
    Expect_Places(Places(), {26, 111, 346, 111 + 346 + 13, 111 + 346 + 54});
    EXPECT_FALSE(W().GB_DALI_Visible);
    EXPECT_FALSE(W().L_DALI_Console_Port->Visible() || W().E_DALI_Console_Port->Visible());
    EXPECT_FALSE(W().Btn_DALI_Collapse->Visible());
    EXPECT_TRUE(W().Btn_DALI_Expande->Visible());
    P.Input.Click(*W().Btn_SNMP_Agent_Collapse);
    Expect_Places(Places(), {26, 111, 26, 111 + 26 + 13, 111 + 26 + 54});
    EXPECT_FALSE(W().L_SNMP_Agent_IP_Add->Visible());
    W().Close();
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
  Show([&] {
    Expect_Places(Places(), {26, 111, 26, 150, 191});
    EXPECT_TRUE(W().Btn_DALI_Expande->Visible() && W().Btn_SNMP_Agent_Expande->Visible());
    P.Input.Click(*W().Btn_DALI_Expande);
    P.Input.Click(*W().Btn_SNMP_Agent_Expande);
    Expect_Places(Places(), {124, 209, 346, 568, 609});
    EXPECT_TRUE(W().E_DALI_Console_Port->Visible() && W().L_SNMP_Agent_IP_Add->Visible());
    EXPECT_TRUE(W().Btn_DALI_Collapse->Visible() && !W().Btn_DALI_Expande->Visible());
    P.Input.Click(*W().Btn_Cancel);
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(SetCommunicationLayout, TheDotKeyMovesAlongTheAddressEdits) {
  Show([&] {
    W().E_SNMP_Agent_IP[0]->SetFocus();
    W().E_SNMP_Agent_IP[0]->SelectAll();
    P.Input.Type(u"10.1.2.3.255.255.0.0.10.1.2.254.");
    const String Address[] = {u"10", u"1", u"2", u"3"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(W().E_SNMP_Agent_IP[i]->Text(), Address[i]);
    EXPECT_EQ(W().E_SNMP_Agent_SM[0]->Text(), u"255");  // each edit's own text is replaced on entry
    EXPECT_EQ(W().E_SNMP_Agent_GAT[3]->Text(), u"254");
    EXPECT_TRUE(W().E_SNMP_Agent_GAT[3]->Focused());  // nothing follows the last gateway octet
    // Elsewhere the dot is an ordinary character.
    W().E_SNMP_Agent_Contact->SetFocus();
    P.Input.Type(u"a.b");
    EXPECT_EQ(W().E_SNMP_Agent_Contact->Text(), u"a.b");
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_Cancel);
  });
}

TEST_F(SetCommunicationLayout, EditsKeepTheirLengthLimits) {
  const String Long = u"abcdefghijklmnopqrstuvwxyz";
  const struct {
    TEdit* TFParGen::*Edit;
    std::size_t Limit;
  } Cases[] = {{&TFParGen::E_SNMP_Agent_Name_Of_Station, 15}, {&TFParGen::E_SNMP_Agent_Contact, 16},
               {&TFParGen::E_SNMP_Agent_Location, 16},        {&TFParGen::E_SNMP_Agent_User, 19},
               {&TFParGen::E_SNMP_Agent_Auth_Pass, 15},       {&TFParGen::E_SNMP_Agent_Priv_Pass, 15}};
  Show([&] {
    W().CB_SNMP_Agent_Ver3->SetChecked(true);
    W().CB_SNMP_Agent_Secure_Lev->SetItemIndex(2);
    W().CB_SNMP_Agent_Secure_Lev->OnChange(W().CB_SNMP_Agent_Secure_Lev);
    for (const auto& Case : Cases) {
      Retype(*(W().*Case.Edit), Long);
      EXPECT_EQ((W().*Case.Edit)->Text(), Long.substr(0, Case.Limit)) << Case.Limit;
    }
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_Cancel);
  });
}

TEST_F(SetCommunicationLayout, TabFollowsTheRowsAndPassesAFoldedGroupBy) {
  std::vector<TControl*> Order;
  const auto Tabs = [&](TWinControl& From, int Count) {
    Order.clear();
    From.SetFocus();
    for (int i = 0; i < Count; ++i) {
      P.Input.Key(VK_TAB);
      Order.push_back(Screen->ActiveControl());
    }
  };
  Show([&] {
    Tabs(*W().E_DALI_Console_Port, 5);
    EXPECT_EQ(Order, (std::vector<TControl*>{W().CB_DALI_Disable_Scan, W().CB_DALI_En_DALI2, W().Btn_DALI_Collapse,
                                             W().E_SNMP_Agent_IP[0], W().E_SNMP_Agent_IP[1]}));
    Tabs(*W().E_SNMP_Agent_GAT[3], 8);
    EXPECT_EQ(Order, (std::vector<TControl*>{W().E_SNMP_Agent_Name_Of_Station, W().E_SNMP_Agent_Contact,
                                             W().E_SNMP_Agent_Location, W().CB_SNMP_Agent_Ver1, W().CB_SNMP_Agent_Ver2,
                                             W().CB_SNMP_Agent_Ver3, W().Btn_SNMP_Agent_Collapse, W().Btn_OK}));
    P.Input.Click(*W().Btn_DALI_Collapse);
    Tabs(*W().Btn_DALI_Expande, 2);
    EXPECT_EQ(Order, (std::vector<TControl*>{W().E_SNMP_Agent_IP[0], W().E_SNMP_Agent_IP[1]}));
    P.Input.Click(*W().Btn_DALI_Expande);
    Tabs(*W().E_DALI_Console_Port, 1);
    EXPECT_EQ(Order, (std::vector<TControl*>{W().CB_DALI_Disable_Scan}));
    P.Input.Click(*W().Btn_Cancel);
  });
}

// Set GX_SNAPSHOT_DIR to keep the picture for a look.
TEST_F(SetCommunicationLayout, APictureOfTheWindowWithVersionThree) {
  testsupport::WriteFile(File(), "<Par_Gen><SNMP_Agent_VERSION3>1</SNMP_Agent_VERSION3>"
                                 "<SNMP_Agent_VER3_SECURITY_LEVEL>Auth NoPriv</SNMP_Agent_VER3_SECURITY_LEVEL>"
                                 "<SNMP_Agent_EN_GAT>1</SNMP_Agent_EN_GAT></Par_Gen>");
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path Png_File = (Keep ? std::filesystem::path(Keep) : P.Dir.Path()) / "SetCommunication.png";
  Show([&] {
    ASSERT_TRUE(platform::RenderToPng(W(), S(Png_File.string())));
    W().Close();
  });
  TPngImage Png;
  Png.LoadFromFile(S(Png_File.string()));
  EXPECT_EQ(Png.Width(), 312);
  EXPECT_EQ(Png.Height(), 209 + 485 + 54);
  EXPECT_EQ(Png.Bitmap().Pixels().Pixel(308, 300), RGB(248, 247, 237));  // right of the groups
}
}  // namespace
