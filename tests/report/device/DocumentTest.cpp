// The device's document flow: misuse errors, coordinate conversion, notifications posted
// to the client, the print request and the release of a device.

#include "DeviceTestSupport.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Records the notifications it receives, in order.
class ClientWindow : public QObject {
 public:
  std::vector<std::pair<QEvent::Type, int>> received;

  bool event(QEvent* e) override {
    if (e->type() == TsPageAvailableEvent::eventType())
      received.emplace_back(e->type(), static_cast<TsPageAvailableEvent*>(e)->availablePages);
    else if (e->type() == TsProgressEvent::eventType())
      received.emplace_back(e->type(), static_cast<TsProgressEvent*>(e)->percent);
    else
      return QObject::event(e);
    return true;
  }
};

std::string ErrorText(const std::function<void()>& step) {
  try {
    step();
  } catch (const TsPrintError& error) {
    return error.what();
  }
  return "(no error)";
}

}  // namespace

TEST(Document, MisuseRaisesTheDevicesOwnTexts) {
  TTsPrinter device;
  EXPECT_EQ(ErrorText([&] { device.NewPage(); }), "Illegal call to NewPage");
  EXPECT_EQ(device.GetPage(1), nullptr);  // ready: no pages yet
  device.BeginDoc();
  EXPECT_EQ(ErrorText([&] { device.BeginDoc(); }), "Printer not ready");
  device.NewPage();
  device.EndDoc();
  EXPECT_EQ(device.Status(), TsPrinterStatus::Finished);
  EXPECT_EQ(ErrorText([&] { device.NewPage(); }), "Illegal call to NewPage");
  EXPECT_EQ(ErrorText([&] { device.BeginDoc(); }), "Printer not ready");

  TTsPrinter noPrinter;
  noPrinter.Destination = TsDestination::Printer;
  if (!noPrinter.PrinterOK()) EXPECT_EQ(ErrorText([&] { noPrinter.BeginDoc(); }), "Printer not ready");
}

TEST(Document, PageStoreCoordinatesUseTheScreenResolution) {
  TTsPrinter device;
  device.BeginDoc();
  EXPECT_EQ(device.XFactor(), 96 / 254.0L);
  EXPECT_EQ(device.LeftWaste(), 0);
  EXPECT_EQ(device.XPos(127), 48);  // half an inch
  EXPECT_EQ(device.YSize(2794), 1056);
  device.NewPage();
  ASSERT_NE(device.Canvas(), nullptr);
  device.EndDoc();
  EXPECT_EQ(device.GetPage(1)->boundingRect(), QRect(0, 0, 816, 1056));
}

TEST(Document, PrinterCoordinatesSubtractThePrintingOffsetAndRoundHalvesToEven) {
  QTemporaryDir dir;
  TTsPrinter device;
  device.Destination = TsDestination::Printer;
  device.Printer().setOutputFileName(dir.filePath(QStringLiteral("offsets.pdf")));
  device.Printer().setResolution(600);
  // 6 points = 50 pixels at 600 pixels per inch = 21.17 native units.
  device.Printer().setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Point);
  device.BeginDoc();
  EXPECT_EQ(device.LeftWaste(), 21);
  EXPECT_EQ(device.TopWaste(), 21);
  EXPECT_EQ(device.XPos(127), 250);
  EXPECT_EQ(device.YPos(127), 250);
  device.AbortDoc();

  TTsPrinter exact;
  exact.Destination = TsDestination::Printer;
  exact.Printer().setOutputFileName(dir.filePath(QStringLiteral("halves.pdf")));
  exact.Printer().setResolution(254);  // one pixel per native unit
  exact.Printer().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
  exact.BeginDoc();
  EXPECT_EQ(exact.XSize(2.5L), 2);
  EXPECT_EQ(exact.XSize(3.5L), 4);
  EXPECT_EQ(exact.YSize(-0.5L), 0);
  EXPECT_EQ(exact.XPos(1.5L), 2);
  EXPECT_EQ(exact.YPos(2.4999L), 2);
  exact.AbortDoc();
}

TEST(Document, NotificationsArriveAfterTheStepThatPostedThem) {
  ClientWindow client;
  TTsPrinter device;
  device.Client = &client;
  device.BeginDoc();
  device.NewPage();
  device.NewPage();
  device.SetProgress(50);
  EXPECT_TRUE(client.received.empty());
  EXPECT_EQ(device.AvailablePages(), 1);
  QCoreApplication::sendPostedEvents(&client);
  const auto available = TsPageAvailableEvent::eventType();
  const auto progress = TsProgressEvent::eventType();
  ASSERT_EQ(client.received.size(), 2u);
  EXPECT_EQ(client.received[0], std::make_pair(available, 1));
  EXPECT_EQ(client.received[1], std::make_pair(progress, 50));

  device.SetProgress(50);  // unchanged: nothing posted
  device.EndDoc();
  QCoreApplication::sendPostedEvents(&client);
  ASSERT_EQ(client.received.size(), 3u);
  EXPECT_EQ(client.received[2], std::make_pair(available, 2));
  EXPECT_EQ(device.AvailablePages(), 2);
}

TEST(Document, ThePrintRequestRunsAfterTheHandlerAndNotAfterRelease) {
  int requests = 0;
  auto device = StoreDocument(1);
  device->OnPrintRequest = [&] { ++requests; };
  device->RequestPrint();
  EXPECT_EQ(requests, 0);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(requests, 1);

  device->RequestPrint();
  device.reset();  // released before the request ran
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(requests, 1);
}

TEST(Document, ReleasingCancelsABusyDocumentAndEndsAShowingPreview) {
  TTsPrinter* closedWith = nullptr;
  int afterClosed = 0;
  auto device = std::make_unique<TTsPrinter>();
  device->OnPreviewClosed = [&](TTsPrinter* closing) { closedWith = closing; };
  device->AfterPreviewClosed = [&] { ++afterClosed; };
  device->PreviewClosed();
  EXPECT_EQ(closedWith, device.get());

  device->BeginDoc();
  device->NewPage();
  device.reset();  // busy, no preview: cancelled without the hook
  EXPECT_EQ(afterClosed, 0);

  device = std::make_unique<TTsPrinter>();
  device->AfterPreviewClosed = [&] { ++afterClosed; };
  device->ShowingPreview = true;
  device->BeginDoc();
  device.reset();
  EXPECT_EQ(afterClosed, 1);
}

TEST(Document, AnAbortedDocumentKeepsItsPagesInAReadableFile) {
  QTemporaryDir dir;
  TTsPrinter device;
  device.BeginDoc();
  device.NewPage();
  DrawSamplePage(device, 1);
  device.NewPage();
  DrawSamplePage(device, 2);
  device.AbortDoc();
  EXPECT_EQ(device.AvailablePages(), 2);
  const QString file = dir.filePath(QStringLiteral("aborted.tsr"));
  device.SaveToFile(file);
  TTsPrinter loaded;
  loaded.LoadFromFile(file);
  EXPECT_EQ(loaded.PageCount(), 2);
  EXPECT_EQ(RenderDevicePage(loaded, 2), RenderDevicePage(device, 2));
}
