// Sums, averages, extremes, deviations and distinct counts over a column's
// rows or a row's columns.
#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "grid/base/HTMLText.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/CellFloat.h"
#include "grid/model/FloatingFooter.h"
#include "platform/sys/SysUtils.h"

namespace {

// -1 for either end stands for every data row.
void DefaultRows(const TAdvStringGrid& G, int& From, int& To) {
  if (From != -1 && To != -1) return;
  From = G.FixedRows();
  To = G.RowCount() - G.FixedFooters() - 1;
}

double CustomCalc(TAdvStringGrid& G, const TColumnCalcEvent& Handler, int ACol, int FromRow, int ToRow) {
  double res = 0.0;
  DefaultRows(G, FromRow, ToRow);
  if (Handler) Handler(&G, ACol, FromRow, ToRow, res);
  return res;
}

// The rows a column calculation walks: grid rows, or real rows with the
// parked ones among them.
struct TCalcRows {
  int From;
  int To;
  bool Real;
  int Count() const { return To - From + 1; }
};

class TColumnWalk {
 public:
  // InsideGroup: the range holds a group's data rows only, so no row needs
  // its type read.
  TColumnWalk(TAdvStringGrid& Grid, int ACol, int FromRow, int ToRow, bool FooterRow, bool InsideGroup)
      : G(Grid), Col(ACol), Footer(FooterRow), InsideGroup(InsideGroup),
        Rows(Resolve(Grid, FromRow, ToRow, FooterRow)) {}

  const TCalcRows& Range() const { return Rows; }

  // The cell's number, tags stripped on grid rows; false when it holds none.
  bool Number(int ARow, double& Value) {
    if (Rows.Real) return TryCellTextToFloat(G.AllCells(Col, ARow), Value);
    const StringView text = G.CellView(Col, ARow);
    if (text.find(u'<') == StringView::npos) return TryCellTextToFloat(text, Value);
    return TryCellTextToFloat(HTMLToPlainText(text), Value);
  }
  double NumberOrRaise(int ARow) {
    double v = 0.0;
    if (!Number(ARow, v)) throw EAdvGridError(AdvGridErrors::NoFloatValue);
    return v;
  }
  String RawText(int ARow) { return Rows.Real ? G.AllCells(Col, ARow) : G.Cells(Col, ARow); }

  // Grid rows a sort left scattered in memory are asked for some rows ahead
  // of their turn, so that they have arrived when read; also past the range,
  // where the next group's rows follow.
  [[gnu::always_inline]] void FetchAhead(int ARow) const {
    if (Rows.Real) return;
    constexpr int kApart = 16;
    for (int step = 0; step < 3; ++step) G.PrefetchCell(Col, ARow + (3 - step) * kApart, step);
  }

  // Visit(row) for each counted cell, with the progress hook around.
  template <class F>
  void ForCounted(F Visit) {
    G.ExportNotification(esExportStart, Rows.From);
    const int last = LastRow();
    for (int r = Rows.From; r <= last; ++r) {
      FetchAhead(r);
      if (!Counted(r)) continue;
      G.ExportNotification(esExportNewRow, r);
      Visit(r);
    }
    G.ExportNotification(esExportDone, -1);
  }

  // Rows beyond the grid (no real row behind them) are never read.
  int LastRow() const {
    const int rows = Rows.Real ? G.AllRowCount() : G.RowCount();
    return std::min(Rows.To, rows - 1 - (Footer ? 1 : 0));
  }

 private:
  static TCalcRows Resolve(TAdvStringGrid& G, int From, int To, bool FooterRow) {
    DefaultRows(G, From, To);
    const int lastData = G.RowCount() - (FooterRow ? 2 : 1);
    return {std::max(From, 0), To, To > lastData};
  }

  bool Counted(int ARow) {
    int d = ARow;
    if (Rows.Real) {
      if (G.IsHiddenRow(ARow)) return true;
      d = G.DisplRowIndex(ARow);
    }
    if (!InsideGroup && G.GroupColumn() >= 0) {
      const TCellType type = G.GetCellType(0, d);
      if (type == ctNode || type == ctSummary) return false;
    }
    return G.MergeCount() == 0 || G.IsBaseCell(Col, d);
  }

  TAdvStringGrid& G;
  int Col;
  bool Footer;
  bool InsideGroup;
  TCalcRows Rows;
};

double NumberOrRaise(const String& Text) {
  double v = 0.0;
  if (!TryCellTextToFloat(Text, v)) throw EAdvGridError(AdvGridErrors::NoFloatValue);
  return v;
}

bool Beyond(double Value, double Best, bool Largest) { return Largest ? Value > Best : Value < Best; }

}  // namespace

