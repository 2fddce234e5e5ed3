#include "core/explain.hpp"

#include <algorithm>
#include <bit>
#include <cctype>
#include <functional>

#include "core/solver.hpp"

namespace tessel {

namespace {

constexpr std::uint16_t kAll = 0x1FF;

// Every sentence is one of these formats with its blanks ({0}, {1}, ...)
// filled, so that each can be translated whole.
namespace say {
// houses, lists
constexpr const char* kRow = TEXT_IN("Explain", "row {0}");
constexpr const char* kColumn = TEXT_IN("Explain", "column {0}");
constexpr const char* kBox = TEXT_IN("Explain", "box {0}");
constexpr const char* kRows = TEXT_IN("Explain", "rows {0}");
constexpr const char* kColumns = TEXT_IN("Explain", "columns {0}");
constexpr const char* kRemove = TEXT_IN("Explain", "remove {0}");
constexpr const char* kFrom = TEXT_IN("Explain", "{0} from {1}");
constexpr const char* kDigitsIn = TEXT_IN("Explain", "{0} in {1}");
// singles, locked candidates, subsets, fish
constexpr const char* kFullHouse = TEXT_IN("Explain", "Full house: {0} is the last open cell of {1}, so it takes {2}.");
constexpr const char* kHiddenSingle = TEXT_IN("Explain", "Hidden single: in {0} the {1} fits only in {2}.");
constexpr const char* kNakedSingle = TEXT_IN("Explain", "Naked single: {0} can hold only {1}.");
constexpr const char* kPointing = TEXT_IN("Explain", "Pointing: in {0} the {1} lies only in {2}, so {3}.");
constexpr const char* kClaiming = TEXT_IN("Explain", "Claiming: in {0} the {1} lies only in {2}, so {3}.");
constexpr const char* kNakedSubset[] = {
    TEXT_IN("Explain", "Naked pair {0} in {1}: no other cell of {2} can hold {3}; {4}."),
    TEXT_IN("Explain", "Naked triple {0} in {1}: no other cell of {2} can hold {3}; {4}."),
    TEXT_IN("Explain", "Naked quad {0} in {1}: no other cell of {2} can hold {3}; {4}.")};
constexpr const char* kHiddenSubset[] = {
    TEXT_IN("Explain", "Hidden pair {0} in {1}: they fit only in {2}, so those cells hold nothing else; {3}."),
    TEXT_IN("Explain", "Hidden triple {0} in {1}: they fit only in {2}, so those cells hold nothing else; {3}."),
    TEXT_IN("Explain", "Hidden quad {0} in {1}: they fit only in {2}, so those cells hold nothing else; {3}.")};
constexpr const char* kFish = TEXT_IN("Explain", "{0} on {1} in {2}, {3}: {4}.");
constexpr const char* kGeneric = TEXT_IN("Explain", "{0} ({1}): {2}; {3}.");
// clues
constexpr const char* kClueFullHouse = TEXT_IN("Explain", "Look at {0}: one cell is left.");
constexpr const char* kClueHidden = TEXT_IN("Explain", "Look for a hidden single in {0}.");
constexpr const char* kClueNaked = TEXT_IN("Explain", "Look for a naked single in {0}.");
constexpr const char* kClueLocked = TEXT_IN("Explain", "Look at the {0}s in {1}.");
constexpr const char* kClueSubset = TEXT_IN("Explain", "There is a {0} in {1}.");
constexpr const char* kClueDigit = TEXT_IN("Explain", "There is {0} on {1}.");
constexpr const char* kClueCells = TEXT_IN("Explain", "There is {0} through {1}.");
constexpr const char* kClueAny = TEXT_IN("Explain", "There is {0}.");
constexpr const char* kClueCell = TEXT_IN("Explain", "Try each digit of {0}: they all lead to the same result.");
constexpr const char* kClueRegion = TEXT_IN("Explain", "Try each place for {0} in {1}: they all lead to the same result.");
constexpr const char* kClueAssume = TEXT_IN("Explain", "Suppose {0} and follow what it forces.");
// chains
constexpr const char* kIs = TEXT_IN("Explain", "{0} is {1}");
constexpr const char* kIsNot = TEXT_IN("Explain", "{0} is not {1}");
constexpr const char* kGroupIs = TEXT_IN("Explain", "{1} is in {0}");
constexpr const char* kGroupIsNot = TEXT_IN("Explain", "{0} are not {1}");
constexpr const char* kNoDigit = TEXT_IN("Explain", "{0} can hold no digit");
constexpr const char* kNoPlace = TEXT_IN("Explain", "{0} has no place for {1}");
constexpr const char* kByTechnique = TEXT_IN("Explain", "{0} (by {1})");
constexpr const char* kViaLocked = TEXT_IN("Explain", "{0}, as the {1}s of {2} now lie in {3}");
constexpr const char* kViaNaked = TEXT_IN("Explain", "{0}, as {1} now hold only {2}");
constexpr const char* kViaHidden = TEXT_IN("Explain", "{0}, as {1} of {2} now fit only in {3}");
constexpr const char* kViaFish = TEXT_IN("Explain", "{0}, as the {1}s of {2} now lie in {3}");
constexpr const char* kViaChain = TEXT_IN("Explain", "{0} ({1})");
constexpr const char* kIfThen = TEXT_IN("Explain", "if {0}, then {1}");
constexpr const char* kSoNext = TEXT_IN("Explain", "{0}, so {1}");
constexpr const char* kCannot = TEXT_IN("Explain", "{0} cannot be {1}");
constexpr const char* kMust = TEXT_IN("Explain", "{0} must be {1}");
// whole steps
constexpr const char* kChain = TEXT_IN("Explain", "{0} on {1}: {2}. So {3}; {4}.");
constexpr const char* kChainMore = TEXT_IN("Explain", "{0} on {1}: {2}. So {3}; chains like it {4}.");
constexpr const char* kMixedChain = TEXT_IN("Explain", "{0}: {2}. So {3}; {4}.");
constexpr const char* kMixedChainMore = TEXT_IN("Explain", "{0}: {2}. So {3}; chains like it {4}.");
constexpr const char* kContradiction = TEXT_IN("Explain", "{0}: {1}. So {2}; {3}.");
constexpr const char* kClash = TEXT_IN("Explain", "{0}: {1}; and {2}. Both cannot hold, so {3}; {4}.");
constexpr const char* kEitherWay = TEXT_IN("Explain", "{0}: {1}. Either way {2}; {3}.");
constexpr const char* kCellIntro = TEXT_IN("Explain", "{0} holds {1}");
constexpr const char* kRegionIntro = TEXT_IN("Explain", "the {0} of {1} goes in {2}");
constexpr const char* kXYWing = TEXT_IN("Explain", "XY-Wing: the pivot {0} holds {1} or {2}. If it is {1}, {3} is {4}; if it is {2}, {5} is {4}. "
                                "Either way {6} cannot be {4}; {7}.");
constexpr const char* kXYZWing = TEXT_IN("Explain", "XYZ-Wing: {0} holds {1}, {2} holds {3} and {4} holds {5}: one of the three is {6}, "
                                 "so a cell that sees all three cannot be {6}; {8}.");
constexpr const char* kWWing = TEXT_IN("Explain", "W-Wing: {0} and {1} both hold only {2} or {3}, and the {2} of {4} is in {5} or {6}, "
                               "which see them. So one of {0} and {1} is {3}; {7}.");
constexpr const char* kRectangle = TEXT_IN("Explain", "Unique rectangle on {0} and {1} in {2}: if these cells held only {0} and {1}, "
                                   "the two digits could swap and the puzzle would have two solutions. ");
constexpr const char* kUR1 = TEXT_IN("Explain", "So {0} holds another digit; {1}.");
constexpr const char* kUR2 = TEXT_IN("Explain", "So {0} is {1}; {2}.");
constexpr const char* kUR3 = TEXT_IN("Explain", "So {0} holds {1}, and with {2} they make a naked set of {3} in {4}; {5}.");
constexpr const char* kUR4 = TEXT_IN("Explain", "The {0} of {1} is in {2} or {3}, so neither can be {4}; {5}.");
constexpr const char* kHiddenRect = TEXT_IN("Explain", "If {0} were {1}, the {2}s of its row and column would go to {3} and {4} and close "
                                    "the swap; {5}.");
constexpr const char* kBug = TEXT_IN("Explain", "BUG+1: every open cell but {0} holds two candidates. Unless {0} is {1}, every digit would "
                             "have two places in each house and the puzzle two solutions. So {0} is {1}.");
constexpr const char* kLoop = TEXT_IN("Explain", "Unique loop on {0} and {1} through {2}: if these cells held only {0} and {1}, the two "
                              "digits could swap around the loop and the puzzle would have two solutions. ");
constexpr const char* kBugMany = TEXT_IN("Explain", "BUG: only {0} hold more than two candidates. Without {1}, every open cell would hold "
                                 "two and every digit two places in each house, and the puzzle could not have one "
                                 "solution. ");
constexpr const char* kBug2 = TEXT_IN("Explain", "So {0} is {1}, and a cell that sees them all cannot be {1}; {2}.");
constexpr const char* kBug3 = TEXT_IN("Explain", "So {0}, and with {1} they make a naked set of {2} in {3}; {4}.");
constexpr const char* kBug4 = TEXT_IN("Explain", "So {0}; the {1} of {2} is in one of them, so the other is {1}, and neither can hold "
                              "its other digit; {3}.");
constexpr const char* kEitherIs = TEXT_IN("Explain", "{0} is {1}");
// single-digit patterns
constexpr const char* kTurbot = TEXT_IN("Explain", "{0} on {1}: in {2} the {1} is in {3} or {4}, and in {5} in {6} or {7}. {4} and {7} "
                                "share {8}, so they are not both {1}, and {3} or {6} is: a cell that sees both cannot be {1}; {9}.");
constexpr const char* kEmptyRect = TEXT_IN("Explain", "Empty rectangle on {0}: in {1} the {0}s, at {9}, lie in {2} or {3}, and in {4} the {0} "
                                   "is in {5} or {6}. If {7} were {0}, {6} would not be, so {5} would, and {1} would "
                                   "have no place left for it; {8}.");
constexpr const char* kRemotePairs = TEXT_IN("Explain", "Remote pairs on {0} and {1}: {2} hold only {0} or {1}, each seeing the next, so "
                                     "they take the two digits in turn: {3} hold one, {4} the other. A cell that sees "
                                     "one of each holds neither; {6}.");
constexpr const char* kColourTrap = TEXT_IN("Explain", "Simple colouring on {0}: following the houses where {0} has only two places, {1} "
                                    "take one colour and {2} the other, and one colour holds the {0}s. A cell that sees "
                                    "both colours cannot be {0}; {4}.");
constexpr const char* kColourWrap = TEXT_IN("Explain", "Simple colouring on {0}: following the houses where {0} has only two places, {1} "
                                    "take one colour and {2} the other, and one colour holds the {0}s. {3} and {4} "
                                    "share a colour and see each other, so that colour is false; {5}.");
constexpr const char* kFinnedFish = TEXT_IN("Explain", "{0} on {1}: in {2} the {1} lies in {3}, at {7}, but for the fin {4}. If {4} is not {1}, "
                                    "the fish takes {1} from the rest of {3}; if it is, {1} goes from the cells that "
                                    "see it. A cell in both cases cannot be {1}; {6}.");
constexpr const char* kFinnedFishMany = TEXT_IN("Explain", "{0} on {1}: in {2} the {1} lies in {3}, at {7}, but for the fins {4}. If none of "
                                        "them is {1}, the fish takes {1} from the rest of {3}; if one is, {1} goes "
                                        "from the cells that see them all. A cell in both cases cannot be {1}; {6}.");
// exclusion and almost locked sets
constexpr const char* kAligned = TEXT_IN("Explain", "Aligned pair exclusion: if {0} were {1}, {2} could take none of {3}: {4}. So {0} "
                                 "cannot be {1}; {5}.");
constexpr const char* kSameHouse = TEXT_IN("Explain", "not {0}, which {1} would hold");
constexpr const char* kLeftEmpty = TEXT_IN("Explain", "not {0}, or {1}, which holds only {2} and {0}, would be empty");
constexpr const char* kAlsXZ = TEXT_IN("Explain", "ALS-XZ: the sets {0} ({1}) and {2} ({3}) each have one digit more than cells. Their "
                               "{4}s see each other, so one of them goes without {4} and holds all its other digits. ");
constexpr const char* kAlsXYWing = TEXT_IN("Explain", "ALS-XY-Wing: the sets {0} ({1}), {2} ({3}) and {4} ({5}) each have one digit more "
                                   "than cells. The last holds {6} or {7}: with {6} there the first goes without {6}, "
                                   "with {7} the second goes without {7}, and a set without one of its digits holds "
                                   "all the others. ");
constexpr const char* kAlsOne = TEXT_IN("Explain", "So the {0} is in one of the sets, and a cell that sees every {0} of both cannot be "
                                "{0}; {1}.");
constexpr const char* kAlsOneOfTwo = TEXT_IN("Explain", "So the {0} is in one of the first two sets, and a cell that sees every {0} of "
                                     "both cannot be {0}; {1}.");
constexpr const char* kAlsMany = TEXT_IN("Explain", "So each of {0} is in one of the sets, and a cell that sees every one of that digit "
                                 "in both cannot hold it; {1}.");
constexpr const char* kAlsManyOfTwo = TEXT_IN("Explain", "So each of {0} is in one of the first two sets, and a cell that sees every "
                                      "one of that digit in both cannot hold it; {1}.");
constexpr const char* kSueDeCoq = TEXT_IN("Explain", "Sue de Coq: where {0} meets {1}, {2} hold {3}. With {4} ({5}) of {1} and {6} ({7}) "
                                  "of {0}, these {8} cells hold {8} different digits, every one of {9}, so {10}; {11}.");
constexpr const char* kNoOther = TEXT_IN("Explain", "no other cell of {0} can hold {1}");
constexpr const char* kNoOtherOfBoth = TEXT_IN("Explain", "no other cell of either can hold {0}");
// clues
constexpr const char* kClueLoop = TEXT_IN("Explain", "There is a unique loop on {0}.");
constexpr const char* kClueBug = TEXT_IN("Explain", "Look at the cells with more than two candidates.");
constexpr const char* kCluePair = TEXT_IN("Explain", "Try the digits {0} and {1} could take together.");
constexpr const char* kClueAls = TEXT_IN("Explain", "Look for two almost locked sets linked by {0}.");
constexpr const char* kClueAlsWing = TEXT_IN("Explain", "Look for three almost locked sets linked by {0} and {1}.");
constexpr const char* kClueMeet = TEXT_IN("Explain", "Look where {0} meets {1}.");
constexpr const char* kClueRemote = TEXT_IN("Explain", "There are remote pairs on {0}.");
}  // namespace say

// The pattern in the window's language, then its blanks filled.
// The joining words of lists, in the window's language.
std::string And() { return Translate("Explain", " and "); }
std::string Or() { return Translate("Explain", " or "); }
std::string Comma() { return Translate("Explain", ", "); }
std::string Semicolon() { return Translate("Explain", "; "); }
std::string Stop() { return Translate("Explain", ". "); }

// A technique's name in the window's language.
std::string TechniqueTitle(std::string_view name) { return Translate("Technique", name); }

std::string Format(std::string_view english, std::initializer_list<std::string> args) {
  const std::string translated = Translate("Explain", english);
  const std::string_view pattern = translated;
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    std::size_t j = i + 1, k = 0;
    while (pattern[i] == '{' && j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9') k = k * 10 + (pattern[j++] - '0');
    if (j > i + 1 && j < pattern.size() && pattern[j] == '}') {
      if (k < args.size()) out += *(args.begin() + k);
      i = j;
      continue;
    }
    out += pattern[i];
  }
  return out;
}

std::uint16_t Bit(int digit) { return static_cast<std::uint16_t>(1u << (digit - 1)); }

std::string Label(int cell) { return CellLabel(RowOf(cell), ColOf(cell)); }

// The house number of a cell's box (boxes follow the rows and columns).
int BoxHouse(int cell) { return 17 + BoxOf(RowOf(cell), ColOf(cell)); }

// Houses are numbered as Houses() holds them: rows, columns, boxes.
std::string HouseText(int h) {
  if (h < 9) return Format(say::kRow, {std::string(1, static_cast<char>('A' + h))});
  if (h < 18) return Format(say::kColumn, {std::to_string(h - 8)});
  return Format(say::kBox, {std::to_string(h - 17)});
}

// "a, b and c" (or "a, b or c").
std::string Join(const std::vector<std::string>& parts, const std::string& last) {
  std::string s;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) s += i + 1 == parts.size() ? last : Comma();
    s += parts[i];
  }
  return s;
}

