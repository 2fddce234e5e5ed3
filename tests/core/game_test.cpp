// One game without a window: every command applies its rule, records its
// step and leaves the buttons, clock and look as the window then shows them.
#include <gtest/gtest.h>

#include "core/game.hpp"
#include "core/gamestore.hpp"
#include "core/history.hpp"
#include "core/layouts.hpp"
#include "core/play.hpp"
#include "core/solver.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

// A game of the sample solution with the given cells cleared, as a player
// would have it in mode None with digit d chosen.
// Its history holds that one position.
Game GameOf(const std::string& digits, int d = 0) {
  Board position;
  LoadDigitString(digits, position);
  GameFile file;
  file.store.SetSolution(testutil::kSolution);
  file.history = {TakeSnapshot(position)};
  Game g;
  g.LoadGameFile(file);
  if (d) g.ChooseDigit(d);
  return g;
}

Press At(int row, int col, bool left = true) { return {row, col, 0, left}; }
Press Square(int row, int col, int digit, bool left = true) { return {row, col, digit, left}; }

const BoardLook kLook;

TEST(GameModel, StepsAndBranchesShowTheirEntryAndRecordTheirStep) {
  Game g = GameOf(std::string(testutil::kSolution).replace(0, 3, "000"), 9);
  const int start = g.history().count();
  EXPECT_FALSE(g.StepBack()) << "nothing before entry 0";
  g.PressOn(At(1, 1), 0, kLook);
  g.PressOn(At(1, 2), 0, kLook);  // a clash in row A
  EXPECT_EQ(g.history().count(), start + 2) << "one entry a move";
  EXPECT_TRUE(g.board().HasErrorMark());
  EXPECT_TRUE(g.CanStepBack() && !g.CanStepForward());

  ASSERT_TRUE(g.StepFirst());
  EXPECT_EQ(g.board().at(1, 2).state, kOpen);
  EXPECT_FALSE(g.board().HasErrorMark()) << "conflicts are marked afresh";
  EXPECT_TRUE(g.CanStepForward());
  ASSERT_TRUE(g.StepLast());
  EXPECT_TRUE(g.board().HasErrorMark());

  // A branch: only Accept or Reject while open; Reject records the branch
  // point after the moves made in it.
  EXPECT_TRUE(g.CanStartBranch() && !g.CanEndBranch());
  g.StartBranch();
  EXPECT_TRUE(!g.CanStartBranch() && g.CanEndBranch());
  g.PressOn(At(1, 2, false), 0, kLook);
  const int moves = g.history().count();
  ASSERT_TRUE(g.RejectBranch());
  EXPECT_EQ(g.board().at(1, 2).text, "9");
  EXPECT_EQ(g.history().count(), moves + 1);
  EXPECT_FALSE(g.RejectBranch()) << "no branch open any more";
  EXPECT_TRUE(g.CanStartBranch());

  // Restart keeps an open branch; a finish by a cell click closes all three
  // buttons until the next game.
  g.StartBranch();
  g.Restart();
  EXPECT_TRUE(g.CanEndBranch());
  EXPECT_EQ(g.history().count(), 1);
  Game solved = GameOf(std::string(testutil::kSolution).replace(80, 1, "0"), testutil::kSolution[80] - '0');
  EXPECT_TRUE(solved.PressOn(At(9, 9), 0, kLook).finished);
  EXPECT_FALSE(solved.CanStartBranch() || solved.CanEndBranch());
  EXPECT_FALSE(solved.clockRunning());
  solved.Restart();
  EXPECT_FALSE(solved.CanStartBranch()) << "Restart keeps the buttons";
  Random32 rng([] { return 5u; });
  solved.NewGame(kTough, rng);
  EXPECT_TRUE(solved.CanStartBranch());
}

