// sudoku-tessel-cli: the game's core from the shell.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/bank.hpp"
#include "core/board.hpp"
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
    "Reads FILE, or standard input when FILE is '-' or missing.\n"
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
    "                           (LEVEL \"-\" when it is not unique or needs guessing)\n"
    "\n"
    "Options:\n"
    "  --help                   show this help\n"
    "  --version                show the version\n";

int Fail(const std::string& message) {
  std::cerr << "sudoku-tessel-cli: " << message << "\n";
  return 2;
}

// The whole input as bytes; nullopt when the file cannot be read.
std::optional<std::string> ReadInput(const std::string& path) {
  if (path.empty() || path == "-") {
    std::ostringstream ss;
    ss << std::cin.rdbuf();
    return ss.str();
  }
  // A stream, not ReadWholeFile: pipes such as <(...) are valid input too.
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return ss.str();
}

struct Args {
  std::string command;
  std::string file;
  std::string to;
  std::string level;
  std::optional<std::uint32_t> seed;
  bool editor = false;
  bool steps = false;
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

int RunTest(const std::string& input, bool editor) {
  std::string out;
  for (const auto& line : tessel::SplitLines(input)) {
    const auto r = editor ? tessel::TestEditorPuzzleString(line) : tessel::TestPuzzleString(line);
    if (r.code == tessel::kNotSolvable)
      out += "1 - -\n";
    else
      out += std::to_string(r.code) + " " + r.first + " " + r.second + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

int RunSolve(const std::string& input) {
  std::string out;
  for (const auto& line : tessel::SplitLines(input)) {
    const auto r = tessel::SolveString(line);
    out += std::to_string(r.status) + " " + r.result + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

int RunDeal(int level, std::optional<std::uint32_t> seed) {
  tessel::Random32 rng;
  if (seed) rng.SetSeedSource([s = *seed] { return s; });
  tessel::TQJ store;
  if (tessel::DealPuzzle(level, store, rng) == 0) return Fail("the bank holds no puzzles of that level");
  std::cout << store.PuzzleString() << "\n" << store.GetSolution() << "\n";
  return 0;
}

int RunGrade(const std::string& input, bool steps) {
  std::string out;
  char rating[32];
  for (const auto& line : tessel::SplitLines(input)) {
    if (tessel::CountSolutions(line, 2) != 1) {
      out += "- - not-unique\n";
      continue;
    }
    const auto g = tessel::Grade(line, steps);
    std::snprintf(rating, sizeof rating, "%.1f", g.rating);
    if (g.solved)
      out += std::to_string(g.level) + " " + rating + " " + std::string(tessel::TechniqueName(g.hardest)) + "\n";
    else
      out += "- - needs-guessing\n";
    for (const auto& step : g.steps) out += "  " + step.description + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
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
      command != "grade")
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

  const auto input = ReadInput(args.file);
  if (!input) return Fail("cannot read '" + args.file + "'");

  if (command == "test") return RunTest(*input, args.editor);
  if (command == "solve") return RunSolve(*input);
  if (command == "grade") return RunGrade(*input, args.steps);
  return RunConvert(*input, args.to);
}
