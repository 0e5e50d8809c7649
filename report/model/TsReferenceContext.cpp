#include "report/model/TsReferenceContext.h"

#include <cmath>

namespace {

// Bounds of the remembered measurements; past them they are forgotten and start again.
constexpr size_t kMaxFonts = 64;
constexpr qsizetype kMaxWidthsPerFont = 4096;

}  // namespace

TTsReferenceContext::TTsReferenceContext(int pixelsPerInch) : m_image(1, 1, QImage::Format_RGB32) {
  const int dotsPerMetre = static_cast<int>(std::lround(pixelsPerInch / 0.0254));
  m_image.setDotsPerMeterX(dotsPerMetre);
  m_image.setDotsPerMeterY(dotsPerMetre);
}

TTsReferenceContext::FontMeasures& TTsReferenceContext::MeasuresOf(const TTsFont& font) const {
  for (FontMeasures& measures : m_fonts) {
    if (measures.font == font) return measures;
  }
  if (m_fonts.size() >= kMaxFonts) m_fonts.clear();
  QImage* device = const_cast<QImage*>(&m_image);
  const QFont qtFont = font.ToQFont();
  m_fonts.push_back({font, qtFont, QFontMetrics(qtFont, device), {}});
  return m_fonts.back();
}

int TTsReferenceContext::TextWidth(const TTsFont& font, const QString& text) const {
  FontMeasures& measures = MeasuresOf(font);
  const auto known = measures.widths.constFind(text);
  if (known != measures.widths.cend()) return *known;
  if (measures.widths.size() >= kMaxWidthsPerFont) measures.widths.clear();
  const int width = measures.metrics.horizontalAdvance(text);
  measures.widths.insert(text, width);
  return width;
}

int TTsReferenceContext::TextHeight(const TTsFont& font) const { return MeasuresOf(font).metrics.height(); }

const QFont& TTsReferenceContext::QtFont(const TTsFont& font) const { return MeasuresOf(font).qtFont; }
