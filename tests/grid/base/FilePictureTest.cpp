#include <gtest/gtest.h>

#include "grid/base/FilePicture.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/sys/Exceptions.h"
#include "tests/support/TempDir.h"

namespace {

struct FilePictureFixture : ::testing::Test {
  testsupport::TempDir dir;
  String File(const char* name) const { return Utf8ToString((dir / name).string()); }
  void SetUp() override {
    TBitmap bmp(30, 20);
    bmp.SaveToFile(File("pic.bmp"));
    testsupport::WriteFile(dir / "damaged.png", "\x89PNG\r\n\x1a\nnot really");
  }
};

}  // namespace

TEST_F(FilePictureFixture, MeasuresOnceAndDrawsStretched) {
  TFilePicture p;
  p.SetFilename(File("pic.bmp"));
  EXPECT_EQ(p.Width(), 30);
  EXPECT_EQ(p.Height(), 20);
  TRecordingCanvas canvas;
  p.DrawPicture(canvas, Rect(5, 5, 65, 45));
  ASSERT_EQ(canvas.RecordsOf(u"Draw").size(), 1u);
  EXPECT_EQ(canvas.RecordsOf(u"Draw")[0].Rect, Rect(5, 5, 65, 45));

  TFilePicture copy;
  copy.Assign(p);
  EXPECT_EQ(copy.Filename(), p.Filename());
  EXPECT_EQ(copy.Width(), 30);
  EXPECT_EQ(copy.Height(), 20);
}

TEST_F(FilePictureFixture, AnUnloadableFileRaisesWhenNamedAndDrawsNothing) {
  for (const char* name : {"missing.bmp", "damaged.png"}) {
    TFilePicture p;
    EXPECT_THROW(p.SetFilename(File(name)), Exception) << name;
    EXPECT_EQ(p.Filename(), File(name));
    EXPECT_EQ(p.Width(), 0);
    TRecordingCanvas canvas;
    EXPECT_NO_THROW(p.DrawPicture(canvas, Rect(0, 0, 10, 10))) << name;
    EXPECT_TRUE(canvas.Records().empty()) << name;
  }
  // A file that goes away after measuring draws nothing either.
  TFilePicture p;
  p.SetFilename(File("pic.bmp"));
  std::filesystem::remove(dir / "pic.bmp");
  TRecordingCanvas canvas;
  EXPECT_NO_THROW(p.DrawPicture(canvas, Rect(0, 0, 10, 10)));
  EXPECT_TRUE(canvas.Records().empty());
}

TEST_F(FilePictureFixture, AnEmptyNameDrawsNothing) {
  TFilePicture p;
  p.SetFilename(u"");
  TRecordingCanvas canvas;
  p.DrawPicture(canvas, Rect(0, 0, 10, 10));
  EXPECT_TRUE(canvas.Records().empty());
  EXPECT_EQ(p.Width(), 0);
}
