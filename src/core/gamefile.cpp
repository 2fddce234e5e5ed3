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

int ReadGameFileInto(std::string_view text, Board& board, TQJ& store, History& history) {
  history.Assign({});
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.size() > 2) history.Assign(std::vector<std::string>(lines.begin() + 2, lines.end()));
  if (lines.empty()) throw GameDataError("List index out of bounds (0)");
  const std::string_view first = lines[0];
  const int level = ParseIntText(first.substr(0, 1));
  const std::string_view givens = first.substr(std::min<std::size_t>(2, first.size()));
  store.SetPuzzle(givens);
  // SetSolution clears the values SetPuzzle put on the givens; the marks stay.
  if (lines.size() < 2) throw GameDataError("List index out of bounds (1)");
  const std::string_view solution = lines[1];
  CheckSolutionDigits(solution);
  store.SetSolution(solution);
  if (history.count() == 0) throw GameDataError("List index out of bounds (-1)");
  RestoreSnapshot(board, history.Current());
  return level;
}

}  // namespace tessel