// A press does what the display mode says, and reports the finish.
TEST(GameModel, PressesByModeAndTheFinish) {
  const char last = testutil::kSolution[80];
  const int digit = last - '0';
  Game g = GameOf(std::string(testutil::kSolution).replace(80, 1, "0"));
  g.ToggleDigit(1);  // mode None: the chosen digit stays down
  EXPECT_EQ(g.selectedDigit(), 1);
  g.SetMode(DisplayMode::kAll);
  EXPECT_TRUE(g.allowAllUp());
  g.ToggleDigit(1);
  EXPECT_EQ(g.selectedDigit(), 0) << "mode All lets it come up";
  g.SetMode(DisplayMode::kNone);
  EXPECT_EQ(g.selectedDigit(), 1) << "None with nothing chosen chooses 1";
  g.ChooseDigit(digit);
  EXPECT_TRUE(g.PressOn(At(9, 9, false), 0, kLook).changed);
  PlayResult r = g.PressOn(At(9, 9), 0, kLook);
  EXPECT_TRUE(r.changed && r.finished && !r.menu);
  EXPECT_TRUE(g.finished());
  EXPECT_TRUE(g.PressOn(At(9, 9), 0, kLook).finished) << "mode None tests the finish on every click";

  g.SetMode(DisplayMode::kOnlyOne);
  r = g.PressOn(At(9, 9), 0, kLook);
  EXPECT_TRUE(r.changed && r.menu && !r.finished);
  EXPECT_EQ(g.board().at(9, 9).text, std::string(1, last)) << "the only candidate left";
  EXPECT_EQ(g.board().at(9, 9).state, kOpen);
  EXPECT_FALSE(g.PressOn(At(9, 9), 0, kLook).changed) << "an open cell takes no left click";
  r = g.PressOn(Square(9, 9, digit), 0, kLook);
  EXPECT_TRUE(r.finished && !r.menu);
  g.board().at(1, 1).state = kGiven;
  EXPECT_FALSE(g.CellCommand(1, 1, "X").changed) << "a given has no menu";
  r = g.CellCommand(9, 9, "-" + std::string(1, last));
  EXPECT_TRUE(r.changed && !r.finished);
  EXPECT_EQ(g.board().at(9, 9).text, "");

  // Out of the board, or no digit: nothing, whichever bound is crossed.
  const std::string before = testutil::Cells(g.board());
  const int chosen = g.selectedDigit();
  for (const Press& p : {Press{0, 5, 0, true}, Press{10, 5, 0, true}, Press{5, 0, 0, true}, Press{5, 10, 0, true},
                         Press{5, 5, -1, true}, Press{5, 5, 10, false}})
    EXPECT_FALSE(g.PressOn(p, 0, kLook).changed) << p.row << p.col << p.digit;
  for (auto [r, c] : {std::pair{0, 1}, {10, 1}, {1, 0}, {1, 10}}) EXPECT_FALSE(g.CellCommand(r, c, "X").changed);
  g.ChooseDigit(10);
  g.ToggleDigit(0);
  g.SetKeyboardPlay(true);
  g.KeyOn(BoardKey::kCandidate, 10, 0, kLook);
  EXPECT_EQ(testutil::Cells(g.board()), before);
  EXPECT_EQ(g.selectedDigit(), chosen);
}

// Modes fill the lists they show and assign the cell menus; Only one's
// menus follow the chosen digit but not later moves.
TEST(GameModel, ModesFillListsAndAssignMenus) {
  Game g = GameOf(std::string(testutil::kSolution).replace(0, 2, "00"));
  g.board().at(1, 1) = {1, 1, "", kOpen, false};
  g.board().at(1, 3).state = kGiven;
  const int before = g.history().count();
  const auto menus = [&] {
    std::string out;
    for (int c = 0; c < 3; ++c) out += g.menuAssigned(c) ? '1' : '0';
    return out;
  };
  EXPECT_EQ(menus(), "000") << "None";
  g.SetMode(DisplayMode::kAll);
  EXPECT_EQ(g.board().at(1, 1).text, g.board().ComputeCandidates(1, 1)) << "an empty list is filled";
  EXPECT_EQ(g.history().count(), before + 1) << "and recorded";
  EXPECT_EQ(menus(), "110") << "All: never a given";
  g.ChooseDigit(testutil::kSolution[1] - '0');
  g.SetMode(DisplayMode::kOnlyOne);
  EXPECT_EQ(menus(), "010") << "Only one: the lists holding the digit";
  g.CellCommand(1, 1, "+" + std::string(1, testutil::kSolution[1]));
  EXPECT_EQ(menus(), "010") << "a move leaves the menus";
  g.ChooseDigit(testutil::kSolution[1] - '0');
  EXPECT_EQ(menus(), "110");
  g.SetMode(DisplayMode::kOnlyOne);
  g.SetMode(DisplayMode::kNone);
  EXPECT_EQ(menus(), "000");
}

