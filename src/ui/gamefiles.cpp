// The main window's side of saved games, the last game and the replays.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>

#include <memory>

#include "core/gamefile.hpp"
#include "core/gamestore.hpp"
#include "core/textfile.hpp"
#include "ui/gamelist.hpp"
#include "ui/mainwindow.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

// --- Saved games ---

void TForm1::SaveCurrentBoard1Click() {
  auto frmsave = std::make_unique<Tfrmsave>(*this, this);
  if (!frmsave->loaded()) {
    // An unreadable games.dat is never replaced by an empty list.
    prompts_.Notice(this, frmsave->loadError());
    return;
  }
  frmsave->SetItemIndex(sd991->board().nd);
  runModal_(*frmsave);
}

void TForm1::ToolButton1Click() {
  auto frmsave = std::make_unique<Tfrmsave>(*this, this);
  if (!frmsave->loaded()) {
    prompts_.Notice(this, frmsave->loadError());
    return;
  }
  if (!frmgamelist) frmgamelist = new Tfrmgamelist(*this, this);
  frmgamelist->Attach(frmsave.get());
  frmgamelist->FillGameList();
  runModal_(*frmgamelist);
  frmgamelist->Attach(nullptr);
}

bool TForm1::OpenGame(const std::vector<std::string>& lines, const std::string& name) {
  const int n = FindGame(lines, name);
  if (n == 0) {
    ClearGame();
    ShowNoGame();
    return true;
  }
  {
    UpdateGuard guard(*sd991);
    try {
      // A record that does not read whole leaves the game in play as it was.
      game_.OpenRecord(lines, n);
    } catch (const GameDataError& e) {
      prompts_.Notice(this, QString::fromLocal8Bit(e.what()));
      return false;
    }
    PaintBaseColours(true);
  }
  sd991->setEnabled(true);
  ShowFinishedMark();
  RecountDigits();
  PressDigitButton(1);
  disnote1Click();
  ndtxt->setText(QString::fromStdString(LevelText(sd991->board().nd)));
  ResetHistory();
  tbback->setEnabled(false);
  tbfirst->setEnabled(false);
  tbnext->setEnabled(false);
  tblast->setEnabled(tbnext->isEnabled());
  TimeLabel1->setTimerenabled(true);
  TimeLabel1->setMS(0);
  TimeLabel1->setTimeinterval(1000);
  game_.history().AbandonBranch();
  b1->setEnabled(true);
  b2->setEnabled(false);
  b3->setEnabled(false);
  return true;
}

void TForm1::PlayImportedPuzzle(const Board& editor, std::string_view solution) {
  UpdateGuard guard(*sd991);
  ClearGame();
  game_.ImportPuzzle(editor, solution);
  StartGame(false);
  RecountDigits();
  SpeedButton1Click();
  chkcolor->setChecked(false);
  rb_none->setChecked(true);
  PressDigitButton(1);
  disnote1Click();
  ResetHistory();
  DisableStepButtons();
  TimeLabel1->setTimerenabled(true);
  TimeLabel1->setMS(0);
  sd991->setEnabled(true);
  ndtxt->setText(QString::fromStdString(LevelText(kUnknownLevel)));
  sd991->setNd(kUnknownLevel);
}

// --- Game files ---

bool TForm1::WriteGameFile(const QString& path) {
  std::string error;
  if (WriteGameFileAt(LocalPath(path), sd991->board(), game_.store(), game_.history(), &error)) return true;
  lastWriteError = QString::fromLocal8Bit(error);
  return false;
}

void TForm1::LoadGameFile(const QString& path) {
  // The whole file is read and checked before anything changes.
  const ReadResult read = ReadWholeFile(LocalPath(path));
  if (!read.ok)
    throw GameDataError(read.error.empty() ? "Cannot open file \"" + LocalPath(path) + "\"" : read.error);
  const GameFile file = ParseGameFile(read.bytes);

  UpdateGuard guard(*sd991);
  ClearGame();
  SpeedButton1Click();
  chkcolor->setChecked(false);
  rb_none->setChecked(true);
  PressDigitButton(1);
  game_.LoadGameFile(file);
  sd991->setEnabled(true);
  ShowFinishedMark();
  b1->setEnabled(true);
  b2->setEnabled(false);
  b3->setEnabled(false);
  ndtxt->setText(QString::fromStdString(LevelText(file.level)));
  RedrawRestored();
  HighlightSelected();
  ApplyMarks();
  RecountDigits();
  TimeLabel1->setTimerenabled(true);
  TimeLabel1->setMS(0);
}

void TForm1::SaveReplay() {
  const std::optional<QString> path = prompts_.SaveFile(this, dataFolder + QStringLiteral("replay"), QString());
  if (!path) return;
  if (QFileInfo::exists(*path) &&
      !prompts_.Ask(this, CT("This File name already exits,OK to overwrite it?", "已存在同名文件，是否覆盖？")))
    return;
  if (!WriteGameFile(*path)) prompts_.Notice(this, lastWriteError);
}

void TForm1::LoadReplay() {
  const bool running = TimeLabel1->timerenabled();
  TimeLabel1->setTimerenabled(false);
  const std::optional<QString> path = prompts_.OpenFile(this, dataFolder + QStringLiteral("replay"), QString());
  if (!path) {
    TimeLabel1->setTimerenabled(running);
    return;
  }
  try {
    LoadGameFile(*path);
  } catch (const std::exception& e) {
    // The standard error box; the game in play and its clock stay as they were.
    prompts_.Notice(this, QString::fromLocal8Bit(e.what()));
    TimeLabel1->setTimerenabled(running);
  }
}

void TForm1::ContinueLastGame() {
  const QString path = dataFolder + QStringLiteral("lastgame.dat");
  if (!QFileInfo::exists(path)) return;
  try {
    LoadGameFile(path);
  } catch (const std::exception&) {
    // Continue fails silently, and the game in play stays.
  }
}

void TForm1::Con1Click() { ContinueLastGame(); }
void TForm1::savetClick() { SaveReplay(); }
void TForm1::objectSaveGameStepByStep1TMenuItem1Click() { LoadReplay(); }

}  // namespace tessel::ui
