// games.dat records: field layout, the 13-line stride, save, delete, rename,
// the list rows, reading a record back, and safe writing.
#include "core/gamestore.hpp"
#include "core/textfile.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

using testutil::kSolution;

class GameStoreFiles : public testutil::TempFolderTest {};

Board SampleBoard() {
  return testutil::BoardWith(
      {{1, 1, "7", kGiven}, {1, 2, "123456789", kOpen}, {1, 3, "4", kEntered}, {9, 9, "", kOpen}});
}

// The list rows as "name / difficulty" lines, then the list's error, if any.
std::string Listed(const std::vector<std::string>& lines) {
  std::string error, out;
  for (const auto& row : ListGames(lines, &error)) out += row.name + " / " + row.difficulty + "\n";
  return out + error;
}

// The sample board's row lines of a record.
const std::vector<std::string> kRows = BuildBoardLines(SampleBoard());

TEST(GameStoreLayout, OddTextsKeepTheRowLines) {
  // Texts an import may leave in a cell keep every row line at 90 characters,
  // and a comma read from a hand-edited file never reaches a cell.
  Board b = SampleBoard();
  b.at(2, 1) = Cell{2, 1, "12345.6789", kOpen};
  b.at(2, 2) = Cell{2, 2, "5.", kOpen};
  const auto lines = BuildBoardLines(b);
  for (int r = 0; r < 9; ++r) EXPECT_EQ(lines[r].size(), 90u) << r;
  EXPECT_EQ(lines[1].substr(0, 20), "312345678935.       ");

  std::vector<std::string> record;
  AppendGame(record, "G", 1, kSolution, lines);
  record[2].replace(0, 4, "31,2");
  Board back;
  TQJ store;
  ApplyGameRecord(record, 1, back, store);
  EXPECT_EQ(back.at(1, 1).text + " " + back.at(2, 1).text + " " + back.at(2, 2).text, "12 123456789 5.");
}

TEST(GameStoreRecords, FindIsExactAndFollowsTheStride) {
  std::vector<std::string> lines = {"preamble"};
  AppendGame(lines, "Game", 1, kSolution, kRows);
  AppendGame(lines, "game", 2, kSolution, kRows);
  AppendGame(lines, "  Game", 3, "", kRows);
  AppendGame(lines, "", 4, "", kRows);
  std::string found;  // names are exact: case and blanks count
  for (const char* name : {"Game", "game", "  Game", "", "Game "})
    found += std::to_string(FindGame(lines, name)) + ",";
  EXPECT_EQ(found, "2,15,28,41,0,");
  EXPECT_EQ(lines[28], "3 ");  // incomplete solution: digit and one blank

  // A "Name=" line off the stride is not a record.
  lines[5] = "Name=Hidden";
  EXPECT_EQ(FindGame(lines, "Hidden"), 0);
  EXPECT_EQ(FindGame({"no records"}, ""), 0);
  // A short line on the stride has nothing after "Name=": the empty name.
  std::vector<std::string> shortLine = {"Name=A"};
  shortLine.resize(13);
  shortLine[1] = "1 ";
  shortLine.push_back("Nam");
  EXPECT_EQ(FindGame(shortLine, ""), 14);
  // The second record is cut short: listed as damaged.
  EXPECT_EQ(Listed(shortLine).rfind("A / Gentle\ngames.dat is damaged: line 14", 0), 0u) << Listed(shortLine);
}