// Every start puts the game on the board from entry 0 with the clock from
// zero; a saved game keeps the player's mode and Marking, the others reset
// them; a bad record changes nothing.
TEST(GameModel, StartsAndClear) {
  Game g;
  EXPECT_FALSE(g.started() || g.inPlay() || g.CanStartBranch());
  EXPECT_EQ(g.LevelLabel(), "");
  Random32 rng([] { return 11u; });
  g.NewGame(kModerate, rng);
  EXPECT_TRUE(g.started() && g.inPlay() && g.clockRunning());
  EXPECT_EQ(g.LevelLabel(), "  Level:Moderate");
  EXPECT_EQ(g.history().count(), 1);
  EXPECT_EQ(g.selectedDigit(), 1);
  for (int i = 0; i < kCells; ++i) {
    if (g.board()[i].state != kOpen) continue;
    EXPECT_EQ(g.board()[i].text, g.board().ComputeCandidates(RowOf(i), ColOf(i)));
  }
  const int starts = g.clockStarts();

  Board saved;
  LoadDigitString(testutil::kSolution, saved);
  std::vector<std::string> lines;
  AppendGame(lines, "A", 3, testutil::kSolution, BuildBoardLines(saved));
  std::vector<std::string> bad = lines;
  bad[5].replace(40, 1, "?");  // row D, column 5
  g.SetMode(DisplayMode::kAll);
  g.SetMarking(true);
  g.marks()[4][0] = 255;
  const std::string before = TakeSnapshot(g.board());
  const int entries = g.history().count();
  EXPECT_THROW(g.OpenRecord(bad, 1), GameDataError);
  EXPECT_EQ(TakeSnapshot(g.board()), before);
  EXPECT_EQ(g.history().count(), entries);
  EXPECT_EQ(g.marks()[4][0], 255u);

  g.OpenRecord(lines, 1);
  EXPECT_EQ(TakeSnapshot(g.board()), TakeSnapshot(saved));
  EXPECT_EQ(g.LevelLabel(), "  Level:Tough");
  EXPECT_EQ(g.history().count(), 1);
  EXPECT_EQ(g.marks()[4][0], kNoMark);
  EXPECT_TRUE(g.mode() == DisplayMode::kAll && g.marking()) << "a saved game keeps the player's look";
  EXPECT_EQ(g.clockStarts(), starts + 1);
  EXPECT_EQ(g.clockInterval(), 1000);

  // The editor's entered single digits become the givens.
  Board editor = testutil::BoardWith({{1, 1, "5", kEntered}, {1, 2, "36", kOpen}, {2, 2, "7", kGiven}});
  g.ImportPuzzle(editor, "");
  EXPECT_EQ(g.board().at(1, 1).state, kGiven);
  EXPECT_EQ(g.board().at(1, 2).text, "36");
  EXPECT_EQ(g.board().at(2, 2).state, kOpen) << "only entered digits become givens";
  EXPECT_EQ(g.LevelLabel(), "  Level:Unknown");
  EXPECT_TRUE(g.mode() == DisplayMode::kNone && !g.marking());

  g.Clear();
  EXPECT_FALSE(g.inPlay() || g.CanStartBranch() || g.CanStepBack());
  EXPECT_TRUE(g.started()) << "the board still takes input";
  EXPECT_EQ(g.store().GetSolution(), "");
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(g.board()[i].text, "") << i;
}

