#include "shell/PlainMessage.h"

#include <QApplication>
#include <QMessageBox>

void ShowPlainMessage(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void ShowMessage(const QString& text) { ShowPlainMessage(QApplication::applicationDisplayName(), text); }
