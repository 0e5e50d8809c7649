// Saving the page store to a page file and loading it again: the round trip, paper
// detection, and refusal of damaged files without touching the device.

#include "DeviceTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPicture>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

class PageFile : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // The bytes of a saved three-page document.
  QByteArray SavedDocument() {
    const QString file = Path(QStringLiteral("three.tsr"));
    StoreDocument(3)->SaveToFile(file);
    return FileBytes(file);
  }

  QTemporaryDir dir_;
};

// What the preview can see of a device.
struct DeviceState {
  TsPrinterStatus status;
  int pageCount;
  int availablePages;
  bool loadedFromFile;
  TTsPaperSize paper;
  QImage firstPage;
  bool operator==(const DeviceState&) const = default;
};

DeviceState StateOf(TTsPrinter& device) {
  return {device.Status(), device.PageCount(), device.AvailablePages(), device.LoadedFromFile(),
          device.PaperSize(), RenderDevicePage(device, 1)};
}

}  // namespace

TEST_F(PageFile, SavedPagesLoadBackIdentically) {
  const auto original = StoreDocument(3);
  const QString file = Path(QStringLiteral("round.tsr"));
  original->SaveToFile(file);

  TTsPrinter loaded;
  loaded.OnPrintSetup = [] {};
  loaded.LoadFromFile(file);
  EXPECT_EQ(loaded.Status(), TsPrinterStatus::Finished);
  EXPECT_TRUE(loaded.LoadedFromFile());
  EXPECT_FALSE(loaded.OnPrintSetup);  // cleared: the report's settings do not apply to a file
  EXPECT_EQ(loaded.PageCount(), 3);
  EXPECT_EQ(loaded.AvailablePages(), 3);
  for (int n = 1; n <= 3; ++n) {
    const QImage expected = RenderDevicePage(*original, n);
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(RenderDevicePage(loaded, n), expected) << n;
  }
  EXPECT_EQ(loaded.GetPage(4), nullptr);

  // A loaded file saves again byte for byte (apart from the time of writing).
  const QString again = Path(QStringLiteral("again.tsr"));
  loaded.SaveToFile(again);
  QByteArray first = FileBytes(file), second = FileBytes(again);
  ASSERT_EQ(first.size(), second.size());
  EXPECT_EQ(first.mid(24), second.mid(24));
}

TEST_F(PageFile, ALetterPageIsDetectedAsNoteAndALandscapePageCrosswise) {
  const QString file = Path(QStringLiteral("letter.tsr"));
  StoreDocument(1)->SaveToFile(file);
  TTsPrinter loaded;
  loaded.PrinterSettings.paperSize = TTsPaperSize::A4;
  loaded.LoadFromFile(file);
  EXPECT_EQ(loaded.PaperSize(), TTsPaperSize::Note);
  EXPECT_EQ(loaded.Orientation(), TTsOrientation::poPortrait);

  TTsPrinter legal;
  legal.PrinterSettings.paperSize = TTsPaperSize::Legal;
  legal.PrinterSettings.orientation = TTsOrientation::poLandscape;
  legal.BeginDoc();
  legal.NewPage();
  legal.EndDoc();
  const QString landscape = Path(QStringLiteral("legal.tsr"));
  legal.SaveToFile(landscape);
  TTsPrinter detected;
  detected.LoadFromFile(landscape);
  EXPECT_EQ(detected.PaperSize(), TTsPaperSize::Legal);
  EXPECT_EQ(detected.Orientation(), TTsOrientation::poLandscape);
}

TEST_F(PageFile, SavingBeforeTheDocumentHasFinishedWritesNothing) {
  const QString file = Path(QStringLiteral("early.tsr"));
  TTsPrinter device;
  EXPECT_THROW(device.SaveToFile(file), TsPrintError);  // ready
  device.BeginDoc();
  device.NewPage();
  EXPECT_THROW(device.SaveToFile(file), TsPrintError);  // busy
  EXPECT_FALSE(QFileInfo::exists(file));

  // A failed save leaves an existing file alone.
  WriteFileBytes(file, "keep me");
  device.EndDoc();
  EXPECT_THROW(device.SaveToFile(Path(QStringLiteral("missing-folder/x.tsr"))), TsPrintError);
  EXPECT_EQ(FileBytes(file), QByteArray("keep me"));
}

TEST_F(PageFile, AnEmptyDocumentSavesAndLoadsAsNoPages) {
  TTsPrinter empty;
  empty.BeginDoc();
  empty.EndDoc();
  const QString file = Path(QStringLiteral("empty.tsr"));
  empty.SaveToFile(file);
  EXPECT_EQ(FileBytes(file).size(), 128);
  TTsPrinter loaded;
  loaded.LoadFromFile(file);
  EXPECT_EQ(loaded.PageCount(), 0);
  EXPECT_EQ(loaded.GetPage(1), nullptr);
}

TEST_F(PageFile, DamagedFilesAreRefusedAndTheDeviceKeepsItsPages) {
  const QByteArray good = SavedDocument();
  const qint32 second = Int32At(good, 132);
  const qint32 third = Int32At(good, second + 4);

  struct Damage {
    const char* what;
    std::function<QByteArray(QByteArray)> make;
    QString message;
  };
  const std::vector<Damage> damages = {
      {"short header", [](QByteArray b) { return b.left(100); }, "The file is not a report page file."},
      {"not a page file", [](QByteArray b) { b[0] = 'P'; return b; }, "The file is not a report page file."},
      {"page count beyond the file", [](QByteArray b) { PutInt32At(b, 8, 100000); return b; }, {}},
      {"negative page count", [](QByteArray b) { PutInt32At(b, 8, -1); return b; }, {}},
      {"link back to page 1",
       [=](QByteArray b) { PutInt32At(b, second + 4, 128); return b; },
       "The file is damaged: page 2 cannot be read."},
      {"link to itself", [=](QByteArray b) { PutInt32At(b, second + 4, second); return b; }, {}},
      {"link outside the file", [=](QByteArray b) { PutInt32At(b, 132, 0x7fffff00); return b; }, {}},
      {"garbage picture",
       [=](QByteArray b) {
         for (qint32 i = second + 20; i < third - 10; ++i) b[i] = static_cast<char>(i * 7);
         return b;
       },
       "The file is damaged: page 2 cannot be read."},
      {"truncated last record", [](QByteArray b) { return b.left(b.size() - 10); }, {}},
      {"more pages than recorded", [](QByteArray b) { PutInt32At(b, 8, 4); return b; }, {}},
      {"fewer pages than recorded", [](QByteArray b) { PutInt32At(b, 8, 2); return b; }, {}},
      {"wrong page number", [=](QByteArray b) { PutInt32At(b, second, 7); return b; }, {}},
  };

  const auto device = StoreDocument(1);
  const DeviceState before = StateOf(*device);
  ASSERT_FALSE(before.firstPage.isNull());
  for (const Damage& damage : damages) {
    const QString file = Path(QStringLiteral("damaged.tsr"));
    WriteFileBytes(file, damage.make(good));
    try {
      device->LoadFromFile(file);
      ADD_FAILURE() << damage.what << ": accepted";
    } catch (const TsPrintError& error) {
      if (!damage.message.isEmpty()) EXPECT_EQ(QString::fromStdString(error.what()), damage.message) << damage.what;
    }
    EXPECT_TRUE(StateOf(*device) == before) << damage.what;
  }

  EXPECT_THROW(device->LoadFromFile(Path(QStringLiteral("no-such-file.tsr"))), TsPrintError);
  EXPECT_TRUE(StateOf(*device) == before);
}