TEST(GameModel, SolutionToShowByWhatIsKnown) {
  Game g;
  const std::string puzzle =
      "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  for (int i = 0; i < kCells; ++i)
    g.board()[i] = puzzle[i] == '0' ? Cell{RowOf(i), ColOf(i), "", kOpen, false}
                                    : Cell{RowOf(i), ColOf(i), std::string(1, puzzle[i]), kGiven, false};
  Game::SolutionAnswer a = g.SolutionToShow();
  ASSERT_EQ(a.kind, Game::SolutionAnswer::kShow) << "the givens' only solution";
  std::string found;
  ASSERT_EQ(CountSolutions(puzzle, 2, &found), 1);
  EXPECT_EQ(a.first, found);
  const int entries = g.history().count();
  g.ShowSolution(a.first);
  EXPECT_TRUE(g.board().IsFinished());
  EXPECT_EQ(g.history().count(), entries) << "Show Solution records nothing";
  EXPECT_EQ(g.digitCounts()[0], 0) << "nor counts the digits";

  g.store().SetSolution(testutil::kSolution);
  EXPECT_EQ(g.SolutionToShow().first, testutil::kSolution) << "a stored solution comes first";

  Game open;
  open.board().ClearAll();
  a = open.SolutionToShow();
  EXPECT_EQ(a.kind, Game::SolutionAnswer::kSeveral);
  EXPECT_NE(a.first, a.second);
  open.board().at(1, 1) = {1, 1, "5", kGiven, false};
  open.board().at(1, 2) = {1, 2, "5", kGiven, false};
  EXPECT_EQ(open.SolutionToShow().kind, Game::SolutionAnswer::kNotSolvable);
}

// A hint marks no conflict, finishes nothing and shows on yellow until the
// next redraw; Check Error inks only the wrong digits until a cell click.
TEST(GameModel, HintCheckErrorAndAClashAtTheEnd) {
  const std::string& sol = testutil::kSolution;
  Game g = GameOf(sol);
  g.board().at(9, 8) = {9, 8, std::string(1, sol[80]), kEntered, false};  // clashes with the hint
  g.board().at(9, 9) = {9, 9, "", kOpen, false};
  g.board().at(8, 9) = {8, 9, std::string(1, sol[71]) + sol[80], kOpen, false};
  g.SetAutoUpdate(false);
  EXPECT_EQ(g.Hint(), 80);
  EXPECT_EQ(g.board().at(9, 9).text, std::string(1, sol[80]));
  EXPECT_FALSE(g.board().HasErrorMark());
  EXPECT_FALSE(g.finished());
  EXPECT_EQ(g.board().at(8, 9).text.size(), 2u);
  EXPECT_EQ(Render(g, kLook)[80].color, kHintBackground);

  g.CheckErrors();
  const BoardView v = Render(g, kLook);
  EXPECT_EQ(v[IndexOf(9, 8)].fontColor, kWrongDigitFont);
  EXPECT_NE(v[IndexOf(9, 9)].fontColor, kWrongDigitFont);
  EXPECT_EQ(v[80].color, kHintBackground) << "Check Error redraws nothing";

  g.SetMode(DisplayMode::kAll);
  g.CheckErrors();
  g.PressOn(At(1, 1, false), 0, kLook);  // changes nothing, but is a click
  EXPECT_NE(Render(g, kLook)[IndexOf(9, 8)].fontColor, kWrongDigitFont);

  g.board().at(8, 9) = {8, 9, "", kOpen, false};
  g.SetMode(DisplayMode::kNone);
  g.ChooseDigit(sol[71] - '0');
  const PlayResult r = g.PressOn(At(8, 9), 0, kLook);
  EXPECT_TRUE(r.changed);
  EXPECT_FALSE(r.finished) << "I8 clashes";
  EXPECT_TRUE(g.board().HasErrorMark());
  EXPECT_NE(Render(g, kLook)[80].color, kHintBackground) << "the redraw ends the yellow";
}

