#include "report/device/TemporaryFiles.h"

#include <QList>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <mutex>
#include <thread>

namespace {

struct Registry {
  std::mutex lock;
  QList<QByteArray> paths;
};

// Never destroyed: the waiting thread may still use it while the program exits.
Registry& TheRegistry() {
  static Registry* const registry = new Registry;
  return *registry;
}

sigset_t InterruptSignals() {
  sigset_t interrupts;
  sigemptyset(&interrupts);
  sigaddset(&interrupts, SIGINT);
  sigaddset(&interrupts, SIGTERM);
  return interrupts;
}

// Removes the listed files, then lets the signal take its usual course on this thread. The
// list stays locked: no file is created, renamed or removed meanwhile.
[[noreturn]] void EndBy(int number) {
  Registry& registry = TheRegistry();
  registry.lock.lock();
  for (const QByteArray& path : registry.paths) ::unlink(path.constData());
  ::signal(number, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, number);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(number);
  ::_exit(128 + number);  // not reached: the signal's default action ends the program
}

}  // namespace

void RemoveTemporaryFilesOnInterrupt() {
  const sigset_t interrupts = InterruptSignals();
  pthread_sigmask(SIG_BLOCK, &interrupts, nullptr);
  std::thread([interrupts] {
    int number = 0;
    while (sigwait(&interrupts, &number) != 0) {
    }
    EndBy(number);
  }).detach();
}

int CreateTemporaryFile(QByteArray& pattern) {
  Registry& registry = TheRegistry();
  const std::lock_guard<std::mutex> held(registry.lock);
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd >= 0) registry.paths.append(pattern);
  return fd;
}

int RenameTemporaryFile(const QByteArray& temporary, const QByteArray& target) {
  Registry& registry = TheRegistry();
  const std::lock_guard<std::mutex> held(registry.lock);
  const int renamed = ::rename(temporary.constData(), target.constData());
  if (renamed == 0) registry.paths.removeOne(temporary);
  return renamed;
}

void RemoveTemporaryFile(const QByteArray& temporary) {
  Registry& registry = TheRegistry();
  const std::lock_guard<std::mutex> held(registry.lock);
  ::unlink(temporary.constData());
  registry.paths.removeOne(temporary);
}
