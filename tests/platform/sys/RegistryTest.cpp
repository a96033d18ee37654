#include <gtest/gtest.h>

#include <climits>
#include <thread>
#include <vector>

#include "platform/sys/Exceptions.h"
#include "platform/sys/RegIniFile.h"
#include "platform/sys/Registry.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SyncObjs.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/TempRegistry.h"

namespace {

using testsupport::TempRegistry;

const String Key = u"Software\\Test\\Values";

TEST(Registry, EveryValueKindRoundTripsThroughTheStoreFile) {
  TempRegistry store;
  const String odd = String(u"a \"quoted\" \\ path\r\nnext\ttab ") + Char(0xD800) + u"€ ü" + Char(0) + u"end";
  const std::string bytes("\x00\xff\x10\x7f\n", 5);
  const std::vector<String> texts = {u"", u"plain", odd};
  const std::vector<int> numbers = {0, -1, INT_MIN, INT_MAX};
  {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    for (size_t i = 0; i < texts.size(); ++i) reg.WriteString(u"S" + IntToStr(int(i)), texts[i]);
    for (size_t i = 0; i < numbers.size(); ++i) reg.WriteInteger(u"N" + IntToStr(int(i)), numbers[i]);
    reg.WriteBool(u"B", true);
    reg.WriteBinaryData(u"Bin", bytes.data(), int(bytes.size()));
    reg.WriteBinaryData(u"Empty", nullptr, 0);
    reg.WriteString(u"", u"default value");
  }
  store.Reload();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(u"software\\TEST\\values"));
  for (size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(reg.ReadString(u"s" + IntToStr(int(i))), texts[i]) << i;
    EXPECT_EQ(reg.GetDataSize(u"S" + IntToStr(int(i))), int(texts[i].size() + 1) * 2);
  }
  for (size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(reg.ReadInteger(u"N" + IntToStr(int(i))), numbers[i]);
  EXPECT_TRUE(reg.ReadBool(u"B"));
  char buffer[8] = {};
  EXPECT_EQ(reg.ReadBinaryData(u"Bin", buffer, sizeof buffer), 5);
  EXPECT_EQ(std::string(buffer, 5), bytes);
  EXPECT_EQ(reg.ReadBinaryData(u"Empty", buffer, 0), 0);
  EXPECT_EQ(reg.ReadString(u""), u"default value");
  EXPECT_EQ(reg.GetDataType(u"N0"), rdInteger);
  EXPECT_EQ(reg.GetDataType(u"Bin"), rdBinary);
  EXPECT_EQ(reg.GetDataType(u"S1"), rdString);
  EXPECT_EQ(reg.GetDataType(u"None"), rdUnknown);
  EXPECT_EQ(reg.GetDataSize(u"None"), -1);
}

TEST(Registry, KeysOpenRelativeOrFromTheRootAndDeleteWithWhatIsBelow) {
  TempRegistry store;
  TRegistry reg;
  EXPECT_FALSE(reg.OpenKey(u"Software\\A", false));
  ASSERT_TRUE(reg.OpenKey(u"Software\\A", true));
  ASSERT_TRUE(reg.OpenKey(u"B\\C", true));
  EXPECT_EQ(reg.CurrentPath(), u"Software\\A\\B\\C");
  reg.WriteInteger(u"X", 1);
  ASSERT_TRUE(reg.OpenKey(u"\\Software\\A", false));
  EXPECT_EQ(reg.CurrentPath(), u"Software\\A");
  EXPECT_TRUE(reg.KeyExists(u"b\\c"));
  EXPECT_FALSE(reg.ValueExists(u"X"));

  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(reg.KeyExists(u"Software\\A"));
  reg.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_TRUE(reg.DeleteKey(u"Software\\A"));
  EXPECT_FALSE(reg.KeyExists(u"Software\\A\\B\\C"));
  EXPECT_TRUE(reg.KeyExists(u"Software"));
  EXPECT_FALSE(reg.DeleteKey(u"Software\\A"));
  EXPECT_THROW(reg.SetRootKey(0x1234), ERegistryException);
}

TEST(Registry, ReadsOfMissingOrOtherKindsAndForbiddenWritesRaise) {
  TempRegistry store;
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Key, true));
  reg.WriteInteger(u"N", 5);
  reg.WriteString(u"S", u"text");
  reg.WriteBinaryData(u"Bin", "abc", 3);
  EXPECT_EQ(reg.ReadString(u"Missing"), u"");
  char small[2];
  struct Case {
    const char* what;
    std::function<void()> call;
  };
  const Case cases[] = {
      {"missing integer", [&] { reg.ReadInteger(u"Missing"); }},
      {"integer read as string", [&] { reg.ReadString(u"N"); }},
      {"string read as integer", [&] { reg.ReadInteger(u"S"); }},
      {"binary into a small buffer", [&] { reg.ReadBinaryData(u"Bin", small, 2); }},
      {"string read as binary", [&] { reg.ReadBinaryData(u"S", small, 2); }},
  };
  for (const Case& c : cases) EXPECT_THROW(c.call(), ERegistryException) << c.what;

  TRegistry other;
  ASSERT_TRUE(other.OpenKeyReadOnly(Key));
  EXPECT_THROW(other.WriteString(u"S", u"x"), ERegistryException);
  EXPECT_FALSE(other.DeleteValue(u"S"));
  EXPECT_EQ(other.ReadString(u"S"), u"text");

  ASSERT_TRUE(other.DeleteKey(u"\\" + Key));
  EXPECT_THROW(reg.WriteInteger(u"N", 6), ERegistryException);  // its key is gone
  EXPECT_FALSE(reg.ValueExists(u"N"));
}

