#pragma once
// Where the slow part of a device command runs: the slot read or write with its pauses. The
// window hands it to a worker thread so that it keeps painting; the command-line tool and the
// tests run it at once, on the calling thread.

#include <functional>

#include "device/device_link.h"

namespace strikepad {

struct TransferJob {
  // The slot read or write. It may run on another thread: it reports each lookup it makes
  // through `lookups`, and how far it has got through `progress`.
  std::function<TransferOutcome(const LookupReport& lookups, const TransferProgress& progress)> transfer;
  // Called on the thread that started the job, each while the transfer waits for it.
  LookupReport lookups;
  // Both called on the thread that started the job: `progress` as the transfer reports it,
  // `finish` once with the transfer's outcome, after the last progress.
  TransferProgress progress;
  std::function<void(TransferOutcome outcome)> finish;
};

class TransferRunner {
 public:
  virtual ~TransferRunner() = default;
  virtual void start(TransferJob job) = 0;
};

// Runs the whole job before start returns.
class InlineTransferRunner final : public TransferRunner {
 public:
  void start(TransferJob job) override { job.finish(job.transfer(job.lookups, job.progress)); }
};

}  // namespace strikepad
