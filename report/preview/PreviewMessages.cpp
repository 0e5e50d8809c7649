#include "report/preview/PreviewMessages.h"

#include <QGuiApplication>
#include <QMessageBox>

void ShowPlainMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, parent);
  box.exec();
}

void ShowNoPrinterMessage(QWidget* parent) {
  ShowPlainMessage(parent,
                   "No printer is installed, so the report cannot be printed.\n"
                   "To keep it on paper or send it by mail, use Save Report and choose "
                   "\"PDF document (*.pdf)\" as the file type.");
}
