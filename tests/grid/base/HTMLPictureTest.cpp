#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "grid/base/PictureContainer.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/Resources.h"
#include "platform/sys/Streams.h"
#include "tests/grid/base/GifBuilder.h"
#include "tests/support/TempDir.h"

namespace {

TBytes BmpBytes(int w, int h) { return TBitmap(w, h).SaveToBytes(); }

String Message(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return u"(nothing raised)";
}

// The colour the picture draws at (x, y) of its own size.
TColor DrawnColour(const THTMLPicture& Picture, int x, int y) {
  TBitmap target(Picture.GetWidth(), Picture.GetHeight());
  Picture.Draw(*target.Canvas(), TRect{0, 0, Picture.GetWidth(), Picture.GetHeight()});
  return target.Pixels().Pixel(x, y);
}

struct PictureFiles : ::testing::Test {
  testsupport::TempDir dir;
  String File(const char* name) const { return Utf8ToString((dir / name).string()); }
};

}  // namespace

TEST(HTMLPicture, IsGIFNeedsFiveBytes) {
  THTMLPicture p;
  EXPECT_FALSE(p.IsGIF());
  const TBytes gif = testsupport::TwoFrameGif();
  EXPECT_FALSE(IsGIFData(TBytes(gif.begin(), gif.begin() + 4)));
  EXPECT_TRUE(IsGIFData(TBytes(gif.begin(), gif.begin() + 5)));
}

TEST(HTMLPicture, TwoFrameGif) {
  THTMLPicture p;
  p.LoadFromBytes(testsupport::TwoFrameGif());
  EXPECT_TRUE(p.IsGIF());
  EXPECT_EQ(p.FrameCount(), 2);
  EXPECT_EQ(p.FrameTime(1), 10);
  EXPECT_EQ(p.FrameTime(2), 30);
  EXPECT_EQ(p.FrameTime(0), -1);
  EXPECT_EQ(p.FrameTime(3), -1);
  EXPECT_EQ(p.Frame(), 1);
  EXPECT_EQ(p.GetWidth(), 8);
  EXPECT_EQ(p.GetHeight(), 6);
  EXPECT_EQ(DrawnColour(p, 7, 5), clRed);

  int changes = 0;
  p.OnFrameChange = [&](TPersistent*) { ++changes; };
  p.SetFrame(2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(p.Frame(), 2);
  EXPECT_EQ(p.GetWidth(), 3);  // the frame's own rectangle, placed by the renderer
  EXPECT_EQ(p.GetHeight(), 2);
  EXPECT_EQ(p.FrameXPos(), 4);
  EXPECT_EQ(p.FrameYPos(), 2);
  EXPECT_EQ(p.MaxWidth(), 8);
  EXPECT_EQ(p.MaxHeight(), 6);
  EXPECT_EQ(DrawnColour(p, 0, 0), clBlue);
  EXPECT_EQ(DrawnColour(p, 2, 1), clBlue);

  p.FrameNext();
  EXPECT_EQ(p.Frame(), 1);
  p.FramePrev();
  EXPECT_EQ(p.Frame(), 2);
  EXPECT_EQ(p.GetWidth(), 3);  // the number only
}

TEST(HTMLPicture, StepFollowsTheDelays) {
  THTMLPicture p;
  p.LoadFromBytes(testsupport::TwoFrameGif());
  std::string ticks;
  std::string frames;
  for (int i = 0; i < 8; ++i) {
    ticks += p.Step() ? 'T' : '-';
    frames += static_cast<char>('0' + p.Frame());
  }
  // frame 1 for 10/100 s, frame 2 for 30/100 s, ticks of 100 ms
  EXPECT_EQ(ticks, "--T--TT-");
  EXPECT_EQ(frames, "11222122");

  THTMLPicture still;
  still.LoadFromBytes(BmpBytes(4, 4));
  EXPECT_FALSE(still.Step());
  EXPECT_EQ(still.Frame(), 1);
  EXPECT_EQ(still.FrameCount(), -1);
  THTMLPicture empty;
  EXPECT_FALSE(empty.Step());
}

TEST(HTMLPicture, ADamagedFrameNeverRaisesFromStep) {
  TBytes gif = testsupport::TwoFrameGif();
  THTMLPicture whole;
  whole.LoadFromBytes(gif);
  const auto frames = ScanGIFFrames(gif);
  ASSERT_EQ(frames.size(), 2u);
  gif.resize(frames[1].Start + 18);  // the second frame's descriptor and nothing after
  THTMLPicture p;
  p.LoadFromBytes(gif);
  EXPECT_EQ(p.FrameCount(), 2);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(p.Step());
  EXPECT_EQ(p.Frame(), 1);
  EXPECT_EQ(p.GetWidth(), 8);
  EXPECT_EQ(Message([&] { p.SetFrame(2); }), SInvalidImage);
  EXPECT_EQ(p.Frame(), 1);
}

TEST(HTMLPicture, CutGifDataIsReadWithinItsBytes) {
  const TBytes gif = testsupport::TwoFrameGif();
  for (std::size_t size = 0; size <= gif.size(); ++size) {
    const TBytes cut(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(size));
    THTMLPicture p;
    try {
      p.LoadFromBytes(cut);
    } catch (const EInvalidGraphic&) {
    }
    p.FrameCount();
    p.FrameTime(2);
    p.Step();
  }
  EXPECT_EQ(GIFScreenWidth(TBytes{'G', 'I', 'F', '8', '9'}), 0);
}

TEST(HTMLPicture, LoadMessages) {
  THTMLPicture p;
  EXPECT_EQ(Message([&] { p.LoadFromBytes({}); }), u"Empty image stream created");
  EXPECT_EQ(Message([&] { p.LoadFromBytes({1, 2, 3, 4, 5, 6}); }), SInvalidImage);
  EXPECT_TRUE(p.IsEmpty());
  p.LoadFromStream(nullptr);
  EXPECT_TRUE(p.IsEmpty());
  TMemoryStream stream;
  const TBytes bmp = BmpBytes(5, 3);
  stream.Write(bmp.data(), static_cast<std::int64_t>(bmp.size()));
  stream.SetPosition(0);
  p.LoadFromStream(&stream);
  EXPECT_EQ(p.GetWidth(), 5);
  TMemoryStream saved;
  p.SaveToStream(saved);
  EXPECT_EQ(saved.Size(), static_cast<std::int64_t>(bmp.size()));
}

TEST(HTMLPicture, AssignCopiesTheBytesOrEmpties) {
  THTMLPicture source;
  source.LoadFromBytes(testsupport::TwoFrameGif());
  source.SetFrame(2);
  THTMLPicture copy;
  int changes = 0;
  copy.OnChange = [&](TPersistent*) { ++changes; };
  copy.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.Frame(), 1);
  EXPECT_EQ(copy.GetWidth(), 8);
  EXPECT_EQ(copy.SaveToBytes(), source.SaveToBytes());
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.IsEmpty());
  EXPECT_TRUE(copy.SaveToBytes().empty());
  EXPECT_EQ(copy.GetWidth(), 0);
}

