#pragma once
// Takes a page file apart into its pages' pictures and each picture into its command
// records, and puts it together again with every length, count, checksum and link
// repaired. The fuzzer's mutator changes the parts in between, so that its changes reach
// the picture check and replay instead of failing the checksum.

#include <QByteArray>
#include <QList>

#include <optional>

struct PictureCommand {
  quint8 code = 0;
  QByteArray payload;
};

struct PagePictureParts {
  QByteArray head;  // tag, checksum, versions, the begin command and the bounding rectangle
  QList<PictureCommand> commands;
};

struct PageFileParts {
  QByteArray header;  // the file's 128-byte header
  bool compressed = false;
  QList<PagePictureParts> pages;
};

// Empty when the bytes are not a well-formed page file of well-formed pictures.
std::optional<PageFileParts> SplitPageFile(const QByteArray& file);

QByteArray JoinPageFile(const PageFileParts& parts);
// A page file of the given header (its page count repaired) holding the pictures' bytes.
QByteArray JoinPageFile(const QByteArray& header, bool compressed, const QList<QByteArray>& pictures);

// One picture's bytes, with its record count and checksum repaired.
QByteArray JoinPicture(const PagePictureParts& picture);
// The picture's bytes with their checksum repaired.
QByteArray WithChecksum(QByteArray picture);
