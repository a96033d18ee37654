// The grid's binary stream and file methods.
#include "grid/exchange/GridBinStream.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/Streams.h"

void TAdvStringGrid::SaveRectToBinStream(const TRect& Rect, TStream& Stream) {
  TGridBinWriter(*this, Stream).SaveRect(Rect);
}

void TAdvStringGrid::SaveToBinStream(TStream& Stream) {
  SaveRectToBinStream(Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), Stream);
}

void TAdvStringGrid::SaveToBinFile(const String& FileName) {
  TMemoryStream st;
  SaveToBinStream(st);
  st.SaveToFile(FileName);
}

void TAdvStringGrid::LoadAtPointFromBinStream(TPoint Point, TStream& Stream) {
  TGridBinReader(*this, Stream).LoadAtPoint(Point);
}

void TAdvStringGrid::LoadFromBinStream(TStream& Stream) {
  LoadAtPointFromBinStream(Point(0, 0), Stream);
  FNodes->NodesRebuilt();
  if (NumNodes() > 0) RepaintCol(0);
}

void TAdvStringGrid::LoadFromBinFile(const String& FileName) {
  TMemoryStream st;
  st.LoadFromFile(FileName);
  LoadFromBinStream(st);
}
