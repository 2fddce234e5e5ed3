// The command-line tool, run as a separate process.
#include <sys/wait.h>

#include "core/textfile.hpp"
#include "test_util.hpp"

namespace {

struct CliRun {
  int exitCode;
  std::string out;
};

// Runs the CLI with `args`, feeding `input` on standard input; stderr is
// folded into the output after "||".
CliRun Cli(const std::string& args, const std::string& input = "") {
  // Tests run in parallel processes: every call gets its own files.
  const std::string in = testutil::UniqueTempFile("cli_in"), err = testutil::UniqueTempFile("cli_err");
  std::ofstream(in, std::ios::binary) << input;
  int status = 0;
  const std::string cmd = std::string(TESSEL_CLI_PATH) + " " + args + " < " + in + " 2> " + err;
  std::string out = testutil::CommandOutput(cmd, &status);
  const std::string errText = testutil::FileBytes(err);
  if (!errText.empty()) out += "||" + errText;
  std::remove(in.c_str());
  std::remove(err.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

const std::string kPuzzle = "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

}  // namespace

TEST(Cli, HelpVersionBadArgumentsAndJunk) {
  EXPECT_EQ(Cli("--version").out, "Sudoku Tessel 4.65\n");
  const CliRun help = Cli("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("convert --to"), std::string::npos);
  for (const char* bad : {"", "frobnicate", "test --bogus", "solve /no/such/file", "convert",
                                "convert --to 3x27", "convert --to", "solve a b"}) {
    const CliRun r = Cli(bad);
    EXPECT_EQ(r.exitCode, 2) << bad;
    EXPECT_NE(r.out.find("||"), std::string::npos) << bad;  // said on stderr
  }

  // Junk input never crashes. The bytes repeat every 256, so every line after
  // the first is the same: a few periods hold all the lines a longer run has.
  std::string junk;
  for (int i = 0; i < 256 * 6; ++i) junk += static_cast<char>((i * 7919) % 256);
  for (const char* cmd : {"test", "test --editor", "solve", "convert --to 1x81"}) {
    const CliRun r = Cli(cmd, junk);
    EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 2) << cmd;
  }
}

TEST(Cli, TestAndSolveLines) {
  const CliRun t = Cli("test -", kPuzzle + "\r\n" + std::string(81, '.') + "\n" + "11\n" + "\n");
  ASSERT_EQ(t.exitCode, 0);
  const auto lines = tessel::SplitLines(t.out);
  ASSERT_EQ(lines.size(), 3u);  // the blank line is skipped
  const std::string solution = lines[0].substr(2, 81);
  EXPECT_EQ(lines[0], "0 " + solution + " " + solution);  // the solution twice
  EXPECT_EQ(lines[1].substr(0, 11), "2 123456789");
  EXPECT_EQ(lines[2], "1 - -");  // a short line is padded with blanks
  // The editor's test passes a full board; the main board's finds no empty cell.
  EXPECT_EQ(Cli("test --editor", solution + "\n").out.substr(0, 2), "0 ");
  EXPECT_EQ(Cli("test", solution + "\n").out, "1 - -\n");

  // A clash is not solvable.
  EXPECT_EQ(Cli("solve", kPuzzle + "\n11\n").out, "0 " + solution + "\n1 11" + std::string(79, '0') + "\n");
}

TEST(Cli, Convert) {
  const CliRun nine = Cli("convert --to 9x9", kPuzzle);
  EXPECT_EQ(nine.out.substr(0, 10), "*86**9***\n");
  EXPECT_EQ(Cli("convert --to 1x81", nine.out).out, kPuzzle + "\n");
  EXPECT_EQ(Cli("convert --to=9x9", kPuzzle).out, nine.out) << "the option's other spelling";
  const CliRun framed = Cli("convert --to no-candidate", kPuzzle);
  EXPECT_EQ(framed.out.substr(0, 50), "*" + std::string(47, '-') + "*\n");
  EXPECT_EQ(Cli("convert --to with-candidates", framed.out).exitCode, 0);
  const CliRun bad = Cli("convert --to 9x9", "hello");
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.out, "||Invalid format.\n");
}

TEST(Cli, DealGradeAndLinesReadAlikeByEveryCommand) {
  const CliRun d = Cli("deal gentle --seed 7");
  ASSERT_EQ(d.exitCode, 0) << d.out;
  ASSERT_EQ(d.out.size(), 82u * 2);
  EXPECT_EQ(Cli("deal 1 --seed=7").out, d.out);  // reproducible, names and numbers alike
  const std::string puzzle = d.out.substr(0, 81), solution = d.out.substr(82, 81);
  EXPECT_EQ(Cli("test", puzzle + "\n").out, "0 " + solution + " " + solution + "\n");

  const CliRun g = Cli("grade", puzzle + "\n" + std::string(81, '0') + "\n");
  EXPECT_EQ(g.out.substr(0, 2), "1 ");
  EXPECT_NE(g.out.find("\n- - not-unique\n"), std::string::npos);

  for (const char* bad : {"deal", "deal 5", "deal easy", "deal 1 --seed", "deal 1 --seed -3",
                          "deal 1 --seed 99999999999", "grade --seed 1"})
    EXPECT_EQ(Cli(bad).exitCode, 2) << bad;

  // test, solve and grade read a line the same way: its first 81 characters,
  // blank lines skipped, CR LF or LF; one output line per puzzle.
  const std::string several(81, '0');
  const std::string bare = puzzle + "\n" + kPuzzle + "\n" + several + "\n";
  const std::string decorated = "\n" + puzzle + " 3.4\r\n   \r\n\t\n" + kPuzzle + " \n\n" + several + "\t1.2 x\r\n\r\n";
  for (const char* cmd : {"test", "solve", "grade"}) {
    const CliRun want = Cli(cmd, bare);
    ASSERT_EQ(want.exitCode, 0) << cmd;
    EXPECT_EQ(std::count(want.out.begin(), want.out.end(), '\n'), 3) << cmd;
    EXPECT_EQ(Cli(cmd, decorated).out, want.out) << cmd;
  }

  // A line too short to be a puzzle is an error on stderr, not a grade.
  const CliRun shortLine = Cli("grade", puzzle.substr(0, 80) + "\n" + puzzle + "\n");
  EXPECT_EQ(shortLine.exitCode, 2);
  EXPECT_EQ(shortLine.out.substr(0, 2), "1 ");
  EXPECT_NE(shortLine.out.find("||sudoku-tessel-cli: line 1: "), std::string::npos) << shortLine.out;
}

