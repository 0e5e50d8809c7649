// The document flow: misuse errors, coordinates, posted notifications, the print request
// and the release of a device.

#include "DeviceTestSupport.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string ErrorText(const std::function<void()>& step) {
  try {
    step();
  } catch (const TsPrintError& error) {
    return error.what();
  }
  return "(no error)";
}

// Records the notifications it receives as (page-available or progress, value).
class ClientWindow : public QObject {
 public:
  std::vector<std::pair<bool, int>> received;
  bool event(QEvent* e) override {
    if (e->type() == TsPageAvailableEvent::eventType())
      received.emplace_back(true, static_cast<TsPageAvailableEvent*>(e)->availablePages);
    else if (e->type() == TsProgressEvent::eventType())
      received.emplace_back(false, static_cast<TsProgressEvent*>(e)->percent);
    return QObject::event(e);
  }
};

}  // namespace

TEST(Document, MisuseRaisesTheDevicesOwnTexts) {
  TTsPrinter device;
  EXPECT_EQ(ErrorText([&] { device.NewPage(); }), "Illegal call to NewPage");
  EXPECT_EQ(device.GetPage(1), nullptr);
  device.BeginDoc();
  EXPECT_EQ(ErrorText([&] { device.BeginDoc(); }), "Printer not ready");
  device.EndDoc();
  EXPECT_EQ(ErrorText([&] { device.NewPage(); }), "Illegal call to NewPage");
  EXPECT_EQ(ErrorText([&] { device.BeginDoc(); }), "Printer not ready");
}

TEST(Document, PrinterCoordinatesSubtractThePrintingOffsetAndRoundHalvesToEven) {
  QTemporaryDir dir;
  TTsPrinter device;
  device.Destination = TsDestination::Printer;
  device.Printer().setOutputFileName(dir.filePath(QStringLiteral("offsets.pdf")));
  device.Printer().setResolution(600);
  device.Printer().setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Point);  // 50 pixels
  device.BeginDoc();
  EXPECT_EQ(device.LeftWaste(), 21);
  EXPECT_EQ(device.XPos(127), 250);
  EXPECT_EQ(device.YPos(127), 250);
  device.AbortDoc();

  TTsPrinter exact;  // one pixel per native unit
  exact.Destination = TsDestination::Printer;
  exact.Printer().setOutputFileName(dir.filePath(QStringLiteral("halves.pdf")));
  exact.Printer().setResolution(254);
  exact.Printer().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
  exact.BeginDoc();
  EXPECT_EQ(exact.XSize(2.5L), 2);
  EXPECT_EQ(exact.XSize(3.5L), 4);
  EXPECT_EQ(exact.YPos(-0.5L), 0);
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
  device.SetProgress(50);  // unchanged: not posted again
  EXPECT_TRUE(client.received.empty());
  EXPECT_EQ(device.AvailablePages(), 1);
  device.EndDoc();
  QCoreApplication::sendPostedEvents(&client);
  const std::vector<std::pair<bool, int>> expected = {{true, 1}, {false, 50}, {true, 2}};
  EXPECT_EQ(client.received, expected);
}

TEST(Document, ThePrintRequestIsPostedAndReleaseRunsThePreviewHooks) {
  int requests = 0, closedHooks = 0;
  TTsPrinter* closing = nullptr;
  auto device = StoreDocument(1);
  device->OnPrintRequest = [&] { ++requests; };
  device->OnPreviewClosed = [&](TTsPrinter* d) { closing = d; };
  device->RequestPrint();
  EXPECT_EQ(requests, 0);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(requests, 1);
  device->PreviewClosed();
  EXPECT_EQ(closing, device.get());
  device->RequestPrint();
  device.reset();  // released before its request ran: the request is dropped
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(requests, 1);

  device = std::make_unique<TTsPrinter>();
  device->AfterPreviewClosed = [&] { ++closedHooks; };
  device->BeginDoc();
  device->NewPage();
  device.reset();  // busy, no preview showing: cancelled, no hook
  EXPECT_EQ(closedHooks, 0);
  device = std::make_unique<TTsPrinter>();
  device->AfterPreviewClosed = [&] { ++closedHooks; };
  device->ShowingPreview = true;
  device->BeginDoc();
  device.reset();
  EXPECT_EQ(closedHooks, 1);
}
