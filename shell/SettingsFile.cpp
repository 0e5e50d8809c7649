#include "shell/SettingsFile.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <iostream>

namespace {

// The program writes a line or two.
constexpr qint64 kLargestSettingsFile = 1024 * 1024;

}  // namespace

QString SettingsFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/corvane32/corvane32.conf");
}

// Checked before QSettings opens the file, which reads it at once. The path is given to
// QSettings, so the file checked is the file used.
bool SettingsFileTooLarge(const QString& path) { return QFileInfo(path).size() > kLargestSettingsFile; }

QString SettingsValue(const QString& key) {
  const QString path = SettingsFilePath();
  if (SettingsFileTooLarge(path)) {
    std::cerr << QStringLiteral("corvane32: %1: settings file over 1 MB, ignored").arg(path).toStdString() << std::endl;
    return {};
  }
  return QSettings(path, QSettings::IniFormat).value(key).toString();
}
