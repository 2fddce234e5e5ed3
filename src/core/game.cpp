#include "core/game.hpp"

#include <algorithm>

#include "core/bank.hpp"
#include "core/gamestore.hpp"
#include "core/play.hpp"
#include "core/solver.hpp"

namespace tessel {

// How one way of starting a game differs from the others.
struct Game::Start {
  bool resetLook = true;       // marks and Marking off, mode None (a saved game keeps them)
  bool putGivens = true;       // the store's givens go on the board
  bool fill = false;           // open cells get their computed candidates (a deal)
  bool freshHistory = true;    // the board becomes entry 0 (a file brings its own)
  int clockInterval = 0;       // what a tick adds; 0 keeps it
};

Game::Game() {
  // Before the first game the board is blank and takes no input.
  for (int i = 0; i < kCells; ++i) board_[i].state = kGiven;
  DropMarks();
  Redraw();
}

// --- The look ---

void Game::Redraw() {
  newLook_ = false;
  plainColours_ = false;
  for (auto& p : paint_) p.fill(kNoPaint);
  ink_.fill(kNoPaint);
  hintCell_ = -1;
}

void Game::SetDigitButtons(int d) {
  allowAllUp_ = d == 0;
  if (d >= 1 && d <= 9) selected_ = d;
}

void Game::AssignMenus(int digit) {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board_[i];
    menus_[i] = digit >= 0 && c.state != kGiven &&
                (digit == 0 || c.text.find(char('0' + digit)) != std::string::npos);
  }
}

void Game::SetMode(DisplayMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  if (mode == DisplayMode::kNone) {
    if (selected_ == 0) SetDigitButtons(1);
    AssignMenus(-1);
  } else {
    FillCandidateLists(board_, autoUpdate_);
    if (mode == DisplayMode::kAll) {
      AssignMenus(0);
      SetDigitButtons(0);
    } else {
      const int d = selected_ != 0 ? selected_ : 1;
      AssignMenus(d);
      SetDigitButtons(d);
    }
    RecountDigits();
  }
  Redraw();
}

void Game::SelectDigit() {
  if (mode_ == DisplayMode::kOnlyOne) {
    FillEmptyTexts(board_);
    AssignMenus(selected_ == 0 ? -1 : selected_);
  }
  Redraw();
}

void Game::ChooseDigit(int d) {
  if (d < 1 || d > 9) return;
  selected_ = d;
  SelectDigit();
}

void Game::ToggleDigit(int d) {
  if (d < 1 || d > 9) return;
  if (selected_ != d)
    selected_ = d;
  else if (allowAllUp_)
    selected_ = 0;
  SelectDigit();
}

void Game::ClearMarks() {
  DropMarks();
  plainColours_ = false;
  for (auto& p : paint_) p.fill(kNoPaint);
}

void Game::ShowNewLook() {
  Redraw();
  newLook_ = true;
  plainColours_ = true;
}

// --- Starting a game ---

void Game::Clear() {
  store_.ClearValues();
  for (int i = 0; i < kCells; ++i) {
    board_[i].state = kOpen;
    board_[i].text.clear();
    board_[i].error = false;
  }
  DropMarks();
  ClearExplain();
  finished_ = false;
  inPlay_ = false;
  Redraw();
}

void Game::StartGame(const Start& how) {
  if (how.resetLook) {
    DropMarks();
    marking_ = false;
    SetMode(DisplayMode::kNone);
  }
  selected_ = 1;
  if (how.putGivens) {
    for (int i = 0; i < kCells; ++i) {
      Cell& c = board_[i];
      const TNode& n = store_[i];
      if (n.given) {
        c.state = kGiven;
        c.text = std::string(1, char('0' + n.value));
      } else {
        c.state = kOpen;
        if (how.fill) c.text = "123456789";
      }
      c.error = false;
    }
    if (how.fill)
      for (int i = 0; i < kCells; ++i)
        if (board_[i].state == kOpen) board_[i].text = board_.ComputeCandidates(RowOf(i), ColOf(i));
  }
  ClearExplain();
  history_.AbandonBranch();
  branchesLocked_ = false;
  finished_ = false;
  inPlay_ = started_ = true;
  counts_ = CountPlacedDigits(board_);
  SelectDigit();
  if (how.freshHistory) history_.Reset(board_);
  clockRunning_ = true;
  ++clockStarts_;
  if (how.clockInterval > 0) clockInterval_ = how.clockInterval;
}

