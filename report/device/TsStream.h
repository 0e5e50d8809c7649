#pragma once
// The byte stream under the page store: held in memory until it would grow past its memory
// limit, then moved to a temporary file in the system's temporary directory, where all
// later reads and writes go. The file is deleted when the stream is released. Reads,
// writes and seeks take the stream's lock.

#include "report/device/LiveInstances.h"

#include <QByteArray>
#include <QRecursiveMutex>
#include <QString>

#include <memory>

class QTemporaryFile;

class TTsStream : public LiveInstances<TTsStream> {
 public:
  static constexpr qint64 kDefaultMemoryLimit = 100000;

  explicit TTsStream(qint64 memoryLimit = kDefaultMemoryLimit);
  ~TTsStream();
  TTsStream(const TTsStream&) = delete;
  TTsStream& operator=(const TTsStream&) = delete;

  qint64 Size() const;
  qint64 Position() const;
  // Moves to pos; false (position unchanged) when pos lies outside 0..Size().
  bool Seek(qint64 pos);
  // Reads up to count bytes at the position; returns the number read (short at the end).
  qint64 Read(char* data, qint64 count);
  // Reads exactly count bytes at pos; false when the stream holds fewer.
  bool ReadAt(qint64 pos, char* data, qint64 count);
  // Writes at the position, growing the stream; throws TsPrintError when the spill file
  // cannot be created or written.
  void Write(const char* data, qint64 count);
  void Write(const QByteArray& bytes) { Write(bytes.constData(), bytes.size()); }

  // True once the content lives in the temporary file; its name, empty before.
  bool Spilled() const;
  QString SpillFileName() const;

  // Held by callers that need several operations to stay together.
  QRecursiveMutex& Lock() const { return lock_; }

 private:
  void SpillToFile();
  bool FillReadBlock(qint64 pos, qint64 count);

  static constexpr qint64 kReadBlock = 262144;

  mutable QRecursiveMutex lock_;
  const qint64 memoryLimit_;
  QByteArray memory_;
  std::unique_ptr<QTemporaryFile> file_;
  qint64 size_ = 0;
  qint64 position_ = 0;
  // The block last read from the file (readBlockStart_ < 0: none).
  QByteArray readBlock_;
  qint64 readBlockStart_ = -1;
};
