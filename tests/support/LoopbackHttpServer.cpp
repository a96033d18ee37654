#include "tests/support/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace testsupport {

namespace {

std::string ReasonPhrase(int Status) { return Status >= 200 && Status < 300 ? "OK" : "Status"; }

void SendAll(int Fd, const std::string& Data) {
  std::size_t Done = 0;
  while (Done < Data.size()) {
    const ssize_t N = ::send(Fd, Data.data() + Done, Data.size() - Done, MSG_NOSIGNAL);
    if (N <= 0) return;
    Done += static_cast<std::size_t>(N);
  }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(int Status, std::string Body)
    : LoopbackHttpServer(Status, std::move(Body), {}) {}

LoopbackHttpServer::LoopbackHttpServer(int Status, std::string Body, std::vector<std::string> Headers)
    : status_(Status), body_(std::move(Body)), headers_(std::move(Headers)) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in A{};
  A.sin_family = AF_INET;
  A.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t Len = sizeof A;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&A), Len) != 0 || ::listen(listener_, 8) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&A), &Len) != 0 || ::pipe2(stop_, O_CLOEXEC) != 0)
    throw std::runtime_error("cannot start the loopback HTTP server");
  port_ = ntohs(A.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  [[maybe_unused]] const ssize_t Sent = ::write(stop_[1], "x", 1);
  thread_.join();
  for (int Fd : {listener_, stop_[0], stop_[1]}) ::close(Fd);
}

std::string LoopbackHttpServer::Url(std::string_view Path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(Path);
}

std::vector<std::string> LoopbackHttpServer::Requests() const {
  std::lock_guard<std::mutex> G(lock_);
  return requests_;
}

void LoopbackHttpServer::Serve() {
  for (;;) {
    pollfd P[2] = {{listener_, POLLIN, 0}, {stop_[0], POLLIN, 0}};
    if (::poll(P, 2, -1) < 0) return;
    if (P[1].revents) return;
    const int Client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (Client < 0) continue;
    Answer(Client);
    ::close(Client);
  }
}

// Reads the request head, then replies, or (never answering) waits until the
// server stops.
void LoopbackHttpServer::Answer(int Client) {
  std::string Head;
  char Buf[1024];
  while (Head.find("\r\n\r\n") == std::string::npos) {
    pollfd P[2] = {{Client, POLLIN, 0}, {stop_[0], POLLIN, 0}};
    if (::poll(P, 2, -1) < 0 || P[1].revents) return;
    const ssize_t N = ::recv(Client, Buf, sizeof Buf, 0);
    if (N <= 0) return;
    Head.append(Buf, static_cast<std::size_t>(N));
  }
  {
    std::lock_guard<std::mutex> G(lock_);
    requests_.push_back(Head.substr(0, Head.find("\r\n\r\n")));
  }
  if (status_ == NeverAnswer) {
    pollfd P = {stop_[0], POLLIN, 0};
    ::poll(&P, 1, -1);
    return;
  }
  std::string Reply = "HTTP/1.0 " + std::to_string(status_) + " " + ReasonPhrase(status_) + "\r\n";
  for (const std::string& H : headers_) Reply += H + "\r\n";
  Reply += "Content-Type: text/html\r\nContent-Length: " + std::to_string(body_.size()) + "\r\n\r\n" + body_;
  SendAll(Client, Reply);
}

LoopbackHttpService::LoopbackHttpService(const LoopbackHttpServer& Server, unsigned TotalTimeoutMs)
    : server_(Server), client_(TotalTimeoutMs, TotalTimeoutMs) {
  SetHttpService(this);
}

LoopbackHttpService::~LoopbackHttpService() { SetHttpService(nullptr); }

THttpResult LoopbackHttpService::Get(const String& Url, const std::vector<String>& Headers) {
  urls_.push_back(Url);
  const std::size_t Scheme = Url.find(u"://");
  const std::size_t Path = Scheme == String::npos ? String::npos : Url.find(u'/', Scheme + 3);
  const String Rest = Path == String::npos ? String(u"/") : Url.substr(Path);
  return client_.Get(S(server_.Url("")) + Rest, Headers);
}

}  // namespace testsupport
