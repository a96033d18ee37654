#include <gtest/gtest.h>

#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"

namespace {
struct ButtonForm {
  TForm* Form = new TForm(nullptr);
  TButton* Button = new TButton(Form);
  testsupport::InputDriver Input;
  ButtonForm() {
    Button->SetParent(Form);
    Form->Show();
  }
  ~ButtonForm() { delete Form; }
};

TEST(Application, AnExceptionInAClickHandlerShowsOneErrorBoxAndTheProgramGoesOn) {
  ButtonForm f;
  testsupport::MessageBoxResponder boxes;
  int clicks = 0;
  f.Button->OnClick = [&](TObject*) {
    ++clicks;
    throw Exception(u"Invalid value");
  };
  f.Input.Click(*f.Button);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].Kind, mtError);
  EXPECT_EQ(boxes.Boxes()[0].Caption, u"test_platform_gui");
  EXPECT_EQ(boxes.Boxes()[0].Text, u"Invalid value");
  EXPECT_EQ(boxes.Boxes()[0].Buttons, static_cast<TMsgDlgButtons>(mbOK));
  f.Input.Click(*f.Button);  // still alive and clickable
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(boxes.Boxes().size(), 2u);
}

TEST(Application, EAbortShowsNothing) {
  ButtonForm f;
  testsupport::MessageBoxResponder boxes;
  f.Button->OnClick = [](TObject*) { throw EAbort(); };
  f.Input.Click(*f.Button);
  f.Input.Key(*f.Button, VK_SPACE);
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(Application, ExceptionsInPostedMessagesAndTimersAreTrappedToo) {
  testsupport::MessageBoxResponder boxes;
  const HWND w = AllocateHWnd([](TMessage&) { throw Exception(u"posted"); });
  PostMessage(w, WM_USER);
  testsupport::InputDriver().Pump();
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    throw std::runtime_error("tick");
  };
  testsupport::InputDriver().Advance(10);
  DeallocateHWnd(w);
  ASSERT_EQ(boxes.Boxes().size(), 2u);
  EXPECT_EQ(boxes.Boxes()[0].Text, u"posted");
  EXPECT_EQ(boxes.Boxes()[1].Text, u"tick");
}

TEST(Application, MessageDlgUsesTheStandardCaptionsAndButtons) {
  testsupport::MessageBoxResponder boxes;
  boxes.Answer(mrNo);
  EXPECT_EQ(MessageDlg(u"Sure?", mtConfirmation, mbYesNo), mrNo);
  MessageDlg(u"e", mtError, mbOK);
  MessageDlg(u"w", mtWarning, mbOK);
  MessageDlg(u"i", mtInformation, mbOK);
  ASSERT_EQ(boxes.Boxes().size(), 4u);
  EXPECT_EQ(boxes.Boxes()[0].Caption, u"Confirm");
  EXPECT_EQ(boxes.Boxes()[0].Buttons, static_cast<TMsgDlgButtons>(mbYesNo));
  EXPECT_EQ(boxes.Boxes()[1].Caption, u"Error");
  EXPECT_EQ(boxes.Boxes()[2].Caption, u"Warning");
  EXPECT_EQ(boxes.Boxes()[3].Caption, u"Information");
  EXPECT_EQ(MsgDlgButtonText(mbOK), u"OK");
  EXPECT_EQ(MsgDlgButtonText(mbYes), u"&Yes");
  EXPECT_EQ(MsgDlgButtonText(mbNo), u"&No");
}

TEST(Application, SaveDialogAppendsTheDefaultExtensionOnlyWhenTheNameHasNone) {
  testsupport::MessageBoxResponder boxes;
  TSaveDialog dlg(nullptr);
  dlg.SetFilter(u"MIB files (*.mib)|*.mib");
  dlg.SetDefaultExt(u"mib");
  dlg.SetInitialDir(u"/tmp/projects");
  boxes.AnswerFile(u"/tmp/projects/gateway");
  boxes.AnswerFile(u"/tmp/projects/gateway.txt");
  boxes.AnswerFile(u"");
  ASSERT_TRUE(dlg.Execute());
  EXPECT_EQ(dlg.FileName(), u"/tmp/projects/gateway.mib");
  ASSERT_TRUE(dlg.Execute());
  EXPECT_EQ(dlg.FileName(), u"/tmp/projects/gateway.txt");
  EXPECT_FALSE(dlg.Execute());
  ASSERT_EQ(boxes.FileRequests().size(), 3u);
  EXPECT_TRUE(boxes.FileRequests()[0].Save);
  EXPECT_EQ(boxes.FileRequests()[0].InitialDir, u"/tmp/projects");
}

TEST(Application, ShellOpenGoesToTheService) {
  testsupport::ShellRecorder shell;
  EXPECT_TRUE(ShellOpen(u"http://www.example.com/"));
  EXPECT_EQ(shell.Opened(), (std::vector<String>{u"http://www.example.com/"}));
}
}  // namespace
