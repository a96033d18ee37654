#include <gtest/gtest.h>

#include "platform/sys/Streams.h"
#include "tests/support/TempDir.h"

TEST(Streams, MemoryStreamReadWriteSeekAndShortRead) {
  TMemoryStream m;
  m.WriteBytes("hello");
  m.Seek(-2, soEnd);
  m.WriteBytes("LO!");
  EXPECT_EQ(m.Bytes(), "helLO!");
  m.SetPosition(4);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 2);
  m.SetPosition(3);
  try {
    m.ReadBuffer(buf, 4);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), u"Stream read error");
  }
  m.SetSize(2);
  EXPECT_EQ(m.Position(), 2);
  EXPECT_EQ(m.Bytes(), "he");
}

TEST(Streams, FileStreamModesAndOpenErrorNamesFileAndReason) {
  testsupport::TempDir dir;
  const String name = Utf8ToString((dir / "data.bin").string());
  {
    TFileStream f(name, fmCreate);
    f.WriteBytes("abcdef");
  }
  {
    TFileStream f(name, fmOpenReadWrite);
    f.Seek(2, soBeginning);
    f.WriteBytes("XY");
    EXPECT_EQ(f.Size(), 6);
  }
  TMemoryStream m;
  m.LoadFromFile(name);
  EXPECT_EQ(m.Bytes(), "abXYef");
  {
    TFileStream f(name, fmOpenRead);
    TStringStream copy;
    copy.CopyFrom(f, 0);
    EXPECT_EQ(copy.DataString(), "abXYef");
  }
  const String missing = Utf8ToString((dir / "none.bin").string());
  try {
    TFileStream f(missing, fmOpenRead);
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), u"Cannot open file \"" + missing + u"\". No such file or directory");
  }
  EXPECT_THROW(TFileStream(Utf8ToString(dir.Path().string()), fmOpenRead), EFOpenError);
}
