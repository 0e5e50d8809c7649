#pragma once
// A text item: its caption becomes output lines (optionally sizing the label to its text)
// measured on the report's reference context, and the lines are drawn on the output device.

#include "report/model/LabelLines.h"
#include "report/model/TsFont.h"
#include "report/model/TsPrintable.h"

#include <QStringList>

#include <functional>

class TTsCustomLabel : public TTsPrintable {
 public:
  TTsCustomLabel(TCustomReport& report, QString name, TTsBand* parentBand);

  const QString& Caption() const { return m_caption; }
  // Stores the caption (also as the print caption) and formats the lines again, which may
  // resize an auto-sized label.
  void SetCaption(const QString& caption);

  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool wordWrap);
  bool AutoStretch = false;
  bool Transparent = false;

  // The label's own font, or its parent's while ParentFont is set.
  const TTsFont& Font() const;
  void SetFont(const TTsFont& font);
  bool ParentFont() const { return m_ownFont.ParentFont(); }
  void SetParentFont(bool parentFont);
  // Points; when greater than 0 it becomes the font's size once a layout has loaded.
  int FontSize = 0;

  // May substitute the text of one print.
  std::function<void(TTsCustomLabel&, QString& text)> OnPrint;

  const QStringList& FormattedLines() const { return m_lines; }

  // Rebuilds FormattedLines and, with AutoSize, the label's width and position.
  virtual void FormatLines();

  void Prepare(TTsPrinter& device) override;
  void Print(long double x, long double y) override;
  void Loaded() override;
  void ZoomChanged() override;

 private:
  void RaiseToMinimumHeight(int textHeight);
  void FitWidthToLines(const TextWidth& measure, int textHeight);
  bool CanStretchBy(long double lineHeight) const;
  void FillBackground(long double left, long double top, long double right, long double bottom);

  QString m_caption;
  QString m_printCaption;
  QStringList m_lines;
  TTsOwnFont m_ownFont;
  bool m_autoSize = true;
  bool m_wordWrap = true;
  bool m_updatingBounds = false;
  qsizetype m_nextLine = 0;
};

class TTsLabel : public TTsCustomLabel {
 public:
  using TTsCustomLabel::TTsCustomLabel;
};