std::string JoinAnd(const std::vector<std::string>& parts) { return Join(parts, And()); }
std::string JoinOr(const std::vector<std::string>& parts) { return Join(parts, Or()); }

std::string CellsText(const std::vector<int>& cells) {
  std::vector<std::string> parts;
  for (int c : cells) parts.push_back(Label(c));
  return JoinAnd(parts);
}

std::vector<int> DigitsOf(std::uint16_t mask) {
  std::vector<int> ds;
  for (int d = 1; d <= 9; ++d)
    if (mask & Bit(d)) ds.push_back(d);
  return ds;
}

std::string DigitsSpaced(std::uint16_t mask) {
  std::string s;
  for (int d : DigitsOf(mask)) s += (s.empty() ? "" : " ") + std::to_string(d);
  return s;
}

std::string DigitsOr(std::uint16_t mask) {
  std::vector<std::string> parts;
  for (int d : DigitsOf(mask)) parts.push_back(std::to_string(d));
  return JoinOr(parts);
}

std::string DigitsAnd(std::uint16_t mask) {
  std::vector<std::string> parts;
  for (int d : DigitsOf(mask)) parts.push_back(std::to_string(d));
  return JoinAnd(parts);
}

std::string RemoveByCell(const std::vector<Elimination>& es);

// "remove 4 from D3 and H7, 9 from C7"; one cell's digits together.
std::string RemoveByDigit(const std::vector<Elimination>& es) {
  if (!es.empty() && std::all_of(es.begin(), es.end(), [&](const Elimination& e) { return e.cell == es[0].cell; }))
    return RemoveByCell(es);
  std::vector<std::string> parts;
  for (int d = 1; d <= 9; ++d) {
    std::vector<int> cells;
    for (const auto& e : es)
      if (e.digit == d) cells.push_back(e.cell);
    std::sort(cells.begin(), cells.end());
    if (!cells.empty()) parts.push_back(Format(say::kFrom, {std::to_string(d), CellsText(cells)}));
  }
  std::string s;
  for (std::size_t i = 0; i < parts.size(); ++i) s += (i ? Comma() : "") + parts[i];
  return Format(say::kRemove, {s});
}

