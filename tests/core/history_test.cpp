// Snapshots and the move history.
#include "core/history.hpp"
#include "core/layouts.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

// Given 5 at A1, entered 7 at A2, candidates "139" at A3, an emptied list at
// A4, every other cell open with all nine candidates.
Board SampleBoard() {
  Board b;
  for (int i = 0; i < kCells; ++i) b[i] = {RowOf(i), ColOf(i), "123456789", kOpen};
  b[0] = {1, 1, "5", kGiven};
  b[1] = {1, 2, "7", kEntered};
  b[2].text = "139";
  b[3].text = "";
  return b;
}

// The snapshot line is what replays store: state digit and text per cell.
TEST(HistorySnapshot, LayoutRoundTripAndDamagedLines) {
  std::string line = "15,27,3139,3";
  for (int i = 4; i < kCells; ++i) line += ",3123456789";
  EXPECT_EQ(TakeSnapshot(SampleBoard()), line);

  Board b;  // every cell open and empty
  b[40].error = true;
  EXPECT_EQ(RestoreSnapshot(b, line), 81);
  EXPECT_EQ(TakeSnapshot(b), line);
  EXPECT_TRUE(b[40].error) << "error flags are recomputed by the caller, not restored";

  // Damaged lines restore what can be read, and never more than 81 cells.
  const Board sample = SampleBoard();
  Board before;
  for (int i = 0; i < kCells; ++i) before[i] = {RowOf(i), ColOf(i), "9", kEntered};
  std::string spaced = "  ";
  for (char ch : line) spaced += ch == ',' ? std::string(" , ") : std::string(1, ch);
  const struct {
    std::string line;
    int restored, from, to;  // cells [from, to) come from the sample
  } cases[] = {
      {line.substr(0, 78), 10, 0, 10},  // ten cells: the cells past its end keep theirs
      // No such state, not a digit, nothing at all: pieces without a state are skipped.
      {"05,x7,," + line.substr(11), 78, 3, 81},
      {line + ",21,22", 81, 0, 81},   // surplus never spills
      {spaced + "\r\n", 81, 0, 81},  // blanks are read past
      {"", 0, 0, 0}, {",,,,", 0, 0, 0}, {"garbage", 0, 0, 0}, {"4,4,4", 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Board b = before, want = before;
    for (int i = c.from; i < c.to; ++i) want[i] = sample[i];
    EXPECT_EQ(RestoreSnapshot(b, c.line), c.restored);
    EXPECT_EQ(TakeSnapshot(b), TakeSnapshot(want));
  }
}

TEST(HistoryList, RecordsChangesDropsWhatWasSteppedOverAndBranches) {
  History h;
  EXPECT_EQ(h.Current(), "");
  EXPECT_FALSE(h.CanStepBack() || h.CanStepForward());
  Board b = SampleBoard();
  h.RewriteCurrent(b);
  EXPECT_EQ(h.count(), 0) << "an empty list has no entry to rewrite";
  h.Reset(b);
  EXPECT_EQ(h.count(), 1);
  EXPECT_FALSE(h.RecordStep(b)) << "an unchanged board";

  b[10] = {2, 2, "4", kEntered, false};
  EXPECT_TRUE(h.RecordStep(b));
  b[10] = {2, 2, "123456789", kOpen, false};
  EXPECT_TRUE(h.RecordStep(b)) << "equal to entry 0, but not to the entry at the cursor";
  EXPECT_EQ(h.count(), 3);
  EXPECT_EQ(h.StepBack(), h.lines()[1]);
  EXPECT_EQ(h.StepBack(), h.lines()[0]);
  EXPECT_FALSE(h.CanStepBack());
  EXPECT_TRUE(h.CanStepForward());
  b[20] = {3, 3, "8", kEntered, false};
  EXPECT_TRUE(h.RecordStep(b));
  EXPECT_EQ(h.count(), 2) << "the two stepped-over entries are gone";
  EXPECT_FALSE(h.CanStepForward());
  EXPECT_EQ(h.StepFirst(), h.lines()[0]);
  EXPECT_EQ(h.StepLast(), h.lines()[1]);
  h.Reset(b);
  EXPECT_EQ(h.count(), 1);

  // Rejecting a branch returns to the branch point.
  b = SampleBoard();
  h.Reset(b);
  h.StartBranch(b);
  EXPECT_TRUE(h.BranchOpen());
  EXPECT_EQ(h.count(), 1) << "starting a branch records nothing";
  const std::string point = TakeSnapshot(b);
  b[30] = {4, 4, "6", kEntered, false};
  h.RecordStep(b);
  EXPECT_EQ(h.RejectBranch(), point);
  EXPECT_FALSE(h.BranchOpen());
  EXPECT_EQ(h.RejectBranch(), "");
  for (bool accept : {true, false}) {
    h.StartBranch(b);
    accept ? h.AcceptBranch() : h.AbandonBranch();
    EXPECT_FALSE(h.BranchOpen());
  }
}

// A "With Candidates" text whose groups are what an import may leave in a
// cell: "5.", groups of ten or more characters, dots.
std::string RandomCandidateText(std::mt19937& rng) {
  const std::string clue = "123456789.";
  std::string text;
  for (int r = 0; r < 9; ++r) {
    text += "|";
    for (int c = 0; c < 9; ++c) {
      std::string group;
      for (int k = 1 + int(rng() % 12); k > 0; --k) group += clue[rng() % clue.size()];
      text += " " + (group == "." ? "5." : group) + " ";
    }
    text += "|\r\n";
  }
  return text;
}

// Random moves, steps and branch operations on imported boards, checked
// against the rules that must hold after every one of them: a cell that
// restores differently would make RecordStep cut the history.
TEST(HistoryProperty, RandomPlayKeepsCursorInRangeAndRoundTripsSnapshots) {
  std::mt19937 rng(1234567);
  for (int game = 0; game < 100; ++game) {
    const std::string text = RandomCandidateText(rng);
    Board b;
    ASSERT_EQ(ImportPuzzleText(text, b), kCandidateGrid) << text;
    History h;
    h.Reset(b);
    for (int op = 0; op < 200; ++op) {
      const int before = h.count();
      const int kind = int(rng() % 8);
      if (kind < 3) {  // a move: enter, clear, strike a candidate or reopen
        const int i = int(rng() % kCells);
        const std::string digit(1, char('1' + rng() % 9));
        const int k = int(rng() % 4);
        const std::string texts[] = {digit, "123456789", RemoveChars(b[i].text, digit), b[i].text};
        b[i].text = texts[k];
        b[i].state = k == 0 ? kEntered : k == 2 ? b[i].state : kOpen;
        const std::string current = h.Current();
        EXPECT_EQ(h.RecordStep(b), TakeSnapshot(b) != current);
      } else if (kind < 6) {
        RestoreSnapshot(b, kind == 3 ? h.StepBack() : kind == 4 ? h.StepNext() : rng() % 2 ? h.StepFirst() : h.StepLast());
      } else if (kind == 6) {
        h.BranchOpen() ? h.AcceptBranch() : h.StartBranch(b);
      } else if (h.BranchOpen()) {
        RestoreSnapshot(b, h.RejectBranch());
        h.RecordStep(b);
      }
      ASSERT_GE(h.cursor(), 0);
      ASSERT_LT(h.cursor(), h.count());
      ASSERT_LE(h.count(), before + 1);
      // The board always shows the entry at the cursor after a history step.
      EXPECT_EQ(TakeSnapshot(b), h.Current());
      for (int k = 1; k < h.count(); ++k) ASSERT_NE(h.lines()[k], h.lines()[k - 1]) << "entry " << k;
    }
    for (const std::string& line : h.lines()) {
      Board copy;
      ASSERT_EQ(RestoreSnapshot(copy, line), kCells) << line;
      ASSERT_EQ(TakeSnapshot(copy), line);
    }
  }
}

}  // namespace
}  // namespace tessel
