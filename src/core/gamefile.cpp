#include "core/gamefile.hpp"

#include "core/textfile.hpp"

namespace tessel {

std::vector<std::string> GameFileLines(const Board& board, const TQJ& store, const History& history) {
  std::vector<std::string> lines;
  lines.reserve(2 + history.lines().size());
  lines.push_back(std::to_string(board.nd) + " " + board.GivensString());
  lines.push_back(store.GetSolution());
  lines.insert(lines.end(), history.lines().begin(), history.lines().end());
  return lines;
}

std::string GameFileText(const Board& board, const TQJ& store, const History& history) {
  return JoinCrLf(GameFileLines(board, store, history));
}

bool WriteGameFileAt(const std::string& path, const Board& board, const TQJ& store, const History& history,
                     std::string* error) {
  return WriteFileAtomic(path, GameFileText(board, store, history), error);
}

GameFile ParseGameFile(std::string_view text) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.empty()) throw GameDataError("List index out of bounds (0)");
  GameFile file;
  const std::string_view first = lines[0];
  file.level = ParseIntText(first.substr(0, 1));
  file.store.SetPuzzle(first.substr(std::min<std::size_t>(2, first.size())));
  if (lines.size() < 2) throw GameDataError("List index out of bounds (1)");
  CheckSolutionDigits(lines[1]);
  // SetSolution clears the values SetPuzzle put on the givens; the marks stay.
  file.store.SetSolution(lines[1]);
  if (lines.size() < 3) throw GameDataError("List index out of bounds (-1)");
  file.history.assign(lines.begin() + 2, lines.end());
  return file;
}

}  // namespace tessel
