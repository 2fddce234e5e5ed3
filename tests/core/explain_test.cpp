// Explain Next Step: every explained step is sound, its sentence names the
// cells it changes, and the game shows it without changing the board.
#include "core/explain.hpp"

#include <iostream>

#include "core/bank.hpp"
#include "core/game.hpp"
#include "core/solver.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

struct Counts {
  long steps = 0, placements = 0, eliminations = 0, none = 0;
};

// Explains, applies the step to the lists, and explains again until the
// puzzle is solved or no step is found.
void StepThrough(const std::string& puzzle, const std::string& solution, Counts& n) {
  Position pos = *ParsePositionLine(puzzle);
  for (int c = 0; c < kCells; ++c)
    if (!pos.value[c]) pos.lists[c] = 0x1FF;
  for (;;) {
    const Explanation e = Explain(pos, solution);
    if (e.kind == ExplainKind::kNone) {
      n.none += e.sentence != "The puzzle is solved.";
      return;
    }
    ASSERT_NE(e.kind, ExplainKind::kWrong) << puzzle;
    ++n.steps;
    for (int c : e.changes)
      ASSERT_NE(e.sentence.find(CellLabel(RowOf(c), ColOf(c))), std::string::npos) << e.sentence;
    // The families with their own sentence never fall back to the generic one.
    if (e.technique <= Technique::kSwordfish || e.technique == Technique::kJellyfish) {
      ASSERT_NE(e.sentence.rfind(std::string(TechniqueName(e.technique)) + " (", 0), 0u) << e.sentence;
    }
    for (const auto& pl : e.placements) {
      ASSERT_EQ(pl.digit, solution[pl.cell] - '0') << puzzle << " " << e.sentence;
      ++n.placements;
      pos.value[pl.cell] = static_cast<std::uint8_t>(pl.digit);
      for (int q : PeersOf(pl.cell)) pos.lists[q] &= ~(1u << (pl.digit - 1));
    }
    for (const auto& el : e.eliminations) {
      ASSERT_NE(el.digit, solution[el.cell] - '0') << puzzle << " " << e.sentence;
      ASSERT_TRUE(pos.lists[el.cell] >> (el.digit - 1) & 1) << "not a candidate: " << e.sentence;
      ++n.eliminations;
      pos.lists[el.cell] &= ~(1u << (el.digit - 1));
    }
  }
}

TEST(Explain, EveryStepOverTheSamplesAndTheBankIsSound) {
  const int every = testutil::kSanitized ? 20 : 4;
  Counts n;
  auto puzzles = testutil::SamplePuzzles("17-clue.txt"), hardest = testutil::SamplePuzzles("hardest.txt", 40);
  const auto rated = testutil::SamplePuzzles("rated.txt");
  for (std::size_t i = 0; i < rated.size(); i += every) puzzles.push_back(rated[i]);
  puzzles.insert(puzzles.end(), hardest.begin(), hardest.end());
  for (const auto& p : puzzles) {
    std::string solution;
    ASSERT_EQ(CountSolutions(p, 2, &solution), 1) << p;
    StepThrough(p, solution, n);
  }
  // Bank entries: digits are clues, letters A..I the solution's digits.
  for (int level = 0; level < kLevelCount; ++level)
    for (std::size_t i = 0; i < BankList(level).size(); i += 5 * every) {
      std::string puzzle(BankList(level)[i]), solution = puzzle;
      for (std::size_t c = 0; c < puzzle.size(); ++c)
        if (puzzle[c] >= 'A' && puzzle[c] <= 'I') puzzle[c] = '.', solution[c] = static_cast<char>(solution[c] - 'A' + '1');
      const long before = n.none;
      StepThrough(puzzle, solution, n);
      EXPECT_EQ(n.none, before) << "the grader solves every bank puzzle: " << puzzle;
    }
  std::cout << "explained " << n.steps << " steps: " << n.placements << " placements, " << n.eliminations
            << " eliminations, none unsound; " << n.none << " positions without a step\n";
  EXPECT_GT(n.steps, 10000);
  EXPECT_GE(n.none, 40);  // every puzzle of the hardest sample, at least
}

