#include "platform/net/HttpClient.h"

#include <curl/curl.h>

#include <mutex>

#include "platform/sys/CodePage.h"

namespace {

// A reply body larger than this is refused rather than held in memory.
constexpr std::size_t MaxBody = 1 << 20;

void GlobalInit() {
  static std::once_flag Once;
  std::call_once(Once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter {
  void operator()(CURL* C) const { curl_easy_cleanup(C); }
};
struct SlistDeleter {
  void operator()(curl_slist* L) const { curl_slist_free_all(L); }
};

size_t Collect(char* Data, size_t Size, size_t Count, void* User) {
  auto& Body = *static_cast<std::string*>(User);
  const size_t N = Size * Count;
  if (Body.size() + N > MaxBody) return 0;  // makes curl fail the transfer
  Body.append(Data, N);
  return N;
}

void Configure(CURL* C, const std::string& Url, curl_slist* Headers, std::string& Body, char* Error,
               unsigned ConnectMs, unsigned TotalMs) {
  curl_easy_setopt(C, CURLOPT_URL, Url.c_str());
  curl_easy_setopt(C, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(C, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(C, CURLOPT_PROXY, "");  // also when the environment names one
  curl_easy_setopt(C, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(C, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(ConnectMs));
  curl_easy_setopt(C, CURLOPT_TIMEOUT_MS, static_cast<long>(TotalMs));
  curl_easy_setopt(C, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(C, CURLOPT_HTTPHEADER, Headers);
  curl_easy_setopt(C, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(C, CURLOPT_WRITEDATA, &Body);
  curl_easy_setopt(C, CURLOPT_ERRORBUFFER, Error);
}

THttpResult Failure(String Reason, int Status = 0) {
  THttpResult R;
  R.Status = Status;
  R.Reason = std::move(Reason);
  return R;
}

}  // namespace

THttpClient::THttpClient(unsigned ConnectTimeoutMs, unsigned TotalTimeoutMs)
    : FConnectTimeoutMs(ConnectTimeoutMs), FTotalTimeoutMs(TotalTimeoutMs) {}

THttpResult THttpClient::Get(const String& Url, const std::vector<String>& Headers) {
  GlobalInit();
  std::unique_ptr<CURL, CurlDeleter> C(curl_easy_init());
  if (!C) return Failure(u"The HTTP client could not be created");
  std::unique_ptr<curl_slist, SlistDeleter> List;
  for (const String& H : Headers) {
    curl_slist* Next = curl_slist_append(List.get(), StringToUtf8(H).c_str());
    if (!Next) return Failure(u"Out of memory");
    List.release();
    List.reset(Next);
  }
  std::string Body;
  char Error[CURL_ERROR_SIZE] = {};
  Configure(C.get(), StringToUtf8(Url), List.get(), Body, Error, FConnectTimeoutMs, FTotalTimeoutMs);
  const CURLcode Code = curl_easy_perform(C.get());
  if (Code != CURLE_OK) return Failure(S(Error[0] ? Error : curl_easy_strerror(Code)));
  long Status = 0;
  curl_easy_getinfo(C.get(), CURLINFO_RESPONSE_CODE, &Status);
  if (Status < 200 || Status > 299) return Failure(u"HTTP status " + S(std::to_string(Status)), static_cast<int>(Status));
  THttpResult R;
  R.Ok = true;
  R.Status = static_cast<int>(Status);
  R.Body = HttpBodyText(Body);
  return R;
}

namespace {
THttpService*& Installed() {
  static THttpService* S = nullptr;
  return S;
}
}  // namespace

void SetHttpService(THttpService* Service) { Installed() = Service; }

THttpService& HttpService() {
  static THttpClient Real;
  return Installed() ? *Installed() : Real;
}

String HttpBodyText(std::string_view Bytes) {
  return FindInvalidUtf8(Bytes) == std::string_view::npos ? Utf8ToString(Bytes) : AnsiToString(Bytes);
}
