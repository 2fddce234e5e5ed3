#include "core/explain.hpp"

#include <algorithm>
#include <bit>
#include <cctype>
#include <functional>

#include "core/solver.hpp"

namespace tessel {

namespace {

constexpr std::uint16_t kAll = 0x1FF;
std::uint16_t Bit(int digit) { return static_cast<std::uint16_t>(1u << (digit - 1)); }

std::string Label(int cell) { return CellLabel(RowOf(cell), ColOf(cell)); }

// Houses are numbered as Houses() holds them: rows, columns, boxes.
std::string HouseText(int h) {
  if (h < 9) return std::string("row ") + static_cast<char>('A' + h);
  if (h < 18) return "column " + std::to_string(h - 8);
  return "box " + std::to_string(h - 17);
}

std::string JoinAnd(const std::vector<std::string>& parts) {
  std::string s;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) s += i + 1 == parts.size() ? " and " : ", ";
    s += parts[i];
  }
  return s;
}

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
  const auto ds = DigitsOf(mask);
  std::string s;
  for (std::size_t i = 0; i < ds.size(); ++i) {
    if (i > 0) s += i + 1 == ds.size() ? " or " : ", ";
    s += std::to_string(ds[i]);
  }
  return s;
}

// "remove 4 from D3 and H7, 9 from C7"
std::string RemoveByDigit(const std::vector<Elimination>& es) {
  std::vector<std::string> parts;
  for (int d = 1; d <= 9; ++d) {
    std::vector<int> cells;
    for (const auto& e : es)
      if (e.digit == d) cells.push_back(e.cell);
    std::sort(cells.begin(), cells.end());
    if (!cells.empty()) parts.push_back(std::to_string(d) + " from " + CellsText(cells));
  }
  std::string s = "remove ";
  for (std::size_t i = 0; i < parts.size(); ++i) s += (i ? ", " : "") + parts[i];
  return s;
}

// "remove 3 from C2 and 4 9 from C7"
std::string RemoveByCell(const std::vector<Elimination>& es) {
  std::vector<std::string> parts;
  for (int c = 0; c < kCells; ++c) {
    std::uint16_t mask = 0;
    for (const auto& e : es)
      if (e.cell == c) mask |= Bit(e.digit);
    if (mask) parts.push_back(DigitsSpaced(mask) + " from " + Label(c));
  }
  return "remove " + JoinAnd(parts);
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
    s.sentence = "Full house: " + Label(cell) + " is the last open cell of " + HouseText(h) + ", so it takes " +
                 std::to_string(digit) + ".";
    return true;
  }
  return false;
}

bool SayHiddenSingle(Scene& s, bool box) {
  const auto [cell, digit] = s.step.placements.front();
  const int houses[3] = {18 + 3 * ((RowOf(cell) - 1) / 3) + (ColOf(cell) - 1) / 3, RowOf(cell) - 1,
                         8 + ColOf(cell)};
  for (int i = box ? 0 : 1; i < (box ? 1 : 3); ++i) {
    const int h = houses[i];
    if (Holders(s.p, h, digit) != std::vector<int>{cell}) continue;
    for (int c : Houses()[h])
      if (c != cell && !s.p.value(c)) s.proof.push_back(c);
    s.sentence = "Hidden single: in " + HouseText(h) + " the " + std::to_string(digit) + " fits only in " +
                 Label(cell) + ".";
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
  s.sentence = "Naked single: " + Label(cell) + " can hold only " + std::to_string(digit) + ".";
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
      const std::string lockedIn = HouseText(pointing ? b : line), onto = HouseText(pointing ? line : b);
      s.sentence = std::string(pointing ? "Pointing" : "Claiming") + ": in " + lockedIn + " the " +
                   std::to_string(d) + " lies only in " + onto + ", so " + RemoveByDigit(want) + ".";
      return true;
    }
  return false;
}

// ---- subsets ----

