// sudoku-tessel-cli: the game's core from the shell.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/bank.hpp"
#include "core/board.hpp"
#include "core/explain.hpp"
#include "core/grader.hpp"
#include "core/qj.hpp"
#include "core/random.hpp"
#include "core/solver.hpp"
#include "core/textfile.hpp"

#include "core/layouts.hpp"

namespace {

constexpr const char* kUsage =
    "Usage: sudoku-tessel-cli COMMAND [OPTIONS] [FILE]\n"
    "\n"
    "Reads FILE, or standard input when FILE is '-' or missing. test, solve and\n"
    "grade read the first 81 characters of each line and skip blank lines.\n"
    "\n"
    "Commands:\n"
    "  test [--editor] [FILE]   puzzle test, one puzzle per line: CODE FIRST SECOND\n"
    "                           (0 unique, 1 not solvable, 2 several solutions)\n"
    "  solve [FILE]             solve each line: STATUS RESULT (0 solved, 1 not)\n"
    "  convert --to FORMAT [FILE]\n"
    "                           read one puzzle text in any import layout and write\n"
    "                           it as no-candidate, with-candidates, 9x9 or 1x81\n"
    "  deal LEVEL [--seed N]    deal a puzzle as the game does: LEVEL 0..4 (very-easy,\n"
    "                           gentle, moderate, tough, diabolical); prints the\n"
    "                           puzzle (\"0\" for blanks) and its solution\n"
    "  grade [--steps] [FILE]   rate each puzzle line: LEVEL RATING HARDEST-TECHNIQUE\n"
    "                           on the Sudoku Explainer scale (LEVEL \"-\" when it is\n"
    "                           not unique;\n"
    "                           a line shorter than 81 characters is an error)\n"
    "  explain [FILE]           the easiest next step of each line: place CELL DIGIT,\n"
    "                           eliminate CELL:DIGITS,..., wrong CELL,... or none;\n"
    "                           a line is 81 characters, or 81 tokens where several\n"
    "                           digits are an open cell's candidates\n"
    "\n"
    "Options:\n"
    "  --help                   show this help\n"
    "  --version                show the version\n";

int Fail(const std::string& message) {
  std::cerr << "sudoku-tessel-cli: " << message << "\n";
  return 2;
}

// The puzzle part of a line: its first 81 characters, so that a rating
// column or trailing blanks after the puzzle are ignored.
std::string_view PuzzleField(std::string_view line) { return line.substr(0, tessel::kCells); }

bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; });
}

// Calls `each(line, number)` for every non-blank line of `in`, one at a time,
// so memory stays flat however long the input. Lines end in LF, CR LF or CR.
// Returns false when reading failed.
template <class F>
bool ForEachLine(std::istream& in, F each) {
  std::string raw;
  long number = 0;
  while (std::getline(in, raw)) {
    std::string_view rest = raw;
    for (;;) {
      const auto cr = rest.find('\r');
      const std::string_view line = rest.substr(0, cr);
      ++number;
      if (!IsBlank(line)) each(line, number);
      if (cr == std::string_view::npos) break;
      rest.remove_prefix(cr + 1);
      if (rest.empty()) break;  // CR LF: the CR ended the line
    }
  }
  return !in.bad();
}

// Standard output in one flush at the end; false when it could not be written.
bool Flushed() {
  std::cout.flush();
  return static_cast<bool>(std::cout);
}

struct Args {
  std::string command;
  std::string file;
  std::string to;
  std::string level;
  std::optional<std::uint32_t> seed;
  bool editor = false;
  bool steps = false;
  bool walk = false;
  bool fileSet = false;
};

