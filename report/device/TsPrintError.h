#pragma once
// The error the output device raises on misuse ("Printer not ready", "Illegal call to
// NewPage") or when a page file is refused; its text reaches the user in a message box.

#include <QString>

#include <stdexcept>

// The device's refusal when it has no document it can begin, draw on or print.
inline constexpr char kPrinterNotReady[] = "Printer not ready";

class TsPrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  explicit TsPrintError(const QString& text) : std::runtime_error(text.toStdString()) {}
};
