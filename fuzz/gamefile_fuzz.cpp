// Arbitrary bytes as a game file: the reading half of loading it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/gamefile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tessel::Board board;
  tessel::TQJ store;
  tessel::History history;
  try {
    tessel::ReadGameFileInto(text, board, store, history);
    // A file that loads has a last entry and the cursor on it.
    if (history.count() == 0 || history.cursor() != history.count() - 1) __builtin_trap();
    (void)tessel::GameFileText(board, store, history);
  } catch (const tessel::GameDataError&) {
  }
  return 0;
}
