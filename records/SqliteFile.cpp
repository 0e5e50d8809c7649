#include "records/SqliteFile.h"

#include "records/StoreError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const QString& path, const QString& what, int error) {
  throw StoreError(QStringLiteral("%1: %2 (%3)").arg(path, what, QString::fromLocal8Bit(std::strerror(error))));
}

// QDir::mkpath makes every level with the umask's mode; each level made here is the
// owner's alone.
void MakeFolder(const QString& folder) {
  if (QFileInfo(folder).isDir()) return;
  const QString parent = QFileInfo(folder).path();
  if (parent != folder) MakeFolder(parent);
  if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
    Fail(folder, QStringLiteral("the folder cannot be made"), errno);
}

}  // namespace

void PrepareSqliteFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat status {};
  if (::stat(name.constData(), &status) == 0) {
    if (!S_ISREG(status.st_mode))
      throw StoreError(QStringLiteral("%1: not a file; the records are kept in a file").arg(path));
    return;
  }
  MakeFolder(QFileInfo(path).absolutePath());
  // O_EXCL: when another instance makes the file at the same moment, its file is kept.
  const int file = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (file < 0) {
    if (errno == EEXIST) return;
    Fail(path, QStringLiteral("the file cannot be made"), errno);
  }
  ::close(file);
}
