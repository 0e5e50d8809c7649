#pragma once
// The user's settings file, $XDG_CONFIG_HOME/corvane32/corvane32.conf (by default
// ~/.config/corvane32/corvane32.conf): the tape method chosen last ("method") and the
// records' store ("database").

#include <QString>

QString SettingsFilePath();

// A file over 1 MB is none the program wrote: it is neither read nor rewritten (QSettings
// would read the whole of it at once).
bool SettingsFileTooLarge(const QString& path);

// The key's value; empty when the file has none, or is too large to read, which a line on
// standard error then says.
QString SettingsValue(const QString& key);
