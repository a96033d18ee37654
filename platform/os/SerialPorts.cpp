#include "platform/os/SerialPorts.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <tuple>

#include "platform/sys/Files.h"
#include "platform/sys/SysUtils.h"

namespace {

constexpr const char16_t* Families[] = {u"ttyS", u"ttyUSB", u"ttyACM"};

struct Device {
  int Number;
  int Family;
  String Name;
};

// A port exists when it opens, or when the open is refused because someone
// holds it or we may not use it. Non-blocking so a modem line cannot stall.
bool PortExists(const String& Path) {
  const int Fd = ::open(StringToUtf8(Path).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (Fd >= 0) {
    ::close(Fd);
    return true;
  }
  return errno == EACCES || errno == EBUSY;
}

// The device number after Prefix, or -1 when the rest is not a plain number.
int DeviceNumber(const String& Name, StringView Prefix) {
  if (Name.size() <= Prefix.size() || Name.compare(0, Prefix.size(), Prefix) != 0) return -1;
  const String Digits = Name.substr(Prefix.size());
  if (!std::all_of(Digits.begin(), Digits.end(), [](Char C) { return C >= u'0' && C <= u'9'; })) return -1;
  return StrToIntDef(Digits, -1);
}

}  // namespace

std::vector<String> ListSerialDevices(const String& DeviceDir) {
  std::vector<Device> Found;
  for (int F = 0; F < 3; ++F) {
    const String Prefix = Families[F];
    for (const String& Name : FindFiles(DeviceDir, Prefix + u"*", fkFiles)) {
      const int N = DeviceNumber(Name, Prefix);
      if (N >= 0 && PortExists(Join(DeviceDir, Name))) Found.push_back({N, F, Name});
    }
  }
  std::sort(Found.begin(), Found.end(),
            [](const Device& L, const Device& R) { return std::tie(L.Number, L.Family) < std::tie(R.Number, R.Family); });
  std::vector<String> Result;
  for (Device& D : Found) Result.push_back(std::move(D.Name));
  return Result;
}