void Game::NewGame(int level, Random32& rng) {
  Clear();
  DealPuzzle(level, store_, rng);
  board_.nd = level;
  StartGame({.fill = true});
}

void Game::OpenRecord(const std::vector<std::string>& lines, int n) {
  // Read into a cleared copy first: a bad digit must not leave half a record.
  Board board = board_;
  board.ClearAll();
  TQJ store;
  ApplyGameRecord(lines, n, board, store);
  Clear();
  board_ = board;
  store_ = store;
  StartGame({.resetLook = false, .putGivens = false, .clockInterval = 1000});
}

void Game::LoadGameFile(const GameFile& file) {
  Clear();
  store_ = file.store;
  history_.Assign(file.history);
  RestoreSnapshot(board_, history_.Current());
  for (int i = 0; i < kCells; ++i) board_[i].state = store_[i].given ? kGiven : kOpen;
  board_.nd = file.level;
  StartGame({.freshHistory = false});
  // The last entry again, with the states stored in it.
  StepLast();
}

void Game::ImportPuzzle(const Board& editor, std::string_view solution) {
  Clear();
  for (int i = 0; i < kCells; ++i) {
    const Cell& e = editor[i];
    Cell& c = board_[i];
    c.state = kOpen;
    c.text = e.text;
    TNode& n = store_[i];
    n.given = e.state == kEntered && e.text.size() == 1 && IsDigitChar(e.text[0]);
    n.value = n.given ? c.text[0] - '0' : 0;
  }
  if (!solution.empty()) store_.SetSolution(solution);
  board_.nd = kUnknownLevel;
  StartGame({});
}

void Game::Restart() {
  DropMarks();
  marking_ = false;
  RestartBoard(board_);
  ClearExplain();
  board_.MarkConflicts();
  finished_ = false;
  started_ = true;
  SetMode(DisplayMode::kNone);
  selected_ = 1;
  counts_ = CountPlacedDigits(board_);
  SelectDigit();
  history_.Reset(board_);
  clockRunning_ = true;
  ++clockStarts_;
}

std::string Game::LevelLabel() const { return started_ ? LevelText(board_.nd) : std::string(); }

// --- Moves ---

bool Game::RecountDigits() {
  counts_ = CountPlacedDigits(board_);
  ClearExplain();
  return history_.RecordStep(board_);
}

// The end of every move: conflicts, the finish, then counted, recorded and
// redrawn.
PlayResult Game::Settle(bool changed) {
  PlayResult r;
  r.changed = changed;
  board_.MarkConflicts();
  r.finished = board_.IsFinished();
  if (r.finished) {
    finished_ = true;
    clockRunning_ = false;
  }
  RecountDigits();
  Redraw();
  return r;
}

PlayResult Game::Mark(const Press& press, Colour palette, const BoardLook& look) {
  // A marking click paints what is on screen and reads the marks back from
  // it, as the board shows them.
  BoardView view = Render(*this, look);
  const int i = IndexOf(press.row, press.col);
  CellView& n = view[i];
  if (press.digit == 0) {
    const Colour c = press.left ? palette : CellBaseColour(board_, look, press.row, press.col, selected_);
    n.color = c;
    n.setcolor(c);
    paint_[i].fill(c);
  } else {
    const Colour c = press.left ? palette : n.color;
    n.subColor[press.digit] = c;
    paint_[i][press.digit] = c;
  }
  marks_ = CaptureMarks(look, view);
  return {};
}

PlayResult Game::Play(const Press& p) {
  if (p.digit != 0) {
    if (mode_ == DisplayMode::kNone) return {};
    tessel::ClickCandidate(board_, p.row, p.col, p.digit, p.left, autoUpdate_);
    return Settle(true);
  }
  PlayResult r;
  if (mode_ == DisplayMode::kNone) {
    r = Settle(p.left ? PlaceSelectedDigit(board_, p.row, p.col, selected_) : ClearCell(board_, p.row, p.col));
  } else {
    if (p.left && ReopenEnteredCell(board_, p.row, p.col)) r = Settle(true);
    r.menu = true;
  }
  // Check Error's ink goes with any click on a cell.
  ink_.fill(kNoPaint);
  if (r.finished) branchesLocked_ = true;
  return r;
}

PlayResult Game::PressOn(const Press& press, Colour palette, const BoardLook& look) {
  if (press.row < 1 || press.row > 9 || press.col < 1 || press.col > 9 || press.digit < 0 || press.digit > 9)
    return {};
  cursor_ = IndexOf(press.row, press.col);
  return marking_ ? Mark(press, palette, look) : Play(press);
}

