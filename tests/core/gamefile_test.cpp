// The game file of lastgame.dat and the replays: layout, round trip, the
// reading order on damaged files, and safe writing.
#include "core/gamefile.hpp"
#include "core/textfile.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

using testutil::kSolution;

struct Game {
  Board board;
  TQJ store;
  History history;
};

// Givens 5 at A1 and 9 at I9, then two moves.
Game SampleGame() {
  Game g{testutil::BoardWith({{1, 1, "5", kGiven}, {9, 9, "9", kGiven}}), {}, {}};
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
  Game g = SampleGame();
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

  // A round trip restores every entry and the last position.
  const Game fresh = SampleGame();
  for (const char* eol : {"\r\n", "\n"}) {
    std::string file;
    for (const auto& l : GameFileLines(fresh.board, fresh.store, fresh.history)) file += l + eol;
    Game out;
    out.history.Reset(out.board);
    const int level = ReadGameFileInto(file, out.board, out.store, out.history);
    EXPECT_EQ(level, 2);
    EXPECT_EQ(out.history.lines(), fresh.history.lines());
    EXPECT_EQ(out.history.cursor(), 2);
    EXPECT_EQ(TakeSnapshot(out.board), fresh.history.lines().back());
    EXPECT_EQ(out.store.GetSolution(), kSolution);
    for (int i = 0; i < kCells; ++i) EXPECT_EQ(out.store[i].given, i == 0 || i == 80) << i;
  }
}

TEST(GameFileRead, DamagedFilesStopAtTheFailingStep) {
  const Game g = SampleGame();
  const std::vector<std::string> lines = GameFileLines(g.board, g.store, g.history);
  auto read = [](Game& out, std::vector<std::string> l) {
    return testutil::ErrorOf<GameDataError>([&] { ReadGameFileInto(JoinCrLf(l), out.board, out.store, out.history); });
  };
  // A bad level digit: the history was already refilled.
  auto bad = lines;
  bad[0][0] = 'L';
  Game out;
  EXPECT_EQ(read(out, bad), "'L' is not a valid integer value");
  EXPECT_EQ(out.history.count(), 3);

  // A bad solution digit: the givens are already marked.
  bad = lines;
  bad[1][40] = 'x';
  Game out2;
  EXPECT_EQ(read(out2, bad), "'x' is not a valid integer value");
  EXPECT_TRUE(out2.store.at(1, 1).given);

  // No history line: the store is set, the board untouched.
  Game out3;
  out3.board.ClearAll();
  EXPECT_NE(read(out3, {lines[0], lines[1]}), "");
  EXPECT_EQ(out3.store.GetSolution(), kSolution);
  EXPECT_EQ(out3.board.at(1, 1).text, "");
  EXPECT_EQ(out3.history.count(), 0);
  EXPECT_NE(read(out3, {}), "");

  // A short solution line leaves the values at 0.
  bad = lines;
  bad[1] = "123";
  Game out4;
  EXPECT_EQ(read(out4, bad), "");
  EXPECT_EQ(out4.store.GetSolution(), "");
  EXPECT_TRUE(out4.store.at(9, 9).given);
}

TEST(GameFileRead, SampleFileReadsAndWritesBackByteForByte) {
  const std::string bytes = testutil::FileBytes(testutil::SourceFile("tests/data/game_sample.dat"));
  ASSERT_FALSE(bytes.empty());
  Game g;
  g.board.ClearAll();
  g.board.nd = ReadGameFileInto(bytes, g.board, g.store, g.history);
  EXPECT_EQ(g.board.nd, 1);
  EXPECT_EQ(g.history.count(), 3);
  EXPECT_EQ(TakeSnapshot(g.board).substr(0, 12), "15,23,3124,3");
  EXPECT_EQ(GameFileText(g.board, g.store, g.history), bytes);
}

}  // namespace
}  // namespace tessel
