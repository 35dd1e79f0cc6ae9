// WorkerTransferRunner: ending while its worker waits for the window to show a lookup.

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "app/worker_transfer_runner.h"

namespace strikepad {
namespace {

TEST(WorkerTransferRunner, EndsWhileTheWorkerWaitsOnALookupTheWindowNoLongerShows) {
  std::atomic<bool> lookingUp = false;
  bool shown = false;
  auto runner = std::make_unique<WorkerTransferRunner>();
  runner->start({[&](const LookupReport& lookups, const TransferProgress&) {
                   lookingUp = true;
                   lookups(Lookup{});
                   return TransferOutcome::NoAdapter;
                 },
                 [&](const Lookup&) { shown = true; }, {}, [](TransferOutcome) {}});
  // This thread runs no events from here on, as a window that is being destroyed.
  while (!lookingUp) std::this_thread::yield();
  runner.reset();  // returns once the worker has ended
  EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace strikepad
