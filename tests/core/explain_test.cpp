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
    // Every family has its own sentence: none falls back to the grader's account.
    ASSERT_NE(e.sentence.rfind(std::string(TechniqueName(e.technique)) + " (", 0), 0u) << e.sentence;
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
  // A sample of each file: tools/explain_walk walks every puzzle.
  const int every = testutil::kSanitized ? 20 : 4;
  Counts n;
  std::vector<std::string> puzzles;
  const auto clue17 = testutil::SamplePuzzles("17-clue.txt"), rated = testutil::SamplePuzzles("rated.txt");
  const auto hardest = testutil::SamplePuzzles("hardest.txt", testutil::kSanitized ? 2 : 8);
  for (std::size_t i = 0; i < clue17.size(); i += every / 4) puzzles.push_back(clue17[i]);
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
  EXPECT_GT(n.steps, testutil::kSanitized ? 5000 : 30000);
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
  // The hardest sample needs nested forcing chains from its first step; the
  // inner chain is told where it removes a candidate.
  const std::string nested = ExplainLine(hardest);
  EXPECT_EQ(nested.rfind("eliminate A3:1 | Nested Forcing Chain | Nested Forcing Chain: If A3 is 1, ", 0), 0u);
  EXPECT_NE(nested.find(", so E6 is not 4 (if E6 is 4, then D6 is not 4, so D3 is 4, "), std::string::npos) << nested;

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
TEST(Explain, EachFamilySentenceAndClue) {
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
       "eliminate B7:49 | Unique Rectangle (type 1) | ", "So B7 holds another digit; remove 4 and 9 from B7.",
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
       "eliminate A9:4 | XYZ-Wing | ", "XYZ-Wing: B9 holds 1, 3 or 4, A8 holds 1 or 4 and G9 holds 3 or 4: one of the three is 4, so a cell that sees all three cannot be 4; remove 4 from A9.",
       "There is an XYZ-Wing."},
      {
       "34 7 368 168 5 9 18 48 2 5 2489 28 12 248 3 189 7 6 24 24689 1 2678 2478 24678 5 3 489 8 246 236 269 "
       "239 5 7 1 49 2347 2456 23567 2689 1 268 23 4689 489 1 26 9 4 2378 2678 23 68 5 27 1 4 2789 2789 278 6 "
       "5 3 6 3 27 5 247 247 89 89 1 9 58 58 3 6 1 4 2 7",
       "eliminate E3:6 | Finned X-Wing | ",
       "but for the fin D2. If D2 is not 6, the fish takes 6 from the rest of columns 3 and 4; if it is, 6 goes from the "
       "cells that see it. A cell in both cases cannot be 6; remove 6 from E3.",
       "There is a Finned X-Wing on 6."},
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
       "eliminate C4:1 | Forcing Net | ",
       "so I5 is not 4, as the 4s of column 4 now lie in box 8, so I5 is 1, so H5 is not 1, so H1 is 1, so H1 is not 5, "
       "so H9 is 5, so D9 is not 5, so row D has no place for 5. So C4 cannot be 1; remove 1 from C4.",
       "Suppose C4 is 1 and follow what it forces."},
      {
       "9 8 23 7 134 234 6 2345 125 7 1236 5 13469 13469 234689 148 2348 1289 16 4 1236 369 5 23689 178 2378 "
       "12789 3 1256 12467 8 467 4567 9 257 2567 4568 569 4678 34569 2 345679 578 1 5678 568 2569 2678 569 "
       "679 1 3 2578 4 2 156 146 1456 8 4567 1457 9 3 14568 7 13468 134569 13469 34569 2 458 158 1458 135 9 2 "
       "1347 3457 14578 6 1578",
       "eliminate A5:3 | Nested Forcing Chain | ", "So A5 cannot be 3; remove 3 from A5.",
       "Suppose A5 is 3 and follow what it forces."},
      {
       "3 467 469 4689 489 2 58 57 1 1679 1267 5 3 189 1689 4 27 268 146 8 246 146 7 5 9 3 26 5 16 7 169 2 169 3 8 4 "
       "149 124 8 7 3 14 6 259 25 469 3 2469 468 5 468 1 29 7 478 9 34 2 6 348 578 1 58 468 5 1 489 489 7 2 46 3 2 467 "
       "346 5 148 1348 78 46 9",
       "eliminate B8:2,E9:2 | Skyscraper | ", 
       "C3 and F3 share column 3, so they are not both 2, and C9 or F8 is: a cell that sees both cannot be 2; remove 2 "
       "from B8 and E9.",
       "There is a Skyscraper on 2."},
      {
       "678 4 1 6789 35 78 2 5789 3578 9 2 78 1 35 4 378 6 3578 5 678 3 6789 68 2 1 789 4 68 5 2 4 7 3 9 1 68 3678 1 4 "
       "5 268 9 378 278 3678 3678 678 9 68 268 1 4 2578 35678 2 9 6 78 4 78 5 3 1 4 3 78 2 1 5 6 78 9 1 78 5 3 9 6 78 4 "
       "2",
       "eliminate F4:6 | Two-String Kite | ", 
       "A1 and C2 share box 1, so they are not both 6, and A4 or F2 is: a cell that sees both cannot be 6; remove 6 "
       "from F4.",
       "There is a Two-String Kite on 6."},
      {
       "4 6 7 589 3 58 289 289 1 2 3 9 168 678 17 4 78 5 1 8 5 2 79 4 3 6 79 8 9 46 1456 2567 127 26 3 467 5 1 46 3469 "
       "269 237 269 2479 8 3 7 2 4689 689 68 5 1 469 6 2 8 7 4 9 1 5 3 7 45 3 568 1 568 689 489 2 9 45 1 3568 2568 23 7 "
       "48 46",
       "eliminate F9:6 | Empty Rectangle | ", 
       "If F9 were 6, F6 would not be, so H6 would, and box 9 would have no place left for it; remove 6 from F9.",
       "There is an Empty Rectangle on 6."},
      {
       "149 7 14 8 24 5 249 6 3 89 38 5 2369 249 46 249 7 1 2 34 6 39 1 7 8 49 5 7 15 12 25 3 9 6 8 4 6 25 9 4 25 8 1 3 "
       "7 48 48 3 7 6 1 5 29 29 5 12 7 19 8 3 49 249 6 14 9 28 16 7 46 3 5 28 3 6 48 59 459 2 7 1 89",
       "eliminate B7:9 | Sue de Coq | ", 
       "With B1, B2 (3 8 9) of row B and A5 (2 4) of box 2, these 6 cells hold 6 different digits, every one of 2 3 4 6 "
       "8 9, so no other cell of row B can hold 3, 8 or 9, no other cell of box 2 can hold 2 or 4 and no other cell of "
       "either can hold 6; remove 9 from B7.",
       "Look where box 2 meets row B."},
      {
       "269 29 8 4 7 23 5 136 13 4 3 5 6 1 8 2 9 7 7 1 26 9 5 23 8 36 4 12 5 4 7 9 6 3 12 8 3 8 7 1 2 4 9 5 6 1269 29 "
       "269 3 8 5 4 7 12 5 4 3 2 6 7 1 8 9 29 7 29 8 3 1 6 4 5 8 6 1 5 4 9 7 23 23",
       "eliminate C3:6,F1:6 | Unique Loop (type 2) | ", 
       "Unique loop on 2 and 9 through A1, A2, F2, F3, H3 and H1: if these cells held only 2 and 9, the two digits "
       "could swap around the loop and the puzzle would have two solutions. So A1 or F3 is 6; remove 6 from C3 and F1.",
       "There is a unique loop on 2 and 9."},
      {
       "6 3 2 7 4 9 15 15 8 17 178 9 13 38 5 2 6 4 4 18 5 12 68 26 3 9 7 2 4 3 6 5 1 8 7 9 9 15 7 48 2 48 15 3 6 8 156 "
       "16 9 7 3 4 15 2 13 2 16 58 9 68 7 4 35 37 9 4 25 1 27 6 8 35 5 67 8 34 36 467 9 2 1",
       "eliminate F2:15 | Unique Loop (type 1) | ", 
       "Unique loop on 1 and 5 through A7, A8, F8, F2, E2 and E7: if these cells held only 1 and 5, the two digits "
       "could swap around the loop and the puzzle would have two solutions. So F2 holds another digit; remove 1 and 5 "
       "from F2.",
       "There is a unique loop on 1 and 5."},
      {
       "9 3 17 6 4 2 8 5 17 12 5 4 3 17 8 9 127 6 8 127 6 59 17 59 12 34 34 6 127 237 59 8 4 12 1237 59 125 128 9 7 6 "
       "35 4 1238 135 45 48 37 1 2 359 6 378 3579 14 9 5 2 3 6 7 14 8 3 124 12 8 9 7 5 6 14 7 6 8 4 5 1 3 9 2",
       "eliminate F8:37 | Unique Loop (type 3) | ", 
       "So F6 or F9 holds 3 or 7, and with F3 they make a naked set of 3 7 in row F; remove 3 and 7 from F8.",
       "There is a unique loop on 5 and 9."},
      {
       "14 14 2 6 579 79 57 3 8 5 8 9 127 14 3 124 6 127 3 7 6 12 145 8 1245 25 9 9 5 7 3 2 6 8 1 4 2 14 14 9 8 5 6 7 3 "
       "6 3 8 4 17 17 9 25 25 7 9 3 8 6 12 125 4 125 8 2 14 5 3 147 17 9 6 14 6 5 17 19 1249 3 8 127",
       "eliminate H6:1,I6:1 | Unique Loop (type 4) | ", 
       "The 4 of column 6 is in H6 or I6, so neither can be 1; remove 1 from H6 and I6.",
       "There is a unique loop on 1 and 4."},
      {
       "49 1 8 459 57 6 3 2 79 2 7 49 49 1 3 6 5 8 3 5 6 8 79 2 4 79 1 1 8 479 3 2 479 5 6 479 6 49 5 1 8 47 2 79 3 47 "
       "2 3 59 6 579 1 8 49 8 49 2 6 49 1 7 3 5 59 6 1 7 3 59 8 4 2 457 3 47 2 45 8 9 1 6",
       "eliminate A1:9,A9:9,B4:9,C5:9,D3:9,E8:9,G2:9,H6:9 | Simple Colouring | ", 
       "A1 and A9 share a colour and see each other, so that colour is false; remove 9 from A1, A9, B4, C5, D3, E8, G2 "
       "and H6.",
       "There is a Simple Colouring on 9."},
      {
       "135 19 359 4 7 8 2 39 6 4 6 39 5 39 2 1 8 7 27 27 8 1 6 39 4 5 39 38 49 7 39 48 1 6 2 5 1238 149 239 6 248 5 39 "
       "7 18 128 5 6 7 28 39 39 4 18 57 37 1 39 359 4 8 6 2 9 23 25 8 35 6 7 1 4 6 8 4 2 1 7 5 39 39",
       "eliminate E3:39 | Remote Pairs | ", 
       "A cell that sees one of each holds neither; remove 3 and 9 from E3.",
       "There are remote pairs on 3 and 9."},
      {
       "1456 3 14 79 8 156 27 2457 459 9 7 56 2 4 56 1 3 8 1458 148 2 79 3 15 6 457 459 3 6 9 5 2 8 47 1 47 128 5 18 4 "
       "6 7 28 9 3 248 248 7 3 1 9 5 28 6 7 14 56 18 9 3 48 56 2 126 12 3 18 5 4 9 678 17 1458 9 148 6 7 2 3 45 145",
       "eliminate I3:1 | Aligned Pair Exclusion | ", 
       "Aligned pair exclusion: if I3 were 1, F2 could take none of 2, 4 and 8: not 2, or H2, which holds only 1 and 2, "
       "would be empty; not 4, or G2, which holds only 1 and 4, would be empty; not 8, or E3, which holds only 1 and 8, "
       "would be empty. So I3 cannot be 1; remove 1 from I3.",
       "Try the digits F2 and I3 could take together."},
      {
       "26 5 46 23 9 8 1 347 37 7 9 24 6 23 1 5 34 8 3 8 1 4 7 5 9 2 6 5 13 36 19 8 79 2 67 4 26 4 9 123 36 37 8 5 17 8 "
       "12 7 5 26 4 3 69 19 4 6 8 39 5 39 7 1 2 9 23 23 7 1 6 4 8 5 1 7 5 8 4 2 6 39 39",
       "eliminate A4:3 | BUG (type 2) | ", 
       "So A8 or E4 is 3, and a cell that sees them all cannot be 3; remove 3 from A4.",
       "Look at the cells with more than two candidates."},
      {
       "5 9 48 134 12348 128 7 28 6 2 6 3 478 489 789 489 5 1 1 48 7 6 5 29 489 3 249 367 148 468 9 1468 5 2 678 34 369 "
       "2 4689 148 7 168 13489 689 5 679 148 5 2 1468 3 1489 6789 49 69 7 169 135 1239 4 359 29 8 8 5 19 137 1239 1279 "
       "6 4 239 4 3 2 58 689 689 59 1 7",
       "eliminate G7:9,I7:9 | ALS-XZ | ", 
       "So the 9 is in one of the sets, and a cell that sees every 9 of both cannot be 9; remove 9 from G7 and I7.",
       "Look for two almost locked sets linked by 2."},
      {
       "35 1 2 38 89 59 7 6 4 6 9 35 7 4 2 38 58 1 4 7 8 35 1 6 2 59 39 15 4 9 16 7 38 38 2 56 38 6 7 2 5 4 9 1 38 158 "
       "2 35 16 39 389 4 7 56 79 8 1 4 6 37 5 39 2 2 5 4 9 38 1 6 38 7 79 3 6 58 2 57 1 4 89",
       "eliminate F1:1,F6:9 | BUG (type 4) | ", 
       "So F1 is 5 or F6 is 3; the 8 of row F is in one of them, so the other is 8, and neither can hold its other "
       "digit; remove 1 from F1, 9 from F6.",
       "Look at the cells with more than two candidates."},
      {
       "3 6 48 1459 2 1489 14 59 7 158 458 248 7 134589 6 124 259 34 1257 9 247 1345 1345 1345 246 8 13456 4 38 6 139 "
       "1389 1389 5 7 2 258 358 1 26 3578 3578 9 4 68 259 7 29 26 458 45 168 3 18 789 2 5 49 6 479 3 1 48 79 1 349 8 "
       "34579 2 47 6 45 6 48 3478 135 1357 1357 2478 25 9",
       "eliminate C1:5 | ALS-XY-Wing | ", 
       "So the 5 is in one of the first two sets, and a cell that sees every 5 of both cannot be 5; remove 5 from C1.",
       "Look for three almost locked sets linked by 6 and 8."},
      {
       "235 6 235 8 4 1239 7 13 39 4 8 9 16 36 7 136 2 5 1 37 237 69 236 5 3469 8 349 236 5 4 67 23678 238 39 379 1 8 "
       "23 123 47 9 1234 35 357 6 7 9 136 15 356 13 2 4 8 569 4 567 3 578 89 19 159 2 359 1 357 2 57 49 8 6 3479 2359 "
       "237 8 4579 1 6 3459 359 347",
       "eliminate E3:3 | Hidden Rectangle | ", 
       "If E3 were 3, the 1s of its row and column would go to E6 and F3 and close the swap; remove 3 from E3.",
       "There is a unique rectangle on 1 and 3."},
      {
       "459 8 7 49 6 2 3 1 59 3 569 2 189 58 19 7 689 4 1569 4569 14569 7 458 3 258 2689 25689 2569 1 569 68 3 57 28 4 "
       "2789 269 7 469 168 48 19 128 5 3 459 3 8 149 2 57 6 79 179 1679 2469 1469 5 19 8 124 3 1267 1568 56 3 2 7 4 9 "
       "68 1568 1789 2459 1459 3 19 6 12458 278 12578",
       "eliminate I3:5 | Finned Swordfish | ", 
       "If H2 is not 5, the fish takes 5 from the rest of rows B, C and I; if it is, 5 goes from the cells that see it. "
       "A cell in both cases cannot be 5; remove 5 from I3.",
       "There is a Finned Swordfish on 5."},
      {
       "459 8 7 49 6 2 3 1 59 3 569 2 189 58 19 7 689 4 1569 4569 14569 7 458 3 258 2689 25689 2569 1 569 68 3 7 28 4 "
       "289 269 7 469 168 48 19 128 5 3 49 3 8 149 2 5 6 79 179 1679 2469 1469 5 19 8 124 3 1267 1568 56 3 2 7 4 9 68 "
       "1568 1789 2459 149 3 19 6 12458 278 12578",
       "eliminate E1:9 | Nishio Forcing Chain | ", 
       "Nishio Forcing Chain: If E1 is 9, then D3 is not 9, so D9 is 9, so A9 is not 9, so row A has no place for 9. So "
       "E1 cannot be 9; remove 9 from E1.",
       "Suppose E1 is 9 and follow what it forces."},
      {
       "1 2378 238 46 49 67 678 389 5 9 78 6 17 3 5 4 18 2 345 347 345 8 169 2 167 169 1367 6 1 24 24 7 9 3 5 8 2348 9 "
       "2348 2346 5 168 16 7 146 348 5 7 346 146 168 9 2 146 7 468 148 5 16 3 2 1468 9 358 36 1358 9 2 4 178 1368 137 "
       "234 2346 9 17 8 167 5 1346 136",
       "eliminate A4:6 | Cell Forcing Chain | ", 
       "If A7 is 6, then A4 is not 6; if A7 is 7, then A6 is not 7, so A6 is 6, so A4 is not 6; if A7 is 8, then B8 is "
       "not 8, so B2 is 8, so B2 is not 7, so B4 is 7, so A6 is not 7, so A6 is 6, so A4 is not 6. Either way A4 cannot "
       "be 6; remove 6 from A4.",
       "Try each digit of A7: they all lead to the same result."},
      {
       "7 3 9 6 5 1 2 4 8 12 6 18 4 28 9 7 5 3 24 5 48 78 3 27 1 9 6 8 79 56 59 14 36 34 17 2 49 2 56 579 14 36 349 8 "
       "17 3 1 47 89 28 27 49 6 5 19 79 3 2 6 5 8 17 4 5 4 2 1 7 8 6 3 9 6 8 17 3 9 4 5 2 17",
       "eliminate E5:4 | BUG (type 3) | ", 
       "So E4 is 9 or E7 is 4, and with E1 they make a naked set of 4 9 in row E; remove 4 from E5.",
       "Look at the cells with more than two candidates."},
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
    // Not told that the puzzle has one solution, the same position gets another step.
    if (NeedsUniqueness(e.technique)) {
      const Explanation other = Explain(pos, solution);
      EXPECT_TRUE(other.kind == ExplainKind::kEliminate || other.kind == ExplainKind::kPlace) << other.sentence;
      EXPECT_FALSE(NeedsUniqueness(other.technique)) << other.sentence;
    }
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
  for (const auto& el : e.eliminations) {
    EXPECT_EQ(view[el.cell].explain, kExplainChange);
    EXPECT_TRUE(view[el.cell].explainDigits >> (el.digit - 1) & 1) << "the struck candidate is ringed";
  }
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
    game.ExplainNextStep();  // framed: the struck candidates are ringed
    const BoardView view = Render(game, BoardLook{});
    for (const auto& el : e.eliminations) EXPECT_TRUE(view[el.cell].explainDigits >> (el.digit - 1) & 1);
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
