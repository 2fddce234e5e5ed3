// Arbitrary bytes as a game file: reading it, and loading what reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/game.hpp"
#include "core/gamefile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const tessel::GameFile file = tessel::ParseGameFile(text);
    tessel::Game game;
    game.LoadGameFile(file);
    // A file that loads keeps every entry, with the cursor on the last.
    const tessel::History& history = game.history();
    if (history.count() != static_cast<int>(file.history.size()) || history.cursor() != history.count() - 1)
      __builtin_trap();
    // Walking through the history shows entries and never records one.
    game.StepFirst();
    while (game.StepNext()) {
    }
    if (history.count() != static_cast<int>(file.history.size())) __builtin_trap();
    (void)tessel::GameFileText(game.board(), game.store(), history);
  } catch (const tessel::GameDataError&) {
  }
  return 0;
}