TEST(HTMLPicture, DrawsStretchedOrInItsOwnSize) {
  THTMLPicture p;
  TRecordingCanvas canvas;
  p.Draw(canvas, TRect{0, 0, 50, 50});
  EXPECT_TRUE(canvas.RecordsOf(u"Draw").empty());
  p.LoadFromBytes(BmpBytes(6, 4));
  p.Draw(canvas, TRect{10, 20, 50, 50});
  p.SetStretch(true);
  p.Draw(canvas, TRect{10, 20, 50, 50});
  const auto draws = canvas.RecordsOf(u"Draw");
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].Rect, (TRect{10, 20, 16, 24}));
  EXPECT_EQ(draws[1].Rect, (TRect{10, 20, 50, 50}));
}

TEST_F(PictureFiles, LoadFromURL) {
  static const std::string resource = [] {
    const TBytes bytes = BmpBytes(7, 2);
    return std::string(bytes.begin(), bytes.end());
  }();
  platform::RegisterResource(u"HTMLPICTURETEST", resource);
  THTMLPicture res;
  res.LoadFromURL(u"res://htmlPictureTest");
  EXPECT_EQ(res.ID(), u"res://htmlPictureTest");
  EXPECT_EQ(res.GetWidth(), 7);
  platform::RegisterResource(u"#7301", resource);
  THTMLPicture numbered;
  numbered.LoadFromResourceID(7301);
  EXPECT_EQ(numbered.GetWidth(), 7);
  EXPECT_EQ(Message([&] { numbered.LoadFromResourceID(7302); }), u"Resource 7302 not found");
  THTMLPicture missing;
  missing.LoadFromURL(u"RES://NOSUCHRESOURCE");
  EXPECT_TRUE(missing.IsEmpty());
  missing.LoadFromURL(u"RES://");
  EXPECT_TRUE(missing.IsEmpty());

  const TBytes bmp = BmpBytes(3, 9);
  WriteFileBytes(File("pic.bmp"), bmp);
  THTMLPicture file;
  file.LoadFromURL(u"FILE://" + File("pic.bmp"));
  EXPECT_EQ(file.GetHeight(), 9);
  EXPECT_EQ(file.ID(), u"FILE://" + File("pic.bmp"));

  THTMLPictureCache cache;
  THTMLPicture* web = cache.AddPicture();
  web->SetAsynch(false);
  web->LoadFromURL(u"http://host/a.gif");
  EXPECT_TRUE(web->IsEmpty());
  EXPECT_EQ(web->URL(), u"http://host/a.gif");
  EXPECT_EQ(cache.FindPicture(u"http://host/a.gif"), web);
  EXPECT_EQ(CachedPicture(cache, u"http://host/a.gif"), web);
  EXPECT_EQ(cache.Count(), 1);

  THTMLPicture asynch;
  asynch.LoadFromURL(u"http://host/b.gif");
  EXPECT_EQ(asynch.URL(), u"http://host/b.gif");
  EXPECT_EQ(asynch.ID(), u"");
}

