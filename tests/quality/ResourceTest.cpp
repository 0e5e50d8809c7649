// The report engine over many cycles: page stores that spill to a temporary file, and
// previews opened through a report and closed by the operator, leave no temporary file
// and no engine object behind. Resident memory is reported, not checked.

#include "report/device/TsPageList.h"
#include "report/device/TsPrinter.h"
#include "report/device/TsStream.h"
#include "report/model/Report.h"
#include "report/preview/ReportPreview.h"
#include "report/preview/TsPreview.h"
#include "report/preview/TsStandardPreview.h"
#include "tests/quality/OffscreenWarnings.h"
#include "tests/quality/ResourceProbe.h"
#include "tests/report/support/VisiblePreviews.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {

constexpr int kCycles = 1000;

// Dense figures enough, on one page or one per page, for a store holding them to pass its
// memory limit.
constexpr int kFiguresToSpill = 4;

// A one-page Letter report whose page carries a dense figure, so that its store spills.
std::unique_ptr<TReport> SpillingReport() {
  auto report = std::make_unique<TReport>();
  report->Page().SetPaperSize(TTsPaperSize::Letter);
  for (TTsPage::Index margin : {TTsPage::LeftMargin, TTsPage::RightMargin, TTsPage::TopMargin, TTsPage::BottomMargin})
    report->Page().StoreNative(margin, 127);
  report->Frame.DrawTop = report->Frame.DrawBottom = report->Frame.DrawLeft = report->Frame.DrawRight = true;
  report->AddBand(QStringLiteral("Title"), TTsBandType::rbTitle);
  report->ReportTitle = QStringLiteral("Resource check");
  report->OnStartPage = [](TCustomReport& self) {
    for (int figure = 0; figure < kFiguresToSpill; ++figure) DrawDenseFigure(*self.Device()->Canvas(), figure);
  };
  return report;
}

// Closes each preview window once it shows its finished page, as the operator would, and
// notes what was live and spilled at that moment. A way of closing that failed would
// leave the window to be closed again, and the count of closings would show it.
class PreviewCloser : public QObject {
 public:
  PreviewCloser() {
    connect(&timer_, &QTimer::timeout, this, &PreviewCloser::Poll);
    timer_.start(1);
  }

  int closed = 0;
  int spilledWhenClosed = 0;
  LiveEngineObjects mostLive;

 private:
  void Poll() {
    for (TTsStandardPreview* window : VisiblePreviews()) {
      const TTsPrinter* device = window->PagePreview()->Device();
      if (device == nullptr || device->Status() != TsPrinterStatus::Finished ||
          window->PageText() != QStringLiteral("Page 1 of 1"))
        continue;
      if (device->PageList() != nullptr && device->PageList()->Stream().Spilled()) ++spilledWhenClosed;
      const LiveEngineObjects live = LiveEngineObjects::Now();
      mostLive = {std::max(mostLive.devices, live.devices), std::max(mostLive.pageStores, live.pageStores),
                  std::max(mostLive.streams, live.streams), std::max(mostLive.previewWindows, live.previewWindows)};
      CloseAsTheOperator(window);
      ++closed;
      return;
    }
  }

  // In turn by the window's close box, by Escape and by the &Close button.
  void CloseAsTheOperator(TTsStandardPreview* window) const {
    switch (closed % 3) {
      case 0:
        window->close();
        break;
      case 1:
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        break;
      default:
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("ExitButton")), Qt::LeftButton);
        break;
    }
  }

  QTimer timer_;
};

void ReportMemory(const char* what, long before, long warmedUp, long after) {
  qInfo("%s: resident %ld KiB before, %ld KiB after the first 100 cycles, %ld KiB after %d", what, before, warmedUp,
        after, kCycles);
}

// Objects released with deleteLater go once control is back at the top.
void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class ResourceTest : public QObject {
  Q_OBJECT

  // The spill files are counted in a temporary directory of this test's own, so that
  // other programs' files cannot disturb the count.
  QTemporaryDir privateTemp_;
  QByteArray savedTmpDir_;

 private slots:
  void initTestCase() {
    SilenceOffscreenWarnings();
    QVERIFY(privateTemp_.isValid());
    savedTmpDir_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(privateTemp_.path()));
    QCOMPARE(QDir::tempPath(), QDir::cleanPath(privateTemp_.path()));
  }

  void cleanupTestCase() {
    if (savedTmpDir_.isEmpty())
      qunsetenv("TMPDIR");
    else
      qputenv("TMPDIR", savedTmpDir_);
  }

  // Every fourth store is released in the middle of its document, as when a preview is
  // closed while its report is still being generated.
  void spilledPageStoresLeaveNoFileOrObject() {
    const LiveEngineObjects before = LiveEngineObjects::Now();
    const long rssBefore = ResidentKiB();
    long rssWarmedUp = 0;
    int spilled = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
      {
        TTsPrinter device;
        device.BeginDoc();
        for (int page = 1; page <= kFiguresToSpill; ++page) {
          device.NewPage();
          DrawDenseFigure(*device.Canvas(), cycle + page);
        }
        if (cycle % 4 != 3) device.EndDoc();
        const TTsStream& stream = device.PageList()->Stream();
        if (stream.Spilled() && QFile::exists(stream.SpillFileName()) && CountSpillFiles() == 1) ++spilled;
      }
      QVERIFY2(CountSpillFiles() == 0, qPrintable(QStringLiteral("a spill file was left by store %1").arg(cycle)));
      if (cycle == 99) rssWarmedUp = ResidentKiB();
    }
    QCOMPARE(spilled, kCycles);
    const LiveEngineObjects after = LiveEngineObjects::Now();
    QVERIFY2(after == before, qPrintable(after.ToString() + QStringLiteral(" live, against ") + before.ToString()));
    ReportMemory("spilled page stores", rssBefore, rssWarmedUp, ResidentKiB());
  }

  void previewCyclesLeaveNoFileOrObject() {
    auto report = SpillingReport();
    const LiveEngineObjects before = LiveEngineObjects::Now();
    const long rssBefore = ResidentKiB();
    long rssWarmedUp = 0;
    PreviewCloser closer;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
      PreviewReport(*report);
      RunDeferredDeletes();
      QVERIFY2(CountSpillFiles() == 0, qPrintable(QStringLiteral("a spill file was left by preview %1").arg(cycle)));
      if (cycle == 99) rssWarmedUp = ResidentKiB();
    }
    QCOMPARE(closer.closed, kCycles);
    QCOMPARE(closer.spilledWhenClosed, kCycles);
    // While a window was open, its device, store, stream and window were counted.
    QVERIFY2(closer.mostLive == (LiveEngineObjects{1, 1, 1, 1}), qPrintable(closer.mostLive.ToString()));
    const LiveEngineObjects after = LiveEngineObjects::Now();
    QVERIFY2(after == before, qPrintable(after.ToString() + QStringLiteral(" live, against ") + before.ToString()));
    ReportMemory("preview cycles", rssBefore, rssWarmedUp, ResidentKiB());
  }
};

QTEST_MAIN(ResourceTest)
#include "ResourceTest.moc"
