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

// The reading half of loading a game file, in its order: the history is
// emptied and refilled from line 3 on, the level is read, the givens and the
// solution go to the store, and the last entry goes on the board. Throws
// GameDataError at the failing step; the steps before it stay done.
// Returns the level.
int ReadGameFileInto(std::string_view text, Board& board, TQJ& store, History& history);

}  // namespace tessel
