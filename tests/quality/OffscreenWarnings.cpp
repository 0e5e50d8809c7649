#include "tests/quality/OffscreenWarnings.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

void DropOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
  previousHandler(type, context, message);
}

}  // namespace

void SilenceOffscreenWarnings() {
  if (previousHandler == nullptr) previousHandler = qInstallMessageHandler(DropOffscreenWarnings);
}
