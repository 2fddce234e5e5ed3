#include "ui/scriptrun.hpp"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <ostream>

#include "core/board.hpp"
#include "core/layouts.hpp"
#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"

namespace tessel::ui {
namespace {

void Settle() { QApplication::processEvents(); }

void PressKey(QWidget& target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&target, &release);
  Settle();
}

// A left click on the cell itself, clear of its candidate panels.
void ClickCell(TPICSD33& board, int row, int col) {
  const QPointF at = TPICSD33::CellPoint(row, col);
  const QPointF global = board.mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&board, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&board, &release);
  Settle();
}

bool Trigger(QAction* action, std::ostream& err, const QString& what) {
  if (!action || !action->isEnabled()) {
    err << what.toStdString() << " is not available now\n";
    return false;
  }
  action->trigger();
  Settle();
  return true;
}

}  // namespace

QString BoardLine(const TForm1& form) { return QString::fromStdString(Format1x81(form.game().board())[0]); }

int RunScript(TForm1& form, ScriptedPrompts& prompts, const QStringList& lines, std::ostream& out,
              std::ostream& err) {
  bool ok = true;
  prompts.SetUnexpectedHandler([&](const QString& problem) {
    err << problem.toStdString() << "\n";
    ok = false;
  });
  std::size_t echoed = prompts.shown().size();
  QString lastNotice;
  auto echo = [&] {
    for (; echoed < prompts.shown().size(); ++echoed) {
      const auto& s = prompts.shown()[echoed];
      if (s.kind == ScriptedPrompts::Kind::Notice) lastNotice = s.text;
      out << (s.kind == ScriptedPrompts::Kind::Notice ? "notice: " : "asked: ") << s.text.toStdString() << "\n";
    }
  };
  // The script plays as a player does: through the window's own commands.
  auto action = [&form](const char* name) { return form.findChild<QAction*>(QLatin1String(name)); };
  QAction* const levels[5] = {action("ToolButton11"), action("ToolButton5"), action("ToolButton6"),
                              action("ToolButton7"), action("ToolButton8")};
  TPICSD33* const board = form.findChild<TPICSD33*>(QStringLiteral("sd991"));

  int lineNo = 0;
  for (const QString& raw : lines) {
    ++lineNo;
    const QString line = raw.section(QLatin1Char('#'), 0, 0).trimmed();
    if (line.isEmpty()) continue;
    const QString cmd = line.section(QLatin1Char(' '), 0, 0);
    const QString arg = line.section(QLatin1Char(' '), 1).trimmed();
    auto fail = [&](const std::string& why) {
      err << "line " << lineNo << " (" << line.toStdString() << "): " << why << "\n";
      ok = false;
    };
    bool number = false;
    const long long n = arg.toLongLong(&number);

    if (cmd == QLatin1String("seed") && number && n >= 0 && n <= 0xFFFFFFFFLL) {
      const auto seed = static_cast<std::uint32_t>(n);
      form.SetSeedSource([seed] { return seed; });
    } else if (cmd == QLatin1String("deal") && number && n >= 0 && n <= 4) {
      if (!Trigger(levels[n], err, QStringLiteral("deal"))) ok = false;
    } else if (cmd == QLatin1String("answer") && (arg == QLatin1String("yes") || arg == QLatin1String("no"))) {
      prompts.AnswerAsk(arg == QLatin1String("yes"));
    } else if (cmd == QLatin1String("play") && ((number && n >= 0) || arg == QLatin1String("all"))) {
      const std::string solution = form.game().store().GetSolution();
      long long left = arg == QLatin1String("all") ? kCells : n;
      for (int i = 0; i < kCells && left > 0; ++i) {
        if (form.game().board()[i].state != kOpen) continue;
        if (solution.size() != std::size_t(kCells) || solution[i] < '1' || solution[i] > '9') {
          fail("no solution to play from");
          break;
        }
        const int d = solution[i] - '0';
        PressKey(form, Qt::Key_0 + d, QString::number(d));
        ClickCell(*board, i / 9 + 1, i % 9 + 1);
        echo();
        --left;
      }
    } else if (cmd == QLatin1String("step")) {
      QAction* a = arg == QLatin1String("first")  ? action("tbfirst")
                   : arg == QLatin1String("back") ? action("tbback")
                   : arg == QLatin1String("next") ? action("tbnext")
                   : arg == QLatin1String("last") ? action("tblast")
                                                  : nullptr;
      if (!a) fail("step takes first, back, next or last");
      else if (!Trigger(a, err, QStringLiteral("step ") + arg)) ok = false;
    } else if (cmd == QLatin1String("continue") && arg.isEmpty()) {
      if (!Trigger(action("Con1"), err, QStringLiteral("continue"))) ok = false;
    } else if (cmd == QLatin1String("show") && arg.isEmpty()) {
      out << "board: " << BoardLine(form).toStdString() << "\n"
          << "solved: " << (form.FinishedMarkShown() ? "yes" : "no") << "\n"
          << "history: " << form.game().history().cursor() + 1 << "/" << form.game().history().count() << "\n";
    } else if (cmd == QLatin1String("expect-notice") && !arg.isEmpty()) {
      echo();
      if (lastNotice != arg) fail("the last message was \"" + lastNotice.toStdString() + "\"");
    } else if (cmd == QLatin1String("expect-solved") &&
               (arg == QLatin1String("yes") || arg == QLatin1String("no"))) {
      if (form.FinishedMarkShown() != (arg == QLatin1String("yes"))) fail("the puzzle is not in that state");
    } else if (cmd == QLatin1String("close") && arg.isEmpty()) {
      form.close();
      Settle();
    } else {
      fail("unknown command or bad argument");
    }
    echo();
    out.flush();
  }
  if (prompts.Pending() != 0) {
    err << "answers left unused: " << prompts.Pending() << "\n";
    ok = false;
  }
  // The handler above refers to this run's locals.
  prompts.SetUnexpectedHandler([](const QString&) {});
  return ok ? 0 : 1;
}

}  // namespace tessel::ui
