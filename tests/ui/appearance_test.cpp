// The Appearance dialog and doda.ini: first start, the double load at
// creation, the reload at every showing, Default / OK / Cancel, the close.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>

#include <functional>
#include <string>

#include "core/settings.hpp"
#include "core/textfile.hpp"
#include "ui/appearance.hpp"
#include "ui_fixture.hpp"

namespace {

using tessel::TColor;
using tessel::TPICSD33;
using tessel::ui::TfrmAppearance;
using tessel::ui::TForm1;

QByteArray Sample(const char* name) {
  QFile f(QStringLiteral(TESSEL_SOURCE_DIR "/tests/data/settings/") + QString::fromLatin1(name));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
  return f.readAll();
}

class AppearanceTest : public uitest::FormTest {
 protected:
  void TearDown() override {
    tessel::SetWriteFailureAfterBytesForTesting(-1);
    FormTest::TearDown();
  }

  TfrmAppearance& dlg() { return *form().frmAppearance; }
  QString IniPath() { return form().dataFolder + QStringLiteral("doda.ini"); }
  QByteArray Ini() {
    QFile f(IniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // A new program start over a data folder holding this doda.ini.
  void StartWith(const QByteArray& ini) {
    const QString folder = form().dataFolder;
    form_.reset();
    QFile f(folder + QStringLiteral("doda.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(ini);
    f.close();
    form_ = std::make_unique<TForm1>(prompts_);
  }

  // Tools > "Appearance", running the player's actions while it is up.
  void Visit(const std::function<void(TfrmAppearance&)>& actions) {
    bool shown = false;
    form().SetModalRunner([&](QDialog& d) {
      shown = true;
      d.show();
      actions(static_cast<TfrmAppearance&>(d));
      d.hide();
    });
    form().findChild<QAction*>(QStringLiteral("appearance1"))->trigger();
    EXPECT_TRUE(shown);
  }

  // Background of every preview cell, row-major.
  std::vector<TColor> PreviewBackgrounds() {
    std::vector<TColor> out;
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) out.push_back(dlg().sd1->node(r, c).color);
    return out;
  }
};

TEST_F(AppearanceTest, DialogLayoutAndTexts) {
  TfrmAppearance& d = dlg();
  EXPECT_EQ(d.windowTitle(), "Appearance");
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.GroupBox1->title(), "Background");
  EXPECT_EQ(d.GroupBox2->title(), "Font Color");
  EXPECT_EQ(d.GroupBox3->title(), "Highlight Color");
  for (QCheckBox* b : {d.CheckBox1, d.CheckBox2, d.CheckBox3}) EXPECT_EQ(b->text(), "Default Color");
  EXPECT_EQ(d.GroupBox1->width(), 110);
  EXPECT_EQ(d.Button3->text(), "Default");
  EXPECT_EQ(d.Button1->text(), "OK");
  EXPECT_EQ(d.Button2->text(), "Cancel");
  EXPECT_EQ(d.sd1->objectName(), "sd1");
  EXPECT_EQ(d.sd1->size(), QSize(422, 422));
  EXPECT_EQ(d.sd1->FONTSize3(), 10);
  // A swatch is framed only while the pointer is over it.
  EXPECT_FALSE(d.Panel2->framed());
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(d.Panel2, &enter);
  EXPECT_TRUE(d.Panel2->framed());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(d.Panel2, &leave);
  EXPECT_FALSE(d.Panel2->framed());
  EXPECT_EQ(form().appearance1->text(), "Appearance");
  // The sample position: a given, an entered digit and an open cell.
  EXPECT_EQ(d.sd1->cell(1, 2).state, tessel::kGiven);
  EXPECT_EQ(d.sd1->cell(1, 3).text, "5");
  EXPECT_EQ(d.sd1->cell(3, 1).text, "246789");
  EXPECT_EQ(d.sd1->cell(3, 1).state, tessel::kOpen);
}

TEST_F(AppearanceTest, FirstStartWritesTheDefaultsAndShowsTheBuiltInColours) {
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  EXPECT_TRUE(prompts_.shown().empty());
  TPICSD33& b = *form().sd991;
  EXPECT_EQ(b.UNFoucsColor1(), 16777215u);
  EXPECT_EQ(b.UNFoucsColor2(), 16747403u);
  EXPECT_EQ(b.FONTColor1(), 0u);
  EXPECT_EQ(b.FONTColor2(), 16711680u);
  EXPECT_EQ(b.FONTColor3(), 128u);
  EXPECT_EQ(b.highcolor(), 9813909u);
  EXPECT_EQ(b.node(1, 4).color, 16747403u);  // box 2
  EXPECT_FALSE(form().AutoCheckNewVersion1->isChecked());
  // The preview shows the highlight on every 5.
  EXPECT_EQ(dlg().sd1->node(1, 3).color, 9813909u);
  EXPECT_EQ(dlg().sd1->node(1, 1).color, 16777215u);
}

TEST_F(AppearanceTest, UntickingDefaultsAfterAFirstStart) {
  Visit([&](TfrmAppearance& d) {
    // Background: the stored box colours equal the built-in ones.
    const auto before = PreviewBackgrounds();
    d.CheckBox1->click();
    EXPECT_EQ(PreviewBackgrounds(), before);
    EXPECT_EQ(d.ReadSetting("default color"), "0");
    // Font: entered and candidate digits take the stored -1.
    d.CheckBox2->click();
    EXPECT_EQ(d.sd1->FONTColor1(), 6250335u);
    EXPECT_EQ(d.sd1->FONTColor2(), 0xFFFFFFFFu);
    EXPECT_EQ(d.sd1->FONTColor3(), 0xFFFFFFFFu);
    EXPECT_EQ(d.sd1->node(1, 3).fontColor, 0xFFFFFFFFu);
    EXPECT_EQ(d.sd1->node(1, 1).subFontColor[4], 0xFFFFFFFFu);
    d.Button2->click();
  });
  // Cancel: the main board keeps its colours and the file is untouched.
  EXPECT_EQ(form().sd991->FONTColor2(), 16711680u);
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
}

TEST_F(AppearanceTest, PickedColourShowsOnlyOnceTheBoxIsUnticked) {
  prompts_.AnswerColour(255u).AnswerColour(std::nullopt);
  Visit([&](TfrmAppearance& d) {
    d.highpanle->clicked();
    EXPECT_EQ(d.highpanle->colour(), 255u);
    EXPECT_TRUE(d.CheckBox3->isChecked());
    EXPECT_EQ(d.sd1->highcolor(), 9813909u);
    EXPECT_EQ(d.sd1->node(1, 3).color, 9813909u);
    EXPECT_EQ(d.ReadSetting("highlight_color"), "255");
    d.CheckBox3->click();
    EXPECT_EQ(d.sd1->highcolor(), 255u);
    EXPECT_EQ(d.sd1->node(1, 3).color, 255u);
    // A cancelled colour dialog keeps the swatch.
    d.Panel1->clicked();
    EXPECT_EQ(d.Panel1->colour(), 16777215u);
    d.Button2->click();
  });
  EXPECT_EQ(form().sd991->highcolor(), 9813909u);
  EXPECT_EQ(prompts_.shown().size(), 2u);
}

TEST_F(AppearanceTest, DefaultRewritesTheFileAndKeepsThePlayersSwatches) {
  form().AutoCheckNewVersion1->setChecked(true);
  prompts_.AnswerColour(255u);
  Visit([&](TfrmAppearance& d) {
    d.CheckBox1->click();
    d.Panel1->clicked();
    EXPECT_EQ(d.sd1->UNFoucsColor1(), 255u);
    d.Button3->click();
    EXPECT_EQ(Ini(), Sample("defaults.ini"));
    EXPECT_FALSE(form().AutoCheckNewVersion1->isChecked());
    EXPECT_TRUE(d.CheckBox1->isChecked());
    // The load's tick copied the swatch into the text; the preview shows the defaults.
    EXPECT_EQ(d.Panel1->colour(), 255u);
    EXPECT_EQ(d.ReadSetting("Board color1"), "255");
    EXPECT_EQ(d.sd1->UNFoucsColor1(), 16777215u);
    d.Button2->click();
  });
  // Cancel after Default: the defaults are on disk already.
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
}

// The first load unticks "Default Color", whose action writes the initial
// swatches into the text; only the second load brings the file's colours.
TEST_F(AppearanceTest, StartWithBackgroundSwitchOffLoadsTheFilesColours) {
  const QByteArray ini = Sample("custom_lf.ini");
  StartWith(ini);
  TfrmAppearance& d = dlg();
  EXPECT_FALSE(d.CheckBox1->isChecked());
  EXPECT_EQ(d.Panel1->colour(), 255u);  // the first of two "Board color1" lines
  EXPECT_EQ(d.Panel2->colour(), 65280u);
  EXPECT_FALSE(d.CheckBox3->isChecked());
  EXPECT_EQ(d.highpanle->colour(), 33023u);
  EXPECT_EQ(d.sd1->UNFoucsColor1(), 255u);
  EXPECT_EQ(d.sd1->node(1, 4).color, 65280u);
  TPICSD33& b = *form().sd991;
  EXPECT_EQ(b.UNFoucsColor1(), 255u);
  EXPECT_EQ(b.UNFoucsColor2(), 65280u);
  EXPECT_EQ(b.node(1, 1).color, 255u);
  EXPECT_EQ(b.node(1, 4).color, 65280u);
  EXPECT_EQ(b.highcolor(), 33023u);
  EXPECT_TRUE(form().AutoCheckNewVersion1->isChecked());
  EXPECT_EQ(d.settings().lines(), tessel::SplitLines(ini.toStdString()));
  EXPECT_EQ(Ini(), ini) << "loading alone writes nothing";
}

// The close stores only Auto_check, into the file as it is then: what this
// copy holds in memory (a Cancelled change, colours read before another copy
// saved its own) never reaches the file.
TEST_F(AppearanceTest, CloseStoresOnlyAutoCheckIntoTheFileAsItIsNow) {
  StartWith(Sample("custom_lf.ini"));
  form().AutoCheckNewVersion1->setChecked(false);
  dlg().WriteSetting("Board color1", "1");
  // Another running copy saves its colours meanwhile.
  const QByteArray other = Ini().replace("Board color2=", "Board color2=7");
  {
    QFile f(IniPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(other);
  }
  form().show();
  form().close();
  EXPECT_TRUE(QFile::exists(form().dataFolder + QStringLiteral("lastgame.dat")));
  const auto lines = tessel::SplitLines(Ini().toStdString());
  const auto before = tessel::SplitLines(other.toStdString());
  ASSERT_EQ(lines.size(), 16u);
  for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(lines[i], before[i]) << i;
  EXPECT_EQ(lines[15], "Auto_check=0");
  EXPECT_TRUE(Ini().contains("Board color2=7")) << Ini().toStdString();
  EXPECT_FALSE(Ini().contains("Board color1=1\r")) << Ini().toStdString();
  EXPECT_EQ(Ini().count("\r\n"), Ini().count('\n'));
  EXPECT_TRUE(Ini().contains("; note \xe9t\xe9\r\n")) << "bytes kept";
}

TEST_F(AppearanceTest, CloseStoresTheAutoCheckTickForTheNextStart) {
  form().AutoCheckNewVersion1->trigger();
  form().show();
  form().close();
  const auto lines = tessel::SplitLines(Ini().toStdString());
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[13], "Auto_check=1");
  StartWith(Ini());
  EXPECT_TRUE(form().AutoCheckNewVersion1->isChecked());
}

TEST_F(AppearanceTest, BadColourValueBringsTheDefaultsBackSilently) {
  StartWith(Sample("bad_colour.ini"));
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  EXPECT_TRUE(prompts_.shown().empty());
  TPICSD33& b = *form().sd991;
  EXPECT_EQ(b.UNFoucsColor1(), 16777215u);
  EXPECT_EQ(b.FONTColor3(), 128u);
  EXPECT_TRUE(dlg().CheckBox1->isChecked());
  EXPECT_FALSE(form().AutoCheckNewVersion1->isChecked());
}

TEST_F(AppearanceTest, MissingSwitchReadsAsUnticked) {
  StartWith(Sample("no_font_switch.ini"));
  EXPECT_FALSE(dlg().CheckBox2->isChecked());
  EXPECT_EQ(form().sd991->FONTColor1(), 255u);
  EXPECT_EQ(form().sd991->FONTColor2(), 65280u);
  EXPECT_EQ(form().sd991->FONTColor3(), 16711680u);
  EXPECT_TRUE(form().AutoCheckNewVersion1->isChecked()) << "no Auto_check key is not \"0\"";
  EXPECT_EQ(Ini(), Sample("no_font_switch.ini"));
}

TEST_F(AppearanceTest, CancelKeepsTheTextUntilTheNextShowingReloadsIt) {
  Visit([&](TfrmAppearance& d) {
    d.CheckBox2->click();
    d.Button2->click();
  });
  EXPECT_EQ(dlg().ReadSetting("default font"), "0") << "Cancel does not revert the text";
  EXPECT_EQ(form().sd991->FONTColor2(), 16711680u);
  Visit([&](TfrmAppearance& d) {
    EXPECT_TRUE(d.CheckBox2->isChecked());
    EXPECT_EQ(d.ReadSetting("default font"), "1");
    EXPECT_EQ(d.sd1->FONTColor2(), 16711680u);
    d.Button2->click();
  });
}

TEST_F(AppearanceTest, OkSavesAndRedrawsTheMainBoardWithAllCandidates) {
  form().ToolButton11Click();
  TPICSD33& b = *form().sd991;
  int row = 0, col = 0;
  for (int i = 0; i < tessel::kCells && row == 0; ++i)
    if (b.board()[i].state == tessel::kOpen) row = i / 9 + 1, col = i % 9 + 1;
  ASSERT_NE(row, 0);
  const char first = b.cell(row, col).text.at(0);
  EXPECT_FALSE(b.node(row, col).subVisible[first - '0']) << "display mode None";
  prompts_.AnswerColour(255u);
  Visit([&](TfrmAppearance& d) {
    d.CheckBox1->click();
    d.Panel1->clicked();
    EXPECT_EQ(b.UNFoucsColor1(), 16777215u) << "the main board waits for OK";
    d.Button1->click();
  });
  EXPECT_TRUE(Ini().contains("default color=0\r\nBoard color1=255\r\n"));
  EXPECT_EQ(b.UNFoucsColor1(), 255u);
  EXPECT_EQ(b.node(1, 1).color, 255u);
  EXPECT_TRUE(b.node(row, col).subVisible[first - '0']);
  // The open cells' candidate panels take their cell's colour.
  EXPECT_EQ(b.node(row, col).subColor[1], b.node(row, col).color);
}

TEST_F(AppearanceTest, FailedSaveKeepsTheOldFileAndSaysSo) {
  prompts_.AnswerColour(255u);
  Visit([&](TfrmAppearance& d) {
    d.CheckBox1->click();
    d.Panel1->clicked();
    tessel::SetWriteFailureAfterBytesForTesting(30);
    d.Button1->click();
  });
  auto settingsNotices = [&] {
    return prompts_.Notices().filter(QStringLiteral("The settings could not be saved: "));
  };
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  ASSERT_EQ(settingsNotices().size(), 1);
  EXPECT_TRUE(settingsNotices().at(0).contains("doda.ini"));
  EXPECT_EQ(form().sd991->UNFoucsColor1(), 16777215u) << "the board follows the file";
  // At close the old file stays too, without a box while the window goes.
  form().show();
  form().close();
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  EXPECT_EQ(settingsNotices().size(), 1);
  EXPECT_EQ(QDir(form().dataFolder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("tmp")),
            QStringList());
}

// A doda.ini that can be neither read nor replaced must not loop for ever.
TEST_F(AppearanceTest, UnwritableSettingsFileFallsBackToTheDefaultsInMemory) {
  const QString folder = form().dataFolder;
  form_.reset();
  ASSERT_TRUE(QFile::remove(folder + QStringLiteral("doda.ini")));
  ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("doda.ini")));
  form_ = std::make_unique<TForm1>(prompts_);
  EXPECT_EQ(prompts_.Notices().size(), 1) << "told once, not at each load";
  EXPECT_EQ(dlg().settings().lines(), tessel::DefaultSettingsLines());
  EXPECT_EQ(form().sd991->FONTColor3(), 128u);
  EXPECT_TRUE(dlg().CheckBox1->isChecked());
}

}  // namespace
