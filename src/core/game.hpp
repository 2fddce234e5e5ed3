// One game in progress and everything the player does to it: the board, its
// solution store, the move history with the branch point, the colour marks,
// how the board is looked at (display mode, chosen digit, marking), the clock
// and what a redraw leaves on screen until the next one. Every command of the
// window is one method here: it applies the rule, marks conflicts, tests the
// finish, records the history step and says what the window must announce.
// The window then draws Render(game, look) and shows the rest of the state.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"
#include "core/boardview.hpp"
#include "core/explain.hpp"
#include "core/gamefile.hpp"
#include "core/history.hpp"
#include "core/qj.hpp"
#include "core/random.hpp"

namespace tessel {

// How the board shows candidates: not at all, all of them, or only those of
// the chosen digit.
enum class DisplayMode { kNone, kAll, kOnlyOne };

// What a command did: whether the cells changed, whether the puzzle is now
// solved (the window says "Puzzle solved"), and whether a right press may
// go on to open the cell menu.
struct PlayResult {
  bool changed = false;
  bool finished = false;
  bool menu = false;
};

// A press on the board: a cell (digit 0) or one of its candidate squares.
struct Press {
  int row = 1;
  int col = 1;
  int digit = 0;
  bool left = true;
};

// The keys of Keyboard Play on the board. Each reaches the rule of the
// click it stands for.
enum class BoardKey {
  kLeft, kRight, kUp, kDown,  // move the cursor, wrapping at the edges
  kRowStart, kRowEnd,         // the row's ends
  kFirstCell, kLastCell,      // A1, I9
  kActivate,                  // a left click on the cursor's cell
  kClear,                     // a right click on it
  kMenu,                      // its cell menu, where a right click opens one
  kCandidate,                 // a left click on candidate `digit` of the cell
  kStrikeCandidate,           // a right click on that candidate
};

// Colours painted over a redraw that stay until the next one: the hint's
// cell, Check Error's ink and the squares a marking click paints.
inline constexpr Colour kNoPaint = 0xFFFFFFFFu;

class Game {
 public:
  Game();

  const Board& board() const { return board_; }
  const TQJ& store() const { return store_; }
  const History& history() const { return history_; }
  const ColourMarks& marks() const { return marks_; }
  // For tests and tools that set up a position by hand.
  Board& board() { return board_; }
  TQJ& store() { return store_; }
  ColourMarks& marks() { return marks_; }

  // --- How the player looks at the board ---
  DisplayMode mode() const { return mode_; }
  int selectedDigit() const { return selected_; }
  // Whether the chosen digit may be released, leaving none chosen.
  bool allowAllUp() const { return allowAllUp_; }
  bool autoUpdate() const { return autoUpdate_; }
  void SetAutoUpdate(bool on) { autoUpdate_ = on; }
  bool marking() const { return marking_; }
  void SetMarking(bool on) { marking_ = on; }
  // Which cells open the cell menu on a right press; set by the mode change
  // and, in mode Only one, by the digit selection.
  bool menuAssigned(int cell) const { return menus_[cell]; }

  // The mode change: the lists are filled before a mode that shows them,
  // the digit buttons and the cell menus follow the mode. Nothing happens
  // when the mode is already that one.
  void SetMode(DisplayMode mode);
  // The digit buttons: Choose presses d (1..9) as a key or a digit bar does;
  // Toggle is a click on button d, which releases it when it is down and
  // may be released. Both run the digit selection.
  void ChooseDigit(int d);
  void ToggleDigit(int d);

  // --- Starting a game ---
  // Every way a game comes onto the board ends in one start: the board and
  // store in place, a fresh history (or the file's), the look reset, the
  // clock from zero, the branch closed.
  void NewGame(int level, Random32& rng);
  // A saved game: the record whose "Name=" line is line n of games.dat.
  // Throws GameDataError at the first bad digit, and then nothing changed.
  void OpenRecord(const std::vector<std::string>& lines, int n);
  // A last-game or replay file, read whole: its history, level and store,
  // and its last entry on the board with the states stored in it.
  void LoadGameFile(const GameFile& file);
  // A puzzle from the editor: each cell holding one entered digit becomes a
  // given, every other cell keeps its text, open. The store takes the givens
  // and the solution when one is known (empty: none).
  void ImportPuzzle(const Board& editor, std::string_view solution);
  // Every cell but the givens open again with computed candidates; the
  // branch and its buttons stay as they were.
  void Restart();
  // No game: the store empty, every cell open and blank, no colour marks.
  void Clear();

