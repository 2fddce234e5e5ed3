// The rules of play without a window: clicks, candidate clicks, the cell
// menu, the hint, the wrong digits, the restart and the candidate lists.
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

// An empty board with A1 holding `a1` and its row peer A5 the list "157".
Board Pair(const std::string& a1, int state) {
  Board b;
  b.ClearAll();
  b.at(1, 1) = {1, 1, a1, state, false};
  b.at(1, 5).text = "157";
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
  const char d = b.at(1, 2).text[0];
  ClickCandidate(b, 1, 1, d - '0', /*left=*/true, /*autoUpdate=*/true);
  EXPECT_EQ(b.at(1, 2).text.find(d), std::string::npos);
  EXPECT_FALSE(ReopenEnteredCell(b, 1, 9)) << "a given";
  ASSERT_TRUE(ReopenEnteredCell(b, 1, 1));
  EXPECT_EQ(b.at(1, 1).state, kOpen);
  EXPECT_EQ(b.at(1, 1).text, b.ComputeCandidates(1, 1));
  EXPECT_NE(b.at(1, 2).text.find(d), std::string::npos);
  EXPECT_FALSE(ReopenEnteredCell(b, 1, 1)) << "an open cell stays as it is";
}

// What a candidate click leaves in the cell and in its open peer A5 ("157").
TEST(PlayRules, CandidateClicksByButtonAndAutoUpdate) {
  const struct {
    const char* name;
    const char* text;
    int digit;
    bool left, autoUpdate;
    const char* cell;
    int state;
    const char* peer;
  } cases[] = {
      {"left places, peers lose it", "257", 5, true, true, "5", kEntered, "17"},
      {"left places, no auto update", "257", 5, true, false, "5", kEntered, "157"},
      {"right strikes", "257", 2, false, true, "57", kOpen, "157"},
      {"right down to one places it", "25", 2, false, true, "5", kEntered, "17"},
      {"right down to one, no auto update", "35", 3, false, false, "5", kEntered, "157"},
      {"right on the last leaves it blank", "7", 7, false, true, "", kOpen, "157"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Board b = Pair(c.text, kOpen);
    ClickCandidate(b, 1, 1, c.digit, c.left, c.autoUpdate);
    EXPECT_EQ(b.at(1, 1).text, c.cell);
    EXPECT_EQ(b.at(1, 1).state, c.state);
    EXPECT_EQ(b.at(1, 5).text, c.peer);
  }
}

TEST(PlayRules, CellMenuItemsAndCommands) {
  const auto shown = [](std::string_view text) {
    std::string out;
    for (const auto& item : CellMenu(text)) out += (item.command.empty() ? "|" : item.caption) + ",";
    return out;
  };
  EXPECT_EQ(shown("27"), "Add 1,Add 3,Add 4,Add 5,Add 6,Add 8,Add 9,|,Move 2,Move 7,|,Regenerate Candidate Numbers,");
  EXPECT_EQ(shown(""), "Add 1,Add 2,Add 3,Add 4,Add 5,Add 6,Add 7,Add 8,Add 9,|,Regenerate Candidate Numbers,")
      << "no separator after the adds of an empty list";
  EXPECT_EQ(CellMenu("5")[9].command, "-5");

  // Each command on an entered 5 in A1 (its peer A5 lost the 5): the cell
  // ends open, and an entered digit that opens goes back to the peers.
  const struct {
    const char* command;
    const char* cell;
    const char* peer;
  } cases[] = {{"+7", "57", "175"}, {"-5", "", "17"}, {"X", "123456789", "175"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    Board b = Pair("5", kEntered);
    b.at(1, 5).text = "17";
    ASSERT_TRUE(ApplyCellCommand(b, 1, 1, c.command));
    EXPECT_EQ(b.at(1, 1).text, c.cell);
    EXPECT_EQ(b.at(1, 1).state, kOpen) << "a menu never enters a digit";
    EXPECT_EQ(b.at(1, 5).text, c.peer);
  }
  Board b = Sample();
  EXPECT_FALSE(ApplyCellCommand(b, 1, 9, "+1")) << "a given never changes";
  EXPECT_FALSE(ApplyCellCommand(b, 1, 1, "?"));
  EXPECT_FALSE(ApplyCellCommand(b, 1, 1, ""));
}

// Before mode All or Only one shows the lists: empty ones are computed, and
// Auto Update strikes placed peers' digits from edited ones.
TEST(PlayRules, CandidateListsBeforeAModeShowsThem) {
  for (bool autoUpdate : {true, false}) {
    SCOPED_TRACE(autoUpdate);
    Board b;
    b.ClearAll();
    b.at(1, 1) = {1, 1, "4", kEntered, false};
    b.at(1, 2).text = "2459";  // the player struck the rest
    b.at(5, 5) = {5, 5, "6", kGiven, false};
    FillCandidateLists(b, autoUpdate);
    EXPECT_EQ(b.at(1, 2).text, autoUpdate ? "259" : "2459") << "struck digits stay struck";
    EXPECT_EQ(b.at(1, 3).text, "12356789") << "an empty list is computed";
    EXPECT_EQ(b.at(1, 1).text, "4");
    EXPECT_EQ(b.at(5, 5).text, "6");
  }
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

  // Wrong: an entered digit and an open cell's single candidate; never a
  // right digit, a longer list, or anything without stored values.
  const auto other = [&](int i) { return std::string(1, solution[i] == '9' ? '1' : '9'); };
  b.at(1, 3).text = other(2);
  b.at(1, 4) = {1, 4, other(3), kOpen, false};
  b.at(1, 5) = {1, 5, "19", kOpen, false};
  EXPECT_EQ(WrongDigits(b, store), (std::vector<int>{2, 3}));
  EXPECT_TRUE(WrongDigits(b, TQJ{}).empty());

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
