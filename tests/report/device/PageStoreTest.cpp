// The page store's bytes, lookup of any page, compression and the spill to a file.

#include "DeviceTestSupport.h"

#include "report/device/TsPageList.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray StoreBytes(const TTsPageList& store) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  store.CopyTo(buffer);
  return buffer.data();
}

// A small picture whose mark identifies page n.
QPicture MarkedPicture(int n) {
  QPicture picture(QDataStream::Qt_6_0);
  QPainter(&picture).fillRect(10 * n, 10, 5, 5, Qt::black);
  return picture;
}

QByteArray Data(const QPicture& picture) { return QByteArray(picture.data(), picture.size()); }

// The bytes of a page picture from the store; empty when the store has none.
QByteArray PageData(TTsPageList& store, int n) {
  const auto page = store.GetPage(n);
  return page ? Data(*page) : QByteArray();
}

}  // namespace

TEST(PageStore, HeaderAndRecordsAreLaidOutByteForByte) {
  QTemporaryDir dir;
  StoreDocument(2)->SaveToFile(dir.filePath(QStringLiteral("two.tsr")));
  const QByteArray bytes = FileBytes(dir.filePath(QStringLiteral("two.tsr")));
  ASSERT_GT(bytes.size(), 128 + 2 * 12);
  EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData()), 3);
  EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 2), 305);
  EXPECT_EQ(Int32At(bytes, 4), 96);  // recording pixels per inch
  EXPECT_EQ(Int32At(bytes, 8), 2);
  const double now = QDate(1899, 12, 30).daysTo(QDate::currentDate()) +
                     QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
  EXPECT_NEAR(qFromLittleEndian<double>(bytes.constData() + 16), now, 1.0 / 24);
  EXPECT_EQ(bytes[25], 0);
  EXPECT_EQ(bytes.mid(12, 4) + bytes.mid(24, 1) + bytes.mid(26, 102), QByteArray(107, '\0'));

  EXPECT_EQ(Int32At(bytes, 128), 1);
  const qint32 second = Int32At(bytes, 132);
  EXPECT_EQ(Int32At(bytes, second - 4), 128);
  EXPECT_EQ(Int32At(bytes, second), 2);
  EXPECT_EQ(Int32At(bytes, second + 4), bytes.size());
  EXPECT_EQ(Int32At(bytes, bytes.size() - 4), second);

  // Picture bytes in the fixed picture format version, bounded by the Letter page at 96 dpi.
  QBuffer picture;
  picture.setData(bytes.mid(136, second - 4 - 136));
  EXPECT_EQ(qFromBigEndian<quint16>(picture.data().constData() + 6), QDataStream::Qt_6_0);
  picture.open(QIODevice::ReadOnly);
  QPicture page;
  ASSERT_TRUE(page.load(&picture));
  EXPECT_EQ(page.boundingRect(), QRect(0, 0, 816, 1056));
}

TEST(PageStore, FindsEveryPageFromAnyRecord) {
  TTsPageList single(false, 96);
  single.AddPage(MarkedPicture(1));
  single.WriteHeader();
  EXPECT_EQ(Int32At(StoreBytes(single), StoreBytes(single).size() - 4), 128);
  EXPECT_EQ(PageData(single, 1), Data(MarkedPicture(1)));

  TTsPageList store(false, 96);
  for (int n = 1; n <= 7; ++n) store.AddPage(MarkedPicture(n));
  store.WriteHeader();
  for (int n : {4, 1, 7, 3, 6, 2, 5, 5, 1})  // forward and backward from the last lookup
    EXPECT_EQ(PageData(store, n), Data(MarkedPicture(n))) << n;
  EXPECT_EQ(store.GetPage(0), nullptr);
  EXPECT_EQ(store.GetPage(8), nullptr);
}

TEST(PageStore, CompressedPagesCarryTheirUncompressedLength) {
  TTsPageList store(true, 96);
  const QPicture picture = MarkedPicture(3);
  store.AddPage(picture);
  const QByteArray bytes = StoreBytes(store);
  EXPECT_EQ(bytes[25], 1);
  EXPECT_EQ(Int32At(bytes, 136), picture.size());
  EXPECT_LT(bytes.size() - 140 - 4, picture.size());
  EXPECT_EQ(PageData(store, 1), Data(picture));
}

// A temporary file the disk cuts short is named as the system names it, not as an
// unknown error.
TEST(PageStore, ASpillFileThatCannotGrowSaysWhy) {
  const FileSizeLimit limit(4096);
  TTsStream stream(100);
  try {
    stream.Write(QByteArray(100000, 'a'));
    ADD_FAILURE() << "the page store grew past what the disk allows";
  } catch (const TsPrintError& error) {
    EXPECT_STREQ(error.what(), "The page store cannot be written: File too large");
  }
}

TEST(PageStore, SpillsPastTheMemoryLimitAndRemovesTheFileOnRelease) {
  TTsStream stream;
  stream.Write(QByteArray(100000, 'a'));
  EXPECT_FALSE(stream.Spilled());  // exactly at the limit stays in memory
  stream.Write("b", 1);
  EXPECT_TRUE(stream.Spilled());
  EXPECT_EQ(QFileInfo(stream.SpillFileName()).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
  char back[2] = {};
  ASSERT_TRUE(stream.ReadAt(99999, back, 2));
  EXPECT_EQ(QByteArray(back, 2), QByteArray("ab"));
  EXPECT_FALSE(stream.ReadAt(100000, back, 2));

  QString spillFile;
  {
    TTsPageList store(false, 96, 1000);  // spills after a few pages
    for (int n = 1; n <= 40; ++n) store.AddPage(MarkedPicture(n));
    store.WriteHeader();
    ASSERT_TRUE(store.Stream().Spilled());
    spillFile = store.Stream().SpillFileName();
    EXPECT_TRUE(QFileInfo::exists(spillFile));
    for (int n : {1, 2, 20, 40}) EXPECT_EQ(PageData(store, n), Data(MarkedPicture(n))) << n;
    EXPECT_EQ(Int32At(StoreBytes(store), 8), 40);
  }
  EXPECT_FALSE(QFileInfo::exists(spillFile));
}
