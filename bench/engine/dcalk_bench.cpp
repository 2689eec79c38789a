#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/formcalc.h"

namespace {

// Formulas of every shape the parser reads: plain, counts, brackets, adducts,
// isotopes, charges, amount prefixes, comma forms, exponents and failures.
const std::vector<std::string> Corpus = {
    "H2O",
    "CO2",
    "NaCl",
    "C6H12O6",
    "H2SO4",
    "CH3COOH",
    "C2H5OH",
    "NH3",
    "Fe2O3",
    "KMnO4",
    "Ca3(PO4)2",
    "K4[Fe(CN)6]",
    "Al2(SO4)3",
    "(NH4)2SO4",
    "Mg(OH)2",
    "[Cu(NH3)4]SO4",
    "Ca(HCO3)2",
    "CuSO4*5H2O",
    "Na2CO3*10H2O",
    "MgSO4*7H2O",
    "CaSO4*0.5H2O",
    "KAl(SO4)2*12H2O",
    "X*2Y",
    "C(13)O2",
    "C[13]H4",
    "H(2)2O",
    "D2O",
    "CH3C(13)H3",
    "O(18)2",
    "C(14)O2",
    "Fe+3",
    "SO4--",
    "SO4-2",
    "NH4+",
    "MnO4-",
    "Cr2O7-2",
    "H+",
    "e-",
    "H+2",
    "2mH2O",
    "36gH2O",
    "0.5mCuSO4*5H2O",
    "10gNaCl",
    "1E-3mHCl",
    "2.5e2gCaCO3",
    "2mS,H2SO4",
    "10gFe,Fe2O3",
    "5gO2,KClO3",
    "1mO2,KClO3",
    "2gH,C3H8",
    "S,H2SO4",
    "10gC(13),C(13)O2",
    "2H2O",
    "3Ca(OH)2",
    "Fe0.95O",
    "C1E3H2002",
    "NaCl(s)",
    "xyz",
    "",
    "CuSO4*",
    "Cu(SO4*H2O)",
    "C?H4",
    "C60",
    "C8H10N4O2",
    "Ca10(PO4)6(OH)2",
    "C55H72MgN4O5",
};

void BM_dcalk(benchmark::State& state) {
  FormulaCounts counts{};
  IsotopeUsedFlags flags{};
  std::vector<std::string> texts = Corpus;
  for (auto _ : state) {
    for (auto& text : texts) {
      int kind = 0;
      float electrons = -1.0f;
      float amount = 0.0f;
      benchmark::DoNotOptimize(
          dcalk(counts, flags, 0, text, 1, static_cast<int>(state.range(0)), kind, electrons, amount));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
  state.counters["per_formula"] = benchmark::Counter(static_cast<double>(state.iterations() * texts.size()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// Type 1: mass only; type 3: mass and counts.
BENCHMARK(BM_dcalk)->Arg(1)->Arg(3);

}  // namespace
