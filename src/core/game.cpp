#include "core/game.hpp"

#include "core/play.hpp"

namespace tessel {

void Game::Clear() {
  store_.ClearValues();
  for (int i = 0; i < kCells; ++i) {
    board_[i].state = kOpen;
    board_[i].text.clear();
  }
  ClearMarks();
}

void Game::ClearMarks() {
  for (auto& entry : marks_) entry.fill(kNoMark);
}

bool Game::Show(const std::string& line) {
  RestoreSnapshot(board_, line);
  board_.MarkConflicts();
  return true;
}

bool Game::StepFirst() { return history_.count() > 0 && Show(history_.StepFirst()); }
bool Game::StepBack() { return history_.CanStepBack() && Show(history_.StepBack()); }
bool Game::StepNext() { return history_.CanStepForward() && Show(history_.StepNext()); }
bool Game::StepLast() { return history_.count() > 0 && Show(history_.StepLast()); }

bool Game::RejectBranch() { return history_.BranchOpen() && Show(history_.RejectBranch()); }

int Game::Hint(bool autoUpdate) { return PlaceHint(board_, store_.GetSolution(), autoUpdate); }

std::vector<int> Game::WrongDigits() const { return tessel::WrongDigits(board_, store_); }

void Game::Restart() {
  RestartBoard(board_);
  board_.MarkConflicts();
}

}  // namespace tessel
