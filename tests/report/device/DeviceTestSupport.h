#pragma once
// Helpers shared by the output device tests: documents with recognisable pages, rendering
// a page picture to an image, and the bytes of a file.

#include "report/device/TsPrinter.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>
#include <ostream>

class QPicture;

// The left edge (native) of the mark that identifies page n.
long double MarkLeft(int n);

// Draws page n on the device's canvas: a few rules and a line of text, and a black mark
// whose position depends on n.
void DrawSamplePage(TTsPrinter& device, int n);

// A finished page-store document of the given number of pages on Letter paper.
std::unique_ptr<TTsPrinter> StoreDocument(int pages);

// The page rendered onto a white image of the picture's bounding size.
QImage RenderPage(const QPicture& page);

// Rendered page n of the device (a null image when the device has no such page).
QImage RenderDevicePage(TTsPrinter& device, int n);

QByteArray FileBytes(const QString& fileName);
void WriteFileBytes(const QString& fileName, const QByteArray& bytes);

qint32 Int32At(const QByteArray& bytes, qint64 offset);
void PutInt32At(QByteArray& bytes, qint64 offset, qint32 value);

// Lets test failures show texts readably.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
