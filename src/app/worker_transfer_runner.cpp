#include "app/worker_transfer_runner.h"

#include <QMetaObject>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

namespace strikepad {

// The window's prompts for a worker: each call runs on the window's thread and the worker
// waits for its answer, as a message box waits for the user.
class WorkerTransferRunner::WindowThreadPrompts final : public Prompts {
 public:
  WindowThreadPrompts(Prompts& window, QObject& windowThreadObject) : window_(window), context_(windowThreadObject) {}

  void notice(const std::string& text) override { onWindowThread([&] { window_.notice(text); }); }
  void warning(const std::string& text) override { onWindowThread([&] { window_.warning(text); }); }
  bool ask(const std::string& text, const std::string& caption) override {
    bool answer = false;
    onWindowThread([&] { answer = window_.ask(text, caption); });
    return answer;
  }
  std::string askName(const std::string& caption, const std::string& initial) override {
    std::string name;
    onWindowThread([&] { name = window_.askName(caption, initial); });
    return name;
  }
  std::string chooseOpenFile(const FileFilter& filter) override {
    std::string path;
    onWindowThread([&] { path = window_.chooseOpenFile(filter); });
    return path;
  }
  std::string chooseSaveFile(const FileFilter& filter) override {
    std::string path;
    onWindowThread([&] { path = window_.chooseSaveFile(filter); });
    return path;
  }
  void editScript(ComboBlock& block) override { onWindowThread([&] { window_.editScript(block); }); }
  void setTitle(const std::string& title) override { onWindowThread([&] { window_.setTitle(title); }); }

 private:
  template <typename Call>
  void onWindowThread(Call call) {
    if (QThread::currentThread() == context_.thread()) return call();
    QMetaObject::invokeMethod(&context_, call, Qt::BlockingQueuedConnection);
  }

  Prompts& window_;
  QObject& context_;
};

WorkerTransferRunner::WorkerTransferRunner(Prompts& window, QObject* parent)
    : QObject(parent), workerPrompts_(std::make_unique<WindowThreadPrompts>(window, *this)) {
  connect(&watcher_, &QFutureWatcher<int>::finished, this, [this] {
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
  // Progress is queued to this object, so it reaches the window before the finished signal.
  TransferProgress progressToWindow = [this, progress = job_.progress](int done, int total) {
    QMetaObject::invokeMethod(this, [progress, done, total] { if (progress) progress(done, total); },
                              Qt::QueuedConnection);
  };
  watcher_.setFuture(QtConcurrent::run([transfer = job_.transfer, prompts = workerPrompts_.get(),
                                        progressToWindow = std::move(progressToWindow)] {
    return transfer(*prompts, progressToWindow);
  }));
}

}  // namespace strikepad
