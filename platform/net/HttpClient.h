#pragma once
// One HTTP GET with the body as text, behind a service that tests replace.
// The real client speaks HTTP/1.0 without cookies, proxy or redirects and
// always gives up after a finite time.
#include <memory>
#include <vector>

#include "platform/sys/String.h"

struct THttpResult {
  bool Ok = false;
  int Status = 0;  // the HTTP status when a reply came, else 0
  String Body;     // the reply's body (UTF-8 when valid, else Windows-1252)
  String Reason;   // why it failed; empty when Ok
};

// A reply body as text: UTF-8 when it is valid UTF-8, else Windows-1252.
String HttpBodyText(std::string_view Bytes);

class THttpService {
 public:
  virtual ~THttpService() = default;
  // Headers are whole lines ("Accept: text/html"). Only a 2xx reply is Ok.
  virtual THttpResult Get(const String& Url, const std::vector<String>& Headers) = 0;
};

// The libcurl client. Time-outs in milliseconds; the defaults are the
// program's, tests pass short ones.
class THttpClient : public THttpService {
 public:
  explicit THttpClient(unsigned ConnectTimeoutMs = 5000, unsigned TotalTimeoutMs = 10000);
  THttpResult Get(const String& Url, const std::vector<String>& Headers) override;

 private:
  unsigned FConnectTimeoutMs;
  unsigned FTotalTimeoutMs;
};

// The service in use; null restores the real client.
void SetHttpService(THttpService* Service);
THttpService& HttpService();
