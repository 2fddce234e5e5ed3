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
    const Explanation e = Explain(pos, solution, ExplainOptions{true, nullptr});
    if (e.kind == ExplainKind::kNone) {
      n.none += e.sentence != "The puzzle is solved.";
      return;
    }
    ASSERT_NE(e.kind, ExplainKind::kWrong) << puzzle;
    ++n.steps;
    for (int c : e.changes)
      ASSERT_NE(e.sentence.find(CellLabel(RowOf(c), ColOf(c))), std::string::npos) << e.sentence;
    // The families with their own sentence never fall back to the generic one.
    const bool own = e.technique <= Technique::kSwordfish || e.technique == Technique::kJellyfish ||
                     e.technique >= Technique::kXChain || e.technique == Technique::kXYWing ||
                     e.technique == Technique::kXYZWing || e.technique == Technique::kWWing;
    if (own) {
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
  auto puzzles = testutil::SamplePuzzles("17-clue.txt"), hardest = testutil::SamplePuzzles("hardest.txt", 8);
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
  EXPECT_EQ(n.none, 0);  // the forcing chains find a step on every position, the hardest too
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
       "eliminate B1:4 | XY-Wing | XY-Wing: the pivot G2 holds 6 or 7. If it is 6, B2 is 4; if it is 7, I1 is 4. "
       "Either way B1 cannot be 4; remove 4 from B1."},
      // The old X-Chain and finned X-Wing lines now give a unique rectangle; here the X-Chain's grouped
      // node rates it past the finned X-Wing.
      {"34 7 368 168 5 9 18 48 2 5 2489 28 12 248 3 189 7 6 24 24689 1 2678 2478 24678 5 3 489 8 246 236 269 239 5 7 "
       "1 49 2347 2456 23567 2689 1 268 23 4689 489 1 26 9 4 2378 2678 23 68 5 27 1 4 2789 2789 278 6 5 3 6 3 27 5 "
       "247 247 89 89 1 9 58 58 3 6 1 4 2 7",
       "eliminate E3:6 | Finned X-Wing | Finned X-Wing (6 in rows A, D on 3, 4, fins D2): the fish or its fin holds "
       "the digit; remove 6 from E3."},
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
      {"123", "bad: not a puzzle (81 characters, or 81 tokens)"},
      {tokens, "bad: a token is not digits 1-9, '0' or '.'"},
  };
  for (const auto& [line, out] : cases) EXPECT_EQ(ExplainLine(line), out) << line;

  EXPECT_EQ(Explain(Position{}, "").sentence, "No puzzle on the board.");
  // The hardest sample needs nested forcing chains from its first step.
  EXPECT_EQ(ExplainLine(hardest).rfind("eliminate A3:1 | Nested Forcing Chain | Nested Forcing Chain: If A3 is 1, ", 0), 0u);

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
  // --walk: every step to the end, a blank line after each puzzle; a solved
  // puzzle ends at its last step.
  std::string gap = solved;
  gap[0] = gap[80] = '.';
  std::ofstream(file, std::ios::binary) << gap << "\n123\n";
  EXPECT_EQ(testutil::CommandOutput(std::string(TESSEL_CLI_PATH) + " explain --walk " + file, &status),
            "place A1 5 | Full House | Full house: A1 is the last open cell of row A, so it takes 5.\n"
            "place I9 " + std::string(1, solved[80]) + " | Full House | Full house: I9 is the last open cell of row I, so it takes " +
                std::string(1, solved[80]) + ".\n\nbad: not a puzzle (81 characters, or 81 tokens)\n\n");
  std::filesystem::remove(file);
}

