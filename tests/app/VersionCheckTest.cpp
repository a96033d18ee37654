#include "app/VersionCheck.h"

#include <gtest/gtest.h>

#include "app/Maker.h"
#include "app/MakerSite.h"
#include "tests/support/LoopbackHttpServer.h"

using testsupport::LoopbackHttpServer;
using testsupport::LoopbackHttpService;

namespace {

TEST(VersionCheck, ConvVersion) {
  const struct {
    const char16_t* Text;
    int Version;
  } Cases[] = {
      {u"VER. 1.002", 1002}, {u"1.001", 1001},      {u"VER.  0.999 ", 999}, {u"VER. 1.0019", 1001},
      {u"VER. 1.00", -1},    {u"VER. ", -1},        {u"VER.", -1},          {u"", -1},
      {u"VER. a.bcd", -1},   {u"VER. 1.2 3", -1},   {u"x 12345", 1345},     {u"VER. 9.999", 9999},
  };
  for (const auto& C : Cases) EXPECT_EQ(Conv_Version(C.Text), C.Version) << StringToUtf8(C.Text);
}

TEST(VersionCheck, ReplyAgainstOwnVersion) {
  const struct {
    const char16_t* Reply;
    TVersionCheck Result;
  } Cases[] = {
      {u"VER. 1.001", vcNewer},       {u"1.001", vcNewer},           {u"  ver. 2.000\r\n", vcNewer},
      {u"VER. 9.999", vcNewer},       {u"VER. 1.000", vcNotNewer},   {u"VER. 0.999", vcNotNewer},
      {u"VER. 0.000", vcNotNewer},    {u"ver. 0.000", vcNotNewer},   {u"", vcNotNewer},
      {u" \r\n", vcNotNewer},         {u"VER. 1.0", vcFailure},      {u"<html><body>Server Error</body></html>", vcFailure},
      {u"garbage", vcFailure},
  };
  for (const auto& C : Cases) EXPECT_EQ(Version_Reply_Check(C.Reply), C.Result) << StringToUtf8(C.Reply);
}

TEST(VersionCheck, UrlsUseTheMakersHost) {
  EXPECT_EQ(Update_Query_URL(u"QX4410"), String(Maker_Host) + u"/home/download/GetversionSW.asp?nomesw=QX4410");
  EXPECT_EQ(Download_Page_URL(), String(Maker_Host) + u"/Home/download/download.asp#GX4410");
  EXPECT_EQ(Product_Page_URL(), String(Maker_Host) + u"/HOME/default.asp?frompg=QX4410");
}

TEST(VersionCheck, QueryAgainstALoopbackServer) {
  const struct {
    int Status;
    const char* Body;
    TVersionCheck Result;
  } Cases[] = {
      {200, "VER. 1.001", vcNewer},      {200, "VER. 9.999", vcNewer},   {200, "VER. 0.000", vcNotNewer},
      {200, "<html>garbage</html>", vcFailure}, {200, "", vcNotNewer}, {404, "VER. 9.999", vcFailure},
      {LoopbackHttpServer::NeverAnswer, "", vcFailure},
  };
  for (const auto& C : Cases) {
    LoopbackHttpServer Server(C.Status, C.Body);
    LoopbackHttpService Service(Server, 300);
    EXPECT_EQ(Query_Update_Service(u"QX4410"), C.Result) << C.Status << " " << C.Body;
    ASSERT_EQ(Service.Urls().size(), 1u);
    EXPECT_EQ(Service.Urls()[0], Update_Query_URL(u"QX4410"));
    const auto Requests = Server.Requests();
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].substr(0, Requests[0].find("\r\n")),
              "GET /home/download/GetversionSW.asp?nomesw=QX4410 HTTP/1.0");
    EXPECT_NE(Requests[0].find("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)"), std::string::npos);
  }
}

}  // namespace
