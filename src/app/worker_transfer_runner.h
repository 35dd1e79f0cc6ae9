#pragma once
// Runs a device transfer on a worker thread, so the window keeps painting and moving while the
// adapter is slow. Progress and the result come back to the window's thread as queued calls;
// a lookup the transfer makes on the way tells the user through the window's prompts, on the
// window's thread, while the worker waits for it.

#include <QFutureWatcher>
#include <QObject>
#include <memory>

#include "device/transfer_runner.h"

namespace strikepad {

class WorkerTransferRunner final : public QObject, public TransferRunner {
  Q_OBJECT

 public:
  // `window` is used on the thread this object lives on.
  explicit WorkerTransferRunner(Prompts& window, QObject* parent = nullptr);
  // Waits for a running transfer: it works on the adapter's link, which outlives this runner.
  ~WorkerTransferRunner() override;

  // One job at a time: the device commands' busy flag refuses a second one.
  void start(TransferJob job) override;
  // From start until the job's finish has returned.
  bool isRunning() const { return running_; }

 signals:
  // After the job's finish has run.
  void finished();

 private:
  class WindowThreadPrompts;

  std::unique_ptr<WindowThreadPrompts> workerPrompts_;
  TransferJob job_;
  bool running_ = false;
  QFutureWatcher<int> watcher_;
};

}  // namespace strikepad