// "remove 3 from C2 and 4 and 9 from C7"; one digit's cells together.
std::string RemoveByCell(const std::vector<Elimination>& es) {
  if (!es.empty() && std::all_of(es.begin(), es.end(), [&](const Elimination& e) { return e.digit == es[0].digit; }) &&
      es.size() > 1)
    return RemoveByDigit(es);
  std::vector<std::string> parts;
  for (int c = 0; c < kCells; ++c) {
    std::uint16_t mask = 0;
    for (const auto& e : es)
      if (e.cell == c) mask |= Bit(e.digit);
    if (mask) parts.push_back(Format(say::kFrom, {DigitsAnd(mask), Label(c)}));
  }
  return Format(say::kRemove, {JoinAnd(parts)});
}

using Elims = std::vector<Elimination>;

Elims Sorted(Elims es) {
  std::sort(es.begin(), es.end(), [](const Elimination& a, const Elimination& b) {
    return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
  });
  return es;
}

// The open cells of a house holding `digit` as a candidate.
std::vector<int> Holders(const Pencil& p, int house, int digit) {
  std::vector<int> cells;
  for (int c : Houses()[house])
    if (!p.value(c) && p.Has(c, digit)) cells.push_back(c);
  return cells;
}

bool InHouse(int house, int cell) {
  const auto& h = Houses()[house];
  return std::find(h.begin(), h.end(), cell) != h.end();
}

// Calls f on every subset of `items` of size n; stops when f returns true.
bool EachSubset(const std::vector<int>& items, int n, const std::function<bool(const std::vector<int>&)>& f) {
  const int k = static_cast<int>(items.size());
  if (k < n || k > 20) return false;
  std::vector<int> pick;
  for (unsigned sel = 0; sel < (1u << k); ++sel) {
    if (std::popcount(sel) != n) continue;
    pick.clear();
    for (int i = 0; i < k; ++i)
      if (sel >> i & 1) pick.push_back(items[i]);
    if (f(pick)) return true;
  }
  return false;
}

// What the sentence builders see: the position, the step, and what they fill.
struct Scene {
  const Pencil& p;
  const GradeStep& step;
  std::vector<int> proof;
  std::string sentence;
};

// ---- singles ----

bool SayFullHouse(Scene& s) {
  const auto [cell, digit] = s.step.placements.front();
  for (int h = 0; h < 27; ++h) {
    if (!InHouse(h, cell)) continue;
    bool alone = true;
    for (int c : Houses()[h]) alone = alone && (c == cell || s.p.value(c));
    if (!alone) continue;
    for (int c : Houses()[h])
      if (c != cell) s.proof.push_back(c);
    s.sentence = Format(say::kFullHouse, {Label(cell), HouseText(h), std::to_string(digit)});
    return true;
  }
  return false;
}

bool SayHiddenSingle(Scene& s, bool box) {
  const auto [cell, digit] = s.step.placements.front();
  const int houses[3] = {BoxHouse(cell), RowOf(cell) - 1,
                         8 + ColOf(cell)};
  for (int i = box ? 0 : 1; i < (box ? 1 : 3); ++i) {
    const int h = houses[i];
    if (Holders(s.p, h, digit) != std::vector<int>{cell}) continue;
    for (int c : Houses()[h])
      if (c != cell && !s.p.value(c)) s.proof.push_back(c);
    s.sentence = Format(say::kHiddenSingle, {HouseText(h), std::to_string(digit), Label(cell)});
    return true;
  }
  return false;
}

bool SayNakedSingle(Scene& s) {
  const auto [cell, digit] = s.step.placements.front();
  // One placed peer for each digit it rules out, where the board shows one.
  for (int d = 1; d <= 9; ++d) {
    if (d == digit) continue;
    for (int q : PeersOf(cell))
      if (s.p.value(q) == d) {
        s.proof.push_back(q);
        break;
      }
  }
  s.sentence = Format(say::kNakedSingle, {Label(cell), std::to_string(digit)});
  return true;
}

// ---- locked candidates ----

bool SayLocked(Scene& s, bool pointing) {
  const int d = s.step.eliminations.front().digit;
  const Elims want = Sorted(s.step.eliminations);
  for (int b = 18; b < 27; ++b)
    for (int line = 0; line < 18; ++line) {
      const auto inBox = Holders(s.p, b, d), inLine = Holders(s.p, line, d);
      std::vector<int> shared;
      for (int c : inBox)
        if (InHouse(line, c)) shared.push_back(c);
      if (shared.size() < 2) continue;
      const auto& from = pointing ? inBox : inLine;  // where the digit is locked
      if (from.size() != shared.size()) continue;
      Elims got;
      for (int c : pointing ? inLine : inBox)
        if (!InHouse(pointing ? b : line, c)) got.push_back({c, d});
      if (Sorted(got) != want) continue;
      s.proof = shared;
      s.sentence = Format(pointing ? say::kPointing : say::kClaiming, {HouseText(pointing ? b : line), std::to_string(d),
                                                                       HouseText(pointing ? line : b), RemoveByDigit(want)});
      return true;
    }
  return false;
}

// ---- subsets ----

bool SayNakedSubset(Scene& s, int n) {
  const Elims want = Sorted(s.step.eliminations);
  for (int h = 0; h < 27; ++h) {
    std::vector<int> small;
    for (int c : Houses()[h]) {
      const int k = std::popcount(s.p.candidates(c));
      if (!s.p.value(c) && k >= 2 && k <= n) small.push_back(c);
    }
    const bool found = EachSubset(small, n, [&](const std::vector<int>& cells) {
      std::uint16_t u = 0;
      for (int c : cells) u |= s.p.candidates(c);
      if (std::popcount(u) != n) return false;
      Elims got;
      for (int c : Houses()[h])
        if (std::find(cells.begin(), cells.end(), c) == cells.end())
          for (int d : DigitsOf(s.p.candidates(c) & u)) got.push_back({c, d});
      if (Sorted(got) != want) return false;
      s.proof = cells;
      s.sentence = Format(say::kNakedSubset[n - 2], {DigitsSpaced(u), CellsText(cells), HouseText(h), DigitsOr(u),
                                                     RemoveByDigit(want)});
      return true;
    });
    if (found) return true;
  }
  return false;
}

bool SayHiddenSubset(Scene& s, int n) {
  const Elims want = Sorted(s.step.eliminations);
  for (int h = 0; h < 27; ++h) {
    std::vector<int> digits;
    for (int d = 1; d <= 9; ++d) {
      const auto k = Holders(s.p, h, d).size();
      if (k >= 2 && k <= static_cast<std::size_t>(n)) digits.push_back(d);
    }
    const bool found = EachSubset(digits, n, [&](const std::vector<int>& ds) {
      std::vector<int> cells;
      std::uint16_t dm = 0;
      for (int d : ds) {
        dm |= Bit(d);
        for (int c : Holders(s.p, h, d))
          if (std::find(cells.begin(), cells.end(), c) == cells.end()) cells.push_back(c);
      }
      if (cells.size() != static_cast<std::size_t>(n)) return false;
      std::sort(cells.begin(), cells.end());
      Elims got;
      for (int c : cells)
        for (int d : DigitsOf(s.p.candidates(c) & ~dm & kAll)) got.push_back({c, d});
      if (Sorted(got) != want) return false;
      s.proof = cells;
      s.sentence = Format(say::kHiddenSubset[n - 2], {DigitsSpaced(dm), HouseText(h), CellsText(cells), RemoveByCell(want)});
      return true;
    });
    if (found) return true;
  }
  return false;
}

// ---- fish ----

std::string LinesText(bool cols, const std::vector<int>& lines) {
  std::vector<std::string> parts;
  for (int i : lines) parts.push_back(cols ? std::to_string(i + 1) : std::string(1, static_cast<char>('A' + i)));
  return Format(cols ? say::kColumns : say::kRows, {JoinAnd(parts)});
}

