#pragma once
// Checking the bytes of a page picture before Qt may replay them. QPicture::load checks
// only the picture's header and checksum; its drawing commands are read first when the
// picture is played, and the player trusts their counts and recurses into nested pictures.
// So every picture read from a page store is loaded and then passes this check before it
// is played: it walks the command records one by one and accepts only the commands the
// output device writes, each with a payload whose counts fit inside its record and whose
// values lie within sane bounds, and it refuses a page whose drawing as a whole would ask
// more of the painter than any page needs (PageDrawingWork.h). The checksum is left to QPicture::load, which computes it
// anyway; computing it twice made it the dearest part of fetching a page.

#include "report/device/PageDrawingWork.h"

#include <QByteArray>
#include <QDataStream>
#include <QString>

#include <optional>

// The picture format version every page picture is written in; the check accepts no other.
inline constexpr int kPagePictureFormat = QDataStream::Qt_6_0;

// An empty text when the bytes of a picture that QPicture::load has accepted hold a page
// picture the device could have written; otherwise the reason it is refused, for a message
// to the user.
QString PictureCommandProblem(const QByteArray& pictureBytes);

// The drawing work of a picture that passes the check, as the check estimates it; empty
// when the picture is refused.
std::optional<PageDrawingWork> PictureDrawingWork(const QByteArray& pictureBytes);

// Why QPicture::load refused the bytes: not a picture, a checksum that does not match, or
// a header the device never writes.
QString PictureLoadProblem(const QByteArray& pictureBytes);
