// The bytes as a text grid file for LoadFromFile and as a text grid stream
// for LoadFromStream; whatever loads is saved and loaded again into a fresh
// grid and must give the same cells.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/Streams.h"
#include "platform/sys/TextFile.h"

namespace {

// A grid of more cells than this is no small grid: it is not loaded.
constexpr long long MaxCells = 4096;

long long LeadingNumber(const String& Text, size_t From) {
  if (From < Text.size() && (Text[From] == u'+' || Text[From] == u'-')) ++From;
  long long n = 0;
  for (size_t i = From; i < Text.size() && Text[i] >= u'0' && Text[i] <= u'9' && n < MaxCells; ++i)
    n = n * 10 + (Text[i] - u'0');
  return n;
}

// The counts the first line asks for, as either reader takes them (a sign
// or blanks make the stream's strict reader refuse, so they may be skipped).
bool SmallGrid(const String& Text) {
  const String first = Text.substr(0, Text.find_first_of(u"\r\n"));
  const size_t comma = first.find(u',');
  const long long cols = LeadingNumber(first, 0) + 1;
  const long long rows = comma == String::npos ? 1 : LeadingNumber(first, comma + 1) + 1;
  return cols * rows <= MaxCells;
}

String StreamText(std::string_view Bytes) {
  String s;
  for (size_t i = 0; i + 1 < Bytes.size(); i += 2)
    s += static_cast<Char>(static_cast<unsigned char>(Bytes[i]) | static_cast<unsigned char>(Bytes[i + 1]) << 8);
  return s;
}

std::string Cells(TAdvStringGrid& G) {
  std::string s = std::to_string(G.ColCount()) + "x" + std::to_string(G.RowCount()) + "\n";
  for (int r = 0; r < G.RowCount(); ++r) {
    for (int c = 0; c < G.ColCount(); ++c) s += StringToUtf8(G.Cells(c, r)) + "\t";
    s += "\n";
  }
  return s;
}

void FileRoundTrip(std::string_view Bytes) {
  if (!SmallGrid(DecodeText(Bytes))) return;
  const String file = fuzz::ScratchFile("grid.grd");
  fuzz::WriteScratch(file, Bytes);
  TAdvStringGrid first(nullptr);
  first.SetMultilinecells(!Bytes.empty() && Bytes.back() & 1);
  try {
    first.LoadFromFile(file);
  } catch (const Exception&) {
    return;
  }
  first.SaveToFile(file, true);
  TAdvStringGrid second(nullptr);
  second.SetMultilinecells(first.Multilinecells());
  second.LoadFromFile(file);
  fuzz::Check(Cells(second) == Cells(first), "a saved grid file does not load back the same");
}

void StreamRoundTrip(std::string_view Bytes) {
  if (!SmallGrid(StreamText(Bytes))) return;
  TAdvStringGrid first(nullptr);
  try {
    TStringStream st{Bytes};
    first.LoadFromStream(st);
  } catch (const Exception&) {
    return;
  }
  TMemoryStream saved;
  first.SaveToStream(saved);
  saved.SetPosition(0);
  TAdvStringGrid second(nullptr);
  second.LoadFromStream(saved);
  fuzz::Check(saved.Position() == saved.Size(), "a saved grid stream is not read to its end");
  fuzz::Check(Cells(second) == Cells(first), "a saved grid stream does not load back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  fuzz::StartGui();
  const std::string_view bytes = fuzz::Bytes(Data, Size);
  FileRoundTrip(bytes);
  StreamRoundTrip(bytes);
  return 0;
}
