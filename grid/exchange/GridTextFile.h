#pragma once
// The text grid file, the text grid stream and the column-aligned ASCII
// export, made on the stack by the grid's methods. Everything is read and
// checked before the grid changes, and written whole or not at all.
#include <vector>

#include "platform/sys/String.h"

class TAdvStringGrid;
class TStream;

class TGridTextFile {
 public:
  explicit TGridTextFile(TAdvStringGrid& Grid) : G(Grid) {}

  void SaveToFile(const String& FileName, bool Unicode);
  void LoadFromFile(const String& FileName);
  void SaveToStream(TStream& Stream);
  void LoadFromStream(TStream& Stream);
  void WriteASCII(const String& FileName, bool Append, bool Unicode);

  // The storage columns an export covers, in the order it writes them: the
  // displayed columns FirstCol..LastCol, then with WithHidden the hidden ones.
  std::vector<int> ExportColumns(int FirstCol, int LastCol, bool WithHidden) const;

 private:
  // "c,r,text" with the text's line breaks encoded.
  String CellLine(int FileCol, int FileRow, const String& Text) const;
  void FireProgress(int Done, int Count, int& Last);

  TAdvStringGrid& G;
};

// A cell text made safe for one line of a file: CR, LF and NUL become 9, 8
// and 1 whenever the text holds a CR or an LF (the reader decodes at 8).
String EncodeCellTextLine(StringView Text);
