#include "report/device/PageStoreFormat.h"

#include <QtEndian>

#include <cstring>

namespace PageStoreFormat {
namespace {

constexpr int kFormatOffset = 0;
constexpr int kVersionOffset = 2;
constexpr int kDpiOffset = 4;
constexpr int kDateTimeOffset = 16;
constexpr qint32 kLowestDpi = 1;
constexpr qint32 kHighestDpi = 10000;

template <typename T>
void Put(QByteArray& bytes, int offset, T value) {
  qToLittleEndian(value, bytes.data() + offset);
}

template <typename T>
T Get(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<T>(bytes.constData() + offset);
}

}  // namespace

QByteArray EncodeHeader(const Header& header) {
  QByteArray bytes(kHeaderSize, '\0');
  Put<quint16>(bytes, kFormatOffset, kFormatWord);
  Put<quint16>(bytes, kVersionOffset, kVersionWord);
  Put<qint32>(bytes, kDpiOffset, header.recordingDpi);
  Put<qint32>(bytes, kPageCountOffset, header.pageCount);
  Put<double>(bytes, kDateTimeOffset, header.dateTime);
  bytes[kCompressionOffset] = header.compressed ? 1 : 0;
  return bytes;
}

DecodedHeader DecodeHeader(const QByteArray& bytes) {
  DecodedHeader result;
  if (bytes.size() < kHeaderSize || Get<quint16>(bytes, kFormatOffset) != kFormatWord ||
      Get<quint16>(bytes, kVersionOffset) != kVersionWord) {
    result.problem = HeaderProblem::NotAPageFile;
    return result;
  }
  Header header;
  header.recordingDpi = Get<qint32>(bytes, kDpiOffset);
  header.pageCount = Get<qint32>(bytes, kPageCountOffset);
  header.dateTime = Get<double>(bytes, kDateTimeOffset);
  const auto compression = static_cast<unsigned char>(bytes[kCompressionOffset]);
  header.compressed = compression == 1;
  if (compression > 1 || header.pageCount < 0 || header.recordingDpi < kLowestDpi ||
      header.recordingDpi > kHighestDpi) {
    result.problem = HeaderProblem::BadFields;
    return result;
  }
  result.header = header;
  return result;
}

double DayCountDateTime(const QDateTime& moment) {
  static constexpr double kMillisecondsPerDay = 86400000.0;
  const QDateTime local = moment.toLocalTime();
  const qint64 days = QDate(1899, 12, 30).daysTo(local.date());
  const double fraction = local.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
  return static_cast<double>(days) + fraction;
}

QByteArray Int32Bytes(qint32 value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}

qint32 Int32FromBytes(const char* bytes) { return qFromLittleEndian<qint32>(bytes); }

}  // namespace PageStoreFormat
