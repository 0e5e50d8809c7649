#pragma once
// A file the user names for the program to write: a results table, a PDF, a page file, a
// print to file. Every such file is written through this one class, so that all are
// written alike:
//
// - A regular file, or a name where no file is yet, is written to a temporary file in the
//   same folder that replaces it only once complete; an unfinished write leaves the target
//   as it was. A new file is owner-only (0600) whatever the umask, as it may hold personal
//   data; a replaced file keeps its mode.
// - A FIFO or a character device (a terminal, /dev/null) is written directly, never
//   replaced by a regular file.
// - "-" is standard output where the caller allows it.
// - A symbolic link is followed to the file it names, except a link in a sticky folder
//   that anyone may write to (such as /tmp) whose owner is neither the folder's owner nor
//   the user: the trap the kernel's protected_symlinks setting closes for opening a file,
//   and which a save by rename would walk around. Such a link is refused.
// - A folder, a block device or a socket is refused.
// Failures carry the operating system's reason ("No space left on device").
// - A program that removes temporary files on an interrupt (TemporaryFiles.h) leaves none
//   of these behind when SIGINT or SIGTERM ends it.
//
// Written over the POSIX calls rather than on QSaveFile, which (Qt 6.4) falls short on
// each point: it gives a new file the umask's mode (0644, readable by every user), renames
// its temporary file over a FIFO or a device, follows every symbolic link, and when the
// disk fills its write stops short while commit() reports success, its reason "Unknown
// error".

#include "report/device/TsPrintError.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <sys/types.h>

class OutputFileError : public TsPrintError {
 public:
  // The text: "The file FILE cannot be created: REASON" when opening failed, "... cannot be
  // written: REASON" later.
  OutputFileError(const QString& fileName, const QString& reason, bool opening);

  QString fileName;  // as the caller named it
  QString reason;    // why, in the operating system's words where it refused
};

// Whether the name "-" means standard output or a file of that name.
enum class DashMeans { FileName, StandardOutput };

class OutputFile : public QIODevice {
 public:
  explicit OutputFile(const QString& fileName, DashMeans dash = DashMeans::FileName);
  // Unless committed, the temporary file is removed and the target stays as it was.
  ~OutputFile() override;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Checks the target and opens it for writing. Throws OutputFileError.
  void Open();
  // Writes out what is buffered; a temporary file is synced to disk and renamed over the
  // target. Throws OutputFileError on the first write that failed or on a failure now,
  // the temporary file then removed.
  void Commit();
  // Throws OutputFileError when a write has failed already (a full disk), so that a long
  // output can stop there rather than at Commit.
  void CheckWrites() const;

  // Checks that the name could be opened as Open() opens it, without writing anything,
  // leaving anything behind or opening a FIFO (which would wait for its reader). Throws
  // OutputFileError.
  static void Probe(const QString& fileName, DashMeans dash = DashMeans::FileName);

  // The name as given, or "standard output".
  QString Name() const;

  // The bytes are written in order and cannot be read back.
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 size) override;

 private:
  friend class FileIdentity;
  struct Target;
  enum class Stage { Opening, Writing };

  bool IsStandardOutput() const;
  // The file the name leads to; throws OutputFileError when it is refused.
  Target Check() const;
  [[noreturn]] void Fail(const QString& reason, Stage stage) const;
  [[noreturn]] void FailWithError(int error, Stage stage) const;
  void OpenTemporary(const QByteArray& target, mode_t mode);
  void OpenDirect(const QByteArray& target);
  void WriteBuffer();
  void Complete();
  // Closes the file and removes the temporary file.
  void Discard();

  QString fileName_;
  DashMeans dash_;
  int fd_ = -1;
  bool ownsDescriptor_ = false;
  QByteArray target_;     // the file the temporary file replaces on commit
  QByteArray temporary_;  // empty when writing directly
  QByteArray buffer_;
  int error_ = 0;  // the first write error (errno)
};

// Which file a name refers to, so that two names can be told to be the same file: the
// device and inode where a file exists (through links, hard links alike), otherwise the
// folder's real path and the name; "-" is standard output where dash says so.
class FileIdentity {
 public:
  static FileIdentity Of(const QString& fileName, DashMeans dash = DashMeans::FileName);
  bool operator==(const FileIdentity&) const = default;

 private:
  dev_t device_ = 0;
  ino_t inode_ = 0;
  QString path_;  // when no file exists
};
