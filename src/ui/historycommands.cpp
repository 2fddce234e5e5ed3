// The step buttons and the trial branch: the game moves, the window shows it.
#include "ui/mainwindow.hpp"

namespace tessel::ui {

void TForm1::Step(bool (Game::*step)()) {
  (game_.*step)();
  Refresh();
}

void TForm1::tbfirstClick() { Step(&Game::StepFirst); }
void TForm1::tbbackClick() { Step(&Game::StepBack); }
void TForm1::tbnextClick() { Step(&Game::StepNext); }
void TForm1::tblastClick() { Step(&Game::StepLast); }

void TForm1::b1Click() {
  game_.StartBranch();
  Refresh();
}

void TForm1::b2Click() {
  game_.AcceptBranch();
  Refresh();
}

void TForm1::b3Click() { Step(&Game::RejectBranch); }

}  // namespace tessel::ui