  // A game is on the board: one was dealt, opened, loaded or imported, and
  // not cleared since. Only then is there a game to keep at close, and only
  // then do the step and branch buttons lead anywhere.
  bool inPlay() const { return inPlay_; }
  // A game has been put on the board in this run: the board takes input.
  bool started() const { return started_; }
  // Solved by the player: set by the move that fills the last cell without a
  // conflict, cleared when a game is started, cleared or restarted.
  bool finished() const { return finished_; }

  // --- Moves ---
  // A press on a cell or a candidate square, as a mouse click or its key:
  // colour marking when Marking is on (palette: the palette's colour),
  // else the rule of the display mode.
  PlayResult PressOn(const Press& press, Colour palette, const BoardLook& look);
  // A key of Keyboard Play; digit for the candidate keys. A candidate key
  // acts only where the square shows, as only a shown square takes a click.
  // menu: the cell menu may open on the cursor's cell.
  PlayResult KeyOn(BoardKey key, int digit, Colour palette, const BoardLook& look);
  // The cell the keys act on: the cursor, or the cell under the last press.
  int cursor() const { return cursor_; }
  // Keyboard Play draws the cursor; without it the board takes no keys.
  bool keyboardPlay() const { return keyboardPlay_; }
  void SetKeyboardPlay(bool on) { keyboardPlay_ = on; }
  // A command of the cell menu ("+d", "-d", "X"); nothing on a given.
  PlayResult CellCommand(int row, int col, std::string_view command);
  // Clear Marking: every mark goes, the base colours come back.
  void ClearMarks();

  // --- History ---
  bool StepFirst();
  bool StepBack();
  bool StepNext();
  bool StepLast();
  void StartBranch();
  void AcceptBranch();
  // Puts the branch point back on the board and records it. False when no
  // branch is open.
  bool RejectBranch();
  // Branch buttons: Start while none is open, Accept and Reject while one
  // is. A finish by a cell click closes all three until the next game.
  bool CanStartBranch() const { return inPlay_ && !branchesLocked_ && !history_.BranchOpen(); }
  bool CanEndBranch() const { return inPlay_ && !branchesLocked_ && history_.BranchOpen(); }
  bool CanStepBack() const { return inPlay_ && history_.CanStepBack(); }
  bool CanStepForward() const { return inPlay_ && history_.CanStepForward(); }

  // --- Assistance ---
  // The hint: the last open cell gets its solution digit and shows on yellow
  // until the next redraw. Its index, or -1.
  int Hint();
  // Placed digits that differ from the stored solution.
  std::vector<int> WrongDigits() const;
  // Check Error: those digits in red until the next redraw.
  void CheckErrors();
  // What Show Solution shows: the stored solution, else the puzzle test's
  // answer for the givens on the board.
  struct SolutionAnswer {
    enum Kind { kShow, kNotSolvable, kSeveral } kind = kShow;
    std::string first;   // the solution to show (kShow), or the first of two
    std::string second;  // kSeveral: another one
  };
  SolutionAnswer SolutionToShow() const;
  // Every cell but the givens takes its digit of the solution; not recorded.
  void ShowSolution(std::string_view solution);
  // Before the board leaves as text: every empty list gets its computed
  // candidates (shown, recorded with the next change).
  void FillEmptyLists();

  // Explain Next Step works in stages on one position: the first F4 gives
  // the clue, the second the whole step with its frames. A search for the
  // step may take long, so it runs apart from the game:
  struct ExplainJob {
    Position position;     // the board as the player has it
    std::string solution;  // to name wrong digits, never to find the step
    bool uniqueKnown = false;
    std::string key;       // the position the answer belongs to
  };
  // F4: the next stage of a step already found for this position (and no
  // job), or the search that the first stage needs.
  std::optional<ExplainJob> NextExplainStage();
  // The search's answer: taken when the board is still at its position.
  // False when the board moved on meanwhile.
  bool TakeExplanation(const ExplainJob& job, Explanation e);
  // Whether the board is still at the position a job was made for.
  bool AtPosition(const ExplainJob& job) const { return job.key == PositionKey(); }
  // One F4, searching at once (tools, tests, the CLI's walk).
  Explanation ExplainNextStep();
  // Tools > Apply Explained Step: the step found for this position goes on
  // the board as one recorded step (a placement, or candidate removals that
  // change the lists only). Needs a step found (NextExplainStage first).
  PlayResult ApplyExplained();
  // Whether a step for this position is known and can be applied.
  bool CanApplyExplained() const;
  // The step found for this position (kind kNone when none is).
  const Explanation& explanation() const { return explanation_; }
  // Frames show at the second stage only.
  bool explanationFramed() const { return explainStage_ == 2; }
  // What the status bar says: the clue, then the whole sentence; empty when
  // nothing is explained.
  const std::string& explained() const;

