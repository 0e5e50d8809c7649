#pragma once
// Helpers shared by the output device tests.

#include "report/device/TsPrinter.h"
#include "tests/report/support/StoredDocuments.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <sys/resource.h>

#include <csignal>
#include <memory>
#include <ostream>

// Draws page n on the device's canvas: rules, a line of text and a mark placed by n.
void DrawSamplePage(TTsPrinter& device, int n);

// A finished page-store document of the given number of Letter pages.
std::unique_ptr<TTsPrinter> StoreDocument(int pages);

QByteArray FileBytes(const QString& fileName);
void WriteFileBytes(const QString& fileName, const QByteArray& bytes);
qint32 Int32At(const QByteArray& bytes, qint64 offset);
void PutInt32At(QByteArray& bytes, qint64 offset, qint32 value);

// While it lives, a file of this process cannot grow past the given size: a write past it
// fails with "File too large", as one on a full disk fails with "No space left on device".
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit old_ {};
  void (*oldHandler_)(int) = nullptr;
};

inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