// One position per family, as the CLI prints it.
TEST(Explain, SentencesPerFamily) {
  const std::string solved = testutil::kSolution;
  const std::pair<std::string, std::string> cases[] = {
      {"." + solved.substr(1), "place A1 5 | Full House | Full house: A1 is the last open cell of row A, so it takes 5."},
      {"005601200086090450000030000067000910409000305000000000600040001500803006020060030",
       "place C7 1 | Hidden Single (box) | Hidden single: in box 3 the 1 fits only in C7."},
      {"3 4 5 6 8 1 2 79 79 1 8 6 27 9 27 4 5 3 9 7 2 45 3 45 1 6 8 28 6 7 3 5 248 9 1 24 4 1 9 27 27 6 3 8 5 "
       "28 5 3 12479 127 24789 6 247 247 6 3 8 279 4 279 5 29 1 5 9 14 8 12 3 7 24 6 7 2 14 159 6 59 8 3 49",
       "eliminate F4:7,F5:7,F6:7 | Pointing | Pointing: in box 6 the 7 lies only in row F, so remove 7 from F4, F5 "
       "and F6."},
      {"1 246 7 46 26 8 5 3 9 3 468 59 4569 1 469 2 7 68 68 268 59 5679 3 2679 4 68 1 678 68 1 3 9 2467 78 5 2478 5 "
       "3 2 147 8 147 6 9 47 678 9 4 67 267 5 378 1 2378 2 7 3 1689 4 169 89 68 5 4 1 6 789 5 379 3789 2 378 9 5 8 2 "
       "67 367 1 4 367",
       "eliminate C2:68,C4:6,C6:6 | Naked Pair | Naked pair 6 8 in C1 and C8: no other cell of row C can hold 6 or 8; "
       "remove 6 from C2, C4 and C6, 8 from C2."},
      {"8 56 2 3 156 16 9 7 4 4 7 9 2 56 8 3 1 56 1 356 356 579 4 679 56 8 2 57 2 457 1579 15789 179 48 6 3 3567 356 "
       "8 4 57 37 1 2 9 9 1 34 6 28 23 48 5 7 2567 9 567 17 3 1267 567 4 8 367 4 367 8 67 5 2 9 1 2567 8 1 79 2679 4 "
       "567 3 56",
       "eliminate C4:5,C6:6 | Hidden Pair | Hidden pair 7 9 in row C: they fit only in C4 and C6, so those cells hold "
       "nothing else; remove 5 from C4 and 6 from C6."},
      {"5 9 8 7 6 1 4 2 3 3 2 6 8 459 49 1 7 59 7 4 1 359 359 2 56 689 589 18 158 9 6 58 7 2 3 4 4 58 7 59 2 3 56 689 "
       "1 2 6 3 1 4589 49 7 89 589 18 138 2 4 39 6 89 5 7 6 38 4 39 7 5 89 1 2 9 7 5 2 1 8 3 4 6",
       "eliminate C5:5,C9:5,D5:5 | X-Wing | X-Wing on 5 in rows B and F, columns 5 and 9: remove 5 from C5, C9 and "
       "D5."},
      {"5 8 2 6 1 3 7 4 9 46 46 7 5 2 9 8 1 3 3 1 9 4 8 7 5 6 2 678 3 5 18 4 2 19 789 1678 1 47 48 9 3 6 2 78 5 9 2 "
       "68 18 7 5 4 3 168 2 67 168 3 5 4 19 789 178 48 5 3 7 9 1 6 2 48 47 9 14 2 6 8 3 5 147",
       "eliminate B1:4 | XY-Wing | XY-Wing (pivot G2 (67), pincers B2 (46), I1 (47)): one pincer holds the digit; "
       "remove 4 from B1."},
      {"15 145 6 1458 3 14579 2 589 789 7 145 8 1245 29 1459 6 59 3 3 9 2 568 567 57 4 1 578 68 68 157 145 579 14579 "
       "35 235 125 2 15 4 3 8 6 9 7 15 9 3 157 125 257 157 8 6 4 4 68 59 7 1 2 35 3589 5689 56 7 3 9 4 8 1 25 256 18 "
       "2 19 56 56 3 7 4 89",
       "eliminate G9:5 | X-Chain | X-Chain (5 links: G9=5 -> E9<>5 -> E2=5 -> (D3, F3)<>5 -> G3=5 -> G9<>5): each "
       "removed candidate leads to its own removal; remove 5 from G9."},
      {"7 68 48 3 2 9 18 5 1468 2 1 5 8 6 4 37 9 37 489 689 3 1 7 5 2 48 468 1489 89 489 2 3 7 18 6 5 18 3 2 9 5 6 4 "
       "7 18 6 5 7 4 8 1 9 23 23 5 4 1 7 9 3 6 28 28 38 7 68 56 4 2 35 1 9 39 2 69 56 1 8 357 34 347",
       "eliminate A3:8 | Finned X-Wing | Finned X-Wing (8 in columns 2, 7 on A, D, fins C2): the fish or its fin "
       "holds the digit; remove 8 from A3."},
  };
  for (const auto& [line, out] : cases) EXPECT_EQ(ExplainLine(line), out);
}

