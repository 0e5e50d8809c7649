#pragma once
// The page store: page pictures recorded one after another in a TTsStream, in the layout
// of PageStoreFormat.h. Page 1 is found at the first record, the last page through the
// start position at the end of the stream, any other page by walking the record links
// from the nearest known record. Adding and fetching a page take the store's lock.

#include "report/device/LiveInstances.h"
#include "report/device/PageStoreFormat.h"
#include "report/device/TsStream.h"

#include <QByteArray>
#include <QRecursiveMutex>
#include <QString>

#include <memory>
#include <optional>

class QIODevice;
class QPicture;

class TTsPageList : public LiveInstances<TTsPageList> {
 public:
  // A new, empty store (nothing is written until the first page).
  TTsPageList(bool compressed, int recordingDpi,
              qint64 memoryLimit = TTsStream::kDefaultMemoryLimit);
  // A store over bytes already laid out (a page file being loaded).
  TTsPageList(std::unique_ptr<TTsStream> stream, const PageStoreFormat::Header& header);
  ~TTsPageList();

  int PageCount() const;
  bool Compressed() const { return header_.compressed; }
  int RecordingDpi() const { return header_.recordingDpi; }
  const TTsStream& Stream() const { return *stream_; }

  // Appends a finished page picture; the header is written with the first page.
  void AddPage(const QPicture& picture);
  // Writes the header again with the final page count.
  void WriteHeader();

  // A new picture of page n (1-based); nullptr when n is out of range or unreadable.
  std::unique_ptr<QPicture> GetPage(int n);

  // Copies the whole store to out in blocks; throws TsPrintError on a write error.
  void CopyTo(QIODevice& out) const;

  // The links of the record starting at pos, read as they are (the loader checks them).
  struct RecordLinks {
    qint32 pageNumber = 0;
    qint32 next = 0;
    qint32 start = 0;  // the trailing start position
  };
  std::optional<RecordLinks> ReadLinks(qint64 pos) const;
  // The picture of the record starting at pos whose next record is at next; nullptr when
  // it holds none, with the reason in problem.
  std::unique_ptr<QPicture> ReadPicture(qint64 pos, qint64 next, QString* problem = nullptr) const;

 private:
  std::optional<qint64> LocateRecord(int n);
  std::optional<qint32> ReadInt32(qint64 pos) const;

  mutable QRecursiveMutex lock_;
  std::unique_ptr<TTsStream> stream_;
  PageStoreFormat::Header header_;
  // The record last positioned on, where the next walk starts.
  int currentPage_ = 0;
  qint64 currentPos_ = 0;
};
