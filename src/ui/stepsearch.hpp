// Explain Next Step's search on a thread of its own: the window stays
// responsive and shows a busy pointer while a long search runs.
#pragma once

#include <QObject>

#include <atomic>
#include <memory>
#include <optional>
#include <utility>

#include "core/game.hpp"

class QThread;

namespace tessel::ui {

class StepSearch : public QObject {
  Q_OBJECT

 public:
  explicit StepSearch(QObject* parent = nullptr);
  ~StepSearch() override;

  // Starts a search, dropping one under way. True when it ended at once, as
  // most do; otherwise `found` follows and the pointer shows it works.
  bool Start(const Game::ExplainJob& job);
  // Stops a search whose position the board has left.
  void DropUnless(const Game& game);
  // The ended search's job and answer, once.
  std::optional<std::pair<Game::ExplainJob, Explanation>> Take();

 signals:
  void found();

 private:
  void Stop();

  Game::ExplainJob job_;
  Explanation result_;
  std::atomic<bool> cancel_{false};
  std::unique_ptr<QThread> thread_;
  bool busy_ = false;  // the busy pointer is up
};

}  // namespace tessel::ui
