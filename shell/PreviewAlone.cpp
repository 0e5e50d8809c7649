#include "shell/PreviewAlone.h"

#include "report/device/TsPrintError.h"
#include "report/device/TsPrinter.h"
#include "report/preview/TsStandardPreview.h"
#include "shell/PlainMessage.h"
#include "shell/Startup.h"

#include <QApplication>

#include <iostream>

int RunPreviewAlone(QApplication& app, TTsPrinter& device) {
  TTsStandardPreview* window = TTsStandardPreviewInterface::Show(&device);
  // The window frees itself once closed; the program ends when it is gone, so nothing of
  // it outlives the device.
  QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
  return app.exec();
}

int RunPageFileProgram(QApplication& app, const StartupOptions& options, const QString& fileName) {
  if (!PrepareProgram(app, options)) return kTableErrorStatus;
  TTsPrinter device;
  try {
    device.LoadFromFile(fileName);
  } catch (const TsPrintError& error) {
    const QString reason = QString::fromStdString(error.what());
    std::cerr << QStringLiteral("corvane32: %1: %2").arg(fileName, reason).toStdString() << std::endl;
    ShowMessage(reason);
    return kPageFileRefusedStatus;
  }
  return RunPreviewAlone(app, device);
}
