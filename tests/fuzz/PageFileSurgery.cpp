#include "PageFileSurgery.h"

#include "report/device/PageStoreFormat.h"

#include <QByteArrayView>
#include <QtEndian>

namespace {

constexpr qsizetype kFileHeader = PageStoreFormat::kHeaderSize;
constexpr qsizetype kCompressionFlag = PageStoreFormat::kCompressionOffset;
constexpr qsizetype kPageCountAt = PageStoreFormat::kPageCountOffset;
constexpr qsizetype kChecksumAt = 4;
constexpr qsizetype kChecksummedFrom = 6;
constexpr qsizetype kPictureHead = 28;  // up to the record count
constexpr qsizetype kLargestUnpacked = 1 << 20;

template <typename T>
std::optional<T> Read(const QByteArray& bytes, qsizetype at, bool bigEndian) {
  if (at < 0 || at + qsizetype(sizeof(T)) > bytes.size()) return std::nullopt;
  return bigEndian ? qFromBigEndian<T>(bytes.constData() + at) : qFromLittleEndian<T>(bytes.constData() + at);
}

template <typename T>
QByteArray Bytes(T value, bool bigEndian) {
  QByteArray bytes(sizeof(T), '\0');
  if (bigEndian) qToBigEndian(value, bytes.data()); else qToLittleEndian(value, bytes.data());
  return bytes;
}

std::optional<PagePictureParts> SplitPicture(const QByteArray& bytes) {
  const auto count = Read<quint32>(bytes, kPictureHead, true);
  if (!count) return std::nullopt;
  PagePictureParts picture;
  picture.head = bytes.left(kPictureHead);
  qsizetype at = kPictureHead + 4;
  while (at < bytes.size()) {
    const auto code = Read<quint8>(bytes, at, true);
    const auto shortLength = Read<quint8>(bytes, at + 1, true);
    if (!code || !shortLength) return std::nullopt;
    at += 2;
    quint32 length = *shortLength;
    if (length == 255) {
      const auto longLength = Read<quint32>(bytes, at, true);
      if (!longLength) return std::nullopt;
      length = *longLength;
      at += 4;
    }
    if (length > quint32(bytes.size() - at)) return std::nullopt;
    picture.commands.append({*code, bytes.mid(at, length)});
    at += length;
  }
  return picture;
}

QByteArray Unpack(const QByteArray& bytes) {
  const auto length = Read<qint32>(bytes, 0, false);
  if (!length || *length <= 0 || *length > kLargestUnpacked) return {};
  return qUncompress(Bytes<quint32>(quint32(*length), true) + bytes.mid(4));
}

QByteArray Pack(const QByteArray& plain) {
  return Bytes<qint32>(qint32(plain.size()), false) + qCompress(plain).mid(4);
}

}  // namespace

std::optional<PageFileParts> SplitPageFile(const QByteArray& file) {
  if (file.size() < kFileHeader) return std::nullopt;
  PageFileParts parts;
  parts.header = file.left(kFileHeader);
  parts.compressed = file[kCompressionFlag] == 1;
  qsizetype at = kFileHeader;
  while (at < file.size()) {
    const auto next = Read<qint32>(file, at + 4, false);
    if (!next || *next < at + 12 || *next > file.size()) return std::nullopt;
    const QByteArray stored = file.mid(at + 8, *next - 4 - (at + 8));
    const auto picture = SplitPicture(parts.compressed ? Unpack(stored) : stored);
    if (!picture) return std::nullopt;
    parts.pages.append(*picture);
    at = *next;
  }
  return parts;
}

QByteArray JoinPicture(const PagePictureParts& picture) {
  QByteArray bytes = picture.head.leftJustified(kPictureHead, '\0', true);
  bytes += Bytes<quint32>(quint32(picture.commands.size()), true);
  for (const PictureCommand& command : picture.commands) {
    bytes += char(command.code);
    if (command.payload.size() < 255) {
      bytes += char(command.payload.size());
    } else {
      bytes += char(255);
      bytes += Bytes<quint32>(quint32(command.payload.size()), true);
    }
    bytes += command.payload;
  }
  return WithChecksum(bytes);
}

QByteArray WithChecksum(QByteArray picture) {
  if (picture.size() < kChecksummedFrom) return picture;
  const quint16 checksum = qChecksum(QByteArrayView(picture).sliced(kChecksummedFrom));
  picture.replace(kChecksumAt, 2, Bytes<quint16>(checksum, true));
  return picture;
}

QByteArray JoinPageFile(const PageFileParts& parts) {
  QList<QByteArray> pictures;
  for (const PagePictureParts& page : parts.pages) pictures.append(JoinPicture(page));
  return JoinPageFile(parts.header, parts.compressed, pictures);
}

QByteArray JoinPageFile(const QByteArray& header, bool compressed, const QList<QByteArray>& pictures) {
  QByteArray file = header;
  file.replace(kPageCountAt, 4, Bytes<qint32>(qint32(pictures.size()), false));
  for (qsizetype n = 0; n < pictures.size(); ++n) {
    const QByteArray stored = compressed ? Pack(pictures[n]) : pictures[n];
    const qint32 start = qint32(file.size());
    file += Bytes<qint32>(qint32(n + 1), false);
    file += Bytes<qint32>(qint32(start + 12 + stored.size()), false);
    file += stored;
    file += Bytes<qint32>(start, false);
  }
  return file;
}
