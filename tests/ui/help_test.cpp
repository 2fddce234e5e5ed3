// The bundled help page names every command of the menus and tool bars,
// and its links lead to its sections.
#include <QAction>
#include <cstring>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QToolBar>

#include "ui/language.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

void CollectCommands(const QList<QAction*>& actions, QStringList& out) {
  for (QAction* a : actions) {
    if (a->menu()) CollectCommands(a->menu()->actions(), out);
    if (a->isSeparator() || a->menu() || a->text().isEmpty()) continue;
    QString text = a->text();
    // "&Save" and, in Chinese, "保存(&S)" name the same command.
    text.remove(QRegularExpression(QStringLiteral("\\(&\\w\\)|&(?!&)")));
    if (text.endsWith(QLatin1String("..."))) text.chop(3);
    out << text.trimmed();
  }
}

using HelpTest = FormTest;

// The page of the window's language.
TEST_F(HelpTest, PageNamesEveryCommandAndItsLinksResolve) {
  const bool chinese = tessel::ui::CurrentLanguage() == QLatin1String("zh_CN");
  QFile page(chinese ? QStringLiteral(":/help/index_zh_CN.html") : QStringLiteral(":/help/index.html"));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(page.readAll());
  QStringList commands;
  CollectCommands(form().menuBar()->actions(), commands);
  for (QToolBar* bar : form().findChildren<QToolBar*>()) CollectCommands(bar->actions(), commands);
  commands.removeDuplicates();
  EXPECT_GE(commands.size(), 30);
  QStringList missing;
  for (const QString& c : commands)
    if (!html.contains(c)) missing << c;
  EXPECT_TRUE(missing.isEmpty()) << "not in the help page: " << missing.join(", ").toStdString();
  // What is not an action: the side panel and the keys.
  for (const char* other : {"Auto Update Candidates", "Show Candidates", "Marking", "Clear Marking", "Only one",
                            "F1", "F2", "F3", "Regenerate Candidate Numbers", "Check Puzzle", "Play Puzzle",
                            "With Candidates", "A4", "A3", "A2", "Solver"})
    if (!chinese || std::strlen(other) == 2) {  // keys and paper sizes read the same in Chinese
      EXPECT_TRUE(html.contains(QLatin1String(other))) << other;
    }

  // Its links lead to its sections.
  QSet<QString> ids;
  for (const auto& m : QRegularExpression(QStringLiteral("\\bid=\"([^\"]+)\"")).globalMatch(html))
    ids.insert(m.captured(1));
  int links = 0;
  for (const auto& m : QRegularExpression(QStringLiteral("href=\"#([^\"]*)\"")).globalMatch(html)) {
    ++links;
    EXPECT_TRUE(ids.contains(m.captured(1))) << "dangling link #" << m.captured(1).toStdString();
  }
  EXPECT_GE(links, 7);
}

}  // namespace
}  // namespace uitest
