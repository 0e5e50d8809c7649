#include "report/preview/PictureReplay.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPicture>

void PlayPicture(QPainter& painter, const QPicture& picture, const QRectF& target) {
  const QRect bounds = picture.boundingRect();
  if (bounds.isEmpty()) return;
  // Replaying a picture scales it by the target's resolution over the picture's own; take
  // that factor back out so only the stretch into target remains.
  const QPicture reference;
  const QPaintDevice* device = painter.device();
  const qreal dpiX = qreal(reference.logicalDpiX()) / device->logicalDpiX();
  const qreal dpiY = qreal(reference.logicalDpiY()) / device->logicalDpiY();
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / bounds.width() * dpiX, target.height() / bounds.height() * dpiY);
  painter.translate(-QPointF(bounds.topLeft()));
  painter.drawPicture(0, 0, picture);
  painter.restore();
}
