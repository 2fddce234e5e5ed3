// The scripted prompts that every window test relies on, and the icons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QTimer>

#include "core/textfile.hpp"
#include "ui/icons.hpp"
#include "ui/prompts.hpp"

using tessel::ui::IconId;
using tessel::ui::ScriptedPrompts;

// Answers go out in order, each only to its own kind of prompt; anything
// unscripted is reported and cancelled.
TEST(ScriptedPrompts, AnswerInOrderAndReportTheUnexpected) {
  ScriptedPrompts p;
  QStringList problems;
  p.SetUnexpectedHandler([&](const QString& s) { problems << s; });
  p.AnswerAsk(true).AnswerInput(QStringLiteral("my game")).AnswerColour(255u);
  p.Notice(nullptr, QStringLiteral("first"));
  EXPECT_TRUE(p.Ask(nullptr, QStringLiteral("sure?")));
  EXPECT_FALSE(p.Ask(nullptr, QStringLiteral("wrong kind")));
  EXPECT_EQ(p.Input(nullptr, "Save", QStringLiteral("Name:"), QString()), QStringLiteral("my game"));
  EXPECT_EQ(p.PickColour(nullptr, 0), std::optional<quint32>(255u));
  EXPECT_EQ(p.SaveFile(nullptr, QString(), QString()), std::nullopt);
  EXPECT_EQ(p.Pending(), 0u);
  EXPECT_TRUE(problems.size() == 2 && problems[0].contains(QStringLiteral("wrong kind")));
  EXPECT_EQ(p.Notices(), QStringList{QStringLiteral("first")});
  EXPECT_EQ(p.Questions(), (QStringList{QStringLiteral("sure?"), QStringLiteral("wrong kind")}));
  EXPECT_EQ(p.shown().size(), 6u);
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

// Each icon is drawn and shipped as the SVG the program draws; two icons
// of one name would differ from one of the files.
TEST(Icons, EveryIconIsDrawnAndShipped) {
  for (IconId id : tessel::ui::AllIcons()) {
    const QString name = tessel::ui::IconName(id);
    SCOPED_TRACE(name.toStdString());
    const QImage img = tessel::ui::RenderIcon(id, 24).toImage();
    ASSERT_EQ(img.size(), QSize(24, 24));
    int painted = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) painted += qAlpha(img.pixel(x, y)) > 128;
    EXPECT_TRUE(painted > 40 && painted < 24 * 24) << "nearly empty or filling its square: " << painted;
    const auto svg = tessel::ReadWholeFile(TESSEL_SOURCE_DIR "/data/icons/" + name.toStdString() + ".svg");
    EXPECT_EQ(QString::fromStdString(svg.bytes), tessel::ui::IconSvg(id)) << "stale: write IconSvg() into it";
    EXPECT_TRUE(QFile::exists(":/icons/" + name + ".svg")) << "bundled into the program";
  }
}
