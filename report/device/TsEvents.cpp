#include "report/device/TsPrinter.h"

TsPageAvailableEvent::TsPageAvailableEvent(int pages)
    : QEvent(eventType()), availablePages(pages) {}

QEvent::Type TsPageAvailableEvent::eventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

TsProgressEvent::TsProgressEvent(int value) : QEvent(eventType()), percent(value) {}

QEvent::Type TsProgressEvent::eventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}