TEST(Registry, ADamagedStoreReadsAsEmptyAndIsKeptAsideBeforeTheNextWrite) {
  TempRegistry store;
  const std::string garbage = "not a registry\n[\"x\"]\n";
  for (const char* aside : {"registry.bad", "registry.1.bad"}) {
    testsupport::WriteFile(store.File(), garbage);
    store.Reload();
    testing::internal::CaptureStderr();
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(u"Software"));
    EXPECT_FALSE(reg.KeyExists(u"Software"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("registry"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(testsupport::ReadFile(store.File()), garbage);  // reading alone changes nothing

    ASSERT_TRUE(reg.OpenKey(Key, true));
    reg.WriteInteger(u"N", 7);
    EXPECT_EQ(testsupport::ReadFile(store.File().parent_path() / aside), garbage);
    store.Reload();
    ASSERT_TRUE(reg.OpenKey(u"\\" + Key, false));
    EXPECT_EQ(reg.ReadInteger(u"N"), 7);
  }
}

TEST(Registry, TheStoreFileRejectsMalformedLines) {
  TempRegistry store;
  const char* bad[] = {
      "GX registry store 1\n\"N\"=dword:1\n",                        // a value before any key
      "GX registry store 1\n[\"HKEY_CURRENT_USER\\\\A\"]\n\"N\"=dword:1x\n",
      "GX registry store 1\n[\"HKEY_CURRENT_USER\\\\A\"]\n\"N\"=hex:0\n",
      "GX registry store 1\n[\"HKEY_CURRENT_USER\\\\A\"]\n\"N\"=\"open\n",
      "GX registry store 1\n[\"HKEY_CURRENT_USER\\\\A\"]\n\"N\"=\"\\q\"\n",
      "GX registry store 1\n[\"HKEY_CURRENT_USER\\\\A\"]\n\"N\"=\"\xff\"\n",
      "",
  };
  for (const char* text : bad) {
    testsupport::WriteFile(store.File(), text);
    store.Reload();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(TRegistry().KeyExists(u"A")) << text;
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty()) << text;
  }
  testsupport::WriteFile(store.File(), "GX registry store 1\r\n[\"HKEY_CURRENT_USER\\\\A\"]\r\n\"N\"=dword:-3\r\n");
  store.Reload();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"A", false));
  EXPECT_EQ(reg.ReadInteger(u"N"), -3);
}

