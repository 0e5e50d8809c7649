#pragma once
// The "Print Preview" window over an output device: page view, tool bar and status bar.
// It is freed when closed; closing it tells the device's master report that its preview
// has closed.

#include "report/device/LiveInstances.h"
#include "report/preview/TsStandardPreviewToolBar.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class TTsPreview;
class TTsPrinter;

class TTsStandardPreview : public QMainWindow, public LiveInstances<TTsStandardPreview> {
  Q_OBJECT
 public:
  explicit TTsStandardPreview(TTsPrinter* device, QWidget* parent = nullptr);

  // Shows the window maximised and writes the page text.
  void Open();
  // Shows another device's pages instead, from page 1 at page width with the print buttons
  // waiting for its pass, and brings the window to the front. The device shown so far is
  // no longer shown (its ShowingPreview is false) and may be released.
  void ShowDevice(TTsPrinter* device);

  TTsPreview* PagePreview() const;
  QString ProgressText() const;  // status panel 0
  QString PageText() const;      // status panel 1

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ZoomToFitClick();
  void ZoomTo100Click();
  void ZoomToWidthClick();
  void FirstPageClick();
  void PrevPageClick();
  void NextPageClick();
  void LastPageClick();
  void PrintSetupClick();
  void PrintClick();
  void SaveClick();
  void LoadClick();
  void ExitClick();
  void FormClose();
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void PagePreviewPageAvailable();
  void PagePreviewProgressUpdate(int percent);

  // Opening on a device: its title as the caption, page width, Print once it has finished.
  void ConnectDevice(TTsPrinter* device);
  void GoToPage(int n);
  void WritePageText();
  TTsPrinter* Device() const;

  TsPreviewToolBar tools_;
  TTsPreview* pagePreview_;
  QLabel* progressPanel_;
  QLabel* pagePanel_;
  int lastProgress_ = 0;
  bool closed_ = false;
};

// Opens preview windows on output devices.
class TTsStandardPreviewInterface {
 public:
  // Creates the window on device and shows it maximised, without making it modal.
  static TTsStandardPreview* Show(TTsPrinter* device);
};
