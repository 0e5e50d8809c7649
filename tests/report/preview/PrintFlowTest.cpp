// The report's preview flows: PreviewReport returning only once its window closes,
// printing again on a 600-dpi PDF printer, no printer (generated or loaded pages), the
// progress window during a real print pass and its Cancel, a second preview, and the print
// setup dialog's page range.

#include "PreviewTestSupport.h"

#include "report/model/Report.h"
#include "report/preview/ReportPreview.h"
#include "report/preview/TsPreview.h"
#include "report/preview/TsProgressForm.h"
#include "report/preview/TsStandardPreview.h"
#include "tests/report/support/VisiblePreviews.h"
#include "tests/shell/support/MessageBoxWatcher.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

QAction* Button(QWidget* window, const char* name) { return window->findChild<QAction*>(name); }

// A one-page Letter report: a title band and the page frame along half-inch margins.
std::unique_ptr<TReport> FramedReport() {
  auto report = std::make_unique<TReport>();
  report->Page().SetPaperSize(TTsPaperSize::Letter);
  for (TTsPage::Index margin : {TTsPage::LeftMargin, TTsPage::RightMargin, TTsPage::TopMargin, TTsPage::BottomMargin})
    report->Page().StoreNative(margin, 127);
  report->Frame.DrawTop = report->Frame.DrawBottom = report->Frame.DrawLeft = report->Frame.DrawRight = true;
  report->AddBand("Title", TTsBandType::rbTitle);
  report->ReportTitle = "Flow test";
  return report;
}

// Runs step once the report's preview window is up and its generation has finished, then
// closes the window unless step did. A window still open after ten seconds is closed, so a
// broken flow fails instead of hanging.
void WhilePreviewing(const std::function<void(TTsStandardPreview*)>& step) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  const QDeadlineTimer deadline(10000);
  QObject::connect(poll, &QTimer::timeout, [poll, step, deadline] {
    const QList<TTsStandardPreview*> windows = VisiblePreviews();
    const bool ready = windows.size() == 1 && windows.first()->PagePreview()->Device() &&
                       windows.first()->PagePreview()->Device()->Status() == TsPrinterStatus::Finished;
    if (!ready && !deadline.hasExpired()) return;
    poll->stop();
    poll->deleteLater();
    if (!ready) {
      QWARN("the preview did not open in time");
      for (TTsStandardPreview* window : windows) window->close();
      return;
    }
    QPointer<TTsStandardPreview> window = windows.first();
    step(window);
    if (window) window->close();
  });
  poll->start();
}

}  // namespace

class PrintFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void previewReturnsOnceItsWindowHasClosed() {
    const int devicesBefore = TTsPrinter::Live();
    auto report = FramedReport();
    int afterPreview = 0;
    report->AfterPreview = [&] { ++afterPreview; };
    QString pageText;
    bool printEnabled = false;
    bool setupEnabled = false;
    WhilePreviewing([&](TTsStandardPreview* window) {
      pageText = window->PageText();
      printEnabled = Button(window, "Print")->isEnabled();
      setupEnabled = Button(window, "PrintSetup")->isEnabled();
      QCOMPARE(window->windowTitle(), QString("Flow test"));
      QCOMPARE(window->PagePreview()->ZoomState(), TTsZoomState::Width);
      QCOMPARE(window->PagePreview()->Device(), report->Device());
    });
    PreviewReport(*report);
    QCOMPARE(pageText, QString("Page 1 of 1"));
    QVERIFY(printEnabled);
    QVERIFY(setupEnabled);
    QCOMPARE(afterPreview, 1);
    QVERIFY(report->Device() == nullptr);
    QVERIFY(report->Available());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(TTsPrinter::Live(), devicesBefore);
    QCOMPARE(TTsStandardPreview::Live(), 0);
  }

  // Asked again while its window is open, the report is generated anew into that window:
  // the window takes a fresh device, and only then is the one it showed released. The
  // first PreviewReport returns once the window closes.
  void aSecondPreviewShowsTheReportAnewInItsWindow() {
    const int devicesBefore = TTsPrinter::Live();
    auto report = FramedReport();
    bool framedFirst = false;
    bool framedAgain = true;
    bool oneWindow = false;
    bool freshDevice = false;
    bool firstReleased = false;
    QString pageText;
    bool printEnabled = false;
    WhilePreviewing([&](TTsStandardPreview* window) {
      const QPointer<TTsPrinter> first = report->Device();
      framedFirst = IsDark(RenderDevicePage(*first, 1), 48, 500);
      report->Frame.DrawLeft = false;
      PreviewReport(*report);  // returns at once
      QCoreApplication::processEvents();
      TTsPrinter* second = report->Device();
      oneWindow = VisiblePreviews() == QList<TTsStandardPreview*>{window};
      freshDevice = second && second != first && window->PagePreview()->Device() == second &&
                    second->ShowingPreview && (!first || !first->ShowingPreview);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      firstReleased = first.isNull();
      if (!second) return;
      framedAgain = IsDark(RenderDevicePage(*second, 1), 48, 500);
      pageText = window->PageText();
      printEnabled = Button(window, "Print")->isEnabled();
    });
    PreviewReport(*report);
    QVERIFY(framedFirst);
    QVERIFY(oneWindow);
    QVERIFY(freshDevice);
    QVERIFY(firstReleased);
    QVERIFY(!framedAgain);
    QCOMPARE(pageText, QString("Page 1 of 1"));
    QVERIFY(printEnabled);
    QVERIFY(report->Device() == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(TTsPrinter::Live(), devicesBefore);
  }

  void printingRegeneratesThePageOnA600DpiPrinter() {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) QSKIP("pdfinfo is not installed");
    auto report = FramedReport();
    const QString file = dir_.filePath("printed.pdf");
    report->PrinterSettings.OutputFileName = file;
    report->BeforePrint = [&](TCustomReport& r, bool&) {
      if (r.Device()->Destination == TsDestination::Printer) r.Device()->Printer().setResolution(600);
    };
    int printed = 0;
    report->AfterPrint = [&] { ++printed; };
    bool progressShown = false;
    WhilePreviewing([&](TTsStandardPreview* window) {
      TTsPrinter* shown = window->PagePreview()->Device();
      Button(window, "Print")->trigger();
      QTRY_COMPARE(printed, 1);
      progressShown = window->PagePreview()->Device() == shown && report->Device() == shown;
    });
    PreviewReport(*report);
    QVERIFY2(progressShown, "the preview's device is back after printing");
    const PdfInfo info = ReadPdfInfo(file);
    QCOMPARE(info.pages, 1);
    QCOMPARE(info.pageSize, QString("612 x 792 pts (letter)"));
    // The frame (8 printer pixels wide) runs along the half-inch margins.
    const QImage page = RenderPdf(file);
    QCOMPARE(page.size(), QSize(850, 1100));
    QVERIFY(IsDark(page, 50, 550) || IsDark(page, 51, 550));
    QVERIFY(IsDark(page, 425, 50) || IsDark(page, 425, 51));
    QVERIFY(IsDark(page, 799, 550) || IsDark(page, 798, 550));
    QVERIFY(IsDark(page, 425, 1049) || IsDark(page, 425, 1048));
    QVERIFY(!IsDark(page, 46, 550));
    QVERIFY(!IsDark(page, 55, 550));
    QVERIFY(!IsDark(page, 425, 550));
  }

  // Generated pages and pages loaded from a file alike.
  void printingWithoutAPrinterSaysSo() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed here");
    auto report = FramedReport();
    int printed = 0;
    report->AfterPrint = [&] { ++printed; };
    const QString pageFile = dir_.filePath("two.tsr");
    StoreDocument(2)->SaveToFile(pageFile);
    MessageBoxWatcher boxes;
    WhilePreviewing([&](TTsStandardPreview* window) {
      Button(window, "Print")->trigger();
      QTRY_COMPARE(boxes.count(), 1);
      FileDialogAnswer answer("LoadDialog", pageFile);
      Button(window, "LoadReport")->trigger();
      QVERIFY(answer.Answered());
      QVERIFY(window->PagePreview()->Device()->LoadedFromFile());
      Button(window, "Print")->trigger();
      QTRY_COMPARE(boxes.count(), 2);
    });
    PreviewReport(*report);
    QCOMPARE(printed, 0);
    QVERIFY(boxes.boxes().first().text.contains("No printer is installed"));
    QVERIFY(boxes.boxes().first().text.contains("PDF document"));
    QCOMPARE(boxes.boxes().last().text, boxes.boxes().first().text);
  }

  void printSetupOffersThePagesOfTheFinishedPreview() {
    auto report = FramedReport();
    report->PrinterSettings.FirstPage = 4;
    int minPage = -1;
    int maxPage = -1;
    bool answered = false;
    WhilePreviewing([&](TTsStandardPreview* window) {
      const DialogAnswer answer("PrintSetupDialog", [&](QWidget* widget) {
        auto* dialog = qobject_cast<QPrintDialog*>(widget);
        QVERIFY(dialog);
        minPage = dialog->minPage();
        maxPage = dialog->maxPage();
        dialog->accept();
      });
      Button(window, "PrintSetup")->trigger();
      answered = answer.Found();
    });
    PreviewReport(*report);
    QVERIFY(answered);
    QCOMPARE(minPage, 1);
    QCOMPARE(maxPage, 1);
    QCOMPARE(report->PrinterSettings.FirstPage, 0);  // all pages
    QCOMPARE(report->PrinterSettings.LastPage, 0);
  }

  void progressWindowShowsStepsAndCancels() {
    TTsPrinter device;
    TTsProgressForm progress(&device);
    device.Client = &progress;
    QCOMPARE(progress.windowTitle(), QString("Printing progress"));
    device.SetProgress(50);
    QCoreApplication::processEvents();
    QCOMPARE(progress.Gauge->value(), 50);
    QCOMPARE(progress.Info->text(), QString("50%  Completed"));
    device.SetProgress(52);  // not a multiple of 5
    QCoreApplication::processEvents();
    QCOMPARE(progress.Gauge->value(), 50);
  }

  // The window is on the screen, painted, while the pass runs without the event loop; its
  // Cancel, pressed during the pass, leaves no printed file.
  void theProgressWindowIsShownAndCancelsARealPrintPass() {
    auto report = FramedReport();
    const QString file = dir_.filePath("cancelled.pdf");
    report->PrinterSettings.OutputFileName = file;
    int printed = 0;
    report->AfterPrint = [&] { ++printed; };
    bool shownWhilePrinting = false;
    bool cancelled = false;
    report->OnEndPage = [&](TCustomReport& r) {
      if (r.Device()->Destination != TsDestination::Printer) return;
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* progress = qobject_cast<TTsProgressForm*>(widget);
        if (!progress) continue;
        shownWhilePrinting = progress->isVisible() && progress->windowHandle()->isExposed();
        QTest::mouseClick(progress->CancelButton, Qt::LeftButton);
        cancelled = r.Device()->Cancelled();
      }
    };
    bool passEnded = false;
    WhilePreviewing([&](TTsStandardPreview* window) {
      Button(window, "Print")->trigger();
      QTRY_VERIFY(report->Device() == window->PagePreview()->Device() && report->Available() && cancelled);
      passEnded = true;
    });
    PreviewReport(*report);
    QVERIFY(passEnded);
    QVERIFY(shownWhilePrinting);
    QVERIFY(cancelled);
    QCOMPARE(printed, 0);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).filter("cancelled"), QStringList());
  }

 private:
  QTemporaryDir dir_;
};

int RunPrintFlowTests(int argc, char** argv) {
  PrintFlowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PrintFlowTest.moc"
