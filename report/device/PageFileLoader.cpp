#include "report/device/PageFileLoader.h"

#include "report/device/PagePicture.h"
#include "report/device/TsPageList.h"
#include "report/device/TsPrintError.h"

#include <QFile>
#include <QFileInfo>
#include <QPicture>

#include <limits>

using namespace PageStoreFormat;

namespace {

const char* const kNotAPageFile = "The file is not a report page file.";

[[noreturn]] void RefuseDamagedPage(int page, const QString& problem = {}) {
  if (problem.isEmpty()) throw TsPrintError(QStringLiteral("The file is damaged: page %1 cannot be read.").arg(page));
  throw TsPrintError(QStringLiteral("The file is damaged: page %1 cannot be read, as %2.").arg(page).arg(problem));
}

Header ReadHeader(QFile& file) {
  const DecodedHeader decoded = DecodeHeader(file.read(kHeaderSize));
  if (!decoded.header) {
    if (decoded.problem == HeaderProblem::NotAPageFile) throw TsPrintError(kNotAPageFile);
    throw TsPrintError(QStringLiteral("The file is damaged: its header is invalid."));
  }
  const Header header = *decoded.header;
  // Every record takes at least its three positions, so the size bounds the page count.
  const qint64 roomForRecords = file.size() - kHeaderSize;
  if (header.pageCount > roomForRecords / kRecordOverhead)
    throw TsPrintError(QStringLiteral("The file is damaged: it holds fewer pages than its header states."));
  if (header.pageCount == 0) {
    if (roomForRecords != 0) throw TsPrintError(QStringLiteral("The file is damaged: its header states no pages."));
    throw TsPrintError(QStringLiteral("The file holds no pages."));
  }
  // Nor can a record be longer than its positions and the largest picture, so the page count
  // bounds the size too: a file far larger is refused before any of it is copied.
  const qint64 largestRecord = kRecordOverhead + LargestPictureRecordBytes(header.compressed);
  if (roomForRecords > header.pageCount * largestRecord)
    throw TsPrintError(QStringLiteral("The file is damaged: it is larger than the pages its header states."));
  return header;
}

std::unique_ptr<TTsStream> CopyIntoStream(QFile& file) {
  constexpr qint64 kBlockSize = 10240;
  auto stream = std::make_unique<TTsStream>();
  file.seek(0);
  while (!file.atEnd()) {
    const QByteArray block = file.read(kBlockSize);
    if (block.isEmpty())
      throw TsPrintError(QStringLiteral("The file cannot be read: %1").arg(file.errorString()));
    stream->Write(block);
  }
  return stream;
}

// Walks the records forward from the first: each must carry its page number, link
// strictly forward to the next, name its own start at its end and hold a picture; the
// last must end exactly at the end of the file. The walk takes at most pageCount steps.
void CheckRecords(const TTsPageList& store) {
  const qint64 size = store.Stream().Size();
  qint64 pos = kFirstRecord;
  for (int page = 1; page <= store.PageCount(); ++page) {
    const auto links = store.ReadLinks(pos);
    const bool last = page == store.PageCount();
    if (!links || links->pageNumber != page || links->start != pos || links->next > size ||
        (last && links->next != size))
      RefuseDamagedPage(page);
    QString problem;
    if (store.ReadPicture(pos, links->next, &problem) == nullptr) RefuseDamagedPage(page, problem);
    pos = links->next;
  }
}

}  // namespace

std::unique_ptr<TTsPageList> LoadPageFile(const QString& fileName) {
  QFile file(fileName);
  const QFileInfo info(file);
  if (info.isDir()) throw TsPrintError(QStringLiteral("%1 is a folder, not a file.").arg(fileName));
  if (!info.isFile()) throw TsPrintError(QStringLiteral("The file %1 does not exist.").arg(fileName));
  if (!file.open(QIODevice::ReadOnly))
    throw TsPrintError(QStringLiteral("The file %1 cannot be opened: %2").arg(fileName, file.errorString()));
  if (file.size() > std::numeric_limits<qint32>::max()) throw TsPrintError(kNotAPageFile);
  const Header header = ReadHeader(file);
  // The store keeps its own copy, so the checked bytes cannot change under it later.
  auto store = std::make_unique<TTsPageList>(CopyIntoStream(file), header);
  if (store->Stream().Size() != file.size())
    throw TsPrintError(QStringLiteral("The file cannot be read completely."));
  CheckRecords(*store);
  return store;
}
