#pragma once
// A roster run that cannot go on: the roster is not text, not CSV, or its header does not
// name the roster's columns; or an output cannot be written. The program reports it as a
// usage error.

#include <QString>

#include <utility>

struct RosterError {
  RosterError(int line, QString message, QString file = {})
      : line(line), message(std::move(message)), file(std::move(file)) {}

  int line;  // the line of the file it concerns; 0 for the file as a whole
  QString message;
  QString file;  // the file it concerns

  // "FILE:LINE: message", or "FILE: message" for the file as a whole.
  QString Describe() const {
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
  }
};
