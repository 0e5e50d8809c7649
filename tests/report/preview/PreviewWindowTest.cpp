// The preview window over hand-filled documents: opening, its layout, turning pages by
// buttons and keys, zooming, painting, and the print buttons following generation.

#include "PreviewTestSupport.h"

#include "report/preview/TsPreview.h"
#include "report/preview/TsPreviewImage.h"
#include "report/preview/TsPreviewZoom.h"
#include "report/preview/TsStandardPreview.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction* Button(QWidget* window, const char* name) { return window->findChild<QAction*>(name); }

}  // namespace

class PreviewWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ClosePreviewWindows(); }

  void oneStoredPageOpensAtPageWidthOnPageOneOfOne() {
    auto device = StoreDocument(1);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Print Preview"));
    QVERIFY(window->isMaximized());
    // Un-maximised, it has its own size, centred on the screen.
    QRect normal(QPoint(), QSize(652, 579));
    normal.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    QCOMPARE(window->normalGeometry(), normal);
    QCOMPARE(window->PageText(), QString("Page 1 of 1"));
    QCOMPARE(window->ProgressText(), QString("0%"));
    QVERIFY(Button(window, "ZoomToWidth")->isChecked());
    QVERIFY(device->ShowingPreview);

    // The page takes nine tenths of the view's width, to the nearest percent of zoom.
    TTsPreview* view = window->PagePreview();
    QCOMPARE(view->ZoomState(), TTsZoomState::Width);
    const double pageWidth = view->Image()->width() - 4;
    const double viewWidth = view->maximumViewportSize().width();
    QVERIFY2(qAbs(pageWidth - 0.9 * viewWidth) <= 0.005 * 816 + 1,
             qPrintable(QString("page %1 in view %2").arg(pageWidth).arg(viewWidth)));
    QCOMPARE(ShownMark(window), 1);

    // Every way of turning pages leaves a one-page document on its page.
    for (const char* name : {"FirstPage", "PreviousPage", "NextPage", "LastPage"}) {
      Button(window, name)->trigger();
      QCOMPARE(window->PageText(), QString("Page 1 of 1"));
    }
    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End}) {
      QTest::keyClick(view, key);
      QTest::keyClick(view, key, Qt::ControlModifier);
    }
    QCOMPARE(view->PageNumber(), 1);
    QCOMPARE(window->PageText(), QString("Page 1 of 1"));
    QVERIFY(view->Image()->ImageLoaded());
  }

  // The caption is the device's title; the tool bar holds its buttons in order, each with
  // its hint and picture, the dividers between the groups and "&Close" last.
  void theWindowAsItOpens() {
    auto device = StoreDocument(1);
    device->Title = "DA Form 5500-ER";
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("DA Form 5500-ER"));

    auto* bar = window->findChild<QToolBar*>("ToolBar");
    QVERIFY(bar);
    QStringList items;
    for (QAction* action : bar->actions()) {
      QWidget* widget = bar->widgetForAction(action);
      if (auto* divider = qobject_cast<QFrame*>(widget); divider && divider->frameShape() == QFrame::VLine) {
        items << "|";
      } else if (auto* close = qobject_cast<QToolButton*>(widget); close && close->objectName() == "ExitButton") {
        items << close->text();
      } else {
        QVERIFY2(!action->icon().pixmap(16, 16).isNull(), qPrintable(action->toolTip()));
        items << action->toolTip();
      }
    }
    QCOMPARE(items, QStringList({"|", "Zoom to fit", "100%", "Zoom to width", "|", "First page", "Previous page",
                                 "Next page", "Last page", "|", "Printer setup", "Print", "|", "Save Report",
                                 "Load Report", "|", "&Close"}));
    for (const char* toggle : {"ZoomFit", "Zoom100", "ZoomToWidth"}) QVERIFY(Button(window, toggle)->isCheckable());
    QVERIFY(Button(window, "ZoomToWidth")->isChecked());
    Button(window, "Zoom100")->trigger();
    QVERIFY(!Button(window, "ZoomToWidth")->isChecked());

    QCOMPARE(window->findChild<QLabel*>("ProgressPanel")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  }

  void threePagesTurnByButtonsAndKeys() {
    auto device = StoreDocument(3);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    TTsPreview* view = window->PagePreview();
    const auto expect = [&](int page) {
      QCOMPARE(view->PageNumber(), page);
      QCOMPARE(window->PageText(), QString("Page %1 of 3").arg(page));
      QCOMPARE(ShownMark(window), page);
    };
    expect(1);
    Button(window, "NextPage")->trigger();
    expect(2);
    Button(window, "LastPage")->trigger();
    expect(3);
    Button(window, "NextPage")->trigger();  // past the end: ignored
    expect(3);
    Button(window, "PreviousPage")->trigger();
    expect(2);
    Button(window, "FirstPage")->trigger();
    expect(1);
    Button(window, "PreviousPage")->trigger();  // before the start: ignored
    expect(1);

    QTest::keyClick(view, Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier);  // not Ctrl alone
    expect(2);
    QTest::keyClick(view, Qt::Key_PageUp);
    expect(1);
    QTest::keyClick(view, Qt::Key_PageDown, Qt::ControlModifier);
    expect(3);
    QTest::keyClick(view, Qt::Key_PageUp, Qt::ControlModifier);
    expect(1);
    QTest::keyClick(view, Qt::Key_End);
    expect(3);
    QTest::keyClick(view, Qt::Key_Home);
    expect(1);
    QTest::keyClick(view, Qt::Key_PageDown, Qt::AltModifier);  // modifiers other than Ctrl alone: next
    expect(2);

    // Turning scrolls back to the top-left corner.
    Button(window, "Zoom100")->trigger();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QVERIFY(view->verticalScrollBar()->value() > 0);
    Button(window, "NextPage")->trigger();
    QCOMPARE(view->verticalScrollBar()->value(), 0);
  }

  void escapeClosesTheWindowAndReleasesThePreview() {
    auto device = StoreDocument(1);
    QPointer<TTsStandardPreview> window = OpenPreview(device.get());
    QVERIFY(window);
    int closedRequests = 0;
    device->OnPreviewClosed = [&](TTsPrinter* closing) {
      QCOMPARE(closing, device.get());
      ++closedRequests;
    };
    int afterPreview = 0;
    device->AfterPreviewClosed = [&] { ++afterPreview; };
    QTest::keyClick(window->PagePreview(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(!device->ShowingPreview);
    QVERIFY(device->Client.isNull());
    QCOMPARE(closedRequests, 1);
    QCOMPARE(afterPreview, 1);
  }

  void zoomToFitOnAViewFiveHundredPixelsHighGives45() {
    auto device = StoreDocument(1);
    TTsPreview view;
    view.SetDevice(device.get());
    view.resize(QSize(760, 500) + (view.size() - view.maximumViewportSize()));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.maximumViewportSize(), QSize(760, 500));
    view.ZoomToFit();
    QCOMPARE(view.Zoom(), 45);  // round(500 / 1056 * 95); the width would allow 88
    QCOMPARE(view.ZoomState(), TTsZoomState::Fit);
    QCOMPARE(view.Image()->size(), QSize(device->XSize(2159 * 0.45L) + 4, device->YSize(2794 * 0.45L) + 4));
    // The image is centred where it is smaller than the view.
    QTRY_VERIFY(qAbs(2 * view.Image()->x() - (760 - view.Image()->width())) <= 1);

    // A taller view fits again by itself.
    view.resize(QSize(1000, 1000) + (view.size() - view.maximumViewportSize()));
    QTRY_COMPARE(view.Zoom(), 90);

    // Zoom outside 2..2000 is ignored; the bounds themselves are accepted.
    for (int refused : {1, 0, -5, 2001}) {
      view.SetZoom(refused);
      QCOMPARE(view.Zoom(), 90);
      QCOMPARE(view.ZoomState(), TTsZoomState::Fit);
    }
    view.SetZoom(2);
    QCOMPARE(view.Zoom(), 2);
    QCOMPARE(view.ZoomState(), TTsZoomState::Other);
    view.SetZoom(2000);
    QCOMPARE(view.Zoom(), 2000);
    view.SetDevice(nullptr);
    QVERIFY(!device->ShowingPreview);
  }

  void pageImageHasOutlineAndShadow() {
    auto device = StoreDocument(1);
    TTsPreview view;
    view.SetDevice(device.get());
    view.SetZoom(50);
    const QImage image = view.Image()->grab().toImage();
    const int w = image.width();
    const int h = image.height();
    QCOMPARE(QSize(w, h), QSize(device->XSize(2159 * 0.5L) + 4, device->YSize(2794 * 0.5L) + 4));
    QVERIFY(IsDark(image, 0, h / 2));       // outline, left
    QVERIFY(IsDark(image, w / 2, h - 3));   // outline, bottom
    QVERIFY(IsDark(image, w - 3, h / 2));   // outline, right
    QVERIFY(IsDark(image, w - 1, h / 2));   // shadow, right
    QVERIFY(IsDark(image, w / 2, h - 1));   // shadow, bottom
    QVERIFY(!IsDark(image, w - 1, 0));      // the shadow starts 2 pixels down
    QVERIFY(!IsDark(image, w / 4, h / 10)); // paper
    QVERIFY(IsDark(image, device->XSize(127 * 0.5L), h / 2));  // the page's frame at its margin
  }

  void printButtonsWaitUntilGenerationHasFinished() {
    auto device = StoreDocument(1, TTsPaperSize::Letter, TTsOrientation::poPortrait, false);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    QVERIFY(!Button(window, "Print")->isEnabled());
    QVERIFY(!Button(window, "PrintSetup")->isEnabled());
    QVERIFY(!window->PagePreview()->Image()->ImageLoaded());

    device->NewPage();  // page 1 becomes available
    DrawSamplePage(*device, 2);
    QCoreApplication::processEvents();
    QVERIFY(window->PagePreview()->Image()->ImageLoaded());
    QCOMPARE(ShownMark(window), 1);
    QCOMPARE(window->PageText(), QString("Page 1 of 2"));
    QVERIFY(!Button(window, "Print")->isEnabled());
    QVERIFY(!Button(window, "PrintSetup")->isEnabled());

    device->EndDoc();
    QCoreApplication::processEvents();
    QVERIFY(Button(window, "Print")->isEnabled());
    QVERIFY(Button(window, "PrintSetup")->isEnabled());
    QCOMPARE(window->PageText(), QString("Page 1 of 2"));
  }

  void progressPanelShowsStepsOfFive() {
    auto device = StoreDocument(1, TTsPaperSize::Letter, TTsOrientation::poPortrait, false);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    const auto progress = [&](int percent) {
      device->SetProgress(percent);
      QCoreApplication::processEvents();
      return window->ProgressText();
    };
    QCOMPARE(progress(3), QString("0%"));
    QCOMPARE(progress(7), QString("7%"));
    QCOMPARE(progress(11), QString("7%"));
    QCOMPARE(progress(12), QString("12%"));
    QCOMPARE(progress(100), QString());
  }
};

int RunPreviewWindowTests(int argc, char** argv) {
  PreviewWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PreviewWindowTest.moc"
