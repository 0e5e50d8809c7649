#include "report/device/PagePicture.h"

#include "report/device/PageStoreFormat.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <QPaintDevice>
#include <QPicture>
#include <QtEndian>

namespace {

// Every Qt 6 release reads pictures of this version.
constexpr int kPictureFormatVersion = QDataStream::Qt_6_0;
// Far beyond any page, small enough that a hostile length cannot exhaust memory.
constexpr qint32 kLargestPicture = 256 * 1024 * 1024;

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

QByteArray Uncompress(const QByteArray& bytes) {
  if (bytes.size() < 4) return {};
  const qint32 length = PageStoreFormat::Int32FromBytes(bytes.constData());
  if (length <= 0 || length > kLargestPicture) return {};
  QByteArray packed(4, '\0');
  qToBigEndian(static_cast<quint32>(length), packed.data());
  packed += bytes.mid(4);
  QByteArray plain = qUncompress(packed);
  return plain.size() == length ? plain : QByteArray();
}

}  // namespace

std::unique_ptr<QPicture> NewPagePicture(QSize pixels) {
  auto picture = std::make_unique<QPicture>(kPictureFormatVersion);
  picture->setBoundingRect(QRect(QPoint(0, 0), pixels));
  return picture;
}

QByteArray PictureRecordBytes(const QPicture& picture, bool compressed) {
  const QByteArray plain = PictureBytes(picture);
  return compressed ? Compress(plain) : plain;
}

std::unique_ptr<QPicture> PictureFromRecordBytes(const QByteArray& bytes, bool compressed) {
  const QByteArray plain = compressed ? Uncompress(bytes) : bytes;
  if (plain.isEmpty()) return nullptr;
  QBuffer buffer;
  buffer.setData(plain);
  buffer.open(QIODevice::ReadOnly);
  auto picture = std::make_unique<QPicture>();
  if (!picture->load(&buffer)) return nullptr;
  return picture;
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
