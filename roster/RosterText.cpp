#include "roster/RosterText.h"

#include "roster/RosterError.h"

#include <algorithm>
#include <array>

namespace {

// The bytes Windows-1252 assigns no character to. ICU reads them as the C1 control of the
// same number, so they are refused here before any decoding.
constexpr std::array<unsigned char, 5> kUndefinedInWindows1252 = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

bool UndefinedInWindows1252(char byte) {
  return std::find(kUndefinedInWindows1252.begin(), kUndefinedInWindows1252.end(), static_cast<unsigned char>(byte)) !=
         kUndefinedInWindows1252.end();
}

}  // namespace

int LineBreaks(QByteArrayView bytes) {
  int breaks = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++breaks;
  }
  return breaks;
}

void TextEvidence::Examine(QByteArrayView field, int line) {
  if (const qsizetype nul = field.indexOf('\0'); nul >= 0)
    throw RosterError{line + LineBreaks(field.first(nul)), QStringLiteral("not a text file: it holds a NUL byte")};
  if (firstInvalidUtf8Line_ == 0 && !field.isValidUtf8()) firstInvalidUtf8Line_ = line;
  if (firstUndefinedLine_ == 0) {
    if (const auto undefined = std::find_if(field.begin(), field.end(), UndefinedInWindows1252);
        undefined != field.end()) {
      firstUndefinedLine_ = line;
      undefinedByte_ = static_cast<unsigned char>(*undefined);
    }
  }
}

RosterEncoding TextEvidence::Verdict(bool byteOrderMark) const {
  if (firstInvalidUtf8Line_ == 0) return RosterEncoding::Utf8;
  if (byteOrderMark)
    throw RosterError{firstInvalidUtf8Line_,
                      QStringLiteral("not a text file in UTF-8, which its byte-order mark declares")};
  if (firstUndefinedLine_ > 0) {
    const QString byte = QString::number(undefinedByte_, 16).toUpper();
    throw RosterError{firstUndefinedLine_,
                      QStringLiteral("not a text file in UTF-8 or Windows-1252: byte 0x%1 is in neither").arg(byte)};
  }
  return RosterEncoding::Windows1252;
}

FieldDecoder::FieldDecoder(RosterEncoding encoding) : encoding_(encoding), windows1252_("windows-1252") {
  if (encoding_ == RosterEncoding::Windows1252 && !windows1252_.isValid())
    throw RosterError{0, QStringLiteral("not a text file in UTF-8, and this system reads no Windows-1252")};
}

QString FieldDecoder::operator()(QByteArrayView field) {
  if (encoding_ == RosterEncoding::Utf8) return QString::fromUtf8(field);
  return windows1252_.decode(field);
}
