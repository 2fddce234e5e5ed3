// Stepping to either end of a long game: one restore of the snapshot onto the
// board per step.
#include <benchmark/benchmark.h>

#include <random>

#include "core/board.hpp"
#include "core/history.hpp"

namespace {

tessel::History LongGame(tessel::Board& board) {
  std::mt19937 rng(99);
  for (int i = 0; i < tessel::kCells; ++i) {
    board[i].state = tessel::kOpen;
    board[i].text = "123456789";
  }
  tessel::History h;
  h.Reset(board);
  while (h.count() < 2000) {
    const int i = int(rng() % tessel::kCells);
    if (rng() % 2)
      board[i] = {tessel::RowOf(i), tessel::ColOf(i), std::string(1, char('1' + rng() % 9)), tessel::kEntered, false};
    else
      board[i] = {tessel::RowOf(i), tessel::ColOf(i), "13579", tessel::kOpen, false};
    h.RecordStep(board);
  }
  return h;
}

void BM_HistoryFirstLast(benchmark::State& state) {
  tessel::Board board;
  tessel::History h = LongGame(board);
  for (auto _ : state) {
    tessel::RestoreSnapshot(board, h.StepFirst());
    h.RecordStep(board);  // the step's own recount finds nothing new
    tessel::RestoreSnapshot(board, h.StepLast());
    h.RecordStep(board);
    benchmark::DoNotOptimize(board);
  }
  state.counters["entries"] = h.count();
}
BENCHMARK(BM_HistoryFirstLast)->Unit(benchmark::kMicrosecond);

}  // namespace
