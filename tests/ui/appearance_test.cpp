// The Appearance dialog and doda.ini: first start, the double load at
// creation, the reload at every showing, Default / OK / Cancel, the close.
#include <QCheckBox>
#include <QDir>
#include <QTest>

#include "core/settings.hpp"
#include "ui/appearance.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

using tessel::TColor;
using tessel::TPICSD33;
using tessel::ui::TColorSwatch;
using tessel::ui::TfrmAppearance;

constexpr TColor kWhite = 16777215u, kBox2 = 16747403u, kHigh = 9813909u, kRed = 255u, kBlue = 16711680u;

std::string Sample(const char* name) { return FileBytes(QStringLiteral(TESSEL_SOURCE_DIR "/tests/data/settings/") + name); }
QCheckBox& Box(TfrmAppearance& d, int k) { return *Child<QCheckBox>(d, QStringLiteral("CheckBox%1").arg(k)); }
TColorSwatch& Swatch(TfrmAppearance& d, const char* name) { return *Child<TColorSwatch>(d, name); }
// Background of A1 and of box 2, digit and candidate ink, highlight.
std::vector<TColor> Colours(TPICSD33& b) {
  return {b.node(1, 1).color, b.node(1, 4).color, b.FONTColor2(), b.FONTColor3(), b.highcolor()};
}
TPICSD33& Preview(TfrmAppearance& d) { return *Child<TPICSD33>(d, "sd1"); }
void Pick(TfrmAppearance& d, const char* swatch) { QTest::mouseClick(&Swatch(d, swatch), Qt::LeftButton); }

class AppearanceTest : public FormTest {
 protected:
  TfrmAppearance& dlg() { return *form().findChild<TfrmAppearance*>(); }
  std::string Ini() { return FileBytes(DataFile("doda.ini")); }
  bool autoCheck() { return Act(form(), "AutoCheckNewVersion1")->isChecked(); }
  // A new program start over a data folder holding this doda.ini.
  void StartWith(const std::string& ini) {
    WriteDataFile("doda.ini", ini);
    form_.reset();
    form_ = std::make_unique<tessel::ui::TForm1>(prompts_);
  }
  // Tools > Appearance, the player's actions while it is up.
  void Visit(const std::function<void(TfrmAppearance&)>& act) { WithDialog<TfrmAppearance>("appearance1", act); }
  void CloseWindow() {
    form().show();
    form().close();
  }
};

// Unticking a box shows the stored colours; a picked colour shows only once
// its box is unticked; Cancel leaves the board and the file.
TEST_F(AppearanceTest, PreviewFollowsTheBoxesAndSwatchesUntilCancel) {
  prompts_.AnswerColour(kRed).AnswerColour(std::nullopt);
  Visit([&](TfrmAppearance& d) {
    Box(d, 2).click();
    EXPECT_EQ(Preview(d).FONTColor1(), 6250335u);
    EXPECT_EQ(Preview(d).node(1, 3).fontColor, 0xFFFFFFFFu) << "the stored -1";
    EXPECT_EQ(d.ReadSetting("default font"), "0");
    Pick(d, "highpanle");
    EXPECT_EQ(Preview(d).node(1, 3).color, kHigh);
    EXPECT_EQ(d.ReadSetting("highlight_color"), "255");
    Box(d, 3).click();
    EXPECT_EQ(Preview(d).node(1, 3).color, kRed);
    Pick(d, "Panel1");
    EXPECT_EQ(Swatch(d, "Panel1").colour(), kWhite) << "a cancelled pick keeps the swatch";
    Click(d, "Button2");
  });
  EXPECT_EQ(Colours(sd()), (std::vector<TColor>{kWhite, kBox2, kBlue, 128u, kHigh}));
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  EXPECT_EQ(dlg().ReadSetting("default font"), "0") << "Cancel does not revert the text";
  Visit([&](TfrmAppearance& d) {
    EXPECT_TRUE(Box(d, 2).isChecked()) << "the next showing reads the file again";
    EXPECT_EQ(Preview(d).FONTColor2(), kBlue);
    Click(d, "Button2");
  });
}

// The first start writes the defaults and shows the built-in colours;
// Default rewrites them and keeps the player's swatches.
TEST_F(AppearanceTest, FirstStartAndDefaultWriteTheDefaults) {
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  EXPECT_EQ(Colours(sd()), (std::vector<TColor>{kWhite, kBox2, kBlue, 128u, kHigh}));
  EXPECT_FALSE(autoCheck());
  // The preview shows the highlight on every 5.
  EXPECT_TRUE(Preview(dlg()).node(1, 3).color == kHigh && Preview(dlg()).node(1, 1).color == kWhite);

  Act(form(), "AutoCheckNewVersion1")->setChecked(true);
  prompts_.AnswerColour(kRed);
  Visit([&](TfrmAppearance& d) {
    Box(d, 1).click();
    Pick(d, "Panel1");
    EXPECT_EQ(Preview(d).UNFoucsColor1(), kRed);
    Click(d, "Button3");
    EXPECT_TRUE(Ini() == Sample("defaults.ini") && !autoCheck() && Box(d, 1).isChecked());
    // The load's tick copied the swatch into the text; the preview shows the defaults.
    EXPECT_EQ(Swatch(d, "Panel1").colour(), kRed);
    EXPECT_EQ(d.ReadSetting("Board color1"), "255");
    EXPECT_EQ(Preview(d).UNFoucsColor1(), kWhite);
    Click(d, "Button2");
  });
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
}

