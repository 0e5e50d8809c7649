// Fuzz target: the page-file loader. Each input is written to a file, loaded by a fresh
// output device, and every page it reports is fetched and replayed onto an image. A bad
// file must be refused with TsPrintError; nothing may crash, hang or read outside the file.
// The mutator changes the pictures' commands and repairs their lengths and checksums, so
// that most inputs pass the checksum and reach the command check and replay; at the end
// the target prints how many inputs were loaded and how many pages were replayed.

#include "PageFileSurgery.h"
#include "report/device/TsPrinter.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

// Created once and never destroyed: libFuzzer ends the process through exit(), after
// which Qt's own statics are gone and an application object can no longer be torn down.
QGuiApplication* application = nullptr;
QTemporaryDir* workDir = nullptr;
long inputs = 0;
long loaded = 0;
long pagesReplayed = 0;

void PrintCounts() {
  std::fprintf(stderr, "fuzz_pagefile: %ld of %ld inputs loaded, %ld pages replayed\n", loaded, inputs, pagesReplayed);
}

void ReplayPage(const QPicture& picture) {
  QImage image(96, 128, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const QRect bounds = picture.boundingRect();
  if (bounds.width() > 0 && bounds.height() > 0) {
    painter.scale(96.0 / bounds.width(), 128.0 / bounds.height());
  }
  painter.drawPicture(0, 0, picture);
  ++pagesReplayed;
}

// Command codes worth trying: those the device writes, their neighbours in Qt's picture
// stream (points, rectangles, polygons, images, a nested picture, states) and a stray one.
constexpr quint8 kCodes[] = {1, 4, 5, 7, 12, 13, 17, 18, 21, 24, 25, 30, 31, 32, 33, 40, 45, 46, 47, 55, 61, 62, 64, 200};
constexpr quint32 kCounts[] = {0, 1, 2, 255, 0x7fff, 0x10000, 0x7fffffff, 0xfffffffe, 0xffffffff};
constexpr double kValues[] = {0, -1, 0.05, 0.5, 20, 10000, 1e6, -1e6, 1e300, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};

template <typename T>
void Overwrite(QByteArray& bytes, size_t at, T value) {
  if (bytes.size() < qsizetype(sizeof(T))) return;
  at %= size_t(bytes.size()) - sizeof(T) + 1;
  qToBigEndian(value, bytes.data() + at);
}

// One change to the commands of one page's picture.
void MutatePicture(PagePictureParts& picture, std::minstd_rand& random, size_t maxSize) {
  QList<PictureCommand>& commands = picture.commands;
  if (commands.isEmpty()) commands.append(PictureCommand{31, {}});
  const auto pick = [&](qsizetype size) { return qsizetype(random() % size_t(size)); };
  PictureCommand& command = commands[pick(commands.size())];
  switch (random() % 9) {
    case 0: {
      QByteArray& payload = command.payload;
      const size_t room = size_t(payload.size()) + 64;
      payload.resize(qsizetype(room));
      payload.resize(qsizetype(LLVMFuzzerMutate(reinterpret_cast<uint8_t*>(payload.data()), room - 64, room)));
      break;
    }
    case 1: command.code = kCodes[pick(std::size(kCodes))]; break;
    case 2: commands.insert(pick(commands.size()), commands[pick(commands.size())]); break;
    case 3: commands.removeAt(pick(commands.size())); break;
    case 4: Overwrite<quint32>(command.payload, random(), kCounts[pick(std::size(kCounts))]); break;
    case 5: Overwrite<double>(command.payload, random(), kValues[pick(std::size(kValues))]); break;
    case 6: {  // a value near a Letter page at a double's place, so the picture most likely still passes
      const qsizetype doubles = command.payload.size() / 8;
      if (doubles > 0) qToBigEndian(double(random() % 1600) - 400 + double(random() % 64) / 64,
                                    command.payload.data() + command.payload.size() % 8 + 8 * pick(doubles));
      break;
    }
    case 7: {  // a nested picture: the begin command, a rectangle, a count and commands
      PagePictureParts nested = picture;
      const QByteArray whole = JoinPicture(nested);
      if (size_t(whole.size()) * 2 < maxSize) commands.insert(pick(commands.size()), PictureCommand{30, whole.mid(28)});
      break;
    }
    default: commands.swapItemsAt(pick(commands.size()), pick(commands.size()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  application = new QGuiApplication(*argc, *argv);
  workDir = new QTemporaryDir();
  std::atexit(PrintCounts);
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
  std::minstd_rand random(seed);
  std::optional<PageFileParts> parts =
      random() % 10 == 0 ? std::nullopt : SplitPageFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (parts && !parts->pages.isEmpty()) {
    MutatePicture(parts->pages[qsizetype(random() % size_t(parts->pages.size()))], random, maxSize);
    const QByteArray file = JoinPageFile(*parts);
    if (size_t(file.size()) <= maxSize) {
      std::memcpy(data, file.constData(), size_t(file.size()));
      return size_t(file.size());
    }
  }
  return LLVMFuzzerMutate(data, size, maxSize);  // the file's own structure
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString fileName = workDir->filePath("input.tsr");
  {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  ++inputs;
  TTsPrinter device;
  try {
    device.LoadFromFile(fileName);
  } catch (const TsPrintError&) {
    return 0;  // a refused file is a correct outcome
  }
  ++loaded;
  for (int page = 1; page <= device.PageCount(); ++page) {
    if (std::unique_ptr<QPicture> picture = device.GetPage(page)) ReplayPage(*picture);
  }
  return 0;
}