PlayResult Game::KeyOn(BoardKey key, int digit, Colour palette, const BoardLook& look) {
  const int row = RowOf(cursor_), col = ColOf(cursor_);
  const auto moveTo = [this](int r, int c) {
    cursor_ = IndexOf((r + 8) % 9 + 1, (c + 8) % 9 + 1);
    return PlayResult{};
  };
  switch (key) {
    case BoardKey::kLeft: return moveTo(row, col - 1);
    case BoardKey::kRight: return moveTo(row, col + 1);
    case BoardKey::kUp: return moveTo(row - 1, col);
    case BoardKey::kDown: return moveTo(row + 1, col);
    case BoardKey::kRowStart: return moveTo(row, 1);
    case BoardKey::kRowEnd: return moveTo(row, 9);
    case BoardKey::kFirstCell: return moveTo(1, 1);
    case BoardKey::kLastCell: return moveTo(9, 9);
    case BoardKey::kActivate: return PressOn({row, col, 0, true}, palette, look);
    case BoardKey::kClear: return PressOn({row, col, 0, false}, palette, look);
    case BoardKey::kMenu: {
      // Only where a right press would open the menu, and with nothing else
      // a right press would do.
      if (marking_ || mode_ == DisplayMode::kNone || !menus_[cursor_]) return {};
      return PressOn({row, col, 0, false}, palette, look);
    }
    case BoardKey::kCandidate:
    case BoardKey::kStrikeCandidate:
      if (digit < 1 || digit > 9 || !Render(*this, look)[cursor_].subVisible[digit]) return {};
      return PressOn({row, col, digit, key == BoardKey::kCandidate}, palette, look);
  }
  return {};
}

PlayResult Game::CellCommand(int row, int col, std::string_view command) {
  if (row < 1 || row > 9 || col < 1 || col > 9 || !ApplyCellCommand(board_, row, col, command)) return {};
  return Settle(true);
}

// --- History ---

bool Game::ShowEntry(const std::string& line) {
  RestoreSnapshot(board_, line);
  return ShowRestored();
}

bool Game::ShowRestored() {
  ClearExplain();
  board_.MarkConflicts();
  if (mode_ == DisplayMode::kNone && selected_ == 0) SetDigitButtons(1);
  Redraw();
  RecountDigits();
  return true;
}

// Moving through the history shows an entry and never records one.
bool Game::StepTo(const std::string& line) {
  RestoreSnapshot(board_, line);
  history_.RewriteCurrent(board_);
  return ShowRestored();
}

bool Game::StepFirst() { return history_.count() > 0 && StepTo(history_.StepFirst()); }
bool Game::StepBack() { return history_.CanStepBack() && StepTo(history_.StepBack()); }
bool Game::StepNext() { return history_.CanStepForward() && StepTo(history_.StepNext()); }
bool Game::StepLast() { return history_.count() > 0 && StepTo(history_.StepLast()); }

void Game::StartBranch() { history_.StartBranch(board_); }
void Game::AcceptBranch() { history_.AcceptBranch(); }
bool Game::RejectBranch() { return history_.BranchOpen() && ShowEntry(history_.RejectBranch()); }

// --- Assistance ---

int Game::Hint() {
  ClearExplain();
  // No conflict check and no finish test: a hint never announces the end.
  const int cell = PlaceHint(board_, store_.GetSolution(), autoUpdate_);
  if (cell >= 0) {
    Redraw();
    paint_[cell][0] = kHintBackground;
    hintCell_ = cell;
  }
  RecountDigits();
  return cell;
}

std::vector<int> Game::WrongDigits() const { return tessel::WrongDigits(board_, store_); }

void Game::CheckErrors() {
  for (int i : WrongDigits()) ink_[i] = kWrongDigitFont;
}

Game::SolutionAnswer Game::SolutionToShow() const {
  SolutionAnswer a;
  a.first = store_.GetSolution();
  if (!a.first.empty()) return a;
  PuzzleTestResult test = TestPuzzle(board_);
  a.first = std::move(test.first);
  a.second = std::move(test.second);
  a.kind = test.code == kUnique        ? SolutionAnswer::kShow
           : test.code == kNotSolvable ? SolutionAnswer::kNotSolvable
                                       : SolutionAnswer::kSeveral;
  return a;
}

