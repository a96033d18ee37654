#pragma once
// A one-thread HTTP server on 127.0.0.1 (a free port) for tests of the HTTP
// client and the update check: every request gets the same canned reply,
// or none at all (the connection is held open until the server stops).
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/net/HttpClient.h"

namespace testsupport {

class LoopbackHttpServer {
 public:
  // A reply with this status line code and body; NeverAnswer holds every
  // connection silent instead.
  LoopbackHttpServer(int Status, std::string Body);
  static constexpr int NeverAnswer = 0;
  // Extra header lines for the reply ("Location: http://...").
  LoopbackHttpServer(int Status, std::string Body, std::vector<std::string> Headers);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>" + Path.
  std::string Url(std::string_view Path) const;
  // The head of every request received (request line and header lines).
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Answer(int Client);

  int status_;
  std::string body_;
  std::vector<std::string> headers_;
  int listener_ = -1;
  int port_ = 0;
  int stop_[2] = {-1, -1};
  mutable std::mutex lock_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// The HTTP service for tests of callers with a fixed host: every GET goes to
// Server instead (path and query kept), through the real client with short
// time-outs. It installs itself and restores the real service when destroyed.
class LoopbackHttpService : public THttpService {
 public:
  explicit LoopbackHttpService(const LoopbackHttpServer& Server, unsigned TotalTimeoutMs = 500);
  ~LoopbackHttpService() override;
  THttpResult Get(const String& Url, const std::vector<String>& Headers) override;
  // The URLs asked for, as the caller gave them.
  const std::vector<String>& Urls() const { return urls_; }

 private:
  const LoopbackHttpServer& server_;
  THttpClient client_;
  std::vector<String> urls_;
};

}  // namespace testsupport