// The new families on positions met along walks of the samples: the step,
// how its sentence ends, and the clue a first F4 gives.
TEST(Explain, UniquenessAndForcingSentencesAndClues) {
  struct Case {
    const char* line;
    const char* head;  // "eliminate ... | TECHNIQUE | "
    const char* tail;  // the sentence's last words
    const char* clue;
  };
  const Case cases[] = {
      {
       "39 4 6 1 7 8 29 25 35 79 1 5 3 2 49 4789 469 68 2 8 37 5 6 49 49 1 37 37 5 9 6 34 1 47 8 2 8 2 4 7 9 "
       "5 6 3 1 1 6 37 8 34 2 5 49 79 5 9 8 2 1 6 3 7 4 4 7 2 9 8 3 1 56 56 6 3 1 4 5 7 289 29 89",
       "eliminate B7:49 | Unique Rectangle (type 1) | ", "So B7 holds another digit; remove 4 from B7, 9 from B7.",
       "There is a unique rectangle on 4 and 9."},
      {
       "168 2 1569 459 579 3 148 169 1789 189 7 19 49 2 6 148 5 3 456 45 3 1 579 8 2 69 79 7 8 4 6 1 2 9 3 5 "
       "56 9 56 7 3 4 18 2 18 13 13 2 59 8 59 7 4 6 1359 135 8 2 59 7 6 19 4 2 6 159 8 4 159 3 7 19 149 14 7 "
       "3 6 19 5 8 2",
       "eliminate G8:9 | Unique Rectangle (type 3) | ", "So G1 or G2 holds 5 or 9, and with G5 they make a naked set of 5 9 in row G; remove 9 from G8.",
       "There is a unique rectangle on 1 and 3."},
      {
       "57 57 6 349 49 8 23 1 29 1 9 3 25 7 25 8 6 4 4 8 2 139 6 139 357 379 59 279 6 179 8 1259 1579 247 47 "
       "3 237 4 5 136 12 1367 9 8 126 8 13 179 1369 129 4 267 5 126 359 13 149 24569 8 2569 3456 349 7 6 57 "
       "479 459 3 59 1 2 8 359 2 8 7 1459 1569 3456 349 569",
       "eliminate G4:5,G6:5 | Unique Rectangle (type 4) | ", "The 2 of row G is in G4 or G6, so neither can be 5; remove 5 from G4 and G6.",
       "There is a unique rectangle on 2 and 5."},
      {
       "34 7 368 168 5 9 18 48 2 5 2489 28 128 248 3 189 7 6 24 24689 1 2678 2478 24678 5 3 489 8 246 236 269 "
       "239 5 7 1 49 2347 2456 23567 2689 1 268 23 4689 489 1 26 9 4 2378 2678 23 68 5 27 1 4 2789 2789 278 6 "
       "5 3 6 3 27 5 247 247 89 89 1 9 58 58 3 6 1 4 2 7",
       "eliminate B4:8 | Hidden Rectangle | ", "If B4 were 8, the 1s of its row and column would go to B7 and A4 and close the swap; remove 8 from B4.",
       "There is a unique rectangle on 1 and 8."},
      {
       "1 2 3 5 69 4 8 679 67 9 6 5 7 3 8 1 2 4 7 4 8 26 1 29 3 69 5 2 5 17 16 69 79 4 8 3 4 3 9 12 8 27 6 5 "
       "17 6 8 17 3 4 5 2 17 9 5 7 4 8 2 3 9 16 16 3 1 2 9 7 6 5 4 8 8 9 6 4 5 1 7 3 2",
       "place A8 6 | BUG+1 | ", "So A8 is 6.",
       "There is a BUG+1."},
      {
       "25 6 25 8 4 39 7 1 39 4 8 9 1 36 7 36 2 5 1 37 37 69 2 5 469 8 49 236 5 4 67 78 238 39 379 1 8 23 12 "
       "47 9 1234 35 357 6 7 9 136 5 36 13 2 4 8 569 4 567 3 578 89 1 59 2 359 1 357 2 57 49 8 6 3479 2359 "
       "237 8 479 1 6 3459 359 347",
       "eliminate H9:4 | XY-Chain | ", "So H9 cannot be 4; remove 4 from H9.",
       "There is an XY-Chain through H9."},
      {
       "6 125 25 7 48 3 12489 14 149 9 127 27 46 5 468 1248 348 134 8 4 3 9 1 2 5 6 7 1 9 4578 345 3478 478 "
       "47 2 6 3 257 2457 1456 479 679 1479 1457 8 57 578 6 145 2 4789 3 1457 1459 57 6 578 2 347 1 478 9 34 "
       "2 378 1 34 3479 479 6 3458 345 4 37 9 8 6 5 17 137 2",
       "eliminate A9:4 | XYZ-Wing | ", "XYZ-Wing: B9 holds 1, 3 or 4, A8 holds 1 or 4 and G9 holds 3 or 4: one of the three is 4, so A9, which see all three, cannot be 4; remove 4 from A9.",
       "There is an XYZ-Wing."},
      {
       "34 7 368 168 5 9 18 48 2 5 2489 28 12 248 3 189 7 6 24 24689 1 2678 2478 24678 5 3 489 8 246 236 269 "
       "239 5 7 1 49 2347 2456 23567 2689 1 268 23 4689 489 1 26 9 4 2378 2678 23 68 5 27 1 4 2789 2789 278 6 "
       "5 3 6 3 27 5 247 247 89 89 1 9 58 58 3 6 1 4 2 7",
       "eliminate E3:6 | Finned X-Wing | ", "the fish or its fin holds the digit; remove 6 from E3.",
       "There is a Finned X-Wing on 6."},
      {
       "146 479 167 147 12579 245 3 245 8 8 5 134 6 13 234 7 9 24 34 2 379 347 579 8 6 45 1 2 38 35 9 4 1 58 "
       "6 7 7 6 14 8 35 35 24 124 9 14 89 59 2 6 7 58 134 34 9 34 2 5 8 346 1 7 346 36 1 3467 347 27 9 24 8 5 "
       "5 347 8 1347 1237 2346 9 23 2346",
       "eliminate E8:4 | Nishio Forcing Chain | ", "So E8 cannot be 4; remove 4 from E8.",
       "Suppose E8 is 4 and follow what it forces."},
      {
       "128 4 129 29 7 5 6 3 189 1378 179 1379 6 14 349 145 14589 2 1236 1269 5 8 124 2349 14 7 149 5 12 123 "
       "239 8 7 1234 1249 6 12367 1267 4 239 5 129 8 129 1379 9 8 1237 4 6 12 12357 125 1357 12 5 6 7 234 8 9 "
       "124 134 4 1279 1279 5 23 6 1237 128 1378 27 3 8 1 9 24 257 6 457",
       "eliminate B6:4 | Cell Forcing Chain | ", "Either way B6 cannot be 4; remove 4 from B6.",
       "Try each digit of B7: they all lead to the same result."},
      {
       "3 456 156 127 8 12456 26 2567 9 456 7 9 23 234 456 8 1 236 18 568 2 9 137 156 4 567 367 1467 3 8 127 "
       "1247 124 5 9 12467 1457 245 157 8 6 9 3 247 1247 9 246 167 5 1247 3 126 2467 8 56 9 356 4 123 7 126 8 "
       "126 678 68 367 123 5 12 9 246 1246 2 1 4 6 9 8 7 3 5",
       "eliminate G9:6 | Region Forcing Chain | ", "Either way G9 cannot be 6; remove 6 from G9.",
       "Try each place for 6 in row B: they all lead to the same result."},
      {
       "1 279 8 2579 4 259 57 3 6 3 57 457 1 78 6 2 478 9 249 6 2479 3 2789 2589 48 457 1 246 8 2459 2579 3 "
       "2459 1 56 457 7 159 459 589 6 1459 3 48 2 246 125 3 2578 257 1245 468 9 457 8 3 1 569 59 7 46 2 45 29 "
       "279 6 4 258 28 57 1 3 5 4 27 26 1 3 9 67 8",
       "eliminate C3:2 | Dynamic Forcing Chain | ", "So C3 cannot be 2; remove 2 from C3.",
       "Suppose C3 is 2 and follow what it forces."},
      {
       "9 8 23 7 134 234 6 2345 125 7 1236 5 13469 13469 234689 148 2348 1289 16 4 1236 1369 5 23689 178 2378 "
       "12789 3 1256 12467 8 467 4567 9 257 2567 4568 569 4678 34569 2 345679 578 1 5678 568 2569 2678 569 "
       "679 1 3 2578 4 2 156 146 1456 8 4567 1457 9 3 14568 7 13468 134569 13469 34569 2 458 158 1458 135 9 2 "
       "1347 3457 14578 6 1578",
       "eliminate C4:1 | Forcing Net | ", "So C4 cannot be 1; remove 1 from C4.",
       "Suppose C4 is 1 and follow what it forces."},
      {
       "9 8 23 7 134 234 6 2345 125 7 1236 5 13469 13469 234689 148 2348 1289 16 4 1236 369 5 23689 178 2378 "
       "12789 3 1256 12467 8 467 4567 9 257 2567 4568 569 4678 34569 2 345679 578 1 5678 568 2569 2678 569 "
       "679 1 3 2578 4 2 156 146 1456 8 4567 1457 9 3 14568 7 13468 134569 13469 34569 2 458 158 1458 135 9 2 "
       "1347 3457 14578 6 1578",
       "eliminate A5:3 | Nested Forcing Chain | ", "So A5 cannot be 3; remove 3 from A5.",
       "Suppose A5 is 3 and follow what it forces."},
  };
  for (const auto& c : cases) {
    const std::string out = ExplainLine(c.line);
    EXPECT_EQ(out.substr(0, std::string(c.head).size()), c.head) << out;
    EXPECT_TRUE(out.ends_with(c.tail)) << out;
    const Position pos = *ParsePositionLine(c.line);
    std::string placed(kCells, '0'), solution;
    for (int i = 0; i < kCells; ++i)
      if (pos.value[i]) placed[i] = static_cast<char>('0' + pos.value[i]);
    ASSERT_EQ(CountSolutions(placed, 2, &solution), 1);
    const Explanation e = Explain(pos, solution, ExplainOptions{true, nullptr});
    EXPECT_EQ(e.clue, c.clue) << out;
    for (int cell : e.proof) EXPECT_NE(out.find(CellLabel(RowOf(cell), ColOf(cell))), std::string::npos) << out;
  }
}

