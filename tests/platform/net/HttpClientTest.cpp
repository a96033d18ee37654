#include "platform/net/HttpClient.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "tests/support/LoopbackHttpServer.h"

using testsupport::LoopbackHttpServer;

namespace {

THttpResult Fetch(const LoopbackHttpServer& Server, unsigned TotalMs = 5000) {
  THttpClient Client(1000, TotalMs);
  return Client.Get(S(Server.Url("/home/download/GetversionSW.asp?nomesw=QX4410")), {u"Accept: text/html"});
}

// Sets an environment variable for the scope and restores the old value.
class EnvVar {
 public:
  EnvVar(const char* Name, const char* Value) : name_(Name) {
    if (const char* Old = std::getenv(Name)) old_ = Old;
    ::setenv(Name, Value, 1);
  }
  ~EnvVar() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

TEST(HttpClient, BodyOfA2xxReplyIsTheText) {
  struct Case {
    int Status;
    std::string Body;
  } Cases[] = {{200, "VER. 1.001"}, {200, "VER. 9.999"}, {200, "<html>garbage</html>"}, {200, ""}, {204, ""}};
  for (const Case& C : Cases) {
    LoopbackHttpServer Server(C.Status, C.Body);
    const THttpResult R = Fetch(Server);
    EXPECT_TRUE(R.Ok) << C.Body << ": " << StringToUtf8(R.Reason);
    EXPECT_EQ(R.Status, C.Status);
    EXPECT_EQ(R.Body, S(C.Body));
  }
}

TEST(HttpClient, SendsOneHttp10GetWithTheGivenHeadersAndNoCookie) {
  LoopbackHttpServer Server(200, "VER. 1.001");
  Fetch(Server);
  const auto Requests = Server.Requests();
  ASSERT_EQ(Requests.size(), 1u);
  EXPECT_EQ(Requests[0].substr(0, Requests[0].find("\r\n")),
            "GET /home/download/GetversionSW.asp?nomesw=QX4410 HTTP/1.0");
  EXPECT_NE(Requests[0].find("\r\nAccept: text/html"), std::string::npos);
  EXPECT_EQ(Requests[0].find("Cookie"), std::string::npos);
}

TEST(HttpClient, ABodyOverOneMebibyteIsRefused) {
  constexpr std::size_t Limit = 1 << 20;
  for (const std::size_t Size : {Limit, Limit + 1}) {
    LoopbackHttpServer Server(200, std::string(Size, 'x'));
    const THttpResult R = Fetch(Server);
    EXPECT_EQ(R.Ok, Size == Limit) << Size;
    EXPECT_EQ(R.Body.size(), Size == Limit ? Size : 0u) << Size;
  }
}

TEST(HttpClient, NonSuccessStatusIsAFailureWithTheStatus) {
  for (int Status : {404, 500}) {
    LoopbackHttpServer Server(Status, "<html>Not Found</html>");
    const THttpResult R = Fetch(Server);
    EXPECT_FALSE(R.Ok);
    EXPECT_EQ(R.Status, Status);
    EXPECT_TRUE(R.Body.empty());
    EXPECT_NE(R.Reason.find(S(std::to_string(Status))), String::npos);
  }
}

TEST(HttpClient, RedirectIsNotFollowed) {
  LoopbackHttpServer Target(200, "VER. 9.999");
  LoopbackHttpServer Server(302, "", {"Location: " + Target.Url("/")});
  const THttpResult R = Fetch(Server);
  EXPECT_FALSE(R.Ok);
  EXPECT_EQ(R.Status, 302);
  EXPECT_TRUE(Target.Requests().empty());
}

TEST(HttpClient, ProxyFromTheEnvironmentIsIgnored) {
  EnvVar Http("http_proxy", "http://127.0.0.1:1");
  EnvVar All("ALL_PROXY", "http://127.0.0.1:1");
  LoopbackHttpServer Server(200, "VER. 1.001");
  const THttpResult R = Fetch(Server);
  EXPECT_TRUE(R.Ok) << StringToUtf8(R.Reason);
  EXPECT_EQ(R.Body, u"VER. 1.001");
}

TEST(HttpClient, SilentServerEndsInTheTimeOut) {
  LoopbackHttpServer Server(LoopbackHttpServer::NeverAnswer, "");
  const THttpResult R = Fetch(Server, 300);
  EXPECT_FALSE(R.Ok);
  EXPECT_EQ(R.Status, 0);
  EXPECT_FALSE(R.Reason.empty());
}

TEST(HttpClient, NoServerIsAFailureWithAReason) {
  int Port;
  {
    LoopbackHttpServer Gone(200, "");
    Port = Gone.Port();
  }
  THttpClient Client(1000, 2000);
  const THttpResult R = Client.Get(S("http://127.0.0.1:" + std::to_string(Port) + "/"), {});
  EXPECT_FALSE(R.Ok);
  EXPECT_FALSE(R.Reason.empty());
}

TEST(HttpClient, OnlyHttpUrlsAreFetched) {
  THttpClient Client(1000, 2000);
  const THttpResult R = Client.Get(u"file:///etc/hostname", {});
  EXPECT_FALSE(R.Ok);
  EXPECT_TRUE(R.Body.empty());
}

TEST(HttpClient, ServiceCanBeReplaced) {
  struct Fake : THttpService {
    THttpResult Get(const String& Url, const std::vector<String>&) override {
      THttpResult R;
      R.Ok = true;
      R.Body = Url;
      return R;
    }
  } F;
  SetHttpService(&F);
  EXPECT_EQ(HttpService().Get(u"http://x/", {}).Body, u"http://x/");
  SetHttpService(nullptr);
  EXPECT_NE(&HttpService(), static_cast<THttpService*>(&F));
}
