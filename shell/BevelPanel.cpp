#include "shell/BevelPanel.h"

#include <QPainter>

#include <cstdlib>

namespace {

constexpr int kSingleLineWidth = 2;
// The least difference in grey level that shows an edge against the panel's colour.
constexpr int kVisibleStep = 32;

bool Shows(const QColor& edge, const QColor& fill) {
  return std::abs(qGray(edge.rgb()) - qGray(fill.rgb())) >= kVisibleStep;
}

struct BevelEdges {
  QColor light;
  QColor shadow;
};

// The palette's light and dark edge colours, where they show against the panel's colour.
// On a very light panel the palette's white light edge would vanish (a sunken frame would
// look open on two sides): a grey between the panel's colour and the dark edge takes its
// place, so all four edges show and the dark side still marks the bevel.
BevelEdges EdgesOn(const QPalette& palette, const QColor& fill) {
  BevelEdges edges{palette.color(QPalette::Light), palette.color(QPalette::Dark)};
  if (!Shows(edges.shadow, fill)) edges.shadow = palette.color(QPalette::Shadow);
  if (!Shows(edges.light, fill))
    edges.light = QColor((fill.red() + edges.shadow.red()) / 2, (fill.green() + edges.shadow.green()) / 2,
                         (fill.blue() + edges.shadow.blue()) / 2);
  return edges;
}

// Draws one bevel of the given width just inside rect and returns the rect inside it.
QRect DrawBevel(QPainter& painter, QRect rect, Bevel bevel, int width, const BevelEdges& edges) {
  if (bevel == Bevel::None) return rect;
  const QColor topLeft = bevel == Bevel::Raised ? edges.light : edges.shadow;
  const QColor bottomRight = bevel == Bevel::Raised ? edges.shadow : edges.light;
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
  const BevelEdges edges = EdgesOn(palette(), color_);
  QRect inside = rect();
  if (singleLine_) {
    inside = DrawBevel(painter, inside, Bevel::Lowered, 1, edges);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(inside.topLeft(), inside.topRight());
    painter.drawLine(inside.topLeft(), inside.bottomLeft());
    inside.adjust(1, 1, -1, -1);
  }
  inside = DrawBevel(painter, inside, outer_, bevelWidth_, edges);
  inside.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  inside = DrawBevel(painter, inside, inner_, bevelWidth_, edges);
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
