#pragma once
// Runs a device transfer on a worker thread, so the window keeps painting and moving while the
// adapter is slow. Progress and the outcome come back to the window's thread as queued calls;
// a lookup the transfer makes on the way is shown on the window's thread while the worker
// waits for it.

#include <QFutureWatcher>
#include <QObject>
#include <condition_variable>
#include <mutex>

#include "flows/transfer_runner.h"

namespace strikepad {

class WorkerTransferRunner final : public QObject, public TransferRunner {
  Q_OBJECT

 public:
  explicit WorkerTransferRunner(QObject* parent = nullptr);
  // Waits for a running transfer: it works on the adapter's link, which outlives this runner.
  // A lookup the worker waits on, or makes from now on, is no longer shown.
  ~WorkerTransferRunner() override;

  // One job at a time: the device commands' busy flag refuses a second one.
  void start(TransferJob job) override;
  // From start until the job's finish has returned.
  bool isRunning() const { return running_; }

 signals:
  // After the job's finish has run.
  void finished();

 private:
  // On the worker: hands `lookup` to the window's thread and waits until it has been shown
  // there, or until this runner is going.
  void showOnWindowThread(const LookupReport& lookups, const Lookup& lookup);

  TransferJob job_;
  bool running_ = false;
  QFutureWatcher<TransferOutcome> watcher_;

  // The worker's wait for a lookup. Not a blocking queued call: the window's thread waiting
  // for the worker in the destructor could never answer that, and both would wait forever.
  std::mutex lookupMutex_;
  std::condition_variable lookupChanged_;
  int lookupsAsked_ = 0;
  int lookupsShown_ = 0;
  bool going_ = false;
};

}  // namespace strikepad
