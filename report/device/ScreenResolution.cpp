#include "report/device/ScreenResolution.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int ScreenPixelsPerInch() {
  constexpr int kFallbackDpi = 96;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return kFallbackDpi;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return kFallbackDpi;
  const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
  return dpi > 0 ? dpi : kFallbackDpi;
}
