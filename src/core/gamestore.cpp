#include "core/gamestore.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/textfile.hpp"

namespace tessel {

namespace {

constexpr std::string_view kNamePrefix = "Name=";

bool IsNameLine(const std::string& line) { return line.compare(0, kNamePrefix.size(), kNamePrefix) == 0; }

// The stride starts at the first "Name=" line; nothing else marks a record.
int FirstRecordIndex(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (IsNameLine(lines[i])) return static_cast<int>(i);
  return -1;
}

std::string_view NameOf(const std::string& line) {
  return std::string_view(line).substr(std::min(line.size(), kNamePrefix.size()));
}

// A line the record needs but the list does not have.
[[noreturn]] void ThrowMissingLine(std::size_t index) {
  throw GameDataError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

int ParseIntText(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    throw GameDataError("'" + std::string(text) + "' is not a valid integer value");
  int v = 0;
  for (char c : text) v = v * 10 + (c - '0');
  return v;
}

int FindGame(const std::vector<std::string>& lines, std::string_view name) {
  const int first = FirstRecordIndex(lines);
  if (first < 0) return 0;
  for (std::size_t i = first; i < lines.size(); i += kRecordLines)
    if (NameOf(lines[i]) == name) return static_cast<int>(i) + 1;
  return 0;
}

bool DeleteGame(std::vector<std::string>& lines, std::string_view name) {
  const int n = FindGame(lines, name);
  if (n == 0) return false;
  const auto begin = lines.begin() + (n - 1);
  const auto end = lines.begin() + std::min<std::size_t>(lines.size(), n - 1 + kRecordLines);
  lines.erase(begin, end);
  return true;
}

bool RenameGame(std::vector<std::string>& lines, std::string_view oldName, std::string_view newName) {
  const int n = FindGame(lines, oldName);
  if (n == 0) return false;
  lines[n - 1] = std::string(kNamePrefix) + std::string(newName);
  return true;
}

std::string CleanGameName(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
  return out;
}

std::string CheckGameRecords(const std::vector<std::string>& lines) {
  const int first = FirstRecordIndex(lines);
  if (first < 0) return {};
  for (std::size_t i = first; i < lines.size(); i += kRecordLines) {
    if (!IsNameLine(lines[i]))
      return "line " + std::to_string(i + 1) + " should begin a game with \"Name=\" but reads \"" +
             lines[i].substr(0, 40) + "\"";
    if (lines.size() - i < static_cast<std::size_t>(kRecordLines))
      return "the game \"" + std::string(NameOf(lines[i])) + "\" at line " + std::to_string(i + 1) +
             " is cut off after " + std::to_string(lines.size() - i) + " of its " + std::to_string(kRecordLines) +
             " lines";
  }
  return {};
}

bool SaveGameRecord(std::vector<std::string>& lines, std::string_view name, int level, std::string_view solution,
                    const std::vector<std::string>& boardLines, std::string* error) {
  auto fail = [&](std::string message) {
    if (error) *error = std::move(message);
    return false;
  };
  if (const std::string damage = CheckGameRecords(lines); !damage.empty()) return fail(damage);
  if (boardLines.size() + 2 != static_cast<std::size_t>(kRecordLines)) return fail("the board is not 11 lines");
  const std::string clean = CleanGameName(name);
  std::vector<std::string> next = lines;
  DeleteGame(next, clean);
  AppendGame(next, clean, level, solution, boardLines);
  if (FindGame(next, clean) != static_cast<int>(next.size()) - kRecordLines + 1)
    return fail("the game could not be found again under its name");
  lines = std::move(next);
  return true;
}

std::string BoardField(const Cell& cell) {
  std::string field = std::to_string(cell.state) + FitCellText(cell.text);
  if (field.size() < kFieldWidth) field.append(kFieldWidth - field.size(), ' ');
  return field;
}

std::vector<std::string> BuildBoardLines(const Board& board) {
  std::vector<std::string> out;
  out.reserve(11);
  for (int r = 1; r <= 9; ++r) {
    std::string line;
    line.reserve(9 * kFieldWidth);
    for (int c = 1; c <= 9; ++c) line += BoardField(board.at(r, c));
    out.push_back(std::move(line));
  }
  out.emplace_back();
  out.emplace_back();
  return out;
}

void AppendGame(std::vector<std::string>& lines, std::string_view name, int level, std::string_view solution,
                const std::vector<std::string>& boardLines) {
  lines.push_back(std::string(kNamePrefix) + std::string(name));
  lines.push_back(std::to_string(level) + " " + std::string(solution));
  lines.insert(lines.end(), boardLines.begin(), boardLines.end());
}

std::string GameLevelText(int code) {
  if (code >= kVeryEasy && code < kUnknownLevel) return LevelName(code);
  if (code == kUnknownLevel) return ChooseText("Level", "Unknown or N/A", "未知");
  return std::to_string(code);
}

std::vector<GameListRow> ListGames(const std::vector<std::string>& lines, std::string* error) {
  std::vector<GameListRow> rows;
  const int first = FirstRecordIndex(lines);
  if (first < 0) return rows;
  rows.reserve((lines.size() - first) / kRecordLines + 1);
  try {
    for (std::size_t i = first; i < lines.size(); i += kRecordLines) {
      if (!IsNameLine(lines[i])) break;  // reported below
      GameListRow row;
      row.name = std::string(NameOf(lines[i]));
      if (i + 1 >= lines.size()) ThrowMissingLine(i + 1);
      const std::string_view levelLine = TrimBlanks(lines[i + 1]);
      row.difficulty = GameLevelText(ParseIntText(levelLine.substr(0, 1)));
      rows.push_back(std::move(row));
    }
  } catch (const GameDataError& e) {
    if (error) *error = e.what();
    return rows;
  }
  if (error) {
    if (const std::string damage = CheckGameRecords(lines); !damage.empty())
      *error = "games.dat is damaged: " + damage + ". The games after it cannot be listed.";
  }
  return rows;
}

void CheckSolutionDigits(std::string_view s) {
  s = TrimBlanks(s);
  if (s.size() != kCells) return;
  for (char c : s)
    if (c < '0' || c > '9') ParseIntText(std::string_view(&c, 1));
}

void ApplyGameRecord(const std::vector<std::string>& lines, int n, Board& board, TQJ& store) {
  const std::size_t levelIndex = static_cast<std::size_t>(n);  // line n + 1, 0-based n
  if (levelIndex >= lines.size()) ThrowMissingLine(levelIndex);
  const std::string_view levelLine = lines[levelIndex];
  board.nd = ParseIntText(levelLine.substr(0, 1));
  const std::string_view solution = levelLine.substr(std::min<std::size_t>(2, levelLine.size()), kCells);
  CheckSolutionDigits(solution);
  store.SetSolution(solution);
  for (int r = 1; r <= 9; ++r) {
    const std::size_t index = levelIndex + r;
    if (index >= lines.size()) ThrowMissingLine(index);
    const std::string_view row = lines[index];
    for (int c = 1; c <= 9; ++c) {
      const std::size_t at = static_cast<std::size_t>(kFieldWidth) * (c - 1);
      const std::string_view stateText = at < row.size() ? row.substr(at, 1) : std::string_view();
      const int state = ParseIntText(stateText);
      Cell& cell = board.at(r, c);
      cell.state = state;
      cell.text = std::string(TrimBlanks(at + 1 < row.size() ? row.substr(at + 1, 9) : std::string_view()));
      // A comma would split the cell in a history snapshot.
      cell.text.erase(std::remove(cell.text.begin(), cell.text.end(), ','), cell.text.end());
      store.at(r, c).given = state == kGiven;
    }
  }
}

GamesFileLoad LoadGamesFile(const std::string& path) {
  GamesFileLoad out;
  ReadResult read = ReadWholeFile(path);
  std::error_code ec;
  // Something else under that name (a folder, say) is unreadable, not missing.
  if (!read.exists && !std::filesystem::exists(path, ec)) {
    // A folder we cannot write to still lets the list show as empty.
    WriteGamesFile(path, {}, nullptr);
    out.ok = true;
    return out;
  }
  if (!read.exists || !read.ok) {
    out.error = read.error.empty() ? "cannot read " + path : read.error;
    return out;
  }
  out.ok = true;
  out.lines = SplitLines(read.bytes);
  return out;
}

bool WriteGamesFile(const std::string& path, const std::vector<std::string>& lines, std::string* error) {
  return WriteFileAtomic(path, JoinCrLf(lines), error);
}

}  // namespace tessel