bool SayFish(Scene& s, int n) {
  const int d = s.step.eliminations.front().digit;
  const Elims want = Sorted(s.step.eliminations);
  for (int o = 0; o < 2; ++o) {  // base lines: rows, then columns
    std::vector<int> lines;
    for (int i = 0; i < 9; ++i) {
      const auto k = Holders(s.p, 9 * o + i, d).size();
      if (k >= 2 && k <= static_cast<std::size_t>(n)) lines.push_back(i);
    }
    const bool found = EachSubset(lines, n, [&](const std::vector<int>& base) {
      std::vector<int> cover, cells;
      for (int i : base)
        for (int c : Holders(s.p, 9 * o + i, d)) {
          cells.push_back(c);
          const int j = o ? RowOf(c) - 1 : ColOf(c) - 1;
          if (std::find(cover.begin(), cover.end(), j) == cover.end()) cover.push_back(j);
        }
      if (cover.size() != static_cast<std::size_t>(n)) return false;
      std::sort(cover.begin(), cover.end());
      Elims got;
      for (int j : cover)
        for (int c : Holders(s.p, 9 * (1 - o) + j, d)) {
          const int i = o ? ColOf(c) - 1 : RowOf(c) - 1;
          if (std::find(base.begin(), base.end(), i) == base.end()) got.push_back({c, d});
        }
      if (Sorted(got) != want) return false;
      std::sort(cells.begin(), cells.end());
      s.proof = cells;
      s.sentence = Format(say::kFish, {TechniqueTitle(TechniqueName(s.step.technique)), std::to_string(d), LinesText(o, base),
                                       LinesText(!o, cover), RemoveByDigit(want)});
      return true;
    });
    if (found) return true;
  }
  return false;
}

// ---- wings, single-digit patterns, chains ----

// The grader's own account between "NAME: " and " =>", with its cell lists
// spaced; its cells are the proof.
std::string Detail(const GradeStep& step, std::vector<int>& cells) {
  std::string_view text = step.description;
  const auto colon = text.find(": ");
  text = colon == std::string_view::npos ? std::string_view{} : text.substr(colon + 2);
  text = text.substr(0, text.find(" =>"));
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    const bool labelStart = ch >= 'A' && ch <= 'I' && i + 1 < text.size() && text[i + 1] >= '1' &&
                            text[i + 1] <= '9' && (i == 0 || !std::isalnum(static_cast<unsigned char>(text[i - 1])));
    if (labelStart) cells.push_back(IndexOf(ch - 'A' + 1, text[i + 1] - '0'));
    out += ch;
    if (ch == ',' && i + 1 < text.size() && text[i + 1] != ' ') out += ' ';
  }
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  return out;
}

// Why the family's pattern removes what it removes, in a few words: the
// status bar has room for one short sentence.
std::string_view Because(Technique t) {
  switch (t) {
    case Technique::kXYWing:
    case Technique::kXYZWing: return TEXT_IN("Explain", "one pincer holds the digit");
    case Technique::kWWing: return TEXT_IN("Explain", "one of the pair holds the digit");
    case Technique::kSkyscraper:
    case Technique::kTwoStringKite:
    case Technique::kEmptyRectangle: return TEXT_IN("Explain", "one end holds the digit");
    case Technique::kRemotePairs:
    case Technique::kSimpleColouring: return TEXT_IN("Explain", "one colour holds the digit");
    case Technique::kFinnedXWing:
    case Technique::kFinnedSwordfish:
    case Technique::kFinnedJellyfish: return TEXT_IN("Explain", "the fish or its fin holds the digit");
    default: return TEXT_IN("Explain", "each removed candidate leads to its own removal");
  }
}

void SayGeneric(Scene& s) {
  const std::string detail = Detail(s.step, s.proof);
  s.sentence = Format(say::kGeneric, {TechniqueTitle(TechniqueName(s.step.technique)), detail,
                                      Translate("Explain", Because(s.step.technique)), RemoveByDigit(s.step.eliminations)});
}

// ---- chains and forcing steps ----

std::string OrCells(const std::vector<int>& cells) {
  std::vector<std::string> parts;
  for (int c : cells) parts.push_back(Label(c));
  return JoinOr(parts);
}

std::string BranchText(const std::vector<ChainFact>& br);

std::string LinesOf(const std::vector<int>& houses) {
  std::vector<int> idx;
  for (int h : houses) idx.push_back(h % 9);
  return LinesText(!houses.empty() && houses[0] >= 9, idx);
}

// Why a technique inside a net gave the fact, in a few words.
std::string ViaText(const ChainFact& f, const std::string& fact) {
  using T = Technique;
  const auto t = static_cast<T>(f.via);
  const std::string d = DigitsAnd(f.viaDigits);
  switch (t) {
    case T::kPointing:
    case T::kClaiming:
      if (f.viaHouses.size() != 2) break;
      return Format(say::kViaLocked, {fact, d, HouseText(f.viaHouses[0]), HouseText(f.viaHouses[1])});
    case T::kNakedPair:
    case T::kNakedTriple:
      if (f.viaCells.empty()) break;
      return Format(say::kViaNaked, {fact, CellsText(f.viaCells), d});
    case T::kHiddenPair:
    case T::kHiddenTriple:
      if (f.viaCells.empty() || f.viaHouses.size() != 1) break;
      return Format(say::kViaHidden, {fact, d, HouseText(f.viaHouses[0]), CellsText(f.viaCells)});
    case T::kXWing:
    case T::kSwordfish: {
      const std::size_t n = f.viaHouses.size() / 2;
      if (n < 2 || f.viaHouses.size() != 2 * n) break;
      return Format(say::kViaFish, {fact, d, LinesOf({f.viaHouses.begin(), f.viaHouses.begin() + static_cast<long>(n)}),
                                    LinesOf({f.viaHouses.begin() + static_cast<long>(n), f.viaHouses.end()})});
    }
    default:
      if (!f.inner.empty()) return Format(say::kViaChain, {fact, BranchText(f.inner)});
      break;
  }
  return Format(say::kByTechnique, {fact, TechniqueTitle(TechniqueName(t))});
}

std::string FactText(const ChainFact& f) {
  std::string t;
  if (f.house >= 0)
    t = Format(say::kNoPlace, {HouseText(f.house), std::to_string(f.digit)});
  else if (f.digit == 0)
    t = Format(say::kNoDigit, {Label(f.cells.front())});
  else if (f.cells.size() == 1)
    t = Format(f.on ? say::kIs : say::kIsNot, {Label(f.cells.front()), std::to_string(f.digit)});
  else
    t = f.on ? Format(say::kGroupIs, {OrCells(f.cells), std::to_string(f.digit)})
             : Format(say::kGroupIsNot, {CellsText(f.cells), std::to_string(f.digit)});
  return f.via >= 0 ? ViaText(f, t) : t;
}

// "if C5 is 3, then C8 is not 3, so C8 is 7, so ..."
std::string BranchText(const std::vector<ChainFact>& br) {
  if (br.empty()) return {};
  if (br.size() == 1) return FactText(br.front());
  std::string rest = FactText(br[1]);
  for (std::size_t i = 2; i < br.size(); ++i) rest = Format(say::kSoNext, {rest, FactText(br[i])});
  return Format(say::kIfThen, {FactText(br.front()), rest});
}

std::string Capital(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  return s;
}

std::string Conclusion(const GradeStep& step) {
  if (!step.placements.empty()) {
    const auto& pl = step.placements.front();
    return Format(say::kMust, {Label(pl.cell), std::to_string(pl.digit)});
  }
  const auto& e = step.eliminations.front();
  return Format(say::kCannot, {Label(e.cell), std::to_string(e.digit)});
}

std::string Action(const GradeStep& step) {
  if (!step.placements.empty()) {
    std::vector<std::string> parts;
    for (const auto& pl : step.placements)
      parts.push_back(Format(TEXT_IN("Explain", "{0} takes {1}"), {Label(pl.cell), std::to_string(pl.digit)}));
    return JoinAnd(parts);
  }
  return RemoveByDigit(step.eliminations);
}

// A fact's cells, and those of what a technique or an inner chain rested on.
void FactCells(const ChainFact& f, std::vector<int>& out) {
  out.insert(out.end(), f.cells.begin(), f.cells.end());
  out.insert(out.end(), f.viaCells.begin(), f.viaCells.end());
  for (const auto& g : f.inner) FactCells(g, out);
}

void ProofOfBranches(Scene& s) {
  for (const auto& br : s.step.branches)
    for (const auto& f : br) FactCells(f, s.proof);
  s.proof.insert(s.proof.end(), s.step.pattern.begin(), s.step.pattern.end());
  std::sort(s.proof.begin(), s.proof.end());
  s.proof.erase(std::unique(s.proof.begin(), s.proof.end()), s.proof.end());
}

bool SayChain(Scene& s) {
  const auto& st = s.step;
  if (st.branches.empty() || st.eliminations.empty()) return false;
  const auto& br = st.branches.front();
  const int cell = br.front().cells.front(), digit = br.front().digit;
  std::uint16_t digits = 0;
  for (const auto& f : br) digits |= Bit(f.digit);
  const std::string on = std::popcount(digits) == 1 ? std::to_string(digit) : DigitsOr(digits);
  ProofOfBranches(s);
  const bool one = std::popcount(digits) == 1;
  s.sentence = Format(st.eliminations.size() > 1 ? (one ? say::kChainMore : say::kMixedChainMore)
                                                 : (one ? say::kChain : say::kMixedChain),
                      {TechniqueTitle(TechniqueName(st.technique)), on, Capital(BranchText(br)),
                       Format(say::kCannot, {Label(cell), std::to_string(digit)}), RemoveByDigit(st.eliminations)});
  return true;
}

