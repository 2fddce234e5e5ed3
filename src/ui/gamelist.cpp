// The save dialog and the game list; the records themselves are handled by
// core/gamestore.
#include "ui/gamelist.hpp"

#include <algorithm>

#include <QButtonGroup>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QDir>
#include <QLockFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "core/gamestore.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {

namespace {

// Names keep their bytes: the grid shows them decoded and holds the original.
constexpr int kRawNameRole = Qt::UserRole + 1;

int g_lockWaitMs = 3000;

QString GoneText(const std::string& name) {
  return Tfrmgamelist::tr("The game \"%1\" is no longer in your list.").arg(QString::fromStdString(name));
}

}  // namespace

// --- Tfrmsave ---

Tfrmsave::Tfrmsave(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmsave"));
  setWindowTitle(tr("Save Your Game"));
  setFixedSize(357, 263);
  Label1 = new QLabel(tr("Name of Your Game:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(16, 16, 200, 20);
  Edit1 = new QLineEdit(tr("New Game"), this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(16, 40, 320, 24);
  Label1->setBuddy(Edit1);  // the label names the box for screen readers
  Edit1->setToolTip(tr("The name the game is listed under"));
  RadioGroup1 = new QGroupBox(tr("Game Level"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(16, 76, 320, 124);
  RadioButtons = new QButtonGroup(this);
  auto* grid = new QGridLayout(RadioGroup1);
  // The level names the game list shows, in the window's language.
  for (int i = 0; i < 6; ++i) {
    auto* rb = new QRadioButton(QString::fromStdString(GameLevelText(i)), RadioGroup1);
    rb->setObjectName(QStringLiteral("Level%1").arg(i));
    RadioButtons->addButton(rb, i);
    rb->setToolTip(tr("The level listed with the game"));
    // Two columns, filled top to bottom.
    grid->addWidget(rb, i % 3, i / 3);
  }
  SetItemIndex(5);
  Button1 = new QPushButton(tr("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(96, 220, 75, 25);
  Button2 = new QPushButton(tr("Cancel"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(186, 220, 75, 25);
  Button1->setToolTip(tr("Save the board under this name"));
  Button2->setToolTip(tr("Close without saving"));
  connect(Button1, &QPushButton::clicked, this, &Tfrmsave::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  Reload();
}

bool Tfrmsave::Reload() {
  GamesFileLoad load = LoadGamesFile(QFile::encodeName(path()).toStdString());
  loaded_ = load.ok;
  loadError_ = QString::fromLocal8Bit(load.error);
  Gamelist = std::move(load.lines);
  return loaded_;
}

void Tfrmsave::SetLockWaitForTesting(int ms) { g_lockWaitMs = ms; }

bool Tfrmsave::ChangeGames(const GamesChange& change) {
  QLockFile lock(session_.DataFolder() + QStringLiteral("games.dat.lock"));
  if (!lock.tryLock(g_lockWaitMs)) {
    session_.prompts().Notice(
        this, lock.error() == QLockFile::LockFailedError
                  ? tr("Another copy of Sudoku Tessel is changing your saved games. "
                       "Nothing was changed; please try again.")
                  : tr("Your saved games cannot be changed: the folder %1 cannot be written to.")
                        .arg(QDir::toNativeSeparators(session_.DataFolder())));
    return false;
  }
  if (!Reload()) {
    session_.prompts().Notice(this, loadError_);
    return false;
  }
  std::vector<std::string> next = Gamelist;
  QString why;
  if (!change(next, why)) {
    if (!why.isEmpty()) session_.prompts().Notice(this, why);
    return false;
  }
  std::string error;
  if (!tessel::WriteGamesFile(QFile::encodeName(path()).toStdString(), next, &error)) {
    session_.prompts().Notice(this, QString::fromLocal8Bit(error));
    return false;
  }
  Gamelist = std::move(next);
  return true;
}

QString Tfrmsave::path() const { return session_.DataFolder() + QStringLiteral("games.dat"); }

int Tfrmsave::ItemIndex() const { return RadioButtons->checkedId(); }

void Tfrmsave::SetItemIndex(int level) {
  if (QAbstractButton* b = RadioButtons->button(level)) b->setChecked(true);
}

void Tfrmsave::Button1Click() {
  Memo1 = BuildBoardLines(session_.game().board());
  // A pasted line break would split the record: it becomes a blank.
  const std::string name = CleanGameName(Edit1->text().toStdString());
  // The question comes before the lock, so another copy is never kept
  // waiting on it.
  Reload();
  const bool overwrite = FindGame(Gamelist, name) != 0;
  if (overwrite && !session_.prompts().Ask(this, CT("This Game board name already exits,OK to overwrite it?",
                                                 "游戏名称已存在，是否覆盖？"))) {
    accept();
    return;
  }
  const bool saved = ChangeGames([&](std::vector<std::string>& lines, QString& why) {
    if (!overwrite && FindGame(lines, name) != 0) {
      why = tr("Another copy of Sudoku Tessel has just saved a game named \"%1\". Nothing was saved; "
               "please save again.")
                .arg(QString::fromStdString(name));
      return false;
    }
    std::string error;
    if (SaveGameRecord(lines, name, ItemIndex(), session_.game().store().GetSolution(), Memo1, &error)) return true;
    why = tr("Your game was not saved: games.dat is damaged (%1). Repair or move the file, then "
             "save again.")
              .arg(QString::fromStdString(error));
    return false;
  });
  // The notice only once the game is on disk where the list finds it.
  if (saved && FindGame(Gamelist, name) != 0) session_.prompts().Notice(this, CT("Game has been saved", "保存成功"));
  accept();
}

// --- Tfrmgamelist ---

Tfrmgamelist::Tfrmgamelist(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmgamelist"));
  setWindowTitle(tr("Choose a sudoku"));
  setFixedSize(377, 335);
  StringGrid1 = new QTableWidget(1, 2, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setGeometry(8, 8, 361, 280);
  StringGrid1->setHorizontalHeaderLabels({CT("Game Name", "游戏存档名"), CT("Difficulty", "难度")});
  StringGrid1->setColumnWidth(0, 217);
  StringGrid1->setColumnWidth(1, 116);
  StringGrid1->verticalHeader()->setVisible(false);
  StringGrid1->verticalHeader()->setDefaultSectionSize(20);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->setAccessibleName(tr("Saved games"));
  StringGrid1->setToolTip(tr("Your saved games; double-click one to play it"));
  SetRow(0, std::string(), QString());

  const char* const names[] = {"Button1", "Button2", "Button3", "Button4"};
  const QString texts[] = {tr("Delete"), tr("Rename"), tr("OK"),
                           tr("Cancel")};
  const QString tips[] = {tr("Delete the selected game"), tr("Rename the selected game"),
                          tr("Play the selected game"), tr("Close the list")};
  QPushButton** buttons[] = {&Button1, &Button2, &Button3, &Button4};
  for (int i = 0; i < 4; ++i) {
    *buttons[i] = new QPushButton(texts[i], this);
    (*buttons[i])->setObjectName(QString::fromLatin1(names[i]));
    (*buttons[i])->setGeometry(8 + i * 92, 300, 84, 25);
    (*buttons[i])->setToolTip(tips[i]);
  }
  connect(Button1, &QPushButton::clicked, this, &Tfrmgamelist::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrmgamelist::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrmgamelist::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this] { Button3Click(); });
}

void Tfrmgamelist::SetRow(int row, const std::string& name, const QString& difficulty) {
  auto* nameItem = new QTableWidgetItem(QString::fromStdString(name));
  nameItem->setData(kRawNameRole, QByteArray::fromStdString(name));
  StringGrid1->setItem(row, 0, nameItem);
  StringGrid1->setItem(row, 1, new QTableWidgetItem(difficulty));
}

int Tfrmgamelist::FillGameList() {
  // The data row under the header keeps what it held.
  StringGrid1->setRowCount(1);
  if (!store_) return 0;
  std::string error;
  const std::vector<GameListRow> rows = ListGames(store_->games(), &error);
  StringGrid1->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
  for (int k = 0; k < static_cast<int>(rows.size()); ++k)
    SetRow(k, rows[k].name, QString::fromStdString(rows[k].difficulty));
  StringGrid1->setCurrentCell(0, 0);
  if (!error.empty()) session_.prompts().Notice(this, QString::fromLocal8Bit(error));
  return static_cast<int>(rows.size());
}

void Tfrmgamelist::Refresh() {
  const int row = StringGrid1->currentRow();
  // After a change the row under the header never shows a game that is gone.
  if (FillGameList() == 0) SetRow(0, std::string(), QString());
  StringGrid1->setCurrentCell(std::clamp(row, 0, StringGrid1->rowCount() - 1), 0);
}

std::string Tfrmgamelist::SelectedName() const {
  const int row = StringGrid1->currentRow();
  const QTableWidgetItem* item = row >= 0 ? StringGrid1->item(row, 0) : nullptr;
  return item ? item->data(kRawNameRole).toByteArray().toStdString() : std::string();
}

void Tfrmgamelist::Button1Click() {
  const std::string name = SelectedName();
  if (name.empty() || !store_) return;
  if (!session_.prompts().Ask(this, CT("OK to delete it?", "确定要删除吗?"))) return;
  // Gone already (another copy deleted it): nothing to write.
  store_->ChangeGames(
      [&](std::vector<std::string>& lines, QString&) { return DeleteGame(lines, name); });
  Refresh();
}

void Tfrmgamelist::Button2Click() {
  if (!store_) return;
  for (;;) {
    const std::string old = SelectedName();
    const QString oldText = QString::fromStdString(old);
    const QString answer =
        session_.prompts().Input(this, CT("Sudoku", "数独"), CT("Enter New Game Name", "输入数独题目名"), oldText)
            .value_or(oldText);
    // An unchanged text keeps the stored bytes, whatever their encoding.
    if (answer == oldText) return;
    const std::string name = CleanGameName(answer.toStdString());
    if (name == old) return;
    bool taken = false;
    store_->ChangeGames([&](std::vector<std::string>& lines, QString& why) {
      if (FindGame(lines, name) != 0) {
        taken = true;
        return false;
      }
      // An empty row has no record behind it: nothing to rename.
      if (RenameGame(lines, old, name)) return true;
      if (!old.empty()) why = GoneText(old);
      return false;
    });
    Refresh();
    if (!taken) return;
    session_.prompts().Notice(this, CT("This Game board name already exits", "该名称已存在,请重新命名."));
  }
}

void Tfrmgamelist::Button3Click() {
  if (!store_) return;
  const std::string name = SelectedName();
  // Another copy may have deleted or replaced it since the list was filled.
  if (!store_->Reload()) {
    session_.prompts().Notice(this, store_->loadError());
    return;
  }
  const int n = FindGame(store_->games(), name);
  if (!name.empty() && n == 0) {
    session_.prompts().Notice(this, GoneText(name));
    Refresh();
    return;
  }
  Game& game = session_.game();
  if (n == 0) {
    // An empty row: the board is cleared and nothing is opened.
    game.Clear();
  } else {
    try {
      game.OpenRecord(store_->games(), n);
    } catch (const GameDataError& e) {
      // A record that does not read whole leaves the game in play as it was.
      session_.prompts().Notice(this, QString::fromLocal8Bit(e.what()));
      return;
    }
  }
  session_.Refresh();
  accept();
}

}  // namespace tessel::ui
