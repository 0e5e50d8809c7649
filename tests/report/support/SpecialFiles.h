#pragma once
// Special files for the tests of written outputs, made so that a fault in the program can
// never harm the machine's own devices.

#include <QString>

class QTemporaryDir;

// A character device on which every write fails with "No space left on device". As root, a
// node of the device in dir, so that a program that replaced it would replace only that
// node; otherwise /dev/full, which a user cannot replace. Empty when neither can be opened
// (a folder on a file system that allows no devices).
QString FullDevice(const QTemporaryDir& dir);

// A new FIFO in dir; empty when it cannot be made.
QString MakeFifo(const QTemporaryDir& dir, const QString& name);

// A symbolic link to target, owned by uid (which needs root); false when it cannot be made.
bool MakeLinkOwnedBy(const QString& link, const QString& target, unsigned uid);
