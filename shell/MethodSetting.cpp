#include "shell/MethodSetting.h"

#include <QSettings>

namespace {

const QString kSettingsName = QStringLiteral("corvane32");  // organisation and application alike
const QString kMethodKey = QStringLiteral("method");

}  // namespace

TapeMethod RememberedMethod() {
  const QSettings settings(kSettingsName, kSettingsName);
  const QString name = settings.value(kMethodKey).toString();
  return TapeMethodNamed(name.toStdString()).value_or(TapeMethod::MultiSite);
}

void RememberMethod(TapeMethod method) {
  QSettings settings(kSettingsName, kSettingsName);
  const std::string_view name = TapeMethodName(method);
  settings.setValue(kMethodKey, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}