bool SayForcing(Scene& s) {
  const auto& st = s.step;
  if (st.branches.empty()) return false;
  const std::string name = TechniqueTitle(TechniqueName(st.technique));
  ProofOfBranches(s);
  std::vector<std::string> parts;
  for (const auto& br : st.branches) parts.push_back(BranchText(br));
  switch (st.forcing) {
    case ForcingKind::kContradiction:
      if (parts.size() == 2) {
        s.sentence = Format(say::kClash, {name, Capital(parts[0]), parts[1], Conclusion(st), Action(st)});
      } else {
        s.sentence = Format(say::kContradiction, {name, Capital(parts[0]), Conclusion(st), Action(st)});
      }
      return true;
    case ForcingKind::kBothWays:
    case ForcingKind::kCell:
    case ForcingKind::kRegion: {
      std::string body;
      for (std::size_t i = 0; i < parts.size(); ++i) body += (i ? Semicolon() : "") + parts[i];
      if (st.forcing == ForcingKind::kCell) {
        const int cell = st.branches.front().front().cells.front();
        std::uint16_t m = 0;
        for (const auto& br : st.branches) m |= Bit(br.front().digit);
        body = Format(say::kCellIntro, {Label(cell), DigitsOr(m)}) + Stop() + Capital(body);
      } else if (st.forcing == ForcingKind::kRegion && st.house >= 0) {
        std::vector<int> cells;
        for (const auto& br : st.branches) cells.push_back(br.front().cells.front());
        body = Capital(Format(say::kRegionIntro, {std::to_string(st.branches.front().front().digit),
                                                  HouseText(st.house), OrCells(cells)})) +
               Stop() + Capital(body);
      } else {
        body = Capital(body);
      }
      s.sentence = Format(say::kEitherWay, {name, body, Conclusion(st), Action(st)});
      return true;
    }
    case ForcingKind::kNone: break;
  }
  return false;
}

// ---- wings ----

std::vector<int> Targets(const GradeStep& step) {
  std::vector<int> cells;
  for (const auto& e : step.eliminations) cells.push_back(e.cell);
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  return cells;
}

bool SayWing(Scene& s) {
  const auto& st = s.step;
  const auto& pt = st.pattern;
  const int z = std::countr_zero(st.digits) + 1;
  s.proof = pt;
  const std::string zs = std::to_string(z);
  if (st.technique == Technique::kXYWing && pt.size() == 3) {
    const std::uint16_t pm = s.p.candidates(pt[0]);
    const int x = std::countr_zero(static_cast<std::uint16_t>(pm & s.p.candidates(pt[1]))) + 1;
    const int y = std::countr_zero(static_cast<std::uint16_t>(pm & s.p.candidates(pt[2]))) + 1;
    s.sentence = Format(say::kXYWing, {Label(pt[0]), std::to_string(x), std::to_string(y), Label(pt[1]), zs,
                                       Label(pt[2]), CellsText(Targets(st)), RemoveByDigit(st.eliminations)});
    return true;
  }
  if (st.technique == Technique::kXYZWing && pt.size() == 3) {
    s.sentence = Format(say::kXYZWing, {Label(pt[0]), DigitsOr(s.p.candidates(pt[0])), Label(pt[1]),
                                        DigitsOr(s.p.candidates(pt[1])), Label(pt[2]), DigitsOr(s.p.candidates(pt[2])),
                                        zs, CellsText(Targets(st)), RemoveByDigit(st.eliminations)});
    return true;
  }
  if (st.technique == Technique::kWWing && pt.size() == 4 && st.house >= 0) {
    const int a = z;
    const int b = std::countr_zero(static_cast<std::uint16_t>(s.p.candidates(pt[0]) & ~Bit(a))) + 1;
    s.sentence = Format(say::kWWing, {Label(pt[0]), Label(pt[1]), std::to_string(a), std::to_string(b),
                                      HouseText(st.house), Label(pt[2]), Label(pt[3]), RemoveByDigit(st.eliminations)});
    return true;
  }
  return false;
}

// ---- uniqueness ----

bool IsLoop(Technique t) { return t >= Technique::kUniqueLoop1 && t <= Technique::kUniqueLoop4; }

bool SayBugMany(Scene& s) {
  const auto& st = s.step;
  if (st.groups.size() != 3 || st.groups[0].size() != st.groups[2].size() || st.eliminations.empty()) return false;
  const auto& cells = st.groups[0];
  s.proof = st.pattern;
  std::vector<std::string> without, either;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const auto extra = static_cast<std::uint16_t>(st.groups[2][i]);
    either.push_back(Format(say::kEitherIs, {Label(cells[i]), DigitsOr(extra)}));
    // Cells with the same digits past their pair are told together.
    if (std::find(st.groups[2].begin(), st.groups[2].begin() + static_cast<long>(i), st.groups[2][i]) !=
        st.groups[2].begin() + static_cast<long>(i))
      continue;
    std::vector<int> with;
    for (std::size_t k = i; k < cells.size(); ++k)
      if (st.groups[2][k] == st.groups[2][i]) with.push_back(cells[k]);
    without.push_back(Format(say::kDigitsIn, {DigitsAnd(extra), CellsText(with)}));
  }
  const std::string some = JoinOr(either);
  const std::string head = Format(say::kBugMany, {CellsText(cells), JoinAnd(without)});
  const std::string remove = RemoveByDigit(st.eliminations);
  switch (st.technique) {
    case Technique::kBugType2:
      s.sentence = head + Format(say::kBug2, {OrCells(cells), std::to_string(st.eliminations.front().digit), remove});
      return true;
    case Technique::kBugType3: {
      if (st.house < 0) return false;
      std::uint16_t u = 0;
      for (int e : st.groups[2]) u |= static_cast<std::uint16_t>(e);
      for (int c : st.groups[1]) u |= s.p.candidates(c);
      s.sentence = head + Format(say::kBug3, {some, CellsText(st.groups[1]), DigitsSpaced(u), HouseText(st.house), remove});
      return true;
    }
    case Technique::kBugType4:
      if (st.house < 0) return false;
      s.sentence = head + Format(say::kBug4, {some, std::to_string(std::countr_zero(st.digits) + 1), HouseText(st.house), remove});
      return true;
    default: return false;
  }
}

bool SayUniqueness(Scene& s) {
  const auto& st = s.step;
  const auto& pt = st.pattern;
  if (st.technique == Technique::kBugPlusOne) {
    if (st.placements.empty()) return false;
    s.proof = {st.placements.front().cell};
    s.sentence = Format(say::kBug, {Label(st.placements.front().cell), std::to_string(st.placements.front().digit)});
    return true;
  }
  if (st.technique >= Technique::kBugType2 && st.technique <= Technique::kBugType4) return SayBugMany(s);
  const bool loop = IsLoop(st.technique);
  if (std::popcount(st.digits) != 2 || (loop ? st.groups.size() != 2 : pt.size() < 4)) return false;
  const std::vector<int> corners = loop ? st.groups[0] : std::vector<int>(pt.begin(), pt.begin() + 4);
  const std::vector<int> others = loop ? st.groups[1] : std::vector<int>(pt.begin() + 4, pt.end());
  s.proof = pt;
  const int a = std::countr_zero(st.digits) + 1, b = 15 - std::countl_zero(st.digits) + 1;
  const std::string head =
      Format(loop ? say::kLoop : say::kRectangle, {std::to_string(a), std::to_string(b), CellsText(corners)});
  std::vector<int> roof;
  for (int c : corners)
    if (s.p.candidates(c) != st.digits) roof.push_back(c);
  const std::string remove = RemoveByDigit(st.eliminations);
  using T = Technique;
  switch (st.technique) {
    case T::kUniqueRectangle1:
    case T::kUniqueLoop1:
      if (roof.size() != 1) return false;
      s.sentence = head + Format(say::kUR1, {Label(roof[0]), remove});
      return true;
    case T::kUniqueRectangle2:
    case T::kUniqueLoop2: {
      if (roof.size() < 2) return false;
      const int x = st.eliminations.front().digit;
      s.sentence = head + Format(say::kUR2, {OrCells(roof), std::to_string(x), remove});
      return true;
    }
    case T::kUniqueRectangle3:
    case T::kUniqueLoop3: {
      if (roof.size() != 2 || st.house < 0) return false;
      const std::uint16_t extra = (s.p.candidates(roof[0]) | s.p.candidates(roof[1])) & ~st.digits;
      std::uint16_t u = extra;
      for (int c : others) u |= s.p.candidates(c);
      s.sentence = head + Format(say::kUR3, {OrCells(roof), DigitsOr(extra), CellsText(others), DigitsSpaced(u),
                                             HouseText(st.house), remove});
      return true;
    }
    case T::kUniqueRectangle4:
    case T::kUniqueLoop4: {
      if (roof.size() != 2) return false;
      const int gone = st.eliminations.front().digit, kept = gone == a ? b : a;
      int house = -1;
      for (int h = 0; h < 27 && house < 0; ++h)
        if (InHouse(h, roof[0]) && InHouse(h, roof[1]) && Holders(s.p, h, kept) == roof) house = h;
      if (house < 0) return false;
      s.sentence = head + Format(say::kUR4, {std::to_string(kept), HouseText(house), Label(roof[0]), Label(roof[1]),
                                             std::to_string(gone), remove});
      return true;
    }
    case T::kHiddenRectangle: {
      const int opp = st.eliminations.front().cell, gone = st.eliminations.front().digit, kept = gone == a ? b : a;
      int rowMate = -1, colMate = -1;
      for (int c : corners) {
        if (c != opp && RowOf(c) == RowOf(opp)) rowMate = c;
        if (c != opp && ColOf(c) == ColOf(opp)) colMate = c;
      }
      if (rowMate < 0 || colMate < 0) return false;
      s.sentence = head + Format(say::kHiddenRect, {Label(opp), std::to_string(gone), std::to_string(kept),
                                                    Label(rowMate), Label(colMate), remove});
      return true;
    }
    default: return false;
  }
}

