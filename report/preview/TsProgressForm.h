#pragma once
// The "Printing progress" window shown while a report prints: a gauge, a line of text and
// a Cancel button that sets the printing device's cancelled flag. It is the client of the
// printing device and receives its progress notifications.

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;
class TTsPrinter;

class TTsProgressForm : public QDialog {
  Q_OBJECT
 public:
  explicit TTsProgressForm(TTsPrinter* device, QWidget* parent = nullptr);

  // Shows the window and lets it be mapped and painted at once, taking no input, as the
  // print pass that follows runs without the event loop.
  void ShowAndPaint();

  QProgressBar* Gauge;
  QLabel* Info;
  QPushButton* CancelButton;

 protected:
  bool event(QEvent* event) override;

 private:
  void ProgressChanged(int percent);
  void CancelButtonClick();

  QPointer<TTsPrinter> device_;
};
