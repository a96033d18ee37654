// A binary grid stream loaded into a small grid; a stream that loads is
// saved and loaded again and must give the same cells.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "grid/exchange/GridBinStream.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Graphic.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Picture.h"
#include "platform/sys/Streams.h"

namespace {

std::string Cells(TAdvStringGrid& G) {
  std::string s = std::to_string(G.ColCount()) + "x" + std::to_string(G.RowCount()) + "\n";
  for (int r = 0; r < G.RowCount(); ++r) {
    for (int c = 0; c < G.ColCount(); ++c) {
      s += StringToUtf8(G.GetCellEx(c, r));
      if (const TCellProperties* p = G.GridObjects(c, r)) {
        s += "|" + std::to_string(p->BrushColor()) + "," + std::to_string(p->CellSpanX()) + "," +
             std::to_string(p->CellSpanY()) + "," + StringToUtf8(p->FontName());
        if (const auto* g = dynamic_cast<const TCellGraphic*>(p->GraphicObject()))
          s += "|" + std::to_string(g->CellType()) + "," + StringToUtf8(g->CellText());
      }
      s += "\t";
    }
    s += "\n";
  }
  return s;
}

// A grid of more cells than this is no small grid: its stream is only read.
constexpr long long MaxCells = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  fuzz::StartGui();
  const std::string_view bytes = fuzz::Bytes(Data, Size);
  TImageList images;
  TAdvStringGrid first(nullptr);
  first.SetGridImages(&images);
  first.SetColCount(4);
  first.SetRowCount(4);
  try {
    TStringStream header{bytes};
    const TGridBinHeader h = ReadGridBinHeader(header);
    if (h.FullGrid && static_cast<long long>(h.ColCount) * h.RowCount > MaxCells) return 0;
    TStringStream st{bytes};
    first.LoadFromBinStream(st);
  } catch (const Exception&) {
    return 0;
  }
  TMemoryStream saved;
  first.SaveToBinStream(saved);
  TAdvStringGrid second(nullptr);
  second.SetGridImages(&images);
  saved.SetPosition(0);
  second.LoadFromBinStream(saved);
  fuzz::Check(Cells(second) == Cells(first), "a saved grid does not load back the same");
  return 0;
}
