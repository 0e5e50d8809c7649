#include "report/preview/PreviewMessages.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  const QPointer<QWidget> window = parent ? parent->window() : nullptr;
  QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
  box.exec();
  // Without a window manager nothing gives the window its activation back.
  if (window) window->activateWindow();
}

}  // namespace

void ShowPlainMessage(QWidget* parent, const QString& text) {
  ShowMessage(parent, QMessageBox::NoIcon, text);
}

void ShowErrorMessage(QWidget* parent, const QString& text) {
  ShowMessage(parent, QMessageBox::Critical, text);
}

void ShowNoPrinterMessage(QWidget* parent) {
  ShowPlainMessage(parent,
                   "No printer is installed, so the report cannot be printed.\n"
                   "To keep it on paper or send it by mail, use Save Report and choose "
                   "\"PDF document (*.pdf)\" as the file type.");
}
