#pragma once
// Where the slow part of a device command runs: the slot read or write with its pauses. The
// window hands it to a worker thread so that it keeps painting; the command-line tool and the
// tests run it at once, on the calling thread.

#include <functional>

#include "catalogue/prompts.h"
#include "device/device_link.h"

namespace strikepad {

struct TransferJob {
  // The slot read or write. It may run on another thread: it tells the outcome of the lookups
  // it makes through `window`, and how far it has got through `progress`.
  std::function<int(Prompts& window, const TransferProgress& progress)> transfer;
  // Both called on the thread that started the job: `progress` as the transfer reports it,
  // `finish` once with the transfer's result, after the last progress.
  TransferProgress progress;
  std::function<void(int result)> finish;
};

class TransferRunner {
 public:
  virtual ~TransferRunner() = default;
  virtual void start(TransferJob job) = 0;
};

// Runs the whole job before start returns.
class InlineTransferRunner final : public TransferRunner {
 public:
  explicit InlineTransferRunner(Prompts& window) : window_(window) {}
  void start(TransferJob job) override { job.finish(job.transfer(window_, job.progress)); }

 private:
  Prompts& window_;
};

}  // namespace strikepad
