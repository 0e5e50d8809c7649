#pragma once
// The report's measuring context, compatible with the screen: every label of the report
// measures its text here, whatever the output device, so line breaks and automatic sizes
// are the same in the preview and on paper. Measurements never change for a font and a
// text, so they are remembered (each pass formats every label twice).

#include "report/model/TsFont.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>

#include <vector>

class TTsReferenceContext {
 public:
  explicit TTsReferenceContext(int pixelsPerInch);

  // The platform's text extent width of the text in the font, in pixels.
  int TextWidth(const TTsFont& font, const QString& text) const;
  // The platform's text extent height: the font's cell height, the same for any text.
  int TextHeight(const TTsFont& font) const;
  // The Qt font of a report font, shared by every label using it.
  const QFont& QtFont(const TTsFont& font) const;

 private:
  struct FontMeasures {
    TTsFont font;
    QFont qtFont;
    QFontMetrics metrics;
    QHash<QString, int> widths;
  };
  FontMeasures& MeasuresOf(const TTsFont& font) const;

  QImage m_image;
  mutable std::vector<FontMeasures> m_fonts;
};
