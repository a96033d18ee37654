// Filter conditions at scale: deeply nested and long flat conditions at
// 20,000 and 200,000 characters, so the growth between the two shows
// whether matching stays linear in the length of the condition.
#include <benchmark/benchmark.h>

#include "grid/base/FilterMatch.h"

namespace {

void DeepGroups(benchmark::State& state) {
  const auto levels = static_cast<size_t>(state.range(0));
  const String cond = String(levels, u'(') + u"a" + String(levels, u')');
  for (auto _ : state) benchmark::DoNotOptimize(MatchFilter(cond, u"a", false));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(DeepGroups)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void FlatTerms(benchmark::State& state) {
  String cond;
  for (int64_t i = 0; i < state.range(0); ++i) cond += u"(b)|";
  cond += u"a";
  for (auto _ : state) benchmark::DoNotOptimize(MatchFilter(cond, u"a", false));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(FlatTerms)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
