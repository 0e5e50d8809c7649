#pragma once
// The tape method chosen last, remembered between runs in the user's settings
// ($XDG_CONFIG_HOME/corvane32/corvane32.conf, key "method": "one-site" or "multi-site").

#include "standards/TapeMethod.h"

// The remembered method; the multi-site method when none is remembered or the setting is
// not a method's name. A settings file over 1 MB is not read: the multi-site method, after
// a line on standard error that names the file.
TapeMethod RememberedMethod();
// Remembers the method; a settings file over 1 MB is left as it is, neither read nor
// rewritten.
void RememberMethod(TapeMethod method);
