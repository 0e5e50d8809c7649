#include "shell/PlainMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

void ShowPlainMessage(const QString& title, const QString& text) {
  const QPointer<QWidget> window = QApplication::activeWindow();
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, window);
  box.exec();
  // Without a window manager nothing gives the window its activation back, and the keys
  // typed next would go nowhere.
  if (window) window->activateWindow();
}

void ShowMessage(const QString& text) { ShowPlainMessage(QApplication::applicationDisplayName(), text); }
