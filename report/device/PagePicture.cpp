#include "report/device/PagePicture.h"

#include "report/device/PageStoreFormat.h"
#include "report/device/PictureCommandCheck.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <QPaintDevice>
#include <QPicture>

#include <zlib.h>

namespace {

// Far beyond any page (a dense one is some 100 KB), small enough that a hostile length
// cannot exhaust memory.
constexpr qint64 kLargestPicture = 16 * 1024 * 1024;
// Deflate never inflates more than about 1032 times; a claimed length beyond that is a lie.
constexpr qint64 kMostInflation = 1032;
constexpr qint64 kInflationSlack = 64;

QByteArray PictureBytes(const QPicture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPicture shared(picture);  // save() is not const; the copy shares the recorded data
  shared.save(&buffer);
  return bytes;
}

QByteArray Compress(const QByteArray& plain) {
  // qCompress puts the length big-endian in front; the record wants it little-endian.
  const QByteArray packed = qCompress(plain);
  return PageStoreFormat::Int32Bytes(static_cast<qint32>(plain.size())) + packed.mid(4);
}

// zlib directly, into a buffer of exactly the claimed length: qUncompress keeps growing its
// buffer while the data inflates past the length it was told, so a small file could make
// it allocate without bound.
QByteArray Uncompress(const QByteArray& bytes, QString& problem) {
  const qint64 packed = bytes.size() - 4;
  const qint32 length = packed >= 0 ? PageStoreFormat::Int32FromBytes(bytes.constData()) : 0;
  if (length <= 0 || length > kLargestPicture || length > packed * kMostInflation + kInflationSlack) {
    problem = QStringLiteral("its compressed picture claims an impossible size");
    return {};
  }
  QByteArray plain(length, Qt::Uninitialized);
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) {
    problem = QStringLiteral("its compressed picture cannot be unpacked");
    return {};
  }
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData() + 4));
  stream.avail_in = static_cast<uInt>(packed);
  stream.next_out = reinterpret_cast<Bytef*>(plain.data());
  stream.avail_out = static_cast<uInt>(length);
  const bool complete = inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_out == 0;
  inflateEnd(&stream);
  if (!complete) {
    problem = QStringLiteral("its compressed picture is damaged");
    return {};
  }
  return plain;
}

}  // namespace

std::unique_ptr<QPicture> NewPagePicture(QSize pixels) {
  auto picture = std::make_unique<QPicture>(kPagePictureFormat);
  picture->setBoundingRect(QRect(QPoint(0, 0), pixels));
  return picture;
}

QByteArray PictureRecordBytes(const QPicture& picture, bool compressed) {
  const QByteArray plain = PictureBytes(picture);
  return compressed ? Compress(plain) : plain;
}

qint64 LargestPictureRecordBytes(bool compressed) {
  return compressed ? 4 + qint64(compressBound(uLong(kLargestPicture))) : kLargestPicture;
}

std::unique_ptr<QPicture> PictureFromRecordBytes(const QByteArray& bytes, bool compressed, QString* problem) {
  QString reason;
  const QByteArray plain = compressed ? Uncompress(bytes, reason) : bytes;
  if (reason.isEmpty() && plain.size() > kLargestPicture) reason = QStringLiteral("its picture is too large");
  auto picture = std::make_unique<QPicture>();
  // Loading reads the header and verifies the checksum but plays nothing; the commands are
  // checked before the picture is handed out.
  if (reason.isEmpty()) {
    QBuffer buffer;
    buffer.setData(plain);
    buffer.open(QIODevice::ReadOnly);
    if (!picture->load(&buffer)) reason = PictureLoadProblem(plain);
  }
  if (reason.isEmpty()) reason = PictureCommandProblem(plain);
  if (reason.isEmpty()) return picture;
  if (problem) *problem = reason;
  return nullptr;
}

void DrawPagePicture(QPainter& painter, const QPicture& page, const QRectF& target) {
  const QRect source = page.boundingRect();
  const QPaintDevice* device = painter.device();
  if (source.isEmpty() || device == nullptr || page.logicalDpiX() <= 0 || page.logicalDpiY() <= 0) return;
  // Replaying scales by the device's resolution over the picture's; divide that out.
  const qreal replayX = qreal(device->logicalDpiX()) / page.logicalDpiX();
  const qreal replayY = qreal(device->logicalDpiY()) / page.logicalDpiY();
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / source.width() / replayX, target.height() / source.height() / replayY);
  painter.drawPicture(QPointF(-source.left() * replayX, -source.top() * replayY), page);
  painter.restore();
}