TEST(Explain, UniquenessNeedsOneSolutionAndACancelStopsTheSearch) {
  // A solved grid with a rectangle of 1s and 2s opened: two solutions, so
  // no step at all, and never a uniqueness one.
  std::string two = testutil::kSolution;
  int opened = 0;
  for (int r = 0; r < 9 && !opened; ++r)
    for (int r2 = r + 1; r2 < 9 && !opened; ++r2)
      for (int c = 0; c < 9 && !opened; ++c)
        for (int c2 = c + 1; c2 < 9 && !opened; ++c2) {
          const char a = two[r * 9 + c], b = two[r * 9 + c2];
          if (two[r2 * 9 + c] == b && two[r2 * 9 + c2] == a && (r / 3 == r2 / 3) != (c / 3 == c2 / 3)) {
            for (int k : {r * 9 + c, r * 9 + c2, r2 * 9 + c, r2 * 9 + c2}) two[k] = '.';
            opened = 1;
          }
        }
  ASSERT_TRUE(opened);
  ASSERT_EQ(CountSolutions(two, 3), 2);
  EXPECT_EQ(ExplainLine(two), "none");

  const std::string hardest = testutil::SamplePuzzles("hardest.txt", 1)[0];
  const std::atomic<bool> stop{true};
  const Explanation e = Explain(*ParsePositionLine(hardest), "", ExplainOptions{false, &stop});
  EXPECT_TRUE(e.cancelled);
  EXPECT_EQ(e.kind, ExplainKind::kNone);
}

