#include "PreviewTestSupport.h"

#include "report/preview/TsPreview.h"
#include "report/preview/TsPreviewImage.h"
#include "report/preview/TsStandardPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPicture>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr long double kInch = 254;

}  // namespace

QRectF MarkRect(int n) { return QRectF(double(kInch * n), double(2 * kInch), double(kInch / 2), double(kInch / 2)); }

void DrawSamplePage(TTsPrinter& device, int n) {
  QPainter& canvas = *device.Canvas();
  const long double margin = kInch / 2;
  const long double right = device.PrinterSettings.PaperWidth() - margin;
  const long double bottom = device.PrinterSettings.PaperLength() - margin;
  canvas.setPen(QPen(Qt::black, 2));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawRect(QRect(QPoint(device.XPos(margin), device.YPos(margin)),
                        QPoint(device.XPos(right), device.YPos(bottom))));
  const QRectF mark = MarkRect(n);
  canvas.fillRect(device.XPos(mark.left()), device.YPos(mark.top()), device.XSize(mark.width()),
                  device.YSize(mark.height()), Qt::black);
  canvas.drawText(device.XPos(kInch), device.YPos(4 * kInch), QString("Page %1").arg(n));
}

std::unique_ptr<TTsPrinter> StoreDocument(int pages, TTsPaperSize paper, TTsOrientation orientation,
                                          bool finish) {
  return StoreDocumentOf(pages, DrawSamplePage, paper, orientation, finish);
}

TTsStandardPreview* OpenPreview(TTsPrinter* device) {
  TTsStandardPreview* window = TTsStandardPreviewInterface::Show(device);
  if (!QTest::qWaitForWindowExposed(window)) return nullptr;
  QCoreApplication::processEvents();
  return window;
}

void ClosePreviewWindows() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (qobject_cast<TTsStandardPreview*>(widget)) widget->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage ShownPage(TTsStandardPreview* window) {
  return window->PagePreview()->Image()->grab().toImage();
}

bool IsDark(const QImage& image, int x, int y) {
  return image.valid(x, y) && qGray(image.pixel(x, y)) < 128;
}

int ShownMark(TTsStandardPreview* window) {
  const QImage page = ShownPage(window);
  TTsPrinter* device = window->PagePreview()->Device();
  const int zoom = window->PagePreview()->Zoom();
  int found = 0;
  for (int n = 1; n <= 3; ++n) {
    const QPointF centre = MarkRect(n).center();
    if (IsDark(page, device->XSize(centre.x() * zoom / 100), device->YSize(centre.y() * zoom / 100)))
      found = found == 0 ? n : -1;
  }
  return found < 0 ? 0 : found;
}

DialogAnswer::DialogAnswer(QString objectName, std::function<void(QWidget*)> answer)
    : objectName_(std::move(objectName)), answer_(std::move(answer)) {
  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, &DialogAnswer::Poll);
  timer_.start();
}

void DialogAnswer::Poll() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->isVisible() || widget->objectName() != objectName_) continue;
    timer_.stop();
    found_ = true;
    answer_(widget);
    return;
  }
}

FileDialogAnswer::FileDialogAnswer(QString dialogName, QString fileName, QString filter)
    : fileName_(std::move(fileName)),
      filter_(std::move(filter)),
      poll_(std::move(dialogName), [this](QWidget* widget) {
        if (auto* dialog = qobject_cast<QFileDialog*>(widget)) Answer(dialog);
      }) {}

void FileDialogAnswer::Answer(QFileDialog* dialog) {
  title = dialog->windowTitle();
  filters = dialog->nameFilters();
  folder = dialog->directory().absolutePath();
  if (fileName_.isEmpty()) {
    answered_ = true;
    dialog->reject();
    return;
  }
  // Picked from the list of types as a user picks it, so the dialog hears of the choice. A
  // change of filter reaches the name field only after events have run.
  if (!filter_.isEmpty()) {
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    const int index = types ? types->findText(filter_) : -1;
    if (index < 0) return;
    types->setCurrentIndex(index);
    emit types->activated(index);
    emit types->textActivated(filter_);
  }
  QTimer::singleShot(20, this, [this, dialog = QPointer<QFileDialog>(dialog)] {
    if (!dialog) return;
    // Typed into the name field, as a user would (selectFile leaves a focused field alone).
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(fileName_);
    answered_ = true;
    static_cast<QDialog*>(dialog.data())->accept();  // QFileDialog's own accept checks the name
  });
}

PdfInfo ReadPdfInfo(const QString& fileName) {
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {fileName});
  pdfinfo.waitForFinished();
  const QString out = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  PdfInfo info;
  info.pages = QRegularExpression("Pages:\\s+(\\d+)").match(out).captured(1).toInt();
  info.pageSize = QRegularExpression("Page size:\\s+([^\\n]+)").match(out).captured(1).trimmed();
  return info;
}

QImage RenderPdf(const QString& fileName) {
  const QString base = fileName + "-page";
  QProcess::execute("pdftoppm", {"-r", "100", "-png", "-singlefile", "-f", "1", "-l", "1", fileName, base});
  return QImage(base + ".png");
}
