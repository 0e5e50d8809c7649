#pragma once
// The text encoding of a roster, decided once for the whole file. Spreadsheets write CSV in
// UTF-8 (with or without a byte-order mark) or, on Windows, in the Windows-1252 code page.
// A file that is valid UTF-8 is read as UTF-8; one that is not, and has no byte-order mark,
// is read as Windows-1252, unless it holds one of the five bytes that code page leaves
// undefined. A NUL byte is in no text at all.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

enum class RosterEncoding { Utf8, Windows1252 };

// The line breaks in bytes of text: CR LF, a lone LF or a lone CR each end one line (a CR at
// the end counts as a lone one).
int LineBreaks(QByteArrayView bytes);

// What the fields of a roster tell about its encoding, gathered field by field as the file
// is parsed. Every byte of a roster but its commas, quotes, line ends and padding blanks lies
// in a field, and a UTF-8 sequence never spans those ASCII bytes, so the fields decide for
// the whole file.
class TextEvidence {
 public:
  // Examines a field that starts on `line`; throws RosterError at once for a NUL byte.
  void Examine(QByteArrayView field, int line);

  // The encoding to read the file in; throws RosterError when it is in neither.
  RosterEncoding Verdict(bool byteOrderMark) const;

 private:
  int firstInvalidUtf8Line_ = 0;   // 0: every field so far is UTF-8
  int firstUndefinedLine_ = 0;     // 0: no byte undefined in Windows-1252 so far
  unsigned char undefinedByte_ = 0;
};

// Turns the bytes of one field into text in the roster's encoding.
class FieldDecoder {
 public:
  explicit FieldDecoder(RosterEncoding encoding);
  QString operator()(QByteArrayView field);

 private:
  RosterEncoding encoding_;
  QStringDecoder windows1252_;  // Qt reaches the code page through ICU
};