// Marking paints what is on screen and reads the marks back from it: a
// reserved colour shows until the next redraw but is no mark.
TEST(GameModel, MarkingAndClearMarks) {
  Game g = GameOf(std::string(testutil::kSolution).replace(0, 1, "0"), 5);
  g.SetMarking(true);
  const int entries = g.history().count();
  EXPECT_FALSE(g.PressOn(At(1, 1), 255, kLook).menu);
  g.PressOn(Square(2, 2, 3), 65280, kLook);
  g.PressOn(At(3, 3), kLook.unfocus2, kLook);  // reserved: shown, not kept
  EXPECT_EQ(g.history().count(), entries) << "marks are no moves";
  EXPECT_EQ(g.marks()[0][0], 255u);
  EXPECT_EQ(g.marks()[0][4], 255u) << "a cell mark colours its squares";
  EXPECT_EQ(g.marks()[IndexOf(2, 2)][3], 65280u);
  EXPECT_EQ(g.marks()[IndexOf(3, 3)][0], kNoMark);
  EXPECT_EQ(Render(g, kLook)[IndexOf(3, 3)].color, kLook.unfocus2);
  g.PressOn(Square(1, 1, 4, false), 0, kLook);  // the cell's colour
  EXPECT_EQ(g.marks()[0][4], 255u);
  g.PressOn(At(1, 1, false), 0, kLook);
  EXPECT_EQ(g.marks()[0][0], kNoMark) << "the right button gives the base colour back";

  g.SetMarking(false);
  g.ChooseDigit(5);
  EXPECT_EQ(Render(g, kLook)[IndexOf(3, 3)].color, kLook.unfocus1) << "a redraw ends what was not kept";
  EXPECT_EQ(Render(g, kLook)[IndexOf(2, 2)].subColor[3], 65280u) << "a mark survives it";
  g.ClearMarks();
  EXPECT_EQ(g.marks()[IndexOf(2, 2)][3], kNoMark);
}

// The hover hints of the status bar follow the mode and the cell.
TEST(GameModel, HoverHints) {
  Game g = GameOf(std::string(testutil::kSolution).replace(0, 1, "0"), 5);
  g.board().at(1, 2).state = kGiven;
  EXPECT_EQ(HoverHint(g, 1, 1, 0), "Set Bignumber with the left button, clear Bignumber with the right button.");
  EXPECT_EQ(HoverHint(g, 1, 2, 0), "") << "a given";
  g.SetMode(DisplayMode::kAll);
  EXPECT_EQ(HoverHint(g, 1, 1, 0), "Pop up the shortcut menu with the right button.");
  EXPECT_EQ(HoverHint(g, 1, 3, 0),
            "Cancel the bignumber with the left button.Pop up the shortcut menu with the right button.");
  EXPECT_EQ(HoverHint(g, 1, 1, 4),
            "Left click sets the selected Candidature as Bignumber, right click deletes such Candidature.");
  g.SetMode(DisplayMode::kOnlyOne);
  EXPECT_EQ(HoverHint(g, 1, 3, 0), "") << "no menu for the chosen digit";
  g.SetMarking(true);
  EXPECT_EQ(HoverHint(g, 1, 2, 0), "Mark color with the left button,Clear the marked color with the right button.");
}