const char* SubsetName(int n) { return n == 2 ? "pair" : n == 3 ? "triple" : "quad"; }

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
      s.sentence = std::string("Naked ") + SubsetName(n) + " " + DigitsSpaced(u) + " in " + CellsText(cells) +
                   ": no other cell of " + HouseText(h) + " can hold " + DigitsOr(u) + "; " +
                   RemoveByDigit(want) + ".";
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
      s.sentence = std::string("Hidden ") + SubsetName(n) + " " + DigitsSpaced(dm) + " in " + HouseText(h) +
                   ": they fit only in " + CellsText(cells) + ", so those cells hold nothing else; " +
                   RemoveByCell(want) + ".";
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
  return std::string(cols ? "columns " : "rows ") + JoinAnd(parts);
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
      const std::string covers = LinesText(!o, cover);
      std::vector<int> targets;
      for (const auto& e : want) targets.push_back(e.cell);
      s.sentence = std::string(TechniqueName(s.step.technique)) + " on " + std::to_string(d) + " in " +
                   LinesText(o, base) + ", " + covers + ": remove " + std::to_string(d) + " from " +
                   CellsText(targets) + ".";
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
    case Technique::kXYZWing: return "one pincer holds the digit";
    case Technique::kWWing: return "one of the pair holds the digit";
    case Technique::kSkyscraper:
    case Technique::kTwoStringKite:
    case Technique::kEmptyRectangle: return "one end holds the digit";
    case Technique::kRemotePairs:
    case Technique::kSimpleColouring: return "one colour holds the digit";
    case Technique::kFinnedXWing:
    case Technique::kFinnedSwordfish:
    case Technique::kFinnedJellyfish: return "the fish or its fin holds the digit";
    default: return "each removed candidate leads to its own removal";
  }
}

void SayGeneric(Scene& s) {
  const std::string detail = Detail(s.step, s.proof);
  s.sentence = std::string(TechniqueName(s.step.technique)) + " (" + detail + "): " +
               std::string(Because(s.step.technique)) + "; " + RemoveByDigit(s.step.eliminations) + ".";
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
    default: return false;
  }
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

Explanation Explain(const Position& position, std::string_view solution) {
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
    e.sentence = "Some digits are wrong: Check Error shows them.";
    return e;
  }

  Pencil p;
  for (int c = 0; c < kCells; ++c)
    if (position.value[c]) p.Place(c, position.value[c]);
  if (p.OpenCount() == 0) {
    e.sentence = "The puzzle is solved.";
    return e;
  }
  if (p.OpenCount() == kCells) {  // no game yet, or a cleared board
    e.sentence = "No puzzle on the board.";
    return e;
  }
  for (int c = 0; c < kCells; ++c) {
    if (position.value[c]) continue;
    const std::uint16_t own = position.lists[c] & p.candidates(c);
    const bool lost = own == 0 || (known && !(own & Bit(solution[c] - '0')));
    if (!lost) p.SetCandidates(c, own);
  }
  if (p.Broken()) {
    e.sentence = "No step: some cell or digit has no place left.";
    return e;
  }

  GradeStep step;
  bool found = false;
  for (int t = 0; t < kTechniqueCount && !found; ++t) found = FindStep(static_cast<Technique>(t), p, step);
  if (!found) {
    e.sentence = "No step found: this position needs more than the techniques I know.";
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
  if (!Say(scene)) {
    scene.proof.clear();
    SayGeneric(scene);
  }
  std::sort(scene.proof.begin(), scene.proof.end());
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

std::string ExplainLine(std::string_view line) {
  std::string why;
  const auto pos = ParsePositionLine(line, &why);
  if (!pos) return "bad: " + why;
  std::string placed(kCells, '0'), solution;
  for (int c = 0; c < kCells; ++c)
    if (pos->value[c]) placed[c] = static_cast<char>('0' + pos->value[c]);
  const bool clash = !Clashes(*pos).empty();
  const int count = clash ? 0 : CountSolutions(placed, 2, &solution);
  if (count != 1) solution.clear();
  Explanation e = Explain(*pos, solution);
  if (!clash && count == 0) {
    // No solution, and no clash to blame: name the placed digits.
    e.kind = ExplainKind::kWrong;
    for (int c = 0; c < kCells; ++c)
      if (pos->value[c]) e.wrong.push_back(c);
  }
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

}  // namespace tessel