void Game::ShowSolution(std::string_view solution) {
  if (solution.size() != std::size_t(kCells)) return;
  FillFromSolution(board_, solution);
  ClearExplain();
  board_.MarkConflicts();
  Redraw();
}

void Game::FillEmptyLists() {
  bool anyEmpty = false;
  for (int i = 0; i < kCells; ++i) anyEmpty = anyEmpty || board_[i].text.empty();
  if (!anyEmpty) return;
  FillEmptyTexts(board_);
  Redraw();
}

std::string Game::PositionKey() const {
  return TakeSnapshot(board_) + (mode_ == DisplayMode::kNone ? "|digits" : "|lists");
}

std::optional<Game::ExplainJob> Game::NextExplainStage() {
  if (explainStage_ > 0 && explainedAt_ == PositionKey()) {
    // A step, or an answer without one: the second F4 shows it all.
    explainStage_ = 2;
    return std::nullopt;
  }
  ClearExplain();
  ExplainJob job;
  job.position = PositionOf(board_, mode_ != DisplayMode::kNone);
  job.solution = store_.GetSolution();
  // Uniqueness steps only where one solution is known for the givens.
  job.uniqueKnown = !job.solution.empty() && CountSolutions(board_.GivensString(), 2) == 1;
  if (job.solution.empty()) {
    const SolutionAnswer a = SolutionToShow();
    if (a.kind == SolutionAnswer::kShow) job.solution = a.first;
  }
  job.key = PositionKey();
  return job;
}

bool Game::TakeExplanation(const ExplainJob& job, Explanation e) {
  if (!AtPosition(job) || e.cancelled) return false;
  explanation_ = std::move(e);
  explainedAt_ = job.key;
  // A wrong digit, a solved board or no step: nothing to hint at first.
  const bool step = explanation_.kind == ExplainKind::kPlace || explanation_.kind == ExplainKind::kEliminate;
  explainStage_ = step && !explanation_.clue.empty() ? 1 : 2;
  return true;
}

Explanation Game::ExplainNextStep() {
  if (const auto job = NextExplainStage()) {
    ExplainOptions options;
    options.uniqueKnown = job->uniqueKnown;
    TakeExplanation(*job, Explain(job->position, job->solution, options));
  }
  return explanation_;
}

const std::string& Game::explained() const {
  static const std::string kNothing;
  if (explainStage_ == 0) return kNothing;
  return explainStage_ == 1 ? explanation_.clue : explanation_.sentence;
}

bool Game::CanApplyExplained() const {
  return explainStage_ > 0 && explainedAt_ == PositionKey() &&
         (explanation_.kind == ExplainKind::kPlace || explanation_.kind == ExplainKind::kEliminate);
}

PlayResult Game::ApplyExplained() {
  if (!CanApplyExplained()) return {};
  const Explanation e = explanation_;
  for (const Placement& p : e.placements) {
    Cell& c = board_[p.cell];
    if (c.state == kGiven) continue;
    c.text = std::string(1, char('0' + p.digit));
    c.state = kEntered;
    if (autoUpdate_) board_.RemoveFromPeers(RowOf(p.cell), ColOf(p.cell));
  }
  for (const Elimination& el : e.eliminations) {
    Cell& c = board_[el.cell];
    if (c.state == kOpen) c.text = RemoveDigit(c.text, char('0' + el.digit));
  }
  return Settle(true);
}

void Game::ClearExplain() {
  explanation_ = Explanation{};
  explainStage_ = 0;
  explainedAt_.clear();
}

// --- Drawing ---

namespace {

// What a screen reader says of a cell's state beside its name.
std::string DescribeCell(const Game& game, const CellView& n, int i) {
  std::vector<std::string> parts;
  if (game.board()[i].error) parts.push_back(ChooseText("Play", "conflict", "冲突"));
  if (game.ink()[i] != kNoPaint) parts.push_back(ChooseText("Play", "wrong digit", "错误数字"));
  if (game.hintCell() == i && game.paint()[i][0] == kHintBackground) parts.push_back(ChooseText("Play", "hint", "提示"));
  const auto& marks = game.marks()[i];
  if (marks[0] != kNoMark) parts.push_back(ChooseText("Play", "marked ", "标记为") + ColourName(marks[0]));
  for (int k = 1; k <= 9; ++k)
    if (n.subVisible[k] && marks[k] != kNoMark && marks[k] != marks[0])
      parts.push_back(ChooseText("Play", "candidate ", "候选数 ") + std::to_string(k) + ChooseText("Play", " marked ", " 标记为") +
                      ColourName(marks[k]));
  if (n.explain != kExplainNone) parts.push_back(ChooseText("Play", "in the explained step", "属于讲解的步骤"));
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : ", ") + p;
  return out;
}

}  // namespace

