#pragma once
// A picture of mini-HTML text: keeps the encoded bytes (BMP, PNG, JPEG, GIF,
// icon) and decodes them through the platform, one frame at a time for an
// animated GIF. Named resources ("RES://") and files ("FILE://") load at
// once; other URLs are only recorded, nothing is downloaded.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "grid/base/GIFFrames.h"

class TStream;

class THTMLPicture : public TGraphic {
 public:
  THTMLPicture();
  ~THTMLPicture() override;
  String ClassName() const override { return u"THTMLPicture"; }

  // The picture becomes empty; a THTMLPicture source gives its bytes, which
  // are decoded. A nullptr source also drops the bytes.
  void Assign(const TPersistent& Source) override;
  void Assign(const THTMLPicture* Source);

  // Only a regular file up to 64 MiB is read; any failure leaves the
  // picture empty and raises nothing.
  void LoadFromFile(const String& FileName);
  // Nothing for nullptr; decoding errors reach the caller.
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream& Stream) const;
  // The program's named resource; nothing when there is none of that name.
  void LoadFromResourceName(const String& Name);
  // The resource numbered ID ("#ID"); raises when there is none.
  void LoadFromResourceID(int ID);
  // "RES://name", "FILE://path" (any case) load at once; other URLs are recorded.
  void LoadFromURL(const String& URL);
  // Raises "Empty image stream created" for no bytes and "Could not load
  // image. Invalid format" for bytes no decoder takes.
  void LoadFromBytes(const TBytes& Data) override;
  TBytes SaveToBytes() const override { return FData; }

  // Nothing when empty; stretched into Rect, or at its top-left in the
  // picture's size at the canvas's pixels per inch.
  void Draw(TCanvas& Canvas, const TRect& Rect) const;
  void DrawOn(TCanvas& Canvas, const TRect& Rect) const override;

  int Width() const override { return GetWidth(); }
  int Height() const override { return GetHeight(); }
  // The decoded picture's pixel size; 0 when empty.
  int GetWidth() const;
  int GetHeight() const;
  // The logical screen of an animated GIF when it names one, else the size.
  int MaxWidth() const { return FAnimMaxX ? FAnimMaxX : GetWidth(); }
  int MaxHeight() const { return FAnimMaxY ? FAnimMaxY : GetHeight(); }
  bool IsEmpty() const { return FIsEmpty; }

  bool Stretch() const { return FStretched; }
  void SetStretch(bool Value) { FStretched = Value; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool Value) { FAsynch = Value; }
  const String& URL() const { return FURL; }
  const String& ID() const { return FID; }

  bool IsGIF() const { return IsGIFData(FData); }
  // Frames of GIF data (graphic control extension and image descriptor
  // pairs); -1 for data that is no GIF.
  int FrameCount() const override;
  // Delay of frame I (from 1) in hundredths of a second; -1 when there is none.
  int FrameTime(int I) const;
  int Frame() const { return FFrame; }
  // Decodes frame Value of loaded data and raises OnFrameChange; a frame
  // that cannot be decoded raises and the picture keeps its frame.
  void SetFrame(int Value);
  // Change the number only, wrapping around.
  void FrameNext();
  void FramePrev();
  int FrameXPos() const { return FFrameXPos; }
  int FrameYPos() const { return FFrameYPos; }
  // The animation tick (every 100 ms): True when the frame changed. Never
  // raises: a frame that cannot be decoded leaves the picture as it was.
  bool Step();

  std::function<void(TPersistent* Sender)> OnFrameChange;
  // Declared for downloads, which this program does not do: never raised.
  std::function<void(TPersistent* Sender, std::uint32_t Size, std::uint32_t Total)> OnDownLoadProgress;
  std::function<void(TPersistent* Sender, bool& Cancel)> OnDownLoadCancel;
  std::function<void(TPersistent* Sender)> OnDownLoadComplete;
  std::function<void(TPersistent* Sender, const String& Error)> OnDownLoadError;

 private:
  void MakeEmpty();
  void Load(TBytes Data);
  // The current frame's picture; raises the load messages.
  std::unique_ptr<TGraphic> Decode(int Frame);
  const std::vector<TGIFFrameInfo>& Frames() const;
  void ShowFrame(int Frame);

  TBytes FData;
  bool FIsEmpty = true;
  bool FStretched = false;
  std::unique_ptr<TGraphic> FPicture;
  String FURL;
  String FID;
  bool FAsynch = true;
  bool FThreadBusy = false;
  int FFrame = 1;
  mutable std::unique_ptr<std::vector<TGIFFrameInfo>> FFrameInfo;  // scanned on first use
  std::uint16_t FFrameXPos = 0, FFrameYPos = 0, FFrameXSize = 0, FFrameYSize = 0;
  std::uint16_t FAnimMaxX = 0, FAnimMaxY = 0;
  int FNextCount = -1;
  int FTimerCount = -1;
};