TEST(Explain, TheGameFramesTheStepUntilTheNextChange) {
  Game game;
  Random32 rng([] { return 7u; });
  game.NewGame(kTough, rng);
  game.SetMode(DisplayMode::kAll);
  const int steps = game.history().count();
  const std::string cells = testutil::Cells(game.board());
  const BoardLook look;

  // The first F4 gives the clue alone, the second the step with its frames.
  const Explanation e = game.ExplainNextStep();
  ASSERT_TRUE(e.kind == ExplainKind::kPlace || e.kind == ExplainKind::kEliminate) << e.sentence;
  EXPECT_EQ(game.explained(), e.clue);
  for (const auto& n : Render(game, look)) EXPECT_EQ(n.explain, kExplainNone);
  EXPECT_EQ(game.ExplainNextStep().sentence, e.sentence);
  EXPECT_EQ(game.explained(), e.sentence);
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

// Apply Explained Step makes the step as one recorded step: a placement, or
// removals that change only the lists; a board of two solutions gets no
// uniqueness step.
TEST(Explain, TheGameAppliesTheExplainedStep) {
  Game game;
  Random32 rng([] { return 7u; });
  game.NewGame(kTough, rng);
  game.SetMode(DisplayMode::kAll);
  EXPECT_FALSE(game.CanApplyExplained()) << "nothing explained yet";
  EXPECT_FALSE(game.ApplyExplained().changed);
  int placed = 0, removed = 0;
  for (int step = 0; step < 200 && !game.finished(); ++step) {
    const int entries = game.history().count();
    const Explanation e = game.ExplainNextStep();
    ASSERT_TRUE(game.CanApplyExplained()) << e.sentence;
    game.ApplyExplained();
    EXPECT_EQ(game.history().count(), entries + 1) << "one step each";
    for (const auto& p : e.placements) EXPECT_EQ(game.board()[p.cell].text, std::to_string(p.digit));
    for (const auto& el : e.eliminations) {
      EXPECT_EQ(game.board()[el.cell].text.find(char('0' + el.digit)), std::string::npos);
      EXPECT_EQ(game.board()[el.cell].state, kOpen);
    }
    placed += !e.placements.empty();
    removed += !e.eliminations.empty();
  }
  EXPECT_TRUE(game.finished()) << "applied to the end";
  EXPECT_GT(placed, 0);
  EXPECT_GT(removed, 0);
  EXPECT_EQ(game.board().GivensString(), game.store().PuzzleString());
}

}  // namespace
}  // namespace tessel
