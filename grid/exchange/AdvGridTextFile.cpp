// The grid's text file, text stream and ASCII export methods.
#include "grid/exchange/GridTextFile.h"
#include "grid/model/AdvStringGrid.h"

void TAdvStringGrid::SaveToFile(const String& FileName, bool Unicode) { TGridTextFile(*this).SaveToFile(FileName, Unicode); }

void TAdvStringGrid::LoadFromFile(const String& FileName) { TGridTextFile(*this).LoadFromFile(FileName); }

void TAdvStringGrid::SaveToStream(TStream& Stream) { TGridTextFile(*this).SaveToStream(Stream); }

void TAdvStringGrid::LoadFromStream(TStream& Stream) { TGridTextFile(*this).LoadFromStream(Stream); }

void TAdvStringGrid::SaveToASCII(const String& FileName, bool Unicode) {
  TGridTextFile(*this).WriteASCII(FileName, false, Unicode);
}

void TAdvStringGrid::AppendToASCII(const String& FileName, bool Unicode) {
  TGridTextFile(*this).WriteASCII(FileName, true, Unicode);
}