TEST(Registry, AFailedWriteRaisesAndLeavesStoreAndFileAsTheyWere) {
  TempRegistry store;
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Key, true));
  reg.WriteInteger(u"N", 1);
  const std::string before = testsupport::ReadFile(store.File());
  SetSafeWriteFaultForTests([](std::string_view step) { return step == "rename" ? EACCES : 0; });
  EXPECT_THROW(reg.WriteInteger(u"N", 2), EInOutError);
  EXPECT_THROW(reg.CreateKey(u"Sub"), EInOutError);
  SetSafeWriteFaultForTests(nullptr);
  EXPECT_EQ(reg.ReadInteger(u"N"), 1);
  EXPECT_FALSE(reg.KeyExists(u"Sub"));
  EXPECT_EQ(testsupport::ReadFile(store.File()), before);
}

TEST(Registry, WritersOnSeveralThreadsTakeTurns) {
  TempRegistry store;
  constexpr int Threads = 4, Writes = 10;
  TRegistry().CreateKey(Key);
  std::vector<std::thread> writers;
  for (int t = 0; t < Threads; ++t) {
    writers.emplace_back([t] {
      TRegistry reg;
      reg.OpenKey(Key, false);
      for (int i = 0; i < Writes; ++i) reg.WriteInteger(u"T" + IntToStr(t) + u"_" + IntToStr(i), i);
    });
  }
  for (auto& w : writers) w.join();
  store.Reload();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(Key));
  for (int t = 0; t < Threads; ++t) {
    for (int i = 0; i < Writes; ++i) EXPECT_EQ(reg.ReadInteger(u"T" + IntToStr(t) + u"_" + IntToStr(i)), i);
  }
}

// The watcher's loop: arm, wait, count, re-arm, until told to stop.
TEST(RegistryNotify, AWaitingThreadWakesOnEachChangeOfTheWatchedKey) {
  TempRegistry store;
  TRegistry().CreateKey(u"Software\\Office\\Common");
  TEvent change, seen;
  std::atomic<bool> stop{false};
  std::atomic<int> wakes{0};
  std::thread watcher([&] {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(u"Software\\Office\\Common"));
    reg.NotifyChange(change, true, REG_NOTIFY_CHANGE_LAST_SET);
    seen.SetEvent();
    for (;;) {
      change.WaitFor();
      if (stop) return;
      change.ResetEvent();
      reg.NotifyChange(change, true, REG_NOTIFY_CHANGE_LAST_SET);
      ++wakes;
      seen.SetEvent();
    }
  });
  seen.WaitFor();
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey(u"Software\\Office\\Common", false));
  for (int theme = 1; theme <= 3; ++theme) {
    seen.ResetEvent();
    writer.WriteInteger(u"Theme", theme);
    seen.WaitFor();
    EXPECT_EQ(wakes, theme);
  }
  stop = true;
  change.SetEvent();
  watcher.join();
}

