#include "ui/stepsearch.hpp"

#include <QApplication>
#include <QThread>

namespace tessel::ui {

StepSearch::StepSearch(QObject* parent) : QObject(parent) {}

StepSearch::~StepSearch() { Stop(); }

void StepSearch::Stop() {
  if (thread_) {
    cancel_ = true;
    thread_->wait();
    thread_.reset();
  }
  if (busy_) QApplication::restoreOverrideCursor();
  busy_ = false;
}

bool StepSearch::Start(const Game::ExplainJob& job) {
  Stop();
  job_ = job;
  cancel_ = false;
  thread_.reset(QThread::create([this] {
    ExplainOptions options;
    options.uniqueKnown = job_.uniqueKnown;
    options.cancel = &cancel_;
    result_ = Explain(job_.position, job_.solution, options);
  }));
  connect(thread_.get(), &QThread::finished, this, &StepSearch::found, Qt::QueuedConnection);
  thread_->start();
  if (thread_->wait(60)) return true;
  busy_ = true;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  return false;
}

void StepSearch::DropUnless(const Game& game) {
  if (thread_ && !game.AtPosition(job_)) cancel_ = true;
}

std::optional<std::pair<Game::ExplainJob, Explanation>> StepSearch::Take() {
  if (!thread_ || !thread_->isFinished()) return std::nullopt;
  Stop();
  return std::pair{job_, result_};
}

}  // namespace tessel::ui
