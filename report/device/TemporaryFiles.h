#pragma once
// The temporary files that outputs are written to beside their targets, kept in one list so
// that an interrupted program leaves none behind. SIGINT and SIGTERM end a program where it
// stands, without unwinding; once RemoveTemporaryFilesOnInterrupt has been called, those
// signals are taken by a thread of their own, which removes every temporary file of the
// list and then ends the program by the same signal, so that whoever started it sees the
// status it expects (130 for Ctrl-C in a shell). Creating, renaming and removing a file
// and its place in the list happen together: the thread finds each file either listed
// or gone.

#include <QByteArray>

// Blocks SIGINT and SIGTERM in the calling thread, and so in every thread it starts later,
// and starts the thread that waits for them. Call it first thing in main, before anything
// starts a thread; a program that does not call it keeps the signals' usual action. Child
// processes would inherit the blocked signals: a program that starts any must not call it.
void RemoveTemporaryFilesOnInterrupt();

// Creates a file from the mkostemp pattern, whose trailing X's become its name, and lists
// it. Returns the open descriptor (close-on-exec), or -1 with errno set.
int CreateTemporaryFile(QByteArray& pattern);
// Renames the listed file over target, and takes it off the list when that succeeds.
// Returns rename's result, errno set on failure.
int RenameTemporaryFile(const QByteArray& temporary, const QByteArray& target);
// Removes the listed file and takes it off the list.
void RemoveTemporaryFile(const QByteArray& temporary);