TEST(GameStoreRecords, OverwriteDeleteAndRename) {
  std::vector<std::string> lines = {"kept"};
  AppendGame(lines, "Other", 1, kSolution, kRows);
  AppendGame(lines, "New Game", 4, kSolution, kRows);
  // Rename keeps the place.
  EXPECT_FALSE(RenameGame(lines, "Missing", "X"));
  ASSERT_TRUE(RenameGame(lines, "Other", "Renamed"));
  EXPECT_EQ(FindGame(lines, "Renamed"), 2);

  // Deleting every record leaves what stood before the first one.
  ASSERT_TRUE(DeleteGame(lines, "New Game"));
  ASSERT_TRUE(DeleteGame(lines, "Renamed"));
  EXPECT_FALSE(DeleteGame(lines, "Renamed"));
  EXPECT_EQ(lines, std::vector<std::string>{"kept"});

  // A truncated last record is removed as far as it goes.
  AppendGame(lines, "Short", 0, "", kRows);
  lines.resize(lines.size() - 5);
  ASSERT_TRUE(DeleteGame(lines, "Short"));
  EXPECT_EQ(lines, std::vector<std::string>{"kept"});
}

// A save is only reported once the game can be found again by its name.
TEST(GameStoreRecords, SavesStayReachable) {
  std::vector<std::string> lines = {"kept"};
  std::string error;
  // A pasted name with line breaks would split the record.
  ASSERT_TRUE(SaveGameRecord(lines, "two\r\nlines\tand\x7f", 1, kSolution, kRows, &error)) << error;
  ASSERT_TRUE(SaveGameRecord(lines, "Later", 2, kSolution, kRows, &error)) << error;
  ASSERT_TRUE(SaveGameRecord(lines, "Later", 3, kSolution, kRows, &error)) << error;  // overwrite
  EXPECT_EQ(Listed(lines), "two  lines and  / Gentle\nLater / Tough\n");
  EXPECT_EQ(lines.size(), 1u + 2 * kRecordLines);

  // Records out of line are reported, and a save into them is refused with
  // the lines as they were.
  std::vector<std::string> extra = lines;
  extra.insert(extra.begin() + 1 + kRecordLines, "a line pasted in between two games, quoted in part");
  std::vector<std::string> cut = lines;
  cut.resize(cut.size() - 2);
  for (const auto& damaged : {extra, cut}) {
    EXPECT_FALSE(CheckGameRecords(damaged).empty());
    EXPECT_NE(Listed(damaged).find("damaged"), std::string::npos) << Listed(damaged);
    std::vector<std::string> copy = damaged;
    error.clear();
    EXPECT_FALSE(SaveGameRecord(copy, "New", 0, kSolution, kRows, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(copy, damaged);
  }
  EXPECT_EQ(CheckGameRecords(extra),
            "line 15 should begin a game with \"Name=\" but reads \"a line pasted in between two games, quot\"");
  EXPECT_EQ(CheckGameRecords(lines), "");
  EXPECT_EQ(CheckGameRecords({"no records"}), "");
}

TEST(GameStoreRecords, ListLevelsAndBadDigit) {
  std::vector<std::string> lines;
  for (int level : {0, 1, 2, 3, 4, 5, 7}) AppendGame(lines, "G" + std::to_string(level), level, "", kRows);
  AppendGame(lines, "Bad", 0, "", kRows);
  lines[lines.size() - 12] = "  x 123";
  AppendGame(lines, "After", 0, "", kRows);
  EXPECT_EQ(Listed(lines), "G0 / Very Easy\nG1 / Gentle\nG2 / Moderate\nG3 / Tough\nG4 / Diabolical\n"
                           "G5 / Unknown or N/A\nG7 / 7\n'x' is not a valid integer value");
}

TEST(GameStoreRecords, ApplyRecordRoundTripAndFailures) {
  Board source = SampleBoard();
  source.at(5, 5) = Cell{5, 5, "", 7};  // a state that is not 1..3 is kept as read
  std::vector<std::string> lines = {"x"};
  AppendGame(lines, "A", 3, kSolution, BuildBoardLines(source));
  AppendGame(lines, "B", 2, "123", BuildBoardLines(source));

  Board board;
  TQJ store;
  ApplyGameRecord(lines, FindGame(lines, "A"), board, store);
  EXPECT_EQ(board.nd, 3);
  EXPECT_EQ(store.GetSolution(), kSolution);
  EXPECT_EQ(testutil::Cells(board), testutil::Cells(source));
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(store[i].given, source[i].state == kGiven) << i;

  // An incomplete solution leaves the store without values.
  ApplyGameRecord(lines, FindGame(lines, "B"), board, store);
  EXPECT_EQ(store.GetSolution(), "");
  EXPECT_EQ(store.at(1, 1).value, 0);

  // A bad state digit stops at that cell; the cells before it stay.
  Board partial;
  partial.ClearAll();
  lines[FindGame(lines, "A") + 1].replace(20, 1, "?");
  EXPECT_EQ(testutil::ErrorOf<GameDataError>([&] { ApplyGameRecord(lines, FindGame(lines, "A"), partial, store); }),
            "'?' is not a valid integer value");
  EXPECT_EQ(partial.at(1, 1).text, "7");
  EXPECT_EQ(partial.at(1, 2).state, kOpen);
  EXPECT_EQ(partial.nd, 3);

  // A record cut short reports the missing line.
  lines.resize(FindGame(lines, "B") + 3);
  EXPECT_THROW(ApplyGameRecord(lines, FindGame(lines, "B"), board, store), GameDataError);
  // A short row line has no state digit where the field should start.
  const std::vector<std::string> shortRow = {"Name=S", "1 ", "15", "", "", "", "", "", "", "", "", "", ""};
  EXPECT_EQ(testutil::ErrorOf<GameDataError>([&] { ApplyGameRecord(shortRow, 1, board, store); }),
            "'' is not a valid integer value");
}

TEST_F(GameStoreFiles, SampleReadsAndWritesBackByteForByteAndOtherFiles) {
  const std::string sample = testutil::SourceFile("tests/data/games_sample.dat");
  const GamesFileLoad load = LoadGamesFile(sample);
  ASSERT_TRUE(load.ok) << load.error;
  EXPECT_EQ(Listed(load.lines), "Morning / Moderate\n  Spaced game / Unknown or N/A\nGrün 数独 / 7\n");

  Board board;
  TQJ store;
  const int n = FindGame(load.lines, "Morning");
  ApplyGameRecord(load.lines, n, board, store);
  EXPECT_EQ(board.at(5, 4).text, "26");
  EXPECT_EQ(store.GetSolution(), kSolution);
  // Rebuilt from the board, the record's rows are the file's rows.
  EXPECT_EQ(BuildBoardLines(board), std::vector<std::string>(&load.lines[n + 1], &load.lines[n + 12]));

  std::string error;
  ASSERT_TRUE(WriteGamesFile(Path("games.dat"), load.lines, &error)) << error;
  EXPECT_EQ(testutil::FileBytes(Path("games.dat")), testutil::FileBytes(sample));

  // LF lines read as well, and a missing file is created empty.
  ASSERT_TRUE(WriteFileAtomic(Path("lf.dat"), "Name=Lf\n1 \n" + std::string(11, '\n')));
  const GamesFileLoad lf = LoadGamesFile(Path("lf.dat"));
  ASSERT_TRUE(lf.ok);
  EXPECT_EQ(FindGame(lf.lines, "Lf"), 1);
  EXPECT_EQ(lf.lines.size(), 13u);

  const GamesFileLoad missing = LoadGamesFile(Path("new.dat"));
  EXPECT_TRUE(missing.ok && missing.lines.empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(Path("new.dat")));
  EXPECT_EQ(testutil::FileBytes(Path("new.dat")), "");

  // Something that is there but cannot be read is reported, not replaced.
  std::filesystem::create_directories(Path("sub/games.dat"));
  const GamesFileLoad unreadable = LoadGamesFile(Path("sub/games.dat"));
  EXPECT_FALSE(unreadable.ok);
  EXPECT_NE(unreadable.error.find("is a folder"), std::string::npos) << unreadable.error;
  EXPECT_TRUE(std::filesystem::is_directory(Path("sub/games.dat")));
}

}  // namespace
}  // namespace tessel
