// The main window's side of the move history: recording, the four step
// buttons and the trial branch.
#include <QAction>
#include <QRadioButton>

#include "ui/mainwindow.hpp"

namespace tessel::ui {

void TForm1::RecordStep() { game_.RecordStep(); }

void TForm1::UpdateStepButtons() {
  // An empty list has nowhere to go either way.
  const bool back = game_.history().CanStepBack();
  const bool forward = game_.history().CanStepForward();
  tbback->setEnabled(back);
  tbfirst->setEnabled(back);
  tbnext->setEnabled(forward);
  tblast->setEnabled(forward);
}

void TForm1::ResetHistory() { game_.ResetHistory(); }

void TForm1::RedrawRestored() {
  if (game_.mode() == DisplayMode::kNone) {
    sd991->DrawDigitsOnly();
    if (SelectedDigit() == 0) SetDigitButtons(1);
    HighlightSelected();
  } else if (game_.mode() == DisplayMode::kAll) {
    sd991->DrawAllCandidates();
  } else {
    sd991->DrawFiltered(SelectedDigit());
  }
}

void TForm1::ShowStep(bool (Game::*step)()) {
  // The 81 cells change in one visible step.
  UpdateGuard guard(*sd991);
  if (!(game_.*step)()) return;
  RedrawRestored();
  UpdateStepButtons();
  HighlightSelected();
  ApplyMarks();
  RecountDigits();
}

void TForm1::StepFirst() { ShowStep(&Game::StepFirst); }
void TForm1::StepBack() { ShowStep(&Game::StepBack); }
void TForm1::StepNext() { ShowStep(&Game::StepNext); }
void TForm1::StepLast() { ShowStep(&Game::StepLast); }

void TForm1::tbfirstClick() { StepFirst(); }
void TForm1::tbbackClick() { StepBack(); }
void TForm1::tbnextClick() { StepNext(); }
void TForm1::tblastClick() { StepLast(); }

// --- Trial branch ---

void TForm1::b1Click() {
  b1->setEnabled(false);
  b2->setEnabled(true);
  b3->setEnabled(true);
  game_.StartBranch();
}

void TForm1::b2Click() {
  b1->setEnabled(true);
  b2->setEnabled(false);
  b3->setEnabled(false);
  game_.AcceptBranch();
}

void TForm1::b3Click() {
  b1->setEnabled(true);
  b2->setEnabled(false);
  b3->setEnabled(false);
  UpdateGuard guard(*sd991);
  if (!game_.RejectBranch()) return;
  RedrawRestored();
  // Records the branch point after the position the cursor stands on.
  RecountDigits();
  ApplyMarks();
}

}  // namespace tessel::ui
