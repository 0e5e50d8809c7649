#include "report/device/TsPageList.h"

#include "report/device/PagePicture.h"
#include "report/device/TsPrintError.h"

#include <QIODevice>
#include <QMutexLocker>
#include <QPicture>

#include <cstdlib>
#include <limits>

using namespace PageStoreFormat;

TTsPageList::TTsPageList(bool compressed, int recordingDpi, qint64 memoryLimit)
    : stream_(std::make_unique<TTsStream>(memoryLimit)) {
  header_.compressed = compressed;
  header_.recordingDpi = recordingDpi;
}

TTsPageList::TTsPageList(std::unique_ptr<TTsStream> stream, const Header& header)
    : stream_(std::move(stream)), header_(header) {}

TTsPageList::~TTsPageList() = default;

int TTsPageList::PageCount() const {
  QMutexLocker locker(&lock_);
  return header_.pageCount;
}

void TTsPageList::AddPage(const QPicture& picture) {
  QMutexLocker locker(&lock_);
  QMutexLocker streamLocker(&stream_->Lock());
  if (header_.pageCount == 0) WriteHeader();
  const qint64 start = stream_->Size();
  const qint32 pageNumber = header_.pageCount + 1;
  const QByteArray pictureBytes = PictureRecordBytes(picture, header_.compressed);
  // The record is composed whole, its next position included, and written in one piece.
  const qint64 next = start + kRecordOverhead + pictureBytes.size();
  if (next > std::numeric_limits<qint32>::max())  // positions are 32-bit
    throw TsPrintError(QStringLiteral("The page store is full: a report cannot hold more than 2 GB of pages."));
  stream_->Seek(start);
  stream_->Write(Int32Bytes(pageNumber) + Int32Bytes(static_cast<qint32>(next)) + pictureBytes +
                 Int32Bytes(static_cast<qint32>(start)));
  header_.pageCount = pageNumber;
  currentPage_ = pageNumber;
  currentPos_ = start;
}

void TTsPageList::WriteHeader() {
  QMutexLocker locker(&lock_);
  QMutexLocker streamLocker(&stream_->Lock());
  header_.dateTime = DayCountDateTime(QDateTime::currentDateTime());
  const qint64 position = stream_->Position();
  stream_->Seek(0);
  stream_->Write(EncodeHeader(header_));
  stream_->Seek(position > kHeaderSize ? position : kHeaderSize);
}

std::unique_ptr<QPicture> TTsPageList::GetPage(int n) {
  QMutexLocker locker(&lock_);
  const std::optional<qint64> pos = LocateRecord(n);
  if (!pos) return nullptr;
  const std::optional<RecordLinks> links = ReadLinks(*pos);
  if (!links) return nullptr;
  return ReadPicture(*pos, links->next);
}

void TTsPageList::CopyTo(QIODevice& out) const {
  constexpr qint64 kBlockSize = 10240;
  QMutexLocker streamLocker(&stream_->Lock());
  QByteArray block(kBlockSize, '\0');
  for (qint64 pos = 0; pos < stream_->Size(); pos += kBlockSize) {
    const qint64 count = std::min(kBlockSize, stream_->Size() - pos);
    if (!stream_->ReadAt(pos, block.data(), count))
      throw TsPrintError(QStringLiteral("The page store cannot be read."));
    if (out.write(block.constData(), count) != count)
      throw TsPrintError(QStringLiteral("The file cannot be written: %1").arg(out.errorString()));
  }
}

std::optional<TTsPageList::RecordLinks> TTsPageList::ReadLinks(qint64 pos) const {
  const std::optional<qint32> pageNumber = ReadInt32(pos);
  const std::optional<qint32> next = ReadInt32(pos + 4);
  if (!pageNumber || !next || *next < pos + kRecordOverhead) return std::nullopt;
  const std::optional<qint32> start = ReadInt32(*next - 4);
  if (!start) return std::nullopt;
  return RecordLinks{*pageNumber, *next, *start};
}

std::unique_ptr<QPicture> TTsPageList::ReadPicture(qint64 pos, qint64 next, QString* problem) const {
  const qint64 length = next - 4 - (pos + 8);
  QByteArray bytes;
  if (length > 0 && length <= stream_->Size()) bytes.resize(length);
  if (bytes.isEmpty() || !stream_->ReadAt(pos + 8, bytes.data(), length)) {
    if (problem) *problem = QStringLiteral("its record holds no picture");
    return nullptr;
  }
  return PictureFromRecordBytes(bytes, header_.compressed, problem);
}

std::optional<qint64> TTsPageList::LocateRecord(int n) {
  const int count = header_.pageCount;
  if (n < 1 || n > count) return std::nullopt;
  // Start from the nearest known record: page 1, the current record or the last page.
  qint64 pos = kFirstRecord;
  int page = 1;
  if (currentPage_ > 0 && std::abs(n - currentPage_) < n - page) {
    pos = currentPos_;
    page = currentPage_;
  }
  if (count - n < std::abs(n - page)) {
    const std::optional<qint32> last = ReadInt32(stream_->Size() - 4);
    if (!last) return std::nullopt;
    pos = *last;
    page = count;
  }
  // Walk the links; each step moves one record, so a walk can never exceed the page count.
  while (page != n) {
    const std::optional<qint32> link = page < n ? ReadInt32(pos + 4) : ReadInt32(pos - 4);
    if (!link || *link < kFirstRecord || *link == pos) return std::nullopt;
    pos = *link;
    page += page < n ? 1 : -1;
  }
  currentPage_ = n;
  currentPos_ = pos;
  return pos;
}

std::optional<qint32> TTsPageList::ReadInt32(qint64 pos) const {
  char bytes[4];
  if (!stream_->ReadAt(pos, bytes, 4)) return std::nullopt;
  return Int32FromBytes(bytes);
}
