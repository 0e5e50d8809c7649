#include "tests/report/support/SpecialFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

bool OpensForWriting(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace

QString FullDevice(const QTemporaryDir& dir) {
  if (::geteuid() != 0) return OpensForWriting(QStringLiteral("/dev/full")) ? QStringLiteral("/dev/full") : QString();
  const QString node = dir.filePath(QStringLiteral("full"));
  struct stat full {};
  if (::stat("/dev/full", &full) != 0 || !S_ISCHR(full.st_mode)) return {};
  if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, full.st_rdev) != 0) return {};
  return OpensForWriting(node) ? node : QString();
}

QString MakeFifo(const QTemporaryDir& dir, const QString& name) {
  const QString fifo = dir.filePath(name);
  return ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 ? fifo : QString();
}

bool MakeLinkOwnedBy(const QString& link, const QString& target, unsigned uid) {
  const QByteArray name = QFile::encodeName(link);
  return ::symlink(QFile::encodeName(target).constData(), name.constData()) == 0 &&
         ::lchown(name.constData(), uid, static_cast<gid_t>(-1)) == 0;
}

mode_t ModeOf(const QString& path) {
  struct stat status {};
  return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
}

FifoReader::FifoReader(const QString& fifo)
    : fd_(::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}

FifoReader::~FifoReader() {
  if (fd_ >= 0) ::close(fd_);
}

QByteArray FifoReader::Received() {
  QByteArray received(65536, '\0');
  const ssize_t got = fd_ >= 0 ? ::read(fd_, received.data(), static_cast<size_t>(received.size())) : -1;
  received.truncate(got > 0 ? static_cast<qsizetype>(got) : 0);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  return received;
}
