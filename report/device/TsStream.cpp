#include "report/device/TsStream.h"

#include "report/device/TsPrintError.h"

#include <QDir>
#include <QMutexLocker>
#include <QTemporaryFile>

#include <algorithm>
#include <cstring>

namespace {

// Writes all of data. QFile answers a write that the disk cut short with the bytes it took
// and no reason; writing the rest again fails with the system's reason ("No space left on
// device"), which the file's errorString() then gives.
bool WriteAll(QIODevice& file, const char* data, qint64 count) {
  while (count > 0) {
    const qint64 written = file.write(data, count);
    if (written <= 0) return false;
    data += written;
    count -= written;
  }
  return true;
}

}  // namespace

TTsStream::TTsStream(qint64 memoryLimit) : memoryLimit_(memoryLimit) {}

TTsStream::~TTsStream() = default;  // QTemporaryFile removes its file

qint64 TTsStream::Size() const {
  QMutexLocker locker(&lock_);
  return size_;
}

qint64 TTsStream::Position() const {
  QMutexLocker locker(&lock_);
  return position_;
}

bool TTsStream::Seek(qint64 pos) {
  QMutexLocker locker(&lock_);
  if (pos < 0 || pos > size_) return false;
  position_ = pos;
  return true;
}

qint64 TTsStream::Read(char* data, qint64 count) {
  QMutexLocker locker(&lock_);
  const qint64 wanted = std::clamp<qint64>(count, 0, size_ - position_);
  if (wanted == 0) return 0;
  if (file_) {
    if (wanted > kReadBlock) {
      if (!file_->seek(position_)) return 0;
      const qint64 got = file_->read(data, wanted);
      if (got <= 0) return 0;
      position_ += got;
      return got;
    }
    if (!FillReadBlock(position_, wanted)) return 0;
    std::memcpy(data, readBlock_.constData() + (position_ - readBlockStart_), static_cast<size_t>(wanted));
  } else {
    std::memcpy(data, memory_.constData() + position_, static_cast<size_t>(wanted));
  }
  position_ += wanted;
  return wanted;
}

// Small reads from the file go through one block read ahead, so that walking the record
// links, a few bytes per record, does not cost a file read per record.
bool TTsStream::FillReadBlock(qint64 pos, qint64 count) {
  if (readBlockStart_ >= 0 && pos >= readBlockStart_ && pos + count <= readBlockStart_ + readBlock_.size())
    return true;
  readBlockStart_ = -1;
  if (!file_->seek(pos)) return false;
  readBlock_ = file_->read(std::min(kReadBlock, size_ - pos));
  if (readBlock_.size() < count) return false;
  readBlockStart_ = pos;
  return true;
}

bool TTsStream::ReadAt(qint64 pos, char* data, qint64 count) {
  QMutexLocker locker(&lock_);
  if (count < 0 || pos < 0 || pos > size_ - count) return false;
  return Seek(pos) && Read(data, count) == count;
}

void TTsStream::Write(const char* data, qint64 count) {
  QMutexLocker locker(&lock_);
  if (count <= 0) return;
  const qint64 end = position_ + count;
  if (!file_ && std::max(end, size_) > memoryLimit_) SpillToFile();
  if (file_) {
    readBlockStart_ = -1;
    readBlock_.clear();
    if (!file_->seek(position_) || !WriteAll(*file_, data, count))
      throw TsPrintError(QStringLiteral("The page store cannot be written: %1").arg(file_->errorString()));
  } else {
    if (end > memory_.size()) memory_.resize(end);
    std::memcpy(memory_.data() + position_, data, static_cast<size_t>(count));
  }
  position_ = end;
  size_ = std::max(size_, end);
}

bool TTsStream::Spilled() const {
  QMutexLocker locker(&lock_);
  return file_ != nullptr;
}

QString TTsStream::SpillFileName() const {
  QMutexLocker locker(&lock_);
  return file_ ? file_->fileName() : QString();
}

void TTsStream::SpillToFile() {
  auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/corvane-pages-XXXXXX.tmp"));
  if (!file->open())
    throw TsPrintError(QStringLiteral("The page store cannot create its temporary file: %1").arg(file->errorString()));
  if (!WriteAll(*file, memory_.constData(), size_))
    throw TsPrintError(QStringLiteral("The page store cannot be written: %1").arg(file->errorString()));
  file_ = std::move(file);
  memory_ = QByteArray();
}