TEST(RegistryNotify, AWatchFiresOnceForTheKindsAndKeysItCovers) {
  TempRegistry store;
  const String top = u"Software\\W";
  TRegistry().CreateKey(top + u"\\Sub");
  struct Case {
    const char* what;
    bool subtree;
    unsigned filter;
    std::function<void(TRegistry&)> change;
    bool fires;
  };
  auto write = [](const String& k) { return [k](TRegistry& r) { r.OpenKey(k, false); r.WriteInteger(u"V", 1); }; };
  const Case cases[] = {
      {"value set in the key", false, REG_NOTIFY_CHANGE_LAST_SET, write(top), true},
      {"value set below, subtree", true, REG_NOTIFY_CHANGE_LAST_SET, write(top + u"\\Sub"), true},
      {"value set below, key only", false, REG_NOTIFY_CHANGE_LAST_SET, write(top + u"\\Sub"), false},
      {"value set elsewhere", true, 0, write(u"Software"), false},
      {"subkey added, names watched", false, REG_NOTIFY_CHANGE_NAME, [&](TRegistry& r) { r.CreateKey(top + u"\\New"); }, true},
      {"subkey added, values watched", true, REG_NOTIFY_CHANGE_LAST_SET, [&](TRegistry& r) { r.CreateKey(top + u"\\New"); }, false},
      {"value deleted", false, REG_NOTIFY_CHANGE_LAST_SET, [&](TRegistry& r) { r.OpenKey(top, false); r.DeleteValue(u"V"); }, true},
      {"watched key deleted", false, REG_NOTIFY_CHANGE_LAST_SET, [&](TRegistry& r) { r.DeleteKey(top); }, true},
  };
  for (const Case& c : cases) {
    TRegistry().CreateKey(top + u"\\Sub");
    TRegistry setup;
    setup.OpenKey(top, false);
    setup.WriteInteger(u"V", 0);
    TRegistry().DeleteKey(top + u"\\New");
    TEvent event;
    TRegistry watcher;
    ASSERT_TRUE(watcher.OpenKeyReadOnly(top));
    watcher.NotifyChange(event, c.subtree, c.filter);
    TRegistry changer;
    c.change(changer);
    EXPECT_EQ(event.IsSet(), c.fires) << c.what;
    if (!c.fires) continue;
    event.ResetEvent();
    TRegistry().CreateKey(top);
    setup.OpenKey(u"\\" + top, false);
    setup.WriteInteger(u"V", 2);
    EXPECT_FALSE(event.IsSet()) << c.what << ": a watch fires once";
  }
}

TEST(RegistryNotify, WatchingAKeyThatIsGoneRaises) {
  TempRegistry store;
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Key, true));
  TRegistry().DeleteKey(Key);
  TEvent event;
  EXPECT_THROW(reg.NotifyChange(event, true, 0), ERegistryException);
}

TEST(RegIniFile, SectionsAreKeysAndEntriesValues) {
  TempRegistry store;
  std::unique_ptr<TCustomIniFile> ini = std::make_unique<TRegIniFile>(u"Software\\Grid");
  EXPECT_EQ(ini->ReadInteger(u"Cols", u"Col0", 64), 64);
  EXPECT_FALSE(TRegistry().KeyExists(u"Software\\Grid"));  // reading creates nothing
  ini->WriteInteger(u"Cols", u"Col0", 80);
  ini->WriteBool(u"Cols", u"Stretch", true);
  ini->WriteString(u"Cols", u"Name", u"Wide");
  ini->WriteString(u"", u"Top", u"12");
  ini->UpdateFile();
  store.Reload();

  TRegIniFile again(u"Software\\Grid");
  EXPECT_EQ(again.ReadInteger(u"cols", u"col0", 0), 80);
  EXPECT_TRUE(again.ReadBool(u"Cols", u"Stretch", false));
  EXPECT_EQ(again.ReadString(u"Cols", u"Col0", u""), u"80");
  EXPECT_EQ(again.ReadString(u"Cols", u"Name", u""), u"Wide");
  EXPECT_EQ(again.ReadInteger(u"Cols", u"Name", -1), -1);
  EXPECT_EQ(again.ReadInteger(u"", u"Top", 0), 12);
  EXPECT_TRUE(again.SectionExists(u"Cols"));
  EXPECT_TRUE(again.ValueExists(u"Cols", u"Name"));
  again.DeleteKey(u"Cols", u"Name");
  EXPECT_FALSE(again.ValueExists(u"Cols", u"Name"));
  again.EraseSection(u"Cols");
  EXPECT_FALSE(again.SectionExists(u"Cols"));
  EXPECT_EQ(again.ReadInteger(u"", u"Top", 0), 12);
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"Software\\Grid", false));
  EXPECT_EQ(reg.GetDataType(u"Top"), rdString);
}

}  // namespace
