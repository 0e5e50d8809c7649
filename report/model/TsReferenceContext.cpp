#include "report/model/TsReferenceContext.h"

#include <cmath>

TTsReferenceContext::TTsReferenceContext(int pixelsPerInch) : m_image(1, 1, QImage::Format_RGB32) {
  const int dotsPerMetre = static_cast<int>(std::lround(pixelsPerInch / 0.0254));
  m_image.setDotsPerMeterX(dotsPerMetre);
  m_image.setDotsPerMeterY(dotsPerMetre);
}

QFontMetrics TTsReferenceContext::Metrics(const QFont& font) const {
  return QFontMetrics(font, &m_image);
}
