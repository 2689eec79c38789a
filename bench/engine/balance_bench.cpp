#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/reaction/balance_groups.h"
#include "engine/reaction/balance_search.h"
#include "engine/reaction/equation_species.h"
#include "engine/reaction.h"

namespace {

// The examples of the balancing window and engine, redox equations, and
// equations of eight groups that have no solution (a charge that nothing
// balances, so one species must have the coefficient 0).
const std::vector<std::string> Corpus = {
    "FeS2+O2>Fe3O4+SO2",
    "2gC3H8+O2>CO2+H2O",
    "C3H8+2mO2>CO2+H2O",
    "5gC3H8+3gO2>CO2+H2O",
    "2gH,C3H8+0.5mO,O2>CO2+H2O",
    "As2S3+NaNO3+Na2CO3>Na3AsO4+Na2SO4+NaNO2+10gC,CO2",
    "H2+O2>H2O",
    "Zn+HNO3>Zn(NO3)2+NH4NO3+H2O",
    "P4+NaOH+H2O>PH3+NaH2PO2",
    "C2H6+CH4+O2>CO2+H2O",
    "NaHCO3+S>H2SO4+CO+Na2CO3+H2O",
    "C2H5OH>H2O+CH4+CO",
    "Fe+2+MnO4-+H+>Fe+3+Mn+2+H2O",
    "NaCl(s)>Na+(aq)+Cl-(aq)",
    "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O",
    "Al+NH4ClO4>Al2O3+AlCl3+H2O+N2",
    "Cr2O7-2+H++Fe+2>Cr+3+Fe+3+H2O",
    "MnO4-+H++Cl->Mn+2+Cl2+H2O",
    "Cu+HNO3>Cu(NO3)2+NO+H2O",
    "KMnO4+HCl>KCl+MnCl2+H2O+Cl2",
    "K2Cr2O7+HCl>KCl+CrCl3+H2O+Cl2",
    "As2S3+HNO3+H2O>H3AsO4+H2SO4+NO",
    "Ca3(PO4)2+SiO2+C>CaSiO3+P4+CO",
    "C6H12O6+O2>CO2+H2O",
    "C8H18+O2>CO2+H2O",
    "Fe2O3+CO>Fe+CO2",
    "NH3+O2>NO+H2O",
    "KClO3>KCl+O2",
    "Pb(NO3)2>PbO+NO2+O2",
    "H2O2>H2O+O2",
    "I-+IO3-+H+>I2+H2O",
    "MnO4-+SO3-2+H+>Mn+2+SO4-2+H2O",
    "Cr(OH)3+ClO3-+OH->CrO4-2+Cl-+H2O",
    "Zn+NO3-+H+>Zn+2+NH4++H2O",
    "CuSO4*5H2O>CuSO4+H2O",
    "Na2S2O3+I2>Na2S4O6+NaI",
    "FeS+O2>Fe2O3+SO2",
    "C2H2+O2>CO2+H2O",
    "Al+Fe2O3>Al2O3+Fe",
    "P4O10+HNO3>H3PO4+N2O5",
    "CH4+C2H6+C3H8+C4H10+O2>CO2+H2O+CO",
    "CH4+C2H6+C3H8+C4H10+O2>CO2+H2O+H+",
    "NH3+N2H4+HNO3+O2>NO+NO2+H2O+OH-",
    "C2H4+C3H6+C4H8+H2>C2H6+C3H8+C4H10+CH3+",
};

void BalanceOne(benchmark::State& state, const std::string& equation, int balMid) {
  for (auto _ : state) {
    std::string text = equation, table;
    int enthalpyMissing = 0, entropyMissing = 0;
    double dH = 0.0, dS = 0.0;
    const int code = BalanceEquation(2, enthalpyMissing, entropyMissing, 0, 1, balMid, 20, dH, dS, text, table);
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(text.data());
  }
}

balance::SearchProblem ProblemOf(const std::string& equation, int balMid) {
  PreparedEquation prepared;
  BalanceGroups groups;
  PrepareEquation(2, equation, MaxEquationSpecies, prepared);
  FormGroups(prepared, MaxEquationGroups, 1, balMid, 20, groups);
  return groups.problem;
}

// The search alone, exact beside point by point, for a few equations at small bounds.
void SearchOne(benchmark::State& state, const std::string& equation, int balMid, bool pointByPoint) {
  const balance::SearchProblem problem = ProblemOf(equation, balMid);
  for (auto _ : state) {
    auto found = pointByPoint ? balance::FirstSolutionByOdometer(problem) : balance::FirstSolutionInBox(problem);
    benchmark::DoNotOptimize(found);
  }
}

const int Registered = [] {
  for (std::size_t i = 0; i < Corpus.size(); ++i) {
    for (int balMid : {10, 100}) {
      const std::string name =
          "BalanceEquation/mid" + std::to_string(balMid) + "/" + std::to_string(i) + ":" + Corpus[i];
      benchmark::RegisterBenchmark(name.c_str(), BalanceOne, Corpus[i], balMid);
    }
  }
  benchmark::RegisterBenchmark("BalanceEquation/mid300/K4Fe(CN)6", BalanceOne, Corpus[14], 300);
  const struct {
    std::size_t corpusIndex;
    int balMid;
  } searches[] = {{10, 10}, {40, 6}, {41, 6}, {42, 6}, {41, 10}};
  for (const auto& search : searches) {
    for (bool pointByPoint : {false, true}) {
      const std::string name = std::string(pointByPoint ? "PointByPoint" : "ExactSearch") + "/mid" +
                               std::to_string(search.balMid) + "/" + Corpus[search.corpusIndex];
      benchmark::RegisterBenchmark(name.c_str(), SearchOne, Corpus[search.corpusIndex], search.balMid, pointByPoint)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  return 0;
}();

}  // namespace
