// Renders the main window after a seeded deal, offscreen, to PNG files at
// device pixel ratio 1 and 2: screenshot PATH [--level N] [--seed N]
// [--dialogs DIR] [--explain PATH]. The picture shows a game in progress:
// all candidates, digit 7 selected, a marked cell and a marked candidate.
// With --dialogs, every dialog is drawn into DIR as well, over the same game;
// with --explain, Explain Next Step on an X-Wing goes to PATH.
#include <functional>

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QDir>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/explain.hpp"
#include "core/solver.hpp"
#include "core/layouts.hpp"
#include "ui/gamelist.hpp"
#include "ui/importdialogs.hpp"
#include "ui/language.hpp"
#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"

namespace {

bool Save(QWidget& w, const QString& path) {
  QApplication::processEvents();
  if (!w.grab().save(path)) {
    std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// Each dialog the window opens, drawn as it first appears.
bool DrawDialogs(tessel::ui::TForm1& window, const QString& dir) {
  using namespace tessel::ui;
  QDir().mkpath(dir);
  bool ok = true;
  auto action = [&window](const char* name) { return window.findChild<QAction*>(QLatin1String(name)); };
  // Two saved games, so the game list has rows.
  for (const char* name : {"Sunday morning", "Train home"}) {
    window.SetModalRunner([&](QDialog& d) {
      d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::fromUtf8(name));
      d.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    action("SaveCurrentBoard1")->trigger();
  }
  const struct {
    QAction* action;
    const char* file;
  } shots[] = {{action("SaveCurrentBoard1"), "save.png"},       {action("ToolButton1"), "gamelist.png"},
               {action("ToolButton12"), "print.png"},           {action("CopyPuzzleToClipboard1"), "copy.png"},
               {action("appearance1"), "appearance.png"}};
  for (const auto& shot : shots) {
    window.SetModalRunner([&](QDialog& d) {
      d.show();
      ok = Save(d, dir + "/" + shot.file) && ok;
      d.reject();
    });
    shot.action->trigger();
  }
  Tfrm_new& create = ImportDialog(window);
  create.show();
  ok = Save(create, dir + "/create.png") && ok;
  auto* import = create.findChild<TfrmImport*>();
  import->show();
  import->findChild<QPushButton*>(QStringLiteral("Button5"))->click();  // an example in the text box
  ok = Save(*import, dir + "/import.png") && ok;
  import->hide();
  create.hide();
  return ok;
}

// The game's puzzle walked by the easiest steps, from full candidate lists,
// until `wanted` takes a step; that position goes on the board with its
// lists, in mode All. False when the walk ends first.
bool WalkTo(tessel::ui::TForm1& window, const std::function<bool(const tessel::Explanation&)>& wanted,
            tessel::Explanation* found) {
  using namespace tessel;
  Game& game = window.game();
  const std::string solution = game.store().GetSolution();
  Position pos = PositionOf(game.board(), false);
  for (int c = 0; c < kCells; ++c)
    if (!pos.value[c]) pos.lists[c] = 0x1FF;
  for (int steps = 0; steps < 300; ++steps) {
    const Explanation e = Explain(pos, solution, {.uniqueKnown = true});
    if (e.kind != ExplainKind::kPlace && e.kind != ExplainKind::kEliminate) return false;
    if (wanted(e)) {
      for (int c = 0; c < kCells; ++c) {
        Cell& cell = game.board()[c];
        if (cell.state == kGiven) continue;
        cell.state = pos.value[c] ? kEntered : kOpen;
        cell.text.clear();
        for (int d = 1; d <= 9; ++d)
          if (pos.value[c] == d || (!pos.value[c] && (pos.lists[c] >> (d - 1) & 1))) cell.text += char('0' + d);
      }
      game.RecountDigits();
      // Through None and back to All: the board redraws from the new lists.
      window.findChild<QRadioButton*>("rb_none")->click();
      window.findChild<QRadioButton*>("rb_all")->click();
      *found = e;
      return true;
    }
    for (const auto& pl : e.placements) {
      pos.value[pl.cell] = static_cast<std::uint8_t>(pl.digit);
      for (int q : PeersOf(pl.cell)) pos.lists[q] &= ~(1u << (pl.digit - 1));
    }
    for (const auto& el : e.eliminations) pos.lists[el.cell] &= ~(1u << (el.digit - 1));
  }
  return false;
}

// F4 twice: the clue first, then the whole step with its frames.
bool ExplainAndSave(tessel::ui::TForm1& window, const QString& path) {
  window.findChild<QAction*>("ExplainNextStep1")->trigger();
  window.findChild<QAction*>("ExplainNextStep1")->trigger();
  return Save(window, path);
}

// Deals Tough games until the walk reaches an X-Wing, with its digit chosen
// so that its placed cells light up too.
bool DrawExplainedXWing(tessel::ui::TForm1& window, const QString& path) {
  using namespace tessel;
  Explanation e;
  for (unsigned seed = 1; seed < 2000; ++seed) {
    window.SetSeedSource([seed] { return seed; });
    window.NewGame(kTough);
    if (!WalkTo(window, [](const Explanation& x) { return x.technique == Technique::kXWing; }, &e)) continue;
    window.findChild<QToolButton*>(QStringLiteral("disnote%1").arg(e.eliminations.front().digit))->click();
    return ExplainAndSave(window, path);
  }
  std::fprintf(stderr, "screenshot: no X-Wing found\n");
  return false;
}

// The first position of the hardest sample whose walk reaches a forcing
// chain short enough to read in the status bar.
bool DrawForcingChain(tessel::ui::TForm1& window, const QString& path) {
  using namespace tessel;
  QFile sample(QStringLiteral("tests/data/puzzles/hardest.txt"));
  if (!sample.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "screenshot: run from the source folder (tests/data/puzzles/hardest.txt)\n");
    return false;
  }
  const auto shortForcing = [](const Explanation& x) {
    const bool forcing = x.technique == Technique::kCellForcingChain ||
                         x.technique == Technique::kRegionForcingChain ||
                         x.technique == Technique::kDynamicForcingChain;
    return forcing && x.sentence.size() <= 175;
  };
  while (!sample.atEnd()) {
    const std::string puzzle = sample.readLine().left(81).toStdString();
    std::string solution;
    if (puzzle.size() != 81 || CountSolutions(puzzle, 2, &solution) != 1) continue;
    Board editor;
    LoadDigitString(puzzle, editor);
    window.game().ImportPuzzle(editor, solution);
    window.Refresh();
    Explanation e;
    if (WalkTo(window, shortForcing, &e)) return ExplainAndSave(window, path);
  }
  std::fprintf(stderr, "screenshot: no short forcing chain found\n");
  return false;
}

// Keyboard Play on a Gentle game in mode All: the cursor on an open cell
// next to a highlighted digit and a marked cell.
bool DrawKeyboardPlay(tessel::ui::TForm1& window, const QString& path) {
  window.NewGame(tessel::kGentle);
  window.findChild<QAction*>("KeyboardPlay1")->trigger();
  auto* board = window.findChild<tessel::TPICSD33*>(QStringLiteral("sd991"));
  board->setFocus();
  QApplication::processEvents();
  QTest::keyClick(board, Qt::Key_F2);
  QTest::keyClick(board, Qt::Key_5);
  int open = 0;
  while (window.game().board()[open].state != tessel::kOpen) ++open;
  QTest::keyClick(board, Qt::Key_Home, Qt::ControlModifier);
  for (int r = 1; r < tessel::RowOf(open); ++r) QTest::keyClick(board, Qt::Key_Down);
  for (int c = 1; c < tessel::ColOf(open); ++c) QTest::keyClick(board, Qt::Key_Right);
  return Save(window, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;  // keep the player's data folder out of it
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  QApplication app(argc, argv);

  QString out = "docs/screenshot.png";
  int level = 3;
  unsigned seed = 20261206;
  QString dialogs, explain, keyboard, forcing, language = QStringLiteral("en");
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--explain" && i + 1 < argc)
      explain = QString::fromLocal8Bit(argv[++i]);
    else if (a == "--lang" && i + 1 < argc)
      language = QString::fromLocal8Bit(argv[++i]);
    else if (a == "--forcing" && i + 1 < argc)
      forcing = QString::fromLocal8Bit(argv[++i]);
    else if (a == "--keyboard" && i + 1 < argc)
      keyboard = QString::fromLocal8Bit(argv[++i]);
    else if (a == "--dialogs" && i + 1 < argc)
      dialogs = QString::fromLocal8Bit(argv[++i]);
    else if (a == "--level" && i + 1 < argc)
      level = std::atoi(argv[++i]);
    else if (a == "--seed" && i + 1 < argc)
      seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    else
      out = QString::fromLocal8Bit(argv[i]);
  }

  tessel::ui::UseLanguage(tessel::ui::PickLanguage(language));
  // Notices are only recorded: nothing may wait for a click here.
  tessel::ui::ScriptedPrompts prompts;
  prompts.SetUnexpectedHandler([](const QString&) {});
  tessel::ui::TForm1 window(prompts);
  window.SetSeedSource([seed] { return seed; });
  window.show();
  window.NewGame(level);
  auto child = [&window](const char* name) { return window.findChild<QAbstractButton*>(QLatin1String(name)); };
  child("rb_all")->setChecked(true);
  child("disnote7")->click();
  auto* colours = window.findChild<tessel::TColorGrid*>(QStringLiteral("ColorGrid1"));
  // Mark the first two open cells: one whole cell, one candidate.
  int marked = 0;
  child("chkcolor")->setChecked(true);
  for (int i = 0; i < tessel::kCells && marked < 2; ++i) {
    const tessel::Cell& c = window.game().board()[i];
    if (c.state != tessel::kOpen || c.text.size() < 2) continue;
    if (marked == 0) {
      colours->setForegroundIndex(11);  // yellow
      window.CellMouseDown(c.row, c.col, Qt::LeftButton);
    } else {
      colours->setForegroundIndex(14);  // aqua
      window.CandidateMouseDown(c.row, c.col, c.text[0] - '0', Qt::LeftButton);
    }
    ++marked;
  }
  child("chkcolor")->setChecked(false);
  QApplication::processEvents();

  for (int ratio : {1, 2}) {
    QPixmap pm(window.size() * ratio);
    pm.setDevicePixelRatio(ratio);
    window.render(&pm);
    QString path = out;
    if (ratio == 2) path.replace(".png", "@2x.png");
    if (!pm.save(path)) {
      std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  if (!dialogs.isEmpty() && !DrawDialogs(window, dialogs)) return 1;
  if (!explain.isEmpty() && !DrawExplainedXWing(window, explain)) return 1;
  if (!keyboard.isEmpty() && !DrawKeyboardPlay(window, keyboard)) return 1;
  if (!forcing.isEmpty() && !DrawForcingChain(window, forcing)) return 1;
  return 0;
}
