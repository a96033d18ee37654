#include "app/VersionCheck.h"

#include "app/Maker.h"
#include "platform/net/HttpClient.h"
#include "platform/sys/SysUtils.h"

int Conv_Version(StringView Ver_str) {
  const int Blank = Pos(u" ", Ver_str);
  const String T = Trim(Blank > 0 ? Copy(Ver_str, Blank + 1) : String(Ver_str));
  if (T.size() < 5) return -1;
  const String Digits = Copy(T, 1, 1) + Copy(T, 3, 3);
  return StrToIntDef(Digits, -1);
}

String Update_Query_URL(StringView SW_Code) {
  return String(Maker_Host) + String(u"/home/download/GetversionSW.asp?nomesw=") + String(SW_Code);
}

std::vector<String> Update_Query_Headers() {
  return {u"Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8",
          u"User-Agent: Mozilla/3.0 (compatible; Indy Library)"};
}

TVersionCheck Version_Reply_Check(StringView Reply) {
  const String R = UpperCase(Trim(Reply));
  if (R.empty() || R == u"VER. 0.000") return vcNotNewer;
  const int Local = Conv_Version(Program_Version);
  const int Remote = Conv_Version(Trim(Reply));
  if (Local == -1 || Remote == -1) return vcFailure;
  return Remote > Local ? vcNewer : vcNotNewer;
}

TVersionCheck Query_Update_Service(StringView SW_Code) {
  const THttpResult R = HttpService().Get(Update_Query_URL(SW_Code), Update_Query_Headers());
  return R.Ok ? Version_Reply_Check(R.Body) : vcFailure;
}
