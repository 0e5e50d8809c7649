#include "DeviceTestSupport.h"

#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

void DrawSamplePage(TTsPrinter& device, int n) {
  QPainter* canvas = device.Canvas();
  ASSERT_NE(canvas, nullptr);
  canvas->drawLine(device.XPos(100), device.YPos(100), device.XPos(2000), device.YPos(100));
  canvas->setFont(QFont(QStringLiteral("Liberation Sans"), 10));
  canvas->drawText(device.XPos(150), device.YPos(300), QStringLiteral("Page %1 of the sample").arg(n));
  canvas->fillRect(device.XPos(100.0L * (n % 20 + 1)), device.YPos(800), device.XSize(50), device.YSize(50), Qt::black);
}

std::unique_ptr<TTsPrinter> StoreDocument(int pages) { return StoreDocumentOf(pages, DrawSamplePage); }

QByteArray FileBytes(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFileBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

qint32 Int32At(const QByteArray& bytes, qint64 offset) { return qFromLittleEndian<qint32>(bytes.constData() + offset); }

void PutInt32At(QByteArray& bytes, qint64 offset, qint32 value) { qToLittleEndian(value, bytes.data() + offset); }

FileSizeLimit::FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
  ::getrlimit(RLIMIT_FSIZE, &old_);
  const struct rlimit limit = {bytes, old_.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &old_);
  std::signal(SIGXFSZ, oldHandler_);
}
