#include "report/device/OutputFile.h"

#include "report/device/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>

namespace {

// Written out in blocks of this size: a PDF arrives in many small pieces.
constexpr qsizetype kBufferSize = 65536;
// The kernel's own limit on the symbolic links followed for one name.
constexpr int kMaxLinks = 40;

const char* const kNotAFile = "it is neither a file, a FIFO nor a character device";

QString SystemReason(int error) { return QString::fromStdString(std::system_category().message(error)); }

QByteArray FolderOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return ".";
  return slash == 0 ? QByteArray("/") : path.left(slash);
}

// A link that the kernel's protected_symlinks rule does not follow: in a sticky folder that
// anyone may write to, owned by neither the folder's owner nor the user.
bool IsProtectedLink(const QByteArray& link, const struct stat& linkStatus) {
  struct stat folder {};
  if (::stat(FolderOf(link).constData(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return shared && linkStatus.st_uid != folder.st_uid && linkStatus.st_uid != ::geteuid();
}

}  // namespace

// A name with its symbolic links followed, one at a time, to the file that is written.
struct OutputFile::Target {
  QByteArray path;
  bool exists = false;
  struct stat status {};  // of path, when it exists
  int error = 0;          // errno when the name cannot be followed
  bool protectedLink = false;

  static Target Resolve(QByteArray path) {
    Target target;
    for (int links = 0;; ++links) {
      target.path = path;
      if (::lstat(path.constData(), &target.status) != 0) {
        if (errno != ENOENT) target.error = errno;
        return target;  // nothing there yet: the file is created
      }
      if (!S_ISLNK(target.status.st_mode)) {
        target.exists = true;
        return target;
      }
      if (IsProtectedLink(path, target.status)) {
        target.protectedLink = true;
        return target;
      }
      if (links == kMaxLinks) {
        target.error = ELOOP;
        return target;
      }
      QByteArray destination(PATH_MAX, '\0');
      const ssize_t length = ::readlink(path.constData(), destination.data(), static_cast<size_t>(destination.size()));
      if (length < 0) {
        target.error = errno;
        return target;
      }
      destination.truncate(length);
      path = destination.startsWith('/') ? destination : FolderOf(path) + '/' + destination;
    }
  }
};

OutputFileError::OutputFileError(const QString& fileName, const QString& reason, bool opening)
    : TsPrintError(QStringLiteral("The file %1 cannot be %2: %3")
                       .arg(fileName, opening ? QStringLiteral("created") : QStringLiteral("written"), reason)),
      fileName(fileName),
      reason(reason) {}

OutputFile::OutputFile(const QString& fileName, DashMeans dash) : fileName_(fileName), dash_(dash) {}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Discard() {
  if (ownsDescriptor_ && fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.isEmpty()) RemoveTemporaryFile(temporary_);
  temporary_.clear();
}

bool OutputFile::IsStandardOutput() const {
  return dash_ == DashMeans::StandardOutput && fileName_ == QStringLiteral("-");
}

QString OutputFile::Name() const { return IsStandardOutput() ? QStringLiteral("standard output") : fileName_; }

void OutputFile::Fail(const QString& reason, Stage stage) const {
  throw OutputFileError(Name(), reason, stage == Stage::Opening);
}

void OutputFile::FailWithError(int error, Stage stage) const { Fail(SystemReason(error), stage); }

OutputFile::Target OutputFile::Check() const {
  const QByteArray name = QFile::encodeName(fileName_);
  if (name.isEmpty()) FailWithError(ENOENT, Stage::Opening);
  if (name.endsWith('/')) FailWithError(EISDIR, Stage::Opening);
  Target target = Target::Resolve(name);
  if (target.error != 0) FailWithError(target.error, Stage::Opening);
  if (target.protectedLink)
    Fail(QStringLiteral("it is another user's symbolic link in a folder open to all users, which is not followed"),
         Stage::Opening);
  if (!target.exists) return target;
  const mode_t kind = target.status.st_mode & S_IFMT;
  if (kind == S_IFDIR) FailWithError(EISDIR, Stage::Opening);
  if (kind != S_IFREG && kind != S_IFIFO && kind != S_IFCHR) Fail(QString::fromLatin1(kNotAFile), Stage::Opening);
  // A file the user may not write is not replaced behind its back by way of its folder.
  if (::faccessat(AT_FDCWD, target.path.constData(), W_OK, AT_EACCESS) != 0) FailWithError(errno, Stage::Opening);
  return target;
}

void OutputFile::Open() {
  if (IsStandardOutput()) {
    fd_ = STDOUT_FILENO;
  } else {
    const Target target = Check();
    if (!target.exists)
      OpenTemporary(target.path, S_IRUSR | S_IWUSR);
    else if (S_ISREG(target.status.st_mode))
      OpenTemporary(target.path, target.status.st_mode & 0777);
    else
      OpenDirect(target.path);
  }
  QIODevice::open(QIODevice::WriteOnly);
}

void OutputFile::Probe(const QString& fileName, DashMeans dash) {
  OutputFile probe(fileName, dash);
  if (probe.IsStandardOutput()) return;
  const Target target = probe.Check();  // a FIFO or device is not opened: it may wait for its reader
  if (!target.exists || S_ISREG(target.status.st_mode)) probe.Open();  // its temporary file goes with it
}

// The temporary file, created owner-only by mkostemp and given its final mode here, where
// the umask has no say.
void OutputFile::OpenTemporary(const QByteArray& target, mode_t mode) {
  QByteArray pattern = target + ".XXXXXX";
  fd_ = CreateTemporaryFile(pattern);
  if (fd_ < 0) FailWithError(errno, Stage::Opening);
  ownsDescriptor_ = true;
  temporary_ = pattern;
  target_ = target;
  if (::fchmod(fd_, mode) != 0) FailWithError(errno, Stage::Opening);
}

void OutputFile::OpenDirect(const QByteArray& target) {
  fd_ = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW);
  if (fd_ < 0) FailWithError(errno, Stage::Opening);
  ownsDescriptor_ = true;
  struct stat opened {};
  if (::fstat(fd_, &opened) != 0) FailWithError(errno, Stage::Opening);
  // Something else put in its place since it was looked at is not written to.
  if (!S_ISFIFO(opened.st_mode) && !S_ISCHR(opened.st_mode)) Fail(QString::fromLatin1(kNotAFile), Stage::Opening);
}

qint64 OutputFile::readData(char*, qint64) { return -1; }

qint64 OutputFile::writeData(const char* data, qint64 size) {
  if (error_ == 0) {
    buffer_.append(data, size);
    if (buffer_.size() >= kBufferSize) WriteBuffer();
  }
  if (error_ != 0) {
    setErrorString(SystemReason(error_));
    return -1;
  }
  return size;
}

void OutputFile::WriteBuffer() {
  qsizetype done = 0;
  while (done < buffer_.size() && error_ == 0) {
    const ssize_t written = ::write(fd_, buffer_.constData() + done, static_cast<size_t>(buffer_.size() - done));
    if (written > 0)
      done += written;
    else if (written == 0)
      error_ = EIO;
    else if (errno != EINTR)
      error_ = errno;
  }
  buffer_.resize(0);
}

void OutputFile::Commit() {
  try {
    Complete();
  } catch (const OutputFileError&) {
    Discard();
    throw;
  }
  QIODevice::close();
}

void OutputFile::CheckWrites() const {
  if (error_ != 0) FailWithError(error_, Stage::Writing);
}

void OutputFile::Complete() {
  if (fd_ < 0) Fail(QStringLiteral("it is not open"), Stage::Writing);
  WriteBuffer();
  if (error_ != 0) FailWithError(error_, Stage::Writing);
  if (!temporary_.isEmpty() && ::fsync(fd_) != 0) FailWithError(errno, Stage::Writing);
  const int fd = fd_;
  fd_ = -1;
  if (ownsDescriptor_ && ::close(fd) != 0 && errno != EINTR) FailWithError(errno, Stage::Writing);
  if (!temporary_.isEmpty()) {
    // A FIFO, device or link put in the target's place meanwhile is not replaced.
    struct stat now {};
    if (::lstat(target_.constData(), &now) == 0 && !S_ISREG(now.st_mode))
      Fail(QString::fromLatin1(kNotAFile), Stage::Writing);
    if (RenameTemporaryFile(temporary_, target_) != 0) FailWithError(errno, Stage::Writing);
    temporary_.clear();
  }
}

FileIdentity FileIdentity::Of(const QString& fileName, DashMeans dash) {
  FileIdentity identity;
  struct stat status {};
  const bool standardOutput = dash == DashMeans::StandardOutput && fileName == QStringLiteral("-");
  const QByteArray name = QFile::encodeName(fileName);
  if (standardOutput ? ::fstat(STDOUT_FILENO, &status) == 0 : ::stat(name.constData(), &status) == 0) {
    identity.device_ = status.st_dev;
    identity.inode_ = status.st_ino;
    return identity;
  }
  // A file still to be made, a dangling link's included: its folder's real path and name.
  const QFileInfo file(QFile::decodeName(OutputFile::Target::Resolve(name).path));
  const QString folder = file.absoluteDir().canonicalPath();
  identity.path_ = folder.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : folder + u'/' + file.fileName();
  return identity;
}
