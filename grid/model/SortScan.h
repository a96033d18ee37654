#pragma once
// The two scans of the guarded partition: from the left while the pivot
// compares as Target with the row, from the right while the row compares as
// Target with the pivot. Each stops where the loop comparing row by row
// stops, after the same comparisons.
#include <algorithm>
#include <bit>

// One comparison after the other.
template <class Cmp>
struct TScanEach {
  Cmp& Compare;
  int Target;

  int Up(int Pivot, int I, int Last) const {
    while (Compare(Pivot, I) == Target && I < Last) ++I;
    return I;
  }
  int Down(int Pivot, int J, int First) const {
    while (Compare(J, Pivot) == Target && J > First) --J;
    return J;
  }
};

// A block of rows at a time. Quick answers a pair from the flat keys alone,
// or 0 where the full comparison Compare must (a tie, the pivot's own row,
// a blank, equal heads). A block's answers are gathered without a jump and
// the stop is found among them, so an answer nobody can foresee costs no
// mispredicted jump per row. The comparisons Quick stood for are counted.
template <class Quick, class Cmp>
struct TScanBlocks {
  Quick& QuickCompare;
  Cmp& Compare;
  int Target;
  int& Count;

  int Up(int Pivot, int I, int Last) const {
    return Scan(I, Last, 1, [&](int K) { return QuickCompare(Pivot, K); }, [&](int K) { return Compare(Pivot, K); });
  }
  int Down(int Pivot, int J, int First) const {
    return Scan(J, First, -1, [&](int K) { return QuickCompare(K, Pivot); }, [&](int K) { return Compare(K, Pivot); });
  }

 private:
  static constexpr int kBlock = 4;

  template <class QuickAt, class FullAt>
  int Scan(int At, int Last, int Step, QuickAt&& QuickOf, FullAt&& FullOf) const {
    int counted = 0;  // kept here, so that no store in the loop may touch the keys
    for (;;) {
      const int left = (Last - At) * Step;  // rows after At up to Last
      const int n = std::min(kBlock, left + 1);
      unsigned stops = 0;
      for (int k = 0; k < n; ++k) stops |= static_cast<unsigned>(QuickOf(At + k * Step) != Target) << k;
      if (stops == 0 && n <= left) {
        counted += n;
        At += n * Step;
        continue;
      }
      const int s = stops != 0 ? std::countr_zero(stops) : n - 1;
      At += s * Step;
      Count += counted + s;
      counted = 0;
      const int quick = QuickOf(At);
      const int res = quick != 0 ? (++Count, quick) : FullOf(At);
      if (res != Target || At == Last) return At;
      At += Step;
    }
  }
};
