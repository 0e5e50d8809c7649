#include "shell/BevelPanel.h"

#include <QPainter>

namespace {

constexpr int kSingleLineWidth = 2;

// Draws one bevel of the given width just inside rect and returns the rect inside it.
QRect DrawBevel(QPainter& painter, QRect rect, Bevel bevel, int width, const QPalette& palette) {
  if (bevel == Bevel::None) return rect;
  const QColor light = palette.color(QPalette::Light);
  const QColor shadow = palette.color(QPalette::Dark);
  const QColor topLeft = bevel == Bevel::Raised ? light : shadow;
  const QColor bottomRight = bevel == Bevel::Raised ? shadow : light;
  for (int i = 0; i < width; ++i) {
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    rect.adjust(1, 1, -1, -1);
  }
  return rect;
}

}  // namespace

TBevelPanel::TBevelPanel(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Button)) {}

void TBevelPanel::SetBevels(Bevel outer, Bevel inner, int bevelWidth) {
  outer_ = outer;
  inner_ = inner;
  bevelWidth_ = bevelWidth;
  update();
}

void TBevelPanel::SetBorder(int borderWidth, bool singleLine) {
  borderWidth_ = borderWidth;
  singleLine_ = singleLine;
  update();
}

void TBevelPanel::SetColor(const QColor& color) {
  color_ = color;
  update();
}

void TBevelPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

int TBevelPanel::FrameWidth() const {
  const int outer = outer_ == Bevel::None ? 0 : bevelWidth_;
  const int inner = inner_ == Bevel::None ? 0 : bevelWidth_;
  return (singleLine_ ? kSingleLineWidth : 0) + outer + borderWidth_ + inner;
}

QRect TBevelPanel::FillRect() const {
  const int inset = FrameWidth();
  return rect().adjusted(inset, inset, -inset, -inset);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), color_);
  QRect inside = rect();
  if (singleLine_) {
    inside = DrawBevel(painter, inside, Bevel::Lowered, 1, palette());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(inside.topLeft(), inside.topRight());
    painter.drawLine(inside.topLeft(), inside.bottomLeft());
    inside.adjust(1, 1, -1, -1);
  }
  inside = DrawBevel(painter, inside, outer_, bevelWidth_, palette());
  inside.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  inside = DrawBevel(painter, inside, inner_, bevelWidth_, palette());
  if (!caption_.isEmpty()) {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(inside, Qt::AlignCenter, caption_);
  }
}

TBevelPanel* NewLoweredPanel(QWidget* parent, const QRect& geometry) {
  auto* panel = new TBevelPanel(parent);
  panel->SetBevels(Bevel::Raised, Bevel::Lowered);
  panel->setGeometry(geometry);
  return panel;
}