  // The Appearance dialog's OK redraws with every candidate shown and the
  // plain box colours, until the next redraw.
  void ShowNewLook();

  // --- What the window shows beside the board ---
  // The digit bars: counted at every recorded change, not by Show Solution.
  const std::array<int, 9>& digitCounts() const { return counts_; }
  // "  Level:..." once a game was started, else empty.
  std::string LevelLabel() const;
  // The clock runs from a start until the finish. A change of clockStarts()
  // sets it back to zero; the interval is what one tick adds (ms).
  bool clockRunning() const { return clockRunning_; }
  void SetClockRunning(bool on) { clockRunning_ = on; }
  int clockInterval() const { return clockInterval_; }
  int clockStarts() const { return clockStarts_; }

  // --- What the last redraw left (read by Render) ---
  // Every candidate shown, as the Appearance dialog leaves the board.
  bool newLookShown() const { return newLook_; }
  // The colours without marks or highlight, as that dialog paints them;
  // Clear Marking brings the base colours back.
  bool plainColours() const { return plainColours_; }
  // Colours painted over the redraw: [cell][0] background, [cell][k] square k.
  const std::array<std::array<Colour, 10>, kCells>& paint() const { return paint_; }
  // Font colours over the redraw (Check Error).
  const std::array<Colour, kCells>& ink() const { return ink_; }
  // The hint's cell until the next redraw, or -1.
  int hintCell() const { return hintCell_; }

  // The common end of a board change (the described RecountDigits): the
  // digit bars are counted and the position is recorded when it differs from
  // the entry at the cursor. True when recorded.
  bool RecountDigits();

 private:
  struct Start;
  void StartGame(const Start& how);
  // Clears what lasts only until the next redraw.
  void Redraw();
  // The digit selection: lists and menus of mode Only one, then a redraw.
  void SelectDigit();
  // Sets the digit buttons for a mode: d 0 lets all be up.
  void SetDigitButtons(int d);
  void DropMarks() {
    for (auto& entry : marks_) entry.fill(kNoMark);
  }
  void AssignMenus(int digit);  // -1 none, 0 every non-given, else those holding it
  bool ShowEntry(const std::string& line);
  bool ShowRestored();  // the board holds an entry: conflicts, redraw, record
  bool StepTo(const std::string& line);
  PlayResult Settle(bool changed);
  PlayResult Mark(const Press& press, Colour palette, const BoardLook& look);
  PlayResult Play(const Press& press);
  void ClearExplain();
  // The board's position and the lists the explanation starts from.
  std::string PositionKey() const;

  Board board_;
  TQJ store_;
  History history_;
  ColourMarks marks_{};
  DisplayMode mode_ = DisplayMode::kNone;
  int selected_ = 0;
  bool allowAllUp_ = false;
  bool autoUpdate_ = true;
  bool marking_ = false;
  std::array<bool, kCells> menus_{};
  int cursor_ = 0;
  bool keyboardPlay_ = false;

  bool inPlay_ = false;
  bool started_ = false;
  bool finished_ = false;
  bool branchesLocked_ = false;
  std::array<int, 9> counts_{};
  bool clockRunning_ = false;
  int clockInterval_ = 100;
  int clockStarts_ = 0;

  bool newLook_ = false;
  bool plainColours_ = false;
  std::array<std::array<Colour, 10>, kCells> paint_{};
  std::array<Colour, kCells> ink_{};
  int hintCell_ = -1;
  Explanation explanation_;
  int explainStage_ = 0;     // 0 none, 1 clue, 2 the whole step
  std::string explainedAt_;  // PositionKey of the explanation
};

// What the board shows of a game in a look: the display mode's digits and
// candidates, base colours with the highlight and the marks, then what the
// last redraw left, the explained step's frames and the cell menus.
BoardView Render(const Game& game, const BoardLook& look);

// What the mouse buttons would do on a cell (sub 0) or one of its squares,
// for the status bar; empty where they do nothing.
std::string HoverHint(const Game& game, int row, int col, int sub);

// The placed cells holding each digit (index d-1), capped at 9 like the bars.
std::array<int, 9> CountPlacedDigits(const Board& board);

}  // namespace tessel
