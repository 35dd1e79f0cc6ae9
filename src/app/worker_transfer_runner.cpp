#include "app/worker_transfer_runner.h"

#include <QMetaObject>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

namespace strikepad {

WorkerTransferRunner::WorkerTransferRunner(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFutureWatcher<TransferOutcome>::finished, this, [this] {
    const TransferJob job = std::move(job_);
    job_ = {};
    job.finish(watcher_.result());
    running_ = false;
    emit finished();
  });
}

WorkerTransferRunner::~WorkerTransferRunner() {
  {
    const std::lock_guard lock(lookupMutex_);
    going_ = true;
  }
  lookupChanged_.notify_all();
  // A lookup still queued to this object is dropped with it.
  watcher_.waitForFinished();
}

void WorkerTransferRunner::showOnWindowThread(const LookupReport& lookups, const Lookup& lookup) {
  std::unique_lock lock(lookupMutex_);
  if (going_) return;
  const int asked = ++lookupsAsked_;
  QMetaObject::invokeMethod(this, [this, lookups, lookup] {
    lookups(lookup);
    const std::lock_guard shown(lookupMutex_);
    ++lookupsShown_;
    lookupChanged_.notify_all();
  }, Qt::QueuedConnection);
  lookupChanged_.wait(lock, [this, asked] { return going_ || lookupsShown_ >= asked; });
}

void WorkerTransferRunner::start(TransferJob job) {
  job_ = std::move(job);
  running_ = true;
  // A lookup is shown as a message box would be: the worker waits until the window is done with it.
  LookupReport lookupsToWindow = [this, lookups = job_.lookups](const Lookup& lookup) {
    if (!lookups) return;
    if (QThread::currentThread() == thread()) return lookups(lookup);
    showOnWindowThread(lookups, lookup);
  };
  // Progress is queued to this object, so it reaches the window before the finished signal.
  TransferProgress progressToWindow = [this, progress = job_.progress](int done, int total) {
    QMetaObject::invokeMethod(this, [progress, done, total] { if (progress) progress(done, total); },
                              Qt::QueuedConnection);
  };
  watcher_.setFuture(QtConcurrent::run([transfer = job_.transfer, lookupsToWindow = std::move(lookupsToWindow),
                                        progressToWindow = std::move(progressToWindow)] {
    return transfer(lookupsToWindow, progressToWindow);
  }));
}

}  // namespace strikepad
