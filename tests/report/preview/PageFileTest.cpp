// Page files and the PDF export from the preview window: saving and loading again, a
// missing, damaged or empty file, a page of its own size, saving too early, the PDF's
// paper, and print errors shown in a box.

#include "PreviewTestSupport.h"

#include "report/preview/TsPreview.h"
#include "report/preview/TsPreviewImage.h"
#include "report/preview/TsStandardPreview.h"
#include "tests/shell/support/MessageBoxWatcher.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QAction* Button(QWidget* window, const char* name) { return window->findChild<QAction*>(name); }

// Opens a window on a document that finishes while the window is open, so both print
// buttons are enabled.
TTsStandardPreview* OpenGenerated(TTsPrinter& device, int pages) {
  TTsStandardPreview* window = OpenPreview(&device);
  for (int n = 1; n <= pages; ++n) {
    device.NewPage();
    DrawSamplePage(device, n);
  }
  device.EndDoc();
  QCoreApplication::processEvents();
  return window;
}

std::unique_ptr<TTsPrinter> StartedDocument() {
  auto device = std::make_unique<TTsPrinter>();
  device->BeginDoc();
  return device;
}

}  // namespace

class PageFileTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ClosePreviewWindows(); }

  void savedPagesLoadBackAsTheyWereShown() {
    auto saved = StoreDocument(3);
    TTsStandardPreview* first = OpenPreview(saved.get());
    QVERIFY(first);
    const QString file = dir_.filePath("three.tsr");
    {
      FileDialogAnswer answer("SaveDialog", dir_.filePath("three"));  // the extension is added
      Button(first, "SaveReport")->trigger();
      QVERIFY(answer.Answered());
    }
    QVERIFY(QFile::exists(file));
    first->close();

    auto other = StartedDocument();
    TTsStandardPreview* second = OpenGenerated(*other, 1);
    QVERIFY(second);
    QVERIFY(Button(second, "PrintSetup")->isEnabled());
    {
      FileDialogAnswer answer("LoadDialog", file);
      Button(second, "LoadReport")->trigger();
      QVERIFY(answer.Answered());
    }
    QCOMPARE(second->PageText(), QString("Page 1 of 3"));
    QVERIFY(other->LoadedFromFile());
    QVERIFY(Button(second, "Print")->isEnabled());
    QVERIFY(!Button(second, "PrintSetup")->isEnabled());
    for (int n = 1; n <= 3; ++n) QCOMPARE(RenderDevicePage(*other, n), RenderDevicePage(*saved, n));
    QCOMPARE(ShownMark(second), 1);
    Button(second, "LastPage")->trigger();
    QCOMPARE(ShownMark(second), 3);
  }

  void aLoadedFilePrintsItsStoredPagesAtTheirPlace() {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) QSKIP("pdfinfo is not installed");
    auto saved = StoreDocument(2);
    const QString pageFile = dir_.filePath("two.tsr");
    saved->SaveToFile(pageFile);

    auto device = StoreDocument(1);
    const QString printed = dir_.filePath("stored.pdf");
    device->Printer().setOutputFileName(printed);
    device->Printer().setResolution(600);
    device->Printer().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    FileDialogAnswer answer("LoadDialog", pageFile);
    Button(window, "LoadReport")->trigger();
    QVERIFY(answer.Answered());
    Button(window, "Print")->trigger();
    const PdfInfo info = ReadPdfInfo(printed);
    QCOMPARE(info.pages, 2);
    // A loaded Letter page matches Letter, LetterSmall and Note alike; the last, Note, wins.
    QCOMPARE(info.pageSize, QString("612 x 791 pts"));
    const QImage page = RenderPdf(printed);
    QCOMPARE(page.size(), QSize(850, 1099));
    QVERIFY(IsDark(page, 50, 500) || IsDark(page, 51, 500));
    QVERIFY(!IsDark(page, 45, 500));
    QVERIFY(IsDark(page, 110, 210));  // page 1's mark, an inch in and two down
    QVERIFY(!IsDark(page, 210, 210));
  }

  void aMissingFileIsReportedAndChangesNothing() {
    auto device = StoreDocument(2);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    Button(window, "NextPage")->trigger();
    MessageBoxWatcher boxes;
    FileDialogAnswer answer("LoadDialog", dir_.filePath("nowhere.tsr"));
    Button(window, "LoadReport")->trigger();
    QVERIFY(answer.Answered());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastText(), QString("File does not exist"));
    QCOMPARE(boxes.boxes().first().title, QString("Corvane 32"));
    QCOMPARE(boxes.boxes().first().icon, QMessageBox::NoIcon);
    QCOMPARE(window->PageText(), QString("Page 2 of 2"));
    QCOMPARE(ShownMark(window), 2);
    QVERIFY(!device->LoadedFromFile());
  }

  void aDamagedOrEmptyFileIsRefusedAndTheShownPagesStay() {
    auto good = StoreDocument(2);
    good->SaveToFile(dir_.filePath("good.tsr"));
    QFile original(dir_.filePath("good.tsr"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    bytes.truncate(bytes.size() / 2);  // cut inside page 1
    QFile damaged(dir_.filePath("damaged.tsr"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes);
    damaged.close();
    TTsPrinter empty;  // a header and no pages
    empty.BeginDoc();
    empty.EndDoc();
    empty.SaveToFile(dir_.filePath("empty.tsr"));

    auto device = StoreDocument(3);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    const QImage before = ShownPage(window);
    const std::pair<QString, QString> refusals[] = {
        {damaged.fileName(), "The file is damaged: page 1 cannot be read."},
        {dir_.filePath("empty.tsr"), "The file holds no pages."},
    };
    for (const auto& [file, message] : refusals) {
      MessageBoxWatcher boxes;
      FileDialogAnswer answer("LoadDialog", file);
      Button(window, "LoadReport")->trigger();
      QVERIFY(answer.Answered());
      QCOMPARE(boxes.count(), 1);
      QCOMPARE(boxes.lastText(), message);
      QCOMPARE(window->PageText(), QString("Page 1 of 3"));
      QCOMPARE(ShownPage(window), before);
      QVERIFY(!device->LoadedFromFile());
    }
    Button(window, "LastPage")->trigger();
    QCOMPARE(ShownMark(window), 3);
  }

  void aPageOfItsOwnSizeKeepsItsShapeInTheViewAndThePdf() {
    SaveSquarePageFile(dir_.filePath("square.tsr"));
    auto device = StoreDocument(1);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    {
      FileDialogAnswer answer("LoadDialog", dir_.filePath("square.tsr"));
      Button(window, "LoadReport")->trigger();
      QVERIFY(answer.Answered());
    }
    const QSize image = window->PagePreview()->Image()->size();
    QCOMPARE(image.width(), image.height());
    FileDialogAnswer answer("SaveDialog", dir_.filePath("square.pdf"), "PDF document (*.pdf)");
    Button(window, "SaveReport")->trigger();
    QVERIFY(answer.Answered());
    QCOMPARE(ReadPdfInfo(dir_.filePath("square.pdf")).pageSize, QString("425 x 425 pts"));
  }

  // Errors of the print system come up in the program's box; the program goes on.
  void printErrorsOfLoadedPagesAndOfPrintSetupAreShown() {
    StoreDocument(1)->SaveToFile(dir_.filePath("one.tsr"));
    auto device = StartedDocument();
    device->Printer().setOutputFileName(dir_.filePath("no-such-folder/printed.pdf"));
    TTsStandardPreview* window = OpenGenerated(*device, 1);
    QVERIFY(window);
    device->OnPrintSetup = [] { throw TsPrintError("Printer not ready"); };
    MessageBoxWatcher boxes;
    Button(window, "PrintSetup")->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastText(), QString("Printer not ready"));
    QCOMPARE(boxes.boxes().last().icon, QMessageBox::Critical);

    FileDialogAnswer answer("LoadDialog", dir_.filePath("one.tsr"));
    Button(window, "LoadReport")->trigger();
    QVERIFY(answer.Answered());
    Button(window, "Print")->trigger();
    QCOMPARE(boxes.count(), 2);
    QVERIFY2(boxes.lastText().startsWith("The file " + dir_.filePath("no-such-folder/printed.pdf") + " cannot be created"),
             qPrintable(boxes.lastText()));
    QVERIFY(window->isVisible());
  }

  // The device's after-save hook runs once a page file or a PDF has been written, and after
  // nothing else: not after a failed save, nor for pages loaded from a file.
  void theAfterSaveHookRunsOnceTheFileIsWritten() {
    auto device = StoreDocument(1);
    int saved = 0;
    device->AfterSave = [&saved] { ++saved; };
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    MessageBoxWatcher boxes;
    const auto save = [&](const QString& name, const char* filter) {
      FileDialogAnswer answer("SaveDialog", dir_.filePath(name), filter);
      Button(window, "SaveReport")->trigger();
      return answer.Answered();
    };
    QVERIFY(save("hooked.tsr", "Tessary file(*.tsr)"));
    QCOMPARE(saved, 1);
    QVERIFY(save("hooked.pdf", "PDF document (*.pdf)"));
    QCOMPARE(saved, 2);
    QVERIFY(save("no-such-folder/hooked.tsr", "Tessary file(*.tsr)"));
    QVERIFY(save("no-such-folder/hooked.pdf", "PDF document (*.pdf)"));
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(saved, 2);
    {
      FileDialogAnswer answer("LoadDialog", dir_.filePath("hooked.tsr"));
      Button(window, "LoadReport")->trigger();
      QVERIFY(answer.Answered());
    }
    QVERIFY(save("loaded.tsr", "Tessary file(*.tsr)"));
    QVERIFY(QFile::exists(dir_.filePath("loaded.tsr")));
    QCOMPARE(saved, 2);
  }

  void nothingIsSavedBeforeGenerationHasFinished() {
    auto device = StoreDocument(1, TTsPaperSize::Letter, TTsOrientation::poPortrait, false);
    int saved = 0;
    device->AfterSave = [&saved] { ++saved; };
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    MessageBoxWatcher boxes;
    for (const char* filter : {"Tessary file(*.tsr)", "PDF document (*.pdf)"}) {
      FileDialogAnswer answer("SaveDialog", dir_.filePath("early"), filter);
      Button(window, "SaveReport")->trigger();
      QVERIFY(answer.Answered());
    }
    QVERIFY(!QFile::exists(dir_.filePath("early.tsr")));
    QVERIFY(!QFile::exists(dir_.filePath("early.pdf")));
    // The page file says why; the PDF export writes nothing, silently.
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastText(), QString("The pages cannot be saved before the report has finished."));
    QCOMPARE(saved, 0);
  }

  // A page the store cannot give back (its temporary file damaged) fails the export with a
  // box naming it, instead of leaving a blank page in a PDF reported as written.
  void aPageThatCannotBeReadBackFailsThePdfExport() {
    // Pages larger than the block the store reads ahead, so its file is read afresh for
    // each page; page 1 is damaged there once the preview has shown it.
    const auto device = StoreDocumentOf(2, DrawManyShortLines);
    QVERIFY(device->GetPage(1) != nullptr);
    TTsStandardPreview* window = OpenPreview(device.get());  // reads page 1, flushing the file
    QVERIFY(window);
    QVERIFY(DamageSpilledPages(*device, 200000));
    QVERIFY(device->GetPage(1) == nullptr);

    MessageBoxWatcher boxes;
    FileDialogAnswer answer("SaveDialog", dir_.filePath("damaged.pdf"), "PDF document (*.pdf)");
    Button(window, "SaveReport")->trigger();
    QVERIFY(answer.Answered());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastText(), QString("Page 1 cannot be read back from the page store; the PDF is not written."));
    QVERIFY(!QFile::exists(dir_.filePath("damaged.pdf")));
    QCOMPARE(QDir(dir_.path()).entryList({"damaged.pdf*"}), QStringList());
  }

  void pdfExportHasTheReportsPaperAndItsPages() {
    struct Case {
      TTsPaperSize paper;
      TTsOrientation orientation;
      const char* name;
      const char* pageSize;
    };
    const Case cases[] = {
        {TTsPaperSize::Letter, TTsOrientation::poPortrait, "letter.pdf", "612 x 792 pts (letter)"},
        {TTsPaperSize::A4, TTsOrientation::poLandscape, "a4.pdf", "842 x 595 pts (A4)"},
    };
    for (const Case& c : cases) {
      auto device = StoreDocument(3, c.paper, c.orientation);
      TTsStandardPreview* window = OpenPreview(device.get());
      QVERIFY(window);
      const QString file = dir_.filePath(c.name);
      FileDialogAnswer answer("SaveDialog", file, "PDF document (*.pdf)");
      Button(window, "SaveReport")->trigger();
      QVERIFY(answer.Answered());
      const PdfInfo info = ReadPdfInfo(file);
      QCOMPARE(info.pages, 3);
      QCOMPARE(info.pageSize, QString(c.pageSize));
      window->close();
    }
    // The page's frame lies on the half-inch margins, the first page's mark at one inch.
    const QImage page = RenderPdf(dir_.filePath("letter.pdf"));
    QCOMPARE(page.size(), QSize(850, 1100));
    QVERIFY(IsDark(page, 50, 500) || IsDark(page, 51, 500));
    QVERIFY(!IsDark(page, 46, 500));
    QVERIFY(!IsDark(page, 55, 500));
    QVERIFY(IsDark(page, 102, 202));
    QVERIFY(IsDark(page, 148, 248));
    QVERIFY(!IsDark(page, 97, 225));
    QVERIFY(!IsDark(page, 125, 253));
  }

 private:
  QTemporaryDir dir_;
};

int RunPageFileTests(int argc, char** argv) {
  PageFileTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PageFileTest.moc"