// ---- single-digit patterns ----

bool SayTurbot(Scene& s) {
  const auto& st = s.step;
  if (st.pattern.size() != 4 || st.houses.size() != 3 || st.eliminations.empty()) return false;
  const auto& pt = st.pattern;  // end, its partner, the other partner, the other end
  s.proof = pt;
  s.sentence = Format(say::kTurbot, {TechniqueTitle(TechniqueName(st.technique)), std::to_string(st.eliminations.front().digit),
                                     HouseText(st.houses[0]), Label(pt[0]), Label(pt[1]), HouseText(st.houses[1]),
                                     Label(pt[3]), Label(pt[2]), HouseText(st.houses[2]), RemoveByDigit(st.eliminations)});
  return true;
}

bool SayEmptyRectangle(Scene& s) {
  const auto& st = s.step;
  if (st.pattern.size() < 3 || st.houses.size() != 4 || st.eliminations.size() != 1) return false;
  s.proof = st.pattern;
  const auto& e = st.eliminations.front();
  s.sentence = Format(say::kEmptyRect, {std::to_string(e.digit), HouseText(st.houses[0]), HouseText(st.houses[1]),
                                        HouseText(st.houses[2]), HouseText(st.houses[3]), Label(st.pattern[0]),
                                        Label(st.pattern[1]), Label(e.cell), RemoveByDigit(st.eliminations),
                                        CellsText({st.pattern.begin() + 2, st.pattern.end()})});
  return true;
}

bool SayColours(Scene& s) {
  const auto& st = s.step;
  if (st.groups.size() != 2 || st.eliminations.empty()) return false;
  s.proof = st.pattern;
  const std::string remove = RemoveByDigit(st.eliminations);
  if (st.technique == Technique::kRemotePairs) {
    std::vector<int> all = st.pattern;
    std::sort(all.begin(), all.end());
    const int a = std::countr_zero(st.digits) + 1, b = 15 - std::countl_zero(st.digits) + 1;
    s.sentence = Format(say::kRemotePairs, {std::to_string(a), std::to_string(b), CellsText(all), CellsText(st.groups[0]),
                                            CellsText(st.groups[1]), CellsText(Targets(st)), remove});
    return true;
  }
  const std::string d = std::to_string(std::countr_zero(st.digits) + 1);
  // A wrap removes a whole colour: two of its cells see each other.
  for (const auto& colour : st.groups) {
    if (Targets(st) != colour) continue;
    for (int x : colour)
      for (int y : colour)
        if (x < y && std::find(PeersOf(x).begin(), PeersOf(x).end(), y) != PeersOf(x).end()) {
          s.sentence = Format(say::kColourWrap, {d, CellsText(st.groups[0]), CellsText(st.groups[1]), Label(x), Label(y), remove});
          return true;
        }
  }
  s.sentence = Format(say::kColourTrap, {d, CellsText(st.groups[0]), CellsText(st.groups[1]), CellsText(Targets(st)), remove});
  return true;
}

bool SayFinnedFish(Scene& s) {
  const auto& st = s.step;
  const std::size_t n = st.technique == Technique::kFinnedXWing ? 2 : st.technique == Technique::kFinnedSwordfish ? 3 : 4;
  if (st.groups.size() != 2 || st.groups[1].empty() || st.houses.size() != 2 * n + 1 || st.eliminations.empty())
    return false;
  s.proof = st.pattern;
  const bool cols = st.houses[0] >= 9;
  std::vector<int> base, cover;
  for (std::size_t i = 0; i < n; ++i) {
    base.push_back(st.houses[i] % 9);
    cover.push_back(st.houses[n + i] % 9);
  }
  const auto& fins = st.groups[1];
  s.sentence = Format(fins.size() == 1 ? say::kFinnedFish : say::kFinnedFishMany,
                      {TechniqueTitle(TechniqueName(st.technique)), std::to_string(st.eliminations.front().digit),
                       LinesText(cols, base), LinesText(!cols, cover), CellsText(fins), CellsText(Targets(st)),
                       RemoveByDigit(st.eliminations), CellsText(st.groups[0])});
  return true;
}

// ---- exclusion and almost locked sets ----

bool SayAligned(Scene& s) {
  const auto& st = s.step;
  if (st.groups.size() != 2 || st.groups[0].size() != 2 || st.eliminations.empty()) return false;
  const auto& e = st.eliminations.front();
  const int a = e.cell, b = st.groups[0][0] == a ? st.groups[0][1] : st.groups[0][0];
  const bool aligned = std::find(PeersOf(a).begin(), PeersOf(a).end(), b) != PeersOf(a).end();
  std::vector<std::string> why;
  s.proof = {a, b};
  for (int y : DigitsOf(s.p.candidates(b))) {
    if (y == e.digit && aligned) {
      why.push_back(Format(say::kSameHouse, {std::to_string(y), Label(a)}));
      continue;
    }
    const std::uint16_t xy = Bit(e.digit) | Bit(y);
    const auto by = std::find_if(st.groups[1].begin(), st.groups[1].end(), [&](int c) { return s.p.candidates(c) == xy; });
    if (by == st.groups[1].end()) return false;
    s.proof.push_back(*by);
    why.push_back(Format(say::kLeftEmpty, {std::to_string(y), Label(*by), std::to_string(e.digit)}));
  }
  std::string reasons;
  for (std::size_t i = 0; i < why.size(); ++i) reasons += (i ? Semicolon() : "") + why[i];
  s.sentence = Format(say::kAligned, {Label(a), std::to_string(e.digit), Label(b), DigitsAnd(s.p.candidates(b)), reasons,
                                      RemoveByDigit(st.eliminations)});
  return true;
}

std::string SetCells(const std::vector<int>& cells) {
  std::string t;
  for (int c : cells) t += (t.empty() ? "" : Comma()) + Label(c);
  return t;
}

std::uint16_t SetDigits(const Pencil& p, const std::vector<int>& cells) {
  std::uint16_t m = 0;
  for (int c : cells) m |= p.candidates(c);
  return m;
}

bool SayAls(Scene& s) {
  const auto& st = s.step;
  const bool wing = st.technique == Technique::kAlsXYWing;
  if (st.groups.size() != (wing ? 3u : 2u) || st.eliminations.empty()) return false;
  s.proof = st.pattern;
  std::uint16_t z = 0;
  for (const auto& e : st.eliminations) z |= Bit(e.digit);
  const std::string remove = RemoveByDigit(st.eliminations);
  const auto& g = st.groups;
  std::string head;
  if (!wing) {
    head = Format(say::kAlsXZ, {SetCells(g[0]), DigitsSpaced(SetDigits(s.p, g[0])), SetCells(g[1]),
                                DigitsSpaced(SetDigits(s.p, g[1])), std::to_string(std::countr_zero(st.digits) + 1)});
  } else {
    // x joins the first set to the pivot, y the second.
    int x = -1, y = -1;
    for (int d : DigitsOf(st.digits)) (SetDigits(s.p, g[0]) & Bit(d) && x < 0 ? x : y) = d;
    if (x < 0 || y < 0) return false;
    head = Format(say::kAlsXYWing, {SetCells(g[0]), DigitsSpaced(SetDigits(s.p, g[0])), SetCells(g[1]),
                                    DigitsSpaced(SetDigits(s.p, g[1])), SetCells(g[2]), DigitsSpaced(SetDigits(s.p, g[2])),
                                    std::to_string(x), std::to_string(y)});
  }
  const bool one = std::popcount(z) == 1;
  const char* tail = one ? (wing ? say::kAlsOneOfTwo : say::kAlsOne) : (wing ? say::kAlsManyOfTwo : say::kAlsMany);
  s.sentence = head + Format(tail, {one ? std::to_string(std::countr_zero(z) + 1) : DigitsAnd(z), remove});
  return true;
}

bool SaySueDeCoq(Scene& s) {
  const auto& st = s.step;
  if (st.groups.size() != 3 || st.groups[0].empty() || st.house < 0 || st.eliminations.empty()) return false;
  s.proof = st.pattern;
  const auto& g = st.groups;
  const int line = st.house, box = BoxHouse(g[0][0]);
  const std::uint16_t dl = SetDigits(s.p, g[1]), db = SetDigits(s.p, g[2]);
  const std::uint16_t meet = static_cast<std::uint16_t>(st.digits & ~dl & ~db);
  std::vector<std::string> stay = {Format(say::kNoOther, {HouseText(line), DigitsOr(dl)}),
                                   Format(say::kNoOther, {HouseText(box), DigitsOr(db)})};
  if (meet) stay.push_back(Format(say::kNoOtherOfBoth, {DigitsOr(meet)}));
  const std::size_t cells = g[0].size() + g[1].size() + g[2].size();
  s.sentence = Format(say::kSueDeCoq, {HouseText(box), HouseText(line), CellsText(g[0]), DigitsSpaced(SetDigits(s.p, g[0])),
                                       SetCells(g[1]), DigitsSpaced(dl), SetCells(g[2]), DigitsSpaced(db),
                                       std::to_string(cells), DigitsSpaced(st.digits), JoinAnd(stay), RemoveByDigit(st.eliminations)});
  return true;
}

