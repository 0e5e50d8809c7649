#pragma once
// The report's measuring context, compatible with the screen: every label of the report
// measures its text here, whatever the output device, so line breaks and automatic sizes
// are the same in the preview and on paper.

#include <QFontMetrics>
#include <QImage>

class QFont;

class TTsReferenceContext {
 public:
  explicit TTsReferenceContext(int pixelsPerInch);

  // Font metrics of a font selected into this context.
  QFontMetrics Metrics(const QFont& font) const;

 private:
  QImage m_image;
};
