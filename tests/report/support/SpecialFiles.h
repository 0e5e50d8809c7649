#pragma once
// Special files for the tests of written outputs, made so that a fault in the program can
// never harm the machine's own devices.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

class QTemporaryDir;

// A character device on which every write fails with "No space left on device". As root, a
// node of the device in dir, so that a program that replaced it would replace only that
// node; otherwise /dev/full, which a user cannot replace. Empty when neither can be opened
// (a folder on a file system that allows no devices).
QString FullDevice(const QTemporaryDir& dir);

// A new FIFO in dir; empty when it cannot be made.
QString MakeFifo(const QTemporaryDir& dir, const QString& name);

// A symbolic link to target, owned by uid (which needs root); false when it cannot be made.
bool MakeLinkOwnedBy(const QString& link, const QString& target, unsigned uid);

// The type and mode bits of the path itself (a link not followed); 0 when there is none.
mode_t ModeOf(const QString& path);

// The read end of a FIFO, opened without waiting for a writer, so that a writer does not
// wait for a reader either. Received() takes what has been written so far and closes it.
class FifoReader {
 public:
  explicit FifoReader(const QString& fifo);
  ~FifoReader();
  FifoReader(const FifoReader&) = delete;
  FifoReader& operator=(const FifoReader&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  QByteArray Received();

 private:
  int fd_ = -1;
};
