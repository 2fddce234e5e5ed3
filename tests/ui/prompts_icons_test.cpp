// The scripted prompts that every window test relies on, and the icons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QTimer>

#include "ui/icons.hpp"
#include "ui/prompts.hpp"

using tessel::ui::IconId;
using tessel::ui::ScriptedPrompts;

TEST(ScriptedPrompts, AnswersInOrderAndRecordsEveryText) {
  ScriptedPrompts p;
  QStringList problems;
  p.SetUnexpectedHandler([&](const QString& s) { problems << s; });
  p.AnswerAsk(true).AnswerInput(QStringLiteral("my game")).AnswerAsk(false).AnswerColour(255u).AnswerOpenFile(
      std::nullopt);

  p.Notice(nullptr, QStringLiteral("first"));  // notices need no script
  EXPECT_TRUE(p.Ask(nullptr, QStringLiteral("sure?")));
  EXPECT_EQ(p.Input(nullptr, "Save", QStringLiteral("Name:"), QString()), QStringLiteral("my game"));
  EXPECT_FALSE(p.Ask(nullptr, QStringLiteral("really?")));
  EXPECT_EQ(p.PickColour(nullptr, 0), std::optional<quint32>(255u));
  EXPECT_EQ(p.OpenFile(nullptr, QString(), QStringLiteral("*.rep")), std::nullopt);

  EXPECT_TRUE(problems.isEmpty());
  EXPECT_EQ(p.Pending(), 0u);
  EXPECT_EQ(p.Notices(), QStringList{QStringLiteral("first")});
  EXPECT_EQ(p.Questions(), (QStringList{QStringLiteral("sure?"), QStringLiteral("really?")}));
  ASSERT_EQ(p.shown().size(), 6u);
  EXPECT_EQ(p.shown()[2].kind, ScriptedPrompts::Kind::Input);
  EXPECT_EQ(p.shown()[2].text, QStringLiteral("Name:"));
}

TEST(ScriptedPrompts, UnexpectedPromptsAreReportedAndCancelled) {
  ScriptedPrompts p;
  QStringList problems;
  p.SetUnexpectedHandler([&](const QString& s) { problems << s; });

  EXPECT_FALSE(p.Ask(nullptr, QStringLiteral("unscripted?")));
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems[0].contains(QStringLiteral("unscripted?")));

  // A script for a different kind of prompt is not consumed by the wrong one.
  p.AnswerInput(QStringLiteral("x"));
  EXPECT_FALSE(p.Ask(nullptr, QStringLiteral("wrong kind")));
  EXPECT_EQ(problems.size(), 2);
  EXPECT_EQ(p.Pending(), 1u);
  EXPECT_EQ(p.SaveFile(nullptr, QString(), QString()), std::nullopt);
  EXPECT_EQ(problems.size(), 3);
  EXPECT_EQ(p.Input(nullptr, QString(), QStringLiteral("p"), QString()), QStringLiteral("x"));
}

// Save Replay asks its own overwrite question; the file dialog must not ask
// a second one.
TEST(DialogPrompts, SaveFileDialogLeavesTheOverwriteQuestionToTheGame) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    seen = true;
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    dialog->reject();
  });
  tessel::ui::DialogPrompts prompts;
  EXPECT_EQ(prompts.SaveFile(nullptr, QDir::tempPath(), QString()), std::nullopt);
  EXPECT_TRUE(seen);
}

TEST(Icons, EveryIconIsDrawnAndHasAUniqueName) {
  QStringList names;
  for (IconId id : tessel::ui::AllIcons()) {
    const QString name = tessel::ui::IconName(id);
    SCOPED_TRACE(name.toStdString());
    EXPECT_FALSE(names.contains(name));
    names << name;
    QImage img = tessel::ui::RenderIcon(id, 24).toImage();
    ASSERT_EQ(img.size(), QSize(24, 24));
    int painted = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) painted += qAlpha(img.pixel(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(painted, 40) << "icon nearly empty";
    EXPECT_LT(painted, 24 * 24) << "icon fills its whole square";
    // Sharp at twice the size as well.
    EXPECT_EQ(tessel::ui::RenderIcon(id, 20, 2.0).toImage().size(), QSize(40, 40));
  }
  // Levels are told apart by how many bars are filled.
  EXPECT_NE(tessel::ui::RenderIcon(IconId::Level0, 20).toImage(), tessel::ui::RenderIcon(IconId::Level4, 20).toImage());
}

TEST(Icons, ShippedSvgSourcesMatchTheDrawing) {
  for (IconId id : tessel::ui::AllIcons()) {
    const QString name = tessel::ui::IconName(id);
    QFile file(QStringLiteral(TESSEL_SOURCE_DIR "/data/icons/") + name + QStringLiteral(".svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    EXPECT_EQ(QString::fromUtf8(file.readAll()), tessel::ui::IconSvg(id))
        << name.toStdString() << ".svg is stale: write IconSvg() into it again";
    // The same file is bundled into the program.
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"))) << name.toStdString();
  }
}
