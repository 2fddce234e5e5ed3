// Runs the grader over a library of one-technique positions in HoDoKu's
// regression format (":code:candidates:givens:deleted:eliminations:placements:extra")
// and counts, for every case, whether the easiest step is sound, and for
// the techniques the ladder has, whether that technique finds the case's
// eliminations or placements. Usage: technique_cases FILE [--list]
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/grader.hpp"
#include "core/solver.hpp"

namespace {

using tessel::Technique;

// HoDoKu's codes for the techniques the ladder has.
const std::map<std::string, std::vector<Technique>>& Ours() {
  using enum Technique;
  static const std::map<std::string, std::vector<Technique>> m = {
      {"0000", {kFullHouse}},        {"0002", {kHiddenSingleBox, kHiddenSingleLine}},
      {"0003", {kNakedSingle}},      {"0100", {kPointing}},
      {"0101", {kClaiming}},         {"0200", {kNakedPair}},
      {"0201", {kNakedTriple}},      {"0202", {kNakedQuad}},
      {"0210", {kHiddenPair}},       {"0211", {kHiddenTriple}},
      {"0212", {kHiddenQuad}},       {"0300", {kXWing}},
      {"0301", {kSwordfish}},        {"0302", {kJellyfish}},
      {"0310", {kFinnedXWing}},      {"0311", {kFinnedSwordfish}},
      {"0312", {kFinnedJellyfish}},  {"0320", {kFinnedXWing}},
      {"0321", {kFinnedSwordfish}},  {"0322", {kFinnedJellyfish}},
      {"0400", {kSkyscraper}},       {"0401", {kTwoStringKite}},
      {"0402", {kEmptyRectangle}},   {"0500", {kSimpleColouring}},
      {"0501", {kSimpleColouring}},  {"0600", {kUniqueRectangle1}},
      {"0601", {kUniqueRectangle2}}, {"0602", {kUniqueRectangle3}},
      {"0603", {kUniqueRectangle4}}, {"0606", {kHiddenRectangle}},
      {"0610", {kBugPlusOne, kBugType2, kBugType3, kBugType4}},       {"0701", {kXChain, kGroupedXChain}},
      {"0702", {kXYChain}},          {"0709", {kGroupedAIC}},          {"0703", {kRemotePairs}},
      {"0707", {kAIC}},              {"0708", {kAIC}},
      {"0710", {kGroupedAIC}},       {"0711", {kGroupedAIC}},
      {"0800", {kXYWing}},           {"0801", {kXYZWing}},
      {"0803", {kWWing}},            {"0901", {kAlsXZ}},
      {"0902", {kAlsXYWing}},        {"1000", {kAlignedPairExclusion}},
      {"1101", {kSueDeCoq}},
  };
  return m;
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::string cur;
  for (char ch : s) {
    if (ch == sep) {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  out.push_back(cur);
  return out;
}

// "436 257" -> {(cell, digit)}
std::set<std::pair<int, int>> Triples(const std::string& s) {
  std::set<std::pair<int, int>> out;
  std::istringstream in(s);
  std::string w;
  while (in >> w)
    if (w.size() == 3) out.insert({(w[1] - '1') * 9 + (w[2] - '1'), w[0] - '0'});
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: technique_cases FILE [--list]\n");
    return 2;
  }
  const bool list = argc > 2 && std::string(argv[2]) == "--list";
  std::ifstream in(argv[1]);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  int cases = 0, stepFound = 0, sound = 0, unsound = 0, noSolution = 0;
  int oursCases = 0, oursExact = 0, oursCovers = 0, failCases = 0, failKept = 0;
  std::map<std::string, std::pair<int, int>> perCode;  // code -> (cases, exact)
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] != ':') continue;
    const auto f = Split(line, ':');
    if (f.size() < 7) continue;
    const std::string tech = f[1], code = tech.substr(0, 4), givens = f[3];
    const bool failCase = tech.size() > 4 && tech.substr(tech.size() - 2) == "-x";
    std::string grid;
    for (char ch : givens)
      if (ch != '+') grid += ch == '0' ? '.' : ch;
    if (grid.size() != 81) continue;
    ++cases;
    tessel::Pencil p(grid);
    if (!p.ok()) continue;
    for (auto [cell, d] : Triples(f[4])) p.Eliminate(cell, d);
    std::string solution;
    const bool unique = tessel::CountSolutions(grid, 2, &solution) == 1;
    tessel::GradeOptions o;
    o.uniqueKnown = unique;
    tessel::GradeStep step;
    if (tessel::FindEasiestStep(p, step, o)) {
      ++stepFound;
      if (!unique) {
        ++noSolution;
      } else {
        bool ok = true;
        for (const auto& pl : step.placements) ok = ok && solution[pl.cell] - '0' == pl.digit;
        for (const auto& e : step.eliminations) ok = ok && solution[e.cell] - '0' != e.digit;
        (ok ? sound : unsound)++;
        if (!ok) std::printf("UNSOUND %s\n  %s\n", line.c_str(), step.description.c_str());
      }
    }
    const auto it = Ours().find(code);
    if (it == Ours().end()) continue;
    if (failCase) {
      ++failCases;
      bool fired = false;
      for (Technique t : it->second) fired = fired || tessel::FindStep(t, p, step, o);
      failKept += !fired;
      continue;
    }
    ++oursCases;
    ++perCode[code].first;
    const auto wantE = Triples(f[5]), wantP = Triples(f[6]);
    bool exact = false, covers = false;
    for (Technique t : it->second) {
      if (!tessel::FindStep(t, p, step, o)) continue;
      std::set<std::pair<int, int>> gotE, gotP;
      for (const auto& e : step.eliminations) gotE.insert({e.cell, e.digit});
      for (const auto& pl : step.placements) gotP.insert({pl.cell, pl.digit});
      // A placement is the removal of the cell's other candidates, as some cases give it.
      if (wantP.empty() && !gotP.empty()) {
        for (const auto& [cell, d] : gotP)
          for (int o = 1; o <= 9; ++o)
            if (o != d && p.Has(cell, o)) gotE.insert({cell, o});
        gotP.clear();
      }
      bool all = true;
      for (const auto& x : wantE) all = all && gotE.count(x);
      for (const auto& x : wantP) all = all && gotP.count(x);
      exact = exact || (gotE == wantE && gotP == wantP);
      covers = covers || all;
    }
    oursExact += exact;
    oursCovers += covers;
    perCode[code].second += exact;
    if (list && !exact) std::printf("MISS %s\n", line.c_str());
  }
  std::printf("cases %d: a step found on %d; checked against the solution %d sound, %d unsound; "
              "%d without one solution\n",
              cases, stepFound, sound, unsound, noSolution);
  std::printf("our techniques: %d cases, %d give exactly the expected result, %d include it; "
              "fail cases %d, %d where ours rightly finds nothing\n",
              oursCases, oursExact, oursCovers, failCases, failKept);
  for (const auto& [code, n] : perCode) std::printf("  %s: %d of %d exact\n", code.c_str(), n.second, n.first);
  return unsound ? 1 : 0;
}