BoardView Render(const Game& game, const BoardLook& look) {
  const Board& board = game.board();
  BoardView view = BlankView();
  if (game.newLookShown() || game.mode() == DisplayMode::kAll)
    DrawAllCandidates(board, look, view);
  else if (game.mode() == DisplayMode::kOnlyOne)
    DrawFiltered(board, look, view, game.selectedDigit());
  else
    DrawDigitsOnly(board, look, view);

  ApplyMarks(board, look, game.selectedDigit(), game.marks(), view);
  if (game.plainColours()) {
    // The new look paints the cells in their box colours, without marks or
    // highlight, and open cells' squares in their cell's colour; the hidden
    // squares of placed cells keep what they had.
    for (int i = 0; i < kCells; ++i) {
      const Cell& c = board[i];
      view[i].color = c.error ? look.errorcolor : look.ParityColor(RowOf(i), ColOf(i));
      if (c.state == kOpen) view[i].setcolor(view[i].color);
    }
  } else {
    RestoreEntryFonts(board, game.store(), look, view);
  }

  static const Explanation kNone;
  const Explanation& e = game.explanationFramed() ? game.explanation() : kNone;
  for (int i = 0; i < kCells; ++i) {
    CellView& n = view[i];
    const auto& paint = game.paint()[i];
    if (paint[0] != kNoPaint) n.color = paint[0];
    for (int k = 1; k <= 9; ++k)
      if (paint[k] != kNoPaint) n.subColor[k] = paint[k];
    if (game.ink()[i] != kNoPaint) n.fontColor = game.ink()[i];
    n.popupAssigned = game.menuAssigned(i);
  }
  if (game.keyboardPlay()) view[game.cursor()].cursor = true;
  for (int c : e.proof) view[c].explain = kExplainProof;
  for (int c : e.changes) view[c].explain = kExplainChange;
  for (const auto& p : e.placements) {
    view[p.cell].explain = kExplainPlace;
    view[p.cell].explainDigits |= std::uint16_t(1u << (p.digit - 1));
  }
  for (const auto& el : e.eliminations) view[el.cell].explainDigits |= std::uint16_t(1u << (el.digit - 1));
  NameCells(board, view);
  for (int i = 0; i < kCells; ++i) view[i].description = DescribeCell(game, view[i], i);
  return view;
}

std::string HoverHint(const Game& game, int row, int col, int sub) {
  const Cell& c = game.board().at(row, col);
  if (game.marking())
    return ChooseText("Play", "Mark color with the left button,Clear the marked color with the right button.",
                      "左键标记颜色，右键清除标记的颜色.");
  if (sub != 0)
    return ChooseText("Play", "Left click sets the selected Candidature as Bignumber, right click deletes such Candidature.",
                      "左键设定选择的数为大数,右键删除选择的候选数.");
  switch (game.mode()) {
    case DisplayMode::kNone:
      if (c.state == kEntered || c.state == kOpen)
        return ChooseText("Play", "Set Bignumber with the left button, clear Bignumber with the right button.",
                          "鼠标左键设定数字，右键清除.");
      break;
    case DisplayMode::kAll:
      if (c.state == kEntered)
        return ChooseText("Play", "Cancel the bignumber with the left button.Pop up the shortcut menu with the right button.",
                          "左键取消设置的大数,右键打开快捷菜单..");
      if (c.state == kOpen) return ChooseText("Play", "Pop up the shortcut menu with the right button.", "右键打开快捷菜单.");
      break;
    case DisplayMode::kOnlyOne:
      if (c.state != kGiven && game.menuAssigned(IndexOf(row, col)))
        return ChooseText("Play", "Pop up the shortcut menu with the right button.", "右键打开快捷菜单.");
      break;
  }
  return {};
}

std::array<int, 9> CountPlacedDigits(const Board& board) {
  std::array<int, 9> counts{};
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    if (c.state == kOpen || c.text.size() != 1 || !IsDigitChar(c.text[0])) continue;
    int& n = counts[c.text[0] - '1'];
    n = std::min(n + 1, 9);
  }
  return counts;
}

}  // namespace tessel
