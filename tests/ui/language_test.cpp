// The translations: every text the sources give lupdate is in the Chinese
// file and finished, described pairs keep their described Chinese wording,
// and the window shows the wordings of its language. ctest runs the window
// part under LANG=C (English, as described) and LANG=zh_CN.UTF-8.
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <tuple>

#include "board_helpers.hpp"
#include "ui/importdialogs.hpp"
#include "ui/language.hpp"

namespace uitest {
namespace {

struct Message {
  QString translation;
  bool finished = false;
};
using Key = std::tuple<QString, QString, QString>;  // context, source, comment

std::map<Key, Message> ReadTs(const QString& path) {
  std::map<Key, Message> out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return out;
  QXmlStreamReader xml(&file);
  QString context, source, comment;
  Message m;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) {
      if (xml.isEndElement() && xml.name() == QLatin1String("message")) out[{context, source, comment}] = m;
      continue;
    }
    const auto name = xml.name();
    if (name == QLatin1String("message")) {
      source.clear();
      comment.clear();
      m = {};
    } else if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (name == QLatin1String("comment")) {
      comment = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      const QString type = xml.attributes().value(QLatin1String("type")).toString();
      m.translation = xml.readElementText();
      m.finished = type.isEmpty() && !m.translation.isEmpty();
    }
  }
  return out;
}

// lupdate over the sources, as the build's update_translations runs it, into
// a scratch file: every text found must be in the committed file, finished.
TEST(Language, EveryTextHasItsChineseTranslation) {
  QFile argsFile(QStringLiteral(TESSEL_LUPDATE_ARGS));
  ASSERT_TRUE(argsFile.open(QIODevice::ReadOnly));
  QStringList args = QString::fromUtf8(argsFile.readAll()).split('\n', Qt::SkipEmptyParts);
  QTemporaryDir dir;
  const QString fresh = dir.filePath(QStringLiteral("fresh_zh_CN.ts"));
  args << QStringLiteral("-ts") << fresh;
  QProcess lupdate;
  lupdate.start(QStringLiteral(TESSEL_LUPDATE), args);
  ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

  const auto found = ReadTs(fresh);
  const auto committed = ReadTs(QStringLiteral(TESSEL_SOURCE_DIR "/translations/sudoku-tessel_zh_CN.ts"));
  EXPECT_GT(found.size(), 250u) << "lupdate found the texts";
  QStringList missing, unfinished, undescribed;
  for (const auto& [key, m] : found) {
    const auto& [context, source, comment] = key;
    const auto it = committed.find(key);
    const QString where = context + ": " + source.left(60);
    if (it == committed.end())
      missing << where;
    else if (!it->second.finished)
      unfinished << where;
    else if (!comment.isEmpty() && it->second.translation != comment)
      undescribed << where + " -> " + it->second.translation;
  }
  EXPECT_TRUE(missing.isEmpty()) << missing.size() << " not in the .ts (run the update_translations target):\n"
                                 << missing.join('\n').toStdString();
  EXPECT_TRUE(unfinished.isEmpty()) << unfinished.size() << " unfinished:\n" << unfinished.join('\n').toStdString();
  EXPECT_TRUE(undescribed.isEmpty()) << "described wordings changed:\n" << undescribed.join('\n').toStdString();
}

bool Chinese() { return tessel::ui::CurrentLanguage() == QLatin1String("zh_CN"); }

// The described pairs through the window: a deal, a hover hint, "Puzzle
// solved", the cell menu, the import dialog's notices, and an Explain Next
// Step sentence, in the language of the run.
TEST_F(BoardTest, TheWindowSpeaksTheLanguageOfTheSystem) {
  const auto pick = [](const char* en, const char* zh) { return QString::fromUtf8(Chinese() ? zh : en); };
  form().ToolButton7Click();
  EXPECT_EQ(Child<QLabel>(form(), "ndtxt")->text(), pick("  Level:Tough", "  等级:高级"));
  EXPECT_EQ(Act(form(), "ToolButton5")->text(), pick("Gentle", "初级"));

  auto [r, c] = FindOpen();
  QTest::mouseMove(&sd(), CellPoint(r, c));
  Settle();
  EXPECT_EQ(form().HintText(), pick("Set Bignumber with the left button, clear Bignumber with the right button.",
                                    "鼠标左键设定数字，右键清除."));

  Key(Qt::Key_F2);
  cell(r, c).text = "35";
  ClickCell(r, c, Qt::RightButton);
  QStringList items;
  for (QAction* a : Menu().actions())
    if (!a->isSeparator()) items << a->text();
  Menu().close();
  EXPECT_TRUE(items.contains(pick("Add 1", "增加 1"))) << items.join('|').toStdString();
  EXPECT_TRUE(items.contains(pick("Move 5", "删除 5")));
  EXPECT_TRUE(items.contains(pick("Regenerate Candidate Numbers", "重新生成候选数")));

  Key(Qt::Key_F4);
  Key(Qt::Key_F4);
  const QString sentence = form().HintText();
  const bool hasHan = std::any_of(sentence.begin(), sentence.end(), [](QChar ch) { return ch.unicode() >= 0x4E00; });
  EXPECT_EQ(hasHan, Chinese()) << sentence.toStdString();

  Key(Qt::Key_F1);
  prompts_.Clear();
  FillAllButLast();
  auto [lr, lc] = Opens().back();
  Enter(lr, lc, Solution(lr, lc));
  EXPECT_EQ(prompts_.Notices(), QStringList{pick("Puzzle solved", "恭喜您完成本题!!!")});

  tessel::ui::Tfrm_new& create = tessel::ui::ImportDialog(form());
  prompts_.Clear();
  create.Button1Click();  // the empty grid
  EXPECT_EQ(prompts_.Notices(), QStringList{pick("This puzzle has multiple solution", "题目有多解")});
  EXPECT_EQ(create.windowTitle(), pick("Import or Create Sudoku", "导入或创建数独"));
}

}  // namespace
}  // namespace uitest
