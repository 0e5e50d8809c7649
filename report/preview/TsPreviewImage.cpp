#include "report/preview/TsPreviewImage.h"

#include "report/device/TsPrinter.h"
#include "report/device/PagePicture.h"

#include <QPainter>
#include <QPicture>

TTsPreviewImage::TTsPreviewImage(QWidget* parent) : QWidget(parent) {
  setObjectName("PreviewImage");
}

TTsPreviewImage::~TTsPreviewImage() = default;

void TTsPreviewImage::LoadPage(TTsPrinter& device, int n) {
  picture_ = device.GetPage(n);
  pageNumber_ = n;
  update();
}

void TTsPreviewImage::Unload() {
  picture_.reset();
  update();
}

bool TTsPreviewImage::ImageLoaded() const { return picture_ != nullptr; }
int TTsPreviewImage::PageNumber() const { return pageNumber_; }
int TTsPreviewImage::Zoom() const { return zoom_; }
void TTsPreviewImage::SetZoom(int zoom) { zoom_ = zoom; }

void TTsPreviewImage::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  const int w = width();
  const int h = height();
  QPainter painter(this);
  // Rectangles below run from their top-left corner up to, not including, the bottom-right.
  painter.fillRect(QRect(QPoint(1, 1), QPoint(w - 4, h - 4)), Qt::white);
  // Smoothed, so that lines thinner than a screen pixel at small zooms stay visible.
  painter.setRenderHint(QPainter::Antialiasing);
  DrawPagePicture(painter, *picture_, QRectF(0, 0, w, h));
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  const QPoint outline[] = {{0, 0}, {0, h - 3}, {w - 3, h - 3}, {w - 3, 0}, {0, 0}};
  painter.drawPolyline(outline, 5);
  painter.fillRect(QRect(QPoint(w - 2, 2), QPoint(w - 1, h - 1)), Qt::black);
  painter.fillRect(QRect(QPoint(2, h - 2), QPoint(w - 1, h - 1)), Qt::black);
}
