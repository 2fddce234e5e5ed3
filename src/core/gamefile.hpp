// The game file of lastgame.dat and the replays: the level and givens, the
// stored solution, then every history entry, entry 0 first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"
#include "core/gamestore.hpp"
#include "core/history.hpp"
#include "core/qj.hpp"

namespace tessel {

std::vector<std::string> GameFileLines(const Board& board, const TQJ& store, const History& history);
// The file's bytes, CR LF lines.
std::string GameFileText(const Board& board, const TQJ& store, const History& history);
bool WriteGameFileAt(const std::string& path, const Board& board, const TQJ& store, const History& history,
                     std::string* error);

// A game file read and checked whole: the level, the store (givens and
// solution) and every history entry. Nothing is taken from a file that does
// not read completely, so a damaged file never half-replaces a game.
struct GameFile {
  int level = 0;
  TQJ store;
  std::vector<std::string> history;  // entry 0 first; never empty
};
// Throws GameDataError at the first fault: no lines, a bad level digit, no
// solution line, a bad solution digit, no history line.
GameFile ParseGameFile(std::string_view text);

}  // namespace tessel
