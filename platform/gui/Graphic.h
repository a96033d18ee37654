#pragma once
// A picture that can draw itself on a canvas and be read from and written
// to a file. Bitmaps, PNG, JPEG, GIF and icon pictures derive from it.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/sys/Component.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/String.h"
#include "platform/sys/Types.h"

class TCanvas;
class TStream;
using TBytes = std::vector<std::uint8_t>;

// Raised for data that is no picture of the expected kind.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// The message for any data that cannot be read as a picture.
inline const String SInvalidImage = u"Could not load image. Invalid format";

class TGraphic : public TPersistent {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  // Animated pictures have more than one frame; the others exactly one.
  virtual int FrameCount() const { return 1; }

  // The file's bytes decide its format, not the file name.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;
  // Reads from the stream's position to its end; writes at its position.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;
  virtual void LoadFromBytes(const TBytes& Data) = 0;
  virtual TBytes SaveToBytes() const = 0;

  // Draws the picture stretched into Rect; TCanvas::Draw and StretchDraw call it.
  virtual void DrawOn(TCanvas& Canvas, const TRect& Rect) const = 0;

  std::function<void(TPersistent* Sender)> OnChange;

 protected:
  void Changed();

 private:
  bool FTransparent = false;
};

// Stream helpers shared by the pictures.
TBytes ReadRestOfStream(TStream& Stream);
void WriteBytesToStream(TStream& Stream, const TBytes& Data);
TBytes ReadFileBytes(const String& FileName);
// Through the safe writer: a failed save leaves the old file as it was.
void WriteFileBytes(const String& FileName, const TBytes& Data);
