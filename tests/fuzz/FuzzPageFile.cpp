// Fuzz target: the page-file loader. Each input is written to a file, loaded by a fresh
// output device, and every page it reports is fetched and replayed onto an image. A bad
// file must be refused with TsPrintError; nothing may crash, hang or read outside the file.

#include "report/device/TsPrinter.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Created once and never destroyed: libFuzzer ends the process through exit(), after
// which Qt's own statics are gone and an application object can no longer be torn down.
QGuiApplication* application = nullptr;
QTemporaryDir* workDir = nullptr;

void ReplayPage(const QPicture& picture) {
  QImage image(96, 128, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const QRect bounds = picture.boundingRect();
  if (bounds.width() > 0 && bounds.height() > 0) {
    painter.scale(96.0 / bounds.width(), 128.0 / bounds.height());
  }
  painter.drawPicture(0, 0, picture);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  application = new QGuiApplication(*argc, *argv);
  workDir = new QTemporaryDir();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString fileName = workDir->filePath("input.tsr");
  {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  TTsPrinter device;
  try {
    device.LoadFromFile(fileName);
  } catch (const TsPrintError&) {
    return 0;  // a refused file is a correct outcome
  }
  for (int page = 1; page <= device.PageCount(); ++page) {
    if (std::unique_ptr<QPicture> picture = device.GetPage(page)) ReplayPage(*picture);
  }
  return 0;
}
