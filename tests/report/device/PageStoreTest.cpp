// The page store's bytes: header, records and links, lookup of any page, the spill of a
// large store into a temporary file, and compressed pages.

#include "DeviceTestSupport.h"

#include "report/device/TsPageList.h"
#include "report/device/TsStream.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray StoreBytes(const TTsPageList& store) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  store.CopyTo(buffer);
  return bytes;
}

// A picture with a mark at a place that identifies page n.
QPicture MarkedPicture(int n) {
  QPicture picture(QDataStream::Qt_6_0);
  picture.setBoundingRect(QRect(0, 0, 816, 1056));
  QPainter painter(&picture);
  painter.fillRect(10 * n, 10, 5, 5, Qt::black);
  painter.end();
  return picture;
}

QByteArray PictureData(const QPicture& picture) { return QByteArray(picture.data(), picture.size()); }

}  // namespace

TEST(PageStore, HeaderAndRecordsAreLaidOutByteForByte) {
  const auto device = StoreDocument(2);
  const QString file = QDir::tempPath() + QStringLiteral("/corvane-layout-test.tsr");
  device->SaveToFile(file);
  const QByteArray bytes = FileBytes(file);
  QFile::remove(file);
  ASSERT_GT(bytes.size(), 128 + 2 * 12);

  EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 0), 3);
  EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 2), 305);
  EXPECT_EQ(Int32At(bytes, 4), 96);  // recording pixels per inch
  EXPECT_EQ(Int32At(bytes, 8), 2);   // page count
  const double written = qFromLittleEndian<double>(bytes.constData() + 16);
  const double now = QDate(1899, 12, 30).daysTo(QDate::currentDate()) +
                     QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
  EXPECT_NEAR(written, now, 1.0 / 24);
  EXPECT_EQ(bytes[25], 0);  // not compressed
  for (int offset : {12, 13, 14, 15, 24}) EXPECT_EQ(bytes[offset], 0) << offset;
  EXPECT_EQ(bytes.mid(26, 102), QByteArray(102, '\0'));

  // Page 1 at 128: number, link to page 2, picture, own start at the end.
  EXPECT_EQ(Int32At(bytes, 128), 1);
  const qint32 second = Int32At(bytes, 132);
  EXPECT_EQ(Int32At(bytes, second - 4), 128);
  EXPECT_EQ(Int32At(bytes, second), 2);
  EXPECT_EQ(Int32At(bytes, second + 4), bytes.size());
  EXPECT_EQ(Int32At(bytes, bytes.size() - 4), second);

  // The picture bytes are a picture in the fixed format version, as big as the page.
  const QByteArray pictureBytes = bytes.mid(136, second - 4 - 136);
  EXPECT_EQ(pictureBytes.left(4), QByteArray("QPIC"));
  EXPECT_EQ(qFromBigEndian<quint16>(pictureBytes.constData() + 6), QDataStream::Qt_6_0);
  QPicture picture;
  QBuffer buffer;
  buffer.setData(pictureBytes);
  buffer.open(QIODevice::ReadOnly);
  ASSERT_TRUE(picture.load(&buffer));
  EXPECT_EQ(picture.boundingRect(), QRect(0, 0, 816, 1056));  // Letter at 96 pixels per inch
}

TEST(PageStore, FindsEveryPageFromAnyRecord) {
  TTsPageList store(false, 96);
  std::vector<QPicture> pictures;
  for (int n = 1; n <= 7; ++n) {
    pictures.push_back(MarkedPicture(n));
    store.AddPage(pictures.back());
  }
  store.WriteHeader();
  // Forward and backward walks from wherever the last lookup left off.
  for (int n : {4, 1, 7, 3, 6, 2, 5, 5, 1}) {
    const auto page = store.GetPage(n);
    ASSERT_NE(page, nullptr) << n;
    EXPECT_EQ(PictureData(*page), PictureData(pictures[n - 1])) << n;
  }
  EXPECT_EQ(store.GetPage(0), nullptr);
  EXPECT_EQ(store.GetPage(8), nullptr);
}

TEST(PageStore, OnePageIsFoundAtTheFirstRecordAndThroughTheTrailingPosition) {
  TTsPageList store(false, 96);
  const QPicture picture = MarkedPicture(1);
  store.AddPage(picture);
  store.WriteHeader();
  const QByteArray bytes = StoreBytes(store);
  EXPECT_EQ(Int32At(bytes, 8), 1);
  EXPECT_EQ(Int32At(bytes, 128), 1);
  EXPECT_EQ(Int32At(bytes, 132), bytes.size());
  EXPECT_EQ(Int32At(bytes, bytes.size() - 4), 128);
  const auto page = store.GetPage(1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(PictureData(*page), PictureData(picture));
}

TEST(PageStore, CompressedPagesCarryTheirUncompressedLength) {
  TTsPageList store(true, 96);
  const QPicture picture = MarkedPicture(3);
  store.AddPage(picture);
  store.AddPage(MarkedPicture(4));
  store.WriteHeader();
  const QByteArray bytes = StoreBytes(store);
  EXPECT_EQ(bytes[25], 1);
  const qint32 second = Int32At(bytes, 132);
  EXPECT_EQ(Int32At(bytes, 136), picture.size());
  EXPECT_LT(second - 4 - 140, picture.size());  // really compressed
  const auto page = store.GetPage(1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(PictureData(*page), PictureData(picture));
}

TEST(PageStream, MovesToATemporaryFileWhenItOutgrowsMemoryAndRemovesItOnRelease) {
  QString spillFile;
  {
    TTsStream stream;
    const QByteArray first(100000, 'a');
    stream.Write(first);
    EXPECT_FALSE(stream.Spilled());  // exactly at the limit stays in memory
    stream.Write("b", 1);
    ASSERT_TRUE(stream.Spilled());
    spillFile = stream.SpillFileName();
    EXPECT_TRUE(QFileInfo(spillFile).absolutePath() == QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo::exists(spillFile));
    EXPECT_EQ(stream.Size(), 100001);

    // Earlier bytes read back from the file, and writes in the middle land in place.
    ASSERT_TRUE(stream.Seek(50));
    stream.Write("xyz", 3);
    char back[5] = {};
    ASSERT_TRUE(stream.ReadAt(49, back, 5));
    EXPECT_EQ(QByteArray(back, 5), QByteArray("axyza"));
    ASSERT_TRUE(stream.ReadAt(99999, back, 2));
    EXPECT_EQ(QByteArray(back, 2), QByteArray("ab"));
    EXPECT_FALSE(stream.ReadAt(100000, back, 2));  // past the end
  }
  EXPECT_FALSE(QFileInfo::exists(spillFile));
}

TEST(PageStore, PagesWrittenBeforeAndAfterTheSpillReadBackAndTheFileGoesWithTheStore) {
  QString spillFile;
  {
    TTsPageList store(false, 96, 1000);  // a small memory limit: spills after a few pages
    std::vector<QPicture> pictures;
    for (int n = 1; n <= 40; ++n) {
      pictures.push_back(MarkedPicture(n));
      store.AddPage(pictures.back());
    }
    store.WriteHeader();
    ASSERT_TRUE(store.Stream().Spilled());
    spillFile = store.Stream().SpillFileName();
    for (int n : {1, 2, 20, 39, 40}) {
      const auto page = store.GetPage(n);
      ASSERT_NE(page, nullptr) << n;
      EXPECT_EQ(PictureData(*page), PictureData(pictures[n - 1])) << n;
    }
    EXPECT_EQ(Int32At(StoreBytes(store), 8), 40);
  }
  EXPECT_FALSE(QFileInfo::exists(spillFile));
}