// A whole decimal number 0 .. 2^32-1.
std::optional<std::uint32_t> ParseSeed(const std::string& w) {
  if (w.empty() || w.size() > 10 || w.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const unsigned long long v = std::stoull(w);
  if (v > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(v);
}

int ParseLevel(std::string w) {
  for (char& ch : w) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  static const char* const names[] = {"very-easy", "gentle", "moderate", "tough", "diabolical"};
  for (int i = 0; i < tessel::kLevelCount; ++i)
    if (w == std::to_string(i) || w == names[i]) return i;
  if (w == "veryeasy" || w == "very_easy") return 0;
  return -1;
}

// Parses the words after the command; returns an error text or empty.
std::string ParseArgs(int argc, char** argv, Args& a) {
  for (int i = 2; i < argc; ++i) {
    const std::string w = argv[i];
    if (w == "--editor" && a.command == "test") {
      a.editor = true;
    } else if (w == "--to" && a.command == "convert") {
      if (i + 1 >= argc) return "--to needs a format";
      a.to = argv[++i];
    } else if (w.rfind("--to=", 0) == 0 && a.command == "convert") {
      a.to = w.substr(5);
    } else if (w == "--steps" && a.command == "grade") {
      a.steps = true;
    } else if (w == "--walk" && a.command == "explain") {
      a.walk = true;
    } else if ((w == "--seed" || w.rfind("--seed=", 0) == 0) && a.command == "deal") {
      std::string v;
      if (w == "--seed") {
        if (i + 1 >= argc) return "--seed needs a number";
        v = argv[++i];
      } else {
        v = w.substr(7);
      }
      a.seed = ParseSeed(v);
      if (!a.seed) return "--seed takes a whole number from 0 to 4294967295, not '" + v + "'";
    } else if (w != "-" && !w.empty() && w[0] == '-') {
      return "unknown option '" + w + "' for " + a.command;
    } else if (a.fileSet) {
      return "more than one input file";
    } else {
      a.file = w;
      a.fileSet = true;
    }
  }
  return {};
}

int RunTest(std::istream& in, bool editor) {
  const bool read = ForEachLine(in, [&](std::string_view line, long) {
    const auto p = PuzzleField(line);
    const auto r = editor ? tessel::TestEditorPuzzleString(p) : tessel::TestPuzzleString(p);
    if (r.code == tessel::kNotSolvable)
      std::cout << "1 - -\n";
    else
      std::cout << r.code << ' ' << r.first << ' ' << r.second << '\n';
  });
  if (!read) return Fail("cannot read the input");
  return Flushed() ? 0 : Fail("cannot write the output");
}

int RunSolve(std::istream& in) {
  const bool read = ForEachLine(in, [&](std::string_view line, long) {
    const auto r = tessel::SolveString(PuzzleField(line));
    std::cout << r.status << ' ' << r.result << '\n';
  });
  if (!read) return Fail("cannot read the input");
  return Flushed() ? 0 : Fail("cannot write the output");
}

int RunDeal(int level, std::optional<std::uint32_t> seed) {
  tessel::Random32 rng;
  if (seed) rng.SetSeedSource([s = *seed] { return s; });
  tessel::TQJ store;
  if (tessel::DealPuzzle(level, store, rng) == 0) return Fail("the bank holds no puzzles of that level");
  std::cout << store.PuzzleString() << "\n" << store.GetSolution() << "\n";
  return 0;
}

// A line shorter than a puzzle is bad input, reported on stderr (the other
// lines are still graded), never as a rating.
int RunGrade(std::istream& in, bool steps) {
  char rating[32];
  bool bad = false;
  const bool read = ForEachLine(in, [&](std::string_view line, long number) {
    const auto p = PuzzleField(line);
    if (p.size() < static_cast<std::size_t>(tessel::kCells)) {
      std::cout.flush();  // keeps the order of both streams on a terminal
      std::cerr << "sudoku-tessel-cli: line " << number << ": not a puzzle (fewer than 81 characters)\n";
      bad = true;
      return;
    }
    if (tessel::CountSolutions(p, 2) != 1) {
      std::cout << "- - not-unique\n";
      return;
    }
    tessel::GradeOptions options;
    options.uniqueKnown = true;  // the puzzle test above found one solution
    const auto g = tessel::Grade(p, steps, options);
    std::snprintf(rating, sizeof rating, "%.1f", g.rating);
    if (g.solved)
      std::cout << g.level << ' ' << rating << ' ' << tessel::TechniqueName(g.hardest) << '\n';
    else
      std::cout << "- - needs-guessing\n";
    for (const auto& step : g.steps) std::cout << "  " << step.description << '\n';
  });
  if (!read) return Fail("cannot read the input");
  if (!Flushed()) return Fail("cannot write the output");
  return bad ? 2 : 0;
}

// Each line answers on its own line; a bad line says why there. With walk,
// each line answers with every step to the end, and a blank line follows.
int RunExplain(std::istream& in, bool walk) {
  const bool read = ForEachLine(in, [&](std::string_view line, long) {
    if (!walk) {
      std::cout << tessel::ExplainLine(line) << '\n';
      return;
    }
    for (const auto& step : tessel::ExplainWalk(line)) std::cout << step << '\n';
    std::cout << '\n';
  });
  if (!read) return Fail("cannot read the input");
  return Flushed() ? 0 : Fail("cannot write the output");
}

int RunConvert(const std::string& input, const std::string& to) {
  tessel::Board board;
  if (tessel::ImportPuzzleText(input, board) == 0) {
    std::cerr << tessel::kInvalidFormatText << "\n";
    return 2;
  }
  std::vector<std::string> lines;
  if (to == "no-candidate")
    lines = tessel::FormatNoCandidates(board);
  else if (to == "with-candidates")
    lines = tessel::FormatWithCandidates(board);
  else if (to == "9x9")
    lines = tessel::Format9x9(board);
  else
    lines = tessel::Format1x81(board);
  for (const auto& l : lines) std::cout << l << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "--version") {
    std::cout << "Sudoku Tessel " << TESSEL_VERSION << "\n";
    return 0;
  }
  if (command != "test" && command != "solve" && command != "convert" && command != "deal" &&
      command != "grade" && command != "explain")
    return Fail("unknown command '" + command + "' (try --help)");

  Args args;
  args.command = command;
  if (const auto err = ParseArgs(argc, argv, args); !err.empty()) return Fail(err);
  if (command == "convert" && args.to != "no-candidate" && args.to != "with-candidates" &&
      args.to != "9x9" && args.to != "1x81")
    return Fail(args.to.empty() ? "convert needs --to no-candidate|with-candidates|9x9|1x81"
                                : "unknown format '" + args.to + "'");

  if (command == "deal") {
    if (!args.fileSet) return Fail("deal needs a level: 0..4 or very-easy, gentle, moderate, tough, diabolical");
    const int level = ParseLevel(args.file);
    if (level < 0) return Fail("unknown level '" + args.file + "'");
    return RunDeal(level, args.seed);
  }

  std::ifstream file;
  if (!args.file.empty() && args.file != "-") {
    // A stream, not ReadWholeFile: pipes such as <(...) are valid input too.
    file.open(args.file, std::ios::binary);
    if (!file) return Fail("cannot read '" + args.file + "'");
  }
  std::istream& in = file.is_open() ? static_cast<std::istream&>(file) : std::cin;

  if (command == "test") return RunTest(in, args.editor);
  if (command == "solve") return RunSolve(in);
  if (command == "grade") return RunGrade(in, args.steps);
  if (command == "explain") return RunExplain(in, args.walk);
  std::ostringstream whole;  // convert reads one puzzle text as a whole
  whole << in.rdbuf();
  if (in.bad()) return Fail("cannot read '" + args.file + "'");
  return RunConvert(whole.str(), args.to);
}
