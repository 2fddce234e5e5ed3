// Arbitrary bytes as games.dat: the list rows and every record put on a board.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/gamestore.hpp"
#include "core/textfile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = tessel::SplitLines(text);
  std::string error;
  const auto rows = tessel::ListGames(lines, &error);
  for (const auto& row : rows) {
    const int n = tessel::FindGame(lines, row.name);
    if (n == 0) __builtin_trap();  // every listed name must be found again
    tessel::Board board;
    tessel::TQJ store;
    try {
      tessel::ApplyGameRecord(lines, n, board, store);
      // A record read whole writes back as nine row lines of 90 characters.
      for (const auto& line : tessel::BuildBoardLines(board))
        if (!line.empty() && line.size() < 90) __builtin_trap();
    } catch (const tessel::GameDataError&) {
    }
  }
  if (!rows.empty()) tessel::DeleteGame(lines, rows.front().name);
  return 0;
}
