// The rules of play without a window: clicks, candidate clicks, the cell
// menu, the hint, the wrong digits and the restart.
#include <gtest/gtest.h>

#include "core/layouts.hpp"
#include "core/play.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

// The sample solution with its first row open (all candidates computed),
// A9 a given.
Board Sample() {
  Board b;
  LoadDigitString(testutil::kSolution, b);
  for (int i = 0; i < kCells; ++i) b[i].state = kGiven;
  for (int c = 1; c <= 8; ++c) b.at(1, c) = {1, c, "", kOpen, false};
  for (int c = 1; c <= 8; ++c) b.at(1, c).text = b.ComputeCandidates(1, c);
  return b;
}

TEST(PlayRules, ClicksChangeOnlyWhatTheyMay) {
  Board b = Sample();
  EXPECT_FALSE(PlaceSelectedDigit(b, 1, 9, 4)) << "a given";
  EXPECT_FALSE(PlaceSelectedDigit(b, 1, 1, 0)) << "no digit chosen";
  EXPECT_FALSE(ClearCell(b, 1, 9));
  ASSERT_TRUE(PlaceSelectedDigit(b, 1, 1, 7));
  EXPECT_EQ(b.at(1, 1).text, "7");
  EXPECT_EQ(b.at(1, 1).state, kEntered);
  ASSERT_TRUE(ClearCell(b, 1, 1));
  EXPECT_EQ(b.at(1, 1).text, "");
  EXPECT_EQ(b.at(1, 1).state, kOpen);

  // An entered digit opens again and goes back to the lists of its peers.
  const std::string a2 = b.at(1, 2).text;
  const char d = a2[0];
  ClickCandidate(b, 1, 1, d - '0', /*left=*/true, /*autoUpdate=*/true);
  EXPECT_EQ(b.at(1, 1).state, kEntered);
  EXPECT_EQ(b.at(1, 2).text.find(d), std::string::npos) << "auto update strikes it from the peers";
  EXPECT_FALSE(ReopenEnteredCell(b, 1, 9));
  ASSERT_TRUE(ReopenEnteredCell(b, 1, 1));
  EXPECT_EQ(b.at(1, 1).state, kOpen);
  EXPECT_EQ(b.at(1, 1).text, b.ComputeCandidates(1, 1));
  EXPECT_NE(b.at(1, 2).text.find(d), std::string::npos);

  // Striking down to one candidate places it.
  b.at(1, 3).text = "35";
  ClickCandidate(b, 1, 3, 3, /*left=*/false, /*autoUpdate=*/false);
  EXPECT_EQ(b.at(1, 3).text, "5");
  EXPECT_EQ(b.at(1, 3).state, kEntered);
}

TEST(PlayRules, CellMenuItemsAndCommands) {
  std::vector<std::string> shown;
  for (const auto& item : CellMenu("27")) shown.push_back(item.command.empty() ? "|" : item.caption);
  EXPECT_EQ(shown, (std::vector<std::string>{"Add 1", "Add 3", "Add 4", "Add 5", "Add 6", "Add 8", "Add 9", "|",
                                             "Move 2", "Move 7", "|", "Regenerate Candidate Numbers"}));
  EXPECT_EQ(CellMenu("").size(), 11u) << "no separator after the adds of an empty list";

  Board b = Sample();
  EXPECT_FALSE(ApplyCellCommand(b, 1, 9, "+1")) << "a given never changes";
  b.at(1, 1) = {1, 1, "9", kEntered, false};
  ASSERT_TRUE(ApplyCellCommand(b, 1, 1, "+2"));
  EXPECT_EQ(b.at(1, 1).text, "29");
  EXPECT_EQ(b.at(1, 1).state, kOpen);
  ASSERT_TRUE(ApplyCellCommand(b, 1, 1, "-9"));
  EXPECT_EQ(b.at(1, 1).text, "2");
  EXPECT_EQ(b.at(1, 1).state, kOpen) << "a menu leaves the cell open";
  ASSERT_TRUE(ApplyCellCommand(b, 1, 1, "X"));
  EXPECT_EQ(b.at(1, 1).text, b.ComputeCandidates(1, 1));
  EXPECT_FALSE(ApplyCellCommand(b, 1, 1, "?"));
}

TEST(PlayRules, HintWrongDigitsRestartAndSolution) {
  Board b = Sample();
  TQJ store;
  store.SetSolution(testutil::kSolution);
  const std::string solution = store.GetSolution();
  EXPECT_EQ(HintCell(b, ""), -1) << "no stored solution";
  EXPECT_EQ(PlaceHint(b, solution, false), IndexOf(1, 8)) << "the last open cell";
  for (int c = 2; c <= 7; ++c) PlaceSelectedDigit(b, 1, c, solution[c - 1] - '0');
  EXPECT_EQ(PlaceHint(b, solution, false), 0) << "down to A1";
  EXPECT_EQ(b.at(1, 1).text, std::string(1, solution[0]));
  EXPECT_EQ(HintCell(b, solution), -1);

  const int wrongDigit = solution[2] == '9' ? 1 : 9;
  PlaceSelectedDigit(b, 1, 3, wrongDigit);
  EXPECT_EQ(WrongDigits(b, store), std::vector<int>{2});

  b.at(1, 4).text.clear();
  b.at(1, 9).text.clear();  // a blank given, as before the first game
  FillEmptyTexts(b);
  EXPECT_EQ(b.at(1, 4).text, b.ComputeCandidates(1, 4));
  EXPECT_EQ(b.at(1, 9).text, "") << "givens are never filled";
  b.at(1, 9).text = std::string(1, solution[8]);

  RestartBoard(b);
  EXPECT_EQ(b.at(1, 9).state, kGiven);
  for (int c = 1; c <= 8; ++c) EXPECT_EQ(b.at(1, c).text, b.ComputeCandidates(1, c)) << c;
  FillFromSolution(b, solution);
  EXPECT_TRUE(b.IsFinished());
  EXPECT_TRUE(WrongDigits(b, store).empty());
}

}  // namespace
}  // namespace tessel