TEST(Explain, WrongNoneBadLinesAndTheCli) {
  const std::string solved = testutil::kSolution;
  const std::string hardest = testutil::SamplePuzzles("hardest.txt", 1)[0];
  std::string tokens(161, ' ');
  for (int i = 0; i < 81; ++i) tokens[2 * i] = i == 40 ? 'x' : '.';
  const std::pair<std::string, std::string> cases[] = {
      {"55" + std::string(79, '.'), "wrong A1,A2"},
      {"12345678." + std::string(63, '.') + "........9", "wrong A1,A2,A3,A4,A5,A6,A7,A8,I9"},  // no solution
      {solved, "none"},
      {hardest, "none"},
      {"123", "bad: not a puzzle (81 characters, or 81 tokens)"},
      {tokens, "bad: a token is not digits 1-9, '0' or '.'"},
  };
  for (const auto& [line, out] : cases) EXPECT_EQ(ExplainLine(line), out) << line;

  EXPECT_EQ(Explain(Position{}, "").sentence, "No puzzle on the board.");

  // A wrong digit is named, not explained.
  Position pos = *ParsePositionLine("." + solved.substr(1, 79) + ".");
  pos.value[1] = 9;
  const Explanation wrong = Explain(pos, solved);
  EXPECT_EQ(wrong.kind, ExplainKind::kWrong);
  EXPECT_EQ(wrong.sentence, "Some digits are wrong: Check Error shows them.");
  EXPECT_EQ(wrong.wrong, (std::vector<int>{1, 6, 19}));  // A2's 9 clashes with A7's and C2's

  // A list that lost its cell's digit is passed over, so the step stays sound.
  const std::string puzzle = "005601200086090450000030000067000910409000305000000000600040001500803006020060030";
  std::string solution;
  ASSERT_EQ(CountSolutions(puzzle, 2, &solution), 1);
  pos = *ParsePositionLine(puzzle);
  for (int c = 0; c < kCells; ++c)
    if (!pos.value[c]) pos.lists[c] = 0x1FF;
  pos.lists[IndexOf(3, 7)] = 0x1FE;  // C7 without its 1
  EXPECT_EQ(Explain(pos, solution).placements, (std::vector<Placement>{{IndexOf(3, 7), 1}}));

  // The CLI answers line by line.
  const std::string file = testutil::UniqueTempFile("explain_cli");
  std::ofstream(file, std::ios::binary) << "123\r\n\n" << testutil::kSolution << "\n55" << std::string(79, '0') << "\n";
  int status = -1;
  EXPECT_EQ(testutil::CommandOutput(std::string(TESSEL_CLI_PATH) + " explain " + file, &status),
            "bad: not a puzzle (81 characters, or 81 tokens)\nnone\nwrong A1,A2\n");
  EXPECT_EQ(status, 0);
  std::filesystem::remove(file);
}

TEST(Explain, TheGameFramesTheStepUntilTheNextChange) {
  Game game;
  Random32 rng([] { return 7u; });
  game.NewGame(kTough, rng);
  game.SetMode(DisplayMode::kAll);
  const int steps = game.history().count();
  const std::string cells = testutil::Cells(game.board());
  const BoardLook look;

  const Explanation e = game.ExplainNextStep();
  ASSERT_TRUE(e.kind == ExplainKind::kPlace || e.kind == ExplainKind::kEliminate) << e.sentence;
  EXPECT_EQ(testutil::Cells(game.board()), cells);
  EXPECT_EQ(game.history().count(), steps);
  BoardView view = Render(game, look);
  for (int c : e.changes) EXPECT_NE(view[c].explain, kExplainNone);
  for (const auto& pl : e.placements) EXPECT_EQ(view[pl.cell].explain, kExplainPlace);
  for (const auto& el : e.eliminations) EXPECT_EQ(view[el.cell].explain, kExplainChange);
  for (int c : e.proof) {
    const bool changed = std::count(e.changes.begin(), e.changes.end(), c) > 0;
    EXPECT_TRUE(changed || view[c].explain == kExplainProof) << c;
  }

  // Any move clears the frames; a wrong digit is named, and framed nowhere.
  game.SetMode(DisplayMode::kNone);
  int open = 0;
  while (game.board()[open].state != kOpen) ++open;
  game.ChooseDigit(game.store()[open].value % 9 + 1);  // a wrong digit
  ASSERT_TRUE(game.PressOn({RowOf(open), ColOf(open), 0, true}, 0, look).changed);
  for (const auto& n : Render(game, look)) EXPECT_EQ(n.explain, kExplainNone);
  EXPECT_EQ(game.ExplainNextStep().kind, ExplainKind::kWrong);
  for (const auto& n : Render(game, look)) EXPECT_EQ(n.explain, kExplainNone);
}

}  // namespace
}  // namespace tessel
