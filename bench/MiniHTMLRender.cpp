// Laying out and drawing mini-HTML cell texts on a bitmap canvas, against
// the same texts without tags drawn by the canvas's word-breaking DrawText
// in the same rectangles; and measuring one long text of growing length.
#include <benchmark/benchmark.h>

#include "bench/GuiBenchMain.h"
#include "grid/base/HTMLRender.h"
#include "grid/base/HTMLText.h"
#include "platform/gui/Bitmap.h"

namespace {

constexpr int kCells = 10000;

// About 200 characters: bold, italic, font colours, an anchor, a line break, entities.
String CellText(int I) {
  return u"<B>Gateway " + IntToStr(I) + u"</B> port <I>status</I> is <FONT color=\"clRed\">down</FONT> since "
         u"the last &quot;reset&quot; &amp; reload.<BR>See <A href=\"log" + IntToStr(I) +
         u"\">the log</A> &euro; for <FONT color=\"#008000\">details</FONT> of event " + IntToStr(I * 7) + u".";
}

const std::vector<String>& Texts(bool Plain) {
  static const auto make = [](bool plain) {
    std::vector<String> texts;
    for (int i = 0; i < kCells; ++i) texts.push_back(plain ? HTMLToPlainText(CellText(i)) : CellText(i));
    return texts;
  };
  static const std::vector<String> html = make(false), plain = make(true);
  return Plain ? plain : html;
}

TRect CellRect(int I) { return TRect{(I % 4) * 250, (I / 4 % 10) * 60, (I % 4) * 250 + 240, (I / 4 % 10) * 60 + 56}; }

void RenderCells(benchmark::State& state) {
  TBitmap bitmap(1000, 600);
  TCanvas& c = *bitmap.Canvas();
  const auto& texts = Texts(false);
  for (auto _ : state)
    for (int i = 0; i < kCells; ++i) {
      THTMLRenderResults out;
      benchmark::DoNotOptimize(RenderMiniHTML(c, texts[i], CellRect(i), {}, out));
    }
}

void DrawPlainCells(benchmark::State& state) {
  TBitmap bitmap(1000, 600);
  TCanvas& c = *bitmap.Canvas();
  const auto& texts = Texts(true);
  for (auto _ : state)
    for (int i = 0; i < kCells; ++i) {
      TRect r = CellRect(i);
      benchmark::DoNotOptimize(c.DrawText(texts[i], r, DT_WORDBREAK | DT_NOPREFIX));
    }
}

void MeasureLongText(benchmark::State& state) {
  TBitmap bitmap(10, 10);
  TCanvas& c = *bitmap.Canvas();
  String text;
  for (int i = 0; static_cast<int64_t>(text.size()) < state.range(0); ++i) text += CellText(i);
  THTMLRenderInputs in;
  in.CheckHeight = true;
  for (auto _ : state) {
    THTMLRenderResults out;
    benchmark::DoNotOptimize(RenderMiniHTML(c, text, TRect{0, 0, 400, 100}, in, out));
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(RenderCells)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawPlainCells)->Unit(benchmark::kMillisecond);
BENCHMARK(MeasureLongText)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
