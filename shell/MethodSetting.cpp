#include "shell/MethodSetting.h"

#include "shell/SettingsFile.h"

#include <QSettings>

namespace {

const QString kMethodKey = QStringLiteral("method");

}  // namespace

TapeMethod RememberedMethod() {
  return TapeMethodNamed(SettingsValue(kMethodKey).toStdString()).value_or(TapeMethod::MultiSite);
}

void RememberMethod(TapeMethod method) {
  const QString path = SettingsFilePath();
  if (SettingsFileTooLarge(path)) return;
  QSettings settings(path, QSettings::IniFormat);
  const std::string_view name = TapeMethodName(method);
  settings.setValue(kMethodKey, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}
