// games.dat: the saved games, 13-line records found by a fixed stride from
// the first "Name=" line, each board row one 90-character line.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"
#include "core/qj.hpp"

namespace tessel {

constexpr int kRecordLines = 13;
constexpr int kFieldWidth = 10;

// The conversion failure of a number in a game file, or a line that is not
// there; what() is the text of the error box.
class GameDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The one-character number of a level or state; throws GameDataError
// "'%s' is not a valid integer value" with the offending text.
int ParseIntText(std::string_view text);

// 1-based line number of the "Name=" line of the record called name, or 0.
int FindGame(const std::vector<std::string>& lines, std::string_view name);
// Removes the record's 13 lines (fewer at the end of the list). False when
// there is no such record.
bool DeleteGame(std::vector<std::string>& lines, std::string_view name);
// Renames the record of oldName in place. False when there is none.
bool RenameGame(std::vector<std::string>& lines, std::string_view oldName, std::string_view newName);

// A name as it can be stored: a line break or any other control character
// would split the record, so each becomes a blank.
std::string CleanGameName(std::string_view name);

// Empty when every record from the first "Name=" line on is whole and starts
// where the 13-line stride expects it; otherwise what is wrong and where, for
// a hand-edited or cut-off file. A record added to such a file could not be
// found again.
std::string CheckGameRecords(const std::vector<std::string>& lines);

// Saves a game as the last record, replacing a record of the same (cleaned)
// name. False, with the lines unchanged and *error set, when the records do
// not line up, so the game is never put where the list cannot reach it.
bool SaveGameRecord(std::vector<std::string>& lines, std::string_view name, int level, std::string_view solution,
                    const std::vector<std::string>& boardLines, std::string* error);

// State digit and text, right-padded with blanks to 10 characters.
std::string BoardField(const Cell& cell);
// The nine row lines of the board followed by two empty lines.
std::vector<std::string> BuildBoardLines(const Board& board);
// Appends "Name=" + name, the level digit with the solution, the board lines.
void AppendGame(std::vector<std::string>& lines, std::string_view name, int level, std::string_view solution,
                const std::vector<std::string>& boardLines);

// "Very Easy" .. "Diabolical", "Unknown or N/A"; any other code as its digits.
std::string GameLevelText(int code);

struct GameListRow {
  std::string name;
  std::string difficulty;
};
// The rows of the game list in file order. A bad level digit or a record
// out of line stops the list there and sets *error.
std::vector<GameListRow> ListGames(const std::vector<std::string>& lines, std::string* error);

// Puts the record whose "Name=" line is line n (1-based) on the board and in
// the store, in order: level, solution, then cell by cell. Throws
// GameDataError at the first bad digit or missing line; what ran stays.
void ApplyGameRecord(const std::vector<std::string>& lines, int n, Board& board, TQJ& store);

// Throws GameDataError when s, trimmed, is 81 characters with a non-digit.
void CheckSolutionDigits(std::string_view s);

struct GamesFileLoad {
  bool ok = false;  // false: the file exists but could not be read
  std::vector<std::string> lines;
  std::string error;
};
// Reads games.dat whole; a missing file is created empty.
GamesFileLoad LoadGamesFile(const std::string& path);
// Replaces games.dat atomically; false (and *error) leaves the old file whole.
bool WriteGamesFile(const std::string& path, const std::vector<std::string>& lines, std::string* error);

}  // namespace tessel
