#include "report/preview/TsStandardPreview.h"

#include "report/device/PdfExport.h"
#include "report/device/TsPrintError.h"
#include "report/device/TsPrinter.h"
#include "report/preview/PageFileDialogs.h"
#include "report/preview/PreviewMessages.h"
#include "report/preview/TsPreview.h"
#include "report/preview/WindowManager.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

#include <exception>

TTsStandardPreview::TTsStandardPreview(TTsPrinter* device, QWidget* parent)
    : QMainWindow(parent),
      tools_(BuildPreviewToolBar(this)),
      pagePreview_(new TTsPreview(this)),
      progressPanel_(new QLabel("0%", this)),
      pagePanel_(new QLabel("Page", this)) {
  setObjectName("TsStandardPreview");
  setAttribute(Qt::WA_DeleteOnClose);
  resize(652, 579);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }

  addToolBar(Qt::TopToolBarArea, tools_.bar);
  setCentralWidget(pagePreview_);
  progressPanel_->setObjectName("ProgressPanel");
  progressPanel_->setFixedWidth(40);
  progressPanel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pagePanel_->setObjectName("PagePanel");
  pagePanel_->setMinimumWidth(50);
  statusBar()->addWidget(progressPanel_);
  statusBar()->addWidget(pagePanel_, 1);

  connect(tools_.ZoomFit, &QAction::triggered, this, &TTsStandardPreview::ZoomToFitClick);
  connect(tools_.Zoom100, &QAction::triggered, this, &TTsStandardPreview::ZoomTo100Click);
  connect(tools_.ZoomToWidth, &QAction::triggered, this, &TTsStandardPreview::ZoomToWidthClick);
  connect(tools_.FirstPage, &QAction::triggered, this, &TTsStandardPreview::FirstPageClick);
  connect(tools_.PreviousPage, &QAction::triggered, this, &TTsStandardPreview::PrevPageClick);
  connect(tools_.NextPage, &QAction::triggered, this, &TTsStandardPreview::NextPageClick);
  connect(tools_.LastPage, &QAction::triggered, this, &TTsStandardPreview::LastPageClick);
  connect(tools_.PrintSetup, &QAction::triggered, this, &TTsStandardPreview::PrintSetupClick);
  connect(tools_.Print, &QAction::triggered, this, &TTsStandardPreview::PrintClick);
  connect(tools_.SaveReport, &QAction::triggered, this, &TTsStandardPreview::SaveClick);
  connect(tools_.LoadReport, &QAction::triggered, this, &TTsStandardPreview::LoadClick);
  connect(tools_.ExitButton, &QToolButton::clicked, this, &TTsStandardPreview::ExitClick);
  pagePreview_->OnPageAvailable = [this](int) { PagePreviewPageAvailable(); };
  pagePreview_->OnProgressUpdate = [this](int percent) { PagePreviewProgressUpdate(percent); };

  // Keys reach the window before the control that has the focus.
  qApp->installEventFilter(this);

  ConnectDevice(device);
}

void TTsStandardPreview::Open() {
  showMaximized();
  // A bare X server leaves a maximised window at its size: it takes the screen's room
  // itself, its normal size and place staying what they were.
  if (!WindowManagerMaximises())
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  WritePageText();
}

void TTsStandardPreview::ConnectDevice(TTsPrinter* device) {
  pagePreview_->SetDevice(device);
  setWindowTitle(device && !device->Title.isEmpty() ? device->Title : QStringLiteral("Print Preview"));
  tools_.ZoomToWidth->setChecked(true);
  ZoomToWidthClick();
  tools_.PrintSetup->setEnabled(false);
  tools_.Print->setEnabled(device && device->Status() == TsPrinterStatus::Finished);
}

void TTsStandardPreview::ShowDevice(TTsPrinter* device) {
  ConnectDevice(device);
  lastProgress_ = 0;
  progressPanel_->setText("0%");
  WritePageText();
  raise();
  activateWindow();
}

TTsPreview* TTsStandardPreview::PagePreview() const { return pagePreview_; }
QString TTsStandardPreview::ProgressText() const { return progressPanel_->text(); }
QString TTsStandardPreview::PageText() const { return pagePanel_->text(); }
TTsPrinter* TTsStandardPreview::Device() const { return pagePreview_->Device(); }

void TTsStandardPreview::WritePageText() {
  const int pageCount = Device() ? Device()->PageCount() : 0;
  pagePanel_->setText("Page " + QString::number(pagePreview_->PageNumber()) + " of " +
                      QString::number(pageCount));
}

// --- zoom ---

void TTsStandardPreview::ZoomToFitClick() {
  QCoreApplication::processEvents();
  pagePreview_->ZoomToFit();
}

void TTsStandardPreview::ZoomTo100Click() {
  QCoreApplication::processEvents();
  pagePreview_->SetZoom(100);
}

void TTsStandardPreview::ZoomToWidthClick() {
  QCoreApplication::processEvents();
  pagePreview_->ZoomToWidth();
}

// --- turning pages ---

void TTsStandardPreview::GoToPage(int n) {
  pagePreview_->SetPageNumber(n);
  WritePageText();
}

