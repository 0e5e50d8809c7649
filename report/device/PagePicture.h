#pragma once
// Page pictures and their bytes in a page record. Pictures are written in a fixed picture
// format version so that page files stay readable by every later Qt 6 release; each
// picture's bounding rectangle is the page size in pixels. In a compressed store the
// bytes are the uncompressed length (int32) followed by the zlib-compressed picture.

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QPicture;

// An empty page picture of the given size in pixels, ready to be painted on.
std::unique_ptr<QPicture> NewPagePicture(QSize pixels);

QByteArray PictureRecordBytes(const QPicture& picture, bool compressed);

// The most bytes a record's picture can take: the largest picture a record may hold, or in a
// compressed store its length and the longest zlib stream that picture can pack into.
qint64 LargestPictureRecordBytes(bool compressed);

// The picture held by a record's picture bytes, once QPicture::load has accepted them and
// their commands have passed PictureCommandProblem; nullptr when they hold none, with the
// reason in problem.
std::unique_ptr<QPicture> PictureFromRecordBytes(const QByteArray& bytes, bool compressed,
                                                 QString* problem = nullptr);

// Draws a page picture stretched over target (painter coordinates). The picture's own
// rescaling by the painter device's resolution is taken out, so the page fills target
// whatever the resolutions of the recording and of the painter device.
void DrawPagePicture(QPainter& painter, const QPicture& page, const QRectF& target);
