#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/reaction.h"

namespace {

const std::vector<std::string> Numbers = {
    "12.5", "-3", "1E5", "6.02205E23", "0.000", "1.2.3", "abc", " 1 2 ", "1e-50", "12+3", "+.5", "255",
};

void BM_ParseNumberTextWhole(benchmark::State& state) {
  std::string numberText;
  for (auto _ : state) {
    for (const auto& number : Numbers) {
      std::string text = number;
      char nextChar = 0;
      std::int8_t intClass = 0;
      int position = 0;
      double value = 0;
      benchmark::DoNotOptimize(ParseNumberText(text, DoublePrecisionLimits, numberText, WholeNumberMode, nextChar,
                                               intClass, position, value));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Numbers.size()));
}
BENCHMARK(BM_ParseNumberTextWhole);

void BM_ParseNumberTextNext(benchmark::State& state) {
  std::string text = "2.5mCa3(PO4)2*10H2O";
  std::string numberText;
  for (auto _ : state) {
    for (int start : {0, 8, 13, 15}) {
      char nextChar = 0;
      std::int8_t intClass = 0;
      int position = start;
      double value = 0;
      benchmark::DoNotOptimize(ParseNumberText(text, SinglePrecisionLimits, numberText, NextNumberMode, nextChar,
                                               intClass, position, value));
    }
  }
  state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_ParseNumberTextNext);

}  // namespace
