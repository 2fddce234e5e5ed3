// The main window's side of saved games, the last game and the replays.
#include <QFile>
#include <QFileInfo>

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
  frmsave->SetItemIndex(game_.board().nd);
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

// --- Game files ---

bool TForm1::WriteGameFile(const QString& path) {
  std::string error;
  if (WriteGameFileAt(LocalPath(path), game_.board(), game_.store(), game_.history(), &error)) return true;
  lastWriteError = QString::fromLocal8Bit(error);
  return false;
}

void TForm1::LoadGameFile(const QString& path) {
  // The whole file is read and checked before anything changes.
  const ReadResult read = ReadWholeFile(LocalPath(path));
  if (!read.ok)
    throw GameDataError(read.error.empty() ? tr("Cannot open file \"%1\"").arg(path).toLocal8Bit().toStdString()
                                           : read.error);
  const GameFile file = ParseGameFile(read.bytes);

  game_.LoadGameFile(file);
  Refresh();
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
  // The clock waits while the player picks a file.
  const bool running = game_.clockRunning();
  game_.SetClockRunning(false);
  Refresh();
  const std::optional<QString> path = prompts_.OpenFile(this, dataFolder + QStringLiteral("replay"), QString());
  try {
    if (path) {
      LoadGameFile(*path);
      return;
    }
  } catch (const std::exception& e) {
    // The standard error box; the game in play and its clock stay as they were.
    prompts_.Notice(this, QString::fromLocal8Bit(e.what()));
  }
  game_.SetClockRunning(running);
  Refresh();
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
