// Page files: the round trip, paper detection, and refusal of bad files or early saves.

#include "DeviceTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

class PageFile : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(PageFile, SavedPagesLoadBackIdenticallyAndALetterPageIsDetectedAsNote) {
  const auto original = StoreDocument(3);
  original->SaveToFile(Path("round.tsr"));
  TTsPrinter loaded;
  loaded.OnPrintSetup = [] {};
  loaded.LoadFromFile(Path("round.tsr"));
  EXPECT_EQ(loaded.Status(), TsPrinterStatus::Finished);
  EXPECT_TRUE(loaded.LoadedFromFile());
  EXPECT_FALSE(loaded.OnPrintSetup);
  EXPECT_EQ(loaded.PageCount(), 3);
  for (int n = 1; n <= 3; ++n) {
    ASSERT_FALSE(RenderDevicePage(*original, n).isNull());
    EXPECT_EQ(RenderDevicePage(loaded, n), RenderDevicePage(*original, n)) << n;
  }
  EXPECT_EQ(loaded.PaperSize(), TTsPaperSize::Note);  // Letter, LetterSmall and Note all match
  EXPECT_EQ(loaded.Orientation(), TTsOrientation::poPortrait);

  TTsPrinter legal;  // crosswise match
  legal.PrinterSettings.paperSize = TTsPaperSize::Legal;
  legal.PrinterSettings.orientation = TTsOrientation::poLandscape;
  legal.BeginDoc();
  legal.NewPage();
  legal.EndDoc();
  legal.SaveToFile(Path("legal.tsr"));
  loaded.LoadFromFile(Path("legal.tsr"));
  EXPECT_EQ(loaded.PaperSize(), TTsPaperSize::Legal);
  EXPECT_EQ(loaded.Orientation(), TTsOrientation::poLandscape);
}

TEST_F(PageFile, NothingIsWrittenBeforeTheDocumentHasFinishedOrWhenTheSaveFails) {
  TTsPrinter device;
  EXPECT_THROW(device.SaveToFile(Path("early.tsr")), TsPrintError);
  device.BeginDoc();
  device.NewPage();
  EXPECT_THROW(device.SaveToFile(Path("early.tsr")), TsPrintError);
  EXPECT_FALSE(QFileInfo::exists(Path("early.tsr")));
  device.EndDoc();
  EXPECT_THROW(device.SaveToFile(Path("no-folder/x.tsr")), TsPrintError);
}

TEST_F(PageFile, AnAbortedDocumentSavesAReadableFileAndOneWithoutPagesIsRefused) {
  TTsPrinter aborted;
  aborted.BeginDoc();
  for (int n = 1; n <= 2; ++n) aborted.NewPage();
  aborted.AbortDoc();
  aborted.SaveToFile(Path("aborted.tsr"));
  TTsPrinter loaded;
  loaded.LoadFromFile(Path("aborted.tsr"));
  EXPECT_EQ(loaded.PageCount(), 2);

  TTsPrinter empty;
  empty.BeginDoc();
  empty.EndDoc();
  empty.SaveToFile(Path("empty.tsr"));
  EXPECT_EQ(FileBytes(Path("empty.tsr")).size(), 128);  // the header alone
  try {
    loaded.LoadFromFile(Path("empty.tsr"));
    ADD_FAILURE() << "a file without pages was accepted";
  } catch (const TsPrintError& error) {
    EXPECT_STREQ(error.what(), "The file holds no pages.");
  }
  EXPECT_EQ(loaded.PageCount(), 2);
  EXPECT_FALSE(RenderDevicePage(loaded, 2).isNull());
}

TEST_F(PageFile, DamagedFilesAreRefusedAndTheDeviceKeepsItsPages) {
  StoreDocument(3)->SaveToFile(Path("three.tsr"));
  const QByteArray good = FileBytes(Path("three.tsr"));
  const qint32 second = Int32At(good, 132);
  const auto link = [](qint64 at, qint32 to) {
    return [=](QByteArray b) { PutInt32At(b, at, to); return b; };
  };
  const std::vector<std::tuple<const char*, std::function<QByteArray(QByteArray)>, QString>> damages = {
      {"short header", [](QByteArray b) { return b.left(100); }, "The file is not a report page file."},
      {"page count beyond the file", link(8, 100000), {}},
      {"page count above the records", link(8, 4), {}},
      {"link loop", link(second + 4, 128), "The file is damaged: page 2 cannot be read."},
      {"link outside the file", link(132, 0x7fffff00), "The file is damaged: page 1 cannot be read."},
      {"garbage picture",
       [=](QByteArray b) {
         for (qint32 i = second + 20; i < second + 120; ++i) b[i] = static_cast<char>(i * 7);
         return b;
       },
       "The file is damaged: page 2 cannot be read, as its checksum does not match."},
      {"truncated last record", [](QByteArray b) { return b.left(b.size() - 10); }, {}},
  };

  const auto device = StoreDocument(1);
  const QImage before = RenderDevicePage(*device, 1);
  for (const auto& [what, damage, message] : damages) {
    WriteFileBytes(Path("damaged.tsr"), damage(good));
    try {
      device->LoadFromFile(Path("damaged.tsr"));
      ADD_FAILURE() << what << ": accepted";
    } catch (const TsPrintError& error) {
      if (!message.isEmpty()) EXPECT_EQ(QString::fromUtf8(error.what()), message) << what;
    }
    EXPECT_FALSE(device->LoadedFromFile()) << what;
    EXPECT_EQ(device->PageCount(), 1) << what;
    EXPECT_EQ(RenderDevicePage(*device, 1), before) << what;
  }
  EXPECT_THROW(device->LoadFromFile(Path("no-such-file.tsr")), TsPrintError);
}

// A sparse file of nearly 2 GiB behind the header of a one-page file is refused by its size
// alone: nothing of it is copied, so a temporary folder where no copy can be made (a plain
// file in its place) makes no difference to the refusal.
TEST_F(PageFile, AFileLargerThanItsPagesCouldBeIsRefusedBeforeItIsCopied) {
  StoreDocument(1)->SaveToFile(Path("sparse.tsr"));
  QFile sparse(Path("sparse.tsr"));
  ASSERT_TRUE(sparse.resize(std::numeric_limits<qint32>::max()));
  const QByteArray tempFolder = qgetenv("TMPDIR");
  WriteFileBytes(Path("not-a-folder"), "x");
  qputenv("TMPDIR", Path("not-a-folder").toLocal8Bit());
  TTsPrinter device;
  try {
    device.LoadFromFile(sparse.fileName());
    ADD_FAILURE() << "a file far larger than its one page was accepted";
  } catch (const TsPrintError& error) {
    EXPECT_STREQ(error.what(), "The file is damaged: it is larger than the pages its header states.");
  }
  if (tempFolder.isNull()) qunsetenv("TMPDIR"); else qputenv("TMPDIR", tempFolder);
  EXPECT_FALSE(device.LoadedFromFile());
  EXPECT_TRUE(sparse.remove());
}
