#pragma once
// The byte layout of the page store and of saved page files (little-endian throughout).
//
// Header, 128 bytes:  0 format word (3) | 2 version word (305) | 4 recording pixels per
// inch | 8 page count | 16 date and time of writing (day-count float64) | 25 compression
// flag | the rest reserved (zero).
// Page record:  page number | position of the next record | picture bytes | position
// where this record starts.  Positions are absolute int32 stream offsets.

#include <QByteArray>
#include <QDateTime>

#include <cstdint>
#include <optional>

namespace PageStoreFormat {

constexpr qint64 kHeaderSize = 128;
constexpr quint16 kFormatWord = 3;
constexpr quint16 kVersionWord = 305;
constexpr qint64 kRecordOverhead = 12;  // page number, next position, start position
constexpr qint64 kFirstRecord = kHeaderSize;
constexpr int kPageCountOffset = 8;
constexpr int kCompressionOffset = 25;  // 1 compressed, 0 plain

struct Header {
  qint32 pageCount = 0;
  qint32 recordingDpi = 0;
  double dateTime = 0;  // days since 1899-12-30, time of day as the fraction
  bool compressed = false;
};

QByteArray EncodeHeader(const Header& header);

enum class HeaderProblem { NotAPageFile, BadFields };
struct DecodedHeader {
  std::optional<Header> header;
  HeaderProblem problem = HeaderProblem::NotAPageFile;
};
// Reads a header from the first kHeaderSize bytes; states the problem when it is not one.
DecodedHeader DecodeHeader(const QByteArray& bytes);

// The day-count date-time of a moment in local time.
double DayCountDateTime(const QDateTime& moment);

QByteArray Int32Bytes(qint32 value);
qint32 Int32FromBytes(const char* bytes);

}  // namespace PageStoreFormat
