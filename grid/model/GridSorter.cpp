// The cell comparison of sorting and the guarded partition. The comparison
// is not a strict weak order (the automatic style follows the first text of
// each pair, blanks go by their own rules, callbacks decide), so the rows are
// partitioned here rather than by a standard sort, with the middle row as
// pivot so that results are reproducible.
#include "grid/model/GridSorter.h"

#include <utility>

#include "grid/base/NumberText.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/SortFastColumn.h"
#include "grid/model/SortKeyCache.h"
#include "grid/model/SortScan.h"
#include "grid/model/SortSettings.h"
#include "platform/sys/SysUtils.h"

namespace {

int SignOf(int V) { return V < 0 ? -1 : (V > 0 ? 1 : 0); }

bool IsCheckBoxType(TCellType T) {
  return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRowCheckBox;
}

// Styles that ask the grid (or the application) rather than the keys.
bool ReadsCells(TSortStyle S) {
  return S == ssHTML || S == ssImages || S == ssCheckBox || S == ssCustom || S == ssRaw;
}

}  // namespace

TGridSorter::TGridSorter(TAdvStringGrid& Grid) : G(Grid) {}
TGridSorter::~TGridSorter() = default;

// ---- keys

TSortColumn& TGridSorter::Column(int ACol) {
  std::unique_ptr<TSortColumn>* slot = FKeys ? &FKeys->Column(ACol) : &FLoose;
  if (FKeys && *slot) return **slot;
  TSortSettings& s = *G.SortSettings();
  // The keys of the last run's first column are refilled in place: a large
  // fresh block costs more to touch than the whole comparison work.
  std::unique_ptr<TSortColumn> c = FKeys && FSpare ? std::move(FSpare) : std::make_unique<TSortColumn>();
  c->Filled = false;
  c->ByRow = false;
  c->Tied.clear();
  c->Style = s.AutoFormat() ? ssAutomatic : (s.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
  G.DoGetFormat(ACol, c->Style, c->Format.Prefix, c->Format.Suffix);
  c->Format.Financial = c->Style == ssFinancial;
  c->Cached = FKeys && (FKeys->OnlyMovingColumn < 0 || FKeys->OnlyMovingColumn == ACol);
  *slot = std::move(c);
  return **slot;
}

StringView TGridSorter::SortText(int ACol, int ARow) {
  Touch(ARow);
  if (G.SortSettings()->SortOnVirtualCells()) return G.CellView(ACol, ARow);
  return G.GetGridCell(ACol, ARow);
}

TSortKey& TGridSorter::Key(TSortColumn& C, int ACol, int ARow, int Which) {
  if (!C.Cached) {
    C.LooseText[Which] = String(SortText(ACol, ARow));
    TSortKey& k = C.Loose[Which];
    k = TSortKey();
    k.SetText(C.LooseText[Which]);
    return k;
  }
  if (!C.Filled) {
    C.ByRow = !FKeys->FirstColumnTaken();
    if (C.ByRow) {
      C.Keys.resize(static_cast<size_t>(FKeys->Rows));
      ReadColumn(C, ACol, [&](int r, StringView t) { PutKey(C, r, t); });
      KeysFilled(C);
    }
  }
  if (C.ByRow) return C.Keys[static_cast<size_t>(ARow)];
  C.Filled = true;
  auto [at, fresh] = C.Tied.try_emplace(FKeys->OriginOf(ARow));
  if (fresh) {
    TSortKey& k = at->second.first;
    k.Origin = at->first;
    if (FKeys->StableTexts && ARow < FKeys->DataRows) {
      k.SetText(SortText(ACol, ARow));
    } else {
      at->second.second = String(SortText(ACol, ARow));
      k.SetText(at->second.second);
    }
  }
  return at->second.first;
}

// The first column's texts, by displayed row, scratch rows included (a
// pivot may already be in its scratch row: that text is copied). With
// stable texts only the scratch rows need copies.
template <class Use>
void TGridSorter::ReadColumn(TSortColumn& C, int ACol, Use&& UseText) {
  const int copied = FKeys->StableTexts ? FKeys->DataRows : 0;
  C.Copies.resize(static_cast<size_t>(FKeys->Rows - copied));
  for (int r = 0; r < FKeys->Rows; ++r) {
    if (r < copied) {
      UseText(r, SortText(ACol, r));
      continue;
    }
    String& copy = C.Copies[static_cast<size_t>(r - copied)];
    copy = String(SortText(ACol, r));
    UseText(r, StringView(copy));
  }
}

void TGridSorter::PutKey(TSortColumn& C, int ARow, StringView Text) {
  TSortKey& k = C.Keys[static_cast<size_t>(ARow)];
  k = TSortKey();
  k.Origin = FKeys->OriginOf(ARow);
  k.SetText(Text);
}

void TGridSorter::KeysFilled(TSortColumn& C) {
  C.Filled = true;
  C.ByRow = true;
  FKeys->Filled.push_back(&C);
}

// The first column of a run, when its resolved style decides from the keys
// alone. Its texts are read once either way: when a row needs the full
// comparison, they become that column's keys by row.
TSortFastColumn* TGridSorter::FastColumn(int ACol) {
  TSortKeyCache& keys = *FKeys;
  if (keys.FastTried || keys.FirstColumnTaken()) return nullptr;
  keys.FastTried = true;
  if (!FFastColumns || G.IsIgnoredColumn(ACol)) return nullptr;
  TSortColumn& c = Column(ACol);
  const TSortSettings& s = *G.SortSettings();
  if (!FFast) FFast = std::make_unique<TSortFastColumn>();
  TSortFastColumn& f = *FFast;
  const TSortFastColumn::TSettings settings{c.Style, c.Format, s.IgnoreCase(), s.IgnoreBlanks(),
                                            s.BlankPos() == blFirst, s.Direction() == sdDescending};
  if (!c.Cached || !f.Open(settings, keys.Rows)) return nullptr;
  bool fast = true;
  ReadColumn(c, ACol, [&](int r, StringView t) {
    f.Put(r, keys.OriginOf(r), t);
    fast = fast && f.Read(r, f.ReadsCellTypes() && IsCheckBoxType(G.GetCellType(ACol, r)));
  });
  if (fast) {
    f.Close();
    keys.Fast = &f;
    keys.FastCol = ACol;
    return &f;
  }
  c.Keys.resize(static_cast<size_t>(keys.Rows));
  for (int r = 0; r < keys.Rows; ++r) PutKey(c, r, f.Text(r));
  KeysFilled(c);
  f.Clear();
  return nullptr;
}

bool TGridSorter::IsCheckBoxCell(TSortKey& K, int ACol, int ARow) {
  if (K.CheckBox < 0) {
    Touch(ARow);
    K.CheckBox = IsCheckBoxType(G.GetCellType(ACol, ARow)) ? 1 : 0;
  }
  return K.CheckBox != 0;
}

// ---- comparison

int TGridSorter::CompareCells(int ACol, int ARow1, bool Descending, int ARow2) {
  ++FCompares;
  TSortColumn& c = Column(ACol);
  TSortKey& k1 = Key(c, ACol, ARow1, 0);
  TSortKey& k2 = Key(c, ACol, ARow2, 1);
  const int res = CompareByStyle(c, ACol, ARow1, ARow2, k1, k2);
  const TSortSettings& s = *G.SortSettings();
  if (!s.IgnoreBlanks()) return res;
  return PlaceSortBlanks(res, k1.Empty(), k2.Empty(), Descending, s.BlankPos() == blFirst);
}

int TGridSorter::CompareByStyle(TSortColumn& C, int ACol, int ARow1, int ARow2, TSortKey& k1,
                                TSortKey& k2) {
  const bool ignoreCase = G.SortSettings()->IgnoreCase();
  TSortStyle style = C.Style;
  if (style == ssAutomatic) {
    if (IsCheckBoxCell(k1, ACol, ARow1)) {
      style = ssCheckBox;
    } else if (IsSortNumberClass(k1.NumberClass())) {
      style = ssNumeric;
    } else {
      style = ignoreCase ? ssAlphaNoCase : ssAlphabetic;
      if (k1.DateLead()) {
        if (k2.HasDateSep()) style = k1.HasTimeSep() ? ssDateTime : ssDate;
      } else if (k1.TimeLead() && k2.HasTimeSep()) {
        style = ssTime;
      }
    }
  }
  if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    const bool numbers = IsSortNumberClass(k1.NumberClass()) && IsSortNumberClass(k2.NumberClass());
    style = numbers ? ssNumeric : (style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
  }
  if (ReadsCells(style)) {
    Touch(ARow1);
    Touch(ARow2);
  }
  switch (style) {
    case ssNumeric:
    case ssFinancial:
      return SortSign(k1.Number(C.Format), k2.Number(C.Format));
    case ssAlphaNoCase:
      return CompareNoCase(k1.Text(), k2.Text());
    case ssAnsiAlphaCase:
      return SignOf(AnsiCompareStr(k1.Text(), k2.Text()));
    case ssAnsiAlphaNoCase:
      return SignOf(AnsiCompareText(k1.Text(), k2.Text()));
    case ssDate:
    case ssDateTime:
      return SortSign(k1.Date(), k2.Date());
    case ssShortDateEU:
    case ssShortDateUS:
      return SortSign(k1.ShortDate(style == ssShortDateUS), k2.ShortDate(style == ssShortDateUS));
    case ssTime:
      return SortSign(k1.Time(), k2.Time());
    case ssHTML:
      return SignOf(G.StrippedCells(ACol, ARow1).compare(G.StrippedCells(ACol, ARow2)));
    case ssImages:
      return SortSign(G.GetGraphicSortKey(ACol, ARow1), G.GetGraphicSortKey(ACol, ARow2));
    case ssCheckBox:
      return SortSign(G.IsChecked(ACol, G.RealRowIndex(ARow1)), G.IsChecked(ACol, G.RealRowIndex(ARow2)));
    case ssCustom: {
      int res = 0;
      if (G.OnCustomCompare) G.OnCustomCompare(&G, String(k1.Text()), String(k2.Text()), res);
      return res;
    }
    case ssRaw: {
      int res = 0;
      if (G.OnRawCompare) G.OnRawCompare(&G, ACol, ARow1, ARow2, res);
      return res;
    }
    default:
      return k1.CompareOrdinal(k2);
  }
}

bool TGridSorter::SameRow(int ARow1, int ARow2) const {
  return FKeys && FKeys->ShortCutSameRow && FKeys->SameRow(ARow1, ARow2);
}

// A row against its own pivot copy: every column is equal; only the count
// of comparisons the walk makes is kept.
int TGridSorter::CompareLine(int ACol, int ARow1, int ARow2) {
  const TSortSettings& s = *G.SortSettings();
  const bool descending = s.Direction() == sdDescending;
  const bool same = SameRow(ARow1, ARow2);
  const int last = G.AllColCount() - 2;
  for (;; ++ACol) {
    int res = 0;
    if (same)
      FCompares += G.IsIgnoredColumn(ACol) ? 0 : 1;
    else if (!G.IsIgnoredColumn(ACol))
      res = CompareCells(ACol, ARow1, descending, ARow2);
    if (res != 0 || !s.Full() || ACol > last) return res;
  }
}

int TGridSorter::CompareLineIndexed(int Index, int ARow1, int ARow2) {
  const TSortIndexList& list = *G.SortIndexes();
  const bool full = G.SortSettings()->Full();
  for (; Index < list.Count(); ++Index) {
    const auto entry = static_cast<unsigned>(list.Items(Index));
    const int col = static_cast<int>(entry & 0x7FFFFFFFu);
    const bool descending = (entry & 0x80000000u) != 0;
    int res = 0;
    if (SameRow(ARow1, ARow2))
      FCompares += G.IsIgnoredColumn(col) ? 0 : 1;
    else if (!G.IsIgnoredColumn(col))
      res = CompareCells(col, ARow1, descending, ARow2);
    if (descending) res = -res;
    if (res != 0 || !full) return res;
  }
  return 0;
}

int TGridSorter::SameRowCompares(int ACol) const {
  const bool full = G.SortSettings()->Full();
  int n = 0;
  for (int c = ACol;; ++c) {
    n += G.IsIgnoredColumn(c) ? 0 : 1;
    if (!full || c > G.AllColCount() - 2) return n;
  }
}

bool TGridSorter::SortLine(int Col, int ARow1, int ARow2) {
  const bool descending = G.SortSettings()->Direction() == sdDescending;
  FSortDir = descending ? -1 : 1;
  for (int c = Col; c < G.AllColCount(); ++c) {
    const int res = CompareCells(c, ARow1, descending, ARow2);
    if (res == FSortDir) {
      Swap(ARow1, ARow2);
      return true;
    }
    if (res != 0) return false;
  }
  return false;
}

// ---- partition

void TGridSorter::Swap(int ARow1, int ARow2) {
  G.SortSwapRows(ARow1, ARow2);
  if (FPendingPivot == ARow1)
    FPendingPivot = ARow2;
  else if (FPendingPivot == ARow2)
    FPendingPivot = ARow1;
  if (FKeys) FKeys->Swap(ARow1, ARow2);
}

// The pivot row is copied into the middle scratch row: its cells are the
// row's own texts (displayed texts when hooks compute them) and borrowed
// records, dropped again without freeing. When only the keys decide and rows
// move whole, the copy waits until a cell of the scratch row is read: the
// pivot's row is followed through the swaps and holds the same cells.
int TGridSorter::CopyPivot(int ARow) {
  const int scratch = G.RowCount() - 2;
  if (FKeys) FKeys->CopyKey(scratch, ARow);
  const bool hooked = G.SortSettings()->SortOnVirtualCells() && G.HasDisplTextHooks();
  if (FKeys && FKeys->ShortCutSameRow && !hooked) {
    FPendingPivot = ARow;
    return scratch;
  }
  FPendingPivot = -1;
  FillPivot(ARow, scratch);
  return scratch;
}

void TGridSorter::FillPivot(int ARow, int Scratch) {
  TCellStore& store = G.Store();
  TCellStore::TRowPtr row = store.TakeRow(ARow);
  TCellStore::TRowPtr copy = store.TakeRow(Scratch);
  if (row) {
    if (!copy) copy = std::make_unique<TCellStore::TRow>();
    *copy = *row;  // reuses the scratch row's room
  } else {
    copy.reset();
  }
  store.PutRow(ARow, std::move(row));
  store.PutRow(Scratch, std::move(copy));
  if (G.SortSettings()->SortOnVirtualCells() && G.HasDisplTextHooks()) {
    for (int c = 0; c < G.AllColCount(); ++c) store.SetText(c, Scratch, G.Cells(c, ARow));
  }
}

// Before the grid is asked about a row's cells.
void TGridSorter::Touch(int ARow) {
  if (FPendingPivot < 0 || ARow != G.RowCount() - 2) return;
  const int from = std::exchange(FPendingPivot, -1);
  FillPivot(from, ARow);
}

// CompareLine with the first column from its flat keys when they decide;
// small, so that the partition's loops take it in.
inline int TGridSorter::CompareFirst(int ACol, int ARow1, int ARow2) {
  const TSortKeyCache& k = *FKeys;
  if (!k.Fast || k.FastCol != ACol || (k.ShortCutSameRow && k.Fast->SameRow(ARow1, ARow2)))
    return CompareNotFast(ACol, ARow1, ARow2);
  ++FCompares;
  const int res = k.Fast->Compare(ARow1, ARow2);
  return res != 0 ? res : CompareAfterFast(ACol, ARow1, ARow2);
}

int TGridSorter::CompareNotFast(int ACol, int ARow1, int ARow2) {
  TSortFastColumn* f = FKeys->Fast ? nullptr : FastColumn(ACol);
  return f ? CompareFirst(ACol, ARow1, ARow2) : CompareLine(ACol, ARow1, ARow2);
}

// The rows tie in the first column: the next ones decide with Full.
int TGridSorter::CompareAfterFast(int ACol, int ARow1, int ARow2) {
  if (!G.SortSettings()->Full() || ACol >= G.AllColCount() - 1) return 0;
  return CompareLine(ACol + 1, ARow1, ARow2);
}

// Recurses into the smaller part and loops on the larger, so the depth stays
// below log2 of the row count whatever the order.
template <class Scan, class Cmp>
void TGridSorter::SortRange(int Start, int End, bool SkipEqual, const Scan& Scans, Cmp&& Compare) {
  while (Start < End) {
    const int pivot = CopyPivot((Start + End) / 2);
    int i = Start, j = End;
    do {
      i = Scans.Up(pivot, i, End);
      j = Scans.Down(pivot, j, Start);
      if (i <= j) {
        if (i != j && !(SkipEqual && Compare(i, j) == 0)) Swap(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - Start < End - i) {
      if (Start < j) SortRange(Start, j, SkipEqual, Scans, Compare);
      Start = i;
    } else {
      if (i < End) SortRange(i, End, SkipEqual, Scans, Compare);
      End = j;
    }
  }
}

void TGridSorter::SortRows(int ACol, int Start, int End) {
  FSortDir = G.SortSettings()->Direction() == sdDescending ? -1 : 1;
  if (Start >= End) return;
  // The keys are read before the first comparison asks for them, so that
  // the partition below can be made for the column's order.
  if (!FKeys->FastTried) FastColumn(ACol);
  const TSortFastColumn* fast = FKeys->Fast && FKeys->FastCol == ACol ? FKeys->Fast : nullptr;
  if (!fast) {
    auto compare = [&](int A, int B) { return CompareFirst(ACol, A, B); };
    SortRange(Start, End, true, TScanEach<decltype(compare)>{compare, FSortDir}, compare);
    return;
  }
  // CompareFirst with the flat keys known to decide. A row against its own
  // pivot copy makes the comparisons CompareLine counts for it, all equal.
  const bool shortCut = FKeys->ShortCutSameRow;
  const int sameRowCompares = shortCut ? SameRowCompares(ACol) : 0;
  fast->WithCompare(Start, End, [&](auto Cmp, auto Quick) {
    auto compare = [&](int A, int B) {
      if (shortCut && fast->SameRow(A, B)) {
        FCompares += sameRowCompares;
        return 0;
      }
      ++FCompares;
      const int res = Cmp(A, B);
      return res != 0 ? res : CompareAfterFast(ACol, A, B);
    };
    SortRange(Start, End, true, TScanBlocks<decltype(Quick), decltype(compare)>{Quick, compare, FSortDir, FCompares},
              compare);
  });
}

void TGridSorter::SortRowsIndexed(int Start, int End) {
  auto compare = [&](int A, int B) { return CompareLineIndexed(0, A, B); };
  SortRange(Start, End, false, TScanEach<decltype(compare)>{compare, 1}, compare);
}
