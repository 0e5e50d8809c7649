#pragma once
// Checking the bytes of a page picture before Qt may replay them. QPicture::load checks
// only the picture's header and checksum; its drawing commands are read first when the
// picture is played, and the player trusts their counts and recurses into nested pictures.
// So every picture read from a page store passes this check first: it walks the command
// records one by one and accepts only the commands the output device writes, each with a
// payload whose counts fit inside its record and whose values lie within sane bounds.

#include <QByteArray>
#include <QDataStream>
#include <QString>

// The picture format version every page picture is written in; the check accepts no other.
inline constexpr int kPagePictureFormat = QDataStream::Qt_6_0;

// An empty text when the picture's bytes hold a page picture the device could have
// written; otherwise the reason it is refused, for a message to the user.
QString PictureCommandProblem(const QByteArray& pictureBytes);
