#pragma once
// A store that cannot be opened, read or written. The message names the store and the
// reason, never a soldier's SSAN.

#include <QString>

#include <stdexcept>

class StoreError : public std::runtime_error {
 public:
  explicit StoreError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};