// One builder per technique family; false when the pattern was not
// recognised, and the generic sentence stands in.
bool Say(Scene& s) {
  using T = Technique;
  switch (s.step.technique) {
    case T::kFullHouse: return SayFullHouse(s);
    case T::kHiddenSingleBox: return SayHiddenSingle(s, true);
    case T::kHiddenSingleLine: return SayHiddenSingle(s, false);
    case T::kNakedSingle: return SayNakedSingle(s);
    case T::kPointing: return SayLocked(s, true);
    case T::kClaiming: return SayLocked(s, false);
    case T::kNakedPair: return SayNakedSubset(s, 2);
    case T::kNakedTriple: return SayNakedSubset(s, 3);
    case T::kNakedQuad: return SayNakedSubset(s, 4);
    case T::kHiddenPair: return SayHiddenSubset(s, 2);
    case T::kHiddenTriple: return SayHiddenSubset(s, 3);
    case T::kHiddenQuad: return SayHiddenSubset(s, 4);
    case T::kXWing: return SayFish(s, 2);
    case T::kSwordfish: return SayFish(s, 3);
    case T::kJellyfish: return SayFish(s, 4);
    case T::kXYWing:
    case T::kXYZWing:
    case T::kWWing: return SayWing(s);
    case T::kSkyscraper:
    case T::kTwoStringKite: return SayTurbot(s);
    case T::kEmptyRectangle: return SayEmptyRectangle(s);
    case T::kRemotePairs:
    case T::kSimpleColouring: return SayColours(s);
    case T::kFinnedXWing:
    case T::kFinnedSwordfish:
    case T::kFinnedJellyfish: return SayFinnedFish(s);
    case T::kAlignedPairExclusion: return SayAligned(s);
    case T::kAlsXZ:
    case T::kAlsXYWing: return SayAls(s);
    case T::kSueDeCoq: return SaySueDeCoq(s);
    case T::kXChain:
    case T::kXYChain:
    case T::kAIC:
    case T::kGroupedXChain:
    case T::kGroupedAIC: return SayChain(s);
    case T::kUniqueRectangle1:
    case T::kUniqueRectangle2:
    case T::kUniqueRectangle3:
    case T::kUniqueRectangle4:
    case T::kHiddenRectangle:
    case T::kUniqueLoop1:
    case T::kUniqueLoop2:
    case T::kUniqueLoop3:
    case T::kUniqueLoop4:
    case T::kBugPlusOne:
    case T::kBugType2:
    case T::kBugType3:
    case T::kBugType4: return SayUniqueness(s);
    case T::kNishio:
    case T::kCellForcingChain:
    case T::kRegionForcingChain:
    case T::kDynamicForcingChain:
    case T::kForcingNet:
    case T::kNestedForcingChain: return SayForcing(s);
    default: return false;
  }
}

std::string WithArticle(std::string_view name) {
  const char c = name.empty() ? 'x' : name[0];
  const bool an = std::string_view("AEIOUX").find(c) != std::string_view::npos;
  return Format(an ? TEXT_IN("Explain", "an {0}") : TEXT_IN("Explain", "a {0}"), {TechniqueTitle(name)});
}

// The first house holding every one of the cells.
int CommonHouse(const std::vector<int>& cells) {
  for (int h = 0; h < 27; ++h)
    if (!cells.empty() && std::all_of(cells.begin(), cells.end(), [&](int c) { return InHouse(h, c); })) return h;
  return -1;
}

std::string Clue(const Scene& s) {
  using T = Technique;
  const auto& st = s.step;
  const std::string_view name = TechniqueName(st.technique);  // English: it picks "a" or "an"
  switch (st.technique) {
    case T::kFullHouse:
    case T::kHiddenSingleBox:
    case T::kHiddenSingleLine: {
      std::vector<int> cells = s.proof;
      cells.push_back(st.placements.front().cell);
      const int h = CommonHouse(cells);
      if (h < 0) break;
      if (st.technique == T::kFullHouse) return Format(say::kClueFullHouse, {HouseText(h)});
      return Format(say::kClueHidden, {HouseText(h)});
    }
    case T::kNakedSingle: return Format(say::kClueNaked, {HouseText(RowOf(st.placements.front().cell) - 1)});
    case T::kPointing:
    case T::kClaiming: {
      const int d = st.eliminations.front().digit;
      int h = -1;
      for (int k = st.technique == T::kPointing ? 18 : 0; k < (st.technique == T::kPointing ? 27 : 18) && h < 0; ++k)
        if (!s.proof.empty() && Holders(s.p, k, d) == s.proof) h = k;
      if (h < 0) break;
      return Format(say::kClueLocked, {std::to_string(d), HouseText(h)});
    }
    case T::kNakedPair:
    case T::kHiddenPair:
    case T::kNakedTriple:
    case T::kHiddenTriple:
    case T::kNakedQuad:
    case T::kHiddenQuad: {
      const int h = CommonHouse(s.proof);
      if (h < 0) break;
      std::string lower = TechniqueTitle(name);
      for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      return Format(say::kClueSubset, {lower, HouseText(h)});
    }
    case T::kXWing:
    case T::kSwordfish:
    case T::kJellyfish:
    case T::kFinnedXWing:
    case T::kFinnedSwordfish:
    case T::kFinnedJellyfish:
    case T::kSkyscraper:
    case T::kTwoStringKite:
    case T::kEmptyRectangle:
    case T::kSimpleColouring:
    case T::kXChain:
    case T::kGroupedXChain:
      if (st.eliminations.empty()) break;
      return Format(say::kClueDigit, {WithArticle(name), std::to_string(st.eliminations.front().digit)});
    case T::kXYChain:
    case T::kAIC:
    case T::kGroupedAIC:
      if (st.branches.empty()) break;
      return Format(say::kClueCells, {WithArticle(name), Label(st.branches.front().front().cells.front())});
    case T::kUniqueRectangle1:
    case T::kUniqueRectangle2:
    case T::kUniqueRectangle3:
    case T::kUniqueRectangle4:
    case T::kHiddenRectangle:
      if (std::popcount(st.digits) != 2) break;
      return Format(say::kClueDigit, {Translate("Explain", "a unique rectangle"), DigitsAnd(st.digits)});
    case T::kUniqueLoop1:
    case T::kUniqueLoop2:
    case T::kUniqueLoop3:
    case T::kUniqueLoop4:
      if (std::popcount(st.digits) != 2) break;
      return Format(say::kClueLoop, {DigitsAnd(st.digits)});
    case T::kBugType2:
    case T::kBugType3:
    case T::kBugType4: return Translate("Explain", say::kClueBug);
    case T::kRemotePairs: return Format(say::kClueRemote, {DigitsAnd(st.digits)});
    case T::kAlignedPairExclusion:
      if (st.groups.empty() || st.groups[0].size() != 2) break;
      return Format(say::kCluePair, {Label(st.groups[0][0]), Label(st.groups[0][1])});
    case T::kAlsXZ:
      return Format(say::kClueAls, {DigitsAnd(st.digits)});
    case T::kAlsXYWing: {
      const auto ds = DigitsOf(st.digits);
      if (ds.size() != 2) break;
      return Format(say::kClueAlsWing, {std::to_string(ds[0]), std::to_string(ds[1])});
    }
    case T::kSueDeCoq:
      if (st.groups.empty() || st.groups[0].empty() || st.house < 0) break;
      return Format(say::kClueMeet, {HouseText(BoxHouse(st.groups[0][0])),
                                     HouseText(st.house)});
    case T::kNishio:
    case T::kCellForcingChain:
    case T::kRegionForcingChain:
    case T::kDynamicForcingChain:
    case T::kForcingNet:
    case T::kNestedForcingChain: {
      if (st.branches.empty()) break;
      const ChainFact& first = st.branches.front().front();
      if (st.forcing == ForcingKind::kCell) return Format(say::kClueCell, {Label(first.cells.front())});
      if (st.forcing == ForcingKind::kRegion && st.house >= 0)
        return Format(say::kClueRegion, {std::to_string(first.digit), HouseText(st.house)});
      return Format(say::kClueAssume, {FactText(first)});
    }
    default: break;
  }
  return Format(say::kClueAny, {WithArticle(name)});
}

// Placed cells that share a digit with a placed peer.
std::vector<int> Clashes(const Position& pos) {
  std::vector<int> cells;
  for (int c = 0; c < kCells; ++c)
    if (pos.value[c])
      for (int q : PeersOf(c))
        if (pos.value[q] == pos.value[c]) {
          cells.push_back(c);
          break;
        }
  return cells;
}

bool IsSolution(std::string_view s) {
  return s.size() == static_cast<std::size_t>(kCells) &&
         std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '1' && ch <= '9'; });
}

}  // namespace

