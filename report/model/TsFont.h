#pragma once
// A report font as layouts store it: family name, size in whole points, colour and style.

#include <QColor>
#include <QFont>
#include <QString>

struct TTsFont {
  QString name = QStringLiteral("Arial");
  int size = 10;  // points; only its absolute value counts
  QColor color = Qt::black;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  // Sets the size from a character height in pixels at the given pixels per inch.
  void SetHeight(int pixels, long double pixelsPerInch);
  QFont ToQFont() const;

  bool operator==(const TTsFont&) const = default;
};

// The font a new report starts with: Arial 10 points, except on Japanese systems, where
// the platform's default font stays.
TTsFont DefaultReportFont();

// A component's font that may follow its parent's (ParentFont, the default).
class TTsOwnFont {
 public:
  const TTsFont& Resolve(const TTsFont& parentFont) const {
    return m_parentFont ? parentFont : m_font;
  }
  // Giving a component a font of its own ends ParentFont.
  void Set(const TTsFont& font) {
    m_font = font;
    m_parentFont = false;
  }
  bool ParentFont() const { return m_parentFont; }
  void SetParentFont(bool parentFont) { m_parentFont = parentFont; }

 private:
  TTsFont m_font;
  bool m_parentFont = true;
};
