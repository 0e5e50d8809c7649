#include "roster/RosterFile.h"

#include "roster/RosterError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

constexpr qint64 kChunk = 256 * 1024;
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

RosterError TooLarge() {
  return {0, QStringLiteral("too large for a roster, which is at most %1 MiB").arg(kLargestRoster >> 20)};
}

// The descriptor, closed when it is not handed on.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// One pass from the start of the roster; the encoding its text turned out to be in.
RosterEncoding ParsePass(QIODevice& roster, FieldDecoder* decoder, const RecordSink& sink,
                         const ReadProgress& progress) {
  if (!roster.seek(0)) throw RosterError{0, roster.errorString()};
  RosterParser parser(decoder, sink);
  QByteArray chunk(kChunk, Qt::Uninitialized);
  qint64 read = 0;
  bool byteOrderMark = false;
  for (;;) {
    const qint64 got = roster.read(chunk.data(), kChunk);
    if (got < 0) throw RosterError{0, roster.errorString()};
    if (got == 0) break;
    QByteArrayView bytes(chunk.constData(), got);
    if (read == 0 && bytes.startsWith(kByteOrderMark)) {
      byteOrderMark = true;
      bytes = bytes.sliced(kByteOrderMark.size());
    }
    read += got;
    if (read > kLargestRoster) throw TooLarge();  // it grew while being read
    parser.Parse(bytes);
    if (progress) progress(read);
  }
  parser.Finish();
  return parser.Evidence().Verdict(byteOrderMark);
}

}  // namespace

// Written with POSIX calls: QFile has no way to open without blocking, and opening a pipe
// for reading waits for a writer. The kind is taken from the open descriptor, so a file
// replaced between a check and the opening cannot slip through.
std::unique_ptr<QFile> OpenRosterFile(const QString& path) {
  Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) throw RosterError{0, SystemError()};
  struct stat status {};
  if (::fstat(fd.Get(), &status) != 0) throw RosterError{0, SystemError()};
  if (S_ISDIR(status.st_mode)) throw RosterError{0, QStringLiteral("a folder, not a roster file")};
  if (!S_ISREG(status.st_mode))
    throw RosterError{
        0, QStringLiteral("not a regular file (a pipe, a device or a socket): a roster is read from a file")};
  if (status.st_size > kLargestRoster) throw TooLarge();
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) throw RosterError{0, SystemError()};
  auto file = std::make_unique<QFile>();
  if (!file->open(fd.Get(), QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
    throw RosterError{0, file->errorString()};
  fd.Release();
  return file;
}

void ReadRoster(QIODevice& roster, const RecordSink& sink, const ReadProgress& progress) {
  if (roster.size() > kLargestRoster) throw TooLarge();
  FieldDecoder decoder(ParsePass(roster, nullptr, {}, {}));
  ParsePass(roster, &decoder, sink, progress);
}