TEST_F(PictureFiles, OnlyRegularFilesLoad) {
  const String pipe = File("pipe");
  ASSERT_EQ(mkfifo(StringToUtf8(pipe).c_str(), 0600), 0);
  const String damaged = File("damaged.gif");
  WriteFileBytes(damaged, {'G', 'I', 'F', '8', '9', 'a', 1});
  for (const String& name : {File("missing.bmp"), pipe, String(u"/dev/zero"), Utf8ToString(dir.Path().string()),
                             damaged}) {
    THTMLPicture p;
    p.LoadFromFile(name);
    EXPECT_TRUE(p.IsEmpty()) << StringToUtf8(name);
    p.LoadFromURL(u"FILE://" + name);
    EXPECT_TRUE(p.IsEmpty()) << StringToUtf8(name);
  }
  THTMLPicture loaded;
  WriteFileBytes(File("ok.bmp"), BmpBytes(2, 2));
  loaded.LoadFromFile(File("ok.bmp"));
  EXPECT_FALSE(loaded.IsEmpty());
  loaded.LoadFromFile(File("missing.bmp"));  // a failed load empties
  EXPECT_TRUE(loaded.IsEmpty());
}

TEST(PictureContainer, FindsByNameInAnyAsciiCase) {
  TPictureContainer container(nullptr);
  TPictureItem* logo = container.Items()->Add();
  logo->SetName(u"logo");
  logo->Picture()->LoadFromBytes(BmpBytes(2, 2));
  container.Items()->Add()->SetName(u"\u00E9clair");
  EXPECT_EQ(container.FindPicture(u"LOGO"), logo->Picture());
  EXPECT_EQ(container.FindPicture(u"Logo"), logo->Picture());
  EXPECT_EQ(container.FindPicture(u"\u00C9CLAIR"), nullptr);
  EXPECT_EQ(container.FindPicture(u"none"), nullptr);

  TPictureContainer other(nullptr);
  other.SetItems(*container.Items());
  ASSERT_EQ(other.Items()->Count(), 2);
  EXPECT_EQ(other.Items()->Items(0)->Name(), u"logo");
  EXPECT_EQ(other.FindPicture(u"logo")->GetWidth(), 2);
  EXPECT_NE(other.FindPicture(u"logo"), logo->Picture());
}

TEST(PictureContainer, AnimateStepsEveryPicture) {
  THTMLPictureCache cache;
  cache.AddPicture()->LoadFromBytes(BmpBytes(2, 2));
  THTMLPicture* animated = cache.AddPicture();
  animated->LoadFromBytes(testsupport::TwoFrameGif());
  std::string ticks;
  for (int i = 0; i < 3; ++i) ticks += cache.Animate() ? 'T' : '-';
  EXPECT_EQ(ticks, "--T");
  EXPECT_EQ(animated->Frame(), 2);

  TPictureCollection items(nullptr);
  items.Add()->Picture()->LoadFromBytes(testsupport::TwoFrameGif());
  ticks.clear();
  for (int i = 0; i < 3; ++i) ticks += items.Animate() ? 'T' : '-';
  EXPECT_EQ(ticks, "--T");
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
}
