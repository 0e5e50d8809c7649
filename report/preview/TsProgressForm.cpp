#include "report/preview/TsProgressForm.h"

#include "report/device/TsPrinter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QWindow>

TTsProgressForm::TTsProgressForm(TTsPrinter* device, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      Gauge(new QProgressBar(this)),
      Info(new QLabel(this)),
      CancelButton(new QPushButton("Cancel", this)),
      device_(device) {
  setObjectName("ProgressForm");
  setWindowTitle("Printing progress");
  setFixedSize(149, 97);

  Gauge->setObjectName("Gauge");
  Gauge->setGeometry(16, 18, 114, 16);
  Gauge->setRange(0, 100);
  Gauge->setValue(0);
  Gauge->setTextVisible(false);

  Info->setObjectName("Info");
  Info->setGeometry(0, 44, 145, 13);
  Info->setAlignment(Qt::AlignCenter);

  CancelButton->setObjectName("CancelButton");
  CancelButton->setGeometry(36, 60, 75, 25);
  connect(CancelButton, &QPushButton::clicked, this, &TTsProgressForm::CancelButtonClick);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TTsProgressForm::ShowAndPaint() {
  constexpr int kExposeWaitMs = 1000;
  show();
  // The window system maps the window in its own time; once it has, paint the window and
  // let the painting reach the screen.
  const QDeadlineTimer deadline(kExposeWaitMs);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  while (!windowHandle()->isExposed() && !deadline.hasExpired()) {
    QThread::msleep(2);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TTsProgressForm::event(QEvent* event) {
  if (event->type() == TsProgressEvent::eventType()) {
    ProgressChanged(static_cast<TsProgressEvent*>(event)->percent);
    return true;
  }
  return QDialog::event(event);
}

void TTsProgressForm::ProgressChanged(int percent) {
  if (percent % 5 != 0) return;
  Gauge->setValue(percent);
  Info->setText(QString::number(percent) + "% " + " Completed");
  QCoreApplication::processEvents();
}

void TTsProgressForm::CancelButtonClick() {
  if (device_) device_->Cancel();
}
