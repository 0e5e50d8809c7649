#include "shell/MethodSetting.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <iostream>

namespace {

const QString kMethodKey = QStringLiteral("method");

// The program writes a line or two; a file larger than this is none of its own, and
// QSettings would read the whole of it on every start.
constexpr qint64 kLargestSettingsFile = 1024 * 1024;

QString SettingsFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/corvane32/corvane32.conf");
}

// Checked before QSettings opens the file, which reads it at once. The path is given to
// QSettings, so the file checked is the file used.
bool TooLarge(const QString& path) { return QFileInfo(path).size() > kLargestSettingsFile; }

}  // namespace

TapeMethod RememberedMethod() {
  const QString path = SettingsFilePath();
  if (TooLarge(path)) {
    std::cerr << QStringLiteral("corvane32: %1: settings file over 1 MB, ignored").arg(path).toStdString() << std::endl;
    return TapeMethod::MultiSite;
  }
  const QSettings settings(path, QSettings::IniFormat);
  const QString name = settings.value(kMethodKey).toString();
  return TapeMethodNamed(name.toStdString()).value_or(TapeMethod::MultiSite);
}

void RememberMethod(TapeMethod method) {
  const QString path = SettingsFilePath();
  if (TooLarge(path)) return;
  QSettings settings(path, QSettings::IniFormat);
  const std::string_view name = TapeMethodName(method);
  settings.setValue(kMethodKey, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}
