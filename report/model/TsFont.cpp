#include "report/model/TsFont.h"

#include <QGuiApplication>
#include <QLocale>

#include <cmath>
#include <cstdlib>

void TTsFont::SetHeight(int pixels, long double pixelsPerInch) {
  size = static_cast<int>(std::lround(std::abs(pixels) * 72.0L / pixelsPerInch));
}

QFont TTsFont::ToQFont() const {
  QFont font(name);
  if (size != 0) font.setPointSize(std::abs(size));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  font.setStrikeOut(strikeOut);
  return font;
}

TTsFont DefaultReportFont() {
  TTsFont font;
  if (QLocale::system().language() == QLocale::Japanese) {
    const QFont platform = QGuiApplication::font();
    font.name = platform.family();
    if (platform.pointSize() > 0) font.size = platform.pointSize();
  }
  return font;
}
