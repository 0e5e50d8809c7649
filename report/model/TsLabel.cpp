#include "report/model/TsLabel.h"

#include "report/device/TsPrinter.h"
#include "report/model/CanvasState.h"
#include "report/model/CustomReport.h"
#include "report/model/TsBand.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TTsCustomLabel::TTsCustomLabel(TCustomReport& report, QString name, TTsBand* parentBand)
    : TTsPrintable(report, std::move(name), parentBand) {}

void TTsCustomLabel::SetCaption(const QString& caption) {
  m_caption = caption;
  m_printCaption = caption;
  FormatLines();
}

void TTsCustomLabel::SetAutoSize(bool autoSize) {
  m_autoSize = autoSize;
  FormatLines();
}

void TTsCustomLabel::SetWordWrap(bool wordWrap) {
  m_wordWrap = wordWrap;
  FormatLines();
}

const TTsFont& TTsCustomLabel::Font() const {
  const TTsBand* band = ParentBand();
  return m_ownFont.Resolve(band != nullptr ? band->Font() : Report().Font());
}

void TTsCustomLabel::SetFont(const TTsFont& font) {
  m_ownFont.Set(font);
  FormatLines();
}

void TTsCustomLabel::SetParentFont(bool parentFont) {
  m_ownFont.SetParentFont(parentFont);
  FormatLines();
}

void TTsCustomLabel::Loaded() {
  TTsPrintable::Loaded();
  if (FontSize > 0) {
    TTsFont font = Font();
    font.size = FontSize;
    m_ownFont.Set(font);
  }
  FormatLines();
}

void TTsCustomLabel::ZoomChanged() {
  TTsPrintable::ZoomChanged();
  FormatLines();
}

void TTsCustomLabel::FormatLines() {
  if (Report().IsLoading()) return;
  const TTsReferenceContext& context = Report().ReferenceContext();
  const TTsFont& font = Font();
  const long double zoom = Size().Zoom();
  const TextWidth measure = [&context, &font, zoom](const QString& text) {
    return static_cast<int>(std::nearbyintl((context.TextWidth(font, text) + 1) * zoom / 100));
  };
  m_lines = FormatCaptionLines(m_printCaption, {m_autoSize, m_wordWrap, Bound(Width)}, measure);
  const int textHeight = context.TextHeight(font);
  RaiseToMinimumHeight(textHeight);
  if (m_autoSize && !m_updatingBounds) FitWidthToLines(measure, textHeight);
}

void TTsCustomLabel::RaiseToMinimumHeight(int textHeight) {
  const int minimum = textHeight * Size().Zoom() / 100 + 1;
  if (Bound(Height) < minimum) SetBound(Height, minimum);
}

// The label takes the width of its widest line; a right-aligned label keeps its right
// edge and a centred one its centre.
void TTsCustomLabel::FitWidthToLines(const TextWidth& measure, int textHeight) {
  int width = 0;
  for (const QString& line : m_lines) width = std::max(width, measure(line));
  if (Frame.DrawLeft) width += Frame.Width;
  if (Frame.DrawRight) width += Frame.Width;
  m_updatingBounds = true;
  const int shrink = Bound(Width) - width;
  if (Alignment() == TTsAlignment::taRightJustify) SetBound(Left, Bound(Left) + shrink);
  if (Alignment() == TTsAlignment::taCenter) SetBound(Left, Bound(Left) + shrink / 2);
  SetBound(Width, width);
  RaiseToMinimumHeight(textHeight);
  m_updatingBounds = false;
}

void TTsCustomLabel::Prepare(TTsPrinter& device) {
  TTsPrintable::Prepare(device);
  SetCaption(m_caption);
}

bool TTsCustomLabel::CanStretchBy(long double lineHeight) const {
  const TTsBand* band = ParentBand();
  if (!AutoStretch || band == nullptr) return false;
  return Report().AvailableSpace() >= lineHeight + band->NativeHeight() + band->Expansion;
}

void TTsCustomLabel::FillBackground(long double left, long double top, long double right,
                                    long double bottom) {
  const TTsPrinter& device = Device();
  const int x = device.XPos(left);
  const int y = device.YPos(top);
  FillArea(*Device().Canvas(), QRect(x, y, device.XPos(right) - x, device.YPos(bottom) - y), Color);
}

void TTsCustomLabel::Print(long double x, long double y) {
  if (!IsEnabled()) return;
  TTsPrinter& device = Device();
  QPainter& canvas = *device.Canvas();
  const TTsFont& font = Font();
  UseFont(canvas, Report().ReferenceContext().QtFont(font));
  const QFontMetrics deviceMetrics = canvas.fontMetrics();
  const long double lineHeight = deviceMetrics.height() / device.YFactor();
  long double left = x + NativeBound(Left);
  long double top = y + NativeBound(Top);
  const long double width = NativeBound(Width);
  const long double height = NativeBound(Height);

  const QString printCaption = m_printCaption;
  if (!m_printCaption.isEmpty() && OnPrint) OnPrint(*this, m_printCaption);
  FormatLines();

  if (!Transparent) FillBackground(left, top, left + width, top + height);
  if (Frame.DrawTop) top += Frame.NativeThickness();
  if (Frame.DrawLeft) left += Frame.NativeThickness();
  long double lowestBottom = top + height + 1;

  long double anchor = left;
  if (Alignment() == TTsAlignment::taRightJustify) anchor = left + width;
  if (Alignment() == TTsAlignment::taCenter) anchor = left + width / 2;
  const int anchorX = device.XPos(anchor);

  if (PrintFinished()) m_nextLine = 0;
  long double lineTop = top;
  for (; m_nextLine < m_lines.size(); ++m_nextLine) {
    if (lineTop + lineHeight > lowestBottom) {
      if (!CanStretchBy(lineHeight)) break;
      ParentBand()->Expansion += lineHeight;
      lowestBottom += lineHeight;
      if (!Transparent) FillBackground(left, lowestBottom - lineHeight, left + width, lowestBottom);
    }
    const QString& line = m_lines[m_nextLine];
    if (!line.isEmpty()) {
      int textX = anchorX;
      if (Alignment() == TTsAlignment::taRightJustify) textX -= deviceMetrics.horizontalAdvance(line);
      if (Alignment() == TTsAlignment::taCenter) textX -= deviceMetrics.horizontalAdvance(line) / 2;
      canvas.setPen(font.color);  // a background filled for a stretched line took the pen
      device.DrawTextLine(QPoint(textX, device.YPos(lineTop) + deviceMetrics.ascent()), line);
    }
    lineTop += lineHeight;
  }
  SetPrintFinished(!(m_nextLine < m_lines.size() && AutoStretch));
  canvas.setClipping(false);

  const long double expansion = ParentBand() != nullptr ? ParentBand()->Expansion : 0;
  PaintFrame(left, top, left + width, top + height + expansion);
  m_printCaption = printCaption;
}
