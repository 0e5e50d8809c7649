// Page files crafted to harm the program: pictures whose checksums are right but whose
// commands claim huge counts, nest, run past their records, ask for absurd sizes or reach
// far outside their page, or whose drawing would keep the painter busy for seconds;
// compressed pictures that inflate without end; no pages; a folder. Each is refused with
// its reason before any of it is drawn, and the device keeps its pages. The pages at the
// limit of what a page may ask for load and are drawn. The fuzzer's findings and seeds
// load or are refused, and what loads replays.

#include "DeviceTestSupport.h"
#include "tests/fuzz/PageFileSurgery.h"
#include "tests/report/support/CostlyPages.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>

namespace {

template <typename T>
QByteArray BigEndian(T value) {
  QByteArray bytes(sizeof(T), '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

QByteArray Doubles(std::initializer_list<double> values) {
  QByteArray bytes;
  for (double value : values) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    bytes += BigEndian(bits);
  }
  return bytes;
}

QByteArray Polyline(quint32 claimed, int points) {
  QByteArray payload = BigEndian(claimed);
  for (int n = 0; n < points; ++n) payload += Doubles({double(n % 800), double(n % 1000)});
  return payload;
}

class HostileFile : public ::testing::Test {
 protected:
  void SetUp() override {
    StoreDocument(1)->SaveToFile(Path("good.tsr"));
    genuine_ = *SplitPageFile(FileBytes(Path("good.tsr")));
  }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  // The genuine page with one more command before its end.
  QByteArray WithCommand(quint8 code, const QByteArray& payload) const {
    PageFileParts parts = genuine_;
    QList<PictureCommand>& commands = parts.pages[0].commands;
    commands.insert(commands.size() - 1, {code, payload});
    return JoinPageFile(parts);
  }

  // Loading the file must fail with a reason containing expected, the pages shown before
  // staying as they were.
  void ExpectRefused(const QByteArray& file, const QString& expected) {
    WriteFileBytes(Path("hostile.tsr"), file);
    ExpectRefusedFile(Path("hostile.tsr"), expected);
  }
  void ExpectRefusedFile(const QString& fileName, const QString& expected) {
    const auto device = StoreDocument(2);
    const QImage before = RenderDevicePage(*device, 2);
    try {
      device->LoadFromFile(fileName);
      ADD_FAILURE() << "accepted; expected: " << expected.toStdString();
    } catch (const TsPrintError& error) {
      EXPECT_TRUE(QString::fromUtf8(error.what()).contains(expected)) << error.what();
    }
    EXPECT_EQ(device->PageCount(), 2);
    EXPECT_EQ(RenderDevicePage(*device, 2), before);
  }

  PageFileParts genuine_;
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(HostileFile, CommandsThatClaimMoreThanTheyHoldAreRefused) {
  ExpectRefused(WithCommand(12, Polyline(0xffffffffU, 1)), "too many points");
  ExpectRefused(WithCommand(12, Polyline(50000, 2)), "runs past the end of its record");
  ExpectRefused(WithCommand(12, Polyline(1, 3)), "longer than its contents");
  // A path whose curve lacks its two control points.
  const QByteArray curve = BigEndian<qint32>(2) + BigEndian<qint32>(0) + Doubles({1, 1}) + BigEndian<qint32>(2) +
                           Doubles({5, 5}) + BigEndian<qint32>(0) + BigEndian<qint32>(0);
  ExpectRefused(WithCommand(25, curve), "malformed path");
  ExpectRefused(WithCommand(12, BigEndian<quint32>(1) + Doubles({qQNaN(), 0})), "out of range");
  ExpectRefused(WithCommand(17, QByteArray(40, '\0')), "never writes (17)");
}

TEST_F(HostileFile, NestedPicturesAndBrokenEndsAreRefused) {
  // 10,000 pictures each inside the one before: a stack overflow when replayed.
  QByteArray nested = BigEndian<quint32>(1) + char(31) + char(0);
  for (int depth = 0; depth < 10000; ++depth) {
    QByteArray record(1, char(30));
    if (nested.size() < 255) {
      record += char(nested.size());
    } else {
      record += char(255);
      record += BigEndian<quint32>(quint32(nested.size()));
    }
    nested = BigEndian<quint32>(1) + record + nested;
  }
  ExpectRefused(WithCommand(30, nested), "nested picture");

  PageFileParts parts = genuine_;
  parts.pages[0].commands.append({46, parts.pages[0].commands.first().payload});
  ExpectRefused(JoinPageFile(parts), "commands after its end");
  parts.pages[0].commands.removeLast();
  parts.pages[0].commands.removeLast();
  ExpectRefused(JoinPageFile(parts), "its end is missing");

  // A record length that runs past the end of the picture, checksum repaired.
  QByteArray picture = JoinPicture(genuine_.pages[0]);
  picture[picture.size() - 1] = char(200);  // the end command's length
  ExpectRefused(JoinPageFile(genuine_.header, false, {WithChecksum(picture)}), "runs past the end of its record");
}

TEST_F(HostileFile, AbsurdSizesAreRefused) {
  PageFileParts parts = genuine_;
  QList<PictureCommand>& commands = parts.pages[0].commands;
  const auto pen = std::find_if(commands.begin(), commands.end(), [](const PictureCommand& c) { return c.code == 46; });
  ASSERT_NE(pen, commands.end());
  qToBigEndian(1e9, pen->payload.data() + 3);  // its width
  ExpectRefused(JoinPageFile(parts), "out of range");

  QByteArray text = QByteArray(40000, 'A');
  ExpectRefused(WithCommand(21, Doubles({10, 10}) + BigEndian<quint32>(quint32(text.size())) + text),
                "overlong text");

  QByteArray page = JoinPicture(genuine_.pages[0]);
  qToBigEndian<qint32>(2000000, page.data() + 20);  // the bounding rectangle's width
  ExpectRefused(JoinPageFile(genuine_.header, false, {WithChecksum(page)}), "page size is impossible");
  page = JoinPicture(genuine_.pages[0]);
  qToBigEndian<qint32>(std::numeric_limits<qint32>::min(), page.data() + 12);  // its left edge
  ExpectRefused(JoinPageFile(genuine_.header, false, {WithChecksum(page)}), "page size is impossible");
}

TEST_F(HostileFile, CompressedPicturesCannotInflateBeyondTheirClaim) {
  QByteArray header = genuine_.header;
  header[25] = 1;
  // 8 MB of zeros packs into a few kilobytes; it claims 1 MB and would inflate to 8.
  const QByteArray bomb = qCompress(QByteArray(8 << 20, '\0'));
  QByteArray file = JoinPageFile(header, false, {QByteArray(4, '\0') + bomb.mid(4)});
  qToLittleEndian<qint32>(1 << 20, file.data() + 128 + 8);
  ExpectRefused(file, "compressed picture is damaged");
  // A few bytes that claim 16 MB are refused before anything is allocated.
  file = JoinPageFile(header, false, {QByteArray(4, '\0') + qCompress(QByteArray(100, 'x')).mid(4)});
  qToLittleEndian<qint32>(16 << 20, file.data() + 128 + 8);
  ExpectRefused(file, "claims an impossible size");
}

TEST_F(HostileFile, AFolderIsNotAFile) {
  ExpectRefusedFile(dir_.path(), "is a folder, not a file.");
}

TEST_F(HostileFile, ThePicturesOfTheFuzzCorpusLoadOrAreRefusedAndReplay) {
  const QDir corpus(QStringLiteral(CORVANE_SOURCE_DIR "/tests/fuzz/corpus/pagefile"));
  const QStringList files = corpus.entryList(QDir::Files);
  ASSERT_GE(files.size(), 6);
  int loaded = 0;
  for (const QString& name : files) {
    TTsPrinter device;
    try {
      device.LoadFromFile(corpus.filePath(name));
    } catch (const TsPrintError&) {
      EXPECT_TRUE(name.startsWith(QStringLiteral("finding-"))) << name.toStdString() << " was refused";
      continue;
    }
    ++loaded;
    for (int n = 1; n <= device.PageCount(); ++n) EXPECT_FALSE(RenderDevicePage(device, n).isNull()) << name.toStdString();
  }
  EXPECT_GE(loaded, 6);
}

// Pages whose values each lay within the bounds of their day but whose drawing took the
// painter seconds to minutes are refused before any of it is drawn: as they were filed, by
// their sizes; with a pen as wide as the page and a radius within it, by their cost.
TEST_F(HostileFile, PagesThatAskTooMuchOfThePainterAreRefused) {
  const QList<CraftedPage> filed = HostilePages();
  const QList<CraftedPage> withinBounds = HostilePages(816, 400);
  ASSERT_EQ(filed.size(), 3);
  const char* const reasons[] = {"holds a pen larger than the page", "holds a value out of range",
                                 "holds a pen larger than the page"};
  for (int n = 0; n < 3; ++n) {
    SCOPED_TRACE(filed[n].name.toStdString());
    SavePageFile(filed[n], Path("costly.tsr"));
    ExpectRefusedFile(Path("costly.tsr"), reasons[n]);
    SavePageFile(withinBounds[n], Path("costly.tsr"));
    ExpectRefusedFile(Path("costly.tsr"), "asks more of the painter than any page needs");
  }
}

// A line of text costs what falls on the page: a 10-point line of 4,000 letters, most of
// them past the page's edge as a long name aligned right draws them, is drawn; 1,000
// letters piled up by a font that spaces them at 1 % of their width are refused.
TEST_F(HostileFile, TextCostsWhatFallsOnThePage) {
  const auto line = [](int letters, qreal spacing, qreal from = 50) {
    return CraftedPage{QStringLiteral("a line"), {{[=](QPainter& painter, int) {
                                                      QFont font(QStringLiteral("Liberation Sans"), 10);
                                                      if (spacing != 100) font.setLetterSpacing(QFont::PercentageSpacing, spacing);
                                                      painter.setFont(font);
                                                      painter.drawText(QPointF(from, 100), QString(letters, u'N'));
                                                    },
                                                    1}}};
  };
  SavePageFile(line(4000, 100, -40000), Path("long.tsr"));
  TTsPrinter device;
  EXPECT_NO_THROW(device.LoadFromFile(Path("long.tsr")));
  SavePageFile(line(1000, 1), Path("piled.tsr"));
  ExpectRefusedFile(Path("piled.tsr"), "asks more of the painter than any page needs");
}

TEST_F(HostileFile, CoordinatesPensAndFontsStayNearThePage) {
  // The genuine page is Letter at 96 dpi, 816 x 1056 pixels: a slanted or curved figure may
  // reach half a page beyond each edge; a horizontal or vertical one, such as the background
  // of a label stretched by a long value, as far as it likes.
  const auto accepted = [this](const QByteArray& file) {
    WriteFileBytes(Path("near.tsr"), file);
    TTsPrinter device;
    EXPECT_NO_THROW(device.LoadFromFile(Path("near.tsr")));
  };
  accepted(WithCommand(12, BigEndian<quint32>(2) + Doubles({-408, 0, 1224, 1584})));
  accepted(WithCommand(12, BigEndian<quint32>(3) + Doubles({-1e5, 500, 1e5, 500, 1e5, 520})));
  ExpectRefused(WithCommand(12, BigEndian<quint32>(2) + Doubles({-409, 0, 0, 10})), "reaches far outside the page");
  ExpectRefused(WithCommand(12, BigEndian<quint32>(2) + Doubles({0, 1585, 10, 0})), "reaches far outside the page");
  ExpectRefused(WithCommand(12, BigEndian<quint32>(2) + Doubles({-2e6, 500, 0, 500})), "out of range");
  // An ellipse reaching past the room from a corner inside it.
  ExpectRefused(WithCommand(7, Doubles({1000, 1000, 300, 10})), "reaches far outside the page");
  const auto page = [](const std::function<void(QPainter&)>& draw) {
    return CraftedPage{"one drawing", {{[draw](QPainter& painter, int) { draw(painter); }, 1}}};
  };
  SavePageFile(page([](QPainter& painter) {
                 painter.setPen(QPen(Qt::black, 817));
                 painter.drawLine(0, 0, 10, 0);
               }),
               Path("pen.tsr"));
  ExpectRefusedFile(Path("pen.tsr"), "holds a pen larger than the page");
  SavePageFile(page([](QPainter& painter) {
                 QFont font(QStringLiteral("Liberation Sans"));
                 font.setPixelSize(817);
                 painter.setFont(font);
                 painter.drawText(QPointF(0, 900), "W");
               }),
               Path("font.tsr"));
  ExpectRefusedFile(Path("font.tsr"), "holds a font larger than the page");
}

// The dearest pages the check accepts, each within a tenth of the limit, load and are
// drawn; the same pages asking a tenth more are refused.
TEST_F(HostileFile, PagesAtTheLimitAreDrawnAndPagesBeyondItRefused) {
  for (CraftedPage page : PagesAtTheLimits()) {
    const std::string name = page.name.toStdString();
    SCOPED_TRACE(name);
    const std::optional<PageDrawingWork> work = CraftedWork(page);
    ASSERT_TRUE(work) << name;
    EXPECT_GT(work->cost, 0.9 * kMostPageDrawingWork.cost) << name;
    SavePageFile(page, Path("limit.tsr"));
    TTsPrinter device;
    EXPECT_NO_THROW(device.LoadFromFile(Path("limit.tsr"))) << name;
    EXPECT_FALSE(RenderDevicePage(device, 1).isNull()) << name;

    CraftedPart& last = page.parts.last();
    last.count += std::max(2, last.count / 10);
    SavePageFile(page, Path("beyond.tsr"));
    ExpectRefusedFile(Path("beyond.tsr"), "asks more of the painter than any page needs");
  }
}