// OK saves and redraws the main board, with all candidates; a failed save
// keeps the old file and says so once, and the board follows the file.
TEST_F(AppearanceTest, OkSavesAndRedrawsOrKeepsTheOldFileAndSaysSoOnce) {
  form().ToolButton11Click();
  const int open = FirstOpen(), row = tessel::RowOf(open), col = tessel::ColOf(open);
  const int first = board()[open].text.at(0) - '0';
  EXPECT_FALSE(sd().node(row, col).subVisible[first]) << "display mode None";
  const auto okWithRedBoard = [&](int failAfterBytes) {
    prompts_.AnswerColour(kRed);
    Visit([&](TfrmAppearance& d) {
      Box(d, 1).click();
      Pick(d, "Panel1");
      EXPECT_EQ(sd().UNFoucsColor1(), kWhite) << "the main board waits for OK";
      tessel::SetWriteFailureAfterBytesForTesting(failAfterBytes);
      Click(d, "Button1");
    });
  };
  const auto told = [&] { return prompts_.Notices().filter("The settings could not be saved: "); };
  okWithRedBoard(30);
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  EXPECT_TRUE(told().size() == 1 && told()[0].contains("doda.ini"));
  EXPECT_EQ(sd().UNFoucsColor1(), kWhite);
  okWithRedBoard(-1);
  const std::string saved = Ini();
  EXPECT_NE(saved.find("default color=0\r\nBoard color1=255\r\n"), std::string::npos);
  EXPECT_EQ(sd().node(1, 1).color, kRed);
  EXPECT_TRUE(sd().node(row, col).subVisible[first]);
  EXPECT_EQ(sd().node(row, col).subColor[1], sd().node(row, col).color);
  tessel::SetWriteFailureAfterBytesForTesting(30);
  CloseWindow();
  EXPECT_TRUE(Ini() == saved && told().size() == 1) << "no box while the window goes";
  EXPECT_EQ(QDir(form().DataFolder()).entryList(QDir::Files | QDir::Hidden).filter("tmp"), QStringList());
}

// Starts over a player's file and damaged ones. The first load unticks
// "Default Color", whose action writes the initial swatches into the text;
// only the second load brings the file's colours.
TEST_F(AppearanceTest, StartsOverCustomAndDamagedFiles) {
  const std::string ini = Sample("custom_lf.ini");
  StartWith(ini);
  EXPECT_FALSE(Box(dlg(), 1).isChecked());
  EXPECT_EQ(Swatch(dlg(), "Panel1").colour(), kRed) << "the first of two \"Board color1\" lines";
  EXPECT_EQ(Colours(sd()), (std::vector<TColor>{kRed, 65280u, kBlue, 128u, 33023u}));
  EXPECT_TRUE(autoCheck());
  EXPECT_EQ(Ini(), ini) << "loading alone writes nothing";

  // The close stores only Auto_check, into the file as it is then: what this
  // copy holds in memory never reaches the file, another copy's colours stay.
  Act(form(), "AutoCheckNewVersion1")->trigger();
  dlg().WriteSetting("Board color1", "1");
  std::string other = ini;
  other.insert(other.find("Board color2=") + 13, "7");
  WriteDataFile("doda.ini", other);
  CloseWindow();
  auto expected = tessel::SplitLines(other);
  expected.back() = "Auto_check=0";
  EXPECT_EQ(tessel::SplitLines(Ini()), expected);

  // A bad colour brings the defaults back silently, a missing switch reads as
  // unticked, a missing Auto_check as ticked; a doda.ini that can be neither
  // read nor replaced is told once and the defaults are used.
  StartWith(Sample("bad_colour.ini"));
  EXPECT_EQ(Ini(), Sample("defaults.ini"));
  EXPECT_TRUE(sd().UNFoucsColor1() == kWhite && !autoCheck());
  StartWith(Sample("no_font_switch.ini"));
  EXPECT_FALSE(Box(dlg(), 2).isChecked());
  EXPECT_TRUE(sd().FONTColor1() == kRed && sd().FONTColor3() == kBlue && autoCheck());
  EXPECT_EQ(Ini(), Sample("no_font_switch.ini"));
  const QString path = DataFile("doda.ini");
  form_.reset();
  ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
  form_ = std::make_unique<tessel::ui::TForm1>(prompts_);
  EXPECT_EQ(prompts_.Notices().size(), 1) << "told once, not at each load";
  EXPECT_EQ(dlg().settings().lines(), tessel::DefaultSettingsLines());
  EXPECT_EQ(sd().FONTColor3(), 128u);
}

}  // namespace
}  // namespace uitest
