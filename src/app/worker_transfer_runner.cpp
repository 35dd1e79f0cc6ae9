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

WorkerTransferRunner::~WorkerTransferRunner() { watcher_.waitForFinished(); }

void WorkerTransferRunner::start(TransferJob job) {
  job_ = std::move(job);
  running_ = true;
  // A lookup is shown as a message box would be: the worker waits until the window is done with it.
  LookupReport lookupsToWindow = [this, lookups = job_.lookups](const Lookup& lookup) {
    if (!lookups) return;
    if (QThread::currentThread() == thread()) return lookups(lookup);
    QMetaObject::invokeMethod(this, [&] { lookups(lookup); }, Qt::BlockingQueuedConnection);
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