void TTsStandardPreview::FirstPageClick() { GoToPage(1); }
void TTsStandardPreview::PrevPageClick() { GoToPage(pagePreview_->PageNumber() - 1); }
void TTsStandardPreview::NextPageClick() { GoToPage(pagePreview_->PageNumber() + 1); }
void TTsStandardPreview::LastPageClick() { GoToPage(Device() ? Device()->PageCount() : 0); }

// --- notifications from the device ---

void TTsStandardPreview::PagePreviewPageAvailable() {
  WritePageText();
  if (Device() && Device()->Status() == TsPrinterStatus::Finished) {
    tools_.PrintSetup->setEnabled(true);
    tools_.Print->setEnabled(true);
  }
}

void TTsStandardPreview::PagePreviewProgressUpdate(int percent) {
  if (percent >= lastProgress_ + 5) {
    progressPanel_->setText(QString::number(percent) + "%");
    lastProgress_ = percent;
  }
  if (percent == 0 || percent == 100) progressPanel_->clear();
}

// --- printing ---

// Errors of the print system reach the user in a message box; they never end the program.
void TTsStandardPreview::PrintSetupClick() {
  if (!Device() || !Device()->OnPrintSetup) return;
  try {
    Device()->OnPrintSetup();
  } catch (const std::exception& error) {
    ShowErrorMessage(this, QString::fromStdString(error.what()));
  }
}

void TTsStandardPreview::PrintClick() {
  TTsPrinter* device = Device();
  if (!device) return;
  // A report regenerated for printing decides on its own printing device; stored pages
  // go to this device's printer.
  if (device->LoadedFromFile() && !device->PrinterOK()) {
    ShowNoPrinterMessage(this);
    return;
  }
  try {
    device->RequestPrint();
  } catch (const std::exception& error) {
    ShowErrorMessage(this, QString::fromStdString(error.what()));
  }
}

// --- page files ---

void TTsStandardPreview::SaveClick() {
  const auto target = AskSaveTarget(this);
  if (!target || !Device()) return;
  try {
    if (target->kind == TsSaveKind::PageFile)
      Device()->SaveToFile(target->fileName);
    else
      ExportPdf(*Device(), target->fileName);
  } catch (const TsPrintError& error) {
    ShowPlainMessage(this, QString::fromStdString(error.what()));
    return;
  }
  // The export of pages still being generated writes nothing, silently.
  if (Device() && Device()->Status() == TsPrinterStatus::Finished && Device()->AfterSave) Device()->AfterSave();
}

void TTsStandardPreview::LoadClick() {
  const auto fileName = AskLoadFileName(this);
  if (!fileName || !Device()) return;
  if (!QFileInfo::exists(*fileName)) {
    ShowPlainMessage(this, "File does not exist");
    return;
  }
  try {
    Device()->LoadFromFile(*fileName);
  } catch (const TsPrintError& error) {
    ShowPlainMessage(this, QString::fromStdString(error.what()));
    return;
  }
  pagePreview_->ReloadFirstPage();
  // The file's paper may differ from the one shown so far.
  if (pagePreview_->ZoomState() == TTsZoomState::Fit) pagePreview_->ZoomToFit();
  else if (pagePreview_->ZoomState() == TTsZoomState::Width) pagePreview_->ZoomToWidth();
  else pagePreview_->Relayout();
  WritePageText();
  tools_.PrintSetup->setEnabled(false);
  tools_.Print->setEnabled(true);
}

// --- keys, resizing, closing ---

bool TTsStandardPreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    const auto* key = static_cast<QKeyEvent*>(event);
    return FormKeyDown(key->key(), key->modifiers());
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TTsStandardPreview::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const bool ctrlAlone = (modifiers & (Qt::ShiftModifier | Qt::ControlModifier |
                                       Qt::AltModifier | Qt::MetaModifier)) ==
                         Qt::ControlModifier;
  switch (key) {
    case Qt::Key_Escape: ExitClick(); return true;
    case Qt::Key_PageUp: ctrlAlone ? FirstPageClick() : PrevPageClick(); return true;
    case Qt::Key_PageDown: ctrlAlone ? LastPageClick() : NextPageClick(); return true;
    case Qt::Key_Home: FirstPageClick(); return true;
    case Qt::Key_End: LastPageClick(); return true;
    default: return false;
  }
}

void TTsStandardPreview::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  pagePreview_->Relayout();
}

void TTsStandardPreview::ExitClick() { close(); }

void TTsStandardPreview::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TTsStandardPreview::FormClose() {
  if (closed_) return;
  closed_ = true;
  TTsPrinter* device = Device();
  // The view lets go of the device first: the master report may release it.
  pagePreview_->SetDevice(nullptr);
  if (!device) return;
  if (device->Status() == TsPrinterStatus::Busy) device->Cancel();
  if (device->AfterPreviewClosed) device->AfterPreviewClosed();
  device->PreviewClosed();
}

TTsStandardPreview* TTsStandardPreviewInterface::Show(TTsPrinter* device) {
  auto* window = new TTsStandardPreview(device);
  window->Open();
  return window;
}
