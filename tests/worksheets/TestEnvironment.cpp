#include "TestEnvironment.h"

#include "report/device/ScreenResolution.h"

#include <QFont>

#include <cstdio>

bool PinFontsAndResolution() {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  if (ScreenPixelsPerInch() == 96) return true;
  std::fprintf(stderr, "The worksheet tests need a 96 dpi screen, this one has %d.\n",
               ScreenPixelsPerInch());
  return false;
}
