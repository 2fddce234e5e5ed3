// games.dat with 1,000 saved games: reading it into the list the game list
// shows, and saving one more game into it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/gamestore.hpp"
#include "core/textfile.hpp"

namespace {

const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string ThousandGamesFile() {
  tessel::Board board;
  for (int i = 0; i < tessel::kCells; ++i) {
    board[i].state = i % 3 == 0 ? tessel::kGiven : tessel::kOpen;
    board[i].text = i % 3 == 0 ? std::string(1, kSolution[i]) : "1234589";
  }
  const auto rows = tessel::BuildBoardLines(board);
  std::vector<std::string> lines;
  for (int k = 0; k < 1000; ++k) tessel::AppendGame(lines, "Game " + std::to_string(k), k % 6, kSolution, rows);
  const std::string path = (std::filesystem::temp_directory_path() / "gamestore_bench_games.dat").string();
  tessel::WriteGamesFile(path, lines, nullptr);
  return path;
}

void BM_ReadGameList(benchmark::State& state) {
  const std::string path = ThousandGamesFile();
  for (auto _ : state) {
    const tessel::GamesFileLoad load = tessel::LoadGamesFile(path);
    std::string error;
    auto rows = tessel::ListGames(load.lines, &error);
    benchmark::DoNotOptimize(rows);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadGameList)->Unit(benchmark::kMillisecond);

void BM_SaveIntoGameList(benchmark::State& state) {
  const std::string path = ThousandGamesFile();
  tessel::Board board;
  for (auto _ : state) {
    // As the save dialog does: read, replace the record, write whole.
    tessel::GamesFileLoad load = tessel::LoadGamesFile(path);
    tessel::DeleteGame(load.lines, "Game 500");
    tessel::AppendGame(load.lines, "Game 500", 2, kSolution, tessel::BuildBoardLines(board));
    tessel::WriteGamesFile(path, load.lines, nullptr);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveIntoGameList)->Unit(benchmark::kMillisecond);

}  // namespace
