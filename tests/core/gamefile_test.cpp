// The game file of lastgame.dat and the replays: layout, round trip, the
// reading order on damaged files, and safe writing.
#include "core/gamefile.hpp"
#include "core/game.hpp"
#include "core/textfile.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

using testutil::kSolution;

struct Saved {
  Board board;
  TQJ store;
  History history;
};

// Givens 5 at A1 and 9 at I9, then two moves.
Saved SampleGame() {
  Saved g{testutil::BoardWith({{1, 1, "5", kGiven}, {9, 9, "9", kGiven}}), {}, {}};
  g.board.nd = 2;
  g.store.SetSolution(kSolution);
  g.store.at(1, 1).given = g.store.at(9, 9).given = true;
  g.history.Reset(g.board);
  g.board.at(1, 2) = {1, 2, "3", kEntered};
  g.history.RecordStep(g.board);
  g.board.at(1, 3).text = "124";
  g.history.RecordStep(g.board);
  return g;
}

TEST(GameFile, LinesOfAGameAndTheRoundTrip) {
  Saved g = SampleGame();
  g.history.StepFirst();  // the cursor is not stored: every entry is
  const auto lines = GameFileLines(g.board, g.store, g.history);
  // Entered digits are 0 in the givens string.
  std::vector<std::string> want = {"2 5" + std::string(79, '0') + "9", kSolution};
  want.insert(want.end(), g.history.lines().begin(), g.history.lines().end());
  EXPECT_EQ(lines, want);

  g.store.at(4, 4).value = 0;  // an incomplete solution is an empty line
  EXPECT_EQ(GameFileLines(g.board, g.store, g.history)[1], "");
  const std::string text = GameFileText(g.board, g.store, g.history);
  EXPECT_EQ(text.substr(83, 4), "\r\n\r\n");

  // A round trip gives back every entry, the level and the store; the game
  // then shows the last entry.
  const Saved fresh = SampleGame();
  for (const char* eol : {"\r\n", "\n"}) {
    std::string text;
    for (const auto& l : GameFileLines(fresh.board, fresh.store, fresh.history)) text += l + eol;
    const GameFile file = ParseGameFile(text);
    EXPECT_EQ(file.level, 2);
    EXPECT_EQ(file.history, fresh.history.lines());
    EXPECT_EQ(file.store.GetSolution(), kSolution);
    for (int i = 0; i < kCells; ++i) EXPECT_EQ(file.store[i].given, i == 0 || i == 80) << i;
    tessel::Game game;
    game.LoadGameFile(file);
    EXPECT_TRUE(game.inPlay());
    EXPECT_EQ(game.history().cursor(), 2);
    EXPECT_EQ(TakeSnapshot(game.board()), fresh.history.lines().back());
    EXPECT_EQ(game.board().nd, 2);
  }
}

// Every fault is found before anything is taken from the file.
TEST(GameFileRead, DamagedFilesAreRefusedWhole) {
  const Saved g = SampleGame();
  const std::vector<std::string> lines = GameFileLines(g.board, g.store, g.history);
  auto error = [](std::vector<std::string> l) {
    return testutil::ErrorOf<GameDataError>([&] { ParseGameFile(JoinCrLf(l)); });
  };
  auto with = [&](int line, int at, char c) {
    auto bad = lines;
    bad[line][at] = c;
    return bad;
  };
  EXPECT_EQ(error(with(0, 0, 'L')), "'L' is not a valid integer value");
  EXPECT_EQ(error(with(1, 40, 'x')), "'x' is not a valid integer value");
  EXPECT_NE(error({lines[0], lines[1]}), "") << "no history line";
  EXPECT_NE(error({lines[0]}), "");
  EXPECT_NE(error({}), "");

  // A short solution line is no solution, not a fault.
  auto shortSolution = lines;
  shortSolution[1] = "123";
  EXPECT_EQ(error(shortSolution), "");
  const GameFile file = ParseGameFile(JoinCrLf(shortSolution));
  EXPECT_EQ(file.store.GetSolution(), "");
  EXPECT_TRUE(file.store.at(9, 9).given);
}

TEST(GameFileRead, SampleFileReadsAndWritesBackByteForByte) {
  const std::string bytes = testutil::FileBytes(testutil::SourceFile("tests/data/game_sample.dat"));
  ASSERT_FALSE(bytes.empty());
  tessel::Game g;
  g.LoadGameFile(ParseGameFile(bytes));
  EXPECT_EQ(g.board().nd, 1);
  EXPECT_EQ(g.history().count(), 3);
  EXPECT_EQ(TakeSnapshot(g.board()).substr(0, 12), "15,23,3124,3");
  EXPECT_EQ(GameFileText(g.board(), g.store(), g.history()), bytes);
}

// A middle entry with a piece that does not read (kept by the lenient
// reader) is shown as the board it restores to; walking through the
// history must not record it and cut the entries after it.
TEST(GameFileRead, ADamagedEntryDoesNotCutTheHistory) {
  std::string bytes = testutil::FileBytes(testutil::SourceFile("tests/data/game_sample.dat"));
  const std::size_t entry = bytes.find("15,23,3,");
  ASSERT_NE(entry, std::string::npos);
  bytes.replace(entry + 6, 1, "\xC5");
  tessel::Game g;
  g.LoadGameFile(ParseGameFile(bytes));
  ASSERT_EQ(g.history().count(), 3);
  const std::string last = g.history().lines()[2];
  EXPECT_TRUE(g.StepFirst());
  EXPECT_TRUE(g.StepNext());
  EXPECT_TRUE(g.StepNext());
  EXPECT_EQ(g.history().count(), 3);
  EXPECT_EQ(g.history().lines()[2], last);
  EXPECT_EQ(TakeSnapshot(g.board()), last);
  EXPECT_TRUE(g.StepBack());
  EXPECT_EQ(TakeSnapshot(g.board()), g.history().Current());
}

}  // namespace
}  // namespace tessel