// Each key of Keyboard Play does what its click does, in every mode, on a
// given, an entered digit and an open cell, marking or not; the cursor
// wraps at the edges.
TEST(GameModel, KeysReachTheRulesOfTheirClicks) {
  Game start = GameOf(std::string(testutil::kSolution).replace(0, 2, "00"), 3);
  start.board().at(1, 3).state = kGiven;  // A1 open, A2 open, A3 given, A4 entered
  start.SetKeyboardPlay(true);
  const struct {
    BoardKey key;
    int digit;
    bool left;
  } keys[] = {{BoardKey::kActivate, 0, true},  {BoardKey::kClear, 0, false},
              {BoardKey::kCandidate, 5, true}, {BoardKey::kStrikeCandidate, 5, false}};
  int compared = 0;
  for (DisplayMode mode : {DisplayMode::kNone, DisplayMode::kAll, DisplayMode::kOnlyOne}) {
    for (bool marking : {false, true}) {
      for (int col : {1, 3, 4}) {
        for (const auto& k : keys) {
          Game byKey = start, byClick = start;
          for (Game* g : {&byKey, &byClick}) {
            g->SetMode(mode);
            g->ChooseDigit(5);
            g->SetMarking(marking);
            g->PressOn({1, col, 0, true}, 0, kLook);  // the cursor there, as a click leaves it
            g->SetMarking(marking);
          }
          const PlayResult kr = byKey.KeyOn(k.key, k.digit, 255, kLook);
          // A key acts on a candidate only where its square shows, as a click can.
          const bool shows = k.digit == 0 || Render(byClick, kLook)[col - 1].subVisible[k.digit];
          const PlayResult cr = shows ? byClick.PressOn({1, col, k.digit, k.left}, 255, kLook) : PlayResult{};
          SCOPED_TRACE(testing::Message() << int(mode) << " marking " << marking << " col " << col << " key "
                                          << int(k.key));
          EXPECT_EQ(testutil::Cells(byKey.board()), testutil::Cells(byClick.board()));
          EXPECT_EQ(byKey.marks(), byClick.marks());
          EXPECT_EQ(byKey.history().count(), byClick.history().count());
          EXPECT_TRUE(kr.changed == cr.changed && kr.finished == cr.finished);
          ++compared;
        }
      }
    }
  }
  EXPECT_EQ(compared, 72);

  // The menu key opens the menu only where a right click would, and does
  // nothing else there.
  Game g = start;
  g.PressOn(At(1, 1), 0, kLook);
  const std::string before = testutil::Cells(g.board());
  EXPECT_FALSE(g.KeyOn(BoardKey::kMenu, 0, 0, kLook).menu) << "mode None has no menus";
  EXPECT_EQ(testutil::Cells(g.board()), before) << "nor clears the cell as a right click would";
  g.SetMode(DisplayMode::kAll);
  EXPECT_TRUE(g.KeyOn(BoardKey::kMenu, 0, 0, kLook).menu);
  g.PressOn(At(1, 3), 0, kLook);
  EXPECT_FALSE(g.KeyOn(BoardKey::kMenu, 0, 0, kLook).menu) << "a given has none";

  // Moves wrap within the row or column; Home/End and A1/I9.
  const struct {
    BoardKey key;
    const char* to;
  } moves[] = {{BoardKey::kLeft, "A9"},  {BoardKey::kUp, "I9"},     {BoardKey::kDown, "A9"},
               {BoardKey::kRight, "A1"}, {BoardKey::kRowEnd, "A9"}, {BoardKey::kRowStart, "A1"},
               {BoardKey::kLastCell, "I9"}, {BoardKey::kFirstCell, "A1"}};
  g.PressOn(At(1, 1), 0, kLook);
  for (const auto& m : moves) {
    const std::string before = TakeSnapshot(g.board());
    g.KeyOn(m.key, 0, 0, kLook);
    EXPECT_EQ(CellLabel(RowOf(g.cursor()), ColOf(g.cursor())), m.to) << int(m.key);
    EXPECT_EQ(TakeSnapshot(g.board()), before);
  }
  EXPECT_TRUE(Render(g, kLook)[0].cursor);
  g.SetKeyboardPlay(false);
  EXPECT_FALSE(Render(g, kLook)[0].cursor) << "no cursor without Keyboard Play";
}

// What a screen reader hears of each cell.
TEST(GameModel, CellsAreNamedAndDescribed) {
  Game g = GameOf(std::string(testutil::kSolution).replace(0, 1, "0"), 5);
  g.board().at(1, 3).state = kGiven;
  g.SetMode(DisplayMode::kAll);
  g.SetMarking(true);
  g.PressOn(At(1, 1), 65535, kLook);
  g.CheckErrors();
  BoardView v = Render(g, kLook);
  EXPECT_EQ(v[0].name, "A1, empty, candidates 5");
  EXPECT_EQ(v[0].description, "marked yellow");
  EXPECT_EQ(v[1].name, "A2, 3");
  EXPECT_EQ(v[2].name, "A3, 4, given");
  g.SetMarking(false);
  g.PressOn(Square(1, 1, 5), 0, kLook);
  v = Render(g, kLook);
  EXPECT_EQ(v[0].name, "A1, 5");
  g.SetMode(DisplayMode::kNone);
  g.ChooseDigit(3);
  g.PressOn(At(1, 1), 0, kLook);  // a second 3 in row A
  v = Render(g, kLook);
  EXPECT_EQ(v[0].name, "A1, 3");
  EXPECT_NE(v[0].description.find("conflict"), std::string::npos) << v[0].description;
  g.CheckErrors();
  EXPECT_NE(Render(g, kLook)[0].description.find("wrong digit"), std::string::npos);
}

}  // namespace
}  // namespace tessel