bool TAdvStringGrid::HasFooterRow() const {
  return FFloatingFooter && FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
}

double TAdvStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
  TColumnWalk w(*this, ACol, FromRow, ToRow, HasFooterRow(), FState->CalcInsideGroup);
  double sum = 0.0;
  w.ForCounted([&](int r) {
    double v = 0.0;
    if (w.Number(r, v)) sum += v;
  });
  return sum;
}

double TAdvStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
  TColumnWalk w(*this, ACol, FromRow, ToRow, HasFooterRow(), FState->CalcInsideGroup);
  const int n = w.Range().Count();
  return n > 0 ? ColumnSum(ACol, w.Range().From, w.Range().To) / n : 0.0;
}

double TAdvStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
  return ColumnExtreme(ACol, FromRow, ToRow, false);
}

double TAdvStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
  return ColumnExtreme(ACol, FromRow, ToRow, true);
}

double TAdvStringGrid::ColumnExtreme(int ACol, int FromRow, int ToRow, bool Largest) {
  TColumnWalk w(*this, ACol, FromRow, ToRow, HasFooterRow(), FState->CalcInsideGroup);
  bool first = true;
  double best = 0.0;
  w.ForCounted([&](int r) {
    double v = 0.0;
    if (first) {
      best = w.NumberOrRaise(r);
      first = false;
    } else if (w.Number(r, v) && Beyond(v, best, Largest)) {
      best = v;
    }
  });
  return best;
}

// One read of each row: the counted values give the average, every row the
// deviation.
double TAdvStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  TColumnWalk w(*this, ACol, FromRow, ToRow, HasFooterRow(), FState->CalcInsideGroup);
  const int n = w.Range().Count();
  if (n <= 0) return 0.0;
  std::vector<double> values;
  double sum = 0.0;
  int next = w.Range().From;
  auto readUpTo = [&](int r) {
    for (; next <= r; ++next) values.push_back(w.NumberOrRaise(next));
  };
  w.ForCounted([&](int r) {
    readUpTo(r);
    sum += values.back();
  });
  readUpTo(w.LastRow());
  ExportNotification(esExportStart, w.Range().From);
  const double avg = sum / n;
  double squares = 0.0;
  for (double v : values) squares += (v - avg) * (v - avg);
  ExportNotification(esExportDone, -1);
  return std::sqrt(squares / n);
}

double TAdvStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  TColumnWalk w(*this, ACol, FromRow, ToRow, HasFooterRow(), FState->CalcInsideGroup);
  auto caseless = [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; };
  std::set<String, decltype(caseless)> texts(caseless);
  ExportNotification(esExportStart, w.Range().From);
  for (int r = w.Range().From; r <= w.LastRow(); ++r) {
    w.FetchAhead(r);
    ExportNotification(esExportNewRow, r);
    texts.insert(w.RawText(r));
  }
  ExportNotification(esExportDone, -1);
  return static_cast<double>(texts.size());
}

double TAdvStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
  return CustomCalc(*this, OnColumnCalc, ACol, FromRow, ToRow);
}

double TAdvStringGrid::GroupCustomCalc(int ACol, int FromRow, int ToRow) {
  return CustomCalc(*this, OnGroupCalc, ACol, FromRow, ToRow);
}

double TAdvStringGrid::RowSum(int ARow, int FromCol, int ToCol) {
  double sum = 0.0;
  for (int c = FromCol; c <= ToCol; ++c) {
    double v = 0.0;
    if (IsBaseCell(c, ARow) && TryCellTextToFloat(StrippedCells(c, ARow), v)) sum += v;
  }
  return sum;
}

double TAdvStringGrid::RowAvg(int ARow, int FromCol, int ToCol) {
  const int n = ToCol - FromCol + 1;
  return n > 0 ? RowSum(ARow, FromCol, ToCol) / n : 0.0;
}

double TAdvStringGrid::RowMin(int ARow, int FromCol, int ToCol) {
  return RowExtreme(ARow, FromCol, ToCol, false);
}

double TAdvStringGrid::RowMax(int ARow, int FromCol, int ToCol) {
  return RowExtreme(ARow, FromCol, ToCol, true);
}

double TAdvStringGrid::RowExtreme(int ARow, int FromCol, int ToCol, bool Largest) {
  double best = NumberOrRaise(StrippedCells(FromCol, ARow));
  for (int c = FromCol + 1; c <= ToCol; ++c) {
    double v = 0.0;
    if (IsBaseCell(c, ARow) && TryCellTextToFloat(StrippedCells(c, ARow), v) && Beyond(v, best, Largest))
      best = v;
  }
  return best;
}
