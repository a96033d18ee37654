// Mini-HTML text at 10,000, 100,000 and 1,000,000 characters, dense with
// tags, entities and matches. CopyText (one copy of the same text) is the
// floor of each size; every routine must grow with the length as it does.
#include <benchmark/benchmark.h>

#include "grid/base/HTMLTags.h"
#include "grid/base/HTMLText.h"

namespace {

String DenseText(int64_t Length) {
  static const String kUnit = u"<b>ab</b>&amp;x &quot;<#y>&AMP;amp;&lt;ab<i>\r\n</i>\u00E9&euro;<font color=\"clRed\">ab</font>";
  String text;
  text.reserve(static_cast<size_t>(Length) + kUnit.size());
  while (static_cast<int64_t>(text.size()) < Length) text += kUnit;
  text.resize(static_cast<size_t>(Length));
  return text;
}

template <class Routine>
void Measure(benchmark::State& state, const String& Text, Routine routine) {
  for (auto _ : state) benchmark::DoNotOptimize(routine(Text));
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Text.size() * sizeof(Char)));
}

void CopyText(benchmark::State& state) {
  Measure(state, DenseText(state.range(0)), [](const String& t) { return String(t); });
}

void PrepareText(benchmark::State& state) { Measure(state, DenseText(state.range(0)), PrepareHTMLText); }

void PlainText(benchmark::State& state) {
  Measure(state, DenseText(state.range(0)), [](const String& t) { return HTMLToPlainText(t); });
}

void Escape(benchmark::State& state) {
  Measure(state, DenseText(state.range(0)), [](const String& t) { return EscapeHTMLText(t, true); });
}

void Unescape(benchmark::State& state) {
  Measure(state, EscapeHTMLText(DenseText(state.range(0)), true),
          [](const String& t) { return UnescapeHTMLText(t, true); });
}

void Highlight(benchmark::State& state) {
  Measure(state, DenseText(state.range(0)), [](const String& t) {
    String marked;
    HighlightInHTML(t, u"AB", u"hi", false, marked);
    return marked;
  });
}

#define SIZES Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN)
BENCHMARK(CopyText)->SIZES;
BENCHMARK(PrepareText)->SIZES;
BENCHMARK(PlainText)->SIZES;
BENCHMARK(Escape)->SIZES;
BENCHMARK(Unescape)->SIZES;
BENCHMARK(Highlight)->SIZES;

}  // namespace

BENCHMARK_MAIN();