Position PositionOf(const Board& board, bool useLists) {
  Position pos;
  for (int c = 0; c < kCells; ++c) {
    const Cell& cell = board[c];
    if (cell.state == kGiven || cell.state == kEntered) {
      if (cell.text.size() == 1 && IsDigitChar(cell.text[0])) pos.value[c] = static_cast<std::uint8_t>(cell.text[0] - '0');
    } else if (useLists) {
      for (char ch : cell.text)
        if (IsDigitChar(ch)) pos.lists[c] |= Bit(ch - '0');
    }
  }
  return pos;
}

Explanation Explain(const Position& position, std::string_view solution, const ExplainOptions& options) {
  Explanation e;
  e.wrong = Clashes(position);
  const bool known = IsSolution(solution);
  if (known)
    for (int c = 0; c < kCells; ++c)
      if (position.value[c] && position.value[c] != solution[c] - '0') e.wrong.push_back(c);
  if (!e.wrong.empty()) {
    std::sort(e.wrong.begin(), e.wrong.end());
    e.wrong.erase(std::unique(e.wrong.begin(), e.wrong.end()), e.wrong.end());
    e.kind = ExplainKind::kWrong;
    e.sentence = Translate("Explain", "Some digits are wrong: Check Error shows them.");
    return e;
  }

  Pencil p;
  for (int c = 0; c < kCells; ++c)
    if (position.value[c]) p.Place(c, position.value[c]);
  if (p.OpenCount() == 0) {
    e.solved = true;
    e.sentence = Translate("Explain", "The puzzle is solved.");
    return e;
  }
  if (p.OpenCount() == kCells) {  // no game yet, or a cleared board
    e.sentence = Translate("Explain", "No puzzle on the board.");
    return e;
  }
  for (int c = 0; c < kCells; ++c) {
    if (position.value[c]) continue;
    const std::uint16_t own = position.lists[c] & p.candidates(c);
    const bool lost = own == 0 || (known && !(own & Bit(solution[c] - '0')));
    if (!lost) p.SetCandidates(c, own);
  }
  if (p.Broken()) {
    e.sentence = Translate("Explain", "No step: some cell or digit has no place left.");
    return e;
  }

  GradeOptions search{options.uniqueKnown, options.cancel, options.uniqueKnown};
  if (!search.oneSolution) {
    std::string placed(kCells, '0');
    for (int c = 0; c < kCells; ++c)
      if (position.value[c]) placed[c] = static_cast<char>('0' + position.value[c]);
    search.oneSolution = CountSolutions(placed, 2) == 1;
  }
  GradeStep step;
  if (!FindEasiestStep(p, step, search)) {
    if (options.cancel && options.cancel->load()) {
      e.cancelled = true;
      e.sentence = Translate("Explain", "Search stopped.");
      return e;
    }
    e.sentence = Translate("Explain", "No step found: this position needs more than the techniques I know.");
    return e;
  }
  e.kind = step.placements.empty() ? ExplainKind::kEliminate : ExplainKind::kPlace;
  e.technique = step.technique;
  e.placements = step.placements;
  e.eliminations = Sorted(step.eliminations);
  for (const auto& pl : e.placements) e.changes.push_back(pl.cell);
  for (const auto& el : e.eliminations) e.changes.push_back(el.cell);
  std::sort(e.changes.begin(), e.changes.end());
  e.changes.erase(std::unique(e.changes.begin(), e.changes.end()), e.changes.end());
  Scene scene{p, step, {}, {}};
  const bool said = Say(scene);
  std::sort(scene.proof.begin(), scene.proof.end());
  e.clue = Clue(said ? scene : Scene{p, step, {}, {}});
  if (!said) {
    scene.proof.clear();
    SayGeneric(scene);
    std::sort(scene.proof.begin(), scene.proof.end());
  }
  scene.proof.erase(std::unique(scene.proof.begin(), scene.proof.end()), scene.proof.end());
  e.proof = std::move(scene.proof);
  e.sentence = std::move(scene.sentence);
  return e;
}

std::optional<Position> ParsePositionLine(std::string_view line, std::string* error) {
  auto fail = [&](const char* why) -> std::optional<Position> {
    if (error) *error = why;
    return std::nullopt;
  };
  std::vector<std::string_view> tokens;
  for (std::size_t i = 0; i < line.size();) {
    if (std::isspace(static_cast<unsigned char>(line[i]))) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < line.size() && !std::isspace(static_cast<unsigned char>(line[j]))) ++j;
    tokens.push_back(line.substr(i, j - i));
    i = j;
  }
  Position pos;
  if (tokens.size() == static_cast<std::size_t>(kCells)) {
    for (int c = 0; c < kCells; ++c) {
      const auto t = tokens[c];
      if (t == "0" || t == ".") continue;
      std::uint16_t mask = 0;
      for (char ch : t) {
        if (!IsDigitChar(ch)) return fail("a token is not digits 1-9, '0' or '.'");
        mask |= Bit(ch - '0');
      }
      if (t.size() == 1)
        pos.value[c] = static_cast<std::uint8_t>(t[0] - '0');
      else
        pos.lists[c] = mask;
    }
    return pos;
  }
  if (line.size() < static_cast<std::size_t>(kCells))
    return fail("not a puzzle (81 characters, or 81 tokens)");
  for (int c = 0; c < kCells; ++c)
    if (IsDigitChar(line[c])) pos.value[c] = static_cast<std::uint8_t>(line[c] - '0');
  return pos;
}

namespace {

// The CLI's answer for one explanation.
std::string Answer(const Explanation& e) {
  switch (e.kind) {
    case ExplainKind::kWrong: {
      std::string s = "wrong ";
      for (std::size_t i = 0; i < e.wrong.size(); ++i) s += (i ? "," : "") + Label(e.wrong[i]);
      return e.wrong.empty() ? "wrong -" : s;
    }
    case ExplainKind::kNone: return "none";
    case ExplainKind::kPlace: {
      const auto& pl = e.placements.front();
      return "place " + Label(pl.cell) + " " + std::to_string(pl.digit) + " | " +
             std::string(TechniqueName(e.technique)) + " | " + e.sentence;
    }
    case ExplainKind::kEliminate: {
      std::string s = "eliminate ";
      bool first = true;
      for (int c : e.changes) {
        std::uint16_t mask = 0;
        for (const auto& el : e.eliminations)
          if (el.cell == c) mask |= Bit(el.digit);
        s += (first ? "" : ",") + Label(c) + ":";
        for (int d : DigitsOf(mask)) s += static_cast<char>('0' + d);
        first = false;
      }
      return s + " | " + std::string(TechniqueName(e.technique)) + " | " + e.sentence;
    }
  }
  return "none";
}

// The line's position, its solution when it has exactly one ("" otherwise),
// and an explanation of "wrong" when it has none and no clash to blame.
struct LineBoard {
  Position pos;
  std::string solution;
  bool unique = false;
  std::optional<Explanation> noSolution;
};

std::optional<LineBoard> ReadBoard(std::string_view line, std::string& why) {
  const auto pos = ParsePositionLine(line, &why);
  if (!pos) return std::nullopt;
  LineBoard b;
  b.pos = *pos;
  std::string placed(kCells, '0');
  for (int c = 0; c < kCells; ++c)
    if (pos->value[c]) placed[c] = static_cast<char>('0' + pos->value[c]);
  const bool clash = !Clashes(*pos).empty();
  const int count = clash ? 0 : CountSolutions(placed, 2, &b.solution);
  b.unique = count == 1;
  if (!b.unique) b.solution.clear();
  if (!clash && count == 0) {
    // No solution, and no clash to blame: name the placed digits.
    Explanation e;
    e.kind = ExplainKind::kWrong;
    for (int c = 0; c < kCells; ++c)
      if (pos->value[c]) e.wrong.push_back(c);
    b.noSolution = e;
  }
  return b;
}

}  // namespace

std::string ExplainLine(std::string_view line) {
  std::string why;
  const auto b = ReadBoard(line, why);
  if (!b) return "bad: " + why;
  if (b->noSolution) return Answer(*b->noSolution);
  return Answer(Explain(b->pos, b->solution, ExplainOptions{b->unique, nullptr}));
}

std::vector<std::string> ExplainWalk(std::string_view line) {
  std::string why;
  auto b = ReadBoard(line, why);
  if (!b) return {"bad: " + why};
  if (b->noSolution) return {Answer(*b->noSolution)};
  Position pos = b->pos;
  for (int c = 0; c < kCells; ++c)
    if (!pos.value[c] && !pos.lists[c]) pos.lists[c] = kAll;
  std::vector<std::string> out;
  for (;;) {
    const Explanation e = Explain(pos, b->solution, ExplainOptions{b->unique, nullptr});
    const bool step = e.kind == ExplainKind::kPlace || e.kind == ExplainKind::kEliminate;
    if (!step && e.kind == ExplainKind::kNone && !out.empty() && e.solved) break;
    out.push_back(Answer(e));
    if (!step) break;
    for (const auto& pl : e.placements) {
      pos.value[pl.cell] = static_cast<std::uint8_t>(pl.digit);
      for (int q : PeersOf(pl.cell)) pos.lists[q] &= static_cast<std::uint16_t>(~Bit(pl.digit));
    }
    for (const auto& el : e.eliminations) pos.lists[el.cell] &= static_cast<std::uint16_t>(~Bit(el.digit));
  }
  return out;
}

}  // namespace tessel
