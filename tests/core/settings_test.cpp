#include "core/settings.hpp"

#include "core/textfile.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

namespace fs = std::filesystem;

using testutil::FileBytes;

std::string Sample(const std::string& name) {
  const std::string bytes = FileBytes(testutil::SourceFile("tests/data/settings/" + name));
  EXPECT_FALSE(bytes.empty()) << name;
  return bytes;
}

class SettingsFile : public testutil::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    path_ = Path(kSettingsFileName);
  }
  std::string path_;
};

// Defaults are fourteen lines with CR LF; a missing file leaves the lines.
TEST_F(SettingsFile, DefaultsAndAMissingFile) {
  SettingsText s(path_);
  s.SetLines({"stale=1"});
  ASSERT_TRUE(s.WriteDefaultSettings());
  EXPECT_EQ(FileBytes(path_), Sample("defaults.ini"));
  EXPECT_EQ(s.lines(), SplitLines(Sample("defaults.ini")));  // the stale line is gone

  std::filesystem::remove(path_);
  s.SetLines({"a=1"});
  std::string error;
  EXPECT_FALSE(s.LoadFile(&error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(s.lines(), std::vector<std::string>{"a=1"});
}

// Two running copies: B's close stores its Auto_check into the file as A
// left it, never B's stale colours.
TEST_F(SettingsFile, StoringOneKeyKeepsWhatAnotherCopySavedAndLfBecomesCrLf) {
  SettingsText a(path_), b(path_);
  ASSERT_TRUE(a.WriteDefaultSettings());
  ASSERT_TRUE(b.LoadFile());
  a.WriteSetting(settingkey::kBoardColor1, "255");
  ASSERT_TRUE(a.SaveSettings());
  ASSERT_TRUE(b.StoreOneSetting(settingkey::kAutoCheck, "1"));
  SettingsText now(path_);
  ASSERT_TRUE(now.LoadFile());
  EXPECT_EQ(now.ReadSetting(settingkey::kBoardColor1), "255");
  EXPECT_EQ(now.ReadSetting(settingkey::kAutoCheck), "1");
  EXPECT_EQ(b.ReadSetting(settingkey::kAutoCheck), "1");
  // A missing file gets the copy's own lines; an unreadable one is left alone.
  fs::remove(path_);
  ASSERT_TRUE(b.StoreOneSetting(settingkey::kAutoCheck, "0"));
  EXPECT_EQ(FileBytes(path_), b.Bytes());
  fs::remove(path_);
  fs::create_directory(path_);
  EXPECT_FALSE(b.StoreOneSetting(settingkey::kAutoCheck, "1"));
  EXPECT_TRUE(fs::is_directory(path_));

  // An LF file is read and written back with CR LF and its bytes.
  fs::remove(path_);
  const std::string lf = Sample("custom_lf.ini");
  std::ofstream(path_, std::ios::binary) << lf;
  SettingsText s(path_);
  ASSERT_TRUE(s.LoadFile());
  ASSERT_TRUE(s.SaveSettings());
  std::string crlf;
  for (char ch : lf) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  EXPECT_EQ(FileBytes(path_), crlf);  // the foreign byte of the comment line included
}

TEST(SettingsText, ReadTheFirstLineHoldingKeyAndEqualsAndWriteIt) {
  SettingsText s;
  s.SetBytes(Sample("custom_lf.ini"));
  // Trimmed, and the first of two occurrences.
  // "default color=" is not part of "default highlight color="; "Board color=" occurs nowhere.
  std::string values;
  for (const char* key : {"Board color1", "default color", "default highlight color", "Auto_check", "absent",
                          "Board color"})
    values += s.ReadSetting(key) + "/";
  EXPECT_EQ(values, "255/0/0/1///");
  // The key may stand anywhere in the line; the value is what follows it.
  s.SetLines({"x Board color2=7=8 ", "Board color2=9"});
  EXPECT_EQ(s.ReadSetting("Board color2"), "7=8");
  // Section lines are never read.
  s.SetLines({"[default font]", "default font=1"});
  EXPECT_EQ(s.ReadSetting("default font"), "1");

  // Writing replaces the first occurrence or appends.
  s.SetBytes(Sample("custom_lf.ini"));
  std::vector<std::string> expected = s.lines();
  s.WriteSetting("Board color1", "42");
  expected[2] = "Board color1=42";
  EXPECT_EQ(s.lines(), expected);  // the second "Board color1" line stays
  EXPECT_EQ(s.ReadSetting("Board color1"), "42");
  s.WriteSetting("new key", "v");
  expected.push_back("new key=v");
  EXPECT_EQ(s.lines(), expected);
  // The whole line is replaced, text before the key included.
  s.SetLines({"junk Auto_check=1 tail"});
  s.WriteSetting("Auto_check", "0");
  EXPECT_EQ(s.lines(), std::vector<std::string>{"Auto_check=0"});
}

TEST(SettingsText, ColourValuesAreSignedDecimal32Bit) {
  for (auto [text, value] : {std::pair{"16747403", 16747403}, {"-1", -1}, {"+7", 7}, {"007", 7},
                             {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}})
    EXPECT_EQ(ParseSettingInt(text), value) << text;
  for (const char* bad : {"", "-", "+", "12x4", "2147483648", "-2147483649", "99999999999999999999", "0x10", "$FF",
                          "1 2", "1.0", " 5"})
    EXPECT_FALSE(ParseSettingInt(bad)) << bad;
  std::string error;
  EXPECT_FALSE(ParseSettingInt("12x4", &error));
  EXPECT_EQ(error, "'12x4' is not a valid integer value");
  // Colours above 0x7FFFFFFF are written as their negative signed value.
  EXPECT_EQ(FormatColour(0xFFFFFFFFu), "-1");
  EXPECT_EQ(FormatColour(16747403), "16747403");
  EXPECT_EQ(ParseSettingInt(FormatColour(0x80000000u)), -2147483647 - 1);
}

}  // namespace
}  // namespace tessel
